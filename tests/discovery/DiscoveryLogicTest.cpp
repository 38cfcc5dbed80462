// The discovery's logic without windows: wildcards, the find's tests, the
// favourites' scan and sort, the disk search and the folder chooser.

#include "CFolderUnit1.h"
#include "DiskSearch.h"
#include "FavoriteScan.h"
#include "FileRows.h"
#include "FindLogic.h"
#include "FindWildcard.h"
#include "History.h"
#include "ModifiedText.h"
#include "SelFolderUnit.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// ---- wildcards ----

struct MatchRow
{
    const char *name;
    const char *entry;
    const char *pattern;
    bool matches;
};

const MatchRow kMatchRows[] = {
    { "DefaultNeedsDot", "readme", "*.*", false },
    { "DefaultWithDot", "a.b", "*.*", true },
    { "CaseSensitive", "notes.TXT", "*.txt", false },
    { "SuffixStar", "notes.txt", "*.txt", true },
    { "StarMatchesEmpty", "a", "a*", true },
    { "QuestionNeedsOne", "a", "a?", false },
    { "SegmentsDoNotOverlap", "abc", "*ab*bc", false },
    { "DoubleStarInside", "abc", "a**c", true },
    { "EmptyPattern", "a", "", false },
    { "EmptyNameStar", "", "*", true },
    { "TailMustEnd", "a.zip.bak", "*.zip", false },
    { "TailLongerThanName", "ab", "*abc", false },
    { "PatternLonger", "ab", "abc", false },
    { "TwoTrailingParts", "ab", "ab**?", false },
    { "NotPastSegment", "aXbXc", "a*X*c", true },
    // '?' is one character, however many bytes it takes.
    { "QuestionIsOneCharacter", "caf\xc3\xa9.txt", "caf?.txt", true },
    { "QuestionIsNotOneByte", "\xc3\xa9t\xc3\xa9.txt", "?\xa9t*", false },
    { "TwoQuestionsTooMany", "caf\xc3\xa9.txt", "caf??.txt", false },
    { "WideCharacters", "\xe8\xb3\x87\xe6\x96\x99.xls", "??.xls", true },
};

TEST(WildcardMatchTest, Matches)
{
    for (const MatchRow &row : kMatchRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(WildcardMatch(row.entry, row.pattern), row.matches);
    }
}

TEST(WildcardPosTest, PositionsFromOne)
{
    EXPECT_EQ(std::vector<size_t>({ WildcardPos("b?", "abcbc"), WildcardPos("?", "x"),
                  WildcardPos("xy", "abc"), WildcardPos("abcd", "abc") }),
        std::vector<size_t>({ 2, 1, 0, 0 }));
}

// ---- the find's tests ----

TEST(FindLogicTest, StartDayIncludedEndDayExcluded)
{
    const CalendarDay start { 2024, 3, 10 }, end { 2024, 3, 12 };
    for (int day = 9; day <= 12; ++day)
        EXPECT_EQ(dateInRange({ 2024, 3, day }, start, end), day == 10 || day == 11) << day;
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

const SizeRow kSizeRows[] = {
    { "AboveWithComma", "1,000", SizeCompare::Above, 1000, true },
    { "BlanksOfTheMask", "  1,000  ", SizeCompare::Exact, 1000, true },
    { "EmptyIsZero", "", SizeCompare::Below, 0, true },
    { "BelowIncludesBound", "5", SizeCompare::Below, 5, true },
    { "Beyond32Bits", "999,999,999,999,999", SizeCompare::Above, 5'000'000'000ull, false },
    { "ExactLarge", "5,000,000,000", SizeCompare::Exact, 5'000'000'000ull, true },
    { "OverflowSaturates", "99999999999999999999", SizeCompare::Below, ~0ull >> 1, true },
};

TEST(SizeBoundTest, Passes)
{
    for (const SizeRow &row : kSizeRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sizePasses(row.size, parseSizeBound(row.bound), row.compare), row.passes);
    }
}

// The list's own date texts read back to their day, in this locale and
// across the century.
TEST(FindLogicTest, ListDatesReadBack)
{
    for (const CalendarDay day : { CalendarDay { 1999, 12, 31 }, CalendarDay { 2024, 2, 29 } }) {
        const uint32_t dos =
            static_cast<uint32_t>(((day.year - 1980) << 9) | (day.month << 5) | day.day) << 16;
        const auto read = listDate(modifiedText(dos | (13 << 11)));
        ASSERT_TRUE(read) << modifiedText(dos);
        EXPECT_TRUE(read->year == day.year && read->month == day.month && read->day == day.day);
    }
}

// A member without a valid date (DOS date 0) only fails the date test; a
// text that cannot be read stops the search there.
TEST(FindLogicTest, SearchStopsAtUnreadableDate)
{
    const std::string good = modifiedText((44u << 25) | (1u << 21) | (1u << 16));
    const std::string noDate = modifiedText(0);
    ASSERT_EQ(noDate, "");
    const std::vector<FindRow> rows = {
        { "a.txt", good, 10 },
        { "undated.txt", noDate, 10 },
        { "b", "garbage", 10 }, // fails the name test first: never read
        { "e.txt", good, 10 },
        { "c.txt", "garbage", 10 },
        { "d.txt", good, 10 },
    };
    FindCriteria criteria;
    criteria.dateTest = true;
    criteria.start = { 2000, 1, 1 };
    criteria.end = { 2100, 1, 1 };
    const FindResult result = findRows(rows, criteria);
    EXPECT_EQ(result.matches, (std::vector<size_t> { 0, 3 }));
    EXPECT_EQ(result.error, "'garbage' is not a valid date and time");

    criteria.dateTest = false;
    criteria.sizeTest = true;
    criteria.bound = 10;
    criteria.compare = SizeCompare::Exact;
    EXPECT_EQ(findRows(rows, criteria).matches, (std::vector<size_t> { 0, 1, 3, 4, 5 }));
}

// ---- the favourites' scan and sort ----

std::vector<std::string> names(const std::vector<FavoriteFile> &files)
{
    std::vector<std::string> out;
    for (const FavoriteFile &f : files)
        out.push_back(f.Name);
    return out;
}

TEST(FavoriteScanTest, ListsArchivesDirectlyInFolders)
{
    amxtest::TestDir dir;
    dir.createFile("one/a.zip");
    dir.createFile("one/x.ZIP");
    dir.createFile("one/notes.txt");
    dir.createDir("one/folder.zip");
    dir.createFile("one/sub/deep.zip");
    dir.createFile("two/b.zip");
    const std::string one = dir.str() + "/one/", two = dir.str() + "/two/";
    std::vector<FavoriteFile> files =
        scanFavorites({ one, dir.str() + "/missing/", dir.str() + "/one/notes.txt/", two });
    std::sort(files.begin(), files.end() - 1, [](const FavoriteFile &a, const FavoriteFile &b) {
        return a.Name < b.Name;
    });
    EXPECT_EQ(names(files), (std::vector<std::string> { "a.zip", "x.ZIP", "b.zip" }));
    EXPECT_EQ(files[0].Folder, dir.str() + "/one");
    EXPECT_TRUE(favoritePath(files[2]) == (two + "b.zip") && !files[0].Modified.empty());
    // The root folder keeps its slash.
    EXPECT_TRUE(folderShown("/") == "/" && folderShown("/zips/") == "/zips");
    EXPECT_EQ(favoritePath({ "a.zip", "", "/" }), "/a.zip");
}

struct SortRow
{
    const char *name;
    int order;
    std::vector<std::string> expected;
};

// Names, date texts (day first, so textual order is not time order) and folders.
const std::vector<FavoriteFile> kFiles = {
    { "a.zip", "02.01.1999", "/z" },
    { "B.zip", "01.12.2000", "/y" },
    { "ab.zip", "01.12.2000 10:00:00", "/x" },
};

const SortRow kSortRows[] = {
    { "ScanOrder", FavoriteUnsorted, { "a.zip", "B.zip", "ab.zip" } },
    { "NameCapitalsFirst", FavoriteByName, { "B.zip", "a.zip", "ab.zip" } },
    { "DateAsText", FavoriteByDate, { "B.zip", "ab.zip", "a.zip" } },
    { "Folder", FavoriteByFolder, { "ab.zip", "B.zip", "a.zip" } },
    { "NameDown", FavoriteByNameDown, { "ab.zip", "a.zip", "B.zip" } },
    { "DateDown", FavoriteByDateDown, { "a.zip", "ab.zip", "B.zip" } },
    { "FolderDown", FavoriteByFolderDown, { "a.zip", "B.zip", "ab.zip" } },
};

TEST(FavoriteSortTest, Orders)
{
    for (const SortRow &c : kSortRows) {
        SCOPED_TRACE(c.name);
        std::vector<FavoriteFile> files = kFiles;
        sortFavorites(files, c.order);
        EXPECT_EQ(names(files), c.expected);
    }
}

TEST(FavoriteScanTest, ColumnClicks)
{
    struct Click
    {
        int current, column, next;
    };
    for (const Click c :
        { Click { 0, 0, 1 }, Click { 1, 0, 4 }, Click { 4, 0, 1 }, Click { 4, 1, 2 },
            Click { 2, 1, 5 }, Click { 3, 2, 6 }, Click { 6, 2, 3 }, Click { 1, 2, 3 } })
        EXPECT_EQ(orderAfterColumnClick(c.current, c.column), c.next)
            << c.current << " clicked on " << c.column;
}

TEST(FavoriteScanTest, AddFolderOnceUpToCapacity)
{
    std::vector<std::string> folders { "/a/" };
    EXPECT_FALSE(addFolder(folders, "/a/"));
    EXPECT_TRUE(addFolder(folders, "/A/")); // names keep their case here
    folders.resize(kMaxFavoriteFolders);
    EXPECT_FALSE(addFolder(folders, "/new/"));
}

// ---- the disk search ----

TEST(DiskSearchTest, CollectsEachFolderOnceDepthFirst)
{
    amxtest::TestDir dir;
    dir.createFile("a/x.zip");
    dir.createFile("a/b/y.zip");
    for (int i = 0; i < 10; ++i)
        dir.createFile("ten/" + std::to_string(i) + ".zip");
    dir.createFile("none/readme.txt");
    dir.createDir("a/b/loop");
    fs::create_directory_symlink(dir / "a", dir / "a/b/loop/up");
    fs::create_directory_symlink(dir.path(), dir / "a/top.zip.d");

    const std::string root = dir.str() + "/", a = root + "a/", b = a + "b/";
    std::vector<std::string> folders;
    DiskSearch search(folders);
    EXPECT_TRUE(search.search(root));

    // The subfolder comes first exactly when the listing names it before the archive.
    bool subfolderFirst = false;
    for (const auto &entry : fs::directory_iterator(dir / "a")) {
        if (entry.path().filename() == "b")
            subfolderFirst = true;
        if (entry.path().filename() == "x.zip")
            break;
    }
    const auto at = [&](const std::string &f) {
        return std::find(folders.begin(), folders.end(), f) - folders.begin();
    };
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(at(b) < at(a), subfolderFirst);
    EXPECT_LT(at(root + "ten/"), 3);
    EXPECT_EQ(search.archivesFound(), 12);
    // root, a, a/b, a/b/loop, ten, none: the links are not entered.
    EXPECT_EQ(search.foldersSearched(), 6);
}

TEST(DiskSearchTest, CancelKeepsWhatWasFound)
{
    amxtest::TestDir dir;
    for (int i = 0; i < 5; ++i)
        dir.createFile("d" + std::to_string(i) + "/a.zip");
    std::vector<std::string> folders;
    DiskSearch search(folders);
    search.onFolder = [&](const std::string &) {
        if (search.foldersSearched() == 3)
            search.cancel();
    };
    EXPECT_TRUE(!(search.search(dir.str() + "/")) && search.foldersSearched() == 3);
    EXPECT_EQ(folders.size(), 1u); // the first subfolder was finished before the cancel
}

TEST(DiskSearchTest, SkipsPseudoFileSystems)
{
    for (const char *path : { "/proc", "/proc/1/", "/sys/", "/dev/" })
        EXPECT_TRUE(isPseudoFolder(path)) << path;
    for (const char *path : { "/", "/device/", "/home/", "/processes/" })
        EXPECT_FALSE(isPseudoFolder(path)) << path;
    std::vector<std::string> folders;
    DiskSearch search(folders);
    search.search("/proc/");
    EXPECT_EQ(search.foldersSearched(), 0);
}

} // namespace

// ---- the folder chooser ----

// The history's rule is the settings' own; the chooser's part is the key.
TEST(SelFolderTest, ChosenFolderLosesItsFinalSlash)
{
    const struct
    {
        const char *chosen, *key;
    } rows[] = { { "/new/", "/new" }, { "/new//", "/new" }, { "/", "/" }, { "/Case", "/Case" } };
    for (const auto &row : rows) {
        History history;
        history[0] = "/old";
        rememberFolder(history, row.chosen);
        EXPECT_EQ(history[0], row.key) << row.chosen;
        EXPECT_EQ(history[1], "/old") << row.chosen;
    }
}

TEST(NewFolderTest, PathsAreCreatedBelowTheCurrentFolder)
{
    amxtest::TestDir dir;
    const std::string base = dir.str();
    dir.createDir("exists");
    const struct
    {
        const char *current, *typed, *path;
    } rows[] = {
        { "", "/new", "/new/" }, // a leading separator stays below the current folder
        { "/", "nested/deeper", "/nested/deeper/" },
        { "/", "exists", "/exists/" },
        { "/", "", "/" },
    };
    for (const auto &row : rows) {
        const std::string path = newFolderPath(base + row.current, row.typed);
        EXPECT_EQ(path, base + row.path);
        EXPECT_TRUE(createFolders(path)) << path;
    }
    dir.createFile("file");
    EXPECT_FALSE(createFolders(base + "/file/sub/"));
}
