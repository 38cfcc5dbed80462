#include "History.h"

#include <gtest/gtest.h>

namespace {

History make(std::initializer_list<const char *> items)
{
    History h;
    int i = 0;
    for (const char *s : items)
        h[i++] = s;
    return h;
}

} // namespace

// Moving, pushing and removing are proven through the recent archives
// (ArchiveSessionTest); the look-up's rules here.
TEST(History, LookUp)
{
    History h = make({ "new", "3", "1", "4" });
    EXPECT_EQ(h.indexOf("4"), 3);
    EXPECT_EQ(h.indexOf(""), -1) << "a free entry never matches";
    EXPECT_EQ(h.indexOf("NEW"), -1) << "names compare exactly";
    EXPECT_TRUE(h.anySet());
    EXPECT_FALSE(History().anySet());
}

// The extraction folders and the chosen folders follow the one rule.
TEST(History, Remember)
{
    using Entries = std::array<std::string, History::kSize>;
    const struct
    {
        const char *name;
        Entries before;
        std::string key;
        Entries after;
    } rows[] = {
        { "FirstRun", {}, "/tmp/out", { "/tmp/out", "", "", "", "" } },
        { "SameKeyTwice", { "/a", "/b", "/c", "", "" }, "/a", { "/a", "/b", "/c", "", "" } },
        { "ThirdToFront", { "/a", "/b", "/c", "/d", "/e" }, "/c",
            { "/c", "/a", "/b", "/d", "/e" } },
        { "NewPushesOldestOut", { "/a", "/b", "/c", "/d", "/e" }, "/f",
            { "/f", "/a", "/b", "/c", "/d" } },
        { "FirstGapClosed", { "", "a", "b", "c", "d" }, "D", { "D", "a", "b", "c", "d" } },
        { "MiddleGapClosed", { "a", "", "b", "", "c" }, "D", { "D", "a", "b", "c", "" } },
        { "GapClosedBeforeMove", { "a", "", "b", "c", "" }, "c", { "c", "a", "b", "", "" } },
        { "GapsCloseBeforeAMove", { "", "/1", "", "/2", "/3" }, "/2",
            { "/2", "/1", "/3", "", "" } },
        // Each gap is closed once, front to back: two gaps in a row leave one.
        { "TwoLeadingGaps", { "", "", "c", "d", "e" }, "N", { "N", "", "c", "d", "e" } },
        { "CaseKept", { "/Data", "", "", "", "" }, "/data", { "/data", "/Data", "", "", "" } },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Entries entries = row.before;
        rememberEntry(entries, row.key);
        EXPECT_EQ(entries, row.after);
    }
}
