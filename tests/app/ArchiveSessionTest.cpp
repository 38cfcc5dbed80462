// The archive rules without a window: what opening, re-opening a recent
// archive and closing do to the recent list, the favourites and the view.

#include "ArchiveSession.h"
#include "ArchiveFileCommands.h"
#include "EnvValue.h"
#include "FileRows.h"
#include "ScriptedPrompter.h"
#include "Settings.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <fcntl.h>
#include <sys/stat.h>

using namespace amxtest;

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// Records what the rules asked the window to do, one word a call.
struct RecordingView : ArchiveView
{
    std::vector<std::string> calls;
    void showArchive(const std::string &path, bool readOnly) override
    {
        calls.push_back("show " + fileNameOf(path) + (readOnly ? " ro" : ""));
    }
    void showNoArchive() override { calls.push_back("close"); }
    void listArchive() override { calls.push_back("load"); }
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

TEST_F(ArchiveSessionTest, ReopeningARecentArchiveMovesItUpAndAsksOnce)
{
    const std::string a = file("a.zip"), b = file("Sub/b.zip"), c = file("c.zip");
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
    EXPECT_EQ(view.calls,
        (std::vector<std::string> {
            "show b.zip", "close", "no drops", "show b.zip", "recent", "drops", "load" }));
    EXPECT_EQ(prompter.shown().size(), size_t(2));
    // The folder as it is named: names are case-sensitive here.
    EXPECT_EQ(prompter.shown().back().text,
        QStringLiteral("Add \"") + QString::fromStdString(dir.str())
            + QStringLiteral("/Sub/\" to favorite Zip Folders?"));
    EXPECT_EQ(settings.FavoriteFolders.size(), size_t(2));

    // Entry 1 again: nothing moves, the caller lists it.
    view.calls.clear();
    session.openAndLoad(b);
    EXPECT_EQ(recent(), (std::vector<std::string> { b, c, a, "", "" }));
    EXPECT_EQ(view.calls, (std::vector<std::string> { "show b.zip", "recent", "drops", "load" }));
    EXPECT_EQ(settings.LastOpenDir, dir.str() + "/Sub/");

    // Recent item 1 closes and re-opens the archive, and lists it again.
    view.calls.clear();
    session.RecentItemClick(1);
    EXPECT_EQ(recent(), (std::vector<std::string> { b, c, a, "", "" }));
    EXPECT_EQ(view.calls,
        (std::vector<std::string> {
            "close", "no drops", "show b.zip", "recent", "drops", "load" }));
}

// A recent archive whose file is gone leaves the list: silently from its
// recent item; opened (as from the command line), or chosen as the entry of
// the open archive once its file is gone, the window also goes back to its
// state without an archive and the user is told.
TEST_F(ArchiveSessionTest, GoneArchiveLeavesTheListAndIsNotLeftOpen)
{
    const std::string a = file("a.zip"), c = file("c.zip");
    const std::string gone = file("gone.zip"), quiet = file("quiet.zip");
    for (const std::string &path : { gone, a, quiet, c })
        session.openAndLoad(path);
    std::filesystem::remove(gone);
    std::filesystem::remove(quiet);
    view.calls.clear();
    session.RecentItemClick(2);
    EXPECT_EQ(recent(), (std::vector<std::string> { c, a, gone, "", "" }));
    EXPECT_EQ(view.calls, std::vector<std::string> { "recent" });
    session.RecentItemClick(5); // an empty entry: nothing
    EXPECT_EQ(view.calls.size(), size_t(1));
    EXPECT_TRUE(prompter.shown().empty());

    view.calls.clear();
    session.openAndLoad(gone); // entry 3
    EXPECT_EQ(recent(), (std::vector<std::string> { c, a, "", "", "" }));
    EXPECT_EQ(
        view.calls, (std::vector<std::string> { "show gone.zip", "recent", "close", "no drops" }));
    EXPECT_TRUE(session.CurrentArchive.empty());

    session.RecentItemClick(1); // c, then its file goes
    std::filesystem::remove(c);
    view.calls.clear();
    session.RecentItemClick(1);
    EXPECT_EQ(recent(), (std::vector<std::string> { a, "", "", "", "" }));
    EXPECT_EQ(view.calls, (std::vector<std::string> { "recent", "close", "no drops" }));
    EXPECT_TRUE(session.CurrentArchive.empty());
    ASSERT_EQ(prompter.texts().size(), 2);
    EXPECT_EQ(prompter.texts()[0].toStdString(),
        "\"" + gone + "\" no longer exists. It has been removed from the recent archives.");
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

namespace {

// The archive file commands on real files; the chooser answers from a list.
class ArchiveFileTest : public ArchiveSessionTest
{
protected:
    std::vector<std::string> followed;
    bool busy = false;
    QString chosen;
    ArchiveFileCommands commands { settings, session,
        [this](const std::string &path) {
            followed.push_back(path);
        },
        [] {} };

    ArchiveFileTest()
    {
        commands.chooseFolder = [this](const QString &, const QString &) {
            return chosen;
        };
        commands.refuseWhileBusy = [this] {
            return busy;
        };
    }
    std::string open(const std::string &name, const std::string &bytes = "PK\5\6")
    {
        const std::string path = dir.createFile(name, bytes).string();
        session.openAndLoad(path);
        return path;
    }
    bool exists(const std::string &rel) const { return std::filesystem::exists(dir / rel); }
    size_t notices() const { return prompter.shown().size(); }
};

} // namespace

TEST_F(ArchiveFileTest, NewAddsZipOnlyWhenTheExtensionIsNotZip)
{
    const struct
    {
        const char *typed, *created;
    } rows[] = { { "report", "report.zip" }, { "REPORT.ZIP", "REPORT.ZIP" },
        { "notes.txt", "notes.txt.zip" } };
    for (const auto &row : rows) {
        prompter.answerFile(QString::fromStdString((dir / row.typed).string()));
        EXPECT_TRUE(commands.newArchive());
        EXPECT_EQ(std::filesystem::file_size(dir / row.created), 0u) << row.typed;
        EXPECT_EQ(session.CurrentArchive, (dir / row.created).string());
    }
    // An existing one is opened on Yes, left alone on No.
    const std::string a = open("a.zip");
    session.CloseArchive();
    prompter.answerFile(QString::fromStdString(a));
    prompter.answerQuestion(false);
    EXPECT_FALSE(commands.newArchive());
    EXPECT_TRUE(session.CurrentArchive.empty());
    // Opening it closes what an operation may be writing: not while one runs.
    busy = true;
    prompter.answerFile(QString::fromStdString(a));
    EXPECT_FALSE(commands.newArchive());
    EXPECT_TRUE(prompter.allAnswersUsed() && session.CurrentArchive.empty());
    busy = false;
    prompter.answerFile(QString::fromStdString(a));
    prompter.answerQuestion(true);
    EXPECT_TRUE(commands.newArchive());
    EXPECT_EQ(readFile(a), std::string("PK\5\6"));
    EXPECT_EQ(session.CurrentArchive, a);
}

TEST_F(ArchiveFileTest, CopyAndMoveFollowTheTargetAndKeepTheOldStateOnFailure)
{
    const std::string bytes = sampleBytes(200000);
    const struct
    {
        const char *name;
        bool move;
        const char *folder; // chosen, relative to the test folder
        bool works, sourceStays;
    } rows[] = {
        { "copy", false, "to", true, true },
        { "move", true, "to", true, false },
        { "copy onto itself", false, "", false, true },
        { "move onto itself", true, "", false, true },
        { "copy into a missing folder", false, "missing", false, true },
        { "copy into a read-only folder", false, "ro", false, true },
        { "copy into a relative folder", false, "", false, true },
    };
    dir.createDir("ro");
    ::chmod((dir / "ro").c_str(), 0555);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(dir / "to");
        dir.createDir("to");
        const std::string a = open("a.zip", bytes);
        followed.clear();
        prompter.clear();
        chosen = QString::fromStdString(std::string(row.name).ends_with("relative folder")
                ? std::filesystem::relative(dir / "to").string()
                : (dir / row.folder).string());
        if (!row.works && geteuid() == 0 && std::string(row.folder) == "ro")
            continue; // root writes anywhere
        EXPECT_EQ(commands.copyOrMove(row.move), row.works);
        EXPECT_EQ(exists("a.zip"), row.sourceStays);
        const std::string target = row.works ? (dir / "to/a.zip").string() : a;
        EXPECT_EQ(session.CurrentArchive, target);
        EXPECT_EQ(settings.ActiveFile[0], target);
        EXPECT_EQ(followed.size(), row.works ? 1u : 0u);
        EXPECT_EQ(notices(), row.works ? 0u : 1u);
        EXPECT_EQ(readFile(target), bytes);
        // No partial or temporary file is left beside a target.
        for (const char *folder : { "to", "ro" })
            for (const auto &entry : std::filesystem::directory_iterator(dir / folder))
                EXPECT_EQ(entry.path().filename(), "a.zip");
    }
    chosen = QStringLiteral("-1");
    EXPECT_FALSE(commands.copyOrMove(false));
    // Not even a copy while an add may be writing the archive.
    chosen = QString::fromStdString((dir / "to").string());
    busy = true;
    EXPECT_FALSE(commands.copyOrMove(false));
    EXPECT_EQ(followed.size(), 0u);
}

// Another file of the archive's name in the target folder is replaced only
// after a question whose default is No; the copy keeps the archive's date.
TEST_F(ArchiveFileTest, CopyAndMoveAskBeforeReplacingAndKeepTheDate)
{
    const struct
    {
        const char *name;
        bool move, yes;
    } rows[] = { { "copy, no", false, false }, { "copy, yes", false, true },
        { "move, no", true, false }, { "move, yes", true, true } };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(dir / "to");
        dir.createFile("to/a.zip", "theirs");
        const std::string a = open("a.zip", "PK\5\6 ours");
        const struct timespec old[2] = { { 1000000000, 0 }, { 1000000000, 0 } };
        ASSERT_EQ(::utimensat(AT_FDCWD, a.c_str(), old, 0), 0);
        prompter.clear();
        chosen = QString::fromStdString((dir / "to").string());
        prompter.answerQuestion(row.yes);
        EXPECT_EQ(commands.copyOrMove(row.move), row.yes);
        ASSERT_EQ(prompter.shown().size(), 1u);
        EXPECT_TRUE(prompter.shown()[0].kind == "question" && prompter.shown()[0].defaultNo);
        EXPECT_TRUE(prompter.shown()[0].text.contains(qs((dir / "to/a.zip").string())));
        EXPECT_EQ(readFile(dir / "to/a.zip"), row.yes ? "PK\5\6 ours" : "theirs");
        EXPECT_EQ(exists("a.zip"), !(row.move && row.yes));
        EXPECT_EQ(session.CurrentArchive, row.yes ? (dir / "to/a.zip").string() : a);
        if (row.yes) {
            struct stat st;
            ASSERT_EQ(::stat((dir / "to/a.zip").c_str(), &st), 0);
            EXPECT_EQ(st.st_mtime, 1000000000);
        }
    }
}

TEST_F(ArchiveFileTest, RenameKeepsTheExtensionPartAndNeverReplacesAFile)
{
    const std::string old = open("my.backup.zip");
    dir.createFile("taken.backup.zip", "other");
    for (const char *refused : { "taken", "", "a/b" }) {
        SCOPED_TRACE(refused);
        prompter.clear();
        EXPECT_FALSE(commands.rename(refused));
        EXPECT_EQ(notices(), 1u);
        EXPECT_EQ(session.CurrentArchive, old);
        EXPECT_TRUE(exists("my.backup.zip"));
    }
    EXPECT_EQ(readFile(dir / "taken.backup.zip"), "other");
    busy = true;
    EXPECT_FALSE(commands.rename("new"));
    busy = false;
    EXPECT_TRUE(commands.rename("new"));
    EXPECT_FALSE(exists("my.backup.zip"));
    const std::string renamed = (dir / "new.backup.zip").string();
    EXPECT_EQ(session.CurrentArchive, renamed);
    EXPECT_EQ(settings.ActiveFile[0], renamed);
    EXPECT_EQ(followed, std::vector<std::string> { renamed });
}

TEST_F(ArchiveFileTest, DeleteMovesToTheTrashLeavingFourRecentEntries)
{
    // The desktop's trash, here: the file's volume is home's.
    const EnvValue home("HOME", dir.str()), data("XDG_DATA_HOME", (dir / "data").string());
    for (const char *name : { "1.zip", "2.zip", "3.zip", "4.zip", "5.zip" })
        open(name);
    const std::vector<std::string> before = recent();
    busy = true;
    commands.deleteArchive();
    EXPECT_TRUE(exists("5.zip"));
    busy = false;
    prompter.answerQuestion(false);
    commands.deleteArchive();
    EXPECT_TRUE(exists("5.zip"));
    prompter.answerQuestion(true);
    commands.deleteArchive();
    EXPECT_FALSE(exists("5.zip"));
    EXPECT_EQ(readFile(dir / "data/Trash/files/5.zip"), "PK\5\6");
    EXPECT_TRUE(exists("data/Trash/info/5.zip.trashinfo"));
    EXPECT_TRUE(session.CurrentArchive.empty());
    EXPECT_EQ(
        recent(), (std::vector<std::string> { before[1], before[2], before[3], before[4], "" }));
}

TEST_F(ArchiveFileTest, ShortcutIsADesktopEntryNamedUpToTheFirstDot)
{
    const std::string desktop = (dir / "Desk top").string(); // created when missing
    const std::string archive = open("my.backup.zip");
    EXPECT_TRUE(commands.createShortcut("").empty());
    EXPECT_EQ(prompter.shown().size(), 1u);
    for (int twice = 0; twice < 2; ++twice)
        EXPECT_EQ(commands.createShortcut(desktop), desktop + "/my.desktop");
    // Each time the user is told where it went.
    ASSERT_EQ(prompter.shown().size(), 3u);
    EXPECT_TRUE(prompter.shown().back().text.contains(qs(desktop + "/my.desktop")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(desktop),
                  std::filesystem::directory_iterator()),
        1);
    EXPECT_EQ(readFile(desktop + "/my.desktop"),
        "[Desktop Entry]\nType=Link\nName=Shortcut to " + archive + "\nURL=file://" + archive
            + "\nIcon=application-zip\nX-Ambermox-Shortcut=true\n");
    // No hidden ".desktop", whether the name has no dot or starts with one.
    for (const auto &[name, link] : { std::pair { "archive", "archive" }, { ".x.zip", "x" } }) {
        open(name);
        EXPECT_EQ(commands.createShortcut(desktop), desktop + "/" + link + ".desktop");
    }

    // The user's own launcher of the same name survives, and so does what a
    // link planted at that name points to.
    const std::string mine = "[Desktop Entry]\nType=Application\nName=Thunderbird\nExec=tb\n";
    dir.createFile("Desk top/thunderbird.desktop", mine);
    dir.createFile("home/.bashrc", "# mine\n");
    std::filesystem::create_symlink(dir / "home/.bashrc", dir / "Desk top/notes.desktop");
    open("thunderbird.zip");
    EXPECT_EQ(commands.createShortcut(desktop), desktop + "/thunderbird (2).desktop");
    open("notes.zip");
    EXPECT_EQ(commands.createShortcut(desktop), desktop + "/notes (2).desktop");
    EXPECT_EQ(readFile(desktop + "/thunderbird.desktop"), mine);
    EXPECT_EQ(readFile(dir / "home/.bashrc"), "# mine\n");
    EXPECT_TRUE(std::filesystem::is_symlink(desktop + "/notes.desktop"));
}

TEST_F(ArchiveFileTest, PropertyTexts)
{
    // At the root the folder keeps its slash; an unreadable file is reported.
    EXPECT_EQ(zipPropertyTexts("/Backup.ZIP", 0, "0"), (QStringList { "/", "Backup.ZIP" }));
    EXPECT_EQ(prompter.texts().size(), 1);
    const std::string archive = dir.createFile("Data/Backup.ZIP", std::string(1234, 'x')).string();
    const QStringList zip = zipPropertyTexts(archive, 1500, "62");
    EXPECT_EQ(zip.mid(0, 5),
        (QStringList {
            QString::fromStdString(dir.str() + "/Data"), "Backup.ZIP", "1.234", "1.500", "62%" }));
    // The date in two-second steps, as members' dates are, and without a
    // zone name, which the program shows nowhere else.
    const QDateTime odd(QDate(2024, 3, 5), QTime(14, 27, 31));
    const struct timespec times[2] = { { odd.toSecsSinceEpoch(), 0 },
        { odd.toSecsSinceEpoch(), 0 } };
    ASSERT_EQ(::utimensat(AT_FDCWD, archive.c_str(), times, 0), 0);
    const QString when = zipPropertyTexts(archive, 1500, "62")[5];
    EXPECT_TRUE(when.contains("27:30") && !when.contains("27:31")) << when.toStdString();
    EXPECT_FALSE(when.contains(odd.timeZoneAbbreviation())) << when.toStdString();

    const FileRow stored { "data.qqq", "07.12.2026  03:40", "0%", "sub/", 12345, 12345 };
    EXPECT_EQ(filePropertyTexts(stored),
        (QStringList { "data.qqq", "qqq File", "12.345 bytes", "12.345 bytes", "0%",
            "07.12.2026  03:40", "sub/" }));
}
