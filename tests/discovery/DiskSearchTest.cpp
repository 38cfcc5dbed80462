#include "discovery/DiskSearch.h"

#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(DiskSearchTest, CollectsEachFolderOnceDepthFirst)
{
    amxtest::TestDir dir;
    dir.createFile("a/x.zip");
    dir.createFile("a/b/y.zip");
    for (int i = 0; i < 10; ++i)
        dir.createFile("ten/" + std::to_string(i) + ".zip");
    dir.createFile("none/readme.txt");
    dir.createDir("a/b/loop");
    fs::create_directory_symlink(dir / "a", dir / "a/b/loop/up");
    fs::create_directory_symlink(dir.path(), dir / "a/top.zip.d");

    const std::string root = dir.str() + "/", a = root + "a/", b = a + "b/";
    std::vector<std::string> folders;
    DiskSearch search(folders);
    EXPECT_TRUE(search.search(root));

    // The subfolder comes first exactly when the listing names it before the archive.
    bool subfolderFirst = false;
    for (const auto &entry : fs::directory_iterator(dir / "a")) {
        if (entry.path().filename() == "b")
            subfolderFirst = true;
        if (entry.path().filename() == "x.zip")
            break;
    }
    const auto at = [&](const std::string &f) {
        return std::find(folders.begin(), folders.end(), f) - folders.begin();
    };
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(at(b) < at(a), subfolderFirst);
    EXPECT_LT(at(root + "ten/"), 3);
    EXPECT_EQ(search.archivesFound(), 12);
    // root, a, a/b, a/b/loop, ten, none: the links are not entered.
    EXPECT_EQ(search.foldersSearched(), 6);
}

TEST(DiskSearchTest, CancelKeepsWhatWasFound)
{
    amxtest::TestDir dir;
    for (int i = 0; i < 5; ++i)
        dir.createFile("d" + std::to_string(i) + "/a.zip");
    std::vector<std::string> folders;
    DiskSearch search(folders);
    search.onFolder = [&](const std::string &) {
        if (search.foldersSearched() == 3)
            search.cancel();
    };
    EXPECT_FALSE(search.search(dir.str() + "/"));
    EXPECT_EQ(search.foldersSearched(), 3);
    EXPECT_EQ(folders.size(), 1u); // the first subfolder was finished before the cancel
}

TEST(DiskSearchTest, SkipsPseudoFileSystems)
{
    for (const char *path : { "/proc", "/proc/1/", "/sys/", "/dev/" })
        EXPECT_TRUE(isPseudoFolder(path)) << path;
    for (const char *path : { "/", "/device/", "/home/", "/processes/" })
        EXPECT_FALSE(isPseudoFolder(path)) << path;
    std::vector<std::string> folders;
    DiskSearch search(folders);
    search.search("/proc/");
    EXPECT_EQ(search.foldersSearched(), 0);
}

} // namespace
