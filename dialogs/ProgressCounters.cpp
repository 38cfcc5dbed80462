#include "ProgressCounters.h"

#include <algorithm>
#include <climits>

void StatusBarCounter::begin(int64_t totalBytes)
{
    m_position = 0;
    // Division truncating towards zero; a negative total gives an empty bar.
    const int64_t units = std::max<int64_t>(0, totalBytes / kProgressStepBytes);
    m_belowOneUnit = units == 0;
    m_maximum = static_cast<int>(std::clamp<int64_t>(units, 1, INT_MAX));
}

bool StatusBarCounter::batchEnd()
{
    if (!m_belowOneUnit || m_position == m_maximum)
        return false;
    m_position = m_maximum;
    return true;
}

bool StatusBarCounter::advanceTo(int64_t doneBytes, int64_t membersDone)
{
    const int64_t units = m_belowOneUnit ? (doneBytes > 0 || membersDone > 0 ? 1 : 0)
                                         : std::max<int64_t>(0, doneBytes / kProgressStepBytes);
    const int target = static_cast<int>(std::min<int64_t>(units, m_maximum));
    if (target <= m_position)
        return false;
    m_position = target;
    return true;
}

bool StatusBarCounter::step()
{
    if (m_position >= m_maximum)
        return false;
    ++m_position;
    return true;
}

void ExtractGauge::start(int64_t totalBytes)
{
    m_total = std::max<int64_t>(0, totalBytes);
    m_done = 0;
    m_percent = 0;
}

int ExtractGauge::step()
{
    // Saturating: the count can never wrap, however many steps arrive.
    m_done = m_done > INT64_MAX - kProgressStepBytes ? INT64_MAX : m_done + kProgressStepBytes;
    if (m_total == 0) {
        show(100);
        return m_percent;
    }
    // done * 100 / total in a width no 64-bit count can overflow.
    const auto scaled = static_cast<__int128>(m_done) * 100 / m_total;
    show(scaled >= 100 ? 100 : static_cast<int>(scaled));
    return m_percent;
}

int ExtractGauge::batchEnd()
{
    if (m_total == 0)
        show(100);
    return m_percent;
}

int ExtractGauge::advanceTo(int64_t doneBytes, int64_t membersDone)
{
    m_done = std::max(m_done, doneBytes);
    if (m_total == 0) {
        if (m_done > 0 || membersDone > 0)
            show(100);
        return m_percent;
    }
    const auto scaled = static_cast<__int128>(m_done) * 100 / m_total;
    show(scaled >= 100 ? 100 : static_cast<int>(scaled));
    return m_percent;
}

void ExtractGauge::show(int percent)
{
    m_percent = std::clamp(std::max(m_percent, percent), 0, 100);
}

namespace {

int64_t saturatingAdd(int64_t a, int64_t b)
{
    return a > INT64_MAX - b ? INT64_MAX : a + b;
}

} // namespace

void ByteProgress::newFile(int64_t size)
{
    // A member the library left without its end is done all the same.
    memberEnd();
    m_memberEnd = saturatingAdd(m_done, std::max<int64_t>(0, size));
    m_inMember = true;
}

void ByteProgress::step()
{
    const int64_t next = saturatingAdd(m_done, kProgressStepBytes);
    m_done = m_inMember ? std::max(m_done, std::min(next, m_memberEnd)) : next;
}

void ByteProgress::memberEnd()
{
    if (!m_inMember)
        return;
    m_done = std::max(m_done, m_memberEnd);
    m_inMember = false;
    ++m_members;
}

void ByteProgress::follow(ProgressType type, int64_t size)
{
    switch (type) {
    case ProgressType::ProgressNewFile:
        newFile(size);
        break;
    case ProgressType::ProgressStep:
        step();
        break;
    case ProgressType::ProgressEnd:
        memberEnd();
        break;
    case ProgressType::ProgressWait:
    case ProgressType::ProgressTotal:
        break;
    }
}
