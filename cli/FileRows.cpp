#include "FileRows.h"

#include <algorithm>
#include <cmath>

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

std::string FileRow::member() const
{
    std::string out;
    out.reserve(Path.size() + Name.size());
    out.append(Path).append(Name);
    return out;
}

void FileRows::clear()
{
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_totals = {};
    m_blocks.clear();
    m_blockUsed = m_blockSize = 0;
    m_dates.clear();
    m_ratios.clear();
}

std::string_view FileRows::keep(std::string_view text)
{
    constexpr size_t kBlock = 256 * 1024;
    // An empty name may come first, before any block exists.
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

void FileRows::append(const ArchiveMember &m)
{
    const std::string_view name = m.name();
    const size_t slash = name.rfind('/');
    const std::string_view whole = keep(name);
    FileRow row;
    row.Name = slash == std::string::npos ? whole : whole.substr(slash + 1);
    row.Path = slash == std::string::npos ? std::string_view() : whole.substr(0, slash + 1);
    // Members written together share their time, so each text is kept once.
    const uint32_t dos = m.zip.DateTime;
    auto date = m_dates.find(dos);
    if (date == m_dates.end())
        date = m_dates.emplace(dos, keep(m_dateText(dos))).first;
    row.Modified = date->second;
    row.size = m.size;
    row.packed = m.packed;
    row.encrypted = m.encrypted;
    row.index = static_cast<uint32_t>(m_rows.size());
    std::string ratio = ratioText(row.packed, row.size);
    auto shared = m_ratios.find(ratio);
    if (shared == m_ratios.end()) {
        const std::string_view kept = keep(ratio);
        shared = m_ratios.emplace(std::move(ratio), kept).first;
    }
    row.Ratio = shared->second;
    // Sizes a stream format does not know count for nothing.
    if (m.sizeKnown())
        m_totals.size += row.size;
    if (m.packedKnown())
        m_totals.packed += row.packed;
    m_rows.push_back(row);
}

void FileRows::load(const std::vector<ArchiveMember> &entries)
{
    clear();
    m_rows.reserve(entries.size());
    for (const ArchiveMember &m : entries)
        if (!m.isFolder())
            append(m);
}

void FileRows::load(std::vector<ArchiveMember> &&entries)
{
    clear();
    m_rows.reserve(entries.size());
    for (ArchiveMember &m : entries) {
        if (!m.isFolder())
            append(m);
        m.releaseName();
    }
    std::vector<ArchiveMember>().swap(entries);
}

namespace {

unsigned char lowered(char c)
{
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
}

// Unsigned byte order, a prefix first; with fold, as if both were LowerAscii'd.
int ordinal(std::string_view a, std::string_view b, bool fold)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = fold ? lowered(a[i]) : static_cast<unsigned char>(a[i]);
        const unsigned char y = fold ? lowered(b[i]) : static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// A row's sort key, computed once per sort: a number, or the first eight
// bytes of a text (big-endian, so that keys compare as the texts do). Rows
// whose keys tie are compared in full, then by archive order.
struct Keyed
{
    uint64_t key;
    uint32_t row;
};

uint64_t prefixKey(std::string_view text, bool fold)
{
    uint64_t key = 0;
    for (size_t i = 0; i < 8; ++i)
        key = key << 8
            | (i < text.size() ? (fold ? lowered(text[i]) : static_cast<unsigned char>(text[i]))
                               : 0u);
    return key;
}

// Moves the rows into the order the keys name, one cycle at a time, without
// a second copy of the rows.
void permute(std::vector<FileRow> &rows, std::vector<Keyed> &&keys)
{
    std::vector<uint32_t> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].row;
    std::vector<Keyed>().swap(keys);
    for (uint32_t i = 0; i < order.size(); ++i) {
        if (order[i] == i)
            continue;
        const FileRow first = rows[i];
        uint32_t j = i;
        while (order[j] != i) {
            const uint32_t next = order[j];
            rows[j] = rows[next];
            order[j] = j;
            j = next;
        }
        rows[j] = first;
        order[j] = j;
    }
}

// key: the row's key; full: the three-way comparison of two rows whose keys
// tie (0 when the key says all).
template <typename Key, typename Full> void sortBy(std::vector<FileRow> &rows, Key key, Full full)
{
    std::vector<Keyed> keys(rows.size());
    for (uint32_t i = 0; i < keys.size(); ++i)
        keys[i] = { key(rows[i]), i };
    std::sort(keys.begin(), keys.end(), [&](const Keyed &a, const Keyed &b) {
        if (a.key != b.key)
            return a.key < b.key;
        const FileRow &x = rows[a.row];
        const FileRow &y = rows[b.row];
        const int c = full(x, y);
        return c != 0 ? c < 0 : x.index < y.index;
    });
    permute(rows, std::move(keys));
}

int sameKey(const FileRow &, const FileRow &)
{
    return 0;
}

} // namespace

void FileRows::sort(int order)
{
    if (m_rows.size() < 2)
        return;
    // Descending orders turn the key and the comparison around.
    switch (order) {
    case SortByName:
        sortBy(
            m_rows,
            [](const FileRow &r) {
                return prefixKey(r.Name, true);
            },
            [](const FileRow &a, const FileRow &b) {
                return ordinal(a.Name, b.Name, true);
            });
        break;
    case SortByPath:
        sortBy(
            m_rows,
            [](const FileRow &r) {
                return prefixKey(r.Path, true);
            },
            [](const FileRow &a, const FileRow &b) {
                const int c = ordinal(a.Path, b.Path, true);
                return c != 0 ? c : ordinal(a.Name, b.Name, true);
            });
        break;
    case SortByType:
        sortBy(
            m_rows,
            [](const FileRow &r) {
                return prefixKey(typeKey(r.Name), true);
            },
            [](const FileRow &a, const FileRow &b) {
                return ordinal(typeKey(a.Name), typeKey(b.Name), true);
            });
        break;
    case SortBySize:
        sortBy(
            m_rows,
            [](const FileRow &r) {
                return ~r.size;
            },
            sameKey);
        break;
    case SortByPacked:
        sortBy(
            m_rows,
            [](const FileRow &r) {
                return ~r.packed;
            },
            sameKey);
        break;
    case SortByRatio:
        sortBy(
            m_rows,
            [](const FileRow &r) {
                return ~prefixKey(r.Ratio, false);
            },
            [](const FileRow &a, const FileRow &b) {
                return ordinal(b.Ratio, a.Ratio, false);
            });
        break;
    case SortByDate:
        sortBy(
            m_rows,
            [](const FileRow &r) {
                return ~prefixKey(r.Modified, false);
            },
            [](const FileRow &a, const FileRow &b) {
                return ordinal(b.Modified, a.Modified, false);
            });
        break;
    case SortByOriginalOrder:
        sortBy(
            m_rows,
            [](const FileRow &r) {
                return uint64_t { r.index };
            },
            sameKey);
        break;
    default:
        break;
    }
}
