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

FavoritesProblem readFavorites(Settings &settings)
{
    Favorites favorites;
    const std::string path = favoritesPath();
    const FavoritesReadResult result = FavoritesFile::read(path, favorites);
    settings.FavoriteFolders = favorites.folders;
    settings.FavoriteSortOrder = favorites.sortOrder;
    settings.FavoriteAddMode = favorites.addMode;
    if (result.ok)
        return {};
    FavoritesProblem problem {
        "The favourite folders could not be read completely. " + result.problem, false
    };
    if (favoritesFileExists()) {
        const std::string aside = FavoritesFile::keepAside(path);
        if (aside.empty())
            problem.keepFile = true;
        else
            problem.text += " It was kept as " + aside + ".";
    }
    return problem;
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

std::string write(const Settings &settings, bool keepFavoritesFile)
{
    IniSettingsStore store(settingsPath());
    SettingsIO::writeValues(store, settings);
    if (keepFavoritesFile)
        return {};
    const std::vector<std::string> left = FavoritesFile::write(favoritesPath(),
        { settings.FavoriteFolders, settings.FavoriteSortOrder, settings.FavoriteAddMode });
    std::string notice;
    for (const std::string &folder : left)
        notice += (notice.empty() ? "" : "\n") + std::string("The favourite folder \"") + folder
            + "\" holds a line break, which favorites.dat cannot hold; it was not saved.";
    return notice;
}

} // namespace SettingsFiles
