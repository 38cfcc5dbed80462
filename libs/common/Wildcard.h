// Name patterns: '*' any run of characters, '?' one character (a whole UTF-8
// sequence). Matching is exact otherwise, as file names are on Linux.
#pragma once

#include <string_view>

namespace amx {

bool hasWildcard(std::string_view pattern);
// With crossSlash false, '*' and '?' never match '/'. "*.*" matches everything.
bool wildcardMatch(std::string_view pattern, std::string_view name, bool crossSlash);

} // namespace amx
