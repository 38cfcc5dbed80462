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

// Folders first: with "&Save extra folder info" one call from the folder of
// the first dropped name naming every folder by its full path, else one call
// inside each folder (a call has a single current directory). Then one call
// for all files by full path. Every name is exact, never a pattern; empty
// groups make no call.
std::vector<AddPass> dropPasses(const std::vector<DroppedName> &dropped, const AddChoices &choices);

// What the add will read, for the progress display. Throws EngineError for
// a file that cannot be opened.
int64_t droppedTotal(const std::vector<DroppedName> &dropped);

// The dialog's first line: the path of a single name, else the count.
std::string droppedCaption(const std::vector<std::string> &paths);
