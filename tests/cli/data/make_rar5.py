# Writes a small RAR 5 archive of two stored members, byte by byte after the
# published format: no free tool makes RAR archives. The archive goes to argv[1].
import sys, struct, zlib
def vint(n):
    out = bytearray()
    while True:
        b = n & 0x7f; n >>= 7
        out.append(b | (0x80 if n else 0))
        if not n: return bytes(out)
def header(body, data=b''):
    size = vint(len(body))
    return struct.pack('<I', zlib.crc32(size + body)) + size + body + data
def member(name, data, mode=0o100644, mtime=1600000000):
    n = name.encode()
    body = vint(2) + vint(0x02) + vint(len(data)) + vint(0x06) + vint(len(data)) + vint(mode)
    body += struct.pack('<II', mtime, zlib.crc32(data)) + vint(0) + vint(1) + vint(len(n)) + n
    return header(body, data)
out = bytearray(b'Rar!\x1a\x07\x01\x00')
out += header(vint(1) + vint(0) + vint(0))
out += member('docs/readme.txt', b'hello from rar\n')
out += member('docs/data.bin', bytes(range(256)) * 4)
out += header(vint(5) + vint(0) + vint(0))
open(sys.argv[1], 'wb').write(out)
