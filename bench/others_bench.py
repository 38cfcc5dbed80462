#!/usr/bin/env python3
"""Times extraction of archives that are not ZIP, read through libarchive,
against the usual tools, on the mixed corpus of peers_bench.py:

  .tar.gz .tar.xz .tar.zst   `ambermox -x` against `bsdtar -xf` and GNU `tar -xf`
  .tar.xz in blocks          the same, compressed by `xz -T2` (several blocks,
                             which ambermox decodes on every core)
  .7z                        `ambermox -x` against `7z x`

The runs are paired (A B C A B C ...) so that a busy machine slows every side
alike; the script prints the median wall time and CPU seconds of each side
and the ratios (goals: at most 1.0 of bsdtar on tar, 1.5 of 7z). A benchmark,
not a test.

    bench/others_bench.py [--bin build/bin] [--scale 1] [--runs 5] [--work /dev/shm]
"""
import argparse, os, shutil, subprocess, sys, tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from crypto_bench import paired, report  # noqa: E402
from peers_bench import make_mixed  # noqa: E402


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--bin", default="build/bin")
    ap.add_argument("--scale", type=float, default=1.0)
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--work", default=None)
    args = ap.parse_args()
    amx = os.path.abspath(os.path.join(args.bin, "ambermox"))
    work = tempfile.mkdtemp(prefix="amx-others-", dir=args.work)
    try:
        src = os.path.join(work, "mixed")
        make_mixed(src, args.scale)
        size = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(src) for f in fs)
        print("mixed corpus: %.1f MB; %d paired runs" % (size / 1e6, args.runs))
        made = {
            "tar.gz": ["tar", "-czf"],
            "tar.xz": ["tar", "-cJf"],
            "blocks.tar.xz": ["tar", "-I", "xz -T2", "-cf"],
            "tar.zst": ["tar", "--zstd", "-cf"],
        }
        out = os.path.join(work, "out")

        def fresh():
            shutil.rmtree(out, ignore_errors=True)
            os.mkdir(out)

        for suffix, cmd in made.items():
            archive = os.path.join(work, "mixed." + suffix)
            subprocess.run(cmd + [archive, "-C", work, "mixed"], check=True)
            res = paired({
                "ambermox": (fresh, [amx, "-x", archive, "-o", out], None),
                "bsdtar": (fresh, ["bsdtar", "-xf", archive, "-C", out], None),
                "GNU tar": (fresh, ["tar", "-xf", archive, "-C", out], None),
            }, args.runs)
            report("." + suffix, res, "bsdtar",
                   [("ambermox", "bsdtar"), ("ambermox", "GNU tar")])
        archive = os.path.join(work, "mixed.7z")
        subprocess.run(["7z", "a", "-bd", "-bso0", archive, src], check=True)
        res = paired({
            "ambermox": (fresh, [amx, "-x", archive, "-o", out], None),
            "7z": (fresh, ["7z", "x", "-bd", "-bso0", "-o" + out, archive], None),
        }, args.runs)
        report(".7z", res, "7z", [("ambermox", "7z")])
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
