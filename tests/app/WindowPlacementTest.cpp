// Where the main window comes back: stored frames against a screen area.

#include "WindowPlacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, StoredFramesComeBackUsable)
{
    const QRect area(0, 0, 1920, 1040);
    struct Row
    {
        const char *name;
        QRect stored, placed;
    };
    const Row rows[] = {
        { "inside stays", { 100, 80, 600, 400 }, { 100, 80, 600, 400 } },
        { "too small grows", { 100, 80, 200, 100 }, { 100, 80, 359, 200 } },
        { "too large shrinks", { 0, 0, 3000, 2000 }, { 0, 0, 1920, 1040 } },
        { "another monitor comes to the centre", { 2500, 100, 600, 400 }, { 660, 320, 600, 400 } },
        { "over the right edge moves in", { 1700, 100, 600, 400 }, { 1320, 100, 600, 400 } },
        { "above the top moves down", { 100, -5, 600, 400 }, { 100, 0, 600, 400 } },
    };
    for (const Row &row : rows)
        EXPECT_EQ(placedIn(row.stored, { 359, 200 }, &area), row.placed) << row.name;
    EXPECT_EQ(placedIn({ 5000, 5000, 10, 10 }, { 359, 200 }, nullptr), QRect(5000, 5000, 359, 200))
        << "no screen: only the minimum holds";
    EXPECT_EQ(centredIn({ 0, 40, 1920, 1000 }, { 600, 400 }), QPoint(660, 340));
    EXPECT_EQ(defaultColumnWidths(600), (std::array { 100, 110, 65, 40, 65, 200 }));
    // A larger font widens Modified and Ratio, never narrows them; Path gives way.
    EXPECT_EQ(defaultColumnWidths(600, 125, 45), (std::array { 100, 125, 65, 45, 65, 180 }));
    EXPECT_EQ(defaultColumnWidths(600, 90, 30), defaultColumnWidths(600));
}
