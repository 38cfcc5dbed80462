// The desktop shell: opening documents, folders and addresses with the
// programs the user associated with them, and starting programs. Tests
// install a RecordingShell so nothing opens on the user's desktop.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <vector>

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

// Records every request instead of acting; installed for its lifetime.
class RecordingShell : public Shell
{
public:
    struct Call
    {
        QString verb; // "open", "url", "start"
        QString target;
        QString workingDir;
        Show show = Show::Normal;
        QStringList args;
    };

    RecordingShell();
    ~RecordingShell() override;
    RecordingShell(const RecordingShell &) = delete;
    RecordingShell &operator=(const RecordingShell &) = delete;

    const std::vector<Call> &calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

    void openFile(const QString &path, const QString &workingDir, Show show,
        const QString &parameters) override;
    void openUrl(const QUrl &url) override;
    void startProgram(
        const QString &program, const QStringList &args, const QString &workingDir) override;

private:
    std::vector<Call> m_calls;
    Shell *m_previous;
};
