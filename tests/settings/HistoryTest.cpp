#include "History.h"
#include "CFolderUnit1.h"
#include "SelFolderUnit.h"
#include "TestDir.h"

#include <gtest/gtest.h>

namespace {

History make(std::initializer_list<const char *> items)
{
    History h;
    int i = 0;
    for (const char *s : items)
        h[i++] = s;
    return h;
}

std::vector<std::string> items(const History &h)
{
    std::vector<std::string> out;
    for (int i = 0; i < History::kSize; ++i)
        out.push_back(h[i]);
    return out;
}

} // namespace

// Moving, pushing and removing are proven through the recent archives
// (ArchiveSessionTest); the look-up's rules here.
TEST(History, LookUp)
{
    History h = make({ "new", "3", "1", "4" });
    EXPECT_EQ(h.indexOf("4"), 3);
    EXPECT_EQ(h.indexOf(""), -1) << "a free entry never matches";
    EXPECT_EQ(h.indexOf("NEW"), -1) << "names compare exactly";
    EXPECT_TRUE(h.anySet());
    EXPECT_FALSE(History().anySet());
}

TEST(History, ChosenFoldersGoToTheFrontOnce)
{
    const struct
    {
        const char *name;
        History before;
        const char *chosen;
        std::vector<std::string> after;
    } rows[] = {
        { "new folder drops the fifth", make({ "/1", "/2", "/3", "/4", "/5" }), "/new/",
            { "/new", "/1", "/2", "/3", "/4" } },
        { "third to the front", make({ "/1", "/2", "/3", "/4", "/5" }), "/3",
            { "/3", "/1", "/2", "/4", "/5" } },
        { "case is kept and tells folders apart", make({ "/a", "/b" }), "/B",
            { "/B", "/a", "/b", "", "" } },
        { "the root keeps its slash", make({}), "/", { "/", "", "", "", "" } },
        { "gaps close first", make({ "", "/1", "", "/2", "/3" }), "/2",
            { "/2", "/1", "/3", "", "" } },
    };
    for (const auto &row : rows) {
        History h = row.before;
        rememberFolder(h, row.chosen);
        EXPECT_EQ(items(h), row.after) << row.name;
    }
}

TEST(History, NewFolderPathsAreCreatedBelowTheCurrentFolder)
{
    amxtest::TestDir dir;
    const std::string base = dir.str();
    dir.createDir("exists");
    const struct
    {
        const char *current, *typed, *path;
    } rows[] = {
        { "", "/new", "/new/" }, // a leading separator stays below the current folder
        { "/", "nested/deeper", "/nested/deeper/" },
        { "/", "exists", "/exists/" },
        { "/", "", "/" },
    };
    for (const auto &row : rows) {
        const std::string path = newFolderPath(base + row.current, row.typed);
        EXPECT_EQ(path, base + row.path);
        EXPECT_TRUE(createFolders(path)) << path;
    }
    dir.createFile("file");
    EXPECT_FALSE(createFolders(base + "/file/sub/"));
}
