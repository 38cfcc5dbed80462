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
}

void Operations::appendLog(const std::string &message)
{
    m_msgForm.appendLine(QString::fromStdString(message));
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
