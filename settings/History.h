// A five-entry history (recent archives, extraction folders, chosen folders):
// entry 0 is the most recent, an empty string marks a free entry.
#pragma once

#include <array>
#include <string>

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

private:
    std::array<std::string, kSize> m_items;
};
