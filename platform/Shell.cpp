#include "Shell.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

namespace {

DesktopShell desktopShell;
Shell *current = &desktopShell;

} // namespace

Shell &Shell::instance()
{
    return *current;
}

void Shell::install(Shell *shell)
{
    current = shell ? shell : &desktopShell;
}

QString internetShortcutUrl(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inSection = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line.compare(QLatin1String("[InternetShortcut]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (inSection && line.startsWith(QLatin1String("URL="), Qt::CaseInsensitive))
            return line.mid(4).trimmed();
    }
    return {};
}

void DesktopShell::openFile(const QString &path, const QString &, Show, const QString &)
{
    // The desktop decides how its programs show their windows; the working
    // folder and parameters have no meaning for a document opened this way.
    if (path.endsWith(QLatin1String(".url"), Qt::CaseInsensitive)) {
        const QString address = internetShortcutUrl(path);
        if (!address.isEmpty()) {
            openUrl(QUrl(address));
            return;
        }
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void DesktopShell::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void DesktopShell::startProgram(
    const QString &program, const QStringList &args, const QString &workingDir)
{
    QProcess::startDetached(program, args, workingDir);
}
