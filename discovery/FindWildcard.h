// Wildcards of the find dialog: '*' any run (also empty), '?' one byte,
// everything else itself, byte for byte and case-sensitive.
#pragma once

#include <string>
#include <string_view>

// Whether the whole name matches the whole pattern. An empty pattern
// matches nothing; "*" (or any run of stars) matches everything.
bool WildcardMatch(std::string_view name, std::string pattern);

// The 1-based position of the first occurrence of segment in text, '?' in
// segment matching any byte; 0 when there is none or text is shorter.
size_t WildcardPos(std::string_view segment, std::string_view text);
