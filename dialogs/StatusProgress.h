// How the main window's status line shows an operation that a dialog runs:
// the left panel names the file at work, a bar over the right panel counts
// the bytes, the red lamp is lit. Every call repaints at once and lets
// pending events run, so the window stays alive while the library works;
// during an operation they come batched, a few times a second.
#pragma once

#include "ProgressCounters.h"

#include "ZipEngine.h"

#include <QCoreApplication>
#include <QString>

class QLabel;
class QProgressBar;
class StatusLamp;

// The main window's status-line widgets the display works on.
struct StatusLine
{
    QLabel *SPanel1 = nullptr;
    QLabel *SPanel2 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    StatusLamp *LedOn = nullptr;
    StatusLamp *LedOff = nullptr;
};

class StatusProgress
{
    Q_DECLARE_TR_FUNCTIONS(StatusProgress)

public:
    explicit StatusProgress(const StatusLine &line);

    // totalBytes: what the operation will process. Nested begins (an add
    // that runs the library twice) keep the first remembered texts.
    void begin(int64_t totalBytes);
    // The total became known after begin, before anything was done.
    void setTotal(int64_t totalBytes);
    void step();
    // verb: "Adding", "Extracting", ...; the name is shown in double quotes.
    void file(const QString &verb, const QString &name);
    void batchEnd();
    void end();
    // Another program writes the archive and the operation waits: says so in
    // the left panel and lets events run, so that the user can interrupt.
    // Outside begin() and end(), endWaiting() puts the panel's text back.
    void waiting(const QString &archive);
    void endWaiting();

    // What an operation's feed held at a look: the member started last
    // (none: the panel keeps its text) and the bytes and members done; one
    // paint for all of it.
    void show(const QString &verb, const QString &name, int64_t doneBytes, int64_t membersDone);

    // Nothing is reported yet (the library reads the directory): the bar
    // runs as a busy indicator until show() has something done to show.
    void busy();

    // One OnProgress event of an engine, mapped to the calls above.
    void progress(ProgressType type, const QString &verb, const std::string &name);

    bool isActive() const { return m_active; }
    const StatusBarCounter &counter() const { return m_counter; }

private:
    void settle();

    StatusLine m_line;
    StatusBarCounter m_counter;
    QString m_text1, m_text2;
    bool m_active = false;
    bool m_waitingAlone = false; // waiting shown without begin()
    bool m_busy = false;
};
