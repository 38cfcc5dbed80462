// What the program sees through the callback: a new-file record with the
// size, one step per 32 KiB, an end record, verbose lines, error codes, all
// on the calling thread, and an immediate stop on -1.
#include "LibHarness.h"
#include "tests/support/Peers.h"
#include "tests/support/TestDir.h"

#include "tests/support/Table.h"
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

using Names = std::vector<std::string>;

class CallbackTest : public testing::Test
{
protected:
    void SetUp() override
    {
        dir.createFile("a.txt", sampleBytes(100000, 1)); // 3 steps
        dir.createFile("b.bin", std::string(65536, 'b')); // 2 steps
        dir.createFile("c.txt", "tiny"); // none
        archive = (dir / "cb.zip").string();
    }
    TestDir dir;
    std::string archive;
};

TEST_F(CallbackTest, AddAndExtractReportEachMember)
{
    dir.createDir("out");
    Recorder add, ext;
    const AddRequest r {
        .archive = archive, .specs = { "a.txt", "b.bin", "c.txt" }, .verbose = true
    };
    ASSERT_EQ(runAdd(dir.str(), r, add), 3) << add.dump();
    ASSERT_EQ(runExtract((dir / "out").string(), { .archive = archive, .verbose = true }, ext), 3)
        << ext.dump();
    EXPECT_EQ(add.events[0].size, 100000u);
    EXPECT_EQ(add.events[0].text, "a.txt");
    EXPECT_TRUE(add.hasMessage("  adding: a.txt (deflated ")) << add.dump();
    EXPECT_TRUE(ext.hasMessage("  inflating: a.txt")) << ext.dump();
    for (const Recorder *rec : { &add, &ext }) {
        EXPECT_EQ(rec->count(1), 3);
        EXPECT_EQ(rec->count(2), 5);
        EXPECT_EQ(rec->count(3), 3);
        EXPECT_FALSE(rec->wrongThread);
        // Records of one member are not interleaved with another's.
        int open = 0;
        for (const auto &ev : rec->events) {
            if (ev.action == 1)
                EXPECT_EQ(open++, 0);
            if (ev.action == 2)
                EXPECT_EQ(open, 1);
            if (ev.action == 3)
                EXPECT_EQ(open--, 1);
        }
    }
}

TEST_F(CallbackTest, SilentWithoutVerboseButErrorsAlwaysReported)
{
    CurrentDir cd(dir.str());
    Recorder add;
    ASSERT_EQ(runAdd({ .archive = archive, .specs = { "a.txt", "missing.txt" } }, add), 1);
    ASSERT_EQ(add.messages().size(), 1u) << add.dump();
    EXPECT_EQ(add.messages()[0], "name not matched: missing.txt");
    EXPECT_EQ(add.errorCodes(), std::vector<int32_t> { 1 });

    Recorder ext;
    EXPECT_EQ(runExtract({ .archive = archive, .specs = { "nope*" } }, ext), 0);
    EXPECT_EQ(ext.errorCodes(), std::vector<int32_t> { 1 });
}

// A caller may change the current folder inside a callback (another window
// extracting meanwhile): relative paths still start where the call began.
TEST_F(CallbackTest, FolderChangedInCallbackRedirectsNothing)
{
    dir.createFile("other/a.txt", "other a");
    dir.createFile("other/c.txt", "other c");
    const std::string other = (dir / "other").string();
    auto wander = [&](const CallbackEvent &) {
        ASSERT_EQ(::chdir(other.c_str()), 0);
    };
    Recorder add;
    add.onEvent = wander;
    const AddRequest move { .archive = "cb.zip", .specs = { "*.*" }, .move = true };
    ASSERT_EQ(runAdd(dir.str(), move, add), 3) << add.dump();
    EXPECT_EQ(sortedNames(archive), (Names { "a.txt", "b.bin", "c.txt" }));
    for (const char *moved : { "a.txt", "b.bin", "c.txt" })
        EXPECT_FALSE(fs::exists(dir / moved)) << moved;
    EXPECT_EQ(listing(dir / "other"), (Names { "a.txt", "c.txt" }));
    EXPECT_EQ(readFile(dir / "other/a.txt"), "other a");

    Recorder ext;
    ext.onEvent = wander;
    dir.createDir("out");
    const ExtractRequest extract { .archive = "../cb.zip", .overwrite = true };
    ASSERT_EQ(runExtract((dir / "out").string(), extract, ext), 3) << ext.dump();
    EXPECT_EQ(listing(dir / "out"), (Names { "a.txt", "b.bin", "c.txt" }));
    EXPECT_EQ(readFile(dir / "other/a.txt"), "other a");
}

TEST_F(CallbackTest, MinusOneStopsAtOnce)
{
    Recorder add;
    ASSERT_EQ(runAdd(dir.str(), { .archive = archive, .specs = { "*.*" } }, add), 3);
    for (const auto &[action, at] : { std::pair { 1, 1 }, { 2, 2 }, { 3, 1 } }) {
        const fs::path out = dir.createDir("out" + std::to_string(action));
        Recorder ext;
        ext.cancelAction = action;
        ext.cancelAt = at;
        EXPECT_EQ(runExtract(out.string(), { .archive = archive }, ext), 0) << action;
        EXPECT_FALSE(ext.calledAfterCancel) << ext.dump();
    }
}

} // namespace
