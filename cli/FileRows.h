// The main window's row model: one row per archive member that is not a
// folder, its column texts, the totals, and the eight sort orders.
#pragma once

#include "ZipEngine.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <ranges>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A size as the list shows it, digits grouped; "?" for one the format does not know.
std::string sizeColumnText(uint64_t size);

// One row as the list shows it, made when asked for: its texts are views into
// the member's name and its FileRows' shared dates and ratios, valid while
// the FileRows and its entries stay as they are.
struct FileRow
{
    std::string_view Name; // after the last '/', as stored (UTF-8)
    std::string_view Modified; // the rows' date text, e.g. locale short date and time
    std::string_view Ratio; // e.g. "62%"
    std::string_view Path; // up to and including the last '/'

    uint64_t size = 0;
    uint64_t packed = 0;
    bool encrypted = false; // the list shows a lock on its icon
    uint32_t index = 0; // the row's place in archive order: ties and "original order"

    // The member's name in the archive (Path + Name).
    std::string member() const;
};

enum SortOrder : int {
    SortByName = 1,
    SortByPath = 2,
    SortByType = 3,
    SortBySize = 4,
    SortByPacked = 5,
    SortByRatio = 6,
    SortByDate = 7,
    SortByOriginalOrder = 8
};

struct FileRowTotals
{
    uint64_t size = 0;
    uint64_t packed = 0;
};

class FileRows
{
public:
    // How a member's MS-DOS date and time reads in the Modified column.
    using DateText = std::function<std::string(uint32_t)>;

    explicit FileRows(DateText dateText)
        : m_dateText(std::move(dateText))
    {
    }
    FileRows(const FileRows &) = delete;
    FileRows &operator=(const FileRows &) = delete;

    // Rebuilds the rows from an engine's entries, in archive order. The rows
    // read names and sizes from the entries, which must outlive them or the
    // next load; entries changed meanwhile read as other members, or as
    // empty rows past their end, never out of bounds.
    void load(const std::vector<ArchiveMember> &entries);
    // The same, keeping the entries.
    void load(std::vector<ArchiveMember> &&entries);
    // Swaps rows with other; each set of rows keeps reading its entries.
    void swap(FileRows &other) noexcept;
    // The entries the rows read were swapped, storage and all, into
    // entries: the rows read them there from now on.
    void readFrom(const std::vector<ArchiveMember> &entries) { m_entries = &entries; }
    // Equal keys keep the archive's order, whatever order the rows are in
    // now; 8 is the archive's order. Other orders leave the rows alone.
    void sort(int order);
    void clear();

    size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    // Row i of the list, in the order sorted last.
    FileRow operator[](size_t i) const { return row(m_order[i]); }
    // The rows in the list's order, for a range-for.
    auto rows() const
    {
        return std::views::transform(m_order, [this](uint32_t i) {
            return row(i);
        });
    }
    const FileRowTotals &totals() const { return m_totals; }

private:
    // A row as kept: a million of them take 12 bytes each, not a copy of
    // the member's name and sizes.
    struct Slot
    {
        uint32_t entry; // in the entries
        uint32_t date; // in m_dateTexts
        uint32_t ratio; // in m_ratioTexts
    };

    void append(const ArchiveMember &member, uint32_t entry);
    std::string_view keep(std::string_view text);
    FileRow row(uint32_t slot) const;
    const ArchiveMember *member(uint32_t slot) const;
    std::string_view nameOf(uint32_t slot) const;
    std::string_view pathOf(uint32_t slot) const;

    DateText m_dateText;
    const std::vector<ArchiveMember> *m_entries = nullptr;
    std::vector<ArchiveMember> m_ownEntries; // when handed over
    // In archive order; a sort orders only m_order, the rows' places in it.
    std::vector<Slot> m_rows;
    std::vector<uint32_t> m_order;
    FileRowTotals m_totals;
    // Text storage: fixed blocks, so views into them stay valid as rows are added.
    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_blockUsed = 0;
    size_t m_blockSize = 0;
    // Each date and ratio text once, by its number.
    std::vector<std::string_view> m_dateTexts;
    std::vector<std::string_view> m_ratioTexts;
    std::unordered_map<uint32_t, uint32_t> m_dates;
    std::unordered_map<int64_t, uint32_t> m_ratios;
};

// Lowers only 'A'..'Z'; a comparison key, never a name to use.
std::string LowerAscii(std::string_view text);
// "." between groups of three digits, whatever the locale; a leading '-' is kept apart.
std::string GroupDigits(std::string_view digits);
std::string GroupDigits(int64_t value);
// n / 1024 rounded to the nearest integer, halves to even, grouped.
std::string kilobytes(uint64_t bytes);
// Integer percentage saved, rounded halves to even; "" when packed is 0.
std::string ratioNumber(uint64_t packed, uint64_t size);
std::string ratioText(uint64_t packed, uint64_t size);
// The extension sort key of a name: from the last '.', '\' or ':' when it is a '.'.
std::string_view typeKey(std::string_view name);
