// Extraction into the request's folder, the library's whole job.
#pragma once

#include "Reporter.h"
#include "Wildcard.h"

#include <fcntl.h>
#include <string>
#include <vector>

namespace amx {

struct ExtractOptions
{
    std::string archive;
    std::vector<NameSpec> specs; // empty: every member
    // The base folder, and where a relative archive path starts; held open by
    // the entry point.
    int base = AT_FDCWD;
    bool dirNames = true;
    bool overwrite = false;
    bool freshen = false;
    bool update = false;
    // Inflate and check every selected member, writing nothing.
    bool testOnly = false;
};

// Extracts the selected members; returns how many were extracted and
// verified. Problems with single members are reported and skipped; a
// cancellation (Cancelled) or an unreadable archive (ZipFailure) ends the
// call, leaving every file that would have been replaced intact.
int32_t extractArchive(const ExtractOptions &options, Reporter &reporter);

} // namespace amx
