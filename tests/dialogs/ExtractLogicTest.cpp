// The Extract dialog's decisions that need no window.

#include "dialogs/ExtractLogic.h"
#include "tests/support/TestDir.h"

#include "tests/support/Table.h"
#include <gtest/gtest.h>

using namespace amxtest;

namespace {

std::vector<ExtractRow> sampleRows()
{
    return { { "a.txt", 100, false }, { "docs/b.txt", 2000, true },
        { "docs/c d.txt", 30000, false }, { "src/Main.C", 400000, true } };
}

} // namespace

TEST(ExtractRadios, SelectedFilesOnlyWithASelection)
{
    EXPECT_EQ(initialRadios(1).checked, ExtractWhat::Selected);
    EXPECT_TRUE(initialRadios(2).selectedEnabled);
    EXPECT_EQ(initialRadios(0).checked, ExtractWhat::All);
    EXPECT_FALSE(initialRadios(0).selectedEnabled);
}

// Selected rows in row order as stored, one wildcard for all, the typed text unchanged.
TEST(ExtractSpecs, ByWhatIsExtracted)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(
        extractSpecs(ExtractWhat::Selected, sampleRows(), "x"), (V { "docs/b.txt", "src/Main.C" }));
    EXPECT_EQ(extractSpecs(ExtractWhat::All, sampleRows(), "x"), V { "*.*" });
    EXPECT_EQ(extractSpecs(ExtractWhat::Files, sampleRows(), " docs/*.txt"), V { " docs/*.txt" });
    EXPECT_EQ(extractSpecs(ExtractWhat::Files, sampleRows(), ""), V { "" });
}

TEST(ExtractTotal, SelectedRowsOrEveryRow)
{
    EXPECT_EQ(extractTotal(ExtractWhat::Selected, sampleRows()), 402000);
    EXPECT_EQ(extractTotal(ExtractWhat::All, sampleRows()), 432100);
    // A typed specification counts every row: which ones match is the library's business.
    EXPECT_EQ(extractTotal(ExtractWhat::Files, sampleRows()), 432100);
    EXPECT_EQ(extractTotal(ExtractWhat::All, {}), 0);
    const std::vector<ExtractRow> big { { "big1", 3000000000ull, true },
        { "big2", 3000000000ull, true } };
    EXPECT_EQ(extractTotal(ExtractWhat::Selected, big), 6000000000ll);
}

struct HistoryCase
{
    const char *name;
    ExtractHistory before;
    std::string folder;
    ExtractHistory after;
};
AMX_ROW_PRINTS_NAME(HistoryCase)

class ExtractHistoryUpdate : public testing::TestWithParam<HistoryCase>
{
};

TEST_P(ExtractHistoryUpdate, Update)
{
    ExtractHistory history = GetParam().before;
    updateExtractHistory(history, GetParam().folder);
    EXPECT_EQ(history, GetParam().after);
}

const HistoryCase kHistoryCases[] = {
    { "FirstRun", {}, "/tmp/out", { "/tmp/out", "", "", "", "" } },
    { "SameFolderTwice", { "/a", "/b", "/c", "", "" }, "/a", { "/a", "/b", "/c", "", "" } },
    { "ThirdToFront", { "/a", "/b", "/c", "/d", "/e" }, "/c", { "/c", "/a", "/b", "/d", "/e" } },
    { "LastToFront", { "/a", "/b", "/c", "/d", "/e" }, "/e", { "/e", "/a", "/b", "/c", "/d" } },
    { "NewPushesOldestOut", { "/a", "/b", "/c", "/d", "/e" }, "/f",
        { "/f", "/a", "/b", "/c", "/d" } },
    { "FirstGapClosed", { "", "a", "b", "c", "d" }, "D", { "D", "a", "b", "c", "d" } },
    { "MiddleGapClosed", { "a", "", "b", "", "c" }, "D", { "D", "a", "b", "c", "" } },
    { "GapClosedBeforeMove", { "a", "", "b", "c", "" }, "c", { "c", "a", "b", "", "" } },
    // Each gap is closed once, front to back: two gaps in a row leave one.
    { "TwoLeadingGaps", { "", "", "c", "d", "e" }, "N", { "N", "", "c", "d", "e" } },
    { "RootKeepsItsSeparator", { "/a", "", "", "", "" }, "/", { "/", "/a", "", "", "" } },
    { "CaseKept", { "/Data", "", "", "", "" }, "/data", { "/data", "/Data", "", "", "" } },
};

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractHistoryUpdate, testing::ValuesIn(kHistoryCases), amxtest::RowName());

struct RunFolderCase
{
    const char *name;
    std::string typed;
    std::string folder;
};
AMX_ROW_PRINTS_NAME(RunFolderCase)

class ExtractRunFolder : public testing::TestWithParam<RunFolderCase>
{
};

TEST_P(ExtractRunFolder, Folder)
{
    EXPECT_EQ(runFolder(GetParam().typed, "/work/here"), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtractRunFolder,
    testing::Values(RunFolderCase { "Root", "/", "/" }, RunFolderCase { "RootTwice", "//", "/" },
        RunFolderCase { "TrailingSeparatorGoes", "/tmp/Temp/", "/tmp/Temp" },
        RunFolderCase { "NoSeparator", "/tmp/Temp", "/tmp/Temp" },
        RunFolderCase { "LeadingBlanksGo", "   /tmp/x", "/tmp/x" },
        RunFolderCase { "TrailingBlanksStay", "/tmp/x ", "/tmp/x " },
        RunFolderCase { "RelativeMadeAbsolute", "out/Sub/", "/work/here/out/Sub" },
        RunFolderCase { "Empty", "  ", "" }),
    amxtest::RowName());

TEST(ExtractDestination, ExistingFolderOnly)
{
    TestDir dir;
    dir.createDir("Out Dir");
    dir.createFile("file.txt", "x");
    EXPECT_TRUE(destinationValid(dir.str()));
    EXPECT_TRUE(destinationValid("  " + (dir / "Out Dir").string()));
    EXPECT_TRUE(destinationValid((dir / "Out Dir").string() + "/"));
    EXPECT_FALSE(destinationValid((dir / "file.txt").string()));
    EXPECT_FALSE(destinationValid((dir / "missing").string()));
    EXPECT_FALSE(destinationValid((dir / "out dir").string())); // case counts
    EXPECT_FALSE(destinationValid(""));
    EXPECT_FALSE(destinationValid("   "));
}

TEST(ExtractLocate, NearestExistingParent)
{
    TestDir dir;
    dir.createDir("a/b");
    const std::string a = (dir / "a").string();
    EXPECT_EQ(nearestExistingFolder(a + "/b"), a + "/b");
    EXPECT_EQ(nearestExistingFolder(a + "/nosuchdir/deeper"), a);
    EXPECT_EQ(nearestExistingFolder(a + "/b/nosuch/"), a + "/b");
    EXPECT_EQ(nearestExistingFolder("/no-such-top-folder-of-ambermox/x"), "/");
}

TEST(ExtractLocate, StepsOutermostFirst)
{
    EXPECT_EQ(locateSteps("/"), (std::vector<std::string> { "/" }));
    EXPECT_EQ(locateSteps("/usr"), (std::vector<std::string> { "/", "/usr" }));
    EXPECT_EQ(locateSteps("/usr/share/Doc"),
        (std::vector<std::string> { "/", "/usr", "/usr/share", "/usr/share/Doc" }));
    EXPECT_TRUE(locateSteps("relative/x").empty());
    EXPECT_TRUE(locateSteps("").empty());
}

TEST(ExtractLocate, TreeFolderIsAbsoluteAndClean)
{
    EXPECT_EQ(treeFolder("/usr/share/", "/x"), "/usr/share");
    EXPECT_EQ(treeFolder("/usr//share/./doc/..", "/x"), "/usr/share");
    EXPECT_EQ(treeFolder("  sub/Dir", "/work"), "/work/sub/Dir");
    EXPECT_EQ(treeFolder("/", "/x"), "/");
    EXPECT_EQ(treeFolder("", "/x"), "");
}
