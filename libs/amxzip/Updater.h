// Add and delete: the archive is rewritten into a temporary file, unchanged
// members copied as they are, and renamed over the original when complete.
#pragma once

#include "AddOptions.h"
#include "Reporter.h"

#include <cstdint>

namespace amx {

// Returns the number of members added or replaced. Throws Cancelled or
// ZipFailure, leaving the original archive unchanged.
int32_t addFiles(const AddOptions &options, Reporter &reporter);

// Returns the number of members removed.
int32_t deleteMembers(const AddOptions &options, Reporter &reporter);

} // namespace amx
