#!/usr/bin/env python3
"""Times the extraction of one large deflated member that another tool made:
the 512 MiB file of the "big" corpus of peers_bench.py (libraries, headers and
documentation of this system, chosen with a fixed seed), zipped by Info-ZIP
zip at level 6, extracted by ambermox -x, bsdtar -xf, unzip -o and 7z x into a
folder on tmpfs (/dev/shm) so that the disk does not decide. Prints the median
wall time of each, the CPU use in cores ((user + sys) / wall), the peak memory
and the ratio to bsdtar. A benchmark, not a test.

    bench/single_member_bench.py [--bin build/bin] [--runs 3] [--scale 1]
                                 [--level 6] [--work /dev/shm] [--archive big.zip]
                                 [--edits]

--archive reuses an archive made before (zipping 512 MiB takes a while).
--edits times, instead, ambermox --rename of one member against ambermox
--delete of one member of the same archive (the large member and a small
one beside it), taking turns (rename, delete, rename, ...) on fresh copies,
and prints both medians and their ratio: both copy the large member's data
as it is into a new archive.
"""
import argparse, os, shutil, statistics, subprocess, sys, tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from peers_bench import make_big, measure  # noqa: E402


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", default=os.path.join(here, "..", "build", "bin"))
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--scale", type=float, default=1.0)
    ap.add_argument("--level", type=int, default=6)
    ap.add_argument("--work", default="/dev/shm" if os.path.isdir("/dev/shm") else None)
    ap.add_argument("--archive", help="an archive made before by this script")
    ap.add_argument("--edits", action="store_true", help="rename against delete")
    args = ap.parse_args()

    amx = os.path.abspath(os.path.join(args.bin, "ambermox"))
    work = tempfile.mkdtemp(prefix="amxsingle-", dir=args.work)
    try:
        archive = args.archive
        if not archive:
            src = os.path.join(work, "src")
            os.makedirs(src)
            make_big(src, args.scale)
            archive = os.path.join(work, "big.zip")
            subprocess.run(["zip", "-q", "-%d" % args.level, archive, "big.bin"], cwd=src, check=True)
            shutil.rmtree(src)
        archive = os.path.abspath(archive)
        if args.edits:
            return edits(amx, archive, work, args.runs)
        out = os.path.join(work, "out")

        def fresh_out():
            shutil.rmtree(out, ignore_errors=True)
            os.makedirs(out)

        tools = [
            ("ambermox", [amx, "-x", archive, "-o", out]),
            ("bsdtar", ["bsdtar", "-xf", archive, "-C", out]),
            ("unzip", ["unzip", "-q", "-o", archive, "-d", out]),
            ("7z", ["7z", "x", "-bd", "-y", "-o" + out, archive]),
        ]
        print("archive %s: %.1f MB packed, made by zip -%d; %d runs, %d cores, extracted into %s" % (
            os.path.basename(archive), os.path.getsize(archive) / 1e6, args.level, args.runs,
            os.cpu_count(), args.work or tempfile.gettempdir()))
        print("%-9s %9s %6s %9s %9s" % ("tool", "median s", "cores", "peak MiB", "/ bsdtar"))
        results = {}
        for name, cmd in tools:
            if not shutil.which(cmd[0]):
                continue
            results[name] = measure(cmd, None, args.runs, fresh_out)
        base = results.get("bsdtar", {}).get("wall")
        for name, r in results.items():
            ratio = "%9.2f" % (r["wall"] / base) if base else ""
            print("%-9s %9.3f %6.2f %9.1f %s" % (name, r["wall"], r["cores"], r["peak"], ratio))
    finally:
        shutil.rmtree(work, ignore_errors=True)


def edits(amx, archive, work, runs):
    """Rename one member against delete one member, in turns on fresh copies."""
    base = os.path.join(work, "base.zip")
    shutil.copyfile(archive, base)
    note = os.path.join(work, "note.txt")
    with open(note, "w") as f:
        f.write("a small member beside the large one\n")
    subprocess.run(["zip", "-q", "-j", base, note], check=True)
    copy = os.path.join(work, "edit.zip")
    cmds = {"rename": [amx, "--rename", copy, "note.txt", "renamed.txt"],
            "delete": [amx, "--delete", copy, "note.txt"]}

    def fresh():
        shutil.copyfile(base, copy)

    times = {"rename": [], "delete": []}
    for _ in range(runs):
        for name in ("rename", "delete"):
            times[name].append(measure(cmds[name], None, 1, fresh)["wall"])
    print("archive %s: %.1f MB; %d runs each, in turns" % (
        os.path.basename(archive), os.path.getsize(base) / 1e6, runs))
    med = {k: statistics.median(v) for k, v in times.items()}
    for name in ("rename", "delete"):
        print("%-7s median %.3f s  (%s)" % (name, med[name], " ".join("%.3f" % t for t in times[name])))
    print("rename / delete: %.2f" % (med["rename"] / med["delete"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
