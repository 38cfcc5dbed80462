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

void ExtractGauge::show(int percent)
{
    m_percent = std::clamp(std::max(m_percent, percent), 0, 100);
}
