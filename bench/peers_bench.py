#!/usr/bin/env python3
"""Times ambermox against Info-ZIP zip/unzip, 7-Zip, bsdtar, Python's zipfile
and jar on three corpora built from files every Debian system has, chosen with
a fixed seed so that a corpus is the same on each run of the same machine:

  mixed  headers, documentation, shared libraries and random data (about 201 MB
         in 6,940 files, one of them a library of about 23 MB)
  small  100,000 text files of 1 to 4 KiB
  big    one file of 512 MiB

Each tool adds, extracts (into the work folder, tmpfs by default), lists and
deletes one member (of the corpora with more than one file), several times; the script prints the median wall time, the
CPU use in cores, the peak memory of the largest process, the archive sizes and
the ratio of ambermox to the best peer. A benchmark, not a test.

    bench/peers_bench.py [--bin build/bin] [--scale 1] [--runs 3] [--level 6]
                         [--corpora mixed,small,big] [--work /dev/shm]
                         [--tools zip,7z,bsdtar,python,jar] [--library]

--scale shrinks every corpus (sizes and file counts) for a quicker run.
"""
import argparse, glob, os, random, shutil, statistics, subprocess, sys, tempfile, time

AMX_DRIVER = r"""
import ctypes, os, sys
sys.path.insert(0, sys.argv[1])
from bench import ZipParams, UnzParams
libdir, op, archive, arg, level = sys.argv[2], sys.argv[3], os.path.abspath(sys.argv[4]), sys.argv[5], int(sys.argv[6])
if op == "x":
    lib = ctypes.CDLL(os.path.join(libdir, "libamxunz.so"))
    os.makedirs(arg, exist_ok=True)
    os.chdir(arg)
    p = UnzParams(const120=120, t40=-1, dirNames=-1, overwrite=-1, archive=archive.encode(), const7=7)
    sys.exit(0 if lib.AmxUnzExec(ctypes.byref(p)) > 0 else 1)
lib = ctypes.CDLL(os.path.join(libdir, "libamxzip.so"))
if op == "a":
    os.chdir(arg)
    p = ZipParams(const120=120, t44=-1, t56=-1, level=level, recurse=-1, notDelete=-1, count=1,
                  archive=archive.encode(), const7=7)
    p.specs[0] = b"*.*"
else:
    p = ZipParams(const120=120, t44=-1, t56=-1, level=level, delete=-1, count=1, archive=archive.encode(), const7=7)
    p.specs[0] = arg.replace("\\", "\\\\").replace("*", "\\*").replace("?", "\\?").encode()
sys.exit(0 if lib.AmxZipExec(ctypes.byref(p)) > 0 else 1)
"""

PY_ADD = r"""
import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED, compresslevel=int(sys.argv[2])) as z:
    for root, dirs, files in os.walk("."):
        dirs.sort()
        for f in sorted(files):
            z.write(os.path.join(root, f)[2:])
"""
PY_EXTRACT = "import sys, zipfile\nzipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])\n"
PY_LIST = "import sys, zipfile\nsys.stdout.write('\\n'.join(zipfile.ZipFile(sys.argv[1]).namelist()))\n"


def system_files(rnd, patterns, limit=None):
    files = set()
    for pat in patterns:
        for f in glob.glob(pat, recursive=True):
            if os.path.isfile(f) and not os.path.islink(f) and os.access(f, os.R_OK):
                if limit is None or os.path.getsize(f) <= limit:
                    files.add(f)
    files = sorted(files)
    rnd.shuffle(files)
    return files


def copy_into(src, root):
    dest = os.path.join(root, src.lstrip("/"))
    os.makedirs(os.path.dirname(dest), exist_ok=True)
    shutil.copyfile(src, dest)
    return os.path.getsize(dest)


def make_mixed(root, scale):
    rnd = random.Random(201)
    target, count = int(181e6 * scale), int(6940 * scale)
    random_bytes = int((20 << 20) * scale)
    libs = system_files(rnd, ["/usr/lib/x86_64-linux-gnu/*.so*", "/usr/lib/*/*.so*"])
    # The one large library: the one closest to 23 MB (scaled).
    want = 23e6 * scale
    big = min(libs, key=lambda f: abs(os.path.getsize(f) - want))
    total, n = copy_into(big, root), 1
    pool = system_files(rnd, ["/usr/include/**/*", "/usr/share/doc/**/*"], 1 << 20) + \
        [f for f in libs if os.path.getsize(f) < 4 << 20 and f != big]
    rnd.shuffle(pool)
    for f in pool:
        if total >= target or n >= count - 8:
            break
        total += copy_into(f, root)
        n += 1
    os.makedirs(os.path.join(root, "random"), exist_ok=True)
    for i in range(8):
        with open(os.path.join(root, "random", "r%d.bin" % i), "wb") as out:
            out.write(rnd.randbytes(random_bytes // 8))


def make_small(root, scale):
    rnd = random.Random(100000)
    text = b""
    for f in sorted(glob.glob("/usr/share/common-licenses/*")):
        if os.path.isfile(f):
            text += open(f, "rb").read()
    for i in range(int(100000 * scale)):
        d = os.path.join(root, "d%03d" % (i // 1000))
        if i % 1000 == 0:
            os.makedirs(d, exist_ok=True)
        size = rnd.randint(1024, 4096)
        at = rnd.randrange(0, len(text) - size)
        with open(os.path.join(d, "f%05d.txt" % i), "wb") as out:
            out.write(text[at:at + size])


def make_big(root, scale):
    rnd = random.Random(512)
    target = int((512 << 20) * scale)
    pool = system_files(rnd, ["/usr/lib/x86_64-linux-gnu/*.so*", "/usr/share/doc/**/*", "/usr/include/**/*"])
    with open(os.path.join(root, "big.bin"), "wb") as out:
        total = 0
        while total < target:
            for f in pool:
                data = open(f, "rb").read(min(8 << 20, target - total))
                out.write(data)
                total += len(data)
                if total >= target:
                    break


CORPORA = {"mixed": make_mixed, "small": make_small, "big": make_big}


def measure(cmd, cwd, runs, prepare=None):
    """Runs cmd `runs` times; returns the median wall time and CPU use, and the peak memory."""
    walls, cpus, peaks = [], [], []
    for _ in range(runs):
        if prepare:
            prepare()
        # GNU time reports the peak: a child of this process would inherit its size.
        with tempfile.NamedTemporaryFile("r") as peak:
            start = time.perf_counter()
            p = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", peak.name] + cmd, cwd=cwd,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            _, status, usage = os.wait4(p.pid, 0)
            walls.append(time.perf_counter() - start)
            code = os.waitstatus_to_exitcode(status)
            if code not in (0, 1):  # 7z and bsdtar warn with 1
                raise SystemExit("failed (%d): %s" % (code, " ".join(cmd)))
            cpus.append(usage.ru_utime + usage.ru_stime)
            peaks.append(int(peak.read().split()[-1]) / 1024)
    wall = statistics.median(walls)
    return {"wall": wall, "cores": statistics.median(cpus) / wall, "peak": max(peaks)}


def tools(args, amx):
    lv = str(args.level)
    py = sys.executable
    here = os.path.dirname(os.path.abspath(__file__))
    if amx.endswith("ambermox"):
        mine = {"add": lambda a, s: ([amx, "-a", a, "--level", lv, "."], s),
                "extract": lambda a, d: ([amx, "-x", a, "-o", d], None),
                "list": lambda a: [amx, "-l", a],
                "delete": lambda a, m: [amx, "--delete", a, m]}
    else:
        drv = [py, "-c", AMX_DRIVER, here, amx]
        mine = {"add": lambda a, s: (drv + ["a", a, s, lv], None),
                "extract": lambda a, d: (drv + ["x", a, d, lv], None),
                "list": None,
                "delete": lambda a, m: drv + ["d", a, m, lv]}
    jar = shutil.which("jar") or shutil.which("fastjar")
    return {
        "ambermox": mine,
        "zip": {"add": lambda a, s: (["zip", "-q", "-r", "-" + lv, a, "."], s),
                "extract": lambda a, d: (["unzip", "-q", "-o", a, "-d", d], None),
                "list": lambda a: ["zipinfo", "-1", a],
                "delete": lambda a, m: ["zip", "-q", "-d", a, m]},
        "7z": {"add": lambda a, s: (["7z", "a", "-bd", "-tzip", "-mx=" + lv, a, "."], s),
               "extract": lambda a, d: (["7z", "x", "-bd", "-y", "-o" + d, a], None),
               "list": lambda a: ["7z", "l", a],
               "delete": lambda a, m: ["7z", "d", "-bd", a, m]},
        "bsdtar": {"add": lambda a, s: (["bsdtar", "--format", "zip", "--options",
                                         "zip:compression-level=" + lv, "-cf", a, "."], s),
                   "extract": lambda a, d: (["bsdtar", "-xf", a, "-C", d], None),
                   "list": lambda a: ["bsdtar", "-tf", a],
                   "delete": None},
        "python": {"add": lambda a, s: ([py, "-c", PY_ADD, a, lv], s),
                   "extract": lambda a, d: ([py, "-c", PY_EXTRACT, a, d], None),
                   "list": lambda a: [py, "-c", PY_LIST, a],
                   "delete": None},
        "jar": {"add": lambda a, s: ([jar, "cfM", a, "-C", s, "."], None),
                "extract": lambda a, d: ([jar, "xf", a], d),
                "list": lambda a: [jar, "tf", a],
                "delete": None} if jar else None,
    }


def victim(src):
    """A member in the middle of the corpus, as the archives name it."""
    names = []
    for root, dirs, files in os.walk(src):
        dirs.sort()
        names += [os.path.relpath(os.path.join(root, f), src) for f in sorted(files)]
    return names[len(names) // 2]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build", "bin"))
    ap.add_argument("--scale", type=float, default=1.0)
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--level", type=int, default=6)
    ap.add_argument("--corpora", default="mixed,small,big")
    ap.add_argument("--work", default="/dev/shm" if os.path.isdir("/dev/shm") else None)
    ap.add_argument("--library", action="store_true", help="drive the libraries, not the ambermox program")
    ap.add_argument("--tools", default="zip,7z,bsdtar,python,jar", help="the peers to run")
    args = ap.parse_args()

    amx = os.path.abspath(os.path.join(args.bin, "ambermox"))
    if args.library or not os.path.exists(amx):
        amx = os.path.abspath(args.bin)
    work = tempfile.mkdtemp(prefix="amxpeers-", dir=args.work)
    wanted = ["ambermox"] + args.tools.split(",")
    all_tools = {k: v for k, v in tools(args, amx).items() if v and k in wanted}
    print("scale %g, level %d, %d runs, %d cores, work folder %s, ambermox driven %s" % (
        args.scale, args.level, args.runs, os.cpu_count(), args.work or tempfile.gettempdir(),
        "by its program" if amx.endswith("ambermox") else "through its libraries"))
    summary = []
    try:
        for corpus in args.corpora.split(","):
            src = os.path.join(work, corpus)
            os.makedirs(src)
            CORPORA[corpus](src, args.scale)
            nfiles = sum(len(f) for _, _, f in os.walk(src))
            nbytes = sum(os.path.getsize(os.path.join(r, f)) for r, _, fs in os.walk(src) for f in fs)
            print("\n== %s: %d files, %.1f MB" % (corpus, nfiles, nbytes / 1e6))
            print("%-9s %-8s %9s %6s %9s %13s" % ("work", "tool", "median s", "cores", "peak MiB", "archive bytes"))
            member = victim(src)
            results = {}
            for name, t in all_tools.items():
                archive = os.path.join(work, "%s-%s.zip" % (corpus, name))
                out = os.path.join(work, "out")

                def fresh_archive():
                    if os.path.exists(archive):
                        os.unlink(archive)

                def fresh_out():
                    shutil.rmtree(out, ignore_errors=True)
                    os.makedirs(out)

                cmd, cwd = t["add"](archive, src)
                r = {"add": measure(cmd, cwd, args.runs, fresh_archive)}
                r["add"]["size"] = os.path.getsize(archive)
                cmd, cwd = t["extract"](archive, out)
                r["extract"] = measure(cmd, cwd, args.runs, fresh_out)
                shutil.rmtree(out, ignore_errors=True)
                if t["list"]:
                    r["list"] = measure(t["list"](archive), None, args.runs)
                if t["delete"] and nfiles > 1:
                    copy = archive + ".del.zip"
                    r["delete"] = measure(t["delete"](copy, member), None, args.runs,
                                          lambda: shutil.copyfile(archive, copy))
                    os.unlink(copy)
                os.unlink(archive)
                results[name] = r
                for op in ("add", "extract", "list", "delete"):
                    if op in r:
                        m = r[op]
                        print("%-9s %-8s %9.3f %6.2f %9.1f %13s" % (op, name, m["wall"], m["cores"], m["peak"],
                                                                    m.get("size", "")))
            mine = results["ambermox"]
            if len(results) == 1:
                continue
            for op in ("add", "extract", "list", "delete"):
                peers = [(r[op]["wall"], n) for n, r in results.items() if n != "ambermox" and op in r]
                if op not in mine or not peers or min(peers)[0] <= 0:
                    continue
                best, who = min(peers)
                summary.append("%-6s %-8s best peer %-7s %8.3f s  ambermox %8.3f s  ratio %.2f" % (
                    corpus, op, who, best, mine[op]["wall"], mine[op]["wall"] / best))
            sizes = {n: r["add"]["size"] for n, r in results.items()}
            summary.append("%-6s size     ambermox / zip %.3f, / smallest peer %.3f" % (
                corpus, sizes["ambermox"] / sizes["zip"],
                sizes["ambermox"] / min(v for n, v in sizes.items() if n != "ambermox")))
            shutil.rmtree(src, ignore_errors=True)
        print("\nratio to the best peer (below 1: ambermox is faster)")
        print("\n".join(summary))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
