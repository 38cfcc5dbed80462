#include "FileRows.h"

#include "engine/NameCodec.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <numeric>

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

std::string ratioText(uint64_t packed, uint64_t size)
{
    if (packed < 1)
        return "0%";
    return GroupDigits(ratioNumber(packed, size)) + "%";
}

std::string modifiedText(uint32_t dosDateTime)
{
    const int time = static_cast<int>(dosDateTime & 0xFFFF);
    const int date = static_cast<int>(dosDateTime >> 16);
    const QDate d(1980 + (date >> 9), (date >> 5) & 0x0F, date & 0x1F);
    const QTime t((time >> 11) & 0x1F, (time >> 5) & 0x3F, (time & 0x1F) * 2);
    if (!d.isValid() || !t.isValid())
        return {};
    const QLocale locale;
    return (locale.toString(d, QLocale::ShortFormat) + QStringLiteral("  ")
        + locale.toString(t, QLocale::ShortFormat))
        .toStdString();
}

std::string typeKey(std::string_view name)
{
    const size_t pos = name.find_last_of(".\\:");
    if (pos == std::string_view::npos || name[pos] != '.')
        return {};
    return std::string(name.substr(pos));
}

std::string totalText(size_t count, const FileRowTotals &totals)
{
    return "Total " + GroupDigits(static_cast<int64_t>(count)) + (count == 1 ? " file" : " files")
        + ", " + kilobytes(totals.size) + " kB [" + kilobytes(totals.packed) + " kB]";
}

std::string selectedText(size_t count, uint64_t bytes)
{
    return "Selected " + GroupDigits(static_cast<int64_t>(count))
        + (count == 1 ? " file" : " files") + ", " + kilobytes(bytes) + " kB";
}

void FileRows::clear()
{
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_totals = {};
}

void FileRows::load(const std::vector<ZipDirEntry> &entries)
{
    clear();
    m_rows.reserve(entries.size());
    for (const ZipDirEntry &e : entries) {
        if (e.isFolder())
            continue;
        const std::string name = amx::decodeName(e.FileName, e.isUtf8());
        const size_t slash = name.rfind('/');
        FileRow row;
        row.Name = slash == std::string::npos ? name : name.substr(slash + 1);
        row.Path = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
        row.Modified = modifiedText(e.DateTime);
        row.size = e.UncompressedSize64;
        row.packed = e.CompressedSize64;
        row.Size = std::to_string(row.size);
        row.Packed = std::to_string(row.packed);
        row.Ratio = ratioText(row.packed, row.size);
        m_totals.size += row.size;
        m_totals.packed += row.packed;
        m_rows.push_back(std::move(row));
    }
}

namespace {

// Unsigned byte order, a prefix first: what std::string's compare does with
// char_traits<char> on unsigned bytes.
int ordinal(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

template<typename Less>
void sortBy(std::vector<FileRow> &rows, Less less)
{
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    std::vector<FileRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows.swap(sorted);
}

// Text keys, lowered once rather than at every comparison.
template<typename Key>
void sortByText(std::vector<FileRow> &rows, Key key, bool descending)
{
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const FileRow &r : rows)
        keys.push_back(key(r));
    sortBy(rows, [&](size_t a, size_t b) {
        return descending ? ordinal(keys[b], keys[a]) < 0 : ordinal(keys[a], keys[b]) < 0;
    });
}

} // namespace

void FileRows::sort(int order)
{
    if (m_rows.size() < 2)
        return;
    switch (order) {
    case SortByName:
        sortByText(m_rows, [](const FileRow &r) { return LowerAscii(r.Name); }, false);
        break;
    case SortByPath: {
        std::vector<std::string> paths, names;
        for (const FileRow &r : m_rows) {
            paths.push_back(LowerAscii(r.Path));
            names.push_back(LowerAscii(r.Name));
        }
        sortBy(m_rows, [&](size_t a, size_t b) {
            const int c = ordinal(paths[a], paths[b]);
            return c != 0 ? c < 0 : ordinal(names[a], names[b]) < 0;
        });
        break;
    }
    case SortByType:
        sortByText(m_rows, [](const FileRow &r) { return LowerAscii(typeKey(r.Name)); }, false);
        break;
    case SortBySize:
        sortBy(m_rows, [this](size_t a, size_t b) { return m_rows[a].size > m_rows[b].size; });
        break;
    case SortByPacked:
        sortBy(m_rows, [this](size_t a, size_t b) { return m_rows[a].packed > m_rows[b].packed; });
        break;
    case SortByRatio:
        sortByText(m_rows, [](const FileRow &r) { return r.Ratio; }, true);
        break;
    case SortByDate:
        sortByText(m_rows, [](const FileRow &r) { return r.Modified; }, true);
        break;
    default:
        break;
    }
}
