// The user's settings as the program holds them while it runs.
#pragma once

#include "History.h"

#include <map>
#include <string>
#include <vector>

struct Settings
{
    int SortOrder = 1;
    std::string LastOpenDir; // with its trailing '/'
    std::string LastAddDir;
    History Extract;
    History SelDir;
    std::string Temp;
    std::string Viewer;
    History ActiveFile; // recent archives
    // The code page chosen for the names of a recent archive, by its path;
    // none: detected. Kept for the archives of ActiveFile only.
    std::map<std::string, std::string> NameCodePages;
    int FullRow = 1;
    int GridLines = 0;
    int ToolbarTips = 1;
    int FlatButtons = 1;
    int ShowToolbarText = 1;
    int AlignToolbar = 2;
    int ViewToolbar = 1;
    int ViewStatusLine = 1;
    int ViewStyle = 0;
    int AsWebPage = 1;
    int MainTop = 0;
    int MainLeft = 0;
    int MainHeight = 350;
    int MainWidth = 559;
    int TipOfTheDay = 1;

    // Favourite folders (each with its trailing '/'), their list order and the
    // policy for the folder of an opened archive: 0 add, 1 ask, other never.
    std::vector<std::string> FavoriteFolders;
    int FavoriteSortOrder = 0;
    int FavoriteAddMode = 0;

    // The values of a first start; folder defaults depend on the machine.
    static Settings firstRun();
};

// The folder of the running program, with its trailing '/'; for an installed
// program without help pages beside it, the installed data folder.
std::string programFolder();
// The first plain-text editor found on PATH, else xdg-open.
std::string defaultViewer();
