#!/usr/bin/env python3
"""Fails the libraries' and the self-extractor's system calls one at a time.

Each operation runs once to count its calls (AMX_FAULT=count), then once per
call number with ENOSPC, EIO, EACCES and with a stop (the process ends at that
call, as a power cut would). After every run: the archive is the old one byte
for byte or the complete new one; with --move no source is gone unless the new
archive is in place; extraction leaves each file as it was or fully replaced;
no temporary file is left anywhere; a run that did not do everything says so
with a non-zero exit and a message. Larger operations sample their call numbers.

    fault_campaign.py BIN_DIR [--program AMBERMOX] [--calls N]

BIN_DIR holds the libraries and the stub built with AMX_FAULTS; the command
line comes from there too unless --program names one (of a build without the
seam: it is run beside the seam's libraries, which it loads from its folder).
"""
import argparse
import concurrent.futures
import hashlib
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile
import zlib

KINDS = ["ENOSPC", "EIO", "EACCES", "stop"]
STOP_STATUS = 86


def make_tree(root):
    rng = random.Random(30)
    files = {}
    text = b"".join(b"line %d of a text file that compresses well\n" % i for i in range(4000))
    files["docs/readme.txt"] = text[:2000]
    files["docs/long.txt"] = text
    files["docs/deep/er/note.md"] = b"# note\n" * 50
    files["bin/random.dat"] = rng.randbytes(300_000)
    files["bin/mixed.dat"] = text[:50_000] + rng.randbytes(60_000) + text[:50_000]
    files["empty"] = b""
    files["ünïcode name.txt"] = "grüße\n".encode() * 20
    for i in range(12):
        files["many/f%02d.txt" % i] = (b"small %d\n" % i) * (i * 37 + 1)
    for name, data in files.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    os.makedirs(os.path.join(root, "hollow"), exist_ok=True)
    return files


def snapshot(folder):
    """Every entry below folder: files by content digest, folders as None."""
    seen = {}
    for top, dirs, names in os.walk(folder):
        for d in dirs:
            seen[os.path.relpath(os.path.join(top, d), folder)] = None
        for n in names:
            p = os.path.join(top, n)
            with open(p, "rb") as f:
                seen[os.path.relpath(p, folder)] = hashlib.sha256(f.read()).hexdigest()
    return seen


def members(path):
    """The archive's members by name, size and CRC, and its comment as one more
    row; None when it is no sound archive."""
    try:
        with zipfile.ZipFile(path) as z:
            rows = sorted((i.filename, i.file_size, i.CRC) for i in z.infolist())
            return rows + [("", len(z.comment), zlib.crc32(z.comment))]
    except (zipfile.BadZipFile, OSError, ValueError):
        return None


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


class Case:
    """One operation on a fresh copy of its starting state."""

    def __init__(self, name, argv, writes_archive=False, extracts=False, move=None,
                 prepare=None, stub=False, env=None):
        self.name = name
        self.argv = argv  # with {archive}, {src}, {out}, {sfx}
        self.writes_archive = writes_archive
        self.extracts = extracts
        self.move = move  # the source paths --move deletes
        self.prepare = prepare
        self.stub = stub
        self.env = env or {}  # added to the environment of the run


class Campaign:
    def __init__(self, bindir, program, work, calls_cap):
        self.work = work
        self.cap = calls_cap
        self.base = os.path.join(work, "base")
        os.makedirs(self.base)
        self.tree = make_tree(os.path.join(self.base, "src"))
        self.crcs = {"src/" + n: zlib.crc32(data) for n, data in self.tree.items()}
        self.cli = os.path.join(bindir, "ambermox")
        if program:
            # The program finds its libraries beside itself.
            beside = os.path.join(work, "bin")
            os.makedirs(beside)
            for lib in ("libamxzip.so", "libamxunz.so"):
                os.symlink(os.path.join(bindir, lib), os.path.join(beside, lib))
            self.cli = os.path.join(beside, "ambermox")
            shutil.copy2(program, self.cli)
        # The archive every case starts from, made by a peer so the faults
        # never meet our own writer twice.
        archive = os.path.join(self.base, "a.zip")
        subprocess.run(["zip", "-q", "-r", "-X", archive, "src/docs", "src/many", "src/empty"],
                       cwd=self.base, check=True)
        stub = read(os.path.join(bindir, "ROVURA.DAT"))
        header = b"AMX0" + bytes([255, 255, 255])
        header = header[:3] + bytes([len(header)]) + header[4:]
        full = os.path.join(self.base, "full.zip")
        subprocess.run(["zip", "-q", "-r", "-X", full, "src"], cwd=self.base, check=True)
        sfx = os.path.join(self.base, "setup.run")
        with open(sfx, "wb") as f:
            f.write(stub + header + read(full))
        os.chmod(sfx, 0o755)
        os.remove(full)
        # Extraction targets hold an older copy of some members and files of their own.
        out = os.path.join(self.base, "out")
        for name in ("src/docs/readme.txt", "src/many/f03.txt", "src/bin/random.dat"):
            os.makedirs(os.path.dirname(os.path.join(out, name)), exist_ok=True)
            with open(os.path.join(out, name), "wb") as f:
                f.write(b"older copy of " + name.encode())
        with open(os.path.join(out, "own.txt"), "wb") as f:
            f.write(b"not in the archive")

    def cases(self):
        newer = ["src/docs/readme.txt", "src/many/f05.txt"]

        def touch_newer(state):
            for n in newer:
                p = os.path.join(state, n)
                with open(p, "ab") as f:
                    f.write(b"changed\n")
                os.utime(p, (2_000_000_000, 2_000_000_000))

        def write_comment(state):
            with open(os.path.join(state, "comment.txt"), "wb") as f:
                f.write(b"A comment for the archive,\nover two lines.\n")

        return [
            Case("add", ["-a", "{archive}", "src/bin", "src/ünïcode name.txt", "src/hollow"],
                 writes_archive=True),
            Case("add-new", ["-a", "{new}", "--level", "6", "src"], writes_archive=True),
            # The new members' central records through the scratch file, a few at a time.
            Case("add-spilled", ["-a", "{archive}", "src"], writes_archive=True,
                 env={"AMX_RECORD_BUDGET": "150"}),
            Case("delete", ["--delete", "{archive}", "--pattern", "src/many/f0*"],
                 writes_archive=True),
            Case("update", ["-a", "{archive}", "--update", "src"], writes_archive=True,
                 prepare=touch_newer),
            Case("freshen", ["-a", "{archive}", "--freshen", "src"], writes_archive=True,
                 prepare=touch_newer),
            Case("move", ["-a", "{archive}", "--move", "src/bin", "src/ünïcode name.txt"],
                 writes_archive=True, move=["src/bin/random.dat", "src/bin/mixed.dat",
                                            "src/ünïcode name.txt"]),
            Case("rename", ["--rename", "{archive}", "src/docs/long.txt", "src/docs/longer.txt"],
                 writes_archive=True),
            Case("comment", ["-a", "{archive}", "--comment-file", "comment.txt"],
                 writes_archive=True, prepare=write_comment),
            Case("extract", ["-x", "{archive}", "-o", "{out}", "--overwrite"], extracts=True),
            Case("test", ["-t", "{archive}"]),
            Case("sfx", ["{sfx}", "-d", "{out}"], extracts=True, stub=True),
        ]

    def state(self, case, label):
        """A fresh copy of the starting state for one run."""
        d = os.path.join(self.work, label)
        # The self-extractor runs from the base: a program copied while another
        # thread starts a process could be held open for writing by that one.
        shutil.copytree(self.base, d, symlinks=True, ignore=shutil.ignore_patterns("setup.run"))
        os.makedirs(os.path.join(d, "tmp"))
        if case.prepare:
            case.prepare(d)
        return d

    def run(self, case, d, fault):
        args = [a.format(archive="a.zip", new="new.zip", out="out", sfx=os.path.join(self.base, "setup.run"))
                for a in case.argv]
        argv = args if case.stub else [self.cli] + args
        env = dict(os.environ, AMX_FAULT=fault, AMX_FAULT_LOG=os.path.join(d, "tmp", ".count"),
                   TMPDIR=os.path.join(d, "tmp"), LC_ALL="C.UTF-8", LANG="C.UTF-8", **case.env)
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        r = subprocess.run(argv, cwd=d, env=env, stdin=subprocess.DEVNULL,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=300)
        log = read(os.path.join(d, "tmp", ".count"))
        os.remove(os.path.join(d, "tmp", ".count")) if log is not None else None
        lines = (log or b"0").decode().split("\n")
        by_call = {k: int(v) for k, v in (line.split(" ") for line in lines[1:] if line)}
        return r, int(lines[0] or 0), by_call

    def reference(self, case):
        d = self.state(case, case.name + "-ref")
        before = snapshot(d)
        r, count, by_call = self.run(case, d, "count")
        if r.returncode != 0:
            raise SystemExit("%s: the unfaulted run failed (%d): %s"
                             % (case.name, r.returncode, r.stderr.decode(errors="replace")))
        ref = {"before": before, "after": snapshot(d), "dir": d, "stdout": r.stdout,
               "old": {n: members(os.path.join(self.base, n)) for n in ("a.zip", "new.zip")}}
        for name in ("a.zip", "new.zip"):
            ref[name] = members(os.path.join(d, name))
        return ref, count, by_call

    def sample(self, count):
        if count <= self.cap:
            return list(range(1, count + 1))
        # The first and last calls (opening, committing) and an even spread between.
        edge = self.cap // 4
        inner = self.cap - 2 * edge
        picked = set(range(1, edge + 1)) | set(range(count - edge + 1, count + 1))
        picked |= {edge + 1 + (k * (count - 2 * edge)) // inner for k in range(inner)}
        return sorted(picked)

    def check(self, case, ref, call, kind):
        label = "%s-%d-%s" % (case.name, call, kind)
        d = self.state(case, label)
        before = snapshot(d)
        r, _, _ = self.run(case, d, "%d:%s" % (call, kind))
        after = snapshot(d)
        problems = []
        err = r.stderr.decode(errors="replace")
        fired = "amx-fault: call %d " % call in err

        def inherent(path):
            # A file that replaces another gets its own name just before the
            # rename, and is closed between the two (a late write error shows
            # there); a stop at either leaves that name. Nothing can make
            # them one step, so only those calls may leave it.
            # Extraction runs on several threads: a stop in one may meet
            # another between the two, so a complete file under such a name
            # is what a power cut there leaves.
            leaf = os.path.basename(path)
            m = re.fullmatch(r"\.(.+)\.amx\d+-\d+", leaf)
            if kind == "stop" and m and after.get(path) == ref["after"].get(
                    os.path.join(os.path.dirname(path), m.group(1))):
                return True
            return (kind == "stop" and ("(renameat) stopped" in err or "(close) stopped" in err)
                    and (leaf.startswith(".amxsfx-") or ".amx" in leaf or leaf.startswith(".amxzip-")))
        own_message = any(line and not line.startswith("amx-fault:") for line in err.splitlines())
        if "Sanitizer" in err or "runtime error:" in err:
            problems.append("sanitizer finding")
        if kind == "stop":
            if fired and r.returncode != STOP_STATUS:
                problems.append("went on past the stop (exit %d)" % r.returncode)
        elif r.returncode != 0 and not own_message:
            problems.append("failed (exit %d) without a message" % r.returncode)
        done = True
        if case.writes_archive:
            target = "new.zip" if "{new}" in case.argv else "a.zip"
            old, now = before.get(target), after.get(target)
            got = members(os.path.join(d, target)) if now != old else ref["old"][target]
            complete = got == ref[target]
            if now != old and not complete:
                # A source file that could not be read is left out and named,
                # the rest written: allowed only with a failure reported.
                allowed = set(ref[target] or []) | set(ref["old"][target] or [])
                kept = {m[0] for m in ref["old"][target] or []} & {m[0] for m in ref[target]}
                if got is None or not set(got) <= allowed or r.returncode == 0 \
                        or not kept <= {m[0] for m in got}:
                    problems.append("archive neither old nor the complete new one: %s" % (got,))
            if now != old and got is not None and subprocess.run(
                    ["unzip", "-tqq", os.path.join(d, target)], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL).returncode:
                problems.append("the new archive fails unzip -t")
            done = complete
            if case.move and kind != "stop" and r.returncode != 0:
                # A failed move tells whether its sources are all still there.
                told = "no source file was deleted" in err
                if told != (now == old):
                    problems.append("a failed move %s that no source was deleted"
                                    % ("wrongly says" if told else "does not say"))
            if case.move:
                stored = {m[0]: m[2] for m in got or []}
                for path in case.move:
                    if path not in after and stored.get(path[len("src/"):]) != self.crcs[path]:
                        problems.append("%s deleted but not in the archive on disk" % path)
                    if path in after:
                        done = False
        if case.extracts:
            for path, digest in after.items():
                if path.startswith("out/") and digest != before.get(path) \
                        and digest != ref["after"].get(path) and not inherent(path):
                    problems.append("%s is neither the old file nor the member" % path)
            done = all(after.get(p) == v for p, v in ref["after"].items() if p.startswith("out"))
        if not case.writes_archive and not case.extracts:
            done = r.stdout == ref["stdout"]
        if r.returncode == 0 and kind != "stop" and not done:
            problems.append("reported success but the work is not done")
        extra = sorted(p for p in set(after) - set(before) - set(ref["after"]) if not inherent(p))
        extra += ["tmp/" + n for n in os.listdir(os.path.join(d, "tmp"))]
        if extra:
            problems.append("left behind: %s" % extra)
        if not problems:
            shutil.rmtree(d)
        return label, fired, problems, err


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("bindir")
    ap.add_argument("--program")
    ap.add_argument("--calls", type=int, default=40, help="call numbers per operation at most")
    ap.add_argument("--only", help="run only this operation")
    args = ap.parse_args()
    work = tempfile.mkdtemp(prefix="amx-faults-")
    campaign = Campaign(os.path.abspath(args.bindir), args.program and os.path.abspath(args.program),
                        work, args.calls)
    lost_total = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        for case in campaign.cases():
            if args.only and case.name != args.only:
                continue
            ref, count, by_call = campaign.reference(case)
            if count == 0:
                print("%s: no calls counted: is this a build with AMX_FAULTS?" % case.name)
                return 1
            calls = campaign.sample(count)
            jobs = [pool.submit(campaign.check, case, ref, c, k) for c in calls for k in KINDS]
            bad = 0
            fired = 0
            for job in jobs:
                label, hit, problems, err = job.result()
                fired += hit
                if problems:
                    bad += 1
                    print("FAIL %s: %s\n  stderr: %s" % (label, "; ".join(problems),
                                                          err.strip().replace("\n", "\n  ")))
            lost_total += bad
            print("%-8s calls %4d, tried %4d x %d = %5d faults (%d met), runs with a loss: %d"
                  % (case.name, count, len(calls), len(KINDS), len(jobs), fired, bad))
            print("         %s" % ", ".join("%s %d" % kv for kv in sorted(by_call.items())))
            sys.stdout.flush()
    if lost_total == 0:
        shutil.rmtree(work)
    else:
        print("kept for a look: %s" % work)
    return 1 if lost_total else 0


if __name__ == "__main__":
    sys.exit(main())
