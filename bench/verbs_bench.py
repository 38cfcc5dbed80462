#!/usr/bin/env python3
"""Times the command line for scripts (ambermox -a, -x, -l, --delete, -t)
against Info-ZIP zip/unzip, 7-Zip and bsdtar on the same files. Prints
seconds, ratios to Info-ZIP and archive sizes. A benchmark, not a test.

    bench/verbs_bench.py [--bin build/bin] [--size-mb 100] [--files 2000] [--level 6]
"""
import argparse, os, shutil, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bench import make_tree  # noqa: E402


def timed(cmd, cwd):
    t = time.perf_counter()
    r = subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - t
    if r.returncode not in (0, 1):  # bsdtar and 7z may warn
        raise SystemExit("failed (%d): %s" % (r.returncode, " ".join(cmd)))
    return elapsed


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", default=os.path.join(os.path.dirname(__file__), "..", "build", "bin"))
    ap.add_argument("--size-mb", type=int, default=100)
    ap.add_argument("--files", type=int, default=2000)
    ap.add_argument("--level", type=int, default=6)
    a = ap.parse_args()
    amx = os.path.abspath(os.path.join(a.bin, "ambermox"))
    work = tempfile.mkdtemp(prefix="amx-verbs-bench-")
    try:
        src = os.path.join(work, "src")
        os.makedirs(src)
        make_tree(src, a.size_mb, a.files)
        victim = "d03/s3"  # every member below one folder, for delete
        lv = str(a.level)
        tools = {
            "ambermox": {
                "add": lambda z: [amx, "-a", z, "--level", lv, "src"],
                "extract": lambda z: [amx, "-x", z, "-o", "out"],
                "list": lambda z: [amx, "-l", z],
                "delete": lambda z: [amx, "--delete", z, "--pattern", "src/%s/*" % victim],
                "test": lambda z: [amx, "-t", z],
            },
            "info-zip": {
                "add": lambda z: ["zip", "-q", "-r", "-" + lv, z, "src"],
                "extract": lambda z: ["unzip", "-q", "-o", z, "-d", "out"],
                "list": lambda z: ["unzip", "-l", z],
                "delete": lambda z: ["zip", "-q", "-d", z, "src/%s/*" % victim],
                "test": lambda z: ["unzip", "-tq", z],
            },
            "7-zip": {
                "add": lambda z: ["7z", "a", "-tzip", "-mx=" + lv, "-bd", z, "src"],
                "extract": lambda z: ["7z", "x", "-y", "-bd", "-oout", z],
                "list": lambda z: ["7z", "l", z],
                "delete": lambda z: ["7z", "d", "-r", "-bd", z, "src/%s/*" % victim],
                "test": lambda z: ["7z", "t", "-bd", z],
            },
            "bsdtar": {
                "add": lambda z: ["bsdtar", "--format", "zip", "--options",
                                  "zip:compression-level=" + lv, "-cf", z, "src"],
                "extract": lambda z: ["bsdtar", "-xf", z, "-C", "out"],
                "list": lambda z: ["bsdtar", "-tf", z],
                "delete": None,  # bsdtar cannot delete from a ZIP
                "test": None,
            },
        }
        verbs = ["add", "list", "test", "extract", "delete"]
        times, sizes = {}, {}
        for tool, cmds in tools.items():
            if not shutil.which(cmds["add"]("x")[0]):
                print("skipping %s: not installed" % tool)
                continue
            z = os.path.join(work, tool + ".zip")
            for verb in verbs:
                if cmds[verb] is None:
                    continue
                out = os.path.join(work, "out")
                shutil.rmtree(out, ignore_errors=True)
                os.makedirs(out)
                if verb == "add" and os.path.exists(z):
                    os.remove(z)
                times[(tool, verb)] = timed(cmds[verb](z), work)
                if verb == "add":
                    sizes[tool] = os.path.getsize(z)
            shutil.rmtree(os.path.join(work, "out"), ignore_errors=True)
        print("%d files, %d MB, level %s" % (a.files, a.size_mb, lv))
        print("%-10s" % "" + "".join("%16s" % v for v in verbs) + "%14s" % "size")
        for tool in tools:
            if tool not in sizes:
                continue
            row = "%-10s" % tool
            for verb in verbs:
                t = times.get((tool, verb))
                base = times.get(("info-zip", verb))
                row += "%16s" % ("-" if t is None else "%.2fs x%.2f" % (t, t / base if base else 0))
            print(row + "%14d" % sizes[tool])
        print("(xN: time relative to Info-ZIP; lower is faster)")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
