#include "discovery/FavoriteScan.h"
#include "discovery/DiskSearch.h"

#include "tests/support/Table.h"
#include "tests/support/TestDir.h"

#include <algorithm>

namespace {

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
    EXPECT_EQ(favoritePath(files[2]), two + "b.zip");
    EXPECT_FALSE(files[0].Modified.empty());
}

TEST(FavoriteScanTest, RootFolderKeepsItsSlash)
{
    EXPECT_EQ(folderShown("/"), "/");
    EXPECT_EQ(folderShown("/zips/"), "/zips");
    EXPECT_EQ(favoritePath({ "a.zip", "", "/" }), "/a.zip");
}

struct SortRow
{
    const char *name;
    int order;
    std::vector<std::string> expected;
};
AMX_ROW_PRINTS_NAME(SortRow)

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

class FavoriteSortTest : public ::testing::TestWithParam<SortRow>
{
};

TEST_P(FavoriteSortTest, Orders)
{
    std::vector<FavoriteFile> files = kFiles;
    sortFavorites(files, GetParam().order);
    EXPECT_EQ(names(files), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FavoriteSortTest, ::testing::ValuesIn(kSortRows), amxtest::RowName());

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
    EXPECT_EQ(sortTypeText(5), "Files in Favorite Zip Folders sorted by date:");
    EXPECT_TRUE(sortTypeText(0).isEmpty());
}

TEST(FavoriteScanTest, AddFolderOnceUpToCapacity)
{
    std::vector<std::string> folders { "/a/" };
    EXPECT_FALSE(addFolder(folders, "/a/"));
    EXPECT_TRUE(addFolder(folders, "/A/")); // names keep their case here
    folders.resize(kMaxFavoriteFolders);
    EXPECT_FALSE(addFolder(folders, "/new/"));
}

} // namespace
