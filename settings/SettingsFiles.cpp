#include "SettingsFiles.h"

#include "Settings.h"
#include "SettingsIO.h"

#include "FavoritesFile.h"
#include "SettingsStore.h"

#include <filesystem>

namespace {

std::string settingsOverride;
std::string favoritesOverride;

std::string settingsPath()
{
    return settingsOverride.empty() ? IniSettingsStore::defaultPath() : settingsOverride;
}

std::string favoritesPath()
{
    return favoritesOverride.empty() ? FavoritesFile::defaultPath() : favoritesOverride;
}

} // namespace

namespace SettingsFiles {

void setPaths(const std::string &settingsFile, const std::string &favoritesFile)
{
    settingsOverride = settingsFile;
    favoritesOverride = favoritesFile;
}

bool firstStart()
{
    return !IniSettingsStore(settingsPath()).keyExists();
}

bool favoritesFileExists()
{
    std::error_code error;
    return std::filesystem::exists(favoritesPath(), error);
}

std::string readFavorites(Settings &settings)
{
    Favorites favorites;
    const FavoritesReadResult result = FavoritesFile::read(favoritesPath(), favorites);
    settings.FavoriteFolders = favorites.folders;
    settings.FavoriteSortOrder = favorites.sortOrder;
    settings.FavoriteAddMode = favorites.addMode;
    return result.ok ? std::string()
                     : "The favourite folders could not be read completely. " + result.problem;
}

std::string readValues(Settings &settings)
{
    IniSettingsStore store(settingsPath());
    try {
        SettingsIO::readValues(store, settings);
    } catch (const SettingsError &e) {
        return e.what();
    }
    return {};
}

void write(const Settings &settings, bool keepFavoritesFile)
{
    IniSettingsStore store(settingsPath());
    SettingsIO::writeValues(store, settings);
    if (!keepFavoritesFile)
        FavoritesFile::write(favoritesPath(),
            { settings.FavoriteFolders, settings.FavoriteSortOrder, settings.FavoriteAddMode });
}

} // namespace SettingsFiles
