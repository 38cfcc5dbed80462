// Cancels, write errors and a killed process never cost data: the original
// archive stays byte for byte, no temporary is left, and a file that
// extraction would replace survives a cancel or a bad member.
#include "LibHarness.h"
#include "tests/support/Peers.h"
#include "tests/support/TestDir.h"

#include "tests/support/Table.h"
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

std::vector<std::string> listing(const fs::path &dir)
{
    std::vector<std::string> names;
    for (auto &e : fs::recursive_directory_iterator(dir))
        names.push_back(e.path().lexically_relative(dir).string());
    std::sort(names.begin(), names.end());
    return names;
}

// A folder with an archive of two members and a larger file to add to it.
struct AddSetup
{
    TestDir dir;
    std::string archive = (dir / "keep.zip").string();
    std::string original;
    std::vector<std::string> before;

    AddSetup()
    {
        dir.createFile("old1.txt", sampleBytes(5000, 1));
        dir.createFile("old2.txt", sampleBytes(5000, 2));
        runOk({ "zip", "-q", archive, "old1.txt", "old2.txt" }, dir.str());
        dir.createFile("new/big1.bin", sampleBytes(3 << 20, 3));
        dir.createFile("new/big2.bin", sampleBytes(20 << 20, 4)); // streamed
        original = readFile(archive);
        before = listing(dir.path());
    }
    AddRequest request() const
    {
        return {
            .archive = archive, .specs = { "new" }, .level = 0, .recurse = true, .move = true
        };
    }
    void expectUnchanged()
    {
        EXPECT_EQ(readFile(archive), original);
        EXPECT_EQ(listing(dir.path()), before);
    }
};

struct CancelCase
{
    const char *name;
    int32_t action;
    int at;
    int level = 0;
};
AMX_ROW_PRINTS_NAME(CancelCase)

class CancelAddTest : public testing::TestWithParam<CancelCase>
{
};

TEST_P(CancelAddTest, LeavesArchiveAndSourcesAlone)
{
    AddSetup s;
    Recorder rec;
    rec.cancelAction = GetParam().action;
    rec.cancelAt = GetParam().at;
    AddRequest add = s.request();
    add.level = GetParam().level;
    EXPECT_EQ(runAdd(s.dir.str(), add, rec), 0);
    EXPECT_FALSE(rec.calledAfterCancel) << rec.dump();
    s.expectUnchanged();
}

INSTANTIATE_TEST_SUITE_P(Moments, CancelAddTest,
    testing::Values(CancelCase { "FirstFile", 1, 1 }, CancelCase { "SmallFileSteps", 2, 5 },
        CancelCase { "StreamedFile", 2, 200 }, CancelCase { "StreamedDeflated", 2, 300, 6 },
        CancelCase { "LastEnd", 3, 3 }),
    amxtest::RowName());

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

TEST(DataSafetyTest, FullDiskLeavesArchiveUnchanged)
{
    AddSetup s;
    CurrentDir cd(s.dir.str());
    int status = inChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit lim
        {
        };
        lim.rlim_cur = lim.rlim_max = 1 << 20;
        setrlimit(RLIMIT_FSIZE, &lim);
        Recorder rec;
        int32_t n = runAdd(s.request(), rec);
        auto codes = rec.errorCodes();
        bool reported = std::find(codes.begin(), codes.end(), 14) != codes.end();
        return n == 0 && reported ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write error must be reported and nothing counted";
    s.expectUnchanged();
}

TEST(DataSafetyTest, KilledProcessLeavesArchiveUnchanged)
{
    AddSetup s;
    CurrentDir cd(s.dir.str());
    int status = inChild([&] {
        Recorder rec;
        rec.killAction = 2;
        rec.killAt = 150;
        runAdd(s.request(), rec);
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << "the add ended before the kill";
    s.expectUnchanged();
}

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
        auto codes = rec.errorCodes();
        bool ok = n == c.expectedCount
            && codes
                == (c.expectedError ? std::vector<int32_t> { c.expectedError }
                                    : std::vector<int32_t> {});
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
    bool corrupt; // else cancelled
    size_t size;
};
AMX_ROW_PRINTS_NAME(ExtractSafetyCase)

class ExtractSafetyTest : public testing::TestWithParam<ExtractSafetyCase>
{
};

TEST_P(ExtractSafetyTest, ReplacedFileSurvives)
{
    const auto &c = GetParam();
    TestDir dir;
    dir.createFile("src/data.bin", std::string(c.size, 'd'));
    dir.createFile("src/fresh.bin", std::string(c.size, 'f'));
    std::string archive = (dir / "a.zip").string();
    if (c.corrupt)
        runOk({ "zip", "-q", "-0", archive, "data.bin", "fresh.bin" }, (dir / "src").string());
    else
        runOk({ "zip", "-q", archive, "data.bin", "fresh.bin" }, (dir / "src").string());
    if (c.corrupt) {
        std::string bytes = readFile(archive);
        auto at = bytes.find("ddddd");
        bytes[at + 1000] = 'X';
        at = bytes.find("fffff");
        bytes[at + 1000] = 'X';
        writeFile(archive, bytes);
    }
    dir.createFile("out/data.bin", "precious");
    Recorder rec;
    if (!c.corrupt) {
        rec.cancelAction = 2;
        rec.cancelAt = 10;
    }
    const ExtractRequest extract { .archive = archive, .overwrite = true };
    EXPECT_EQ(runExtract((dir / "out").string(), extract, rec), 0) << rec.dump();
    EXPECT_EQ(readFile(dir / "out/data.bin"), "precious");
    // A new file whose check failed, or that was cut short, is not left behind.
    EXPECT_EQ(listing(dir / "out"), (std::vector<std::string> { "data.bin" })) << rec.dump();
    if (c.corrupt) {
        auto codes = rec.errorCodes();
        EXPECT_EQ(std::count(codes.begin(), codes.end(), 7), 2) << rec.dump();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtractSafetyTest,
    testing::Values(ExtractSafetyCase { "CrcErrorSmall", true, 100000 },
        ExtractSafetyCase { "CrcErrorStreamed", true, 20 << 20 },
        ExtractSafetyCase { "CancelStreamed", false, 40 << 20 }),
    amxtest::RowName());

} // namespace
