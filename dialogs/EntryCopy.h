// A member extracted on its own into the temporary folder, to be opened in
// its program or viewed.
#pragma once

#include <string>

class TZipEngine;

// Extracts the member path + name from the engine's archive into folder,
// replacing an older copy, without its path. Returns the copy's path (what
// the library wrote, which may differ from the name), or an
// empty string after telling the user why there is none: the folder cannot
// be used, or the member was not extracted (an older copy left there must
// not be opened in its place).
std::string extractEntryCopy(TZipEngine &engine, const std::string &path, const std::string &name,
    const std::string &folder);
