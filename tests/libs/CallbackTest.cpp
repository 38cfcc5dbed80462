// What the program sees through the callback: a new-file record with the
// size, one step per 32 KiB, an end record, verbose lines, error codes, all
// on the calling thread, and an immediate stop on -1 (the data-safety cases
// cancel at the other records).
#include "LibHarness.h"
#include "Peers.h"
#include "TestDir.h"

#include "Table.h"
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
    // One member's records at a time, in order: a.txt in 3 steps, b.bin in 2, c.txt in none.
    const std::vector<int32_t> expected { 1, 2, 2, 2, 3, 1, 2, 2, 3, 1, 3 };
    for (const Recorder *rec : { &add, &ext }) {
        std::vector<int32_t> actions;
        for (const auto &ev : rec->events)
            if (ev.action >= 1 && ev.action <= 3)
                actions.push_back(ev.action);
        EXPECT_EQ(actions, expected) << rec->dump();
        EXPECT_FALSE(rec->wrongThread);
    }
}

TEST_F(CallbackTest, SilentWithoutVerboseButErrorsAlwaysReported)
{
    Recorder add;
    ASSERT_EQ(
        runAdd(dir.str(), { .archive = archive, .specs = { "a.txt", "missing.txt" } }, add), 1);
    ASSERT_EQ(add.messages().size(), 1u) << add.dump();
    EXPECT_EQ(add.messages()[0], "name not matched: missing.txt");
    EXPECT_EQ(add.errorCodes(), std::vector<int32_t> { 1 });

    Recorder ext;
    EXPECT_EQ(runExtract(dir.str(), { .archive = archive, .specs = { "nope*" } }, ext), 0);
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

TEST_F(CallbackTest, MinusOneAtAnEndStopsAtOnce)
{
    Recorder add, ext;
    ASSERT_EQ(runAdd(dir.str(), { .archive = archive, .specs = { "*.*" } }, add), 3);
    ext.cancelAction = 3;
    ext.cancelAt = 1;
    EXPECT_EQ(runExtract(dir.createDir("out").string(), { .archive = archive }, ext), 0);
    EXPECT_FALSE(ext.calledAfterCancel) << ext.dump();
}

} // namespace
