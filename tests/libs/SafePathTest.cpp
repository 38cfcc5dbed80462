// The walk that keeps member names and link targets inside the base folder;
// the hostile archives show parent parts, backslashes and drive letters.
#include "SafePath.h"

#include <gtest/gtest.h>

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

TEST(SafePathTest, linksStayInside)
{
    const struct
    {
        std::vector<std::string> parent;
        const char *target;
        bool inside;
    } rows[] = {
        { { "d" }, "../e", true },
        { { "d" }, "x/../../e", true },
        { { "d" }, "../../e", false },
        { {}, "../base/e", false }, // out and back in
        { { "d" }, "/etc", false },
        { {}, "", false },
    };
    for (const auto &row : rows)
        EXPECT_EQ(amx::linkStaysInside(row.parent, row.target), row.inside) << row.target;
}

} // namespace
