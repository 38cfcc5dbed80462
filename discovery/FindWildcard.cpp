#include "FindWildcard.h"

#include "NameCodec.h"

namespace {

// Characters of a name: a byte that starts no UTF-8 sequence stands for
// itself above the range of code points, so it matches only itself.
std::u32string characters(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    while (!text.empty()) {
        uint32_t cp = 0;
        size_t len = amx::utf8Sequence(text, cp);
        if (len == 0) {
            cp = 0x110000 + static_cast<uint8_t>(text[0]);
            len = 1;
        }
        out += char32_t(cp);
        text.remove_prefix(len);
    }
    return out;
}

bool segmentAt(std::u32string_view segment, std::u32string_view text, size_t at)
{
    for (size_t k = 0; k < segment.size(); ++k)
        if (segment[k] != U'?' && segment[k] != text[at + k])
            return false;
    return true;
}

size_t positionOf(std::u32string_view segment, std::u32string_view text)
{
    if (text.size() < segment.size())
        return 0;
    for (size_t at = 0; at + segment.size() <= text.size(); ++at)
        if (segmentAt(segment, text, at))
            return at + 1;
    return 0;
}

} // namespace

size_t WildcardPos(std::string_view segment, std::string_view text)
{
    return positionOf(characters(segment), characters(text));
}

bool WildcardMatch(std::string_view utf8Name, std::string pattern)
{
    for (size_t at; (at = pattern.find("**")) != std::string::npos;)
        pattern.erase(at, 1);
    if (pattern == "*")
        return true;
    if (pattern.empty())
        return false;

    const std::u32string nameChars = characters(utf8Name), patternChars = characters(pattern);
    const std::u32string_view name = nameChars, p = patternChars;
    size_t i = 0, j = 0;
    while (i < name.size() && j < p.size()) {
        if (p[j] == U'?' || p[j] == name[i]) {
            ++i;
            ++j;
            continue;
        }
        if (p[j] != U'*')
            return false;
        const size_t next = p.find(U'*', j + 1);
        if (next == std::u32string_view::npos) {
            // The last segment has to sit at the very end of the name.
            const std::u32string_view tail = p.substr(j + 1);
            if (tail.empty())
                return true;
            return name.size() - i >= tail.size()
                && segmentAt(tail, name, name.size() - tail.size());
        }
        const std::u32string_view segment = p.substr(j + 1, next - j - 1);
        const size_t pos = positionOf(segment, name.substr(i));
        if (pos == 0)
            return false;
        i += pos - 1 + segment.size();
        j = next;
    }
    return i == name.size() && (j == p.size() || p.substr(j) == U"*");
}
