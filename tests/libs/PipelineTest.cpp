// The worker pool: memory in flight stays bounded, and stopping never waits
// for work not yet started. The round trips prove the order of the results.
#include "Pipeline.h"

#include <gtest/gtest.h>

namespace {

class CountJob : public amx::Job
{
public:
    CountJob(int id, uint64_t weight, std::atomic<int> &runs)
        : id(id)
        , m_weight(weight)
        , m_runs(runs)
    {
    }
    void run(const std::atomic<bool> &stop) override
    {
        while (waitForStop && !stop)
            std::this_thread::yield();
        ++m_runs;
    }
    uint64_t weight() const override { return m_weight; }

    int id;
    bool waitForStop = false;

private:
    uint64_t m_weight;
    std::atomic<int> &m_runs;
};

TEST(PipelineTest, boundsTheWeightInFlight)
{
    std::atomic<int> runs { 0 };
    amx::Pipeline pipeline(2);
    EXPECT_TRUE(pipeline.hasRoom(1ull << 40)); // one job always fits
    pipeline.submit(std::make_unique<CountJob>(0, 40u << 20, runs));
    EXPECT_FALSE(pipeline.hasRoom(30u << 20));
    EXPECT_TRUE(pipeline.hasRoom(24u << 20));
    pipeline.next();
    EXPECT_TRUE(pipeline.hasRoom(64u << 20));
}

TEST(PipelineTest, abortStopsTheRunningJob)
{
    std::atomic<int> runs { 0 };
    amx::Pipeline pipeline(1);
    auto blocker = std::make_unique<CountJob>(9, 0, runs);
    blocker->waitForStop = true;
    pipeline.submit(std::move(blocker));
    pipeline.abort();
    EXPECT_EQ(static_cast<CountJob &>(*pipeline.next()).id, 9);
}

TEST(PipelineTest, destroyingDropsQueuedJobs)
{
    std::atomic<int> runs { 0 };
    {
        amx::Pipeline pipeline(1);
        auto blocker = std::make_unique<CountJob>(9, 0, runs);
        blocker->waitForStop = true;
        pipeline.submit(std::move(blocker));
        for (int i = 0; i < 3; ++i)
            pipeline.submit(std::make_unique<CountJob>(10 + i, 0, runs));
    }
    // The blocker may not have started; the jobs behind it never ran.
    EXPECT_LE(runs, 1);
}

} // namespace
