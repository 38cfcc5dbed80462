// Where a symbolic link leads, followed the way the system would, but without
// ever leaving a given root folder: the one rule for links that the
// extraction writes and the links an add walks into.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace amx {

// What a path below the root is, as far as following a link needs to know.
struct PathNode
{
    enum class Kind { Missing, Folder, Link, Other };
    Kind kind = Kind::Missing;
    std::string target; // of a link
};

// Looks a path up without following its last component; the components
// before it are real folders.
using PathLookup = std::function<PathNode(const std::vector<std::string> &path)>;

enum class LinkEnd { Inside, Leaves, Loop };

// Follows a link with this target that lies in folder `at` (components below
// the root). Returns Inside with `at` set to where it ends when the target,
// and every link it passes through, stays below the root. A target that is
// absolute, or that has ".." after a component which is a link, a missing name
// or not a folder, is taken as leaving: such a ".." depends on what that
// component is, and another link written later could change it.
LinkEnd followLink(std::vector<std::string> &at, std::string_view target, const PathLookup &lookup);

// Checks a link about to be made in folder `parent`: its parent components
// must be real folders (or not there yet), and its target must stay inside.
LinkEnd checkNewLink(
    const std::vector<std::string> &parent, std::string_view target, const PathLookup &lookup);

// Looks paths up below the open folder `root`.
PathLookup lookupBelow(int root);

} // namespace amx
