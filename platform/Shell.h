// The desktop shell: opening documents, folders and addresses with the
// programs the user associated with them, and starting programs. Tests
// install a stand-in so nothing opens on the user's desktop.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class Shell
{
public:
    enum class Show { Normal, Maximized };

    virtual ~Shell() = default;
    // "open" a file or folder with its associated program. An internet
    // shortcut (".url") opens the address it holds. Failures are not reported:
    // the callers never check them.
    virtual void openFile(const QString &path, const QString &workingDir, Show show = Show::Normal,
        const QString &parameters = {}) = 0;
    virtual void openUrl(const QUrl &url) = 0;
    // Starts a program detached, with its arguments, in the given folder.
    virtual void startProgram(
        const QString &program, const QStringList &args, const QString &workingDir) = 0;

    // The program's shell; the desktop's unless a test installed another.
    static Shell &instance();
    static void install(Shell *shell);
};

// The address of an internet-shortcut file ("[InternetShortcut]" / "URL=");
// empty when the file holds none.
QString internetShortcutUrl(const QString &path);

class DesktopShell : public Shell
{
public:
    void openFile(const QString &path, const QString &workingDir, Show show,
        const QString &parameters) override;
    void openUrl(const QUrl &url) override;
    void startProgram(
        const QString &program, const QStringList &args, const QString &workingDir) override;
};
