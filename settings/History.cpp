#include "History.h"

#include <algorithm>

bool History::anySet() const
{
    return std::any_of(m_items.begin(), m_items.end(), [](const auto &s) {
        return !s.empty();
    });
}

int History::indexOf(const std::string &text) const
{
    for (int i = 0; i < kSize; ++i)
        if (!m_items[static_cast<size_t>(i)].empty() && m_items[static_cast<size_t>(i)] == text)
            return i;
    return -1;
}

void History::moveToFront(int i)
{
    if (i <= 0 || i >= kSize)
        return;
    std::rotate(m_items.begin(), m_items.begin() + i, m_items.begin() + i + 1);
}

void History::pushFront(const std::string &text)
{
    std::rotate(m_items.rbegin(), m_items.rbegin() + 1, m_items.rend());
    m_items[0] = text;
}

void rememberEntry(std::span<std::string> e, const std::string &key)
{
    if (e.empty())
        return;
    for (size_t gap = 0; gap + 1 < e.size(); ++gap)
        if (e[gap].empty())
            std::rotate(e.begin() + gap, e.begin() + gap + 1, e.end());
    if (std::find(e.begin(), e.end(), key) == e.end()) {
        std::rotate(e.rbegin(), e.rbegin() + 1, e.rend());
        e[0] = key;
        return;
    }
    for (size_t n = 1; n < e.size(); ++n)
        if (e[n] == key)
            std::rotate(e.begin(), e.begin() + n, e.begin() + n + 1);
}

void History::remove(int i)
{
    if (i < 0 || i >= kSize)
        return;
    std::rotate(m_items.begin() + i, m_items.begin() + i + 1, m_items.end());
    m_items[kSize - 1].clear();
}
