// The store between the library's thread and the window: every line in
// order however the takes fall, and progress that only rises and ends at
// the total.

#include "OperationFeed.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(OperationFeedTest, LinesFromAnotherThreadArriveAllAndInOrder)
{
    constexpr int kLines = 200000;
    OperationFeed feed;
    feed.begin(0);
    std::atomic<bool> done = false;
    std::thread library([&] {
        for (int i = 0; i < kLines; ++i) {
            feed.progress(ProgressType::ProgressNewFile, "f" + std::to_string(i), 1, 0);
            // Every seventh a failure; 17 (cancelled) is only information.
            feed.message(i % 7 == 0 ? 11 : i % 7 == 1 ? 17 : 0, "line " + std::to_string(i));
            feed.progress(ProgressType::ProgressEnd, " ", 0, 0);
        }
        done = true;
    });
    std::vector<std::string> got;
    int failures = 0, takes = 0;
    std::string firstFailure;
    for (bool last = false; !last;) {
        last = done; // one more take after the thread has finished
        OperationFeed::Batch batch = feed.take();
        ++takes;
        for (size_t i = 0; i < batch.lines.size(); ++i)
            got.emplace_back(batch.lines.at(i));
        if (failures == 0 && batch.failures > 0)
            firstFailure = batch.firstFailure;
        failures += batch.failures;
        EXPECT_LE(batch.membersDone, kLines);
    }
    library.join();
    ASSERT_EQ(got.size(), size_t(kLines));
    for (int i = 0; i < kLines; ++i)
        ASSERT_EQ(got[size_t(i)], "line " + std::to_string(i));
    EXPECT_EQ(failures, (kLines + 6) / 7);
    EXPECT_EQ(firstFailure, "line 0");
    EXPECT_GT(takes, 1);
}

TEST(OperationFeedTest, AMessageOfSeveralLinesIsThoseLines)
{
    OperationFeed feed;
    feed.message(0, "first\nsecond\n");
    const OperationFeed::Batch batch = feed.take();
    ASSERT_EQ(batch.lines.size(), size_t(3));
    EXPECT_TRUE(
        batch.lines.at(0) == "first" && batch.lines.at(1) == "second" && batch.lines.at(2).empty());
}

// Members as the libraries report them: a new file with its size, a step
// per 32 KiB inside it, its end.
struct ProgressCase
{
    const char *name;
    std::vector<int64_t> sizes;
    int extraSteps = 0; // after each member's own: a file that grew
    bool withEnds = true;
    // Each end moves the share done by a percent and says so. Before a member
    // counted at its end, a bar of small members stood at zero until the last.
    bool everyEndMoves = false;
};

const ProgressCase kProgressCases[] = {
    { "ManySmallMembers", std::vector<int64_t>(500, 700) },
    { "LargeAndSmall", { 5 * 32768 + 3, 10, 0, 70000, 1 } },
    { "OnlyEmptyMembers", { 0, 0, 0 } },
    { "StepsBeyondTheSize", { 100000, 40000 }, 4 },
    { "EndsMissing", { 40000, 40000, 70000 }, 0, false },
    { "MembersOfAPercentEach", std::vector<int64_t>(100, 1000), 0, true, true },
};

TEST(OperationFeedTest, ProgressOnlyRisesAndReachesTheTotal)
{
    for (const ProgressCase &c : kProgressCases) {
        SCOPED_TRACE(c.name);
        int64_t total = 0;
        for (int64_t size : c.sizes)
            total += size;
        OperationFeed feed;
        feed.begin(total);
        StatusBarCounter bar;
        bar.begin(total);
        ExtractGauge gauge;
        gauge.start(total);
        int64_t lastDone = 0;
        auto look = [&] {
            const OperationFeed::Batch batch = feed.take();
            EXPECT_GE(batch.doneBytes, lastDone);
            EXPECT_LE(batch.doneBytes, total);
            lastDone = batch.doneBytes;
            bar.advanceTo(batch.doneBytes, batch.membersDone);
            gauge.advanceTo(batch.doneBytes, batch.membersDone);
        };
        for (int64_t size : c.sizes) {
            feed.progress(ProgressType::ProgressNewFile, "m", size, 0);
            for (int64_t s = 0; s < size / kProgressStepBytes + c.extraSteps; ++s) {
                feed.progress(ProgressType::ProgressStep, " ", 0, 0);
                look();
            }
            if (c.withEnds) {
                const bool moved = feed.progress(ProgressType::ProgressEnd, " ", 0, 0);
                EXPECT_TRUE(moved || !c.everyEndMoves);
            }
            look();
        }
        // Without ends, a member counts whole once the next one begins; the
        // last one only by its steps.
        if (c.withEnds) {
            EXPECT_EQ(lastDone, total);
            EXPECT_EQ(bar.position(), bar.maximum());
            EXPECT_EQ(gauge.percent(), 100);
        } else {
            EXPECT_TRUE(lastDone >= total - c.sizes.back() && lastDone < total);
        }
    }
}

} // namespace
