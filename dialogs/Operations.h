// What the operation dialogs share with the main window: the output log of
// the last operation, the status-line progress display, and the engines of
// the dialogs whose running add or extraction a click on the list can
// interrupt.
#pragma once

#include "StatusProgress.h"

#include <cstdint>
#include <string>

class QAction;
class TMsgForm;
class TZipEngine;

// Tells the user and returns true while any archive operation runs: the
// windows let events through meanwhile, and nothing may start another
// operation or change the open archive under it.
bool refuseWhileOperationRuns();

class Operations
{
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
    // only shown on request.
    void reportFailures();

    // Inflates and checks every member of the engine's archive, writing
    // nothing; the log holds a line per member, a notice tells the outcome.
    // The engine keeps its own handlers afterwards.
    void testArchive(TZipEngine &engine);

    StatusProgress &progress() { return m_progress; }
    TMsgForm &msgForm() { return m_msgForm; }

    // The Add and Extract dialogs register their engines here when they are
    // created; null while the dialog does not exist.
    TZipEngine *addEngine = nullptr;
    TZipEngine *extractEngine = nullptr;
    TZipEngine *dropEngine = nullptr; // the add of files dropped on the window

    // The engine a click on the list interrupts: a running add (of the Add
    // dialog, then of a drop) first, then a running extraction; null when
    // none runs.
    TZipEngine *runningEngine() const;
    // Asks whether to go on with the running operation; true when one ran
    // (the click is then used up). The library sees the cancel request at
    // its next callback unless the user answers Yes.
    bool interruptRunning();

private:
    TMsgForm &m_msgForm;
    QAction *m_viewLastOutput;
    int m_failures = 0;
    std::string m_firstFailure;
    StatusProgress m_progress;
};
