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

// The favourite folders, their sort order and add mode into settings; empty
// when read completely, else the warning for the user.
std::string readFavorites(Settings &settings);
// The stored values over settings; empty, or the error of the first value
// another program left unreadable (the rest stay as they are).
std::string readValues(Settings &settings);
// keepFavoritesFile: leave "favorites.dat" as it is (it could not be read).
void write(const Settings &settings, bool keepFavoritesFile);

} // namespace SettingsFiles
