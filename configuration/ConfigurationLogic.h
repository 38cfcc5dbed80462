// How the configuration dialog shows and stores the temporary folder.
#pragma once

#include <string>

// Without its trailing '/' unless it is the root.
std::string shownTempFolder(const std::string &stored);

// With a trailing '/'; an empty text keeps the previous value.
std::string storedTempFolder(const std::string &typed, const std::string &previous);
