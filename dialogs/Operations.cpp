#include "Operations.h"

#include "MsgUnit.h"
#include "PasswordQuestion.h"
#include "WorkerHost.h"

#include "Prompter.h"
#include "ZipEngine.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <utility>

Operations::Operations(TMsgForm &msgForm, QAction *viewLastOutput, const StatusLine &line)
    : m_msgForm(msgForm)
    , m_viewLastOutput(viewLastOutput)
    , m_progress(line)
{
}

namespace {

// How long the widgets may lag behind the library: well under the quarter
// second after which a bar that stands still looks stuck.
constexpr std::chrono::milliseconds kDrainPeriod { 100 };

} // namespace

void Operations::startLog()
{
    m_viewLastOutput->setEnabled(true);
    m_feed.take(); // the lines of an earlier operation go with the others
    m_msgForm.clearLines();
    m_failures = 0;
    m_firstFailure.clear();
    m_passwordSkips = 0;
}

void Operations::appendLog(const std::string &message, int32_t errCode)
{
    // Behind what the library reported before, and on show at once.
    m_feed.message(errCode, message);
    drain();
}

void Operations::reportFailures()
{
    drain();
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
    engine.OnProgress = [this, verb = verbNumber(verb)](TZipEngine &, ProgressType type,
                            const std::string &name, int64_t size) {
        engineProgress(verb, type, name, size);
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

int Operations::verbNumber(const QString &verb)
{
    const auto known = std::find(m_verbs.begin(), m_verbs.end(), verb);
    if (known != m_verbs.end())
        return static_cast<int>(known - m_verbs.begin());
    m_verbs.push_back(verb);
    return static_cast<int>(m_verbs.size() - 1);
}

void Operations::engineProgress(int verb, ProgressType type, const std::string &name, int64_t size)
{
    if (type == ProgressType::ProgressWait) {
        drain();
        m_progress.waiting(QString::fromStdString(name));
        return;
    }
    pump(m_feed.progress(type, name, size, verb));
}

void Operations::engineMessage(int32_t errCode, const std::string &text)
{
    m_feed.message(errCode, text);
    pump(false);
}

void Operations::setTotal(int64_t totalBytes)
{
    m_feed.setTotal(totalBytes);
}

void Operations::pump(bool moved)
{
    // On the library's thread the events only go to the feed: the window's
    // timer shows them.
    if (!onWindowThread())
        return;
    // Outside a run nothing else would show the lines: at once then.
    if (!moved && !m_running.empty()
        && std::chrono::steady_clock::now() - m_lastDrain < kDrainPeriod)
        return;
    drain();
}

void Operations::drain(bool showProgress)
{
    OperationFeed::Batch batch = m_feed.take();
    m_lastDrain = std::chrono::steady_clock::now();
    if (!batch.lines.empty())
        m_msgForm.appendLines(std::move(batch.lines));
    if (batch.newFile || batch.doneBytes > 0 || batch.membersDone > 0)
        m_quiet = false;
    m_passwordSkips += batch.passwordSkips;
    if (batch.failures > 0) {
        if (m_failures == 0)
            m_firstFailure = std::move(batch.firstFailure);
        m_failures += batch.failures;
    }
    if (batch.total >= 0 && m_progress.isActive())
        m_progress.setTotal(batch.total);
    if (!showProgress || !m_progress.isActive())
        return;
    const QString verb = batch.verb < int(m_verbs.size()) ? m_verbs[size_t(batch.verb)] : QString();
    m_progress.show(verb, batch.newFile ? QString::fromStdString(batch.file) : QString(),
        batch.doneBytes, batch.membersDone);
}

Operations::Running::Running(Operations &operations, TZipEngine &engine, int64_t totalBytes)
    : m_operations(operations)
    , m_engine(engine)
{
    // Registered first: the display's first repaint lets clicks through.
    m_operations.m_running.push_back(&m_engine);
    m_operations.m_feed.begin(totalBytes);
    m_operations.m_progress.begin(totalBytes);
    // The first events show at once.
    m_operations.m_lastDrain = {};
    // While the library works on its own thread, the window looks at the
    // feed at its own pace, also before the library reports anything.
    m_timer = std::make_unique<QTimer>();
    m_operations.m_quiet = true;
    const auto started = std::chrono::steady_clock::now();
    QObject::connect(
        m_timer.get(), &QTimer::timeout, [this, started, fullBar = FullBarClock()]() mutable {
            const auto now = std::chrono::steady_clock::now();
            if (now - m_operations.m_lastDrain >= kDrainPeriod)
                m_operations.drain();
            // A bar that stands still longer than this looks stuck; with the
            // timer's own period the bar runs as busy within 150 ms.
            const StatusBarCounter &bar = m_operations.m_progress.counter();
            const bool full = !m_operations.m_quiet && bar.position() >= bar.maximum();
            const bool stuck = fullBar.stuck(full, now, kDrainPeriod);
            if (stuck || (m_operations.m_quiet && now - started >= kDrainPeriod))
                m_operations.m_progress.busy();
        });
    m_timer->start(kDrainPeriod / 2);
}

Operations::Running::~Running()
{
    m_timer.reset();
    // Whatever the library said last is in the log before anyone reads it;
    // no events run here, the operation is over.
    m_operations.drain(false);
    // However the run ends, so a failed run does not leave the lamps red.
    m_operations.m_progress.end();
    std::vector<TZipEngine *> &running = m_operations.m_running;
    running.erase(std::next(std::find(running.rbegin(), running.rend(), &m_engine)).base());
}

TZipEngine *Operations::runningEngine() const
{
    return m_running.empty() ? nullptr : m_running.back();
}

void Operations::stopAll()
{
    for (TZipEngine *engine : m_running)
        engine->CancelRequested = true;
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
            operations.drain();
            const int skips = std::exchange(operations.m_passwordSkips, 0);
            Prompter::instance().notice(QString::fromStdString(text)
                + (skips > 0 ? QLatin1Char('\n') + passwordSkipsText(skips) : QString()));
        }
    } notices { *this };
    const KeptHandlers saved(engine);
    struct NoticesBack
    {
        TZipEngine &engine;
        ~NoticesBack() { engine.setNotices(nullptr); }
    } noticesBack { engine };
    engine.setNotices(&notices);
    wire(engine, tr("Testing"));
    engine.FSpecArgs.clear();
    Running running(*this, engine, total);
    engine.Test();
}
