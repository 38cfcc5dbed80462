#include "discovery/FindLogic.h"

#include "app/FileRows.h"

#include "tests/support/Table.h"

namespace {

TEST(FindLogicTest, StartDayIncludedEndDayExcluded)
{
    const CalendarDay start { 2024, 3, 10 }, end { 2024, 3, 12 };
    EXPECT_FALSE(dateInRange({ 2024, 3, 9 }, start, end));
    EXPECT_TRUE(dateInRange({ 2024, 3, 10 }, start, end));
    EXPECT_TRUE(dateInRange({ 2024, 3, 11 }, start, end));
    EXPECT_FALSE(dateInRange({ 2024, 3, 12 }, start, end));
    // Both ends on the same day, as the dialog opens: nothing passes.
    EXPECT_FALSE(dateInRange(start, start, start));
    // Field by field, so a day the month lacks still orders.
    EXPECT_TRUE(dateInRange({ 2024, 2, 28 }, { 2024, 1, 31 }, { 2024, 2, 31 }));
}

struct SizeRow
{
    const char *name;
    const char *bound;
    SizeCompare compare;
    uint64_t size;
    bool passes;
};
AMX_ROW_PRINTS_NAME(SizeRow)

const SizeRow kSizeRows[] = {
    { "AboveWithComma", "1,000", SizeCompare::Above, 1000, true },
    { "AboveWithDot", "1.000", SizeCompare::Above, 999, false },
    { "BlanksOfTheMask", "  1,000  ", SizeCompare::Exact, 1000, true },
    { "EmptyIsZero", "", SizeCompare::Below, 0, true },
    { "EmptyBelowOne", "", SizeCompare::Below, 1, false },
    { "BelowIncludesBound", "5", SizeCompare::Below, 5, true },
    { "Beyond32Bits", "999,999,999,999,999", SizeCompare::Above, 5'000'000'000ull, false },
    { "Beyond32BitsBelow", "999,999,999,999,999", SizeCompare::Below, 5'000'000'000ull, true },
    { "ExactLarge", "5,000,000,000", SizeCompare::Exact, 5'000'000'000ull, true },
    { "OverflowSaturates", "99999999999999999999", SizeCompare::Below, ~0ull >> 1, true },
};

class SizeBoundTest : public ::testing::TestWithParam<SizeRow>
{
};

TEST_P(SizeBoundTest, Passes)
{
    const SizeRow &row = GetParam();
    EXPECT_EQ(sizePasses(row.size, parseSizeBound(row.bound), row.compare), row.passes);
}

INSTANTIATE_TEST_SUITE_P(Table, SizeBoundTest, ::testing::ValuesIn(kSizeRows), amxtest::RowName());

// The list's own date texts read back to their day, in this locale and
// across the century.
TEST(FindLogicTest, ListDatesReadBack)
{
    for (const CalendarDay day : { CalendarDay { 1999, 12, 31 }, CalendarDay { 2024, 2, 29 } }) {
        const uint32_t dos =
            static_cast<uint32_t>(((day.year - 1980) << 9) | (day.month << 5) | day.day) << 16;
        const auto read = listDate(modifiedText(dos | (13 << 11)));
        ASSERT_TRUE(read) << modifiedText(dos);
        EXPECT_EQ(read->year, day.year);
        EXPECT_EQ(read->month, day.month);
        EXPECT_EQ(read->day, day.day);
    }
}

TEST(FindLogicTest, SearchStopsAtUnreadableDate)
{
    const std::string good = modifiedText((44u << 25) | (1u << 21) | (1u << 16));
    const std::vector<FindRow> rows = {
        { "a.txt", good, 10 },
        { "b", "garbage", 10 }, // fails the name test first: never read
        { "c.txt", "garbage", 10 },
        { "d.txt", good, 10 },
    };
    FindCriteria criteria;
    criteria.dateTest = true;
    criteria.start = { 2000, 1, 1 };
    criteria.end = { 2100, 1, 1 };
    const FindResult result = findRows(rows, criteria);
    EXPECT_EQ(result.matches, std::vector<size_t> { 0 });
    EXPECT_EQ(result.error, "'garbage' is not a valid date and time");

    criteria.dateTest = false;
    criteria.sizeTest = true;
    criteria.bound = 10;
    criteria.compare = SizeCompare::Exact;
    EXPECT_EQ(findRows(rows, criteria).matches, (std::vector<size_t> { 0, 2, 3 }));
}

} // namespace
