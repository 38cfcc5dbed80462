#include "Operations.h"

#include "MsgUnit.h"
#include "PasswordQuestion.h"

#include "Prompter.h"
#include "ZipEngine.h"

#include <QAction>
#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <utility>

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
    m_passwordSkips = 0;
}

void Operations::appendLog(const std::string &message, int32_t errCode)
{
    m_msgForm.appendLine(QString::fromStdString(message));
    // Told apart at the end: the user chose to go without the password.
    if (isPasswordSkip(errCode)) {
        ++m_passwordSkips;
        return;
    }
    if (!isFailureMessage(errCode))
        return;
    if (m_failures++ == 0)
        m_firstFailure = message;
}

void Operations::reportFailures()
{
    const int skips = std::exchange(m_passwordSkips, 0);
    if (skips > 0 && m_failures == 0) {
        Prompter::instance().notice(passwordSkipsText(skips), Prompter::Icon::Information);
        return;
    }
    if (m_failures == 0)
        return;
    const QString first = QString::fromStdString(m_firstFailure).trimmed();
    const QString text = m_failures == 1
        ? tr("The operation reported a problem:\n%1").arg(first)
        : tr("The operation reported %1 problems. The first:\n%2").arg(m_failures).arg(first);
    m_failures = 0;
    m_firstFailure.clear();
    Prompter::instance().notice(text
            + (skips > 0 ? QLatin1Char('\n') + passwordSkipsText(skips) : QString())
            + tr("\n\nEvery message is in \"View Last Output...\" in the Options menu."),
        Prompter::Icon::Warning);
}

bool refuseWhileOperationRuns()
{
    if (!TZipEngine::anyOperationRunning())
        return false;
    Prompter::instance().notice(
        QCoreApplication::translate(
            "Operations", "Please wait until the running archive operation has finished."),
        Prompter::Icon::Information);
    return true;
}

void Operations::wire(TZipEngine &engine, const QString &verb)
{
    engine.OnProgress = [this, verb](
                            TZipEngine &, ProgressType type, const std::string &name, int64_t) {
        engineProgress(verb, type, name);
    };
    engine.OnMessage = [this](TZipEngine &, int32_t errCode, const std::string &text) {
        engineMessage(errCode, text);
    };
    askPasswords(engine);
}

void Operations::wireWaiting(TZipEngine &engine)
{
    engine.OnProgress = [this](TZipEngine &, ProgressType type, const std::string &name, int64_t) {
        if (type == ProgressType::ProgressWait)
            m_progress.waiting(QString::fromStdString(name));
    };
    engine.OnMessage = nullptr;
}

void Operations::engineProgress(const QString &verb, ProgressType type, const std::string &name)
{
    m_progress.progress(type, verb, name);
}

void Operations::engineMessage(int32_t errCode, const std::string &text)
{
    appendLog(text, errCode);
}

Operations::Running::Running(Operations &operations, TZipEngine &engine, int64_t totalBytes)
    : m_operations(operations)
    , m_engine(engine)
{
    // Registered first: the display's first repaint lets clicks through.
    m_operations.m_running.push_back(&m_engine);
    m_operations.m_progress.begin(totalBytes);
}

Operations::Running::~Running()
{
    // However the run ends, so a failed run does not leave the lamps red.
    m_operations.m_progress.end();
    std::vector<TZipEngine *> &running = m_operations.m_running;
    running.erase(std::next(std::find(running.rbegin(), running.rend(), &m_engine)).base());
}

TZipEngine *Operations::runningEngine() const
{
    return m_running.empty() ? nullptr : m_running.back();
}

bool Operations::interruptRunning()
{
    TZipEngine *engine = runningEngine();
    if (!engine)
        return false;
    engine->CancelRequested = true;
    if (Prompter::instance().question(tr("Archive Operation Interrupted. Continue?")))
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
        Operations &operations;
        explicit PrompterNotices(Operations &o)
            : operations(o)
        {
        }
        void showNotice(const std::string &text) override
        {
            const int skips = std::exchange(operations.m_passwordSkips, 0);
            Prompter::instance().notice(QString::fromStdString(text)
                + (skips > 0 ? QLatin1Char('\n') + passwordSkipsText(skips) : QString()));
        }
    } notices { *this };
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
    wire(engine, tr("Testing"));
    engine.FSpecArgs.clear();
    Running running(*this, engine, total);
    engine.Test();
}
