#include "IniValue.h"

#include <charconv>
#include <cstdlib>
#include <fstream>

namespace {

std::string_view trimmed(std::string_view s)
{
    const char *blanks = " \t\r\n\f\v";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// QSettings writes bytes outside letters and digits of a name as "%XX".
std::string unescapedName(std::string_view s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hexValue(s[i + 1]) >= 0 && hexValue(s[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(s[i + 1]) * 16 + hexValue(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

} // namespace

std::string configHome()
{
    const char *xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg)
        return xdg;
    const char *home = std::getenv("HOME");
    return std::string(home && *home ? home : "/") + "/.config";
}

std::optional<std::string> iniValue(
    const std::string &path, std::string_view group, std::string_view key)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::optional<std::string> found;
    bool inGroup = false;
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view text = trimmed(line);
        if (text.empty() || text[0] == ';' || text[0] == '#')
            continue;
        if (text.front() == '[') {
            const size_t close = text.find(']');
            inGroup = close != std::string_view::npos
                && unescapedName(trimmed(text.substr(1, close - 1))) == group;
            continue;
        }
        const size_t equals = text.find('=');
        if (inGroup && equals != std::string_view::npos
            && unescapedName(trimmed(text.substr(0, equals))) == key)
            found = std::string(trimmed(text.substr(equals + 1)));
    }
    return found;
}

std::optional<int> iniInteger(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    else if (value.find(',') != std::string_view::npos || value.starts_with('@'))
        return std::nullopt;
    value = trimmed(value);
    if (value.size() > 1 && value[0] == '+' && value[1] >= '0' && value[1] <= '9')
        value.remove_prefix(1);
    int n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    return n;
}
