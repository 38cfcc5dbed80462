// What the find dialog tests on each row of the main list.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CalendarDay
{
    int year = 0, month = 0, day = 0;
};

enum class SizeCompare { Below, Above, Exact }; // <=, >=, =

struct FindCriteria
{
    std::string pattern = "*.*";
    bool dateTest = false;
    CalendarDay start, end; // start day included, end day not
    bool sizeTest = false;
    int64_t bound = 0;
    SizeCompare compare = SizeCompare::Below;
};

// One row as the list shows it: name, "short date  short time", size.
struct FindRow
{
    std::string_view name;
    std::string_view modified;
    uint64_t size = 0;
};

bool dateInRange(const CalendarDay &day, const CalendarDay &start, const CalendarDay &end);
bool sizePasses(uint64_t size, int64_t bound, SizeCompare compare);

// The digits of a typed bound, separators and blanks left out; empty gives
// 0, more than fits gives the largest value.
int64_t parseSizeBound(std::string_view text);

// The calendar day of a "Modified" text written in the current locale's
// short date format; nothing when the text is not such a date.
std::optional<CalendarDay> listDate(std::string_view modified);

struct FindResult
{
    std::vector<size_t> matches; // row indices, in list order
    // Set when a date could not be read: the search stopped at that row.
    // A row without a date (an empty text) only fails the date test.
    std::string error;
};

// Row i of count rows; read one at a time, so that a long list is not copied.
using FindRowSource = std::function<FindRow(size_t i)>;
FindResult findRows(size_t count, const FindRowSource &row, const FindCriteria &criteria);
inline FindResult findRows(const std::vector<FindRow> &rows, const FindCriteria &criteria)
{
    return findRows(
        rows.size(),
        [&rows](size_t i) {
            return rows[i];
        },
        criteria);
}
