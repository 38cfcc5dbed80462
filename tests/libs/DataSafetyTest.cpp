// Cancels, write errors, a killed process and a second writer never cost
// data: the original archive stays byte for byte, no temporary is left, a
// file that extraction would replace survives a cancel or a bad member, and
// two writers of one archive both keep their changes.
#include "LibHarness.h"
#include "Peers.h"
#include "TestDir.h"

#include "AmxBlocks.h"
#include "Table.h"
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

// Runs fn in a child process and returns its exit status.
template <class Fn> int inChild(Fn fn)
{
    pid_t pid = fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = fn();
        } catch (...) {
        }
        _exit(code);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

enum class Stop { Cancel, FullDisk, Kill };

struct StopCase
{
    const char *name;
    Stop how;
    int32_t action = 0; // cancel or kill on this callback action
    int at = 0;
    int level = 0;
};
AMX_ROW_PRINTS_NAME(StopCase)

class StoppedAddTest : public testing::TestWithParam<StopCase>
{
};

TEST_P(StoppedAddTest, LeavesArchiveAndSourcesAlone)
{
    const StopCase &c = GetParam();
    // An archive of two members, and larger files to move into it.
    TestDir dir;
    const std::string archive = (dir / "keep.zip").string();
    dir.createFile("old1.txt", sampleBytes(5000, 1));
    dir.createFile("old2.txt", sampleBytes(5000, 2));
    runOk({ "zip", "-q", archive, "old1.txt", "old2.txt" }, dir.str());
    dir.createFile("new/big1.bin", sampleBytes(3 << 20, 3));
    dir.createFile("new/big2.bin", sampleBytes(20 << 20, 4)); // streamed
    const std::string original = readFile(archive);
    const auto before = listing(dir.path());
    const int status = inChild([&] {
        if (c.how == Stop::FullDisk) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { 1 << 20, 1 << 20 };
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        Recorder rec;
        (c.how == Stop::Kill ? rec.killAction : rec.cancelAction) = c.action;
        (c.how == Stop::Kill ? rec.killAt : rec.cancelAt) = c.at;
        const AddRequest add {
            .archive = archive, .specs = { "new" }, .level = c.level, .recurse = true, .move = true
        };
        const int32_t n = runAdd(dir.str(), add, rec);
        const auto codes = rec.errorCodes();
        // A write error must be reported, and nothing counted.
        const bool ok = n == 0 && !rec.calledAfterCancel
            && (c.how != Stop::FullDisk || std::count(codes.begin(), codes.end(), 14) > 0);
        if (!ok)
            std::fprintf(stderr, "%d\n%s", n, rec.dump().c_str());
        return ok ? 0 : 1;
    });
    if (c.how == Stop::Kill) {
        ASSERT_TRUE(WIFSIGNALED(status)) << "the add ended before the kill";
    } else {
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(readFile(archive), original);
    EXPECT_EQ(listing(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Moments, StoppedAddTest,
    testing::Values(StopCase { "CancelFirstFile", Stop::Cancel, 1, 1 },
        StopCase { "CancelSmallFileSteps", Stop::Cancel, 2, 5 },
        StopCase { "CancelStreamedFile", Stop::Cancel, 2, 200 },
        StopCase { "CancelStreamedDeflated", Stop::Cancel, 2, 300, 6 },
        StopCase { "CancelLastEnd", Stop::Cancel, 3, 3 }, StopCase { "FullDisk", Stop::FullDisk },
        StopCase { "Killed", Stop::Kill, 2, 150 }),
    amxtest::RowName());

// An archive path that is not a regular file, or a protected archive, is
// refused before anything is read or written.
enum class Op { Add, Delete, Extract };

struct ArchivePathCase
{
    const char *name;
    bool fifo; // else a read-only archive (mode 0444)
    Op op;
    int expectedCount;
    int expectedError;
};
AMX_ROW_PRINTS_NAME(ArchivePathCase)

class ArchivePathTest : public testing::TestWithParam<ArchivePathCase>
{
};

TEST_P(ArchivePathTest, RefusedAndLeftAlone)
{
    const ArchivePathCase &c = GetParam();
    TestDir dir;
    dir.createFile("f.txt", "f");
    dir.createDir("out");
    const std::string archive = (dir / "a.zip").string();
    if (c.fifo) {
        ASSERT_EQ(::mkfifo(archive.c_str(), 0644), 0);
    } else {
        runOk({ "zip", "-q", archive, "f.txt" }, dir.str());
        fs::permissions(
            archive, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    const std::string original = c.fifo ? "" : readFile(archive);
    const auto before = listing(dir.path());
    int status = inChild([&] {
        alarm(60); // opening a FIFO to read would wait here for a writer
        Recorder rec;
        int32_t n = c.op == Op::Add
            ? runAdd(dir.str(), { .archive = archive, .specs = { "f.txt" } }, rec)
            : c.op == Op::Delete ? runDelete(archive, { "f.txt" }, rec)
                                 : runExtract((dir / "out").string(), { .archive = archive }, rec);
        const auto codes = rec.errorCodes();
        const bool ok = n == c.expectedCount && codes.size() == (c.expectedError ? 1u : 0u)
            && (codes.empty() || codes[0] == c.expectedError);
        if (!ok)
            std::fprintf(stderr, "%d\n%s", n, rec.dump().c_str());
        return ok ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status)) << "the call did not return";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    if (c.fifo) {
        EXPECT_EQ(fs::status(archive).type(), fs::file_type::fifo);
    } else {
        EXPECT_EQ(readFile(archive), original);
    }
    if (c.expectedCount == 0) {
        EXPECT_EQ(listing(dir.path()), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ArchivePathTest,
    testing::Values(ArchivePathCase { "FifoAdd", true, Op::Add, 0, 24 },
        ArchivePathCase { "FifoDelete", true, Op::Delete, 0, 24 },
        ArchivePathCase { "FifoExtract", true, Op::Extract, 0, 24 },
        ArchivePathCase { "ReadOnlyAdd", false, Op::Add, 0, 25 },
        ArchivePathCase { "ReadOnlyDelete", false, Op::Delete, 0, 25 },
        ArchivePathCase { "ReadOnlyExtract", false, Op::Extract, 1, 0 }),
    amxtest::RowName());

struct ExtractSafetyCase
{
    const char *name;
    size_t size;
    int32_t cancelAction; // 0: two members damaged instead
    int cancelAt = 0;
    bool ours = false; // written by this library: large members in pieces
    bool mixed = false; // text and incompressible parts: inflated on all cores
};
AMX_ROW_PRINTS_NAME(ExtractSafetyCase)

class ExtractSafetyTest : public testing::TestWithParam<ExtractSafetyCase>
{
};

TEST_P(ExtractSafetyTest, ReplacedFileSurvives)
{
    const auto &c = GetParam();
    TestDir dir;
    std::string data(c.size, 'd');
    if (c.mixed)
        for (size_t at = 0; at < c.size; at += 4 << 20)
            data.replace(at, 1 << 20, randomBytes(1 << 20, unsigned(at >> 20)));
    dir.createFile("src/data.bin", data);
    dir.createFile("src/fresh.bin", std::string(c.size, 'f'));
    std::string archive = (dir / "a.zip").string();
    if (c.ours) {
        Recorder add;
        const AddRequest request { .archive = archive, .specs = { "*.*" }, .level = 6 };
        ASSERT_EQ(runAdd((dir / "src").string(), request, add), 2) << add.dump();
    } else {
        runOk({ "zip", "-q", c.cancelAction ? "-6" : "-0", archive, "data.bin", "fresh.bin" },
            (dir / "src").string());
    }
    if (!c.cancelAction) {
        std::string bytes = readFile(archive);
        for (const char *data : { "ddddd", "fffff" })
            bytes[bytes.find(data) + 1000] = 'X';
        writeFile(archive, bytes);
    }
    dir.createFile("out/data.bin", "precious");
    Recorder rec;
    rec.cancelAction = c.cancelAction;
    rec.cancelAt = c.cancelAt;
    const ExtractRequest extract { .archive = archive, .overwrite = true };
    EXPECT_EQ(runExtract((dir / "out").string(), extract, rec), 0) << rec.dump();
    EXPECT_FALSE(rec.calledAfterCancel) << rec.dump();
    EXPECT_EQ(readFile(dir / "out/data.bin"), "precious");
    // A new file whose check failed, or that was cut short, is not left behind.
    EXPECT_EQ(listing(dir / "out"), (std::vector<std::string> { "data.bin" })) << rec.dump();
    const auto codes = rec.errorCodes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 7), c.cancelAction ? 0 : 2) << rec.dump();
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtractSafetyTest,
    testing::Values(ExtractSafetyCase { "CrcErrorSmall", 100000, 0 },
        ExtractSafetyCase { "CrcErrorStreamed", 20 << 20, 0 },
        // Small members are written ahead on other cores: the cancel answered
        // to the first one's report still keeps every file as it was.
        ExtractSafetyCase { "CancelAtTheFirstReport", 100000, 1, 1 },
        ExtractSafetyCase { "CancelStreamed", 40 << 20, 2, 10 },
        ExtractSafetyCase { "CancelInPieces", 40 << 20, 2, 10, true },
        ExtractSafetyCase { "CancelOnAllCores", 40 << 20, 2, 10, false, true }),
    amxtest::RowName());

struct WritersCase
{
    const char *name;
    std::vector<std::string> other; // the second writer's arguments
    std::vector<std::string> members;
};
AMX_ROW_PRINTS_NAME(WritersCase)

class TwoWritersTest : public testing::TestWithParam<WritersCase>
{
};

// The second writer starts while the first is inside its rewrite, having
// read the old directory: it waits, then starts from the first one's archive.
TEST_P(TwoWritersTest, BothChangesStay)
{
    const WritersCase &c = GetParam();
    TestDir dir;
    dir.createFile("old1.txt", "1");
    dir.createFile("old2.txt", "2");
    runOk({ "zip", "-q", "keep.zip", "old1.txt", "old2.txt" }, dir.str());
    dir.createFile("big.bin", sampleBytes(1 << 20));
    dir.createFile("b.txt", "b");
    std::unique_ptr<Started> other;
    bool waited = false;
    Recorder rec;
    rec.onEvent = [&](const CallbackEvent &e) {
        if (e.action == AMX_ACTION_NEW_FILE && !other) {
            std::vector<std::string> argv { std::string(AMX_BIN_DIR) + "/ambermox" };
            argv.insert(argv.end(), c.other.begin(), c.other.end());
            other = std::make_unique<Started>(argv, dir.str());
            waited = other->waitFor("waiting for another program to finish writing");
        }
    };
    const std::string archive = (dir / "keep.zip").string();
    const int32_t added = runAdd(dir.str(), { .archive = archive, .specs = { "big.bin" } }, rec);
    ASSERT_TRUE(other);
    RunResult second = other->finish();
    EXPECT_TRUE(waited) << second.out;
    EXPECT_EQ(added, 1) << rec.dump();
    EXPECT_EQ(second.exitCode, 0) << second.out;
    EXPECT_EQ(sortedNames(archive), c.members);
    expectPeersAccept(archive);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwoWritersTest,
    testing::Values(WritersCase { "AddDuringAdd", { "-a", "keep.zip", "b.txt" },
                        { "b.txt", "big.bin", "old1.txt", "old2.txt" } },
        WritersCase {
            "DeleteDuringAdd", { "--delete", "keep.zip", "old1.txt" }, { "big.bin", "old2.txt" } }),
    amxtest::RowName());

// A writer that waits for another and is cancelled leaves everything as it
// was, also when it would have made the archive.
TEST(WaitingWriterTest, CancelLeavesTheArchiveAlone)
{
    for (const bool exists : { true, false }) {
        SCOPED_TRACE(exists ? "existing archive" : "new archive");
        TestDir dir;
        dir.createFile("f.txt", "f");
        const std::string archive = (dir / "a.zip").string();
        if (exists)
            runOk({ "zip", "-q", archive, "f.txt" }, dir.str());
        const std::string original = exists ? readFile(archive) : "";
        // Held as another writer holds it: the archive, or the folder it would appear in.
        const int held = ::open(exists ? archive.c_str() : dir.str().c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        Recorder rec;
        rec.cancelAction = AMX_ACTION_WAIT;
        rec.cancelAt = 3;
        const AddRequest add { .archive = archive, .specs = { "f.txt" }, .level = 0 };
        EXPECT_EQ(runAdd(dir.str(), add, rec), 0) << rec.dump();
        ::close(held);
        ASSERT_EQ(rec.events.size(), 3u) << rec.dump();
        EXPECT_EQ(rec.events[0].text, archive);
        EXPECT_EQ(fs::exists(archive), exists);
        EXPECT_EQ(exists ? readFile(archive) : "", original);
        EXPECT_EQ(listing(dir.path()).size(), exists ? 2u : 1u) << "no temporary left";
    }
}

} // namespace
