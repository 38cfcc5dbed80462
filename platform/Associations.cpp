#include "Associations.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMimeDatabase>
#include <QSet>
#include <QStandardPaths>

#include <map>

namespace {

// The groups of a desktop entry or mimeapps.list file: group -> key -> value.
// Localised keys and comments are not needed here.
using KeyFile = std::map<QString, std::map<QString, QString>>;

KeyFile readKeyFile(const QString &path)
{
    KeyFile groups;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return groups;
    QString group;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            groups[group].emplace(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return groups;
}

QStringList listValue(const QString &value)
{
    return value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QStringList envList(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return (value.isEmpty() ? fallback : value).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString envFolder(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.startsWith(QLatin1Char('/')) ? value : QDir::homePath() + fallback;
}

struct Program
{
    bool usable = false;
    QStringList mimeTypes;
};

// Installed desktop entries by ID; the first folder that holds an ID wins.
std::map<QString, Program> installedPrograms(const QStringList &dataFolders)
{
    std::map<QString, Program> programs;
    for (const QString &data : dataFolders) {
        const QString root = data + QStringLiteral("/applications/");
        QDirIterator it(root, { QStringLiteral("*.desktop") }, QDir::Files,
            QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext()) {
            const QString path = it.next();
            QString id = path.mid(root.size());
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (programs.count(id))
                continue;
            const auto entry = readKeyFile(path)[QStringLiteral("Desktop Entry")];
            const auto value = [&](const char *key) {
                const auto found = entry.find(QLatin1String(key));
                return found == entry.end() ? QString() : found->second;
            };
            Program &p = programs[id];
            const QString tryExec = value("TryExec");
            p.usable = value("Type") == QLatin1String("Application")
                && value("Hidden") != QLatin1String("true")
                && (!value("Exec").isEmpty() || value("DBusActivatable") == QLatin1String("true"))
                && (tryExec.isEmpty()
                    || (tryExec.startsWith(QLatin1Char('/'))
                            ? QFileInfo(tryExec).isExecutable()
                            : !QStandardPaths::findExecutable(tryExec).isEmpty()));
            p.mimeTypes = listValue(value("MimeType"));
        }
    }
    return programs;
}

} // namespace

QString associatedProgram(const QString &mimeType)
{
    const QStringList dataFolders = QStringList { envFolder("XDG_DATA_HOME", "/.local/share") }
        + envList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    const QStringList configFolders = QStringList { envFolder("XDG_CONFIG_HOME", "/.config") }
        + envList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    QStringList desktops;
    for (const QString &desktop : envList("XDG_CURRENT_DESKTOP", QString()))
        desktops << desktop.toLower() + QStringLiteral("-mimeapps.list");
    desktops << QStringLiteral("mimeapps.list");

    // The lists in order of precedence: the user's configuration, the
    // system's, then those beside the desktop entries.
    std::vector<KeyFile> lists;
    for (const QString &folder : configFolders)
        for (const QString &name : desktops)
            lists.push_back(readKeyFile(folder + QLatin1Char('/') + name));
    for (const QString &folder : dataFolders)
        for (const QString &name : desktops)
            lists.push_back(readKeyFile(folder + QStringLiteral("/applications/") + name));

    const std::map<QString, Program> programs = installedPrograms(dataFolders);
    const auto usable = [&](const QString &id) {
        const auto found = programs.find(id);
        return found != programs.end() && found->second.usable;
    };

    // The type itself first, then its parents; each under its aliases too.
    static const QMimeDatabase mimes;
    const QMimeType type = mimes.mimeTypeForName(mimeType);
    QStringList chain { mimeType };
    if (type.isValid())
        chain << type.allAncestors();
    for (const QString &name : chain) {
        QSet<QString> names { name };
        if (const QMimeType t = mimes.mimeTypeForName(name); t.isValid()) {
            names.insert(t.name());
            for (const QString &alias : t.aliases())
                names.insert(alias);
        }
        QSet<QString> removed;
        for (const KeyFile &list : lists) {
            const auto section = [&](const char *group) {
                QStringList ids;
                const auto g = list.find(QLatin1String(group));
                if (g != list.end())
                    for (const QString &n : names)
                        if (const auto v = g->second.find(n); v != g->second.end())
                            ids << listValue(v->second);
                return ids;
            };
            for (const QString &id : section("Default Applications"))
                if (usable(id))
                    return id;
            for (const QString &id : section("Added Associations"))
                if (usable(id) && !removed.contains(id))
                    return id;
            for (const QString &id : section("Removed Associations"))
                removed.insert(id);
        }
        for (const auto &[id, program] : programs)
            if (program.usable && !removed.contains(id))
                for (const QString &listed : program.mimeTypes)
                    if (names.contains(listed))
                        return id;
    }
    return {};
}
