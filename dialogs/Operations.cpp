#include "Operations.h"

#include "MsgUnit.h"

#include "Prompter.h"
#include "ZipEngine.h"

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
    for (TZipEngine *add : { addEngine, dropEngine })
        if (add && add->ZipLibBusy)
            return add;
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

void Operations::testArchive(TZipEngine &engine)
{
    startLog();
    int64_t total = 0;
    for (const ArchiveMember &m : engine.Entries())
        total += static_cast<int64_t>(m.size);
    // The outcome is told in this window's prompter, like every operation's.
    struct PrompterNotices : EngineNotices
    {
        void showNotice(const std::string &text) override
        {
            Prompter::instance().notice(QString::fromStdString(text));
        }
    } notices;
    struct Handlers
    {
        TZipEngine &engine;
        TProgressEvent progress = std::exchange(engine.OnProgress, {});
        TMessageEvent message = std::exchange(engine.OnMessage, {});
        ~Handlers()
        {
            engine.OnProgress = std::move(progress);
            engine.OnMessage = std::move(message);
            engine.setNotices(nullptr);
        }
    } saved { engine };
    engine.setNotices(&notices);
    engine.OnProgress = [this](TZipEngine &, ProgressType type, const std::string &name, int64_t) {
        m_progress.progress(type, QStringLiteral("Testing"), name);
    };
    engine.OnMessage = [this](TZipEngine &, int32_t errCode, const std::string &text) {
        appendLog(text, errCode);
    };
    engine.FSpecArgs.clear();
    m_progress.begin(total);
    struct End
    {
        StatusProgress &progress;
        ~End() { progress.end(); }
    } end { m_progress };
    engine.Test();
}
