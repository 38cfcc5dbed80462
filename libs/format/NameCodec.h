// Member names are bytes. A name is UTF-8 when the archive says so (flag
// bit 11). Any other name is read in the archive's code page: chosen by the
// user, or detected. An archive whose every name is valid UTF-8 is UTF-8;
// otherwise the names that are not valid UTF-8 are given together to the
// detector, and the page it names decodes those names (the valid UTF-8 ones
// stay UTF-8). When the detector knows no better, CP437, which is what the
// format prescribes and DOS-era writers used. A chosen code page decodes
// every name without bit 11. An Info-ZIP Unicode Path field whose CRC
// matches the stored name wins over all of that for its member. A byte that
// does not convert becomes U+FFFD: a name never fails to decode.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace amx {

bool isValidUtf8(std::string_view bytes);
// The length of the UTF-8 sequence that starts bytes, with its code point in
// cp; 0 when bytes is empty or does not start with a valid sequence.
size_t utf8Sequence(std::string_view bytes, uint32_t &cp);
// Appends one code point as UTF-8.
void appendUtf8(std::string &out, uint32_t cp);
std::string cp437ToUtf8(std::string_view bytes);
// The name as UTF-8 text: bit 11 or valid UTF-8 as they are, CP437 otherwise.
std::string decodeName(std::string_view raw, bool utf8Flag);

// The code pages offered for choice, as they are named to the user
// ("CP437", "Windows-1251", "Shift-JIS" ...), those this system's iconv
// can convert from.
std::vector<std::string> offeredCodePages();
// The name iconv knows a code page by ("Shift-JIS" is "CP932"); any other
// name is passed on as it is. Case does not matter.
std::string iconvCodePage(std::string_view name);
// The offered name of a code page when it is one of them ("cp866" and
// "IBM866" are "CP866"), else the name as given.
std::string codePageLabel(std::string_view name);
// Whether names can be converted from this code page ("UTF-8" included).
bool codePageSupported(std::string_view name);

// The UTF-8 name of an Info-ZIP Unicode Path field (0x7075) in extra, when
// there is one of version 1 whose CRC-32 is that of the stored name.
bool unicodePathName(std::string_view extra, std::string_view raw, std::string &out);

// Guesses the code page of names that are not UTF-8, all of them together.
// Returns an offered name; CP437 when nothing better is known.
std::string detectCodePage(const std::vector<std::string_view> &names);

// Decodes the names of one archive. Give it every name first (consider),
// then decode: the code page is settled at the first decode.
class NameDecoder
{
public:
    // choice: "" (or "Automatic") detects, "UTF-8" takes every name as
    // UTF-8, anything else is a code page iconv knows.
    explicit NameDecoder(std::string choice = {});
    ~NameDecoder();
    NameDecoder(const NameDecoder &) = delete;
    NameDecoder &operator=(const NameDecoder &) = delete;

    void consider(std::string_view raw, bool utf8Flag);
    // The code page of the names without bit 11: the choice, or what was
    // detected ("UTF-8" when every name is valid UTF-8).
    const std::string &codePage();
    bool automatic() const { return m_automatic; }
    // The name as UTF-8; extra is the record's extra field.
    std::string decode(std::string_view raw, bool utf8Flag, std::string_view extra = {});

    struct Converter; // iconv to UTF-8, in NameCodec.cpp

private:
    void settle();

    std::string m_choice;
    bool m_automatic;
    bool m_settled = false;
    std::vector<std::string> m_legacy;
    std::string m_page;
    std::unique_ptr<Converter> m_conv;
};

// Bytes in a code page as UTF-8, a byte that does not convert as U+FFFD.
// An unknown code page reads as CP437.
std::string decodeCodePage(std::string_view raw, std::string_view codePage);

} // namespace amx
