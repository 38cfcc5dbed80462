// "favorites.dat": the favourite folders and the two favourites options.
// CR LF lines: the folder count, the sort order, the add mode, then one
// folder per line.
#pragma once

#include <string>
#include <vector>

struct Favorites
{
    std::vector<std::string> folders; // each with its trailing '/'
    int sortOrder = 0;
    int addMode = 0;
};

struct FavoritesReadResult
{
    bool ok = true;
    std::string problem; // what was wrong, for the user, when !ok
};

namespace FavoritesFile {

constexpr size_t kMaxFolders = 1000;

// Beside the program when that folder is writable, else the user's data folder.
std::string defaultPath();

// Reads what it can into favorites: on a damaged file the folders read so far
// and the options read so far are kept, and the result says what was wrong.
FavoritesReadResult read(const std::string &path, Favorites &favorites);

// Whether a folder can be a line of the file (it holds no line break).
bool fitsLine(const std::string &folder);

// Replaces the file only once the new content is complete on disk. A folder
// that cannot be a line is left out; returns those left out. Throws
// std::runtime_error with a message for the user on failure.
std::vector<std::string> write(const std::string &path, const Favorites &favorites);

// Moves a file that could not be read to path + ".bad", so that the next
// save does not replace what it held. Returns the new name, or empty when it
// could not be moved.
std::string keepAside(const std::string &path);

} // namespace FavoritesFile
