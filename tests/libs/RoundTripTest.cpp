// Trees added at each level, extracted again and compared with the source,
// content, times and modes; every archive must satisfy the peer testers.
#include "LibHarness.h"
#include "Peers.h"
#include "TestDir.h"
#include "TreeSnapshot.h"

#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

void buildTree(TestDir &dir)
{
    dir.createFile("src/empty.txt");
    dir.createFile("src/one.bin", "x");
    dir.createFile("src/text.txt", sampleBytes(100000, 3));
    dir.createFile("src/nested/deeper/deepest/file.dat", sampleBytes(70000, 4));
    dir.createFile("src/random.bin", sampleBytes(300000, 5));
    dir.createFile("src/.hidden", "secret");
    dir.createFile("src/.hiddendir/inside.txt", "inside");
    dir.createFile("src/Zürich/naïve ☃.txt", "unicode");
    dir.createFile("src/big-block.dat", std::string(5 << 20, 'a') + sampleBytes(1 << 20, 9));
    dir.createDir("src/empty-folder");
    fs::create_symlink("text.txt", dir / "src/link-to-text");
    fs::permissions(dir / "src/one.bin", fs::perms(0640));
    fs::permissions(dir / "src/text.txt", fs::perms(0755));
    time_t t = 1600000000;
    for (auto &e : fs::recursive_directory_iterator(dir / "src"))
        setTime(e.path(), t += 7);
}

class RoundTripTest : public testing::TestWithParam<int>
{
};

TEST_P(RoundTripTest, TreeSurvivesAddAndExtract)
{
    TestDir dir;
    buildTree(dir);
    std::string archive = (dir / "out.zip").string();
    Recorder addRec;
    const AddRequest add {
        .archive = archive, .specs = { "*.*" }, .level = GetParam(), .recurse = true, .hidden = true
    };
    EXPECT_EQ(runAdd((dir / "src").string(), add, addRec), 16) << addRec.dump();
    EXPECT_TRUE(addRec.errorCodes().empty()) << addRec.dump();
    expectPeersAccept(archive);

    dir.createDir("out");
    Recorder rec;
    EXPECT_EQ(runExtract((dir / "out").string(), { .archive = archive }, rec), 16) << rec.dump();
    EXPECT_TRUE(rec.errorCodes().empty()) << rec.dump();
    const SnapshotOptions o { .followLinks = true, .folderTimes = true };
    EXPECT_EQ(diffTrees(snapshot(dir / "src", o), snapshot(dir / "out", o)), "");

    // What the peers extract is the same tree.
    dir.createDir("peer");
    runOk({ "unzip", "-q", archive, "-d", (dir / "peer").string() });
    EXPECT_EQ(diffTrees(snapshot(dir / "out", o), snapshot(dir / "peer", o)), "");
}

INSTANTIATE_TEST_SUITE_P(Levels, RoundTripTest, testing::Values(0, 1, 6, 9), [](const auto &info) {
    return "Level" + std::to_string(info.param);
});

// Lowers the memory limits of both libraries for one test.
struct SmallLimits
{
    SmallLimits(const char *budget, const char *piece)
    {
        setenv("AMX_BUFFER_BUDGET", budget, 1);
        setenv("AMX_PIECE_SIZE", piece, 1);
    }
    ~SmallLimits()
    {
        unsetenv("AMX_BUFFER_BUDGET");
        unsetenv("AMX_PIECE_SIZE");
    }
};

// Shifts a byte between the first two pieces of the named member's piece map,
// so that the map still adds up but no longer fits the data.
bool skewPieceMap(const std::string &archive, const std::string &name)
{
    std::string z = readFile(archive);
    auto u16 = [&](size_t at) {
        return size_t(uint8_t(z[at]) | uint8_t(z[at + 1]) << 8);
    };
    for (size_t at = z.find("PK\1\2"); at != std::string::npos; at = z.find("PK\1\2", at + 4)) {
        const size_t nameLen = u16(at + 28), extraLen = u16(at + 30);
        if (z.compare(at + 46, nameLen, name) != 0)
            continue;
        for (size_t e = at + 46 + nameLen; e + 4 <= at + 46 + nameLen + extraLen;
             e += 4 + u16(e + 2)) {
            if (u16(e) == 0x6d78 && u16(e + 2) >= 12) {
                ++z[e + 8];
                --z[e + 12];
                writeFile(archive, z);
                return true;
            }
        }
    }
    return false;
}

// Members above the buffer budget are deflated in pieces joined into one
// stream; the sizes around a piece's end, and incompressible pieces between
// compressible ones, must come back whole. What deflate cannot shrink is stored.
TEST(RoundTripTest, MembersInPiecesAroundThePieceSize)
{
    const size_t piece = 4096;
    SmallLimits limits("1024", "4096");
    TestDir dir;
    const std::pair<const char *, std::string> files[] = {
        { "empty", "" },
        { "under", sampleBytes(piece - 1, 1) },
        { "at", sampleBytes(piece, 2) },
        { "over", sampleBytes(piece + 1, 3) },
        { "two", sampleBytes(2 * piece, 4) },
        { "mixed",
            sampleBytes(3 * piece, 5) + randomBytes(piece, 6) + sampleBytes(3 * piece, 7)
                + randomBytes(piece + 700, 8) + sampleBytes(100, 9) },
        { "long", sampleBytes(300000, 10) },
        { "random", randomBytes(5 * piece + 3, 11) },
    };
    for (const auto &[name, data] : files)
        dir.createFile("src/" + std::string(name), data);
    for (int level : { 0, 1, 9 }) {
        SCOPED_TRACE(level);
        std::string archive = (dir / ("l" + std::to_string(level) + ".zip")).string();
        Recorder rec;
        const AddRequest add { .archive = archive, .specs = { "*.*" }, .level = level };
        ASSERT_EQ(runAdd((dir / "src").string(), add, rec), 8) << rec.dump();
        expectPeersAccept(archive);
        for (const PeerMember &m : pythonListing(archive)) {
            if (m.name == "random") {
                EXPECT_EQ(m.packed, m.size);
            }
        }
        fs::path out = dir / ("out" + std::to_string(level));
        dir.createDir(out.filename().string());
        Recorder ext;
        EXPECT_EQ(runExtract(out.string(), { .archive = archive }, ext), 8) << ext.dump();
        for (const auto &[name, data] : files)
            EXPECT_EQ(readFile(out / name), data) << name;
        if (level == 0)
            continue;
        // The pieces were inflated on their own; with a map that does not
        // fit, the member is still read as one stream.
        ASSERT_TRUE(skewPieceMap(archive, "long"));
        fs::remove(out / "long");
        Recorder again;
        const ExtractRequest one { .archive = archive, .specs = { "long" } };
        EXPECT_EQ(runExtract(out.string(), one, again), 1) << again.dump();
        EXPECT_EQ(readFile(out / "long"), files[6].second);
    }
}

// A sparse file over 4 GiB needs ZIP64 sizes; deflating its zeros is quick.
TEST(RoundTripSlowTest, SparseFileOver4GiB)
{
    TestDir dir;
    fs::path big = dir.createFile("src/big.dat");
    {
        int fd = ::open(big.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        const uint64_t size = (4ull << 30) + 12345;
        ASSERT_EQ(::pwrite(fd, "start", 5, 0), 5);
        ASSERT_EQ(::pwrite(fd, "middle", 6, 3ull << 30), 6);
        ASSERT_EQ(::pwrite(fd, "end", 3, size - 3), 3);
        ::close(fd);
    }
    dir.createFile("src/small.txt", "small");
    std::string archive = (dir / "big.zip").string();
    Recorder rec;
    const AddRequest add { .archive = archive, .specs = { "big.dat", "small.txt" }, .level = 1 };
    ASSERT_EQ(runAdd((dir / "src").string(), add, rec), 2) << rec.dump();
    auto listing = pythonListing(archive);
    ASSERT_EQ(listing.size(), 2u);
    EXPECT_EQ(listing[0].size, (4ull << 30) + 12345);
    // New file announced with its full 64-bit size.
    ASSERT_FALSE(rec.events.empty());
    EXPECT_EQ(rec.events.front().size, (4ull << 30) + 12345);
    EXPECT_EQ(run({ "unzip", "-tq", archive }).exitCode, 0);

    dir.createDir("out");
    Recorder ext;
    EXPECT_EQ(runExtract((dir / "out").string(), { .archive = archive }, ext), 2) << ext.dump();
    EXPECT_EQ(diffTrees(snapshot(dir / "src"), snapshot(dir / "out")), "");
}

// More than 65,535 members need the ZIP64 count.
TEST(RoundTripSlowTest, SeventyThousandMembers)
{
    TestDir dir;
    const int count = 70000;
    for (int d = 0; d < 70; ++d) {
        fs::path folder = dir.createDir("src/d" + std::to_string(d));
        for (int i = 0; i < count / 70; ++i)
            writeFile(folder / ("f" + std::to_string(i)), std::to_string(i));
    }
    std::string archive = (dir / "many.zip").string();
    Recorder rec;
    const AddRequest add { .archive = archive, .specs = { "*.*" }, .level = 0, .recurse = true };
    ASSERT_EQ(runAdd((dir / "src").string(), add, rec), count + 70) << rec.dump().substr(0, 2000);
    EXPECT_EQ(pythonListing(archive).size(), size_t(count + 70));
    EXPECT_EQ(run({ "unzip", "-tq", archive }).exitCode, 0);
    EXPECT_EQ(run({ "7z", "t", archive }).exitCode, 0);
    dir.createDir("out");
    Recorder ext;
    EXPECT_EQ(runExtract((dir / "out").string(), { .archive = archive }, ext), count + 70);
    const SnapshotOptions o { .times = false };
    EXPECT_EQ(diffTrees(snapshot(dir / "src", o), snapshot(dir / "out", o)), "");
}

} // namespace
