// Row texts, totals and the eight sort orders.

#include "FileRows.h"
#include "ModifiedText.h"
#include "NameCodec.h"

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include <QLocale>

namespace {

// A member as the ZIP reader makes it: legacy names decoded from code page 437.
ArchiveMember entry(
    const std::string &name, uint64_t size, uint64_t packed, uint32_t dosTime = 0x5A2B6000)
{
    ArchiveMember m;
    m.setName(amx::decodeName(name, false), name);
    if (!name.empty() && name.back() == '/')
        m.kind = MemberKind::Folder;
    m.size = size;
    m.packed = packed;
    m.zip.UncompressedSize = static_cast<int32_t>(size);
    m.zip.CompressedSize = static_cast<int32_t>(packed);
    m.zip.DateTime = dosTime;
    return m;
}

std::vector<std::string> names(const FileRows &rows)
{
    std::vector<std::string> out;
    for (const auto &r : rows.rows())
        out.push_back(r.member());
    return out;
}

} // namespace

// Digits group by dots, kilobytes round halves to even, ratios round halves to
// even too and may be negative.
TEST(Formatting, NumbersAndRatios)
{
    // Grouping is proven by the kilobytes and ratios below; here its edges.
    EXPECT_EQ(GroupDigits(""), "");
    EXPECT_EQ(GroupDigits(int64_t { -123456789 }), "-123.456.789");
    const std::pair<uint64_t, const char *> kb[] = { { 511, "0" }, { 512, "0" }, { 513, "1" },
        { 1536, "2" }, { 2560, "2" }, { 3584, "4" }, { 1024ull * 1234567, "1.234.567" },
        { 5ull << 40, "5.368.709.120" } };
    for (const auto &[bytes, out] : kb)
        EXPECT_EQ(kilobytes(bytes), out) << bytes;
    const struct
    {
        uint64_t packed, size;
        const char *text;
    } ratios[] = { { 0, 1000, "0%" }, { 0, 0, "0%" }, { 1000, 1000, "0%" }, { 380, 1000, "62%" },
        { 1150, 1000, "-15%" }, { 125, 1000, "88%" }, { 135, 1000, "86%" },
        { 30000, 100, "-29.900%" }, { 5, 0, "0%" } };
    for (const auto &r : ratios)
        EXPECT_EQ(ratioText(r.packed, r.size), r.text) << r.packed << "/" << r.size;
    EXPECT_EQ(ratioNumber(0, 1000), "");
}

TEST(Formatting, LowerAsciiTypeKeyAndDates)
{
    EXPECT_EQ(LowerAscii("ReadMe.TXT \xC3\x84"), "readme.txt \xC3\x84");
    EXPECT_EQ(typeKey("a.txt"), ".txt");
    EXPECT_EQ(typeKey("b"), "");
    EXPECT_EQ(typeKey("archive.tar.gz"), ".gz");
    EXPECT_EQ(typeKey("odd.name:stream"), "");
    EXPECT_EQ(typeKey(".hidden"), ".hidden");

    // The date's fields are read back by the search's date test.
    EXPECT_EQ(modifiedText(0), ""); // month 0 is no date
}

// Folder entries get no row; an empty first name is an ordinary row; legacy
// names are decoded from code page 437.
TEST(FileRowsLoad, RowsTotalsAndFolders)
{
    FileRows rows(modifiedText);
    rows.load({ entry("", 3, 2), entry("docs/", 0, 0), entry("docs/Read Me.TXT", 2000, 500),
        entry("caf\x82.txt", 1536, 1536), entry("docs/sub/empty", 0, 0) });
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].member(), "");
    EXPECT_EQ(rows[1].Name, "Read Me.TXT");
    EXPECT_EQ(rows[1].Path, "docs/");
    EXPECT_EQ(rows[1].Ratio, "75%");
    EXPECT_EQ(rows[2].Name, "caf\xC3\xA9.txt");
    EXPECT_EQ(rows[2].Path, "");
    EXPECT_EQ(rows.totals().size, 3539u);
    EXPECT_EQ(rows.totals().packed, 2038u);
}

// The rows read their members from the entries: entries changed under them
// (the archive listed again before the list is) read as empty rows past
// their end, never out of bounds, in every order.
TEST(FileRowsLoad, EntriesShorterThanTheRows)
{
    std::vector<ArchiveMember> entries { entry("a/b.txt", 5, 3), entry("c", 7, 7) };
    FileRows rows(modifiedText);
    rows.load(entries);
    entries.resize(1);
    EXPECT_EQ(rows[0].member(), "a/b.txt");
    EXPECT_EQ(rows[1].member(), "");
    EXPECT_EQ(rows[1].size, 0u);
    EXPECT_EQ(rows[1].Ratio, "0%");
    for (int order = SortByName; order <= SortByOriginalOrder; ++order) {
        rows.sort(order);
        EXPECT_EQ(rows.size(), 2u);
    }
}

TEST(FileRowsSort, EveryOrder)
{
    // Archive order; sizes, ratios and dates chosen so every order differs.
    const std::vector<ArchiveMember> entries {
        entry("b", 300, 150, 0x5A2B6000), // 50%
        entry("x/A.txt", 100, 91, 0x5A2C6000), // 9%
        entry("c.doc", 300, 200, 0x5A2A6000), // 33%
        entry("a.txt", 50, 40, 0x5A2B6000), // 20%
        entry("W/z.txt", 1000, 900, 0x5A2D6000), // 10%
    };
    const std::pair<int, std::vector<std::string>> orders[] = {
        // Names compare lowered; equal keys ("a.txt", "A.txt") keep archive order.
        { 1, { "x/A.txt", "a.txt", "b", "c.doc", "W/z.txt" } },
        { 2, { "a.txt", "b", "c.doc", "W/z.txt", "x/A.txt" } },
        { 3, { "b", "c.doc", "x/A.txt", "a.txt", "W/z.txt" } },
        { 4, { "W/z.txt", "b", "c.doc", "x/A.txt", "a.txt" } }, // size, descending
        { 5, { "W/z.txt", "c.doc", "b", "x/A.txt", "a.txt" } }, // packed, descending
        // Ratios as text: "9%" sorts above "50%" descending.
        { 6, { "x/A.txt", "b", "c.doc", "a.txt", "W/z.txt" } },
        { 8, { "b", "x/A.txt", "c.doc", "a.txt", "W/z.txt" } }, // original
        { 42, { "b", "x/A.txt", "c.doc", "a.txt", "W/z.txt" } }, // unknown
    };
    QLocale::setDefault(QLocale::c());
    for (const auto &[order, expected] : orders) {
        FileRows rows(modifiedText);
        rows.load(entries);
        rows.sort(order);
        EXPECT_EQ(names(rows), expected) << order;
    }
}

TEST(FileRowsSortLarge, StableOnManyEqualKeys)
{
    std::vector<ArchiveMember> entries;
    for (int i = 0; i < 30000; ++i)
        entries.push_back(entry("f" + std::to_string(i), static_cast<uint64_t>(i % 3), 1));
    FileRows rows(modifiedText);
    rows.load(entries);
    rows.sort(SortBySize);
    ASSERT_EQ(rows.size(), 30000u);
    // Within each size the archive order stays.
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].size == rows[i - 1].size)
            ASSERT_LT(std::stoi(std::string(rows[i - 1].Name.substr(1))),
                std::stoi(std::string(rows[i].Name.substr(1))));
        else
            ASSERT_GT(rows[i - 1].size, rows[i].size);
    }
}

// Every order on a few thousand rows, each sorted after another order, against
// a plain stable sort of the archive's order: names share long prefixes and
// differ in case only, hold '*', '?', '\' and newlines, and many keys tie.
TEST(FileRowsSortLarge, EveryOrderAfterAnotherMatchesStableSort)
{
    const char *stems[] = { "file0001", "FILE0001", "file0001.txt", "File0001.TXT", "a*b?.c\\d",
        "line\nbreak.md", "x", "", "\xC3\xA9t\xC3\xA9.txt", "file00010.txt" };
    const char *folders[] = { "", "src/", "SRC/", "src/deep/er/", "a\\b/", "n\nl/" };
    std::vector<ArchiveMember> entries;
    for (uint32_t i = 0; i < 3000; ++i) {
        const std::string name = std::string(folders[i % 6]) + stems[(i * 7) % 10]
            + (i % 4 == 0 ? std::to_string(i % 50) : std::string());
        entries.push_back(entry(name, i % 17 * 100, i % 17 * 100 + i % 5 * 10 + 1,
            0x5A2B6000 + (i % 9) * 0x10000 + (i % 3) * 0x20));
    }
    const auto fold = [](std::string_view s) {
        return LowerAscii(s);
    };
    using Less = std::function<bool(const FileRow &, const FileRow &)>;
    const std::pair<int, Less> orders[] = {
        { SortByName,
            [&](auto &a, auto &b) {
                return fold(a.Name) < fold(b.Name);
            } },
        { SortByPath,
            [&](auto &a, auto &b) {
                return std::pair(fold(a.Path), fold(a.Name))
                    < std::pair(fold(b.Path), fold(b.Name));
            } },
        { SortByType,
            [&](auto &a, auto &b) {
                return fold(typeKey(a.Name)) < fold(typeKey(b.Name));
            } },
        { SortBySize,
            [](auto &a, auto &b) {
                return a.size > b.size;
            } },
        { SortByPacked,
            [](auto &a, auto &b) {
                return a.packed > b.packed;
            } },
        { SortByRatio,
            [](auto &a, auto &b) {
                return std::string(a.Ratio) > std::string(b.Ratio);
            } },
        { SortByDate,
            [](auto &a, auto &b) {
                return std::string(a.Modified) > std::string(b.Modified);
            } },
        { SortByOriginalOrder,
            [](auto &, auto &) {
                return false;
            } },
    };
    QLocale::setDefault(QLocale::c());
    FileRows rows(modifiedText);
    rows.load(entries);
    for (const auto &[order, less] : orders) {
        FileRows fresh(modifiedText);
        fresh.load(entries);
        std::vector<FileRow> expected(fresh.rows().begin(), fresh.rows().end());
        std::stable_sort(expected.begin(), expected.end(), less);
        rows.sort(order); // after the order before it in this table
        ASSERT_EQ(rows.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(rows[i].index, expected[i].index) << "order " << order << " row " << i;
    }
}
