#include "Operations.h"

#include "MsgUnit.h"

#include "engine/ZipEngine.h"
#include "platform/Prompter.h"

#include <QAction>

Operations::Operations(TMsgForm &msgForm, QAction *viewLastOutput, const StatusLine &line)
    : m_msgForm(msgForm)
    , m_viewLastOutput(viewLastOutput)
    , m_progress(line)
{
}

void Operations::startLog()
{
    m_viewLastOutput->setEnabled(true);
    m_msgForm.clearLines();
    m_failures = 0;
    m_firstFailure.clear();
}

void Operations::appendLog(const std::string &message, int32_t errCode)
{
    m_msgForm.appendLine(QString::fromStdString(message));
    if (!isFailureMessage(errCode))
        return;
    if (m_failures++ == 0)
        m_firstFailure = message;
}

void Operations::reportFailures()
{
    if (m_failures == 0)
        return;
    const QString first = QString::fromStdString(m_firstFailure).trimmed();
    const QString text = m_failures == 1
        ? QStringLiteral("The operation reported a problem:\n%1").arg(first)
        : QStringLiteral("The operation reported %1 problems. The first:\n%2")
              .arg(m_failures)
              .arg(first);
    m_failures = 0;
    m_firstFailure.clear();
    Prompter::instance().notice(text
            + QStringLiteral(
                "\n\nEvery message is in \"View Last Output...\" in the Options menu."),
        Prompter::Icon::Warning);
}

bool refuseWhileOperationRuns()
{
    if (!TZipEngine::anyOperationRunning())
        return false;
    Prompter::instance().notice(
        QStringLiteral("Please wait until the running archive operation has finished."),
        Prompter::Icon::Information);
    return true;
}

TZipEngine *Operations::runningEngine() const
{
    if (addEngine && addEngine->ZipLibBusy)
        return addEngine;
    if (extractEngine && extractEngine->UnzipLibBusy)
        return extractEngine;
    return nullptr;
}

bool Operations::interruptRunning()
{
    TZipEngine *engine = runningEngine();
    if (!engine)
        return false;
    engine->CancelRequested = true;
    if (Prompter::instance().question(QStringLiteral("Archive Operation Interrupted. Continue?")))
        engine->CancelRequested = false;
    return true;
}
