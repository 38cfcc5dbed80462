// Extraction and test of an archive libarchive reads, one member after the
// other in archive order (stream formats allow nothing else).
#pragma once

#include "Reporter.h"
#include "Request.h"
#include "Wildcard.h"

#include <fcntl.h>
#include <string>
#include <vector>

namespace amx {

using ArcExtractOptions = ExtractChoice;

// Returns how many members were extracted (or found sound). Problems with
// single members are reported and skipped; damage that ends the stream ends
// the call, every member before it kept.
int32_t extractOther(const ArcExtractOptions &options, Reporter &reporter);

} // namespace amx
