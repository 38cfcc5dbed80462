#include "DesktopRegistration.h"

#include "DesktopEntryFile.h"
#include "ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every type the program reads: ZIP through its own libraries, the others
// through libarchive. It becomes the default for ZIP only.
const QString kArchiveTypes = QStringLiteral(
    "application/zip;application/x-zip-compressed;application/x-tar;"
    "application/x-compressed-tar;application/x-bzip-compressed-tar;"
    "application/x-bzip2-compressed-tar;application/x-xz-compressed-tar;"
    "application/x-zstd-compressed-tar;application/x-lz4-compressed-tar;"
    "application/x-lzip-compressed-tar;application/x-lzma-compressed-tar;application/x-tarz;"
    "application/x-7z-compressed;application/vnd.rar;application/x-rar;application/x-cd-image;"
    "application/x-iso9660-image;application/x-cpio;application/x-archive;"
    "application/vnd.ms-cab-compressed;application/x-lha;application/x-xar;application/gzip;"
    "application/x-xz;application/zstd;application/x-bzip;application/x-bzip2;application/x-lz4;"
    "application/x-lzip;application/x-lzma;application/x-compress;");
// Marks the scripts this program wrote, so that a user's own script of the
// same name is never replaced.
const QString kScriptMark = QStringLiteral("# Written by Ambermox at start.");

struct Verb
{
    QString name; // as the menus show it
    QString id; // for action keys and file names
    QString option;
};

const Verb kExtractHere { QStringLiteral("Extract Here"), QStringLiteral("ExtractHere"),
    QStringLiteral("-e") };
const Verb kExtractToSubfolder { QStringLiteral("Extract to subfolder"),
    QStringLiteral("ExtractToSubfolder"), QStringLiteral("-es") };
const Verb kSaveToZip { QStringLiteral("Save to ZIP"), QStringLiteral("SaveToZip"),
    QStringLiteral("-ad") };

struct Target
{
    QString path;
    QString content;
    bool executable = false;
    bool onlyOurs = false; // leave a file alone that this program did not write
};

// The icon: the installed theme icon when there is one beside the program's
// prefix, else the drawing shipped beside the program, else the theme name.
QString iconFor(const QString &program)
{
    const QString folder = QFileInfo(program).absolutePath();
    if (QFileInfo::exists(
            folder + QStringLiteral("/../share/icons/hicolor/scalable/apps/ambermox.svg")))
        return QStringLiteral("ambermox");
    const QString beside = folder + QStringLiteral("/ambermox.svg");
    return QFileInfo::exists(beside) ? beside : QStringLiteral("ambermox");
}

// A string value of a desktop entry or Nemo action.
QString entryValue(const QString &text)
{
    return QString::fromStdString(desktopEntryValue(text.toStdString()));
}

QString shellQuote(QString text)
{
    text.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString desktopEntry(const QString &exec, const QString &icon)
{
    QString s = QStringLiteral("[Desktop Entry]\n"
                               "Type=Application\n"
                               "Name=Ambermox\n"
                               "GenericName=Archive Manager\n"
                               "Comment=Open, create and extract ZIP archives\n")
        + QStringLiteral("Exec=") + exec + QStringLiteral(" %f\n") + QStringLiteral("Icon=") + icon
        + QStringLiteral("\nTerminal=false\n"
                         "Categories=Qt;Utility;Archiving;Compression;\n"
                         "MimeType=")
        + kArchiveTypes + QStringLiteral("\nActions=") + kExtractHere.id + QLatin1Char(';')
        + kExtractToSubfolder.id + QStringLiteral(";\n");
    for (const Verb *verb : { &kExtractHere, &kExtractToSubfolder })
        s += QStringLiteral("\n[Desktop Action ") + verb->id + QStringLiteral("]\nName=")
            + verb->name + QStringLiteral("\nIcon=") + icon + QStringLiteral("\nExec=") + exec
            + QLatin1Char(' ') + verb->option + QStringLiteral(" %f\n");
    return s;
}

QString serviceMenu(const QString &exec, const QString &icon, const QString &mimeTypes,
    std::initializer_list<const Verb *> verbs)
{
    QString actions;
    QString sections;
    for (const Verb *verb : verbs) {
        actions += QStringLiteral("ambermox") + verb->id + QLatin1Char(';');
        sections += QStringLiteral("\n[Desktop Action ambermox") + verb->id
            + QStringLiteral("]\nName=") + verb->name + QStringLiteral("\nIcon=") + icon
            + QStringLiteral("\nExec=") + exec + QLatin1Char(' ') + verb->option
            + QStringLiteral(" %f\n");
    }
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Service\n"
                          "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
                          "MimeType=")
        + mimeTypes + QStringLiteral("\nActions=") + actions + QLatin1Char('\n') + sections;
}

QString nemoAction(const QString &exec, const QString &icon, const Verb &verb, bool folders)
{
    return QStringLiteral("[Nemo Action]\nName=") + verb.name + QStringLiteral("\nComment=")
        + verb.name + QStringLiteral(" with Ambermox\nExec=") + exec + QLatin1Char(' ')
        + verb.option + QStringLiteral(" %F\nIcon-Name=") + icon + QStringLiteral("\nSelection=s\n")
        + (folders ? QStringLiteral("Extensions=dir;\n")
                   : QStringLiteral("Mimetypes=") + kArchiveTypes + QLatin1Char('\n'));
}

// Nautilus passes the selected files as arguments.
QString nautilusScript(const QString &program, const Verb &verb, bool folders)
{
    const QString test = folders ? QStringLiteral("-d") : QStringLiteral("-f");
    return QStringLiteral("#!/bin/sh\n") + kScriptMark + QStringLiteral("\nfor f in \"$@\"; do\n")
        + QStringLiteral("    [ ") + test + QStringLiteral(" \"$f\" ] && ") + shellQuote(program)
        + QLatin1Char(' ') + verb.option + QStringLiteral(" \"$f\"\ndone\nexit 0\n");
}

QList<Target> targets(const QString &program)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString exec = desktopExecProgram(program);
    const QString icon = entryValue(iconFor(program));
    const QString archives =
        serviceMenu(exec, icon, kArchiveTypes, { &kExtractHere, &kExtractToSubfolder });
    const QString folders =
        serviceMenu(exec, icon, QStringLiteral("inode/directory;"), { &kSaveToZip });

    QList<Target> list;
    list.append(
        { data + QStringLiteral("/applications/ambermox.desktop"), desktopEntry(exec, icon) });
    for (const QString &menus :
        { QStringLiteral("/kio/servicemenus/"), QStringLiteral("/kservices5/ServiceMenus/") }) {
        list.append({ data + menus + QStringLiteral("ambermox-archive.desktop"), archives, true });
        list.append({ data + menus + QStringLiteral("ambermox-folder.desktop"), folders, true });
    }
    for (auto [verb, onFolders] : { std::pair { &kExtractHere, false },
             std::pair { &kExtractToSubfolder, false }, std::pair { &kSaveToZip, true } }) {
        list.append({ data + QStringLiteral("/nemo/actions/ambermox-") + verb->id.toLower()
                + QStringLiteral(".nemo_action"),
            nemoAction(exec, icon, *verb, onFolders) });
        list.append({ data + QStringLiteral("/nautilus/scripts/") + verb->name,
            nautilusScript(program, *verb, onFolders), true, true });
    }
    return list;
}

enum class Outcome { Written, Unchanged, Skipped };

// The whole of a regular file, read without following a link at its name;
// false when the name is anything else (a link the user made, a folder).
bool readOwnFile(const QString &path, QByteArray &content, mode_t &mode)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    QFile file;
    struct stat st;
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)
        && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (!regular) {
        ::close(fd);
        return false;
    }
    content = file.readAll();
    mode = st.st_mode & 07777;
    return true;
}

// A symbolic link at one of our names is the user's: it is neither written
// through (a dangling one would create its target wherever it points) nor
// replaced. The file is written beside its name and renamed into place.
Outcome writeIfDifferent(const Target &t)
{
    const QByteArray wanted = t.content.toUtf8();
    const QByteArray name = QFile::encodeName(t.path);
    struct stat st;
    if (::lstat(name.constData(), &st) == 0) {
        QByteArray have;
        mode_t mode = 0;
        if (!readOwnFile(t.path, have, mode))
            return Outcome::Skipped;
        if (t.onlyOurs && !have.contains(kScriptMark.toUtf8()))
            return Outcome::Skipped;
        if (have == wanted && ((mode & S_IXUSR) || !t.executable))
            return Outcome::Unchanged;
    } else if (errno != ENOENT) {
        return Outcome::Skipped;
    }
    if (!QDir().mkpath(QFileInfo(t.path).absolutePath()))
        return Outcome::Skipped;
    ReplacingFile out(name.toStdString(), ".ambermox-XXXXXX");
    if (!out.ok() || !out.write(wanted.constData(), size_t(wanted.size()))
        || !out.commit(t.executable ? 0755 : 0644))
        return Outcome::Skipped;
    return Outcome::Written;
}

// Adds the default for application/zip to the user's mimeapps.list unless
// one is set there already. The file is edited as bytes: what is not ours
// stays as it was, whatever its encoding. True when the file was written.
bool setDefaultHandler()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/mimeapps.list");
    QList<QByteArray> lines;
    mode_t mode = 0644;
    QByteArray content;
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0) {
        if (!readOwnFile(path, content, mode))
            return false;
        lines = content.split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
    } else if (errno != ENOENT) {
        return false;
    }
    const QByteArray header = "[Default Applications]";
    const QByteArray entry = "application/zip=ambermox.desktop;";
    int section = -1;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            inSection = line == header;
            if (inSection && section < 0)
                section = i;
        } else if (inSection && line.startsWith("application/zip")
            && line.mid(15).trimmed().startsWith('=')) {
            return false;
        }
    }
    if (section >= 0) {
        lines.insert(section + 1, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append(header);
        lines.append(entry);
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray bytes = lines.join('\n') + '\n';
    ReplacingFile out(QFile::encodeName(path).toStdString(), ".ambermox-XXXXXX");
    return out.ok() && out.write(bytes.constData(), size_t(bytes.size())) && out.commit(mode);
}

} // namespace

QString desktopExecProgram(const QString &program)
{
    // Inside double quotes '"', '`', '$' and '\' take a backslash; the key's
    // own escaping then doubles every backslash, and '%' is written "%%".
    bool quote = false;
    QString quoted;
    for (QChar c : program) {
        if (QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`=").contains(c))
            quote = true;
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QStringLiteral("\\\\");
        if (c == QLatin1Char('\\'))
            quoted += QStringLiteral("\\\\\\");
        // Line breaks and tabs as the key's escapes: the quotes keep them in
        // the one argument once the key is read.
        if (c == QLatin1Char('\n') || c == QLatin1Char('\t') || c == QLatin1Char('\r')) {
            quoted += c == QLatin1Char('\n') ? QStringLiteral("\\n")
                : c == QLatin1Char('\t')     ? QStringLiteral("\\t")
                                             : QStringLiteral("\\r");
            continue;
        }
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
    }
    return quote ? QLatin1Char('"') + quoted + QLatin1Char('"') : quoted;
}

QStringList registerDesktop(const QString &program)
{
    QStringList written;
    // Other control characters have no escape in a desktop entry; such a
    // path is not worth a broken entry.
    for (const QChar c : program)
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t')
            && c != QLatin1Char('\r'))
            return written;
    try {
        bool applicationsChanged = false;
        bool entryInPlace = false;
        for (const Target &t : targets(program)) {
            const Outcome outcome = writeIfDifferent(t);
            const bool isEntry = t.path.endsWith(QStringLiteral("/applications/ambermox.desktop"));
            if (isEntry)
                entryInPlace = outcome != Outcome::Skipped;
            if (outcome == Outcome::Written) {
                written.append(t.path);
                if (isEntry)
                    applicationsChanged = true;
            }
        }
        // The default names our entry only when it is there as we wrote it.
        if (entryInPlace && setDefaultHandler()) {
            written.append(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                + QStringLiteral("/mimeapps.list"));
        }
        const QString tool =
            QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
        if (applicationsChanged && !tool.isEmpty()) {
            QProcess update;
            update.start(tool,
                { QStringLiteral("-q"),
                    QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                        + QStringLiteral("/applications") });
            update.waitForFinished(5000);
        }
    } catch (...) {
        // The desktop integration is a convenience; the program starts regardless.
    }
    return written;
}

QString startingProgram(const QString &folder, const QString &running)
{
    const QString beside = QDir(folder).filePath(QStringLiteral("ambermox"));
    const QFileInfo info(beside);
    return info.isFile() && info.isExecutable() ? beside : running;
}
