#include "discovery/Wildcard.h"

#include "tests/support/Table.h"

namespace {

struct MatchRow
{
    const char *name;
    const char *entry;
    const char *pattern;
    bool matches;
};
AMX_ROW_PRINTS_NAME(MatchRow)

const MatchRow kMatchRows[] = {
    { "DefaultNeedsDot", "readme", "*.*", false },
    { "DefaultWithDot", "a.b", "*.*", true },
    { "CaseSensitive", "notes.TXT", "*.txt", false },
    { "SuffixStar", "notes.txt", "*.txt", true },
    { "StarMatchesEmpty", "a", "a*", true },
    { "StarMatchesRun", "abc", "a*", true },
    { "QuestionNeedsOne", "a", "a?", false },
    { "QuestionThenStar", "ab", "?b*", true },
    { "SegmentsInOrder", "abc", "ab*c*", true },
    { "SegmentsDoNotOverlap", "abc", "*ab*bc", false },
    { "DoubleStar", "anything", "**", true },
    { "DoubleStarInside", "abc", "a**c", true },
    { "EmptyPattern", "a", "", false },
    { "EmptyNameStar", "", "*", true },
    { "EmptyNameLiteral", "", "a", false },
    { "TailMustEnd", "a.zip.bak", "*.zip", false },
    { "TailQuestion", "x.zip", "*.z?p", true },
    { "TailLongerThanName", "ab", "*abc", false },
    { "MiddleQuestion", "axbyc", "a*?y*c", true },
    { "NameLonger", "abcd", "abc", false },
    { "PatternLonger", "ab", "abc", false },
    { "TrailingStarAfterAll", "ab", "ab*", true },
    { "TwoTrailingParts", "ab", "ab**?", false },
    { "NotPastSegment", "aXbXc", "a*X*c", true },
    { "Utf8Bytes", "\xc3\xa9t\xc3\xa9.txt", "?\xa9t*", true },
};

class WildcardMatchTest : public ::testing::TestWithParam<MatchRow>
{
};

TEST_P(WildcardMatchTest, Matches)
{
    const MatchRow &row = GetParam();
    EXPECT_EQ(WildcardMatch(row.entry, row.pattern), row.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WildcardMatchTest, ::testing::ValuesIn(kMatchRows), amxtest::RowName());

TEST(WildcardPosTest, PositionsFromOne)
{
    EXPECT_EQ(WildcardPos("bc", "abcbc"), 2u);
    EXPECT_EQ(WildcardPos("b?", "abcbc"), 2u);
    EXPECT_EQ(WildcardPos("?", "x"), 1u);
    EXPECT_EQ(WildcardPos("xy", "abc"), 0u);
    EXPECT_EQ(WildcardPos("abcd", "abc"), 0u);
}

} // namespace
