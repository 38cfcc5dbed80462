// The window's Modified column: the date in Qt's current locale.
#pragma once

#include <cstdint>
#include <string>

// MS-DOS date and time as "short date  short time" in the current locale;
// "" when either is not a real one.
std::string modifiedText(uint32_t dosDateTime);
