// Archives built to attack or confuse: nothing may be written outside the
// base folder, nothing existing destroyed, each problem reported once, and
// the library must not crash. CRC errors: the data-safety cases.
#include "LibHarness.h"
#include "Peers.h"
#include "TestDir.h"

#include "AmxRequest.h"
#include "Table.h"
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

// Helpers for the builders; the archive goes to sys.argv[1].
const char *prelude = R"(
import sys, zipfile, struct
out = sys.argv[1]
def make(members):
    with zipfile.ZipFile(out, 'w') as z:
        for m in members:
            name, data = m[0], m[1]
            zi = zipfile.ZipInfo(name, (2020, 1, 1, 0, 0, 0))
            zi.compress_type = m[2] if len(m) > 2 else zipfile.ZIP_DEFLATED
            if len(m) > 3:
                zi.create_system = 3
                zi.external_attr = m[3] << 16
            z.writestr(zi, data)
def load():
    return bytearray(open(out, 'rb').read())
def save(b):
    open(out, 'wb').write(bytes(b))
def central(b):
    e = b.rfind(b'PK\x05\x06')
    return struct.unpack_from('<I', b, e + 16)[0], e
)";

// The same for the tar archives; the 7z ones are made by 7-Zip.
const char *tarPrelude = R"(
import sys, tarfile, io
def make(members, mode='w'):
    with tarfile.open(sys.argv[1], mode) as t:
        for m in members:
            info = tarfile.TarInfo(m[0])
            data = m[1] if len(m) > 1 else b''
            info.size = len(data)
            info.mode = 0o644
            for k, v in (m[2] if len(m) > 2 else {}).items():
                setattr(info, k, v)
            t.addfile(info, io.BytesIO(data) if data else None)
)";

struct HostileCase
{
    const char *name;
    const char *builder; // Python after the prelude of the archive's kind, or a shell script
    int expectedError; // an error code that must be reported (0: none)
    int expectedCount;
    std::vector<std::string> mustExist; // inside the base folder
    std::vector<std::string> mustNotExist; // inside the base folder
    std::vector<std::string> messages {}; // each a part of some message
    // Any other kind than ZIP is extracted by libamxarc.
    const char *archive = "evil.zip";
    bool shell = false; // the builder is run by the shell in the test folder
};
AMX_ROW_PRINTS_NAME(HostileCase)

// Extracts an archive that is not ZIP through libamxarc into base.
RunOutcome extractOther(
    const fs::path &base, const std::string &archive, uint32_t flags, Recorder &rec)
{
    const int folder = ::open(base.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    RunOutcome out = runRequest({ .operation = AMX_OP_EXTRACT,
                                    .folder = folder,
                                    .archive = archive,
                                    .flags = flags,
                                    .other = true },
        rec);
    ::close(folder);
    return out;
}

class HostileArchiveTest : public testing::TestWithParam<HostileCase>
{
};

// Each message on one line, nothing outside the base folder but the archive,
// links that stay inside, no temporary, folders that can be filled and no
// set-id file.
TEST_P(HostileArchiveTest, StaysInsideAndReports)
{
    const HostileCase &c = GetParam();
    TestDir dir;
    fs::path base = dir.createDir("a/b/base");
    dir.createFile("a/b/precious.txt", "precious");
    const std::string archive = (dir / c.archive).string();
    const bool zip = archive.ends_with(".zip");
    RunResult built = c.shell
        ? run({ "sh", "-c", c.builder }, dir.str())
        : python(std::string(zip ? prelude : tarPrelude) + c.builder, { archive }, dir.str());
    ASSERT_EQ(built.exitCode, 0) << built.out;
    Recorder rec;
    const int32_t count = zip
        ? runExtract(base.string(), { .archive = archive, .overwrite = true }, rec)
        : extractOther(base, archive, AMX_FLAG_DIR_NAMES | AMX_FLAG_OVERWRITE, rec).done;
    EXPECT_EQ(count, c.expectedCount) << rec.dump();
    if (c.expectedError) {
        auto codes = rec.errorCodes();
        EXPECT_NE(std::find(codes.begin(), codes.end(), c.expectedError), codes.end())
            << rec.dump();
    }
    for (const auto &m : rec.messages())
        EXPECT_EQ(m.find('\n'), std::string::npos) << "one line per message: " << m;
    for (const auto &m : c.messages)
        EXPECT_TRUE(rec.hasMessage(m)) << m << "\n" << rec.dump();
    EXPECT_EQ(readFile(dir / "a/b/precious.txt"), "precious");
    std::vector<std::string> outside;
    for (auto &e : fs::recursive_directory_iterator(dir.path()))
        if (e.path().string().rfind(base.string(), 0) != 0)
            outside.push_back(e.path().lexically_relative(dir.path()).string());
    std::sort(outside.begin(), outside.end());
    EXPECT_EQ(outside, (std::vector<std::string> { "a", "a/b", "a/b/precious.txt", c.archive }));
    for (const auto &p : c.mustExist)
        EXPECT_TRUE(fs::exists(fs::symlink_status(base / p))) << p << "\n" << rec.dump();
    for (const auto &p : c.mustNotExist)
        EXPECT_FALSE(fs::exists(fs::symlink_status(base / p))) << p << "\n" << rec.dump();
    const fs::path inside = fs::canonical(base);
    for (auto &e : fs::recursive_directory_iterator(base)) {
        EXPECT_EQ(e.path().filename().string().find(".amx"), std::string::npos) << e.path();
        if (e.is_symlink()) {
            EXPECT_TRUE(!fs::exists(e.path())
                || fs::canonical(e.path()).string().rfind(inside.string(), 0) == 0)
                << e.path();
            continue;
        }
        const fs::perms mode = e.status().permissions();
        if (e.is_directory()) {
            EXPECT_EQ(mode & fs::perms::owner_all, fs::perms::owner_all) << e.path();
        } else {
            EXPECT_EQ(mode & (fs::perms::set_uid | fs::perms::set_gid), fs::perms::none)
                << e.path();
        }
    }
}

const HostileCase hostileCases[] = {
    { "DotDotComponents",
        "make([('../precious.txt', b'evil'), ('x/../../../escape.txt', b'evil')])", 11, 2,
        { "precious.txt", "x/escape.txt" }, {} },
    { "Backslashes", "make([('..\\\\..\\\\precious.txt', b'evil'), ('C:\\\\win\\\\x.txt', b'x')])",
        11, 2, { "precious.txt", "win/x.txt" }, {} },
    { "LinkOutsideThenWriteThroughIt",
        "make([('link', b'../../', zipfile.ZIP_STORED, 0o120777), ('link/precious.txt', b'evil')])",
        12, 1, { "link/precious.txt" }, {} },
    { "LinkInsideIsMade",
        "make([('target.txt', b'ok'), ('in', b'target.txt', zipfile.ZIP_STORED, 0o120777)])", 0, 2,
        { "target.txt", "in" }, {} },
    // Each link stays inside on its own; followed through the one before, it leads out.
    { "LinkChainThroughAnEarlierLink", R"(
L = zipfile.ZIP_STORED, 0o120777
make([('a/b/c/', b''), ('a/b/c/up', b'../../..', *L), ('z', b'a/b/c/up/../..', *L)]))",
        12, 2, { "a/b/c/up" }, { "z" }, { "z -> a/b/c/up/../.. (link target leaves" } },
    { "LinkChainThroughAParentLink", R"(
L = zipfile.ZIP_STORED, 0o120777
make([('sub/d', b'..', *L), ('e', b'sub/d/..', *L)]))",
        12, 1, { "sub/d" }, { "e" }, { "e -> sub/d/.. (link target leaves" } },
    // The name the first link goes through is made a link only later.
    { "LinkChainThroughALaterLink", R"(
L = zipfile.ZIP_STORED, 0o120777
make([('a/', b''), ('z', b'x/../..', *L), ('x', b'a', *L)]))",
        12, 2, { "x" }, { "z" } },
    { "LinkChainsInsideAreMade", R"(
L = zipfile.ZIP_STORED, 0o120777
make([('lib/f.so.1', b'elf'), ('lib/f.so', b'f.so.1', *L), ('bin/f', b'../lib/f.so', *L),
      ('cur', b'lib', *L), ('deep', b'cur/f.so', *L)]))",
        0, 5, { "lib/f.so", "bin/f", "cur", "deep" }, {} },
    { "Truncated", "make([('a.txt', b'a' * 5000)])\nb = load()\nsave(b[:len(b) // 2])", 4, 0, {},
        { "a.txt" } },
    { "TruncatedData",
        "make([('a.txt', bytes(range(256)) * 400, zipfile.ZIP_STORED)])\nb = load()\nc, e = "
        "central(b)\n"
        "struct.pack_into('<I', b, c + 42, 0)\nsave(b[:200] + b[c:])\n",
        6, 0, {}, { "a.txt" } },
    { "UnsupportedMethod",
        "make([('good.txt', b'good'), ('b.txt', b'x' * 1000, zipfile.ZIP_BZIP2)])", 9, 1,
        { "good.txt" }, { "b.txt" } },
    { "Encrypted",
        "make([('good.txt', b'good'), ('enc.txt', b'x' * 100, zipfile.ZIP_STORED)])\nb = "
        "load()\nc, e = central(b)\n"
        "for at in (b.find(b'PK\\x03\\x04', 40), b.find(b'PK\\x01\\x02', c + 10)):\n"
        "    off = 6 if b[at+2] == 3 else 8\n"
        "    struct.pack_into('<H', b, at + off, struct.unpack_from('<H', b, at + off)[0] | "
        "1)\nsave(b)",
        10, 1, { "good.txt" }, { "enc.txt" } },
    { "OverlappingMembers",
        "make([('a.txt', b'a' * 1000)])\nb = load()\nc, e = central(b)\nrec = b[c:e]\n"
        "dup = bytearray(rec)\ndup[46:51] = b'b.txt'\nb = b[:c] + rec + dup + b[e:]\ne = len(b) - "
        "22\n"
        "struct.pack_into('<HHI', b, e + 8, 2, 2, len(rec) * 2)\nsave(b)",
        16, 1, { "a.txt" }, { "b.txt" } },
    { "HugeDeclaredSize",
        "make([('huge.txt', b'a' * 1000)])\nb = load()\nc, e = central(b)\n"
        "struct.pack_into('<I', b, c + 24, 0xfffffff0)\nsave(b)",
        8, 0, {}, { "huge.txt" } },
    { "HugeCompressedSize",
        "make([('huge.txt', b'a' * 1000)])\nb = load()\nc, e = central(b)\n"
        "struct.pack_into('<I', b, c + 20, 0x7ffffff0)\nsave(b)",
        6, 0, {}, { "huge.txt" } },
    { "NameLongerThanThePathLimit", "make([('d/' * 32767 + 'f', b'x'), ('ok.txt', b'ok')])", 9, 1,
        { "ok.txt" }, { "d" }, { "d/d/... (name too long)" } },
    { "ThousandsOfDotDotPairs", "make([('a/../' * 10000 + 'x.txt', b'x'), ('ok.txt', b'ok')])", 9,
        1, { "ok.txt" }, { "a", "x.txt" }, { "a/../... (name too long)" } },
    { "LocalNameDiffersFromDirectory", R"(
make([('okok.txt', b'evil'), ('good.txt', b'good')])
b = load()
i = b.find(b'okok.txt')
b[i:i + 8] = b'../x.txt'
save(b))",
        5, 1, { "good.txt" }, { "okok.txt", "x.txt" },
        { "okok.txt (its local header names ../x.txt)" } },
    { "NoName", "make([('.', b'x'), ('./', b''), ('', b'e'), ('ok.txt', b'ok')])", 9, 1,
        { "ok.txt" }, {}, { "\".\" (no name", "\"./\" (the base folder", "\"\" (no name" } },
    { "OffsetPastTheEnd", R"(
make([('a.txt', b'a'), ('b.txt', b'b'), ('c.txt', b'c')])
b = load()
c, e = central(b)
struct.pack_into('<I', b, b.find(b'b.txt', c) - 46 + 42, 0xfffffff0)
save(b))",
        5, 2, { "a.txt", "c.txt" }, { "b.txt" }, { "offset of b.txt" } },
    { "Zip64FieldMissing", R"(
make([('a.txt', b'a'), ('b.txt', b'b')])
b = load()
c, e = central(b)
i = b.rfind(b'PK\x01\x02')
struct.pack_into('<I', b, i + 24, 0xffffffff)
struct.pack_into('<H', b, i + 30, 4)
b[i + 51:i + 51] = b'\x01\x00\x00\x00'
struct.pack_into('<I', b, e + 4 + 12, e + 4 - c)
save(b))",
        5, 1, { "a.txt" }, { "b.txt" }, { "ZIP64 field of b.txt" } },
    { "CommentRunsPastTheEnd",
        "make([('a.txt', b'a')])\nb = load()\nstruct.pack_into('<H', b, len(b) - 2, 100)\nsave(b)",
        0, 1, { "a.txt" }, {} },
    { "FolderWithAFileMode", "make([('d/', b'', zipfile.ZIP_STORED, 0o100644), ('d/f.txt', b'f')])",
        0, 2, { "d/f.txt" }, {} },
    // The same attacks on tar and 7z archives.
    { "TarDotDotAndAbsolute",
        "make([('../precious.txt', b'evil'), ('/abs/x.txt', b'evil'), ('x/../../../up.txt', "
        "b'e')])",
        11, 3, { "precious.txt", "abs/x.txt", "x/up.txt" }, {}, {}, "evil.tar" },
    { "TarLinkOutsideThenWriteThroughIt",
        "make([('link', b'', {'type': tarfile.SYMTYPE, 'linkname': '../../'}),"
        " ('link/precious.txt', b'evil')])",
        12, 1, { "link/precious.txt" }, {}, {}, "evil.tar" },
    { "TarHardLinkToPasswd",
        "make([('passwd', b'', {'type': tarfile.LNKTYPE, 'linkname': '/etc/passwd'}),"
        " ('up', b'', {'type': tarfile.LNKTYPE, 'linkname': '../precious.txt'})])",
        12, 0, {}, { "passwd", "up", "etc" }, { "(not a file extracted here)" }, "evil.tar" },
    { "TarHardLinkInsideIsMade",
        "make([('f.txt', b'data'), ('g.txt', b'', {'type': tarfile.LNKTYPE, 'linkname': "
        "'f.txt'})])",
        0, 2, { "f.txt", "g.txt" }, {}, {}, "evil.tar" },
    { "TarDeviceFifoSkipped",
        "make([('null', b'', {'type': tarfile.CHRTYPE, 'devmajor': 1, 'devminor': 3}),"
        " ('fifo', b'', {'type': tarfile.FIFOTYPE}), ('ok.txt', b'ok')])",
        9, 1, { "ok.txt" }, { "null", "fifo" }, { "(a device, FIFO or socket" }, "evil.tar" },
    { "TarSetIdDropped",
        "make([('suid', b'#!/bin/sh', {'mode': 0o6755}), ('d/', b'', {'type': tarfile.DIRTYPE,"
        " 'mode': 0o2777})])",
        0, 2, { "suid", "d" }, {}, {}, "evil.tar" },
    // A sparse member declaring a terabyte: refused, not a terabyte written.
    { "TarSparseTerabyte",
        "mkdir stage && truncate -s 1T stage/big && echo x > stage/small"
        " && tar -cSf evil.tar -C stage big small && rm -rf stage",
        14, 1, { "small" }, { "big" }, { "more than the free space" }, "evil.tar", true },
    // Cut inside its second member: the first is kept, the end reported.
    { "TarTruncated",
        "mkdir stage && echo first > stage/a.txt && head -c 3000000 /dev/urandom > stage/z.bin"
        " && tar -czf full.tgz -C stage a.txt z.bin && head -c 1000000 full.tgz > evil.tar.gz"
        " && rm -rf stage full.tgz",
        6, 0, { "a.txt" }, { "z.bin" }, { "archive truncated" }, "evil.tar.gz", true },
    { "SevenZipDotDotAndAbsolute",
        "mkdir -p stage/w && echo evil > stage/up.txt && cd stage/w"
        " && 7z a -bd -spf ../../evil.7z ../up.txt \"$PWD/../up.txt\" >/dev/null"
        " && cd ../.. && rm -rf stage",
        11, 2, { "up.txt" }, {}, {}, "evil.7z", true },
    { "SevenZipLinkOutsideThenWriteThroughIt",
        "mkdir -p stage1 stage2/link && ln -s ../../ stage1/link && echo evil > "
        "stage2/link/precious.txt && (cd stage1 && 7z a -bd -snl ../evil.7z link >/dev/null)"
        " && (cd stage2 && 7z a -bd ../evil.7z link/precious.txt >/dev/null)"
        " && rm -rf stage1 stage2",
        12, 1, { "link/precious.txt" }, {}, {}, "evil.7z", true },
};

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileArchiveTest, testing::ValuesIn(hostileCases), amxtest::RowName());

// Resources an archive could exhaust: a gzip bomb (not only zeros, which
// read as an empty tar) becomes holes, not disk
// blocks; 100,000 empty members are tested one by one, in bounded memory.
TEST(OtherHostileArchiveTest, BombAndManyMembersStayBounded)
{
    TestDir dir;
    fs::path base = dir.createDir("base");
    ASSERT_EQ(
        run({ "sh", "-c",
                "(printf x; head -c 268435455 /dev/zero) | gzip -1 > zeros.gz && python3 -c \""
                "import tarfile, io\n"
                "with tarfile.open('many.tar', 'w') as t:\n"
                "  for i in range(100000): t.addfile(tarfile.TarInfo('m%d' % i))\""
                " && gzip many.tar" },
            dir.str())
            .exitCode,
        0);
    Recorder rec;
    RunOutcome bomb = extractOther(base, (dir / "zeros.gz").string(), AMX_FLAG_DIR_NAMES, rec);
    ASSERT_EQ(bomb.done, 1) << rec.dump();
    struct stat st
    {
    };
    ASSERT_EQ(::stat((base / "zeros").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 268435456);
    EXPECT_LT(st.st_blocks * 512, 1 << 20) << "zeros are holes";

    Recorder many;
    RunOutcome test = runRequest({ .operation = AMX_OP_TEST,
                                     .folder = AMX_CURRENT_FOLDER,
                                     .archive = (dir / "many.tar.gz").string(),
                                     .other = true },
        many);
    EXPECT_EQ(test.done, 100000);
    EXPECT_EQ(test.failed, 0);
}

} // namespace
