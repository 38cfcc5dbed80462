// The arithmetic of the status-line bar, the shell-extract gauge and the
// placement of the output window.

#include "ProgressCounters.h"
#include "MsgUnit.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct BarCase
{
    const char *name;
    int64_t total;
    int steps;
    int maximum;
    int position;
};

const BarCase kBarCases[] = {
    // A maximum of 0 would draw a busy bar instead of an empty one.
    { "EmptyOperation", 0, 3, 1, 1 },
    { "BelowOneUnit", 32767, 5, 1, 1 },
    { "MoreStepsThanUnits", 3 * 32768 + 5, 10, 3, 3 },
    { "FewerStepsThanUnits", 10 * 32768, 4, 10, 4 },
    { "Beyond32Bits", int64_t(1) << 40, 2, 1 << 25, 2 },
    { "NegativeTotal", -70000, 2, 1, 1 },
};

TEST(StatusBarCounterTest, CountsUnitsUpToTheMaximum)
{
    for (const BarCase &c : kBarCases) {
        SCOPED_TRACE(c.name);
        StatusBarCounter bar;
        bar.begin(c.total);
        EXPECT_TRUE(bar.maximum() == c.maximum && bar.position() == 0);
        int last = 0;
        for (int i = 0; i < c.steps; ++i) {
            const bool moved = bar.step();
            EXPECT_EQ(moved, bar.position() == last + 1);
            EXPECT_LE(bar.position(), bar.maximum());
            last = bar.position();
        }
        EXPECT_EQ(bar.position(), c.position);
        bar.begin(c.total); // starts again from zero
        EXPECT_EQ(bar.position(), 0);
    }
}

TEST(StatusBarCounter, SmallOperationFillsAtTheMembersEnd)
{
    StatusBarCounter bar;
    bar.begin(100); // a member too small for a step
    EXPECT_TRUE(bar.batchEnd() && bar.position() == bar.maximum());
    bar.begin(4 * 32768); // counted by steps only
    EXPECT_TRUE(!bar.batchEnd() && bar.position() == 0);
}

struct GaugeCase
{
    const char *name;
    int64_t total;
    int steps;
    int last; // the percentage after the steps
};

const GaugeCase kGaugeCases[] = {
    { "OneSmallFile", 100, 1, 100 },
    { "RoundsDown", 3 * 32768, 1, 33 },
    { "MoreStepsThanTheTotal", 5 * 32768, 50, 100 },
    { "Largest32BitTotalHalf", INT32_MAX, 32768, 50 },
    { "Beyond32Bits", int64_t(6) << 32, 3 * 65536, 25 },
    { "ZeroTotalShowsDoneAtOnce", 0, 1, 100 },
};

TEST(ExtractGaugeTest, RisesStepByStepAndNeverPasses100)
{
    for (const GaugeCase &c : kGaugeCases) {
        SCOPED_TRACE(c.name);
        ExtractGauge gauge;
        gauge.start(c.total);
        EXPECT_EQ(gauge.percent(), 0);
        int previous = 0;
        for (int i = 0; i < c.steps; ++i) {
            const int shown = gauge.step();
            EXPECT_GE(shown, previous) << "step " << i;
            EXPECT_LE(shown, 100) << "step " << i;
            previous = shown;
        }
        EXPECT_EQ(gauge.percent(), c.last);
        EXPECT_EQ(gauge.done(), int64_t(c.steps) * kProgressStepBytes);
        gauge.start(c.total); // starts again from zero
        EXPECT_TRUE(gauge.percent() == 0 && gauge.done() == 0);
    }
}

TEST(ExtractGauge, BatchEndKeepsTheProgressOfATotal)
{
    ExtractGauge gauge;
    gauge.start(10 * 32768);
    gauge.step();
    EXPECT_EQ(gauge.batchEnd(), 10); // an empty total's 100 is the window's test
}

struct PlaceCase
{
    const char *name;
    QRect owner;
    QSize own;
    QPoint expected;
};

const QSize kScreen(1280, 800);

const PlaceCase kPlaceCases[] = {
    { "Centred", QRect(100, 100, 600, 400), QSize(200, 100), QPoint(300, 250) },
    { "NegativeBecomesZero", QRect(-300, -200, 200, 100), QSize(300, 200), QPoint(0, 0) },
    { "PastTheRightEdge", QRect(1100, 100, 300, 200), QSize(400, 100), QPoint(880, 150) },
    { "PastTheBottom", QRect(100, 700, 300, 200), QSize(100, 300), QPoint(200, 500) },
    { "LargerThanTheScreen", QRect(0, 0, 100, 100), QSize(1500, 900), QPoint(-220, -100) },
};

TEST(CentredOverTest, KeepsTheWindowOnScreen)
{
    for (const PlaceCase &c : kPlaceCases) {
        SCOPED_TRACE(c.name);
        const QPoint at = centredOver(c.owner, c.own, kScreen);
        EXPECT_EQ(at, c.expected) << at.x() << "," << at.y();
    }
}

} // namespace
