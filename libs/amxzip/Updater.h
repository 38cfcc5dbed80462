// Add and delete: the archive is rewritten into a temporary file, unchanged
// members copied as they are, and renamed over the original when complete.
#pragma once

#include "AddOptions.h"
#include "Reporter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace amx {

// Returns the number of members added or replaced. Throws Cancelled or
// ZipFailure, leaving the original archive unchanged.
int32_t addFiles(const AddOptions &options, Reporter &reporter);

// Returns the number of members removed.
int32_t deleteMembers(const AddOptions &options, Reporter &reporter);

// A member (or a folder: every member under it) and its new name.
struct RenamePair
{
    std::string from;
    std::string to;
};

// Renames members by a rewrite that copies every member's data as it is.
// Every new name is checked first; one refused leaves the archive
// unchanged. Returns the number of members renamed.
int32_t renameMembers(
    const AddOptions &options, const std::vector<RenamePair> &pairs, Reporter &reporter);

// Replaces the archive comment; only the end record is written anew.
void setComment(const AddOptions &options, std::string_view comment, Reporter &reporter);

} // namespace amx
