// Wildcards of the find dialog: '*' any run (also empty), '?' one character
// (a whole UTF-8 sequence; a byte that is not UTF-8 counts as one),
// everything else itself, case-sensitive.
#pragma once

#include <string>
#include <string_view>

// Whether the whole name matches the whole pattern. An empty pattern
// matches nothing; "*" (or any run of stars) matches everything.
bool WildcardMatch(std::string_view name, std::string pattern);

// The 1-based position, in characters, of the first occurrence of segment
// in text, '?' in segment matching any character; 0 when there is none or
// text is shorter.
size_t WildcardPos(std::string_view segment, std::string_view text);
