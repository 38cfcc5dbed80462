// The walk that keeps member names and link targets inside the base folder.
#include "amxunz/SafePath.h"
#include "tests/support/Table.h"

namespace {

struct NameRow
{
    const char *name;
    std::string_view member;
    const char *path;
    bool changed;
};
AMX_ROW_PRINTS_NAME(NameRow)

class SafeNameTest : public ::testing::TestWithParam<NameRow>
{
};

TEST_P(SafeNameTest, staysInside)
{
    const NameRow &row = GetParam();
    bool changed = true;
    const std::vector<std::string> parts = amx::safeComponents(row.member, changed);
    EXPECT_EQ(amx::joinPath(parts, parts.size()), row.path);
    EXPECT_EQ(changed, row.changed);
}

INSTANTIATE_TEST_SUITE_P(Rows, SafeNameTest,
    ::testing::Values(NameRow { "plain", "d/e/f.txt", "d/e/f.txt", false },
        NameRow { "dotAndDoubledSlashesHarmless", "d//./f/", "d/f", false },
        NameRow { "parentPartsDropped", "../../etc/passwd", "etc/passwd", true },
        NameRow { "parentInsideDropped", "a/../../b", "a/b", true },
        NameRow { "absolute", "/etc/passwd", "etc/passwd", true },
        NameRow { "backslashSeparates", "a\\..\\b", "a/b", true },
        NameRow { "driveLetter", "C:/x", "x", true },
        NameRow { "nulPartDropped", std::string_view("a/b\0c/d", 7), "a/d", true }),
    amxtest::RowName());

struct LinkRow
{
    const char *name;
    std::vector<std::string> parent;
    const char *target;
    bool inside;
};
AMX_ROW_PRINTS_NAME(LinkRow)

class LinkTest : public ::testing::TestWithParam<LinkRow>
{
};

TEST_P(LinkTest, staysInside)
{
    const LinkRow &row = GetParam();
    EXPECT_EQ(amx::linkStaysInside(row.parent, row.target), row.inside);
}

INSTANTIATE_TEST_SUITE_P(Rows, LinkTest,
    ::testing::Values(LinkRow { "sibling", { "d" }, "../e", true },
        LinkRow { "upAndBackDown", { "d" }, "x/../../e", true },
        LinkRow { "outOfBase", { "d" }, "../../e", false },
        LinkRow { "outAndBackIn", {}, "../base/e", false },
        LinkRow { "absolute", { "d" }, "/etc", false }, LinkRow { "empty", {}, "", false }),
    amxtest::RowName());

} // namespace
