// The arithmetic behind the two progress displays of an archive operation,
// kept apart from the widgets that show it. No Qt here.
#pragma once

#include "Operation.h"

#include <chrono>
#include <cstdint>
#include <optional>

// The library reports one step per 32 kilobytes it has processed.
inline constexpr int64_t kProgressStepBytes = 32768;

// The status-line bar: counts 32-kilobyte units of the operation's total and
// never passes its maximum (the library may send more steps than the total
// foretold, e.g. for files that grew since they were measured). A total under
// one unit still has a maximum of 1, since a bar whose maximum is 0 shows a
// busy animation: it is empty, then full at the first step or member's end.
class StatusBarCounter
{
public:
    void begin(int64_t totalBytes);
    // Advances by one unit unless the maximum is reached; true when it moved.
    bool step();
    // A member is done; true when that filled a bar too small to count steps.
    bool batchEnd();
    // The operation's bytes and members done so far (see ByteProgress);
    // true when the bar moved. It never moves back.
    bool advanceTo(int64_t doneBytes, int64_t membersDone);

    int position() const { return m_position; }
    int maximum() const { return m_maximum; }

private:
    int m_position = 0;
    int m_maximum = 1;
    bool m_belowOneUnit = false;
};

// The shell-extract gauge: a percentage of the total that only rises and
// never passes 100. A total of 0 (only empty members, or none) has no
// percentage; the gauge shows 100 as soon as the library reports work done.
class ExtractGauge
{
public:
    void start(int64_t totalBytes);
    // One library step; returns the percentage to show.
    int step();
    // The end of a batch: with nothing to measure, the work is complete.
    int batchEnd();
    // The operation's bytes and members done so far (see ByteProgress);
    // returns the percentage to show.
    int advanceTo(int64_t doneBytes, int64_t membersDone);

    int percent() const { return m_percent; }
    int64_t total() const { return m_total; }
    int64_t done() const { return m_done; }

private:
    void show(int percent);

    int64_t m_total = 0;
    int64_t m_done = 0;
    int m_percent = 0;
};

// What an operation has done, in bytes, from the library's events. Steps
// come only per 32 kilobytes inside a member, so a member counts its whole
// size when it ends: without that, an archive of small files would show
// nothing done until its end. Steps never count a member beyond its size.
// The count only grows.
class ByteProgress
{
public:
    void begin() { *this = {}; }
    void newFile(int64_t size);
    void step();
    void memberEnd();
    // One event of the library, as the three calls above; a wait moves nothing.
    void follow(ProgressType type, int64_t size);

    int64_t done() const { return m_done; }
    int64_t members() const { return m_members; }

private:
    int64_t m_done = 0;
    int64_t m_memberEnd = 0; // m_done once the current member is done
    int64_t m_members = 0;
    bool m_inMember = false;
};

// A bar that has stood full for a while although its operation goes on
// (the library writes the archive's directory and puts it in place) is
// shown as busy instead of looking stuck.
class FullBarClock
{
public:
    using Clock = std::chrono::steady_clock;
    // True once the bar has been full for at least after.
    bool stuck(bool full, Clock::time_point now, Clock::duration after)
    {
        if (!full) {
            m_since.reset();
            return false;
        }
        if (!m_since)
            m_since = now;
        return now - *m_since >= after;
    }

private:
    std::optional<Clock::time_point> m_since;
};
