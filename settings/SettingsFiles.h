// The two files the main window's settings live in: the settings store and
// "favorites.dat". Problems come back as the text the user is shown.
#pragma once

#include <string>

struct Settings;

namespace SettingsFiles {

// Tests point both files elsewhere before creating the window.
void setPaths(const std::string &settingsFile, const std::string &favoritesFile);

// No settings stored yet for this user.
bool firstStart();
bool favoritesFileExists();

struct FavoritesProblem
{
    std::string text; // the warning for the user; empty when read completely
    bool keepFile = false; // the file could not be moved aside: never replace it
};

// The favourite folders, their sort order and add mode into settings. A file
// that exists but cannot be read completely is moved aside first
// ("favorites.dat.bad"), so that no save replaces what it held.
FavoritesProblem readFavorites(Settings &settings);
// The stored values over settings; empty, or the error of the first value
// another program left unreadable (the rest stay as they are).
std::string readValues(Settings &settings);
// keepFavoritesFile: leave "favorites.dat" as it is (it could not be read).
// Returns the notice for folders the file cannot hold, or empty.
std::string write(const Settings &settings, bool keepFavoritesFile);

} // namespace SettingsFiles
