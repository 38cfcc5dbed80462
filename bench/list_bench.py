#!/usr/bin/env python3
"""Listing benchmark: `ambermox -l` against unzip -l, 7z l and Python's zipfile
on one archive of many small members written by Info-ZIP zip.

Usage: bench/list_bench.py [--members N] [--runs R] [--program build/bin/ambermox]
Prints the median wall time and peak memory of each tool and the ratios to ours.
"""
import argparse
import os
import struct
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def measure(argv, runs):
    """Median wall time and peak resident memory (KiB). GNU time forks the tool
    from its own small process, so the peak is the tool's, not ours."""
    times, peaks = [], []
    with tempfile.NamedTemporaryFile("r") as report:
        for _ in range(runs):
            start = time.perf_counter()
            proc = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + argv,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            times.append(time.perf_counter() - start)
            if proc.returncode != 0:
                sys.exit(f"{argv[0]} failed: {proc.stderr.decode(errors='replace')}")
            report.seek(0)
            peaks.append(int(report.read().split()[-1]))
    return statistics.median(times), max(peaks)


def central_directory_size(archive):
    # From the end records, without loading the directory into this process.
    with open(archive, "rb") as f:
        f.seek(0, 2)
        size = f.tell()
        f.seek(max(0, size - 65557))
        tail = f.read()
    end = tail.rfind(b"PK\x05\x06")
    cd = struct.unpack("<I", tail[end + 12:end + 16])[0]
    if cd == 0xFFFFFFFF:
        loc = tail.rfind(b"PK\x06\x07", 0, end)
        with open(archive, "rb") as f:
            f.seek(struct.unpack("<Q", tail[loc + 8:loc + 16])[0] + 40)
            cd = struct.unpack("<Q", f.read(8))[0]
    return cd


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("--members", type=int, default=100_000)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--program", default=os.path.join(here, "..", "build", "bin", "ambermox"))
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="amx-listbench-")
    try:
        src = os.path.join(work, "src")
        for i in range(args.members):
            d = os.path.join(src, f"d{i // 1000:03d}")
            if i % 1000 == 0:
                os.makedirs(d)
            with open(os.path.join(d, f"file{i:06d}.txt"), "w") as f:
                f.write(f"member {i}\n" * (i % 7 + 1))
        archive = os.path.join(work, "many.zip")
        subprocess.run(["zip", "-q", "-r", "-D", archive, "src"], cwd=work, check=True)
        cd = central_directory_size(archive)
        print(f"archive: {args.members} members, {os.path.getsize(archive) / 1e6:.1f} MB, "
              f"central directory {cd / 1e6:.1f} MB; median of {args.runs} runs")

        tools = [
            ("ambermox -l", [args.program, "-l", archive]),
            ("unzip -l", ["unzip", "-l", archive]),
            ("7z l", ["7z", "l", archive]),
            ("python zipfile", [sys.executable, "-c",
                                "import sys,zipfile\n"
                                "for i in zipfile.ZipFile(sys.argv[1]).infolist(): "
                                "print(i.filename, i.file_size, i.compress_size)", archive]),
        ]
        # The program's own baseline: listing an empty archive.
        empty = os.path.join(work, "empty.zip")
        subprocess.run(["zip", "-q", empty, "src/d000/file000000.txt"], cwd=work, check=True)
        _, base_peak = measure([args.program, "-l", empty], 1)

        results = {name: measure(argv, args.runs) for name, argv in tools}
        ours_t, ours_m = results["ambermox -l"]
        print(f"{'tool':16} {'median s':>9} {'peak MiB':>9} {'time ratio':>11}")
        for name, (t, m) in results.items():
            print(f"{name:16} {t:9.3f} {m / 1024:9.1f} {t / ours_t:10.2f}x")
        budget = 3 * cd / 1024 + base_peak
        print(f"ambermox peak {ours_m / 1024:.1f} MiB; budget 3 x central directory + baseline "
              f"({base_peak / 1024:.1f} MiB) = {budget / 1024:.1f} MiB "
              f"-> {'within' if ours_m <= budget else 'OVER'}")
        print(f"ambermox vs unzip -l: {results['unzip -l'][0] / ours_t:.2f}x faster")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
