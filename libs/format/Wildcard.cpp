#include "Wildcard.h"

#include <unordered_map>

namespace amx {

bool hasWildcard(std::string_view pattern)
{
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\\')
            ++i;
        else if (pattern[i] == '*' || pattern[i] == '?')
            return true;
    }
    return false;
}

std::string unescapeName(std::string_view pattern)
{
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\\' && i + 1 < pattern.size())
            ++i;
        out += pattern[i];
    }
    return out;
}

std::string specText(std::string_view spec)
{
    return hasWildcard(spec) ? std::string(spec) : unescapeName(spec);
}

static size_t charLength(std::string_view s, size_t i)
{
    auto c = static_cast<unsigned char>(s[i]);
    size_t len = c < 0x80    ? 1
        : (c & 0xe0) == 0xc0 ? 2
        : (c & 0xf0) == 0xe0 ? 3
        : (c & 0xf8) == 0xf0 ? 4
                             : 1;
    return i + len <= s.size() ? len : 1;
}

bool wildcardMatch(std::string_view pattern, std::string_view name, bool crossSlash)
{
    if (pattern == "*.*")
        pattern = "*";
    // Iterative matching with one backtrack point: linear for one '*', never
    // exponential for many.
    size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starN = n;
            continue;
        }
        if (p < pattern.size() && pattern[p] == '?' && (crossSlash || name[n] != '/')) {
            ++p;
            n += charLength(name, n);
            continue;
        }
        // An escaped character, or a lone backslash at the end, is literal.
        size_t lit = p < pattern.size() && pattern[p] == '\\' && p + 1 < pattern.size() ? p + 1 : p;
        if (lit < pattern.size() && pattern[lit] == name[n]) {
            p = lit + 1;
            ++n;
            continue;
        }
        if (starP != std::string_view::npos && (crossSlash || name[starN] != '/')) {
            p = starP;
            starN += charLength(name, starN);
            n = starN;
            continue;
        }
        return false;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool specMatches(const NameSpec &spec, std::string_view name)
{
    return spec.pattern ? wildcardMatch(spec.text, name, true) : spec.text == name;
}

std::string specText(const NameSpec &spec)
{
    return spec.pattern ? specText(std::string_view(spec.text)) : spec.text;
}

MemberSelection selectMembers(const std::vector<NameSpec> &specs, const std::vector<Entry> &entries)
{
    MemberSelection sel;
    std::vector<bool> used(specs.size(), false);
    // A request may name every member of a large archive one by one: names
    // without a wildcard are looked up, only the patterns are tried in turn.
    std::vector<std::string> names(specs.size());
    std::unordered_multimap<std::string_view, size_t> exact;
    std::vector<size_t> wild;
    for (size_t s = 0; s < specs.size(); ++s) {
        if (specs[s].pattern && hasWildcard(specs[s].text)) {
            wild.push_back(s);
            continue;
        }
        names[s] = specs[s].pattern ? unescapeName(specs[s].text) : specs[s].text;
        exact.emplace(names[s], s);
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        bool take = false;
        const auto [first, last] = exact.equal_range(entries[i].name);
        for (auto it = first; it != last; ++it) {
            used[it->second] = true;
            take = true;
        }
        for (size_t s : wild)
            if (specMatches(specs[s], entries[i].name)) {
                used[s] = true;
                take = true;
            }
        if (take)
            sel.chosen.push_back(i);
    }
    for (size_t s = 0; s < specs.size(); ++s)
        if (!used[s])
            sel.unmatched.push_back(specText(specs[s]));
    return sel;
}

} // namespace amx
