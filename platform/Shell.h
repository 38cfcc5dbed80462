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
    // shortcut (".url") opens the address it holds. Returns why it could not
    // be opened (no program for that kind of file, for one), or empty.
    virtual QString openFile(const QString &path, const QString &workingDir,
        Show show = Show::Normal, const QString &parameters = {}) = 0;
    virtual QString openUrl(const QUrl &url) = 0;
    // Starts a program detached, with its arguments, in the given folder.
    virtual void startProgram(
        const QString &program, const QStringList &args, const QString &workingDir) = 0;

    // openFile, telling the user, with the file's name, when it could not be
    // opened. True when it was handed to a program.
    bool open(const QString &path, const QString &workingDir, Show show = Show::Normal,
        const QString &parameters = {});

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
    QString openFile(const QString &path, const QString &workingDir, Show show,
        const QString &parameters) override;
    QString openUrl(const QUrl &url) override;
    void startProgram(
        const QString &program, const QStringList &args, const QString &workingDir) override;
};
