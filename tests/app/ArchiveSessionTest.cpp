// The archive rules without a window: what opening, re-opening a recent
// archive and closing do to the recent list, the favourites and the view.

#include "app/ArchiveSession.h"
#include "app/FileRows.h"
#include "app/Settings.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace amxtest;

namespace {

// Records what the rules asked the window to do, one word a call.
struct RecordingView : ArchiveView
{
    std::vector<std::string> calls;
    void showArchive(const std::string &path, bool readOnly) override
    {
        calls.push_back("show " + fileNameOf(path) + (readOnly ? " ro" : ""));
    }
    void showNoArchive() override { calls.push_back("close"); }
    void loadFileList() override { calls.push_back("load"); }
    void refreshRecent() override { calls.push_back("recent"); }
    void acceptFileDrops(bool on) override { calls.push_back(on ? "drops" : "no drops"); }
};

class ArchiveSessionTest : public ::testing::Test
{
protected:
    TestDir dir;
    ScriptedPrompter prompter;
    Settings settings = Settings::firstRun();
    RecordingView view;
    ArchiveSession session { settings, view };

    std::string file(const std::string &name) { return dir.createFile(name, "PK").string(); }
    std::vector<std::string> recent() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < History::kSize; ++i)
            out.push_back(settings.ActiveFile[i]);
        return out;
    }
};

} // namespace

TEST_F(ArchiveSessionTest, OpeningANewArchiveListsItFirstAndRemembersItsFolder)
{
    const std::string a = file("a.zip");
    session.openAndLoad(a);
    EXPECT_EQ(view.calls, (std::vector<std::string> { "show a.zip", "recent", "drops", "load" }));
    EXPECT_EQ(session.CurrentArchive, a);
    EXPECT_EQ(recent(), (std::vector<std::string> { a, "", "", "", "" }));
    EXPECT_EQ(settings.LastOpenDir, dir.str() + "/");
    EXPECT_EQ(settings.FavoriteFolders, std::vector<std::string> { dir.str() + "/" });
    EXPECT_TRUE(prompter.shown().empty()) << "mode 0 adds the folder silently";
}

TEST_F(ArchiveSessionTest, ReopeningARecentArchiveMovesItUpAndAsksOnce)
{
    const std::string a = file("a.zip"), b = file("sub/b.zip"), c = file("c.zip");
    settings.FavoriteAddMode = 1;
    settings.FavoriteFolders = { dir.str() + "/" };
    for (const std::string &path : { a, b, c }) {
        if (path == b)
            prompter.answerQuestion(false);
        session.openAndLoad(path);
    }
    ASSERT_EQ(prompter.shown().size(), size_t(1));
    view.calls.clear();

    // b is entry 2: it moves to the top and is listed once, the question asked once.
    prompter.answerQuestion(true);
    session.openAndLoad(b);
    EXPECT_EQ(recent(), (std::vector<std::string> { b, c, a, "", "" }));
    EXPECT_TRUE(session.ListAlreadyLoaded);
    EXPECT_FALSE(session.SkipHistoryUpdate);
    EXPECT_EQ(view.calls,
        (std::vector<std::string> {
            "show b.zip", "close", "no drops", "show b.zip", "recent", "drops", "load" }));
    EXPECT_EQ(prompter.shown().size(), size_t(2));
    EXPECT_EQ(prompter.shown().back().text,
        QStringLiteral("Add \"") + QString::fromStdString(LowerAscii(dir.str()))
            + QStringLiteral("/sub/\" to favorite Zip Folders?"));
    EXPECT_EQ(settings.FavoriteFolders.size(), size_t(2));

    // Entry 1 again: nothing moves, the caller lists it.
    view.calls.clear();
    session.openAndLoad(b);
    EXPECT_EQ(recent(), (std::vector<std::string> { b, c, a, "", "" }));
    EXPECT_EQ(view.calls, (std::vector<std::string> { "show b.zip", "recent", "drops", "load" }));

    // Recent item 1 closes and re-opens the archive, and lists it again.
    view.calls.clear();
    session.RecentItemClick(1);
    EXPECT_EQ(recent(), (std::vector<std::string> { b, c, a, "", "" }));
    EXPECT_EQ(view.calls,
        (std::vector<std::string> {
            "close", "no drops", "show b.zip", "recent", "drops", "load" }));
    EXPECT_FALSE(session.SkipHistoryUpdate);
}

TEST_F(ArchiveSessionTest, RecentArchiveWhoseFileIsGoneLeavesTheListSilently)
{
    const std::string a = file("a.zip"), gone = file("gone.zip"), c = file("c.zip");
    for (const std::string &path : { a, gone, c })
        session.openAndLoad(path);
    std::filesystem::remove(gone);
    view.calls.clear();
    session.RecentItemClick(2);
    EXPECT_EQ(recent(), (std::vector<std::string> { c, a, "", "", "" }));
    EXPECT_EQ(session.CurrentArchive, c);
    EXPECT_EQ(view.calls, std::vector<std::string> { "recent" });
    session.RecentItemClick(5); // an empty entry: nothing
    EXPECT_EQ(view.calls.size(), size_t(1));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ArchiveSessionTest, FavouriteFolderModes)
{
    struct Row
    {
        const char *name;
        int mode;
        const char *answer; // "" when no question may come
        size_t known; // favourites already there, none of them this folder
        bool added;
    };
    const Row rows[] = {
        { "mode 0 adds", 0, "", 0, true },
        { "mode 1 yes adds", 1, "yes", 0, true },
        { "mode 1 no keeps out", 1, "no", 0, false },
        { "mode 2 never asks", 2, "", 0, false },
        { "a full list takes no more", 0, "", 1000, false },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        settings.FavoriteAddMode = row.mode;
        settings.FavoriteFolders.assign(row.known, "/elsewhere/");
        settings.ActiveFile = History();
        if (*row.answer)
            prompter.answerQuestion(std::string(row.answer) == "yes");
        session.OpenArchive(file("a.zip"));
        EXPECT_TRUE(prompter.allAnswersUsed());
        EXPECT_EQ(settings.FavoriteFolders.size(), row.known + (row.added ? 1 : 0));
    }
}

TEST_F(ArchiveSessionTest, ClosingForgetsTheArchiveAndReadOnlyIsSeen)
{
    const std::string ro = file("ro.zip");
    ::chmod(ro.c_str(), 0444);
    session.OpenArchive(ro);
    EXPECT_TRUE(session.readOnly());
    EXPECT_EQ(view.calls.front(), "show ro.zip ro");
    view.calls.clear();
    session.CloseArchive();
    EXPECT_TRUE(session.CurrentArchive.empty());
    EXPECT_EQ(view.calls, (std::vector<std::string> { "close", "no drops" }));
    EXPECT_EQ(recent()[0], ro) << "closing keeps the recent list";
}
