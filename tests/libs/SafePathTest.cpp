// The walk that keeps member names and link targets inside the base folder;
// the hostile archives show parent parts, backslashes and drive letters.
#include "SafePath.h"
#include "LinkTarget.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(SafePathTest, namesStayInside)
{
    const struct
    {
        std::string_view member;
        const char *path;
        bool changed;
    } rows[] = {
        { "d/e/f.txt", "d/e/f.txt", false },
        { "d//./f/", "d/f", false }, // dots and doubled slashes are harmless
        { "a/../../b", "a/b", true },
        { "/etc/passwd", "etc/passwd", true },
        { std::string_view("a/b\0c/d", 7), "a/d", true },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path);
        bool changed = true;
        const std::vector<std::string> parts = amx::safeComponents(row.member, changed);
        EXPECT_EQ(amx::joinPath(parts, parts.size()), row.path);
        EXPECT_EQ(changed, row.changed);
    }
}

// Link targets followed through a tree as the extraction and the add walk
// find it: "/" marks a folder, "" a file, anything else a link's target.
TEST(SafePathTest, linksStayInside)
{
    const std::map<std::string, std::string> tree = { { "d", "/" }, { "a", "/" }, { "a/b", "/" },
        { "a/b/c", "/" }, { "a/b/c/up", "../../.." }, { "sub", "/" }, { "sub/d", ".." },
        { "home", "/home/u" }, { "loop1", "loop2" }, { "loop2", "loop1" }, { "file", "" } };
    const amx::PathLookup lookup = [&](const std::vector<std::string> &path) {
        auto it = tree.find(amx::joinPath(path, path.size()));
        using Kind = amx::PathNode::Kind;
        if (it == tree.end())
            return amx::PathNode { Kind::Missing, {} };
        if (it->second == "/" || it->second.empty())
            return amx::PathNode { it->second.empty() ? Kind::Other : Kind::Folder, {} };
        return amx::PathNode { Kind::Link, it->second };
    };
    using amx::LinkEnd;
    const struct
    {
        std::vector<std::string> parent;
        const char *target;
        LinkEnd end;
        const char *at; // where an inside link ends
    } rows[] = {
        { { "d" }, "../e", LinkEnd::Inside, "e" }, { { "d" }, "../../e", LinkEnd::Leaves, "" },
        { {}, "../base/e", LinkEnd::Leaves, "" }, // out and back in
        { { "d" }, "/etc", LinkEnd::Leaves, "" }, { {}, "", LinkEnd::Leaves, "" },
        { {}, "a/b/../b/c/x", LinkEnd::Inside, "a/b/c/x" }, // ".." over real folders
        { {}, "a/b/c/up/d", LinkEnd::Inside, "d" },
        { {}, "a/b/c/up/../..", LinkEnd::Leaves, "" }, // ".." after a link
        { {}, "sub/d/..", LinkEnd::Leaves, "" },
        { { "d" }, "x/../../e", LinkEnd::Leaves, "" }, // x may be made a link later
        { {}, "file/..", LinkEnd::Leaves, "" },
        { {}, "home/x", LinkEnd::Leaves, "" }, // through a link found on disk
        { {}, "loop1", LinkEnd::Loop, "" },
        { { "home" }, "x", LinkEnd::Leaves, "" }, // the link's own folder is a link
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.target);
        EXPECT_EQ(amx::checkNewLink(row.parent, row.target, lookup), row.end);
        std::vector<std::string> at = row.parent;
        if (row.end == LinkEnd::Inside && amx::followLink(at, row.target, lookup) == row.end) {
            EXPECT_EQ(amx::joinPath(at, at.size()), row.at);
        }
    }
}

} // namespace
