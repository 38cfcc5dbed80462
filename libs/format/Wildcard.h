// Name patterns: '*' any run of characters, '?' one character (a whole UTF-8
// sequence). A backslash takes the next character literally, so "\*", "\?"
// and "\\" match '*', '?' and '\' themselves; a backslash before any other
// character is simply dropped ("\a" matches "a"), and a lone backslash at
// the end matches a backslash. Matching is exact otherwise, as file names
// are on Linux.
#pragma once

#include "ZipFormat.h"

#include <string>
#include <string_view>
#include <vector>

namespace amx {

// Whether the pattern has a '*' or '?' that is not escaped.
bool hasWildcard(std::string_view pattern);
// The name a pattern without wildcards stands for: its escapes removed.
std::string unescapeName(std::string_view pattern);
// A specification as messages name it: a plain name unescaped, a pattern as given.
std::string specText(std::string_view spec);
// With crossSlash false, '*' and '?' never match '/'. "*.*" matches everything.
bool wildcardMatch(std::string_view pattern, std::string_view name, bool crossSlash);

// One name of a request: a pattern as above, or an exact name, in which no
// character is special.
struct NameSpec
{
    std::string text;
    bool pattern = true;
    bool operator==(const NameSpec &) const = default;
};

// Whether the name is the exact one, or one the pattern matches ('*' crossing '/').
bool specMatches(const NameSpec &spec, std::string_view name);
// A name of a request as messages name it: exact names and plain patterns
// as the name they stand for, patterns with wildcards as given.
std::string specText(const NameSpec &spec);

struct MemberSelection
{
    std::vector<size_t> chosen; // in archive order
    std::vector<std::string> unmatched; // as messages name them
};

// The members any of the names chooses, and the names that chose none. No
// names choose no member.
MemberSelection selectMembers(
    const std::vector<NameSpec> &specs, const std::vector<Entry> &entries);

} // namespace amx
