// The tips, the start-up rule and the temporary folder as shown and stored.

#include "ConfigurationLogic.h"
#include "Tips.h"

#include <gtest/gtest.h>

TEST(Tips, NextWrapsAfterTheLast)
{
    int tip = 1;
    for (int i = 0; i < 10; ++i)
        tip = nextTip(tip, 11);
    EXPECT_TRUE(tip == 11 && (nextTip(tip, 11)) == 1);
}

TEST(Tips, ShownAtStart)
{
    struct Row
    {
        int setting;
        bool archiveNamed;
        bool shown;
    };
    const Row rows[] = { { 0, false, true }, { 0, true, true }, { 1, false, true },
        { 1, true, false }, { 2, false, false }, { -1, false, false } };
    for (const Row &r : rows)
        EXPECT_EQ(showTipAtStart(r.setting, r.archiveNamed), r.shown)
            << r.setting << " " << r.archiveNamed;
}

TEST(Configuration, TempFolderShownAndStored)
{
    // The usual ones, and an emptied one, are the configuration window's test.
    EXPECT_TRUE(shownTempFolder("/") == "/" && (storedTempFolder("/d/tmp/", "/old/")) == "/d/tmp/");
}
