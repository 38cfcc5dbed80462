#include "RecordingShell.h"

RecordingShell::RecordingShell()
    : m_previous(&Shell::instance())
{
    Shell::install(this);
}

RecordingShell::~RecordingShell()
{
    Shell::install(m_previous == this ? nullptr : m_previous);
}

QString RecordingShell::openFile(
    const QString &path, const QString &workingDir, Show show, const QString &parameters)
{
    m_calls.push_back({ QStringLiteral("open"), path, workingDir, show,
        parameters.isEmpty() ? QStringList() : QStringList { parameters } });
    return m_failure;
}

QString RecordingShell::openUrl(const QUrl &url)
{
    m_calls.push_back({ QStringLiteral("url"), url.toString(), QString(), Show::Normal, {} });
    return m_failure;
}

void RecordingShell::startProgram(
    const QString &program, const QStringList &args, const QString &workingDir)
{
    m_calls.push_back({ QStringLiteral("start"), program, workingDir, Show::Normal, args });
}
