#include "Paths.h"

#include <gtest/gtest.h>

TEST(Paths, FoldersAndTheirSlash)
{
    const struct
    {
        const char *path, *slashed, *folder;
    } rows[] = {
        { "", "/", "" },
        { "/", "/", "/" },
        { "/a/b.zip", "/a/b.zip/", "/a/" },
        { "/a/b/", "/a/b/", "/a/b/" },
        { "b.zip", "b.zip/", "" },
    };
    for (const auto &row : rows) {
        EXPECT_EQ(withSlash(row.path), row.slashed) << row.path;
        EXPECT_EQ(folderOf(row.path), row.folder) << row.path;
    }
}

// The tests run from the folder the programs are built into.
TEST(Paths, TheProgramFindsItsOwnFolder)
{
    EXPECT_EQ(executableFolder(), AMX_BIN_DIR);
    EXPECT_EQ(folderOf(executablePath()), withSlash(AMX_BIN_DIR));
}
