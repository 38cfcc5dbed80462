// Walking the components of a '/'-separated path.
#pragma once

#include <string_view>

namespace amx {

// Calls part(component) for each component, left to right, skipping empty
// ones and "." (doubled, leading and trailing slashes carry no name).
template <typename Part> void forEachPathPart(std::string_view path, Part part)
{
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t slash = path.find('/', pos);
        if (slash == std::string_view::npos)
            slash = path.size();
        const std::string_view component = path.substr(pos, slash - pos);
        pos = slash + 1;
        if (!component.empty() && component != ".")
            part(component);
    }
}

} // namespace amx
