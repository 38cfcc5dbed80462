// Reading the names a parameter block passes to a library.
#pragma once

#include "AmxBlocks.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace amx {

// The archive name and the specifications of a parameter block; empty
// specifications are passed over. Returns how many the block gave, empty
// ones included: a block of empty ones only asks for nothing, not for all.
template <typename Block>
int32_t readNames(const Block &p, std::string &archive, std::vector<std::string> &specs)
{
    archive = p.archiveName ? p.archiveName : "";
    const int32_t count = p.specCount < 0 ? 0 : std::min<int32_t>(p.specCount, AMX_MAX_SPECS);
    for (int32_t i = 0; i < count; ++i)
        if (p.specs[i] && *p.specs[i])
            specs.emplace_back(p.specs[i]);
    return count;
}

} // namespace amx
