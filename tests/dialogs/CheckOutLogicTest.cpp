// The check-out's proposals, its choice of members, the entries' names and
// the program group it writes.

#include "dialogs/CheckOutLogic.h"
#include "tests/support/Peers.h"
#include "tests/support/Table.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace amxtest;
namespace fs = std::filesystem;

TEST(CheckOutLogic, ProposedFolderAndGroup)
{
    EXPECT_EQ(archiveBaseName("/downloads/setup.old.zip"), "setup.old");
    EXPECT_EQ(archiveBaseName("/downloads/plain"), "plain");
    EXPECT_EQ(proposedCheckOutFolder("setup.old", "/data", false, "/home/u"), "/data/setup.old");
    EXPECT_EQ(proposedCheckOutFolder("setup.old", "/", false, "/home/u"), "/setup.old");
    // A read-only archive, or a root nobody may write: the home folder.
    EXPECT_EQ(
        proposedCheckOutFolder("setup.old", "/media/cd/", true, "/home/u"), "/home/u/setup.old");
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
    EXPECT_EQ(parseMaxIcons(""), 0);
    EXPECT_EQ(parseMaxIcons("50"), 50);
    EXPECT_FALSE(parseMaxIcons("5x"));
    EXPECT_FALSE(parseMaxIcons("-1"));
}

TEST(CheckOutLogic, EntriesNamedWithoutReplacingEachOther)
{
    const std::vector<std::string> members = { "a/setup.exe", "setup.hlp", "b/setup.exe", "README",
        "c/setup.exe", "logo.bmp", "docs/" };
    const auto notExecutable = [](const std::string &) {
        return false;
    };
    std::vector<std::string> names, targets;
    for (const GroupEntry &e : groupEntries(members, "/x/app", true, 0, notExecutable)) {
        names.push_back(e.fileName);
        targets.push_back(e.target);
    }
    EXPECT_EQ(names,
        (std::vector<std::string> {
            "setup.desktop", "setup.hlp.desktop", "setup.exe.desktop", "setup.exe (2).desktop" }));
    EXPECT_EQ(targets.front(), "/x/app/a/setup.exe");

    // Every member, at most three of them.
    names.clear();
    for (const GroupEntry &e : groupEntries(members, "/x/app/", false, 3, notExecutable))
        names.push_back(e.fileName);
    EXPECT_EQ(names,
        (std::vector<std::string> { "setup.desktop", "setup.hlp.desktop", "setup.exe.desktop" }));
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
    EXPECT_FALSE(fs::exists(dir / "apps/My App/old.desktop"));
    EXPECT_TRUE(fs::exists(dir / "apps/My App/mine.desktop"));
    const std::string text = readFile(dir / "apps/My App/read me.desktop");
    EXPECT_NE(text.find("URL=file:///x/My%20App/read%20me.txt\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Name=read me.txt\n"), std::string::npos) << text;
    const RunResult check =
        run({ "desktop-file-validate", (dir / "apps/My App/read me.desktop").string() });
    EXPECT_EQ(check.exitCode, 0) << check.out;
}
