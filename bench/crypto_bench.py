#!/usr/bin/env python3
"""Times AES-256 against no encryption, and against 7-Zip with the same
password, on the mixed corpus of peers_bench.py:

  extract  our AES-256 archive with our code, and with `7z x -p`, against our
           extraction of the same files unencrypted
  add      the corpus with AES-256 against the same add unencrypted (and
           `7z a -p -mem=AES256` for reference)

The runs are paired (A B C A B C ...) so that a busy machine slows every side
alike; the script prints the median wall time and CPU seconds of each side
and the ratios. A benchmark, not a test.

    bench/crypto_bench.py [--bin build/bin] [--scale 1] [--runs 5] [--level 6]
                          [--work /dev/shm]
"""
import argparse, os, shutil, statistics, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from peers_bench import make_mixed  # noqa: E402

# ASCII: 7-Zip takes no other password for ZIP archives.
PASSWORD = "bench-password"


def timed(cmd, env=None):
    """Wall and CPU seconds of one run."""
    start = time.perf_counter()
    p = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(p.pid, 0)
    wall = time.perf_counter() - start
    err = p.stderr.read().decode(errors="replace")
    p.stderr.close()
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit("failed: %s\n%s" % (" ".join(cmd), err))
    return wall, usage.ru_utime + usage.ru_stime


def paired(sides, runs):
    """sides: name -> (prepare, command, env). Runs them in turn `runs` times."""
    results = {name: ([], []) for name in sides}
    for _ in range(runs):
        for name, (prepare, cmd, env) in sides.items():
            prepare()
            wall, cpu = timed(cmd, env)
            results[name][0].append(wall)
            results[name][1].append(cpu)
    return {name: (statistics.median(w), statistics.median(c)) for name, (w, c) in results.items()}


def report(title, res, base, pairs):
    print("\n%s" % title)
    for name, (wall, cpu) in res.items():
        print("  %-22s %7.3f s wall  %7.3f s CPU" % (name, wall, cpu))
    for a, b in pairs:
        print("  %-22s %6.3f wall  %6.3f CPU" % (a + " / " + b, res[a][0] / res[b][0],
                                                  res[a][1] / res[b][1]))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", default="build/bin")
    ap.add_argument("--scale", type=float, default=1)
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--level", type=int, default=6)
    ap.add_argument("--work", default="/dev/shm")
    args = ap.parse_args()
    driver = os.path.abspath(os.path.join(args.bin, "crypto_driver"))
    if not os.path.exists(driver):
        raise SystemExit("build the crypto_driver target first")
    work = tempfile.mkdtemp(prefix="amxcrypto-", dir=args.work)
    try:
        src = os.path.join(work, "src")
        os.makedirs(src)
        make_mixed(src, args.scale)
        plain_env = {k: v for k, v in os.environ.items() if k != "AMX_BENCH_PASSWORD"}
        aes_env = dict(plain_env, AMX_BENCH_PASSWORD=PASSWORD)
        lv = str(args.level)
        plain_zip, aes_zip, seven_zip = (os.path.join(work, n) for n in
                                         ("plain.zip", "aes.zip", "7z.zip"))

        def fresh(path):
            return lambda: os.path.exists(path) and os.remove(path)

        add = paired({
            "ours": (fresh(plain_zip), [driver, "a", plain_zip, src, lv], plain_env),
            "ours AES-256": (fresh(aes_zip), [driver, "a", aes_zip, src, lv], aes_env),
            "7z AES-256": (fresh(seven_zip), ["7z", "a", "-bd", "-tzip", "-mx=" + lv,
                                              "-p" + PASSWORD, "-mem=AES256", seven_zip,
                                              src + "/."], None),
        }, args.runs)
        out = os.path.join(work, "out")

        def clean():
            shutil.rmtree(out, ignore_errors=True)
            os.makedirs(out)

        # Both read the AES-256 archive we wrote.
        extract = paired({
            "ours": (clean, [driver, "x", plain_zip, out], plain_env),
            "ours AES-256": (clean, [driver, "x", aes_zip, out], aes_env),
            "7z AES-256": (clean, ["7z", "x", "-bd", "-y", "-p" + PASSWORD, "-o" + out, aes_zip],
                           None),
        }, args.runs)
        size = sum(os.path.getsize(os.path.join(r, f)) for r, _, fs in os.walk(src) for f in fs)
        files = sum(len(fs) for _, _, fs in os.walk(src))
        print("mixed corpus: %.1f MB in %d files; %d paired runs, level %d" %
              (size / 1e6, files, args.runs, args.level))
        report("add", add, "ours", [("ours AES-256", "ours"), ("ours AES-256", "7z AES-256")])
        report("extract", extract, "ours",
               [("ours AES-256", "ours"), ("ours AES-256", "7z AES-256")])
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
