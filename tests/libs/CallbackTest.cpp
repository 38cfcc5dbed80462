// What the program sees through the callback: a new-file record with the
// size, one step per 32 KiB, an end record, verbose lines, error codes, all
// on the calling thread, and an immediate stop on -1 (the data-safety cases
// cancel at the other records). And the request interface: exact names, the
// request's folder, the result, and requests of older and newer callers.
#include "LibHarness.h"
#include "Peers.h"
#include "TestDir.h"

#include "AmxRequest.h"
#include "Table.h"
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
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

// Through the request an add tells the bytes it will write before its first
// file, and they are what its files' records add up to: a folder holds
// nothing, whatever its listing takes on disk.
TEST_F(CallbackTest, AddTellsItsTotalBeforeTheFirstFile)
{
    dir.createFile("sub/d.txt", "ddd");
    const int folder = ::open(dir.str().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    Recorder rec;
    const RunOutcome added = runRequest({ AMX_OP_ADD, folder, "cb.zip", { { "a.txt" }, { "sub" } },
                                            AMX_FLAG_RECURSE | AMX_FLAG_DIR_NAMES },
        rec);
    ::close(folder);
    ASSERT_EQ(added.done, 3) << rec.dump();
    std::optional<uint64_t> told;
    uint64_t files = 0;
    bool started = false;
    for (const CallbackEvent &e : rec.events) {
        if (e.action == AMX_ACTION_TOTAL && !started)
            told = e.size;
        if (e.action == AMX_ACTION_NEW_FILE) {
            started = true;
            files += e.size;
        }
    }
    EXPECT_EQ(files, 100003u) << rec.dump();
    EXPECT_EQ(told, std::optional<uint64_t>(100003u)) << rec.dump();
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

// Names a shell glob would read: each exact name is the one member of that name.
class RequestTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const std::string &name : stored)
            dir.createFile("src/" + name, name);
        src = ::open((dir / "src").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(src, 0);
        std::vector<RequestName> exact;
        for (const std::string &name : stored)
            exact.push_back({ name });
        Recorder rec;
        const RunOutcome added = runRequest(
            { AMX_OP_ADD, src, "../n.zip", exact, AMX_FLAG_DIR_NAMES | AMX_FLAG_VERBOSE }, rec);
        ASSERT_EQ(added.status, AMX_RUN_DONE);
        ASSERT_EQ(added.done, 4) << rec.dump();
        ASSERT_EQ(sortedNames((dir / "n.zip").string()), stored);
    }
    void TearDown() override { ::close(src); }
    const Names stored { "a*b", "a?b", "a\\b", "axb" };
    TestDir dir;
    int src = -1;
};

struct SelectRow
{
    const char *name;
    std::vector<RequestName> names;
    Names extracted;
};
AMX_ROW_PRINTS_NAME(SelectRow)

class SelectTest : public RequestTest, public testing::WithParamInterface<SelectRow>
{
};

// The members a request selects, as its new-file events name them.
TEST_P(SelectTest, ExactNamesNeedNoEscaping)
{
    const SelectRow &row = GetParam();
    Recorder rec;
    const RunOutcome r = runRequest({ AMX_OP_TEST, src, "../n.zip", row.names }, rec);
    Names tested;
    for (const CallbackEvent &e : rec.events)
        if (e.action == AMX_ACTION_NEW_FILE)
            tested.push_back(e.text);
    EXPECT_EQ(tested, row.extracted) << rec.dump();
    EXPECT_EQ(r.done, int32_t(row.extracted.size()));
    EXPECT_EQ(r.failed, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, SelectTest,
    testing::Values(SelectRow { "Star", { { "a*b" } }, { "a*b" } },
        SelectRow { "Question", { { "a?b" } }, { "a?b" } },
        SelectRow { "Backslash", { { "a\\b" } }, { "a\\b" } },
        SelectRow { "Pattern", { { "a*b", true } }, { "a*b", "a?b", "a\\b", "axb" } },
        SelectRow { "EscapedPattern", { { "a\\?b", true } }, { "a?b" } },
        SelectRow { "Both", { { "a?b" }, { "ax*", true } }, { "a?b", "axb" } }),
    amxtest::RowName());

// The result counts what was done, kept and failed, each message naming its member.
TEST_F(RequestTest, ResultCountsAndSubjects)
{
    const int base = ::open(dir.str().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    Recorder first, again, del;
    EXPECT_EQ(runRequest({ AMX_OP_EXTRACT, base, "n.zip", { { "axb" } } }, first).done, 1);
    const RunOutcome kept =
        runRequest({ AMX_OP_EXTRACT, base, "n.zip", { { "axb" }, { "nope" } } }, again);
    EXPECT_EQ(kept.done, 0);
    EXPECT_EQ(kept.skipped, 1);
    EXPECT_EQ(kept.failed, 1);
    Names subjects;
    for (const CallbackEvent &e : again.events)
        if (e.action == AMX_ACTION_MESSAGE)
            subjects.push_back(e.subject);
    EXPECT_EQ(subjects, (Names { "nope", "axb" })) << again.dump();
    const RunOutcome deleted = runRequest({ AMX_OP_DELETE, base, "n.zip", { { "a?b" } } }, del);
    EXPECT_EQ(deleted.done, 1) << del.dump();
    EXPECT_EQ(sortedNames((dir / "n.zip").string()), (Names { "a*b", "a\\b", "axb" }));
    Recorder missing;
    EXPECT_EQ(runRequest({ AMX_OP_TEST, base, "gone.zip" }, missing).error, AMX_ERROR_ARCHIVE_OPEN);
    ::close(base);
}

struct GrowthRow
{
    const char *name;
    RunRequest request;
    int32_t status;
};
AMX_ROW_PRINTS_NAME(GrowthRow)

class GrowthTest : public RequestTest, public testing::WithParamInterface<GrowthRow>
{
};

// An older caller's shorter request still runs; a newer caller's longer one
// runs only while what this version does not know is left zero.
TEST_P(GrowthTest, SizeFlagsAndOperation)
{
    RunRequest request = GetParam().request;
    request.folder = src;
    request.archive = "../n.zip";
    Recorder rec;
    const RunOutcome r = runRequest(request, rec);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.done, r.status == AMX_RUN_DONE ? 4 : 0) << rec.dump();
    if (r.status != AMX_RUN_DONE) {
        EXPECT_TRUE(rec.events.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, GrowthTest,
    testing::Values(GrowthRow { "Own", { AMX_OP_TEST }, AMX_RUN_DONE },
        GrowthRow { "Older", { .operation = AMX_OP_TEST, .statedSize = AMX_REQUEST_MIN_SIZE },
            AMX_RUN_DONE },
        GrowthRow { "NewerZeroed",
            { .operation = AMX_OP_TEST, .statedSize = sizeof(AmxRequest) + 8 }, AMX_RUN_DONE },
        GrowthRow { "NewerAsking",
            { .operation = AMX_OP_TEST, .statedSize = sizeof(AmxRequest) + 8, .tail = 1 },
            AMX_RUN_INVALID },
        GrowthRow { "TooShort", { .operation = AMX_OP_TEST, .statedSize = 8 }, AMX_RUN_INVALID },
        GrowthRow {
            "UnknownFlag", { .operation = AMX_OP_TEST, .flags = 1u << 30 }, AMX_RUN_INVALID },
        GrowthRow { "UnknownOperation", { 7 }, AMX_RUN_UNSUPPORTED },
        GrowthRow {
            "UnknownEncryption", { .operation = AMX_OP_TEST, .encryption = 3 }, AMX_RUN_INVALID }),
    amxtest::RowName());

} // namespace
