// What the operation dialogs share with the main window: the output log of
// the last operation, the status-line progress display, and the operation
// that runs now, which a click on the list can interrupt. A window hands its
// engines to this object instead of handling their events itself.
#pragma once

#include "OperationFeed.h"
#include "StatusProgress.h"
#include "ZipEngine.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QTimer;
class TMsgForm;

// Tells the user and returns true while any archive operation runs: the
// windows let events through meanwhile, and nothing may start another
// operation or change the open archive under it.
bool refuseWhileOperationRuns();

// An operation that wires an engine for itself gives the engine its own
// progress and message handlers back when it ends.
class KeptHandlers
{
public:
    explicit KeptHandlers(TZipEngine &engine)
        : m_engine(engine)
        , m_progress(std::exchange(engine.OnProgress, {}))
        , m_message(std::exchange(engine.OnMessage, {}))
    {
    }
    ~KeptHandlers()
    {
        m_engine.OnProgress = std::move(m_progress);
        m_engine.OnMessage = std::move(m_message);
    }
    KeptHandlers(const KeptHandlers &) = delete;
    KeptHandlers &operator=(const KeptHandlers &) = delete;

private:
    TZipEngine &m_engine;
    TProgressEvent m_progress;
    TMessageEvent m_message;
};

class Operations
{
    Q_DECLARE_TR_FUNCTIONS(Operations)

public:
    // viewLastOutput: the main window's "Vie&w Last Output..." command.
    Operations(TMsgForm &msgForm, QAction *viewLastOutput, const StatusLine &line);

    // Every operation that reports messages starts the log before it
    // configures its engine: the command is enabled, the old lines go.
    void startLog();
    // One library message as one line; the error code is not shown but
    // counted for reportFailures.
    void appendLog(const std::string &message, int32_t errCode = 0);
    // After an operation: one notice when its messages reported failures,
    // naming the first and how many there were, since the log itself is
    // only shown on request; encrypted members left without their password
    // are counted apart.
    void reportFailures();

    // Inflates and checks every member of the engine's archive, writing
    // nothing; the log holds a line per member, a notice tells the outcome.
    // The engine keeps its own handlers afterwards.
    void testArchive(TZipEngine &engine);

    StatusProgress &progress() { return m_progress; }
    TMsgForm &msgForm() { return m_msgForm; }

    // Sends the engine's progress to the status line, naming each file after
    // verb ("Adding", "Extracting"), and its messages to the log; the
    // password of an encrypted member is asked through the prompter.
    void wire(TZipEngine &engine, const QString &verb);
    // A delete shows no progress, only that it waits for another program
    // writing the archive, and logs nothing.
    void wireWaiting(TZipEngine &engine);
    // Every event of a wired engine arrives here, on the library's thread:
    // the one place that decides how events reach the widgets. They go to
    // the feed; the widgets show what it holds at most every 100 ms (and
    // when the bar has moved by a percent), in one paint for all of it.
    // verb: the number verbNumber gave.
    void engineProgress(int verb, ProgressType type, const std::string &name, int64_t size);
    void engineMessage(int32_t errCode, const std::string &text);
    // From any thread: the running operation's total, measured once it had
    // started; the bar counts against it from the window's next look.
    void setTotal(int64_t totalBytes);
    // Shows everything the feed holds now: the log's new lines and, with
    // showProgress, the last file started and the bar (lets events run).
    void drain(bool showProgress = true);

    // For as long as it lives: the status line shows an operation of
    // totalBytes, and engine is the operation a click on the list
    // interrupts. Made around the engine's calls, so that nothing is
    // registered while no operation runs.
    class Running
    {
    public:
        Running(Operations &operations, TZipEngine &engine, int64_t totalBytes);
        ~Running();
        Running(const Running &) = delete;
        Running &operator=(const Running &) = delete;

    private:
        Operations &m_operations;
        TZipEngine &m_engine;
        std::unique_ptr<QTimer> m_timer;
    };

    // The engine a click on the list interrupts: the operation that started
    // last of those running; null when none runs.
    TZipEngine *runningEngine() const;
    // Asks whether to go on with the running operation; true when one ran
    // (the click is then used up). The library sees the cancel request at
    // its next callback unless the user answers Yes.
    bool interruptRunning();
    // Asks every running operation to stop, without a question.
    void stopAll();

private:
    int verbNumber(const QString &verb);
    // Drains when the widgets are due to show something.
    void pump(bool moved);

    TMsgForm &m_msgForm;
    QAction *m_viewLastOutput;
    int m_failures = 0;
    std::string m_firstFailure;
    int m_passwordSkips = 0; // encrypted members left without their password
    StatusProgress m_progress;
    // Entries are added and removed by Running only.
    std::vector<TZipEngine *> m_running;
    OperationFeed m_feed;
    std::vector<QString> m_verbs;
    std::chrono::steady_clock::time_point m_lastDrain;
    bool m_quiet = false; // the running operation has not reported work yet
};
