#include "Shell.h"

#include "Associations.h"
#include "Prompter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
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

bool Shell::open(
    const QString &path, const QString &workingDir, Show show, const QString &parameters)
{
    const QString problem = openFile(path, workingDir, show, parameters);
    if (problem.isEmpty())
        return true;
    Prompter::instance().notice(
        QCoreApplication::translate("Shell", "Cannot open \"%1\": %2.").arg(path, problem),
        Prompter::Icon::Warning);
    return false;
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

QString DesktopShell::openFile(const QString &path, const QString &, Show, const QString &)
{
    // The desktop decides how its programs show their windows; the working
    // folder and parameters have no meaning for a document opened this way.
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("Shell", "there is no such file");
    if (path.endsWith(QLatin1String(".url"), Qt::CaseInsensitive)) {
        const QString address = internetShortcutUrl(path);
        if (address.isEmpty())
            return QCoreApplication::translate("Shell", "it holds no address");
        return openUrl(QUrl(address));
    }
    // The opener hands a file without a program for it to nobody, and says
    // nothing; we tell the user instead.
    static const QMimeDatabase mimes;
    const QMimeType type = mimes.mimeTypeForFile(info);
    if (associatedProgram(type.name()).isEmpty())
        return QCoreApplication::translate(
            "Shell", "no program is set up to open files of the type \"%1\" (%2)")
            .arg(type.comment(), type.name());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())))
        return QCoreApplication::translate(
            "Shell", "the desktop's opener (xdg-open) could not be started");
    return {};
}

QString DesktopShell::openUrl(const QUrl &url)
{
    if (!url.isLocalFile()
        && associatedProgram(QStringLiteral("x-scheme-handler/") + url.scheme()).isEmpty())
        return QCoreApplication::translate("Shell", "no program is set up to open \"%1\" addresses")
            .arg(url.scheme());
    if (!QDesktopServices::openUrl(url))
        return QCoreApplication::translate(
            "Shell", "the desktop's opener (xdg-open) could not be started");
    return {};
}

void DesktopShell::startProgram(
    const QString &program, const QStringList &args, const QString &workingDir)
{
    QProcess::startDetached(program, args, workingDir);
}
