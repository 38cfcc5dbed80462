// The Extract dialog's and the check-out's decisions that need no window.

#include "ExtractLogic.h"
#include "CheckOutLogic.h"
#include "EngineError.h"
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

TEST(ExtractLocate, NearestParentStepsAndTreeFolder)
{
    TestDir dir;
    dir.createDir("a/b");
    const std::string a = (dir / "a").string();
    EXPECT_EQ(nearestExistingFolder(a + "/b/nosuch/"), a + "/b");
    EXPECT_EQ(nearestExistingFolder("/no-such-top-folder-of-ambermox/x"), "/");
    // The steps outermost first; the tree's folder absolute and clean.
    EXPECT_EQ(locateSteps("/"), (std::vector<std::string> { "/" }));
    EXPECT_EQ(locateSteps("/usr/share/Doc"),
        (std::vector<std::string> { "/", "/usr", "/usr/share", "/usr/share/Doc" }));
    EXPECT_TRUE(locateSteps("relative/x").empty() && locateSteps("").empty());
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
    // Names that leave no base: never the home or applications folder itself.
    for (const char *name : { "/h/.zip", "/h/..zip", "/h/...zip", "/h/." }) {
        EXPECT_EQ(archiveBaseName(name), "archive") << name;
        EXPECT_EQ(
            proposedCheckOutFolder(archiveBaseName(name), "/", true, "/home/u"), "/home/u/archive");
    }
    EXPECT_EQ(archiveBaseName("/h/.config.zip"), ".config");
}

TEST(CheckOutLogic, FolderAndGroupRefused)
{
    for (const char *folder : { "", "out", "./out", "~/out" })
        EXPECT_FALSE(checkOutFolderProblem(folder).empty()) << folder;
    EXPECT_TRUE(checkOutFolderProblem("/tmp/out").empty());
    for (const char *group : { "", "/", ".", "./", "..", "../x", "a/../../b" })
        EXPECT_FALSE(groupNameProblem(group).empty()) << group;
    for (const char *group : { "My App", "Games/Tools", "a..b" })
        EXPECT_TRUE(groupNameProblem(group).empty()) << group;
}

// As the extraction library writes them: the launchers must point there.
TEST(CheckOutLogic, ExtractedPath)
{
    const std::pair<const char *, const char *> rows[] = { { "a/b.txt", "a/b.txt" },
        { "../../escape.txt", "escape.txt" }, { "/abs/y.txt", "abs/y.txt" },
        { "C:\\dir\\x.txt", "dir/x.txt" }, { "./a/../b.txt", "a/b.txt" }, { "a//b/./c", "a/b/c" } };
    for (const auto &[member, path] : rows)
        EXPECT_EQ(extractedPath(member), path) << member;
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
        "c/setup.exe", "logo.bmp", "docs/", ".profile.txt", "gone.txt" };
    // gone.txt was not extracted.
    const auto kindOf = [](const std::string &target) {
        return target.ends_with("gone.txt") ? TargetKind::Missing : TargetKind::Plain;
    };
    const auto names = [&](bool programsOnly, int most) {
        std::vector<std::string> out;
        for (const GroupEntry &e : groupEntries(members, "/x/app", programsOnly, most, kindOf))
            out.push_back(e.stem + " " + e.target);
        return out;
    };
    const std::vector<std::string> programs = names(true, 0);
    EXPECT_EQ(programs,
        (std::vector<std::string> { "setup /x/app/a/setup.exe", "setup.hlp /x/app/setup.hlp",
            "setup.exe /x/app/b/setup.exe", "setup.exe (2) /x/app/c/setup.exe",
            "profile /x/app/.profile.txt" }));
    // Every member, at most three of them.
    EXPECT_EQ(names(false, 3), std::vector<std::string>(programs.begin(), programs.begin() + 3));
}

namespace {

std::string textIcon(const std::string &)
{
    return "text-plain";
}

} // namespace

TEST(CheckOutLogic, GroupWrittenAndReused)
{
    TestDir dir;
    const std::string apps = (dir / "apps").string();
    writeProgramGroup(apps, "My App", { { "old", "/x/old", "old" } }, textIcon);
    dir.createFile(
        "apps/My App/mine.desktop", "[Desktop Entry]\nType=Link\nName=m\nURL=file:///m\n");

    // The second run reuses the folder and replaces only what a check-out wrote.
    const std::vector<GroupEntry> entries = { { "read me", "/x/My App/read me.txt",
        "read me.txt" } };
    EXPECT_TRUE(writeProgramGroup(apps, "My App", entries, textIcon).empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "apps/My App/old.desktop"));
    EXPECT_TRUE(std::filesystem::exists(dir / "apps/My App/mine.desktop"));
    const std::string text = readFile(dir / "apps/My App/read me.desktop");
    EXPECT_NE(text.find("URL=file:///x/My%20App/read%20me.txt\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Name=read me.txt\n"), std::string::npos) << text;
    const RunResult check =
        run({ "desktop-file-validate", (dir / "apps/My App/read me.desktop").string() });
    EXPECT_EQ(check.exitCode, 0) << check.out;
}

// The user's files survive a check-out into a group that holds them, links
// at the entries' names are not written through, and one entry that cannot
// be written leaves the others.
TEST(CheckOutLogic, GroupNeverReplacesTheUsersFiles)
{
    TestDir dir;
    const std::string apps = (dir / "apps").string();
    const std::string mine = "[Desktop Entry]\nType=Link\nName=m\nURL=file:///m\n";
    dir.createFile("apps/g/readme.desktop", mine);
    dir.createFile("home/.bashrc", "# mine\n");
    std::filesystem::create_symlink(dir / "home/.bashrc", dir / "apps/g/setup.desktop");
    std::filesystem::create_symlink(dir / "home/nothing", dir / "apps/g/tool.desktop");
    const std::vector<GroupEntry> entries = { { "readme", "/x/readme.txt", "readme.txt" },
        { "setup", "/x/setup.exe", "setup.exe" }, { "tool", "/x/tool", "tool" },
        { std::string(250, 'n'), "/x/long", std::string(250, 'n') + ".txt" },
        { "odd", "/x/odd", "a\vb\fc\x1b.txt" } };
    const std::vector<std::string> problems = writeProgramGroup(apps, "g", entries, textIcon);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("its name is too long"), std::string::npos) << problems[0];

    EXPECT_EQ(readFile(dir / "apps/g/readme.desktop"), mine);
    EXPECT_EQ(readFile(dir / "home/.bashrc"), "# mine\n");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "apps/g/setup.desktop"));
    EXPECT_FALSE(std::filesystem::exists(dir / "home/nothing"));
    for (const char *name : { "readme (2)", "setup (2)", "tool (2)", "odd" }) {
        const std::string file = (dir / "apps/g" / (std::string(name) + ".desktop")).string();
        EXPECT_NE(readFile(file).find("X-Ambermox-CheckOut=true\n"), std::string::npos) << name;
        const RunResult check = run({ "desktop-file-validate", file });
        EXPECT_TRUE(check.exitCode == 0 && check.out.empty()) << name << check.out;
    }
    EXPECT_NE(readFile(dir / "apps/g/odd.desktop").find("Name=a\\\\x0Bb\\\\x0Cc\\\\x1B.txt\n"),
        std::string::npos);

    // A group that is a link, or none at all, is refused before anything is written.
    std::filesystem::create_symlink(dir / "home", dir / "apps/linked");
    for (const char *group : { "linked", "", ".." })
        EXPECT_THROW(writeProgramGroup(apps, group, entries, textIcon), EngineError) << group;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "home"),
                  std::filesystem::directory_iterator()),
        1);
}
