// The directory reader against archives written by real tools and against
// hand-made damaged ones.

#include "engine/ZipEngine.h"
#include "format/NameCodec.h"
#include "tests/support/Peers.h"
#include "tests/support/RecordingNotices.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include "tests/support/Table.h"
#include <filesystem>
#include <sys/stat.h>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

std::string le16(uint16_t v)
{
    return { char(v & 0xFF), char(v >> 8) };
}
std::string le32(uint32_t v)
{
    return le16(v & 0xFFFF) + le16(v >> 16);
}

// A local header followed by its name, extra field and data.
std::string member(const std::string &name, const std::string &data, uint16_t flag = 0,
    const std::string &extra = {}, uint32_t csize = UINT32_MAX)
{
    if (csize == UINT32_MAX)
        csize = static_cast<uint32_t>(data.size());
    return std::string("PK\x03\x04", 4) + le16(10) + le16(flag) + le16(0) + le32(0x5A2B6000)
        + le32(0) + le32(csize) + le32(static_cast<uint32_t>(data.size()))
        + le16(static_cast<uint16_t>(name.size())) + le16(static_cast<uint16_t>(extra.size()))
        + name + extra + data;
}

// What follows the members in a real archive, enough for the walk to stop.
std::string endRecord(
    uint16_t count = 0, uint32_t cdSize = 0, uint32_t cdOffset = 0, uint16_t commentLength = 0)
{
    return std::string("PK\x05\x06", 4) + le16(0) + le16(0) + le16(count) + le16(count)
        + le32(cdSize) + le32(cdOffset) + le16(commentLength);
}

// A central directory record of a stored member whose local header is at offset.
std::string centralRecord(const std::string &name, uint32_t offset, const std::string &extra = {},
    uint32_t size = 1, const char *signature = "PK\x01\x02")
{
    return std::string(signature, 4) + le16(20) + le16(10) + le16(0) + le16(0) + le32(0x5A2B6000)
        + le32(0) + le32(size) + le32(size) + le16(static_cast<uint16_t>(name.size()))
        + le16(static_cast<uint16_t>(extra.size())) + le16(0) + le16(0) + le16(0) + le32(0)
        + le32(offset) + name + extra;
}

// Members, then a directory of the given records and its end record.
std::string withDirectory(
    const std::string &members, const std::vector<std::string> &records, int count = -1)
{
    std::string directory;
    for (const auto &r : records)
        directory += r;
    const auto n = static_cast<uint16_t>(count < 0 ? records.size() : count);
    return members + directory
        + endRecord(
            n, static_cast<uint32_t>(directory.size()), static_cast<uint32_t>(members.size()));
}

class ListFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine.setNotices(&notices);
        engine.OnDirUpdate = [this](TZipEngine &) {
            ++dirUpdates;
        };
    }

    // Lists the file and returns the error text, or "" when none was raised.
    std::string list(const fs::path &file)
    {
        try {
            engine.setZipFilename(file.string());
        } catch (const EngineError &e) {
            return e.what();
        }
        return {};
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto &e : engine.Entries())
            out.push_back(e.FileName);
        return out;
    }

    TestDir dir;
    TZipEngine engine;
    RecordingNotices notices;
    int dirUpdates = 0;
};

} // namespace

// --- archives written by other tools -------------------------------------

class PeerArchives : public ListFixture
{
protected:
    void SetUp() override
    {
        ListFixture::SetUp();
        dir.createFile("src/readme.txt", sampleBytes(5000, 1));
        dir.createFile("src/empty.txt", "");
        dir.createFile("src/sub/deeper/data.bin", sampleBytes(200000, 2));
        dir.createFile("src/sub/one.c", "int main() { return 0; }\n");
        dir.createDir("src/emptydir");
    }

    // Our listing must equal what Python's zipfile reads from the central directory.
    void expectSameAsPython(const fs::path &archive)
    {
        ASSERT_EQ(list(archive), "");
        EXPECT_TRUE(notices.texts.empty());
        auto peer = pythonListing(archive.string());
        const auto &entries = engine.Entries();
        ASSERT_EQ(entries.size(), peer.size()) << archive;
        for (size_t i = 0; i < peer.size(); ++i) {
            SCOPED_TRACE(peer[i].name);
            EXPECT_EQ(amx::decodeName(entries[i].FileName, entries[i].isUtf8()), peer[i].name);
            EXPECT_EQ(entries[i].UncompressedSize64, peer[i].size);
            EXPECT_EQ(entries[i].CompressedSize64, peer[i].packed);
        }
        EXPECT_EQ(dirUpdates, 1);
        EXPECT_EQ(engine.DirectoryMismatchCount(), 0);
        EXPECT_EQ(engine.DirectoryDamage(), "");
    }
};

TEST_F(PeerArchives, InfoZipStoredAndDeflated)
{
    runOk({ "zip", "-q", "-r", "-0", (dir / "stored.zip").string(), "src" }, dir.str());
    runOk({ "zip", "-q", "-r", "-9", (dir / "deflated.zip").string(), "src" }, dir.str());
    expectSameAsPython(dir / "stored.zip");
    dirUpdates = 0;
    expectSameAsPython(dir / "deflated.zip");
    EXPECT_GE(engine.EntryCount(), 7);
}

TEST_F(PeerArchives, SevenZip)
{
    runOk({ "7z", "a", "-tzip", "-bd", (dir / "seven.zip").string(), "src" }, dir.str());
    expectSameAsPython(dir / "seven.zip");
}

TEST_F(PeerArchives, PythonZip64AndUtf8Names)
{
    const char *script = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    for name, data in [('plain.txt', b'x' * 1000), ('caf\u00e9/na\u00efve.txt', b'abc' * 500),
                       ('\u65e5\u672c.txt', b'')]:
        with z.open(name, 'w', force_zip64=True) as f:
            f.write(data)
    z.writestr('stored.bin', b'0123456789' * 100, compress_type=zipfile.ZIP_STORED)
)";
    runOk({ "python3", "-c", script, (dir / "py64.zip").string() });
    expectSameAsPython(dir / "py64.zip");
    EXPECT_EQ(engine.Entries()[1].FileName, "caf\xC3\xA9/na\xC3\xAFve.txt");
}

TEST_F(PeerArchives, StreamedMembersFromJarAndBsdtar)
{
    runOk({ jarProgram(), "cf", (dir / "app.jar").string(), "-C", "src", "." }, dir.str());
    // Written to a pipe, bsdtar cannot seek back and must use data descriptors.
    runOk({ "sh", "-c", "bsdtar --format zip -cf - src > streamed.zip" }, dir.str());
    for (const char *name : { "app.jar", "streamed.zip" }) {
        SCOPED_TRACE(name);
        dirUpdates = 0;
        expectSameAsPython(dir / name);
        bool streamed = false;
        for (const auto &e : engine.Entries())
            streamed |= (e.Flag & 8) != 0;
        EXPECT_TRUE(streamed) << "the peer no longer writes data descriptors";
    }
}

TEST_F(PeerArchives, ArchiveAppendedToAProgram)
{
    runOk({ "zip", "-q", "-r", (dir / "plain.zip").string(), "src" }, dir.str());
    std::string stub = readFile("/bin/true");
    ASSERT_LT(stub.size(), 60000u);
    writeFile(dir / "sfx.exe", stub + readFile(dir / "plain.zip"));
    runOk({ "zip", "-q", "-A", (dir / "sfx.exe").string() });
    expectSameAsPython(dir / "sfx.exe");
}

TEST_F(PeerArchives, LongNamesAreReadWhole)
{
    const std::string longName = std::string(300, 'n') + ".txt";
    const char *script = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    z.writestr(sys.argv[2], b'long')
    z.writestr('after.txt', b'after')
)";
    runOk({ "python3", "-c", script, (dir / "long.zip").string(), longName });
    expectSameAsPython(dir / "long.zip");
    EXPECT_EQ(engine.Entries()[0].FileName, longName);
}

// --- the search for the first header --------------------------------------

struct SearchCase
{
    const char *name;
    std::string content;
    bool message;
    size_t entries;
};
AMX_ROW_PRINTS_NAME(SearchCase)

class HeaderSearch : public ListFixture, public ::testing::WithParamInterface<SearchCase>
{
};

TEST_P(HeaderSearch, FindsOrGivesUp)
{
    const auto &c = GetParam();
    writeFile(dir / "a.zip", c.content);
    EXPECT_EQ(list(dir / "a.zip"), "");
    EXPECT_EQ(notices.texts.size(), c.message ? 1u : 0u);
    if (c.message) {
        EXPECT_EQ(notices.texts.at(0), "No valid zip entries found");
    }
    EXPECT_EQ(engine.Entries().size(), c.entries);
    EXPECT_EQ(dirUpdates, 1);
}

INSTANTIATE_TEST_SUITE_P(ZipDirReader, HeaderSearch,
    ::testing::Values(SearchCase { "EmptyFile", "", false, 0 },
        SearchCase { "ShortText", "hello, no archive here\n", false, 0 },
        SearchCase { "ExactlyAtLimit", std::string(60000, 'x'), false, 0 },
        SearchCase { "PastLimit", std::string(60001, 'x'), true, 0 },
        SearchCase { "HeaderBeyondLimit",
            std::string(60000, 'x') + member("late.txt", "data") + endRecord(), true, 0 },
        SearchCase { "HeaderJustInsideLimit",
            std::string(59999, 'x') + member("late.txt", "data") + endRecord(), false, 1 },
        SearchCase { "PartialSignatureAtEnd", "abcPK\x03", true, 0 },
        SearchCase { "SecondPIsConsumed",
            "PPK\x03\x04" + std::string(30, 'z') + member("real.txt", "r") + endRecord(), false,
            1 },
        SearchCase { "StubBeforeArchive",
            std::string(1000, '\x90') + member("a.txt", "a") + member("b.txt", "bb") + endRecord(),
            false, 2 }),
    amxtest::RowName());

// --- damaged archives ------------------------------------------------------

TEST_F(ListFixture, DamageRaisesNumberedErrorsAndKeepsEarlierEntries)
{
    const std::string good = member("one.txt", "11111") + member("two.txt", "22");
    struct Case
    {
        const char *what;
        std::string bytes;
        const char *error;
        size_t kept;
    } cases[] = {
        { "header cut short", good + "PK\x03\x04" + std::string(20, '\0'),
            "Error 2 reading Zip file", 2 },
        { "name cut short", good + member("three.txt", "").substr(0, 33),
            "Error 2 reading Zip file", 2 },
        { "data cut short", good + member("three.txt", std::string(100, 'x')).substr(0, 80),
            "Error 3 reading Zip file", 3 },
        { "data ends inside the last 22 bytes", good + member("three.txt", "abc") + "tail",
            "Error 3 reading Zip file", 3 },
        { "huge claimed size", good + member("big", "x", 0, {}, 0xFFFFFFF0u) + endRecord(),
            "Error 3 reading Zip file", 3 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        dirUpdates = 0;
        writeFile(dir / "bad.zip", c.bytes);
        EXPECT_EQ(list(dir / "bad.zip"), c.error);
        EXPECT_EQ(engine.Entries().size(), c.kept);
        EXPECT_EQ(engine.Entries()[0].FileName, "one.txt");
        EXPECT_EQ(dirUpdates, 1) << "OnDirUpdate must fire before the error reaches the caller";
    }
}

TEST_F(ListFixture, OddNamesAndUnknownRecords)
{
    std::string bytes = member("", "zero-length name") + member(std::string("cut\0here", 8), "n")
        + "JUNK" + member("after-junk.txt", "j") + endRecord();
    writeFile(dir / "odd.zip", bytes);
    EXPECT_EQ(list(dir / "odd.zip"), "");
    EXPECT_EQ(names(), (std::vector<std::string> { "", "cut", "after-junk.txt" }));
}

TEST_F(ListFixture, StreamedMemberWithoutDirectoryStepsThroughData)
{
    // No central directory to ask: the walk steps through the data four bytes
    // at a time and finds the next header on that grid.
    std::string bytes =
        member("s.txt", "", 8) + std::string(12, 'd') + member("next.txt", "n") + endRecord();
    writeFile(dir / "s.zip", bytes);
    EXPECT_EQ(list(dir / "s.zip"), "");
    EXPECT_EQ(names(), (std::vector<std::string> { "s.txt", "next.txt" }));
}

TEST_F(ListFixture, MissingFileFolderAndRelisting)
{
    EXPECT_EQ(engine.EntryCount(), 0);
    EXPECT_EQ(list(dir / "missing.zip"), "");
    EXPECT_EQ(engine.EntryCount(), 0);
    EXPECT_EQ(dirUpdates, 1);
    EXPECT_EQ(list(dir.path()), "");
    EXPECT_EQ(dirUpdates, 2);

    writeFile(dir / "a.zip", member("a.txt", "a") + endRecord());
    EXPECT_EQ(list(dir / "a.zip"), "");
    EXPECT_EQ(engine.EntryCount(), 1);
    writeFile(dir / "a.zip", member("a.txt", "a") + member("b.txt", "b") + endRecord());
    engine.setZipFilename(engine.ZipFilename());
    EXPECT_EQ(engine.EntryCount(), 2) << "setting the same name must read the file again";
    EXPECT_TRUE(notices.texts.empty());
}

// --- the walk against the central directory ----------------------------------

struct DirectoryCase
{
    const char *name;
    std::string bytes;
    int mismatches;
    bool damaged;
};
AMX_ROW_PRINTS_NAME(DirectoryCase)

class DirectoryCheck : public ListFixture, public ::testing::WithParamInterface<DirectoryCase>
{
};

TEST_P(DirectoryCheck, CountsWhatExtractionWouldDoDifferently)
{
    const auto &c = GetParam();
    writeFile(dir / "a.zip", c.bytes);
    EXPECT_EQ(list(dir / "a.zip"), "");
    EXPECT_EQ(engine.DirectoryMismatchCount(), c.mismatches);
    EXPECT_EQ(engine.DirectoryDamage().empty(), !c.damaged) << engine.DirectoryDamage();
}

namespace {

const std::string kA = member("a.txt", "a"), kB = member("b.txt", "b");
const auto kAtB = static_cast<uint32_t>(kA.size());
const std::string kHidden = member("hidden.sh", "x");
const std::string kOuter = member("outer.bin", kHidden);

// A ZIP64 end record (and its locator) whose directory offset is its own position.
std::string zip64PointingAtItself()
{
    const std::string members = kA + kB;
    const auto self = static_cast<uint64_t>(members.size());
    auto le64 = [](uint64_t v) {
        return le32(static_cast<uint32_t>(v)) + le32(static_cast<uint32_t>(v >> 32));
    };
    return members + std::string("PK\x06\x06", 4) + le64(44) + le16(45) + le16(45) + le32(0)
        + le32(0) + le64(2) + le64(2) + le64(0) + le64(self) + std::string("PK\x06\x07", 4)
        + le32(0) + le64(self) + le32(1) + endRecord(0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
}

// The end record's comment claims more bytes than the file has left.
std::string overlongComment(const std::string &archive)
{
    return archive.substr(0, archive.size() - 2) + le16(200) + "cut";
}

} // namespace

INSTANTIATE_TEST_SUITE_P(ZipDirReader, DirectoryCheck,
    ::testing::Values(
        DirectoryCase { "Agrees",
            withDirectory(kA + kB, { centralRecord("a.txt", 0), centralRecord("b.txt", kAtB) }), 0,
            false },
        DirectoryCase { "OtherNameAtTheSameOffset",
            withDirectory(
                kA + kB, { centralRecord("payload.sh", 0), centralRecord("b.txt", kAtB) }),
            1, false },
        DirectoryCase { "HeaderHiddenInStoredData",
            withDirectory(
                kOuter, { centralRecord("outer.bin", 0), centralRecord("hidden.sh", 39) }),
            1, false },
        DirectoryCase {
            "OnlyInLocalHeaders", withDirectory(kA + kB, { centralRecord("a.txt", 0) }), 1, false },
        DirectoryCase { "EmptyDirectory", kA + kB + endRecord(), 2, false },
        DirectoryCase { "CutNamesComparedWhole",
            withDirectory(
                member(std::string("n\0a", 3), "a"), { centralRecord(std::string("n\0b", 3), 0) }),
            1, false },
        DirectoryCase { "Zip64FieldMissing",
            withDirectory(kA + kB,
                { centralRecord("a.txt", 0),
                    centralRecord("b.txt", kAtB, le16(1) + le16(0), 0xFFFFFFFF) }),
            1, false },
        DirectoryCase { "OffsetPastTheDirectory",
            withDirectory(
                kA + kB, { centralRecord("a.txt", 0), centralRecord("b.txt", 0x7FFFFFFF) }),
            2, false },
        DirectoryCase { "CountLies",
            withDirectory(kA + kB, { centralRecord("a.txt", 0), centralRecord("b.txt", kAtB) }, 3),
            0, true },
        DirectoryCase { "SecondRecordBadSignature",
            withDirectory(kA + kB,
                { centralRecord("a.txt", 0), centralRecord("b.txt", kAtB, {}, 1, "PK\x01\x03") }),
            0, true },
        DirectoryCase { "DirectoryOffsetLies",
            kA + kB + centralRecord("a.txt", 0) + endRecord(1, 46 + 5, 500), 0, true },
        DirectoryCase { "Zip64RecordPointingAtItself", zip64PointingAtItself(), 0, true },
        DirectoryCase { "NoEndRecord", kA + kB + std::string(30, '\0'), 0, true },
        DirectoryCase { "NoArchiveAtAll", "plain text, nothing else", 0, false }),
    amxtest::RowName());

TEST_F(ListFixture, StreamedMemberSizesFoundDespiteOverlongComment)
{
    const std::string streamed =
        member("s.txt", "hello", 8, {}, 0) + "PK\x07\x08" + le32(0) + le32(5) + le32(5);
    writeFile(dir / "s.zip",
        overlongComment(withDirectory(streamed, { centralRecord("s.txt", 0, {}, 5) })));
    EXPECT_EQ(list(dir / "s.zip"), "");
    ASSERT_EQ(names(), std::vector<std::string> { "s.txt" });
    EXPECT_EQ(engine.Entries()[0].CompressedSize64, 5u);
    EXPECT_TRUE(engine.DirectoryDamage().empty()) << engine.DirectoryDamage();
}

TEST_F(ListFixture, OnlyRegularFilesAreRead)
{
    writeFile(dir / "a.zip", withDirectory(kA, { centralRecord("a.txt", 0) }));
    fs::create_symlink(dir / "a.zip", dir / "link.zip");
    EXPECT_EQ(list(dir / "link.zip"), "");
    EXPECT_EQ(engine.EntryCount(), 1);

    ASSERT_EQ(::mkfifo((dir / "fifo.zip").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", dir / "device.zip");
    for (const char *name : { "device.zip", "fifo.zip" }) {
        SCOPED_TRACE(name);
        EXPECT_EQ(list(dir / name), (dir / name).string() + " is not a regular file");
        EXPECT_EQ(engine.EntryCount(), 0);
    }
}
