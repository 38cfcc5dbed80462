#!/usr/bin/env python3
"""Soak: thousands of mixed operations on one archive, nothing may grow.

The command line runs add, list, test, extract and delete in turn, a process
each: its peak memory in the first and the last rounds, and the files in the
archive's folder and in TMPDIR at the start and the end. The window's
operation path (window_driver soak: add, test, extract, delete through the
dialogs, in one process) reports its open descriptors, resident memory and
heap in use after the first round, at each quarter and at the end; the heap
in use is what tells a leak, since resident memory also holds pages the
allocator keeps. Not a test: a report.

    python3 bench/soak.py [--build build] [--operations 2000]
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile


def run(argv, env):
    """Runs argv; returns its exit status and peak resident memory in KiB."""
    p = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(p.pid, 0)
    err = p.stderr.read().decode(errors="replace")
    p.stderr.close()
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.exit("%s failed (%d): %s" % (" ".join(argv), code, err))
    return usage.ru_maxrss


def entries(folder):
    return sorted(os.listdir(folder))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build", default="build")
    ap.add_argument("--operations", type=int, default=2000)
    args = ap.parse_args()
    bindir = os.path.abspath(os.path.join(args.build, "bin"))
    cli, driver = os.path.join(bindir, "ambermox"), os.path.join(bindir, "window_driver")
    work = tempfile.mkdtemp(prefix="amx-soak-")
    tmp = os.path.join(work, "tmp")
    os.makedirs(tmp)
    # Qt makes its runtime folder on first use: away from the folders counted.
    runtime = tempfile.mkdtemp(prefix="amx-soak-runtime-")
    env = dict(os.environ, TMPDIR=tmp, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8",
               XDG_RUNTIME_DIR=runtime)
    env.pop("DISPLAY", None)
    rng = random.Random(4)
    src = os.path.join(work, "src", "stuff")
    os.makedirs(src)
    for i in range(20):
        with open(os.path.join(src, "f%02d.txt" % i), "wb") as f:
            f.write(b"line %d\n" % i * rng.randint(10, 5000))
        with open(os.path.join(src, "r%02d.bin" % i), "wb") as f:
            f.write(rng.randbytes(rng.randint(0, 100_000)))
    archive = os.path.join(work, "a.zip")
    out = os.path.join(work, "out")
    os.makedirs(out)

    # The command line: rounds of five operations.
    cli_ops = args.operations // 2
    rounds = cli_ops // 5
    verbs = [
        [cli, "-a", archive, "--level", "6", os.path.join(work, "src", "stuff")],
        [cli, "-l", archive],
        [cli, "-t", archive],
        [cli, "-x", archive, "-o", out, "--overwrite"],
        [cli, "--delete", archive, "--pattern", "*/r1*"],
    ]
    first = last = 0
    for r in range(rounds):
        peak = max(run(v, env) for v in verbs)
        if r == 0:
            first = peak
            start_files = (entries(work), entries(tmp))
        last = peak
    end_files = (entries(work), entries(tmp))
    print("command line: %d operations; peak RSS first round %d KiB, last round %d KiB"
          % (5 * rounds, first, last))
    print("  archive folder: %d entries at start, %d at end %s" % (
        len(start_files[0]), len(end_files[0]), end_files[0]))
    print("  TMPDIR: %d entries at start, %d at end" % (len(start_files[1]), len(end_files[1])))

    # The window: rounds of four operations in one process.
    window_rounds = (args.operations - 5 * rounds) // 4
    before = (entries(work), entries(tmp))
    r = subprocess.run([driver, "soak", archive, os.path.join(work, "src"), "stuff",
                        str(window_rounds)], env=env, capture_output=True, text=True)
    if r.returncode != 0:
        sys.exit("window_driver failed: %s" % r.stderr)
    print("window: " + r.stdout.strip().replace("\n", "; "))
    # The log keeps every line by design: what the heap gained is set
    # against what the log's lines hold.
    heaps = [int(h) for h in re.findall(r"heap_kib=(\d+)", r.stdout)]
    lines = re.search(r"log_lines=(\d+)", r.stdout)
    if len(heaps) >= 2 and lines:
        print("  heap in use: %d KiB after the first round, %d KiB at the end (%+d KiB, "
              "%.0f bytes per operation; %s log lines)" % (
                  heaps[0], heaps[-1], heaps[-1] - heaps[0],
                  (heaps[-1] - heaps[0]) * 1024 / max(1, 4 * window_rounds), lines.group(1)))
    after = (entries(work), entries(tmp))
    if after != before:
        print("  new: %s" % sorted(set(after[0] + after[1]) - set(before[0] + before[1])))
    print("  archive folder: %d entries before, %d after; TMPDIR: %d before, %d after" % (
        len(before[0]), len(after[0]), len(before[1]), len(after[1])))
    grew = end_files != start_files or after != before
    shutil.rmtree(work)
    shutil.rmtree(runtime)
    return 1 if grew else 0


if __name__ == "__main__":
    sys.exit(main())
