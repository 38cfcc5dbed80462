// The callback as the recording library drives it: events per action code,
// the trimming of messages, the cancel answer, and calls made from handlers.

#include "RecordingFixture.h"

#include "Table.h"
#include <stdexcept>

using namespace amxtest;

namespace {

// Event handlers that write down what they got, as text.
class CallbackTest : public RecordingTest
{
protected:
    void SetUp() override
    {
        RecordingTest::SetUp();
        engine.setZipFilename(archive("+a.zip"));
        engine.OnProgress = [this](TZipEngine &sender, ProgressType type, const std::string &name,
                                int64_t size) {
            EXPECT_EQ(&sender, &engine);
            event("progress " + std::to_string(static_cast<int>(type)) + " [" + name + "] "
                + std::to_string(size));
        };
        engine.OnMessage = [this](TZipEngine &sender, int32_t code, const std::string &text) {
            EXPECT_EQ(&sender, &engine);
            event("message " + std::to_string(code) + " [" + text + "]");
        };
    }

    void event(const std::string &text)
    {
        events.push_back(text);
        if (static_cast<int>(events.size()) == cancelOnEvent)
            engine.CancelRequested = true;
    }

    std::vector<std::string> answers()
    {
        const auto recorded = calls();
        EXPECT_EQ(recorded.size(), 1u);
        return recorded.empty() ? std::vector<std::string>() : recorded[0].all("answer");
    }

    std::vector<std::string> events;
    int cancelOnEvent = 0; // a handler asks to cancel on this event (1-based)
};

enum Handlers { Both, MessageOnly, None };

struct EventCase
{
    const char *name;
    const char *script;
    std::vector<std::string> events;
    std::vector<std::string> answers;
    Op op = Op::Add;
    int cancelOnEvent = 0;
    Handlers handlers = Both;
};
AMX_ROW_PRINTS_NAME(EventCase)

const EventCase kEventCases[] = {
    { "NewFile", "cb 1 0 1234 0 dir/file.txt", { "progress 0 [dir/file.txt] 1234" }, { "0" } },
    { "NewFileOver4GiB", "cb 1 0 -2 1 big.bin", { "progress 0 [big.bin] 8589934590" }, { "0" } },
    { "NewFileEmptyName", "cb 1 0 0 0", { "progress 0 [] 0" }, { "0" } },
    { "StepAndEndIgnoreTheRecord", "cb 2 7 99 3 junk\ncb 3 7 99 3 junk",
        { "progress 1 [ ] 0", "progress 2 [ ] 0" }, { "0", "0" } },
    // The library's line ends are dropped, but only at the last two positions.
    { "Message",
        "cb 4 5 0 0 disk full\\r\\n\ncb 4 0 0 0 abc\\nX\ncb 4 0 0 0 a\\nbc\ncb 4 0 0 0 x\\r\\ny",
        { "message 5 [disk full]", "message 0 [abc]", "message 0 [a\nbc]", "message 0 [x\r]" },
        { "0", "0", "0", "0" } },
    { "MessageNegativeCode", "cb 4 -3 77 0 odd", { "message -3 [odd]" }, { "0" } },
    { "WaitForAnotherWriter", "cb 6 0 0 0 /d/a.zip", { "progress 3 [/d/a.zip] 0" }, { "0" } },
    { "UnknownActionsRaiseNothing",
        "cb 8 1 2 3 eight\ncb 0 0 0 0 zero\ncb -1 0 0 0 x\ncb 99 0 0 0 y", {},
        { "0", "0", "0", "0" } },
    { "ForeignCallerIsIgnored", "foreign", {}, { "0" } },
    { "NoHandlers", "cb 1 0 1 0 a\ncb 2 0 0 0\ncb 3 0 0 0\ncb 4 0 0 0 m", {},
        { "0", "0", "0", "0" }, Op::Add, 0, None },
    // Cancelled from a handler, the library is asked to stop at once.
    { "HandlerCancels", "cb 2 0 0 0\ncb 2 0 0 0\ncb 2 0 0 0",
        { "progress 1 [ ] 0", "progress 1 [ ] 0" }, { "0", "-1" }, Op::Add, 2 },
    // Asked by every kind of record, also without a progress handler.
    { "CancelAnsweredToEveryRecord",
        "nostop\ncb 2 0 0 0\ncb 4 0 0 0 stop please\ncb 1 0 1 0 a\ncb 2 0 0 0\ncb 5 0 0 0",
        { "message 0 [stop please]" }, { "0", "-1", "-1", "-1", "-1" }, Op::Extract, 1,
        MessageOnly },
};

class CallbackEventTest : public CallbackTest, public ::testing::WithParamInterface<EventCase>
{
};

TEST_P(CallbackEventTest, EventsAndAnswers)
{
    const EventCase &c = GetParam();
    script(c.script);
    cancelOnEvent = c.cancelOnEvent;
    if (c.handlers != Both)
        engine.OnProgress = nullptr;
    if (c.handlers == None)
        engine.OnMessage = nullptr;
    engine.CancelRequested = true; // from before the operation: cleared at its start
    engine.FSpecArgs = { "a" };
    run(engine, c.op);
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(answers(), c.answers);
    EXPECT_FALSE(engine.CancelRequested) << "cleared at the end";
}

INSTANTIATE_TEST_SUITE_P(
    Table, CallbackEventTest, ::testing::ValuesIn(kEventCases), amxtest::RowName());

// A caller with a limit stops waiting for another writer once it has passed,
// with a notice naming the archive.
TEST_F(CallbackTest, WaitForAnotherWriterEndsAtTheLimit)
{
    script("return 0\ncb 6 0 0 0 a.zip\nsleep 1100\ncb 6 0 0 0 a.zip\ncb 6 0 0 0 a.zip");
    engine.WriterWaitSeconds = 1;
    engine.FSpecArgs = { "a" };
    run(engine, Op::Add);
    EXPECT_EQ(events, std::vector<std::string>(2, "progress 3 [a.zip] 0"));
    EXPECT_EQ(answers(), (std::vector<std::string> { "0", "-1" }));
    EXPECT_EQ(notices.texts,
        std::vector<std::string> {
            "Another program is still writing a.zip; gave up after 1 second." });
    EXPECT_EQ(engine.SuccessCount, 0);
}

// --- Calls from handlers ---

struct ReentryCase
{
    const char *name;
    Op outer;
    Op inner;
    size_t calls;
};
AMX_ROW_PRINTS_NAME(ReentryCase)

const ReentryCase kReentryCases[] = {
    { "AddDuringAdd", Op::Add, Op::Add, 1 },
    // The two libraries have busy flags of their own.
    { "ExtractDuringAdd", Op::Add, Op::Extract, 2 },
};

class ReentryTest : public CallbackTest, public ::testing::WithParamInterface<ReentryCase>
{
};

TEST_P(ReentryTest, SameLibraryDoesNothing)
{
    const ReentryCase &c = GetParam();
    bool busyInside = false;
    engine.OnProgress = [&](TZipEngine &e, ProgressType, const std::string &, int64_t) {
        busyInside = c.outer == Op::Extract ? e.UnzipLibBusy : e.ZipLibBusy;
        run(e, c.inner);
    };
    script("cb 1 0 1 0 a");
    engine.FSpecArgs = { "a", "b" };
    run(engine, c.outer);
    EXPECT_TRUE(busyInside);
    EXPECT_EQ(calls().size(), c.calls);
    EXPECT_TRUE(notices.texts.empty());
    EXPECT_EQ(engine.SuccessCount, 2) << "the outer call's count";
    EXPECT_FALSE(engine.ZipLibBusy);
    EXPECT_FALSE(engine.UnzipLibBusy);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReentryTest, ::testing::ValuesIn(kReentryCases), amxtest::RowName());

TEST_F(CallbackTest, HandlerExceptionStopsTheLibraryAndReachesTheCaller)
{
    int progress = 0;
    engine.OnProgress = [&](TZipEngine &, ProgressType, const std::string &, int64_t) {
        ++progress;
        throw std::runtime_error("handler failed");
    };
    script("nostop\ncb 1 0 1 0 a\ncb 2 0 0 0\ncb 4 0 0 0 late");
    engine.FSpecArgs = { "a" };
    try {
        engine.Add();
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error &e) {
        EXPECT_STREQ(e.what(), "handler failed");
    }
    EXPECT_EQ(progress, 1);
    EXPECT_EQ(events, std::vector<std::string>()) << "no event after the failure";
    EXPECT_EQ(answers(), std::vector<std::string>({ "-1", "-1", "-1" }));
    EXPECT_TRUE(notices.texts.empty());
    EXPECT_FALSE(engine.ZipLibBusy);
    EXPECT_FALSE(engine.CancelRequested);
    EXPECT_TRUE(engine.FSpecArgs.empty());
}

} // namespace
