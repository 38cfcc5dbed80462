// The lines of an operation's log, packed: one buffer of UTF-8 text and the
// end of each line, so that a million lines cost little more than their
// bytes and appending a batch is one copy. No Qt here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class LogLines
{
public:
    void append(std::string_view line)
    {
        m_text.append(line);
        m_ends.push_back(m_text.size());
    }
    void append(const LogLines &more)
    {
        const size_t base = m_text.size();
        m_text.append(more.m_text);
        m_ends.reserve(m_ends.size() + more.m_ends.size());
        for (size_t end : more.m_ends)
            m_ends.push_back(base + end);
    }
    std::string_view at(size_t i) const
    {
        const size_t begin = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_text).substr(begin, m_ends[i] - begin);
    }
    size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    void clear()
    {
        m_text.clear();
        m_ends.clear();
    }
    void swap(LogLines &other) noexcept
    {
        m_text.swap(other.m_text);
        m_ends.swap(other.m_ends);
    }

private:
    std::string m_text;
    std::vector<size_t> m_ends;
};
