// The directory reader against archives written by real tools and against
// hand-made damaged ones.

#include "Peers.h"
#include "RecordingNotices.h"
#include "TestDir.h"
#include "ZipEngine.h"

#include <gtest/gtest.h>

#include "Table.h"
#include <filesystem>

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
            out.emplace_back(e.name());
        return out;
    }

    TestDir dir;
    TZipEngine engine;
    RecordingNotices notices;
    int dirUpdates = 0;
};

} // namespace

// --- archives written by other tools -------------------------------------

struct PeerCase
{
    const char *name;
    const char *command; // run by the shell in the test folder; writes a.zip from src
    bool streamed = false; // the peer writes data descriptors
};
AMX_ROW_PRINTS_NAME(PeerCase)

class PeerArchives : public ListFixture, public ::testing::WithParamInterface<PeerCase>
{
};

// Our listing must equal what Python's zipfile reads from the central directory.
// (7-Zip's and forced ZIP64 archives are rows of the list verb's recorded listings.)
TEST_P(PeerArchives, ListedAsPythonReadsThem)
{
    dir.createFile("src/readme.txt", sampleBytes(5000, 1));
    dir.createFile("src/empty.txt", "");
    dir.createFile("src/sub/deeper/data.bin", sampleBytes(200000, 2));
    dir.createFile("src/sub/one.c", "int main() { return 0; }\n");
    dir.createFile("src/long/" + std::string(150, 'n') + "/" + std::string(150, 'n'), "long");
    dir.createDir("src/emptydir");
    runOk(
        { "sh", "-c", std::string("JAR=") + jarProgram() + "; " + GetParam().command }, dir.str());
    const fs::path archive = dir / "a.zip";
    ASSERT_EQ(list(archive), "");
    EXPECT_TRUE(notices.texts.empty());
    const auto peer = pythonListing(archive.string());
    const auto &entries = engine.Entries();
    ASSERT_EQ(entries.size(), peer.size());
    bool streamed = false;
    for (size_t i = 0; i < peer.size(); ++i) {
        SCOPED_TRACE(peer[i].name);
        EXPECT_EQ(std::tuple(std::string(entries[i].name()), entries[i].size, entries[i].packed),
            std::tuple(peer[i].name, peer[i].size, peer[i].packed));
        streamed |= (entries[i].zip.Flag & 8) != 0;
    }
    EXPECT_EQ(streamed, GetParam().streamed) << "the peer changed how it writes";
    EXPECT_EQ(std::tuple(dirUpdates, engine.DirectoryMismatchCount(), engine.DirectoryDamage()),
        std::tuple(1, 0, std::string()));
}

INSTANTIATE_TEST_SUITE_P(ZipDirReader, PeerArchives,
    ::testing::Values(PeerCase { "InfoZip", "zip -q -r -9 a.zip src" },
        PeerCase { "Jar", "$JAR cf a.zip -C src .", true },
        // Written to a pipe, bsdtar cannot seek back and must use data descriptors.
        PeerCase { "BsdtarToAPipe", "bsdtar --format zip -cf - src > a.zip", true },
        PeerCase { "AppendedToAProgram",
            "zip -q -r p.zip src && cat /bin/true p.zip > a.zip && zip -q -A a.zip" }),
    amxtest::RowName());

// --- the search for the first header --------------------------------------

struct SearchCase
{
    const char *name;
    std::string content;
    bool message;
    std::vector<std::string> names;
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
    EXPECT_EQ(notices.texts,
        c.message ? std::vector<std::string> { "No valid zip entries found" }
                  : std::vector<std::string> {});
    EXPECT_EQ(names(), c.names);
    EXPECT_EQ(dirUpdates, 1);
}

INSTANTIATE_TEST_SUITE_P(ZipDirReader, HeaderSearch,
    ::testing::Values(SearchCase { "EmptyFile", "", false, {} },
        SearchCase { "ExactlyAtLimit", std::string(60000, 'x'), false, {} },
        SearchCase { "PastLimit", std::string(60001, 'x'), true, {} },
        SearchCase { "HeaderBeyondLimit",
            std::string(60000, 'x') + member("late.txt", "data") + endRecord(), true, {} },
        SearchCase { "HeaderJustInsideLimit",
            std::string(59999, 'x') + member("late.txt", "data") + endRecord(), false,
            { "late.txt" } },
        SearchCase { "PartialSignatureAtEnd", "abcPK\x03", true, {} },
        SearchCase { "SecondPIsConsumed",
            "PPK\x03\x04" + std::string(30, 'z') + member("real.txt", "r") + endRecord(), false,
            { "real.txt" } },
        SearchCase { "StubBeforeArchive",
            std::string(1000, '\x90') + member("a.txt", "a") + member("b.txt", "bb") + endRecord(),
            false, { "a.txt", "b.txt" } },
        SearchCase { "OddNamesAndUnknownRecords",
            member("", "zero-length name") + member(std::string("cut\0here", 8), "n") + "JUNK"
                + member("after-junk.txt", "j") + endRecord(),
            false, { "", "cut", "after-junk.txt" } },
        // No central directory to ask: the walk steps through the data four
        // bytes at a time and finds the next header on that grid.
        SearchCase { "StreamedMemberWithoutDirectory",
            member("s.txt", "", 8) + std::string(12, 'd') + member("next.txt", "n") + endRecord(),
            false, { "s.txt", "next.txt" } }),
    amxtest::RowName());

// --- what a member says beyond the list's columns ---------------------------

TEST_F(ListFixture, MembersCarryTimeStoredNamesModesAndEncryption)
{
    // DOS times are local: both the writer and the reader see UTC here.
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    dir.createFile("src/plain.txt", "plain");
    dir.createFile("src/secret.txt", "secret");
    fs::create_symlink("plain.txt", dir / "src/link");
    runOk({ "sh", "-c",
              "chmod 0640 src/plain.txt && chmod 0604 src/secret.txt && touch -d '2021-03-04 "
              "05:06:08' src/plain.txt && cd src "
              "&& zip -q -y ../peer.zip plain.txt link && zip -q -P pw ../peer.zip secret.txt" },
        dir.str());
    // A legacy name, and one whose stored bytes go on after a zero byte.
    const std::string legacy = "caf\x82.txt", cut("cut\0tail", 8);
    const std::string first = member(legacy, "x");
    writeFile(dir / "own.zip",
        withDirectory(first + member(cut, "y"),
            { centralRecord(legacy, 0), centralRecord(cut, static_cast<uint32_t>(first.size())) }));

    const struct
    {
        const char *archive;
        std::string name, raw;
        int64_t modified;
        MemberKind kind;
        uint16_t permissions;
        bool encrypted;
    } rows[] = {
        { "peer.zip", "plain.txt", "plain.txt", 1614834368, MemberKind::File, 0640, false },
        { "peer.zip", "link", "link", -1, MemberKind::Link, 0777, false },
        { "peer.zip", "secret.txt", "secret.txt", -1, MemberKind::File, 0604, true },
        { "own.zip", "caf\xC3\xA9.txt", legacy, 1736596800, MemberKind::File, 0, false },
        { "own.zip", "cut", cut, 1736596800, MemberKind::File, 0, false },
    };
    std::string listed;
    size_t i = 0;
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        if (listed != r.archive) {
            ASSERT_EQ(list(dir / r.archive), "");
            EXPECT_EQ(engine.DirectoryMismatchCount(), 0) << "stored names are compared";
            listed = r.archive;
            i = 0;
        }
        const ArchiveMember &m = engine.Entries().at(i++);
        EXPECT_EQ(std::tuple(std::string(m.name()), std::string(m.rawName()),
                      r.modified < 0 ? r.modified : m.modified, m.kind, m.permissions, m.encrypted),
            std::tuple(r.name, r.raw, r.modified, r.kind, r.permissions, r.encrypted));
    }
}

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
        EXPECT_EQ(engine.Entries()[0].name(), "one.txt");
        EXPECT_EQ(dirUpdates, 1) << "OnDirUpdate must fire before the error reaches the caller";
    }
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

// A missing file and a folder list nothing; the same name is read again; a
// link to an archive is followed, one to a device refused.
TEST_F(ListFixture, WhatTheNameLeadsTo)
{
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

    writeFile(dir / "a.zip", withDirectory(kA, { centralRecord("a.txt", 0) }));
    fs::create_symlink(dir / "a.zip", dir / "link.zip");
    EXPECT_EQ(list(dir / "link.zip"), "");
    EXPECT_EQ(engine.EntryCount(), 1);

    // A FIFO is refused the same way (the list verb's test shows it).
    fs::create_symlink("/dev/null", dir / "device.zip");
    EXPECT_EQ(list(dir / "device.zip"), (dir / "device.zip").string() + " is not a regular file");
    EXPECT_EQ(engine.EntryCount(), 0);
}
