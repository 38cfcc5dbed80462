#!/usr/bin/env python3
"""Times the window's operations against the command line doing the same work
on a generated archive of many small members (100,000; 1,000,000 with
--million): extract, test, add and delete through the main window's dialogs
(window_driver, offscreen, every question answered by the scripted prompter),
and "Extract to subfolder" (ambermox-gui -es) against ambermox -x; a drop of
the folder on the window (drop) against ambermox -a, every member dragged out
of the list (dragout), the check-out (checkout) and the file manager's
"Extract Here" (here) against ambermox -x, and "Save to ZIP" on the folder
(savezip) against ambermox -a of what it holds. Runs
are interleaved (command line, window, command line, window ...) and the
best of each is compared, so that other load on the machine weighs on both.
Prints seconds, the ratio window / command line, how often the status-line
bar moved and the longest time it stood still. A benchmark, not a test.

    bench/window_bench.py [--bin build/bin] [--members 100000] [--million]
                          [--rounds 2] [--ops extract,test,add,delete,subfolder,list,
                                            drop,dragout,checkout,here,savezip]
                          [--work /dev/shm]

"list" prints the list's own timings (open to painted list, each sort, Select
All, Find, Best Fit, the window's peak memory) beside the time and peak
memory of ambermox -l and ambermox -t on the same archive.
"""
import argparse, os, re, shutil, subprocess, sys, tempfile, time


def make_tree(root, members):
    """members small text files below root, a thousand to a folder."""
    per = 1000
    for i in range(members):
        d = os.path.join(root, "d%04d" % (i // per))
        if i % per == 0:
            os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, "file%07d.txt" % i), "w") as f:
            f.write(("line %d of member %d\n" % (i % 7, i)) * (i % 13 + 1))


def peak(cmd, cwd, env=None):
    """Seconds and peak resident MiB of one process."""
    t = time.perf_counter()
    p = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(p.pid, 0)
    elapsed = time.perf_counter() - t
    if status != 0:
        raise SystemExit("failed (%d): %s" % (status, " ".join(cmd)))
    return elapsed, usage.ru_maxrss / 1024.0


def timed(cmd, cwd, env=None):
    t = time.perf_counter()
    r = subprocess.run(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                       text=True)
    elapsed = time.perf_counter() - t
    if r.returncode != 0:
        raise SystemExit("failed (%d): %s\n%s" % (r.returncode, " ".join(cmd), r.stderr[-2000:]))
    return elapsed, r.stdout


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", default=os.path.join(here, "..", "build", "bin"))
    ap.add_argument("--members", type=int, default=100000)
    ap.add_argument("--million", action="store_true", help="1,000,000 members")
    ap.add_argument("--rounds", type=int, default=2)
    ap.add_argument("--ops", default="extract,test,add,delete,subfolder,list,"
                    "drop,dragout,checkout,here,savezip")
    ap.add_argument("--archive", help="an existing archive to time instead of a new one "
                    "(no add then)")
    # A disk's own timing of creating and removing 100,000 files varies by
    # tens of seconds from run to run; on tmpfs both sides do the same work.
    ap.add_argument("--work", default="/dev/shm" if os.path.isdir("/dev/shm") else None,
                    help="where the archives and extracted files go (default /dev/shm)")
    a = ap.parse_args()
    members = 1000000 if a.million else a.members
    b = os.path.abspath(a.bin)
    amx, gui, driver = (os.path.join(b, n) for n in ("ambermox", "ambermox-gui", "window_driver"))
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    work = tempfile.mkdtemp(prefix="amx-window-bench-", dir=a.work)
    try:
        os.makedirs(os.path.join(work, "src"))
        arc = os.path.join(work, "a.zip")
        if a.archive:
            shutil.copyfile(a.archive, arc)
        else:
            make_tree(os.path.join(work, "src"), members)
            timed([amx, "-a", arc, "src"], work)

        def fresh(path, folder=False, empty_file=False, copy_of=None):
            full = os.path.join(work, path)
            if os.path.isdir(full):
                shutil.rmtree(full)
            elif os.path.exists(full):
                os.remove(full)
            if folder:
                os.makedirs(full)
            if empty_file:
                open(full, "w").close()
            if copy_of:
                shutil.copyfile(copy_of, full)
            return full

        # op: (prepare + command line, prepare + window); each returns the
        # seconds of the work and, for the window, the driver's report.
        def cli_extract():
            return timed([amx, "-x", arc, "-o", fresh("out", folder=True), "--overwrite"], work)[0]

        def win_extract():
            return timed([driver, "extract", arc, fresh("out", folder=True)], work, env)

        def cli_test():
            return timed([amx, "-t", arc], work)[0]

        def win_test():
            return timed([driver, "test", arc], work, env)

        def cli_add():
            fresh("new.zip")
            return timed([amx, "-a", "new.zip", "src"], work)[0]

        def win_add():
            return timed([driver, "add", fresh("new.zip", empty_file=True), work, "src"], work, env)

        def cli_delete():
            copy = fresh("del.zip", copy_of=arc)
            return timed([amx, "--delete", copy, "--pattern", "*"], work)[0]

        def win_delete():
            return timed([driver, "delete", fresh("del.zip", copy_of=arc)], work, env)

        def cli_subfolder():
            fresh("sub.zip", copy_of=arc)
            return timed([amx, "-x", "sub.zip", "-o", fresh("sub", folder=True)], work)[0]

        def win_subfolder():
            fresh("sub", folder=True)
            copy = fresh("sub.zip", copy_of=arc)
            return timed([gui, "-es", copy], work, env)

        def win_drop():
            return timed([driver, "drop", fresh("new.zip", empty_file=True),
                          os.path.join(work, "src")], work, env)

        def win_dragout():
            return timed([driver, "dragout", arc, fresh("out", folder=True)], work, env)

        def win_checkout():
            return timed([driver, "checkout", arc, fresh("out")], work, env)

        # "Extract Here" writes beside the archive: a copy in a folder of its own.
        def cli_here():
            fresh("here", folder=True)
            copy = fresh("here/a.zip", copy_of=arc)
            return timed([amx, "-x", copy, "-o", os.path.join(work, "here")], work)[0]

        def win_here():
            fresh("here", folder=True)
            return timed([driver, "here", fresh("here/a.zip", copy_of=arc)], work, env)

        # What the folder holds, named from inside it, as "Save to ZIP" names it.
        def cli_savezip():
            fresh("src.zip")
            return timed([amx, "-a", os.path.join(work, "src.zip"), "."],
                         os.path.join(work, "src"))[0]

        def win_savezip():
            fresh("src.zip")
            return timed([driver, "savezip", os.path.join(work, "src")], work, env)

        ops = {"extract": (cli_extract, win_extract), "test": (cli_test, win_test),
               "add": (cli_add, win_add), "delete": (cli_delete, win_delete),
               "subfolder": (cli_subfolder, win_subfolder), "drop": (cli_add, win_drop),
               "dragout": (cli_extract, win_dragout), "checkout": (cli_extract, win_checkout),
               "here": (cli_here, win_here), "savezip": (cli_savezip, win_savezip)}
        # What each op leaves behind; a million files three times over fill
        # the inodes of /dev/shm.
        leaves = {"extract": ["out"], "add": ["new.zip"], "delete": ["del.zip"],
                  "subfolder": ["sub", "sub.zip"], "drop": ["new.zip"],
                  "dragout": ["out"], "checkout": ["out"], "here": ["here"],
                  "savezip": ["src.zip"]}
        with open("/proc/loadavg") as f:
            load = f.read().split()[0]
        print("%d members, %d rounds, load %s" % (members, a.rounds, load))
        print("%-10s %8s %8s %8s %6s  %s" % ("operation", "cli s", "window s", "process", "ratio",
                                            "bar"))
        for name in a.ops.split(","):
            if name == "list":
                for _ in range(a.rounds):
                    out = timed([driver, "list", arc], work, env)[1]
                    print("window list: " + " ".join(out.split()))
                    for verb in ("-l", "-t"):
                        seconds, mib = peak([amx, verb, arc], work)
                        print("ambermox %s: %.2f s, peak %.0f MiB" % (verb, seconds, mib))
                sys.stdout.flush()
                continue
            cli_run, win_run = ops[name]
            cli, win, whole, report = [], [], [], ""
            for _ in range(a.rounds):
                cli.append(cli_run())
                total, out = win_run()
                whole.append(total)
                m = re.search(r"seconds=([\d.]+) (.*)", out)
                # The driver times the operation alone, after the window has
                # opened the archive; -es is timed as a whole process.
                win.append(float(m.group(1)) if m else total)
                report = m.group(2) if m else ""
            best_cli, best_win = min(cli), min(win)
            print("%-10s %8.2f %8.2f %8.2f %6.2f  %s" % (name, best_cli, best_win, min(whole),
                                                    best_win / best_cli, report))
            sys.stdout.flush()
            for path in leaves.get(name, []):
                fresh(path)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
