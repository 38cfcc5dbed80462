// A five-entry history (recent archives, extraction folders, chosen folders):
// entry 0 is the most recent, an empty string marks a free entry.
#pragma once

#include <array>
#include <span>
#include <string>

// The rule of the extraction folders and the chosen folders: the gaps close,
// each once and from the front (two gaps in a row leave one), then key comes
// to the front: a known key leaves its place, a new one pushes the last out.
void rememberEntry(std::span<std::string> entries, const std::string &key);

class History
{
public:
    static constexpr int kSize = 5;

    const std::string &operator[](int i) const { return m_items[static_cast<size_t>(i)]; }
    std::string &operator[](int i) { return m_items[static_cast<size_t>(i)]; }
    bool anySet() const;
    // Index of an entry equal to text, or -1.
    int indexOf(const std::string &text) const;
    // Entry i to the front, the ones before it one place down.
    void moveToFront(int i);
    // A new entry at the front; the last one is lost.
    void pushFront(const std::string &text);
    // Entry i removed, the ones after it up, the last one empty.
    void remove(int i);
    // key to the front by rememberEntry's rule.
    void remember(const std::string &key) { rememberEntry(m_items, key); }

private:
    std::array<std::string, kSize> m_items;
};
