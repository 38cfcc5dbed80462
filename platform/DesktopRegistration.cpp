#include "DesktopRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kArchiveTypes = QStringLiteral("application/zip;application/x-zip-compressed;");
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
    const QString icon = iconFor(program);
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

// True when the file was (re)written.
bool writeIfDifferent(const Target &t)
{
    QFile current(t.path);
    const bool exists = current.exists();
    const QByteArray wanted = t.content.toUtf8();
    const QFileDevice::Permissions exe =
        QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    if (exists) {
        const QByteArray have =
            current.open(QIODevice::ReadOnly) ? current.readAll() : QByteArray();
        current.close();
        if (t.onlyOurs && !have.contains(kScriptMark.toUtf8()))
            return false;
        const bool exeOk = !t.executable || (current.permissions() & QFileDevice::ExeOwner);
        if (have == wanted && exeOk)
            return false;
    }
    if (!QDir().mkpath(QFileInfo(t.path).absolutePath()))
        return false;
    QSaveFile out(t.path);
    if (!out.open(QIODevice::WriteOnly) || out.write(wanted) != wanted.size())
        return false;
    if (!out.commit())
        return false;
    if (t.executable)
        QFile::setPermissions(t.path, QFile::permissions(t.path) | exe);
    return true;
}

// Adds the default for application/zip to the user's mimeapps.list unless
// one is set there already. True when the file was written.
bool setDefaultHandler()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/mimeapps.list");
    QFile file(path);
    QStringList lines;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        file.close();
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
    }
    const QString header = QStringLiteral("[Default Applications]");
    const QString entry = QStringLiteral("application/zip=ambermox.desktop;");
    int section = -1;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line == header;
            if (inSection && section < 0)
                section = i;
        } else if (inSection && line.startsWith(QStringLiteral("application/zip"))
            && line.mid(15).trimmed().startsWith(QLatin1Char('='))) {
            return false;
        }
    }
    if (section >= 0) {
        lines.insert(section + 1, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(header);
        lines.append(entry);
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile out(path);
    const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

} // namespace

QString desktopExecProgram(const QString &program)
{
    // Inside double quotes '"', '`', '$' and '\' take a backslash; the key's
    // own escaping then doubles every backslash, and '%' is written "%%".
    bool quote = false;
    QString quoted;
    for (QChar c : program) {
        if (QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=").contains(c))
            quote = true;
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QStringLiteral("\\\\");
        if (c == QLatin1Char('\\'))
            quoted += QStringLiteral("\\\\\\");
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
    }
    return quote ? QLatin1Char('"') + quoted + QLatin1Char('"') : quoted;
}

QStringList registerDesktop(const QString &program)
{
    QStringList written;
    try {
        bool applicationsChanged = false;
        for (const Target &t : targets(program)) {
            if (writeIfDifferent(t)) {
                written.append(t.path);
                if (t.path.contains(QStringLiteral("/applications/")))
                    applicationsChanged = true;
            }
        }
        if (setDefaultHandler()) {
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
