#include "OperationFeed.h"

#include "ZipEngine.h"

#include <algorithm>
#include <utility>

void OperationFeed::begin(int64_t totalBytes)
{
    std::lock_guard lock(m_mutex);
    m_bytes.begin();
    m_total = std::max<int64_t>(0, totalBytes);
    m_takenPercent = 0;
    m_pending.newFile = false;
    m_pending.doneBytes = 0;
    m_pending.membersDone = 0;
    m_pending.total = -1;
}

void OperationFeed::setTotal(int64_t totalBytes)
{
    std::lock_guard lock(m_mutex);
    m_total = std::max<int64_t>(0, totalBytes);
    m_pending.total = m_total;
}

int OperationFeed::percent() const
{
    if (m_total == 0)
        return 0;
    const auto scaled = static_cast<__int128>(m_bytes.done()) * 100 / m_total;
    return scaled >= 100 ? 100 : static_cast<int>(scaled);
}

bool OperationFeed::progress(ProgressType type, std::string_view name, int64_t size, int verb)
{
    std::lock_guard lock(m_mutex);
    if (type == ProgressType::ProgressWait)
        return false;
    if (type == ProgressType::ProgressTotal) {
        m_total = std::max<int64_t>(0, size);
        m_pending.total = m_total;
        return false;
    }
    m_bytes.follow(type, size);
    if (type != ProgressType::ProgressNewFile)
        return percent() != m_takenPercent;
    m_pending.newFile = true;
    m_pending.file.assign(name);
    m_pending.verb = verb;
    return false;
}

bool isPasswordSkip(int32_t errCode)
{
    return errCode == AMX_ERROR_ENCRYPTED || errCode == AMX_ERROR_WRONG_PASSWORD;
}

void OperationFeed::message(int32_t errCode, std::string_view text)
{
    std::lock_guard lock(m_mutex);
    // A text of several lines is that many lines of the log.
    for (size_t from = 0;;) {
        const size_t end = text.find('\n', from);
        m_pending.lines.append(text.substr(from, end - from));
        if (end == std::string_view::npos)
            break;
        from = end + 1;
    }
    // Told apart at the end: the user chose to go without the password.
    if (isPasswordSkip(errCode)) {
        ++m_pending.passwordSkips;
        return;
    }
    if (!isFailureMessage(errCode))
        return;
    if (m_pending.failures++ == 0)
        m_pending.firstFailure.assign(text);
}

OperationFeed::Batch OperationFeed::take()
{
    Batch out;
    std::lock_guard lock(m_mutex);
    // The buffers change hands; the library's side starts afresh.
    out.lines.swap(m_pending.lines);
    out.failures = std::exchange(m_pending.failures, 0);
    out.passwordSkips = std::exchange(m_pending.passwordSkips, 0);
    out.firstFailure.swap(m_pending.firstFailure);
    out.newFile = std::exchange(m_pending.newFile, false);
    if (out.newFile)
        out.file = m_pending.file;
    out.verb = m_pending.verb;
    out.doneBytes = m_bytes.done();
    out.membersDone = m_bytes.members();
    out.total = std::exchange(m_pending.total, -1);
    m_takenPercent = percent();
    return out;
}
