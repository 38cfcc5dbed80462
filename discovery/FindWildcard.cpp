#include "FindWildcard.h"

namespace {

bool segmentAt(std::string_view segment, std::string_view text, size_t at)
{
    for (size_t k = 0; k < segment.size(); ++k)
        if (segment[k] != '?' && segment[k] != text[at + k])
            return false;
    return true;
}

} // namespace

size_t WildcardPos(std::string_view segment, std::string_view text)
{
    if (text.size() < segment.size())
        return 0;
    if (segment.find('?') == std::string_view::npos) {
        const size_t at = text.find(segment);
        return at == std::string_view::npos ? 0 : at + 1;
    }
    for (size_t at = 0; at + segment.size() <= text.size(); ++at)
        if (segmentAt(segment, text, at))
            return at + 1;
    return 0;
}

bool WildcardMatch(std::string_view name, std::string pattern)
{
    for (size_t at; (at = pattern.find("**")) != std::string::npos;)
        pattern.erase(at, 1);
    if (pattern == "*")
        return true;
    if (pattern.empty())
        return false;

    const std::string_view p = pattern;
    size_t i = 0, j = 0;
    while (i < name.size() && j < p.size()) {
        if (p[j] == '?' || p[j] == name[i]) {
            ++i;
            ++j;
            continue;
        }
        if (p[j] != '*')
            return false;
        const size_t next = p.find('*', j + 1);
        if (next == std::string_view::npos) {
            // The last segment has to sit at the very end of the name.
            const std::string_view tail = p.substr(j + 1);
            if (tail.empty())
                return true;
            return name.size() - i >= tail.size()
                && segmentAt(tail, name, name.size() - tail.size());
        }
        const std::string_view segment = p.substr(j + 1, next - j - 1);
        const size_t pos = WildcardPos(segment, name.substr(i));
        if (pos == 0)
            return false;
        i += pos - 1 + segment.size();
        j = next;
    }
    return i == name.size() && (j == p.size() || p.substr(j) == "*");
}
