// The list's Modified column without Qt: Qt's short date and time formats of
// a locale, with the texts and digits they use, read from Qt when the program
// is built, so that "-l" prints what the window shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DateStyle
{
    const char *date; // Qt format patterns, UTF-8
    const char *time;
    const char *amUpper; // what "AP" and "ap" print
    const char *pmUpper;
    const char *amLower;
    const char *pmLower;
    const char *months; // short month names, each ended by '\n'; "" when unused
    uint32_t zeroDigit; // code point of the locale's zero
};

// An MS-DOS date and time as "short date  short time" in the style; "" when
// the date or the time is not a real one.
std::string dosDateTimeText(uint32_t dosDateTime, const DateStyle &style);

// The locale name Qt takes the time formats from: LC_ALL, else LC_TIME, else
// LANG, without its codeset; "C" when none is set. None when it carries a
// modifier ("@..."), whose meaning is left to Qt.
std::optional<std::string> timeLocaleName();

// The style of a locale name as Qt resolves it ("de_DE", "de", "C"); null for
// a name the table does not hold.
const DateStyle *dateStyleNamed(std::string_view name);

// The style of the environment's locale, or null when only Qt can tell.
const DateStyle *environmentDateStyle();
