// Finds the files an add request names: specifications relative to the
// base folder, wildcards (backslash escapes), recursion, hidden files, links
// followed.
#pragma once

#include "AddOptions.h"
#include "Reporter.h"

#include <string>
#include <sys/stat.h>
#include <vector>

namespace amx {

struct Source
{
    std::string path; // as opened, relative to the base folder or absolute
    std::string stored; // the member name, '/'-separated, folders ending in '/'
    struct stat st
    {
    };
    bool isDir() const { return S_ISDIR(st.st_mode); }
};

struct Collection
{
    std::vector<Source> sources;
    // Every folder walked, parents first: the folders a move may leave empty.
    std::vector<std::string> walkedDirs;
};

// `self` is the archive's own file (device, inode), never added; pass
// st_ino 0 when it does not exist yet.
Collection collectSources(const AddOptions &options, const struct stat &self, Reporter &reporter);

// The member name stored for a path: relative, without "." and "..".
std::string storedName(const std::string &path, bool isDir, bool discardDirs, bool forceDos);
// An 8.3 upper-case form of one name component.
std::string dosComponent(const std::string &name);

} // namespace amx
