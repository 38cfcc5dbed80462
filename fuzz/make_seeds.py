#!/usr/bin/env python3
"""Writes the encrypted seed archives of unz_fuzzer into fuzz/seeds/encrypted:
members encrypted by 7-Zip (AES-256, AES-128, the traditional cipher), Info-ZIP
zip and bsdtar (data descriptors), all with the password "fuzz", and damaged
forms of them: an AES member without its 0x9901 record, an unknown key
strength, an altered password verifier, a salt cut short, altered data and a
traditional header cut short.

    fuzz/make_seeds.py [OUT]

With "others" first it writes the seeds of other_fuzzer into fuzz/seeds/others
instead: tar (ustar, pax, GNU), tar.gz, tar.bz2, tar.xz, tar.zst, 7z, cpio,
ISO 9660, ar and a lone .gz, made by bsdtar, 7z, xz and zstd, and a few of
them cut short.

    fuzz/make_seeds.py others [OUT]
"""
import os, shutil, subprocess, sys, tempfile

PASSWORD = "fuzz"


def make(tmp, name, command):
    src = os.path.join(tmp, "src")
    out = os.path.join(tmp, name)
    subprocess.run(["sh", "-c", command.format(out=out, p=PASSWORD)], cwd=src, check=True,
                   stdout=subprocess.DEVNULL)
    with open(out, "rb") as f:
        return bytearray(f.read())


def first_data(b):
    """Offset of the first member's data (after its local header)."""
    n = int.from_bytes(b[26:28], "little")
    m = int.from_bytes(b[28:30], "little")
    return 30 + n + m


def others(out):
    os.makedirs(out, exist_ok=True)
    tmp = tempfile.mkdtemp()
    try:
        src = os.path.join(tmp, "src")
        os.makedirs(os.path.join(src, "d"))
        with open(os.path.join(src, "a.txt"), "wb") as f:
            f.write(b"the quick brown fox jumps over the lazy dog\n" * 40)
        with open(os.path.join(src, "d", "s"), "wb") as f:
            f.write(b"tiny")
        os.symlink("a.txt", os.path.join(src, "link"))
        members = "a.txt d link"
        commands = {
            "ustar.tar": "bsdtar --format ustar -cf {out} " + members,
            "pax.tar": "bsdtar --format pax -cf {out} " + members,
            "gnu.tar": "bsdtar --format gnutar -cf {out} " + members,
            "a.tar.gz": "bsdtar -czf {out} " + members,
            "a.tar.bz2": "bsdtar -cjf {out} " + members,
            "a.tar.xz": "bsdtar -cf - " + members + " | xz -T2 > {out}",
            "a.tar.zst": "bsdtar -cf - " + members + " | zstd -q > {out}",
            "a.7z": "7z a -bd {out} " + members,
            "newc.cpio": "bsdtar --format newc -cf {out} " + members,
            "odc.cpio": "bsdtar --format odc -cf {out} " + members,
            "a.iso": "bsdtar --format iso9660 -cf {out} " + members,
            "a.ar": "bsdtar --format ar -cf {out} a.txt",
            "a.txt.gz": "gzip -c a.txt > {out}",
        }
        for name, command in commands.items():
            data = make(tmp, name, command)
            with open(os.path.join(out, name), "wb") as f:
                f.write(data)
            # Cut short: the reader must stop with the members before the cut.
            if name in ("ustar.tar", "a.tar.xz", "a.7z", "newc.cpio"):
                with open(os.path.join(out, "cut-" + name), "wb") as f:
                    f.write(data[:len(data) * 2 // 3])
    finally:
        shutil.rmtree(tmp)


def main():
    if len(sys.argv) > 1 and sys.argv[1] == "others":
        others(sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(__file__),
                                                                     "seeds", "others"))
        return
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "seeds",
                                                                "encrypted")
    os.makedirs(out, exist_ok=True)
    tmp = tempfile.mkdtemp()
    try:
        os.makedirs(os.path.join(tmp, "src"))
        with open(os.path.join(tmp, "src", "a.txt"), "wb") as f:
            f.write(b"the quick brown fox jumps over the lazy dog\n" * 40)
        with open(os.path.join(tmp, "src", "s"), "wb") as f:
            f.write(b"tiny")
        seeds = {
            "aes256.zip": make(tmp, "aes256.zip", "7z a -tzip -bd -p{p} -mem=AES256 {out} a.txt s"),
            "aes128-stored.zip": make(tmp, "aes128.zip",
                                      "7z a -tzip -bd -mx=0 -p{p} -mem=AES128 {out} a.txt s"),
            "zipcrypto-7z.zip": make(tmp, "zc7.zip", "7z a -tzip -bd -p{p} -mem=ZipCrypto {out} a.txt"),
            "zipcrypto-zip.zip": make(tmp, "zc.zip", "zip -q -P {p} {out} a.txt s"),
            "zipcrypto-descriptor.zip": make(
                tmp, "zcd.zip",
                "bsdtar --format zip --options zip:encryption=zipcrypt --passphrase {p} -cf {out} a.txt"),
            "aes256-descriptor.zip": make(
                tmp, "aesd.zip",
                "bsdtar --format zip --options zip:encryption=aes256 --passphrase {p} -cf {out} a.txt"),
        }
        aes = seeds["aes256.zip"]
        at = first_data(aes)
        seeds["aes-no-record.zip"] = aes.replace(b"\x01\x99", b"\x01\x98")
        seeds["aes-strength.zip"] = aes.replace(b"AE\x03", b"AE\x07")
        bad = bytearray(aes)
        bad[at + 16] ^= 1
        seeds["aes-verifier.zip"] = bad
        bad = bytearray(aes)
        bad[at + 40] ^= 0x20
        seeds["aes-altered-data.zip"] = bad
        # The AES record says 256 bits, the sizes leave room for less than the salt.
        bad = bytearray(aes)
        c = bad.find(b"PK\x01\x02")
        bad[c + 20:c + 24] = (10).to_bytes(4, "little")
        bad[18:22] = (10).to_bytes(4, "little")
        seeds["aes-short-salt.zip"] = bad
        zc = seeds["zipcrypto-zip.zip"]
        bad = bytearray(zc)
        c = bad.find(b"PK\x01\x02")
        bad[c + 20:c + 24] = (5).to_bytes(4, "little")
        bad[18:22] = (5).to_bytes(4, "little")
        seeds["zipcrypto-short-header.zip"] = bad
        for name, data in seeds.items():
            with open(os.path.join(out, name), "wb") as f:
                f.write(data)
    finally:
        shutil.rmtree(tmp)


if __name__ == "__main__":
    main()
