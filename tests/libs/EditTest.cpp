// Renaming members and setting the archive comment through the request
// interface: the peers read the result, a refused rename or comment and a
// killed rename leave the archive byte for byte. The refusals a single rename
// can meet are the command line's table.
#include "LibHarness.h"
#include "Peers.h"
#include "TestDir.h"

#include "AmxRequest.h"
#include "Table.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

// Python's view: name, then the data's CRC, one member per line; the comment last.
std::string pythonView(const std::string &archive)
{
    return runOk({ "python3", "-c",
        "import sys, zipfile, zlib\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "for i in z.infolist(): print(i.filename, zlib.crc32(z.read(i)))\n"
        "sys.stdout.write(repr(z.comment))\n",
        archive });
}

RunOutcome rename(const std::string &archive, const std::vector<std::string> &pairs, Recorder &rec)
{
    RunRequest r { .operation = AMX_OP_RENAME, .folder = AMX_CURRENT_FOLDER, .archive = archive };
    for (const std::string &n : pairs)
        r.names.push_back({ n });
    return runRequest(r, rec);
}

struct RenameCase
{
    const char *name;
    std::vector<std::string> pairs;
    std::vector<std::string> expected; // a few names the result must hold
    std::vector<std::string> gone; // and names it must not
};
AMX_ROW_PRINTS_NAME(RenameCase)

class RenameTest : public testing::TestWithParam<RenameCase>
{
};

TEST_P(RenameTest, PeersReadTheNewNames)
{
    const RenameCase &c = GetParam();
    TestDir dir;
    const std::string archive = editSample(dir / "a.zip", 40);
    const std::string before = pythonView(archive);
    Recorder rec;
    const RunOutcome r = rename(archive, c.pairs, rec);
    ASSERT_EQ(r.status, AMX_RUN_DONE);
    EXPECT_EQ(r.error, 0) << rec.dump();
    EXPECT_GT(r.done, 0);
    expectPeersAccept(archive);
    const std::vector<std::string> names = sortedNames(archive);
    for (const std::string &n : c.expected)
        EXPECT_NE(std::find(names.begin(), names.end(), n), names.end()) << n;
    for (const std::string &n : c.gone)
        EXPECT_EQ(std::find(names.begin(), names.end(), n), names.end()) << n;
    // Every member's data is as it was; only names changed.
    const std::string after = pythonView(archive);
    EXPECT_EQ(std::count(after.begin(), after.end(), '\n'),
        std::count(before.begin(), before.end(), '\n'));
    const std::string sevenZip = runOk({ "7z", "l", archive });
    EXPECT_NE(sevenZip.find(c.expected.front()), std::string::npos) << sevenZip;
}

INSTANTIATE_TEST_SUITE_P(Cases, RenameTest,
    testing::Values(RenameCase { "OneMember", { "readme.txt", "LIESMICH.txt" }, { "LIESMICH.txt" },
                        { "readme.txt" } },
        RenameCase { "Folder", { "docs", "papers/2024" },
            { "papers/2024/part0.txt", "papers/2024/part39.txt", "papers/2024/one.txt" },
            { "docs/part0.txt" } },
        RenameCase {
            "FolderWithSlash", { "other/", "deep/" }, { "deep/three.txt" }, { "other/three.txt" } },
        RenameCase { "Swap", { "readme.txt", "docs/part0.txt", "docs/part0.txt", "readme.txt" },
            { "readme.txt", "docs/part0.txt" }, {} },
        RenameCase { "Utf8Name", { "readme.txt", "l\xc3\xa9sez-moi.txt" },
            { "l\xc3\xa9sez-moi.txt" }, { "readme.txt" } }),
    RowName());

// Only a request of several pairs can give two members one new name.
TEST(RenameTest, ClashAmongRenamedIsRefused)
{
    TestDir dir;
    const std::string archive = editSample(dir / "a.zip");
    const std::string original = readFile(archive);
    const auto before = listing(dir.path());
    Recorder rec;
    const RunOutcome r = rename(archive, { "docs/one.txt", "x.txt", "docs/two.txt", "x.txt" }, rec);
    EXPECT_EQ(r.error, AMX_ERROR_REFUSED) << rec.dump();
    EXPECT_EQ(r.done, 0);
    EXPECT_EQ(readFile(archive), original);
    EXPECT_EQ(listing(dir.path()), before) << "a temporary was left";
}

TEST(RenameTest, UnicodePathRecordIsDropped)
{
    TestDir dir;
    // Python writes the Latin-1 name with a Unicode Path record (0x7075) by hand.
    const std::string archive = (dir / "u.zip").string();
    runOk({ "python3", "-c",
        "import sys, struct, zipfile, zlib\n"
        "z = zipfile.ZipFile(sys.argv[1], 'w')\n"
        "i = zipfile.ZipInfo('x')\n"
        "name = 'caf\\u00e9.txt'.encode()\n"
        "i.extra = struct.pack('<HHBI', 0x7075, 5 + len(name), 1, zlib.crc32(b'x')) + "
        "name\n"
        "z.writestr(i, b'data')\n"
        "z.close()\n",
        archive });
    Recorder rec;
    // The member goes by the record's name, as every reader shows it.
    ASSERT_EQ(rename(archive, { "caf\xc3\xa9.txt", "new.txt" }, rec).done, 1) << rec.dump();
    expectPeersAccept(archive);
    // Info-ZIP would take the stale record's name over the new one.
    EXPECT_EQ(sortedNames(archive), std::vector<std::string> { "new.txt" });
    EXPECT_EQ(readFile(archive).find("caf\xc3\xa9"), std::string::npos);
}

TEST(RenameTest, KilledMidWayLeavesTheOldArchive)
{
    TestDir dir;
    const std::string archive = editSample(dir / "a.zip", 40);
    const std::string original = readFile(archive);
    const auto before = listing(dir.path());
    const pid_t pid = fork();
    if (pid == 0) {
        Recorder rec;
        rec.killAction = AMX_ACTION_NEW_FILE;
        rec.killAt = 20; // half the folder is in the new file by now
        rename(archive, { "docs", "moved" }, rec);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the rename ended before the kill";
    EXPECT_EQ(readFile(archive), original);
    EXPECT_EQ(listing(dir.path()), before);
}

struct CommentCase
{
    const char *name;
    std::string comment;
    int32_t error = 0;
    bool zip64 = false; // more members than the 16-bit count holds
};
AMX_ROW_PRINTS_NAME(CommentCase)

class CommentTest : public testing::TestWithParam<CommentCase>
{
};

TEST_P(CommentTest, PeersReadItOrArchiveStays)
{
    const CommentCase &c = GetParam();
    TestDir dir;
    const std::string archive = (dir / "many.zip").string();
    const int members = c.zip64 ? 66000 : 3;
    runOk({ "python3", "-c",
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1], 'w')\n"
        "for i in range(int(sys.argv[2])): z.writestr('m%d' % i, b'')\n"
        "z.comment = b'old'\n"
        "z.close()\n",
        archive, std::to_string(members) });
    const std::string original = readFile(archive);
    ASSERT_EQ(original.find("PK\x06\x06") != std::string::npos, c.zip64);
    Recorder rec;
    const RunOutcome r = runRequest({ .operation = AMX_OP_COMMENT,
                                        .folder = AMX_CURRENT_FOLDER,
                                        .archive = archive,
                                        .comment = c.comment },
        rec);
    ASSERT_EQ(r.status, AMX_RUN_DONE);
    EXPECT_EQ(r.error, c.error) << rec.dump();
    if (c.error != 0) {
        EXPECT_EQ(readFile(archive), original);
        return;
    }
    const std::string now = readFile(archive);
    // Only the end record changed: everything before it is the same bytes.
    const size_t end = original.size() - 22 - 3;
    EXPECT_EQ(now.compare(0, end, original, 0, end), 0);
    EXPECT_EQ(now.size(), end + 22 + c.comment.size());
    const std::string read = runOk({ "python3", "-c",
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "assert len(z.namelist()) == int(sys.argv[2])\n"
        "sys.stdout.buffer.write(z.comment)\n",
        archive, std::to_string(members) });
    EXPECT_EQ(read, c.comment);
    const RunResult unzip = run({ "unzip", "-z", archive });
    EXPECT_EQ(unzip.exitCode, 0) << unzip.out;
    if (c.comment.size() < 100 && std::all_of(c.comment.begin(), c.comment.end(), [](char ch) {
            return ch >= 0x20 && ch < 0x7f;
        })) {
        EXPECT_NE(unzip.out.find(c.comment), std::string::npos) << unzip.out;
    }
    EXPECT_EQ(run({ "7z", "t", archive }).exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommentTest,
    testing::Values(CommentCase { "Plain", "made for the tests" },
        CommentCase { "Controls", std::string("bell\x07 esc\x1b[31m nul\0 end", 24) },
        CommentCase { "Removed", "" }, CommentCase { "Largest", std::string(65535, 'c') },
        CommentCase { "Zip64", "on an archive of 66,000 members", 0, true },
        CommentCase { "TooLong", std::string(65536, 'c'), AMX_ERROR_REFUSED },
        CommentCase { "EndSignature", "fake PK\x05\x06 record", AMX_ERROR_REFUSED }),
    RowName());

// Python's view of each member's record: the stored name's bytes, the
// UTF-8 flag, the central extra field and the member comment.
std::string recordView(const std::string &archive)
{
    return runOk({ "python3", "-c",
        "import sys, zipfile\n"
        "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
        "    raw = i.filename.encode('utf-8' if i.flag_bits & 0x800 else 'cp437')\n"
        "    print(raw.hex(), i.flag_bits & 0x800, i.extra.hex(), i.comment.hex())\n",
        archive });
}

struct KeptRecordCase
{
    const char *name;
    int32_t (*edit)(TestDir &dir, const std::string &archive, Recorder &rec);
    int32_t done;
};
AMX_ROW_PRINTS_NAME(KeptRecordCase)

class KeptRecordTest : public testing::TestWithParam<KeptRecordCase>
{
};

// The members a delete, rename or add copies keep their records as they
// were: a name in another code page, an extra field and a comment each.
TEST_P(KeptRecordTest, OtherMembersKeepNameExtraAndComment)
{
    TestDir dir;
    const std::string archive = (dir / "r.zip").string();
    runOk({ "python3", "-c",
        "import sys, struct, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1], 'w')\n"
        "for name, extra, comment in [('cafX.txt', b'', b'in CP437'),\n"
        "        ('gone.txt', b'', b'goes'),\n"
        "        ('\\u00fcber.txt', struct.pack('<HH', 0xcafe, 3) + b'abc', b''),\n"
        "        ('plain.txt', struct.pack('<HH', 0xbeef, 1) + b'z', b'last')]:\n"
        "    i = zipfile.ZipInfo(name)\n"
        "    i.extra = extra\n"
        "    i.comment = comment\n"
        "    z.writestr(i, b'member data')\n"
        "z.close()\n"
        // The name in CP437 bytes, which Python would not write itself.
        "b = open(sys.argv[1], 'rb').read().replace(b'cafX', b'caf\\x82')\n"
        "open(sys.argv[1], 'wb').write(b)\n",
        archive });
    std::vector<std::string> before;
    for (std::string line, view = recordView(archive); !view.empty();) {
        line = view.substr(0, view.find('\n'));
        view.erase(0, line.size() + 1);
        if (line.rfind("676f6e65", 0) != 0) // gone.txt
            before.push_back(line);
    }
    ASSERT_EQ(before.size(), 3u);
    Recorder rec;
    ASSERT_EQ(GetParam().edit(dir, archive, rec), GetParam().done) << rec.dump();
    expectPeersAccept(archive);
    const std::string after = recordView(archive);
    for (const std::string &line : before)
        EXPECT_NE(after.find(line + "\n"), std::string::npos) << line << "\n" << after;
}

INSTANTIATE_TEST_SUITE_P(Cases, KeptRecordTest,
    testing::Values(KeptRecordCase { "Delete",
                        [](TestDir &, const std::string &archive, Recorder &rec) {
                            return runDelete(archive, { "gone.txt" }, rec);
                        },
                        1 },
        KeptRecordCase { "Rename",
            [](TestDir &, const std::string &archive, Recorder &rec) {
                return rename(archive, { "gone.txt", "new.txt" }, rec).done;
            },
            1 },
        // gone.txt replaced and new.txt added around the members kept.
        KeptRecordCase { "Add",
            [](TestDir &dir, const std::string &archive, Recorder &rec) {
                dir.createFile("gone.txt", "replaced");
                dir.createFile("new.txt", "added");
                const AddRequest r { .archive = archive, .specs = { "gone.txt", "new.txt" } };
                return runAdd(dir.str(), r, rec);
            },
            2 }),
    RowName());

struct SpilledRecordCase
{
    const char *name;
    int32_t (*edit)(TestDir &dir, const std::string &archive, Recorder &rec);
};
AMX_ROW_PRINTS_NAME(SpilledRecordCase)

class SpilledRecordTest : public testing::TestWithParam<SpilledRecordCase>
{
};

// With a record budget of a few records, the new members' central records
// go through a scratch file, read back in windows that split records: the
// archive is the one made in memory, and the scratch file is gone.
TEST_P(SpilledRecordTest, SameArchiveAsInMemory)
{
    TestDir dir;
    const std::string inMemory = editSample(dir / "memory.zip", 40);
    const std::string spilled = (dir / "spilled.zip").string();
    fs::copy_file(inMemory, spilled);
    dir.createFile("readme.txt", "replaced");
    for (int i = 0; i < 60; ++i)
        dir.createFile("new/n" + std::to_string(i) + ".txt", std::string(size_t(i), 'n'));
    Recorder rec;
    const int32_t done = GetParam().edit(dir, inMemory, rec);
    EXPECT_GT(done, 0) << rec.dump();
    setenv("AMX_RECORD_BUDGET", "200", 1);
    const int32_t spilledDone = GetParam().edit(dir, spilled, rec);
    unsetenv("AMX_RECORD_BUDGET");
    EXPECT_EQ(spilledDone, done) << rec.dump();
    EXPECT_TRUE(readFile(spilled) == readFile(inMemory));
    expectPeersAccept(spilled);
    for (const std::string &path : listing(dir.path()))
        EXPECT_EQ(path.find(".amxzip-"), std::string::npos) << path;
}

INSTANTIATE_TEST_SUITE_P(Cases, SpilledRecordTest,
    testing::Values(SpilledRecordCase { "Add",
                        [](TestDir &dir, const std::string &archive, Recorder &rec) {
                            const AddRequest r { .archive = archive,
                                .specs = { "readme.txt", "new" },
                                .recurse = true };
                            return runAdd(dir.str(), r, rec);
                        } },
        SpilledRecordCase { "Rename",
            [](TestDir &, const std::string &archive, Recorder &rec) {
                return rename(archive, { "docs", "papers" }, rec).done;
            } }),
    RowName());

} // namespace
