// Turns a member name into a path that stays inside the base folder.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amx {

// The components of a safe relative path for a member name: backslashes are
// taken as separators, drive prefixes, leading slashes, "." and ".." parts
// are dropped. `changed` tells whether anything had to be neutralised.
std::vector<std::string> safeComponents(std::string_view name, bool &changed);

std::string joinPath(const std::vector<std::string> &parts, size_t count);

// Whether the system can make a path of these components: none longer than
// NAME_MAX and the whole shorter than PATH_MAX.
bool fitsFileSystem(std::span<const std::string> parts);

} // namespace amx
