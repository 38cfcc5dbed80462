// What an add of dropped files does, without the dialog: the library calls
// for the names dropped on the main window and what they weigh.
#pragma once

#include "AddRun.h"

#include <string>
#include <vector>

struct DroppedName
{
    std::string path; // full, without a trailing '/'
    bool folder = false;
};

// Looks at each path on disk: a folder, or a link to one, is a folder.
std::vector<DroppedName> classifyDropped(const std::vector<std::string> &paths);

// The calls of planAddPasses from the folder of the first dropped name,
// every name by its full path.
std::vector<AddPass> dropPasses(const std::vector<DroppedName> &dropped, const AddChoices &choices);

// Opens each dropped file (not the folders, which the library walks).
// Throws EngineError for a file that cannot be opened.
void checkDroppedFiles(const std::vector<DroppedName> &dropped, const WalkStop &stop = {});

// The dialog's first line: the path of a single name, else the count.
std::string droppedCaption(const std::vector<std::string> &paths);
