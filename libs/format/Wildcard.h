// Name patterns: '*' any run of characters, '?' one character (a whole UTF-8
// sequence). A backslash takes the next character literally, so "\*", "\?"
// and "\\" match '*', '?' and '\' themselves; a backslash before any other
// character is simply dropped ("\a" matches "a"), and a lone backslash at
// the end matches a backslash. Matching is exact otherwise, as file names
// are on Linux.
#pragma once

#include <string>
#include <string_view>

namespace amx {

// Whether the pattern has a '*' or '?' that is not escaped.
bool hasWildcard(std::string_view pattern);
// The name a pattern without wildcards stands for: its escapes removed.
std::string unescapeName(std::string_view pattern);
// A specification as messages name it: a plain name unescaped, a pattern as given.
std::string specText(std::string_view spec);
// With crossSlash false, '*' and '?' never match '/'. "*.*" matches everything.
bool wildcardMatch(std::string_view pattern, std::string_view name, bool crossSlash);

} // namespace amx
