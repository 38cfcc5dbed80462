// The favourites, search and find windows joined to the main window.
#pragma once

class TFavorOptForm;
class TFavoriteForm;
class TFindForm;
class TMainForm;
class TSearchForm;

// Connects the main window's Favorites and Find commands and gives the
// windows their view of the main window. The windows must not outlive form.
void connectDiscovery(TMainForm &form, TFavoriteForm &favorites, TFavorOptForm &options,
    TSearchForm &search, TFindForm &find);
