#include "SafePath.h"

#include "PathParts.h"

#include <climits>

namespace amx {

std::vector<std::string> safeComponents(std::string_view name, bool &changed)
{
    changed = false;
    std::string path(name);
    for (char &c : path)
        if (c == '\\') {
            c = '/';
            changed = true;
        }
    if (path.size() >= 2 && path[1] == ':'
        && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        path.erase(0, 2);
        changed = true;
    }
    // A leading slash makes the name absolute; doubled or trailing ones are harmless.
    if (!path.empty() && path.front() == '/')
        changed = true;
    std::vector<std::string> parts;
    forEachPathPart(path, [&](std::string_view part) {
        if (part == ".." || part.find('\0') != std::string_view::npos)
            changed = true;
        else
            parts.emplace_back(part);
    });
    return parts;
}

std::string joinPath(const std::vector<std::string> &parts, size_t count)
{
    std::string out;
    for (size_t i = 0; i < count && i < parts.size(); ++i) {
        if (i)
            out += '/';
        out += parts[i];
    }
    return out;
}

bool fitsFileSystem(std::span<const std::string> parts)
{
    size_t length = 0;
    for (const std::string &part : parts) {
        if (part.size() > NAME_MAX)
            return false;
        length += part.size() + 1;
    }
    return length <= PATH_MAX; // with the terminating NUL
}

} // namespace amx
