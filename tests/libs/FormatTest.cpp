// The format layer on bytes made in the test: where the directory is found,
// what the ZIP64 field supplies, what patterns match (the option tests show
// the escapes and which members are chosen).
#include "CentralDirectory.h"
#include "Table.h"
#include "Wildcard.h"
#include "ZipFormat.h"

#include <cstring>

namespace {

using namespace amx;

// A fake directory of `size` bytes is enough: the locator never reads it.
constexpr uint32_t dirSize = 46;

struct LocatorRow
{
    const char *name;
    size_t prefix = 0; // bytes put in front after the offsets were written
    bool noEnd = false; // the file is only the prefix, of 'P's
    bool zip64 = false;
    bool zip64Lost = false; // the locator points at nothing
    size_t comment = 0;
    size_t commentCut = 0; // bytes of the comment missing from the file
    uint16_t disk = 0;
    uint32_t offsetTooFar = 0;
    std::string appended {}; // bytes after the comment
    LocateFault fault = LocateFault::None;
    uint64_t entries = 1;
    int64_t start = -1; // when not the prefix
    int64_t commentLength = -1; // when not the comment
};
AMX_ROW_PRINTS_NAME(LocatorRow)

std::string endRecord(uint16_t disk, uint64_t count, uint32_t offset, uint16_t comment)
{
    std::string r;
    put32(r, sigEnd);
    put16(r, disk);
    put16(r, disk);
    put16(r, uint16_t(count));
    put16(r, uint16_t(count));
    put32(r, dirSize);
    put32(r, offset);
    put16(r, comment);
    return r;
}

std::string buildArchive(const LocatorRow &row)
{
    if (row.noEnd)
        return std::string(row.prefix, 'P');
    std::string a(row.prefix + dirSize, 'x');
    if (row.zip64) {
        std::string z;
        put32(z, sigEnd64);
        put64(z, end64Size - 12);
        put32(z, 45);
        put64(z, 0);
        put64(z, 70000);
        put64(z, 70000);
        put64(z, dirSize);
        put64(z, 0);
        if (row.zip64Lost)
            z.replace(0, 4, "lost");
        a += z;
        put32(a, sigLocator64);
        put32(a, 0);
        put64(a, dirSize); // as written, before the prefix
        put32(a, 1);
    }
    const uint16_t stated = uint16_t(row.comment + row.commentCut);
    a += endRecord(row.disk, row.zip64 ? 0xffff : 1, row.offsetTooFar, stated);
    a += std::string(row.comment, 'c') + row.appended;
    return a;
}

class LocatorTest : public ::testing::TestWithParam<LocatorRow>
{
};

TEST_P(LocatorTest, findsTheDirectory)
{
    const LocatorRow &row = GetParam();
    const std::string bytes = buildArchive(row);
    const CentralLocation at = locateCentralDirectory(
        [&](uint64_t pos, void *dst, size_t n) {
            if (pos > bytes.size() || n > bytes.size() - pos)
                return false;
            std::memcpy(dst, bytes.data() + pos, n);
            return true;
        },
        bytes.size());
    ASSERT_EQ(at.fault, row.fault);
    if (row.fault != LocateFault::None)
        return;
    const uint64_t start = row.start < 0 ? row.prefix : uint64_t(row.start);
    EXPECT_EQ(at.start, start);
    EXPECT_EQ(at.shift(), start); // every offset was written as 0
    EXPECT_EQ(at.zip64, row.zip64);
    EXPECT_EQ(at.entries, row.zip64 ? 70000u : row.entries);
    EXPECT_EQ(at.commentLength, row.commentLength < 0 ? row.comment : uint64_t(row.commentLength));
}

INSTANTIATE_TEST_SUITE_P(Rows, LocatorTest,
    ::testing::Values(LocatorRow { .name = "plain" },
        LocatorRow { .name = "prefixShiftsOffsets", .prefix = 1000 },
        LocatorRow { .name = "zip64", .zip64 = true },
        LocatorRow { .name = "zip64ShiftedByPrefix", .prefix = 300, .zip64 = true },
        LocatorRow { .name = "zip64RecordLost",
            .zip64 = true,
            .zip64Lost = true,
            .fault = LocateFault::NoZip64End },
        LocatorRow { .name = "commentAtLimit", .comment = 0xffff },
        LocatorRow { .name = "commentCutShort", .comment = 10, .commentCut = 90 },
        // A second end record inside the comment: the last one that fits wins.
        LocatorRow { .name = "laterEndRecordWins",
            .comment = 5,
            .appended = endRecord(0, 2, 0, 0),
            .entries = 2,
            .start = 27,
            .commentLength = 0 },
        LocatorRow {
            .name = "laterOverlongRecordLoses", .comment = 5, .appended = endRecord(7, 2, 0, 500) },
        LocatorRow { .name = "multiPart", .disk = 1, .fault = LocateFault::MultiPart },
        LocatorRow { .name = "noEndRecord",
            .prefix = 100,
            .noEnd = true,
            .fault = LocateFault::NoEndRecord },
        LocatorRow { .name = "shorterThanAnEndRecord",
            .prefix = 10,
            .noEnd = true,
            .fault = LocateFault::NoEndRecord },
        LocatorRow { .name = "offsetPastDirectory",
            .offsetTooFar = 5000,
            .fault = LocateFault::OutOfRange }),
    amxtest::RowName());

TEST(Zip64ExtraTest, takesOnlyWhatIsSaturated)
{
    std::string extra;
    put16(extra, 0x5455); // another record first
    put16(extra, 1);
    extra += 't';
    put16(extra, extraZip64);
    put16(extra, 20);
    put64(extra, 5000000000u);
    put64(extra, 6000000000u);
    put32(extra, 0);

    Zip64Values central { 7, 0xffffffffu, 0xffffffffu, 0xffff };
    Zip64Read r = readZip64Extra(extra, central, false);
    EXPECT_TRUE(r.present && r.used && !r.missing);
    EXPECT_EQ(central.usize, 7u);
    EXPECT_EQ(central.csize, 5000000000u);
    EXPECT_EQ(central.offset, 6000000000u);
    EXPECT_EQ(central.disk, 0u);

    Zip64Values local { 7, 0xffffffffu };
    r = readZip64Extra(extra, local, true);
    EXPECT_EQ(local.usize, 5000000000u);
    EXPECT_EQ(local.csize, 6000000000u);

    std::string sizesOnly;
    put16(sizesOnly, extraZip64);
    put16(sizesOnly, 16);
    sizesOnly += extra.substr(9, 16);
    Zip64Values all { 0xffffffffu, 0xffffffffu, 0xffffffffu };
    EXPECT_TRUE(readZip64Extra(sizesOnly, all, false).missing);
    Zip64Values none { 0xffffffffu };
    EXPECT_FALSE(readZip64Extra(extra.substr(0, 5), none, false).present);
    EXPECT_FALSE(countMatches(3, 4));
    EXPECT_TRUE(countMatches(65537, 1));
}

TEST(WildcardTest, matches)
{
    const struct
    {
        const char *pattern, *member;
        bool crossSlash, matches;
    } rows[] = {
        { "*.txt", "d/a.txt", false, false },
        { "?.txt", "\xc3\xa9.txt", false, true }, // '?' takes a UTF-8 sequence
        { "?", "ab", true, false },
        { "\\a", "a", true, true }, // an escape before a letter is dropped
        { "a\\", "a\\", true, true },
        { "*.*", "noext", true, true },
        { "A.TXT", "a.txt", true, false },
    };
    for (const auto &row : rows)
        EXPECT_EQ(wildcardMatch(row.pattern, row.member, row.crossSlash), row.matches)
            << row.pattern << " " << row.member;
}

// Names without a wildcard are looked up apart from the patterns; both must
// choose what matching each name against each member chooses.
TEST(WildcardTest, selectsMembers)
{
    std::vector<Entry> entries(6);
    const char *names[] = { "a.txt", "d/a.txt", "*.txt", "x\\", "b.c", "a.txt" };
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i].name = names[i];
    const std::vector<NameSpec> specs = {
        { "a.txt", true }, // both members of that name
        { "\\*.txt", true }, // the escaped star names the member "*.txt"
        { "x\\", true }, // a lone backslash at the end is itself
        { "a.txt", true }, // named twice, used twice
        { "*.c", true },
        { "*.txt", false }, // exact: no star in it
        { "gone", true },
        { "b?c", false },
    };
    const MemberSelection sel = selectMembers(specs, entries);
    EXPECT_EQ(sel.chosen, (std::vector<size_t> { 0, 2, 3, 4, 5 }));
    EXPECT_EQ(sel.unmatched, (std::vector<std::string> { "gone", "b?c" }));
}

} // namespace
