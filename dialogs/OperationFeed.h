// What a running operation reported and the window has not shown yet. The
// library's thread adds each event under a lock, which costs no more than
// the copy of its text; the window takes everything that arrived since its
// last look in one go, at its own pace, and paints once for all of it.
// No Qt here.
#pragma once

#include "LogLines.h"
#include "ProgressCounters.h"

#include "Operation.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

// Whether a library message reports a member left out for want of its password.
bool isPasswordSkip(int32_t errCode);

class OperationFeed
{
public:
    // What arrived since the last take.
    struct Batch
    {
        LogLines lines; // in the order they arrived
        int failures = 0; // of those lines
        int passwordSkips = 0; // encrypted members the user chose to go without
        std::string firstFailure;
        bool newFile = false; // a member started: file and verb name the last one
        std::string file;
        int verb = 0;
        int64_t doneBytes = 0; // since begin, not since the last take
        int64_t membersDone = 0;
        int64_t total = -1; // the operation's total when setTotal changed it
    };

    // An operation of totalBytes starts: the counts go back to zero (the
    // lines not taken yet stay).
    void begin(int64_t totalBytes);
    // The total became known after begin.
    void setTotal(int64_t totalBytes);
    // One progress event; verb: the caller's own number for the verb shown
    // before the file's name. True when the share of the total done moved by
    // a percent since the last take: a display has something new to show.
    bool progress(ProgressType type, std::string_view name, int64_t size, int verb);
    void message(int32_t errCode, std::string_view text);

    Batch take();

private:
    mutable std::mutex m_mutex;
    Batch m_pending;
    ByteProgress m_bytes;
    int64_t m_total = 0;
    int m_takenPercent = 0;
    int percent() const;
};
