#!/usr/bin/env python3
"""Disk search benchmark: the favourites search's walk (build/bin/search_walk)
against `find ROOT -name '*.zip'` on one generated tree of 200,000 files of
which 2,000 are archives. Prints the median wall time and peak memory of both
and their ratios. A benchmark, not a test: nothing here fails on a timing.

    bench/search_bench.py [--files 200000] [--archives 2000] [--runs 5] [--program build/bin/search_walk]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def measure(argv, runs):
    """Median wall time and peak resident memory (KiB) under GNU time."""
    times, peaks = [], []
    with tempfile.NamedTemporaryFile("r") as report:
        for _ in range(runs):
            start = time.perf_counter()
            proc = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + argv,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            times.append(time.perf_counter() - start)
            if proc.returncode != 0:
                sys.exit(f"{argv[0]} failed: {proc.stderr.decode(errors='replace')}")
            report.seek(0)
            peaks.append(int(report.read().split()[-1]))
    return statistics.median(times), max(peaks), proc.stdout


def generate(root, files, archives):
    """Three levels of folders, 100 entries a folder; every fourth folder holds
    four archives (the favourite list keeps at most 1000 folders). Empty
    files: the walk reads names, not contents, and creating them with bare
    open/close keeps the generation to seconds."""
    per_dir = 100
    made = 0
    flags = os.O_CREAT | os.O_WRONLY | os.O_EXCL
    d = None
    for i in range(files):
        if i % per_dir == 0:
            n = i // per_dir
            d = os.path.join(root, f"t{n // 400:02d}", f"m{n // 20 % 20:02d}", f"l{n % 20:02d}")
            os.makedirs(d)
        archive = (i // per_dir) % 4 == 0 and i % per_dir < 4 and made < archives
        name = f"f{i:06d}.zip" if archive else f"f{i:06d}.txt"
        made += name.endswith(".zip")
        os.close(os.open(os.path.join(d, name), flags, 0o644))
    return made


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--files", type=int, default=200_000)
    parser.add_argument("--archives", type=int, default=2_000)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--program", default=os.path.join(here, "..", "build", "bin", "search_walk"))
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="amx-searchbench-")
    try:
        start = time.perf_counter()
        made = generate(work, args.files, args.archives)
        print(f"tree: {args.files} files, {made} archives, generated in "
              f"{time.perf_counter() - start:.1f} s; median of {args.runs} runs, warm cache")
        tools = [("ambermox walk", [args.program, work]),
                 ("find -name", ["find", work, "-name", "*.zip"])]
        for _, argv in tools:  # warm the cache for both
            subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        results = {name: measure(argv, args.runs) for name, argv in tools}
        ours_t, ours_m, ours_out = results["ambermox walk"]
        find_out = results["find -name"][2]
        found_dirs = {os.path.dirname(p) + "/" for p in find_out.decode().split("\n") if p}
        if set(ours_out.decode().split("\n")) - {""} != found_dirs:
            sys.exit("the walk and find disagree on the folders holding archives")
        print(f"{'tool':14} {'median s':>9} {'peak MiB':>9} {'time ratio':>11} {'memory ratio':>13}")
        for name, (t, m, _) in results.items():
            print(f"{name:14} {t:9.3f} {m / 1024:9.1f} {t / ours_t:10.2f}x {m / ours_m:12.2f}x")
        empty = os.path.join(work, "empty")
        os.mkdir(empty)
        _, base_m, _ = measure([args.program, empty], 1)
        print(f"folders collected: {len(found_dirs)} (both agree); the walk's program on an empty "
              f"folder peaks at {base_m / 1024:.1f} MiB (its libraries), so the walk itself adds "
              f"{(ours_m - base_m) / 1024:.1f} MiB")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
