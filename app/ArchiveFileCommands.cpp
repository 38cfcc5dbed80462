#include "ArchiveFileCommands.h"

#include "ArchiveSession.h"
#include "FileRows.h"
#include "Settings.h"

#include "DesktopEntryFile.h"
#include "FavoriteScan.h"
#include "FilePropUnit.h"
#include "Operations.h"
#include "Prompter.h"
#include "ReplacingFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

void tell(const QString &text)
{
    Prompter::instance().notice(text, Prompter::Icon::Warning);
}

bool sameFile(const std::string &a, const std::string &b)
{
    std::error_code error;
    return fs::equivalent(a, b, error);
}

// Closes the descriptor however the copy ends.
struct Fd
{
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Marks the desktop shortcuts this program wrote: only those are replaced.
const std::string kShortcutMark = "X-Ambermox-Shortcut=true";

} // namespace

std::pair<std::string, std::string> splitAtFirstDot(const std::string &fileName)
{
    const size_t dot = fileName.find('.');
    if (dot == std::string::npos)
        return { fileName, {} };
    return { fileName.substr(0, dot), fileName.substr(dot) };
}

std::string shortcutBaseName(const std::string &fileName)
{
    // Leading dots would hide the shortcut (".x.zip" gives "x").
    const size_t start = fileName.find_first_not_of('.');
    const std::string base =
        start == std::string::npos ? std::string() : splitAtFirstDot(fileName.substr(start)).first;
    return base.empty() ? "archive" : base;
}

std::string copyFileSafely(const std::string &source, const std::string &target)
{
    Fd in { ::open(source.c_str(), O_RDONLY | O_CLOEXEC) };
    struct stat st;
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0)
        return std::strerror(errno);
    ReplacingFile out(target, "." + fileNameOf(target) + ".XXXXXX");
    off_t copied = 0;
    bool readFailed = false;
    if (!out.ok() || !out.copyFrom(in.fd, copied, readFailed))
        return std::strerror(errno);
    struct stat written;
    if (::fstat(out.fd(), &written) != 0)
        return std::strerror(errno);
    if (copied != st.st_size || written.st_size != st.st_size)
        return QCoreApplication::translate("ArchiveFileCommands", "the copy is incomplete")
            .toStdString();
    // The copy is the same archive: its date says when its content changed.
    const struct timespec times[2] = { st.st_atim, st.st_mtim };
    if (::futimens(out.fd(), times) != 0 || !out.commit(st.st_mode & 07777))
        return std::strerror(errno);
    return {};
}

ArchiveFileCommands::ArchiveFileCommands(Settings &settings, ArchiveSession &session,
    std::function<void(const std::string &)> follow, std::function<void()> refreshRecent)
    : refuseWhileBusy(refuseWhileOperationRuns)
    , m_settings(settings)
    , m_session(session)
    , m_follow(std::move(follow))
    , m_refreshRecent(std::move(refreshRecent))
{
}

bool ArchiveFileCommands::newArchive()
{
    QString chosen = Prompter::instance().saveFile(
        tr("New Archive"), qs(m_settings.LastOpenDir), tr("ZIP files|*.zip"));
    if (chosen.isEmpty())
        return false;
    std::string path = chosen.toStdString();
    if (LowerAscii(fs::path(path).extension().string()) != ".zip")
        path += ".zip";
    // Opening the existing file closes the archive too.
    if (refuseWhileBusy())
        return false;
    std::error_code error;
    if (fs::exists(path, error)) {
        if (!Prompter::instance().question(
                tr("Cannot create \"%1\". File already exists. Open existing file?").arg(qs(path)),
                Prompter::Icon::Question))
            return false;
        m_session.openAndLoad(path);
        return true;
    }
    m_session.CloseArchive();
    // O_EXCL: a file that appeared meanwhile is never emptied.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        tell(tr("Cannot create \"%1\": %2").arg(qs(path), qs(std::strerror(errno))));
        return false;
    }
    ::close(fd);
    m_session.openAndLoad(path);
    return true;
}

void ArchiveFileCommands::switchTo(const std::string &path)
{
    m_session.CurrentArchive = path;
    m_follow(path);
    m_settings.ActiveFile[0] = path;
    m_refreshRecent();
}

bool ArchiveFileCommands::copyOrMove(bool move)
{
    const std::string source = m_session.CurrentArchive;
    // A copy taken while an add writes the archive would be half an archive.
    if (source.empty() || refuseWhileBusy())
        return false;
    const QString verb = move ? tr("Move") : tr("Copy");
    // The prompt's "&to" is its shortcut; an '&' of the name is only a character.
    const QString folder = chooseFolder(verb,
        (move ? tr("Move %1 &to:") : tr("Copy %1 &to:"))
            .arg(qs(source).replace(QLatin1Char('&'), QStringLiteral("&&"))));
    if (folder == QStringLiteral("-1") || folder.isEmpty())
        return false;
    std::string target = folder.toStdString();
    if (target.back() != '/')
        target += '/';
    target += fileNameOf(source);
    // A typed relative folder would depend on where the program was started.
    if (target.front() != '/') {
        tell(tr("Cannot copy \"%1\" to \"%2\": the folder is not a full path")
                 .arg(qs(source), qs(target)));
        return false;
    }
    if (sameFile(source, target)) {
        tell(tr("\"%1\" is already in that folder.").arg(qs(source)));
        return false;
    }
    struct stat existing;
    if (::lstat(target.c_str(), &existing) == 0
        && !Prompter::instance().question(
            tr("\"%1\" already exists. Do you want to replace it with \"%2\"?")
                .arg(qs(target), qs(source)),
            Prompter::Icon::Warning, Prompter::Default::No))
        return false;
    if (const std::string why = copyFileSafely(source, target); !why.empty()) {
        tell(tr("Cannot copy \"%1\" to \"%2\": %3").arg(qs(source), qs(target), qs(why)));
        return false;
    }
    if (move && ::unlink(source.c_str()) != 0)
        tell(tr("The archive was copied to \"%1\", but \"%2\" could not be deleted: %3")
                 .arg(qs(target), qs(source), qs(std::strerror(errno))));
    switchTo(target);
    return true;
}

bool ArchiveFileCommands::rename(const std::string &newBase)
{
    const std::string old = m_session.CurrentArchive;
    if (old.empty() || refuseWhileBusy())
        return false;
    const std::string name = newBase + splitAtFirstDot(fileNameOf(old)).second;
    const std::string target = folderOf(old) + name;
    if (target == old)
        return true;
    const auto refuse = [&](const QString &why) {
        tell(tr("Cannot rename \"%1\" to \"%2\": %3").arg(qs(old), qs(name), why));
        return false;
    };
    if (newBase.empty() || name.find('/') != std::string::npos)
        return refuse(tr("invalid name"));
    // Never replaces another file, not even one created meanwhile.
    if (::renameat2(AT_FDCWD, old.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            return refuse(qs(std::strerror(errno)));
        // The file system knows no such rename: link and unlink do the same.
        if (::link(old.c_str(), target.c_str()) != 0)
            return refuse(qs(std::strerror(errno)));
        ::unlink(old.c_str());
    }
    switchTo(target);
    return true;
}

void ArchiveFileCommands::deleteArchive()
{
    const std::string path = m_session.CurrentArchive;
    if (path.empty() || refuseWhileBusy())
        return;
    if (!Prompter::instance().question(
            tr("Are you sure you want to delete the entire archive %1?").arg(qs(path)),
            Prompter::Icon::Critical))
        return;
    m_session.CloseArchive();
    // The trash keeps it for the user to take back. Qt makes the trash inside
    // the user's data folder but not that folder itself.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (!QFile::moveToTrash(qs(path))) {
        if (!Prompter::instance().question(
                tr("\"%1\" cannot be moved to the trash. Delete it for good?").arg(qs(path)),
                Prompter::Icon::Critical, Prompter::Default::No))
            return;
        if (::unlink(path.c_str()) != 0) {
            tell(tr("Cannot delete \"%1\": %2").arg(qs(path), qs(std::strerror(errno))));
            return;
        }
    }
    if (m_settings.ActiveFile[0] == path)
        m_settings.ActiveFile.remove(0);
    m_refreshRecent();
}

std::string ArchiveFileCommands::createShortcut(const std::string &desktopFolder)
{
    const std::string archive = m_session.CurrentArchive;
    if (archive.empty())
        return {};
    const auto fail = [&](const QString &why) {
        tell(tr("Cannot create a shortcut to \"%1\" on the desktop: %2").arg(qs(archive), why));
        return std::string();
    };
    if (desktopFolder.empty() || desktopFolder.front() != '/')
        return fail(tr("no desktop folder is known"));
    if (!QDir().mkpath(qs(desktopFolder)))
        return fail(tr("the folder \"%1\" cannot be created").arg(qs(desktopFolder)));
    const std::string text = "[Desktop Entry]\nType=Link\nName="
        + desktopEntryValue(tr("Shortcut to %1").arg(qs(archive)).toStdString())
        + "\nURL=" + QUrl::fromLocalFile(qs(archive)).toString(QUrl::FullyEncoded).toStdString()
        + "\nIcon=" + QMimeDatabase().mimeTypeForFile(qs(archive)).iconName().toStdString() + "\n"
        + kShortcutMark + "\n";
    Fd folder { ::open(desktopFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) };
    const std::string name = folder.fd < 0
        ? std::string()
        : writeMarkedEntry(folder.fd, shortcutBaseName(fileNameOf(archive)), text, kShortcutMark);
    if (name.empty())
        return fail(qs(std::strerror(errno)));
    std::string link = desktopFolder;
    if (link.back() != '/')
        link += '/';
    link += name;
    Prompter::instance().notice(
        tr("The shortcut to \"%1\" is on the desktop: \"%2\".").arg(qs(archive), qs(link)),
        Prompter::Icon::Information);
    return link;
}

QStringList zipPropertyTexts(
    const std::string &archive, size_t rowCount, const std::string &archiveRatio)
{
    std::string folder = folderOf(archive);
    if (folder.size() > 1)
        folder.pop_back();
    QStringList out { qs(folder), qs(fileNameOf(archive)) };
    struct stat st;
    if (::stat(archive.c_str(), &st) != 0) {
        Prompter::instance().error(qs(archive) + QStringLiteral(": ") + qs(std::strerror(errno)));
        return out;
    }
    // In two-second steps, as the members' dates are kept.
    const QString when = qs(favoriteTimeText(QDateTime::fromSecsSinceEpoch(st.st_mtime)));
    out << qs(GroupDigits(static_cast<int64_t>(st.st_size)))
        << qs(GroupDigits(static_cast<int64_t>(rowCount)))
        << qs(GroupDigits(archiveRatio)) + QStringLiteral("%") << when;
    return out;
}

QStringList filePropertyTexts(const FileRow &row)
{
    const auto q = [](std::string_view s) {
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    return { q(row.Name), typeNameOf(q(row.Name)),
        QCoreApplication::translate("ArchiveFileCommands", "%1 bytes")
            .arg(qs(sizeColumnText(row.size))),
        QCoreApplication::translate("ArchiveFileCommands", "%1 bytes")
            .arg(qs(sizeColumnText(row.packed))),
        q(row.Ratio), q(row.Modified), q(row.Path) };
}
