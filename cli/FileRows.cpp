#include "FileRows.h"

#include <algorithm>
#include <cmath>
#include <utility>

std::string LowerAscii(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return out;
}

std::string GroupDigits(std::string_view digits)
{
    std::string_view sign;
    if (!digits.empty() && digits[0] == '-') {
        sign = digits.substr(0, 1);
        digits.remove_prefix(1);
    }
    std::string out(sign);
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    return out;
}

std::string GroupDigits(int64_t value)
{
    return GroupDigits(std::to_string(value));
}

std::string kilobytes(uint64_t bytes)
{
    uint64_t q = bytes / 1024;
    const uint64_t r = bytes % 1024;
    if (r > 512 || (r == 512 && (q & 1)))
        ++q;
    return GroupDigits(std::to_string(q));
}

std::string ratioNumber(uint64_t packed, uint64_t size)
{
    if (packed < 1)
        return {};
    // A member that is all overhead (nothing to unpack) saved nothing.
    if (size == 0)
        return "0";
    const double r = (1.0 - static_cast<double>(packed) / static_cast<double>(size)) * 100.0;
    return std::to_string(static_cast<int64_t>(std::nearbyint(r)));
}

std::string sizeColumnText(uint64_t size)
{
    return size == ArchiveMember::kUnknownSize ? "?" : GroupDigits(std::to_string(size));
}

std::string ratioText(uint64_t packed, uint64_t size)
{
    if (packed == ArchiveMember::kUnknownSize || size == ArchiveMember::kUnknownSize)
        return "?";
    if (packed < 1)
        return "0%";
    return GroupDigits(ratioNumber(packed, size)) + "%";
}

std::string_view typeKey(std::string_view name)
{
    const size_t pos = name.find_last_of(".\\:");
    if (pos == std::string_view::npos || name[pos] != '.')
        return {};
    return name.substr(pos);
}

namespace {

// What ratioText shows, as a number: the percentage, INT64_MIN for "?".
int64_t ratioKey(uint64_t packed, uint64_t size)
{
    if (packed == ArchiveMember::kUnknownSize || size == ArchiveMember::kUnknownSize)
        return INT64_MIN;
    if (packed < 1 || size == 0)
        return 0;
    const double r = (1.0 - static_cast<double>(packed) / static_cast<double>(size)) * 100.0;
    return static_cast<int64_t>(std::nearbyint(r));
}

} // namespace

std::string FileRow::member() const
{
    std::string out;
    out.reserve(Path.size() + Name.size());
    out.append(Path).append(Name);
    return out;
}

void FileRows::clear()
{
    m_entries = nullptr;
    std::vector<ArchiveMember>().swap(m_ownEntries);
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_order.clear();
    m_order.shrink_to_fit();
    m_totals = {};
    m_blocks.clear();
    m_blockUsed = m_blockSize = 0;
    m_dateTexts.clear();
    m_ratioTexts.clear();
    m_dates.clear();
    m_ratios.clear();
}

void FileRows::swap(FileRows &other) noexcept
{
    using std::swap;
    const bool mine = m_entries == &m_ownEntries;
    const bool theirs = other.m_entries == &other.m_ownEntries;
    swap(m_dateText, other.m_dateText);
    swap(m_entries, other.m_entries);
    swap(m_ownEntries, other.m_ownEntries);
    swap(m_rows, other.m_rows);
    swap(m_order, other.m_order);
    swap(m_totals, other.m_totals);
    swap(m_blocks, other.m_blocks);
    swap(m_blockUsed, other.m_blockUsed);
    swap(m_blockSize, other.m_blockSize);
    swap(m_dateTexts, other.m_dateTexts);
    swap(m_ratioTexts, other.m_ratioTexts);
    swap(m_dates, other.m_dates);
    swap(m_ratios, other.m_ratios);
    if (theirs)
        m_entries = &m_ownEntries;
    if (mine)
        other.m_entries = &other.m_ownEntries;
}

std::string_view FileRows::keep(std::string_view text)
{
    constexpr size_t kBlock = 64 * 1024;
    if (text.empty())
        return {};
    if (m_blockUsed + text.size() > m_blockSize) {
        m_blockSize = std::max(kBlock, text.size());
        m_blocks.push_back(std::make_unique<char[]>(m_blockSize));
        m_blockUsed = 0;
    }
    char *at = m_blocks.back().get() + m_blockUsed;
    std::copy(text.begin(), text.end(), at);
    m_blockUsed += text.size();
    return { at, text.size() };
}

const ArchiveMember *FileRows::member(uint32_t slot) const
{
    const uint32_t entry = m_rows[slot].entry;
    return m_entries && entry < m_entries->size() ? &(*m_entries)[entry] : nullptr;
}

namespace {

// A member's folder (up to and with its last '/') and its name after it;
// both empty where the rows outlived their entries.
std::pair<std::string_view, std::string_view> folderAndName(const ArchiveMember *m)
{
    if (!m)
        return {};
    const std::string_view name = m->name();
    const size_t cut = name.rfind('/') + 1; // 0 when there is no '/'
    return { name.substr(0, cut), name.substr(cut) };
}

} // namespace

std::string_view FileRows::nameOf(uint32_t slot) const
{
    return folderAndName(member(slot)).second;
}

std::string_view FileRows::pathOf(uint32_t slot) const
{
    return folderAndName(member(slot)).first;
}

FileRow FileRows::row(uint32_t slot) const
{
    const Slot &s = m_rows[slot];
    FileRow row;
    row.Modified = m_dateTexts[s.date];
    row.Ratio = m_ratioTexts[s.ratio];
    row.index = slot;
    if (const ArchiveMember *m = member(slot)) {
        const std::string_view name = m->name();
        const size_t slash = name.rfind('/');
        row.Name = slash == std::string_view::npos ? name : name.substr(slash + 1);
        row.Path = slash == std::string_view::npos ? std::string_view() : name.substr(0, slash + 1);
        row.size = m->size;
        row.packed = m->packed;
        row.encrypted = m->encrypted;
    }
    return row;
}

void FileRows::append(const ArchiveMember &m, uint32_t entry)
{
    Slot slot { entry, 0, 0 };
    // Members written together share their time, so each text is kept once.
    const uint32_t dos = m.zip.DateTime;
    auto date = m_dates.find(dos);
    if (date == m_dates.end()) {
        date = m_dates.emplace(dos, static_cast<uint32_t>(m_dateTexts.size())).first;
        m_dateTexts.push_back(keep(m_dateText(dos)));
    }
    slot.date = date->second;
    // Looked up by its number: no text is made for a ratio seen before.
    const int64_t key = ratioKey(m.packed, m.size);
    auto ratio = m_ratios.find(key);
    if (ratio == m_ratios.end()) {
        ratio = m_ratios.emplace(key, static_cast<uint32_t>(m_ratioTexts.size())).first;
        m_ratioTexts.push_back(keep(ratioText(m.packed, m.size)));
    }
    slot.ratio = ratio->second;
    // Sizes a stream format does not know count for nothing.
    if (m.sizeKnown())
        m_totals.size += m.size;
    if (m.packedKnown())
        m_totals.packed += m.packed;
    m_order.push_back(static_cast<uint32_t>(m_rows.size()));
    m_rows.push_back(slot);
}

void FileRows::load(const std::vector<ArchiveMember> &entries)
{
    clear();
    m_entries = &entries;
    size_t files = 0;
    for (const ArchiveMember &m : entries)
        files += !m.isFolder();
    m_rows.reserve(files);
    m_order.reserve(files);
    for (size_t i = 0; i < entries.size(); ++i)
        if (!entries[i].isFolder())
            append(entries[i], static_cast<uint32_t>(i));
}

void FileRows::load(std::vector<ArchiveMember> &&entries)
{
    std::vector<ArchiveMember> kept(std::move(entries));
    load(kept);
    m_ownEntries.swap(kept);
    m_entries = &m_ownEntries;
}

namespace {

unsigned char lowered(char c)
{
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
}

// A row's place in the sort: its key at the depth sorted now (a number, or
// eight bytes of a text) and its archive order, for ties and to find the
// row. Comparisons read only these, never the rows.
struct Keyed
{
    uint64_t key;
    uint32_t index;
};

bool keyThenIndex(const Keyed &a, const Keyed &b)
{
    return a.key != b.key ? a.key < b.key : a.index < b.index;
}

void byIndex(Keyed *first, Keyed *last)
{
    std::sort(first, last, [](const Keyed &a, const Keyed &b) {
        return a.index < b.index;
    });
}

// Bytes from..from+7 of text, big-endian so that keys compare as the texts
// do (unsigned bytes; with fold, 'A'..'Z' as lower case); past the end, 0.
uint64_t chunkKey(std::string_view text, size_t from, bool fold)
{
    uint64_t key = 0;
    for (size_t i = from; i < from + 8; ++i)
        key = key << 8
            | (i < text.size() ? (fold ? lowered(text[i]) : static_cast<unsigned char>(text[i]))
                               : 0u);
    return key;
}

// Sorts [first, last) by the texts text(row) in unsigned byte order, a prefix
// first (descending: turned around), eight bytes at a time from byte
// 8 * depth: only rows whose keys tie look further. Rows whose texts are
// equal are handed to then(first, last).
template <typename Text, typename Then>
void sortByText(Keyed *first, Keyed *last, const Text &text, bool fold, bool descending,
    size_t depth, const Then &then)
{
    const size_t from = 8 * depth;
    const uint64_t flip = descending ? ~uint64_t { 0 } : 0;
    for (Keyed *k = first; k != last; ++k)
        k->key = chunkKey(text(k->index), from, fold) ^ flip;
    std::sort(first, last, keyThenIndex);
    for (Keyed *run = first; run != last;) {
        Keyed *end = run + 1;
        while (end != last && end->key == run->key)
            ++end;
        if (end - run > 1) {
            bool longer = false;
            for (Keyed *k = run; k != end && !longer; ++k)
                longer = text(k->index).size() > from + 8;
            if (longer) {
                sortByText(run, end, text, fold, descending, depth + 1, then);
            } else {
                // Equal but for their lengths: the shorter is a prefix of the longer.
                for (Keyed *k = run; k != end; ++k)
                    k->key = text(k->index).size() ^ flip;
                std::sort(run, end, keyThenIndex);
                for (Keyed *same = run; same != end;) {
                    Keyed *sameEnd = same + 1;
                    while (sameEnd != end && sameEnd->key == same->key)
                        ++sameEnd;
                    if (sameEnd - same > 1)
                        then(same, sameEnd);
                    same = sameEnd;
                }
            }
        }
        run = end;
    }
}

// Numbers: ties keep the archive's order.
template <typename Key> void sortByNumber(std::vector<Keyed> &keys, Key key)
{
    for (Keyed &k : keys)
        k.key = key(k.index);
    std::sort(keys.begin(), keys.end(), keyThenIndex);
}

} // namespace

void FileRows::sort(int order)
{
    if (m_rows.size() < 2 || order < SortByName || order > SortByOriginalOrder)
        return;
    // Keys in archive order: the first ones are made reading the rows in turn.
    std::vector<Keyed> keys(m_rows.size());
    for (uint32_t i = 0; i < keys.size(); ++i)
        keys[i] = { 0, i };
    Keyed *first = keys.data(), *last = first + keys.size();
    const auto name = [this](uint32_t slot) {
        return nameOf(slot);
    };
    const auto number = [this](uint32_t slot, uint64_t ArchiveMember::*field) -> uint64_t {
        const ArchiveMember *m = member(slot);
        return m ? m->*field : 0;
    };
    // Descending orders turn the key around; ties keep the archive's order.
    switch (order) {
    case SortByName:
        sortByText(first, last, name, true, false, 0, byIndex);
        break;
    case SortByPath:
        sortByText(
            first, last,
            [this](uint32_t slot) {
                return pathOf(slot);
            },
            true, false, 0,
            [&name](Keyed *a, Keyed *b) {
                sortByText(a, b, name, true, false, 0, byIndex);
            });
        break;
    case SortByType:
        sortByText(
            first, last,
            [this](uint32_t slot) {
                return typeKey(nameOf(slot));
            },
            true, false, 0, byIndex);
        break;
    case SortBySize:
        sortByNumber(keys, [&number](uint32_t slot) {
            return ~number(slot, &ArchiveMember::size);
        });
        break;
    case SortByPacked:
        sortByNumber(keys, [&number](uint32_t slot) {
            return ~number(slot, &ArchiveMember::packed);
        });
        break;
    case SortByRatio:
        sortByText(
            first, last,
            [this](uint32_t slot) {
                return m_ratioTexts[m_rows[slot].ratio];
            },
            false, true, 0, byIndex);
        break;
    case SortByDate:
        sortByText(
            first, last,
            [this](uint32_t slot) {
                return m_dateTexts[m_rows[slot].date];
            },
            false, true, 0, byIndex);
        break;
    case SortByOriginalOrder:
        byIndex(first, last);
        break;
    }
    for (size_t i = 0; i < keys.size(); ++i)
        m_order[i] = keys[i].index;
}
