// What the caller asked libamxzip to do, read from its request.
#pragma once

#include "Crypto.h"
#include "Wildcard.h"

#include <fcntl.h>
#include <string>
#include <vector>

namespace amx {

struct AddOptions
{
    std::string archive;
    std::vector<NameSpec> specs; // paths below base, or members to delete
    // The folder every relative path starts from, held open by the entry point.
    int base = AT_FDCWD;
    int level = 9;
    bool discardDirNames = false;
    bool recurse = false;
    bool hidden = false;
    bool forceDos = false;
    bool move = false;
    bool freshen = false;
    bool update = false;
    bool archiveTime = false;
    // The code page of the archive's names not marked UTF-8 ("" detects
    // it): deleting and replacing go by the names it gives.
    std::string codePage;
    // New members are encrypted with `password` unless None.
    Encryption encryption = Encryption::None;
    Secret password;
};

} // namespace amx
