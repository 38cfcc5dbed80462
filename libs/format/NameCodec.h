// Member names are bytes. They are shown (and matched) as UTF-8 when the
// archive says so (flag bit 11) or when the bytes are valid UTF-8, and as
// code page 437 otherwise, which is what DOS-era writers used.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace amx {

bool isValidUtf8(std::string_view bytes);
// The length of the UTF-8 sequence that starts bytes, with its code point in
// cp; 0 when bytes is empty or does not start with a valid sequence.
size_t utf8Sequence(std::string_view bytes, uint32_t &cp);
// Appends one code point as UTF-8.
void appendUtf8(std::string &out, uint32_t cp);
std::string cp437ToUtf8(std::string_view bytes);
// The name as UTF-8 text, following the rule above.
std::string decodeName(std::string_view raw, bool utf8Flag);

} // namespace amx
