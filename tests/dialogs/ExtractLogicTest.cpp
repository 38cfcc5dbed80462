// The Extract dialog's and the check-out's decisions that need no window.

#include "ExtractLogic.h"
#include "CheckOutLogic.h"
#include "Peers.h"
#include "TestDir.h"

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
    EXPECT_TRUE(
        initialRadios(2).checked == ExtractWhat::Selected && initialRadios(2).selectedEnabled);
    EXPECT_TRUE(initialRadios(0).checked == ExtractWhat::All && !initialRadios(0).selectedEnabled);
}

// One wildcard for all, the typed text unchanged; the selected rows in list
// order are the Extract window's test.
TEST(ExtractSpecs, ByWhatIsExtracted)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(extractSpecs(ExtractWhat::All, sampleRows(), "x"), V { "*.*" });
    EXPECT_EQ(extractSpecs(ExtractWhat::Files, sampleRows(), " docs/*.txt"), V { " docs/*.txt" });
    EXPECT_EQ(extractSpecs(ExtractWhat::Files, sampleRows(), ""), V { "" });
}

TEST(ExtractTotal, SelectedRowsOrEveryRow)
{
    EXPECT_EQ(extractTotal(ExtractWhat::All, sampleRows()), 432100);
    // A typed specification counts every row: which ones match is the library's business.
    EXPECT_EQ(extractTotal(ExtractWhat::Files, sampleRows()), 432100);
    const std::vector<ExtractRow> big { { "big1", 3000000000ull, true },
        { "big2", 3000000000ull, true } };
    EXPECT_EQ(extractTotal(ExtractWhat::Selected, big), 6000000000ll);
}

TEST(ExtractRunFolder, Folder)
{
    const struct
    {
        const char *name, *typed, *folder;
    } rows[] = {
        { "Root", "/", "/" },
        { "RootTwice", "//", "/" },
        { "TrailingSeparatorGoes", "/tmp/Temp/", "/tmp/Temp" },
        { "LeadingBlanksGo", "   /tmp/x", "/tmp/x" },
        { "TrailingBlanksStay", "/tmp/x ", "/tmp/x " },
        { "RelativeMadeAbsolute", "out/Sub/", "/work/here/out/Sub" },
        { "Empty", "  ", "" },
    };
    for (const auto &row : rows)
        EXPECT_EQ(runFolder(row.typed, "/work/here"), row.folder) << row.name;
}

TEST(ExtractDestination, ExistingFolderOnly)
{
    TestDir dir;
    dir.createDir("Out Dir");
    dir.createFile("file.txt", "x");
    const std::string d = dir.str() + "/";
    // Case counts.
    using V = std::vector<std::string>;
    for (const std::string &valid : V { d, "  " + d + "Out Dir", d + "Out Dir/" })
        EXPECT_TRUE(destinationValid(valid)) << valid;
    for (const std::string &invalid : V { d + "file.txt", d + "missing", d + "out dir", "", "   " })
        EXPECT_FALSE(destinationValid(invalid)) << invalid;
}

TEST(ExtractLocate, NearestExistingParent)
{
    TestDir dir;
    dir.createDir("a/b");
    const std::string a = (dir / "a").string();
    EXPECT_EQ(nearestExistingFolder(a + "/b/nosuch/"), a + "/b");
    EXPECT_EQ(nearestExistingFolder("/no-such-top-folder-of-ambermox/x"), "/");
}

TEST(ExtractLocate, StepsOutermostFirst)
{
    EXPECT_EQ(locateSteps("/"), (std::vector<std::string> { "/" }));
    EXPECT_EQ(locateSteps("/usr/share/Doc"),
        (std::vector<std::string> { "/", "/usr", "/usr/share", "/usr/share/Doc" }));
    EXPECT_TRUE(locateSteps("relative/x").empty() && locateSteps("").empty());
}

TEST(ExtractLocate, TreeFolderIsAbsoluteAndClean)
{
    EXPECT_EQ(treeFolder("/usr/share/", "/x"), "/usr/share");
    EXPECT_EQ(treeFolder("/usr//share/./doc/..", "/x"), "/usr/share");
    EXPECT_EQ(treeFolder("  sub/Dir", "/work"), "/work/sub/Dir");
    EXPECT_TRUE((treeFolder("/", "/x")) == "/" && (treeFolder("", "/x")) == "");
}

// ---- the check-out: its proposals, its choice of members, the entries'
// names and the program group it writes.

TEST(CheckOutLogic, ProposedFolderAndGroup)
{
    // The usual proposal is the dialog's test.
    EXPECT_EQ(archiveBaseName("/downloads/plain"), "plain");
    EXPECT_EQ(proposedCheckOutFolder("setup.old", "/", false, "/home/u"), "/setup.old");
    // A read-only archive, or a root nobody may write: the home folder.
    EXPECT_EQ(proposedCheckOutFolder("s", "/media/cd/", true, "/home/u"), "/home/u/s");
}

TEST(CheckOutLogic, ProgramsAndDocuments)
{
    struct Row
    {
        const char *name;
        bool executable;
        bool wanted;
    };
    const Row rows[] = { { "readme.txt", false, true }, { "logo.bmp", false, false },
        { "SETUP.EXE", false, true }, { "install.sh", false, true }, { "guide.pdf", false, true },
        { "index.html", false, true }, { "letter.odt", false, true }, { "tool", true, true },
        { "tool", false, false }, { "notes.txt.bak", false, false } };
    for (const Row &row : rows)
        EXPECT_EQ(isProgramOrDocument(row.name, row.executable), row.wanted) << row.name;
}

TEST(CheckOutLogic, MaximumIcons)
{
    EXPECT_TRUE(parseMaxIcons("") == 0 && parseMaxIcons("50") == 50 && !parseMaxIcons("5x"));
    EXPECT_FALSE(parseMaxIcons("-1"));
}

TEST(CheckOutLogic, EntriesNamedWithoutReplacingEachOther)
{
    const std::vector<std::string> members = { "a/setup.exe", "setup.hlp", "b/setup.exe", "README",
        "c/setup.exe", "logo.bmp", "docs/" };
    const auto notExecutable = [](const std::string &) {
        return false;
    };
    const auto names = [&](bool programsOnly, int most) {
        std::vector<std::string> out;
        for (const GroupEntry &e :
            groupEntries(members, "/x/app", programsOnly, most, notExecutable))
            out.push_back(e.fileName + " " + e.target);
        return out;
    };
    const std::vector<std::string> programs = names(true, 0);
    EXPECT_EQ(programs,
        (std::vector<std::string> { "setup.desktop /x/app/a/setup.exe",
            "setup.hlp.desktop /x/app/setup.hlp", "setup.exe.desktop /x/app/b/setup.exe",
            "setup.exe (2).desktop /x/app/c/setup.exe" }));
    // Every member, at most three of them.
    EXPECT_EQ(names(false, 3), std::vector<std::string>(programs.begin(), programs.begin() + 3));
}

TEST(CheckOutLogic, GroupWrittenAndReused)
{
    TestDir dir;
    const std::string group = (dir / "apps/My App").string();
    const auto icon = [](const std::string &) {
        return std::string("text-plain");
    };
    writeProgramGroup(group, { { "old.desktop", "/x/old", "old" } }, icon);
    dir.createFile(
        "apps/My App/mine.desktop", "[Desktop Entry]\nType=Link\nName=m\nURL=file:///m\n");

    // The second run reuses the folder and replaces only what a check-out wrote.
    const std::vector<GroupEntry> entries = { { "read me.desktop", "/x/My App/read me.txt",
        "read me.txt" } };
    writeProgramGroup(group, entries, icon);
    EXPECT_FALSE(std::filesystem::exists(dir / "apps/My App/old.desktop"));
    EXPECT_TRUE(std::filesystem::exists(dir / "apps/My App/mine.desktop"));
    const std::string text = readFile(dir / "apps/My App/read me.desktop");
    EXPECT_NE(text.find("URL=file:///x/My%20App/read%20me.txt\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Name=read me.txt\n"), std::string::npos) << text;
    const RunResult check =
        run({ "desktop-file-validate", (dir / "apps/My App/read me.desktop").string() });
    EXPECT_EQ(check.exitCode, 0) << check.out;
}
