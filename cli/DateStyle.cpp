#include "DateStyle.h"

#include "NameCodec.h"

#include <cstdlib>

namespace {

bool leapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

// A non-negative number in the locale's digits, at least width of them.
void appendNumber(std::string &out, int value, int width, uint32_t zero)
{
    const std::string digits = std::to_string(value);
    for (int i = static_cast<int>(digits.size()); i < width; ++i)
        amx::appendUtf8(out, zero);
    for (const char d : digits)
        amx::appendUtf8(out, zero + static_cast<uint32_t>(d - '0'));
}

// Qt reads "ab" in a pattern as one field only outside quotes.
bool hasAmPm(std::string_view format)
{
    bool quoted = false;
    for (const char c : format) {
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && (c == 'a' || c == 'A'))
            return true;
    }
    return false;
}

size_t runOf(std::string_view format, size_t i)
{
    size_t n = 1;
    while (i + n < format.size() && format[i + n] == format[i])
        ++n;
    return n;
}

struct Fields
{
    int year, month, day, hour, minute, second;
};

// Qt's pattern letters as its short formats use them; anything else is text.
std::string expand(std::string_view format, const Fields &f, const DateStyle &style)
{
    const bool twelveHour = hasAmPm(format);
    std::string out;
    size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c == '\'') {
            // "''" is a quote; otherwise the text up to the closing quote.
            if (i + 1 < format.size() && format[i + 1] == '\'') {
                out += '\'';
                i += 2;
                continue;
            }
            ++i;
            while (i < format.size()) {
                if (format[i] == '\'') {
                    if (i + 1 < format.size() && format[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += format[i++];
            }
            continue;
        }
        size_t n = runOf(format, i);
        switch (c) {
        case 'd':
        case 'M':
        case 'h':
        case 'H':
        case 'm':
        case 's': {
            const size_t most = c == 'M' ? 3 : 2;
            n = n > most ? most : n;
            if (c == 'M' && n == 3) {
                std::string_view months(style.months);
                for (int k = 1; k < f.month; ++k)
                    months.remove_prefix(months.find('\n') + 1);
                out.append(months.substr(0, months.find('\n')));
                break;
            }
            int value = c == 'd' ? f.day
                : c == 'M'       ? f.month
                : c == 'm'       ? f.minute
                : c == 's'       ? f.second
                                 : f.hour;
            if (c == 'h' && twelveHour)
                value = value % 12 == 0 ? 12 : value % 12;
            appendNumber(out, value, static_cast<int>(n), style.zeroDigit);
            break;
        }
        case 'y':
            if (n >= 4) {
                n = 4;
                appendNumber(out, f.year, 4, style.zeroDigit);
            } else if (n >= 2) {
                n = 2;
                appendNumber(out, f.year % 100, 2, style.zeroDigit);
            } else {
                out += c;
            }
            break;
        case 'a':
        case 'A': {
            // "AP" or "A" in capitals, "ap" or "a" in small letters.
            n = i + 1 < format.size() && (format[i + 1] == 'p' || format[i + 1] == 'P') ? 2 : 1;
            const bool am = f.hour < 12;
            out += c == 'A' ? (am ? style.amUpper : style.pmUpper)
                            : (am ? style.amLower : style.pmLower);
            break;
        }
        default:
            n = 1;
            out += c;
            break;
        }
        i += n;
    }
    return out;
}

} // namespace

std::string dosDateTimeText(uint32_t dosDateTime, const DateStyle &style)
{
    const uint32_t time = dosDateTime & 0xFFFF;
    const uint32_t date = dosDateTime >> 16;
    Fields f;
    f.year = 1980 + static_cast<int>(date >> 9);
    f.month = static_cast<int>((date >> 5) & 0x0F);
    f.day = static_cast<int>(date & 0x1F);
    f.hour = static_cast<int>((time >> 11) & 0x1F);
    f.minute = static_cast<int>((time >> 5) & 0x3F);
    f.second = static_cast<int>(time & 0x1F) * 2;
    if (f.month < 1 || f.month > 12 || f.day < 1 || f.day > daysInMonth(f.year, f.month))
        return {};
    if (f.hour > 23 || f.minute > 59 || f.second > 59)
        return {};
    return expand(style.date, f, style) + "  " + expand(style.time, f, style);
}

std::optional<std::string> timeLocaleName()
{
    std::string name;
    for (const char *variable : { "LC_ALL", "LC_TIME", "LANG" }) {
        const char *value = std::getenv(variable);
        if (value && *value) {
            name = value;
            break;
        }
    }
    if (name.find('@') != std::string::npos)
        return std::nullopt;
    name = name.substr(0, name.find('.'));
    return name.empty() ? std::string("C") : name;
}
