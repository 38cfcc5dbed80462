// The archives lying directly in the favourite folders, and their orders.
#pragma once

#include <QDateTime>
#include <QString>

#include <string>
#include <vector>

struct FavoriteFile
{
    std::string Name; // as the folder listing gives it
    std::string Modified; // short date and long time, the time left out at midnight
    std::string Folder; // the favourite folder without its trailing '/', "/" for the root
};

// 0 scan order; 1, 2, 3 name, date, folder ascending; 4, 5, 6 descending.
enum FavoriteOrder : int {
    FavoriteUnsorted = 0,
    FavoriteByName = 1,
    FavoriteByDate = 2,
    FavoriteByFolder = 3,
    FavoriteByNameDown = 4,
    FavoriteByDateDown = 5,
    FavoriteByFolderDown = 6
};

// ".zip" in any letter case: the extension says what the file is, and the
// disk search collects folders by the same test.
bool hasZipExtension(std::string_view name);

// The file's time at the two-second resolution archives keep, as listed:
// short date and long time without its zone, the time left out at
// midnight. The archive properties show their file's time the same way.
std::string favoriteTimeText(const QDateTime &modified);

// Files (not folders) named *.zip directly in each folder, folder by folder
// in list order; folders that are missing or not folders are passed over.
std::vector<FavoriteFile> scanFavorites(const std::vector<std::string> &folders);

// Stable, by byte order of the order's key; other orders leave the list alone.
void sortFavorites(std::vector<FavoriteFile> &files, int order);

// The order a click on column 0 (Name), 1 (Modified) or 2 (Folder) makes:
// that column's ascending order, or its descending one when it already
// sorted ascending.
int orderAfterColumnClick(int current, int column);

// The caption naming an order; empty for the scan order.
QString sortTypeText(int order);

// A folder as the lists show it: without its trailing '/' unless the root.
std::string folderShown(const std::string &folder);
// The archive's path from a row.
std::string favoritePath(const FavoriteFile &file);

// The folder identity test: exact on this platform, where names keep their case.
bool sameFolder(const std::string &a, const std::string &b);
// Appends folder unless the list holds it already or is full; true when added.
bool addFolder(std::vector<std::string> &folders, const std::string &folder);

constexpr size_t kMaxFavoriteFolders = 1000;
