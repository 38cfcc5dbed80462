#include "SafePath.h"

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
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t slash = path.find('/', pos);
        if (slash == std::string::npos)
            slash = path.size();
        std::string part = path.substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty() || part == ".") {
            // A leading slash makes the name absolute; doubled or trailing ones are harmless.
            if (slash == 0)
                changed = true;
            continue;
        }
        if (part == ".." || part.find('\0') != std::string::npos) {
            changed = true;
            continue;
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

bool linkStaysInside(const std::vector<std::string> &parent, std::string_view target)
{
    if (target.empty() || target.front() == '/' || target.find('\0') != std::string_view::npos)
        return false;
    size_t depth = parent.size();
    size_t pos = 0;
    while (pos <= target.size()) {
        size_t slash = target.find('/', pos);
        if (slash == std::string_view::npos)
            slash = target.size();
        std::string_view part = target.substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (depth == 0)
                return false;
            --depth;
        } else {
            ++depth;
        }
    }
    return true;
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

} // namespace amx
