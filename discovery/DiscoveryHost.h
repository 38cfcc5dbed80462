// What the favourites, search and find windows need of the main window.
#pragma once

#include "FindLogic.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

class DiscoveryHost
{
public:
    virtual ~DiscoveryHost() = default;

    // The favourite folders (each ending in '/'), their list order and the
    // policy for the folder of an opened archive, as the settings hold them.
    virtual std::vector<std::string> &favoriteFolders() = 0;
    virtual int &favoriteSortOrder() = 0;
    virtual int &favoriteAddMode() = 0;
    virtual std::string lastOpenDir() = 0;

    // Closes the open archive, opens path and lists it.
    virtual void openArchive(const std::string &path) = 0;
    // A folder picked by the user for caller, or empty when cancelled.
    virtual QString chooseFolder(QWidget *caller, const QString &title, const QString &prompt) = 0;

    // How many rows the main list has, and row i of them (its texts valid
    // until the list changes).
    virtual size_t listRowCount() = 0;
    virtual FindRow listRow(size_t i) = 0;
    // Adds the rows to the list's selection; nothing is deselected.
    virtual void selectRows(const std::vector<size_t> &rows) = 0;
};
