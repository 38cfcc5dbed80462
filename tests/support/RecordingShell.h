#pragma once

#include "Shell.h"

#include <QStringList>

#include <vector>

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
    // Every open from now on fails with this reason (none when empty).
    void failWith(const QString &reason) { m_failure = reason; }

    QString openFile(const QString &path, const QString &workingDir, Show show,
        const QString &parameters) override;
    QString openUrl(const QUrl &url) override;
    void startProgram(
        const QString &program, const QStringList &args, const QString &workingDir) override;

private:
    std::vector<Call> m_calls;
    QString m_failure;
    Shell *m_previous;
};
