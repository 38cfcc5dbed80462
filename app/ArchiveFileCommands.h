// The commands that act on the archive file as a whole: a new empty
// archive, copying, moving, renaming and deleting the file, and a link to
// it on the desktop. A failure leaves the window on the archive it had.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

struct Settings;
class ArchiveSession;

class ArchiveFileCommands
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveFileCommands)

public:
    // follow: the window's engine reads the archive at its new path again.
    ArchiveFileCommands(Settings &settings, ArchiveSession &session,
        std::function<void(const std::string &)> follow, std::function<void()> refreshRecent);

    // The folder chooser: title and prompt in, the folder or "-1" out.
    std::function<QString(const QString &, const QString &)> chooseFolder;
    // True (after telling the user) while an archive operation runs.
    std::function<bool()> refuseWhileBusy;

    // Returns true when an archive was opened.
    bool newArchive();
    // Returns true when the window now works on the copy.
    bool copyOrMove(bool move);
    // newBase + the archive's extension part; true when renamed.
    bool rename(const std::string &newBase);
    // Moves the file to the desktop's trash.
    void deleteArchive();
    // The desktop entry written (the folder is created when missing), or
    // empty; either way the user is told.
    std::string createShortcut(const std::string &desktopFolder);

private:
    void switchTo(const std::string &path);

    Settings &m_settings;
    ArchiveSession &m_session;
    std::function<void(const std::string &)> m_follow;
    std::function<void()> m_refreshRecent;
};

// "my.backup.zip" -> { "my", ".backup.zip" }: split at the first dot.
std::pair<std::string, std::string> splitAtFirstDot(const std::string &fileName);

// The desktop shortcut's name: the file name up to its first '.', leading
// dots left out; "archive" when nothing is left.
std::string shortcutBaseName(const std::string &fileName);

// Copies source to target through a temporary file in the target's folder
// that is flushed, checked by size and only then renamed to target.
// Returns an empty text or why it failed.
std::string copyFileSafely(const std::string &source, const std::string &target);

struct FileRow;

// The values of the archive properties window: path, name, file size,
// files, compression, date/time. A file that cannot be read leaves the
// values after the name empty and is reported.
QStringList zipPropertyTexts(
    const std::string &archive, size_t rowCount, const std::string &archiveRatio);
// The values of the entry properties window for one row.
QStringList filePropertyTexts(const FileRow &row);
