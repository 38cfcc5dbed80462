#!/usr/bin/env python3
"""Times libamxzip/libamxunz against Info-ZIP zip/unzip, 7-Zip and bsdtar on the
same files: add, extract, list and delete. Prints seconds, ratios to Info-ZIP
and archive sizes. A benchmark, not a test: nothing here fails on a timing.

    bench/bench.py [--bin build/bin] [--size-mb 200] [--files 2000] [--level 6]
"""
import argparse, ctypes, os, random, shutil, subprocess, sys, tempfile, time

MAX_SPECS = 4097


class ZipParams(ctypes.Structure):
    _fields_ = [("first", ctypes.c_int32), ("caller", ctypes.c_void_p), ("const120", ctypes.c_int32),
                ("callback", ctypes.c_void_p)] + \
               [(n, ctypes.c_int32) for n in (
                   "trace", "r20", "r24", "r28", "hidden", "r36", "r40", "t44", "r48", "verbose", "t56",
                   "level", "r64", "r68", "discard", "recurse", "notDelete", "forceDos", "move", "delete",
                   "update", "freshen", "r104", "zipTime", "r112", "r116", "count")] + \
               [("archive", ctypes.c_char_p), ("const7", ctypes.c_int32), ("specs", ctypes.c_char_p * MAX_SPECS)]


class UnzParams(ctypes.Structure):
    _fields_ = [("first", ctypes.c_int32), ("caller", ctypes.c_void_p), ("const120", ctypes.c_int32),
                ("callback", ctypes.c_void_p)] + \
               [(n, ctypes.c_int32) for n in (
                   "trace", "r20", "r24", "r28", "r32", "r36", "t40", "verbose", "update", "freshen",
                   "dirNames", "overwrite", "count")] + \
               [("archive", ctypes.c_char_p), ("const7", ctypes.c_int32), ("specs", ctypes.c_char_p * MAX_SPECS)]


def make_tree(root, size_mb, files):
    rnd = random.Random(7)
    words = [bytes(rnd.choice(b"abcdefghijklmnopqrstuvwxyz ") for _ in range(rnd.randint(3, 12))) for _ in range(4000)]
    per_file = size_mb * (1 << 20) // files
    for i in range(files):
        d = os.path.join(root, "d%02d" % (i % 40), "s%d" % (i % 7))
        os.makedirs(d, exist_ok=True)
        size = max(1, int(per_file * rnd.uniform(0.1, 1.9)))
        if i % 10 == 0:
            data = os.urandom(size)  # incompressible
        else:
            data = b" ".join(rnd.choice(words) for _ in range(size // 7 + 1))[:size]
        with open(os.path.join(d, "f%05d.txt" % i), "wb") as f:
            f.write(data)
    # One large member, streamed rather than compressed whole.
    with open(os.path.join(root, "large.bin"), "wb") as f:
        for _ in range(48):
            f.write(b" ".join(rnd.choice(words) for _ in range(150000))[: 1 << 20])


def timed(fn):
    t = time.perf_counter()
    fn()
    return time.perf_counter() - t


def sh(cmd, cwd=None):
    subprocess.run(cmd, cwd=cwd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", default=os.path.join(os.path.dirname(__file__), "..", "build", "bin"))
    ap.add_argument("--size-mb", type=int, default=200)
    ap.add_argument("--files", type=int, default=2000)
    ap.add_argument("--level", type=int, default=6)
    args = ap.parse_args()

    zlib_ = ctypes.CDLL(os.path.join(args.bin, "libamxzip.so"))
    unz = ctypes.CDLL(os.path.join(args.bin, "libamxunz.so"))
    work = tempfile.mkdtemp(prefix="amxbench-")
    src = os.path.join(work, "src")
    os.makedirs(src)
    make_tree(src, args.size_mb, args.files)
    keep = []

    def amx_add(archive):
        p = ZipParams(const120=120, t44=-1, t56=-1, level=args.level, recurse=-1, notDelete=-1, count=1,
                      archive=archive.encode(), const7=7)
        p.specs[0] = b"*.*"
        keep.append(p)
        old = os.getcwd()
        os.chdir(src)
        try:
            zlib_.AmxZipExec(ctypes.byref(p))
        finally:
            os.chdir(old)

    def amx_delete(archive):
        p = ZipParams(const120=120, t44=-1, t56=-1, level=args.level, delete=-1, count=1,
                      archive=archive.encode(), const7=7)
        p.specs[0] = b"d1*"
        zlib_.AmxZipExec(ctypes.byref(p))

    def amx_extract(archive, dest):
        os.makedirs(dest)
        p = UnzParams(const120=120, t40=-1, dirNames=-1, overwrite=-1, archive=archive.encode(), const7=7)
        old = os.getcwd()
        os.chdir(dest)
        try:
            unz.AmxUnzExec(ctypes.byref(p))
        finally:
            os.chdir(old)

    def amx_list(archive):
        sh([os.path.join(args.bin, "ambermox"), "-l", archive])

    lvl = "-%d" % args.level
    tools = {
        "ambermox": dict(add=amx_add, extract=amx_extract, list=amx_list, delete=amx_delete),
        "infozip": dict(add=lambda a: sh(["zip", "-q", "-r", lvl, a, "."], src),
                        extract=lambda a, d: sh(["unzip", "-q", "-o", a, "-d", d]),
                        list=lambda a: sh(["unzip", "-l", a]),
                        delete=lambda a: sh(["zip", "-q", "-d", a, "d1*"])),
        "7z": dict(add=lambda a: sh(["7z", "a", "-tzip", "-mx=%d" % args.level, a, "."], src),
                   extract=lambda a, d: sh(["7z", "x", "-y", "-o" + d, a]),
                   list=lambda a: sh(["7z", "l", a]),
                   delete=lambda a: sh(["7z", "d", a, "d1*", "-r"])),
        "bsdtar": dict(add=lambda a: sh(["bsdtar", "--format", "zip", "--options", "zip:compression-level=%d" % args.level,
                                         "-cf", a, "."], src),
                       extract=lambda a, d: (os.makedirs(d), sh(["bsdtar", "-xf", a, "-C", d])),
                       list=lambda a: sh(["bsdtar", "-tf", a]),
                       delete=None),
    }
    results = {}
    for name, t in tools.items():
        archive = os.path.join(work, name + ".zip")
        r = {}
        r["add"] = timed(lambda: t["add"](archive))
        r["size"] = os.path.getsize(archive)
        r["extract"] = timed(lambda: t["extract"](archive, os.path.join(work, "x-" + name)))
        r["list"] = timed(lambda: t["list"](archive))
        r["delete"] = timed(lambda: t["delete"](archive)) if t["delete"] else None
        shutil.rmtree(os.path.join(work, "x-" + name), ignore_errors=True)
        results[name] = r

    base = results["infozip"]
    print("%d files + one 48 MiB file, about %d MiB, level %d, %d cores" % (args.files, args.size_mb + 48, args.level, os.cpu_count()))
    print("%-10s %10s %10s %10s %10s %14s" % ("tool", "add s", "extract s", "list s", "delete s", "archive bytes"))
    for name, r in results.items():
        print("%-10s %10.2f %10.2f %10.3f %10s %14d" % (name, r["add"], r["extract"], r["list"],
              "%.2f" % r["delete"] if r["delete"] is not None else "-", r["size"]))
    print("\nratio to Info-ZIP (below 1 is faster):")
    for name, r in results.items():
        parts = []
        for op in ("add", "extract", "list", "delete"):
            if r[op] is not None and base[op]:
                parts.append("%s %.2f" % (op, r[op] / base[op]))
        parts.append("size %.3f" % (r["size"] / base["size"]))
        print("%-10s %s" % (name, ", ".join(parts)))
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
