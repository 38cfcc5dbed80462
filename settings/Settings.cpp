#include "Settings.h"

#include "Paths.h"
#include "TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

std::string programFolder()
{
    QString path = QString::fromStdString(executableFolder());
    // The help pages beside the program (build tree, portable copy), else
    // where an installation puts them.
    const QString installed = QDir::cleanPath(path + QStringLiteral("/../share/ambermox"));
    if (!QFileInfo(path + QStringLiteral("/help")).isDir()
        && QFileInfo(installed + QStringLiteral("/help")).isDir())
        path = installed;
    return withSlash(path.toStdString());
}

std::string defaultViewer()
{
    for (const char *editor : { "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed",
             "pluma", "featherpad" }) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!found.isEmpty())
            return found.toStdString();
    }
    const QString open = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return open.isEmpty() ? std::string("xdg-open") : open.toStdString();
}

Settings Settings::firstRun()
{
    Settings s;
    s.LastOpenDir = programFolder();
    s.LastAddDir = programFolder();
    s.Temp = privateTempFolder();
    s.Viewer = defaultViewer();
    return s;
}
