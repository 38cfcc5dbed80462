// The settings store, the stored value table and "favorites.dat".

#include "app/SettingsIO.h"
#include "discovery/FavoritesFile.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include <type_traits>

using namespace amxtest;

namespace {

Settings sampleSettings()
{
    Settings s;
    s.SortOrder = 5;
    s.LastOpenDir = "/home/u/Downloads/";
    s.LastAddDir = "/home/u/Work, notes/"; // a comma must survive the INI format
    for (int i = 0; i < History::kSize; ++i) {
        s.Extract[i] = "/x/" + std::to_string(i);
        s.SelDir[i] = i == 2 ? "" : "/sel/" + std::to_string(i);
        s.ActiveFile[i] = "/a/Archive " + std::to_string(i) + ".zip";
    }
    s.Temp = "/tmp/";
    s.Viewer = "/usr/bin/gedit";
    s.FullRow = 0;
    s.GridLines = 1;
    s.ToolbarTips = 0;
    s.FlatButtons = 0;
    s.ShowToolbarText = 0;
    s.AlignToolbar = 3;
    s.ViewToolbar = 0;
    s.ViewStatusLine = 0;
    s.ViewStyle = 2;
    s.AsWebPage = 0;
    s.MainTop = -20;
    s.MainLeft = 3000;
    s.MainHeight = 480;
    s.MainWidth = 640;
    s.TipOfTheDay = 2;
    return s;
}

} // namespace

// A copy would share the file's state and free it twice.
static_assert(!std::is_copy_constructible_v<IniSettingsStore>);
static_assert(std::is_move_constructible_v<IniSettingsStore>);

TEST(SettingsIO, EveryValueRoundTripsInOrder)
{
    TestDir dir;
    const Settings saved = sampleSettings();
    {
        IniSettingsStore store((dir / "a.conf").string());
        EXPECT_FALSE(store.keyExists());
        SettingsIO::writeValues(store, saved);
    }
    IniSettingsStore store((dir / "a.conf").string());
    ASSERT_TRUE(store.keyExists());
    Settings loaded;
    SettingsIO::readValues(store, loaded);
    EXPECT_EQ(loaded.LastAddDir, saved.LastAddDir);
    EXPECT_EQ(loaded.SelDir[2], "");
    EXPECT_EQ(loaded.MainTop, -20);
    // Every value written again gives the same file: none was lost or changed.
    {
        IniSettingsStore again((dir / "b.conf").string());
        SettingsIO::writeValues(again, loaded);
    }
    EXPECT_EQ(readFile(dir / "b.conf"), readFile(dir / "a.conf"));

    const auto names = SettingsIO::valueNames();
    ASSERT_EQ(names.size(), 35u);
    EXPECT_EQ(names.front(), "Sort order");
    EXPECT_EQ(names[3], "Extract1");
    EXPECT_EQ(names[8], "SelDir1");
    EXPECT_EQ(names[15], "Active_File1");
    EXPECT_EQ(names.back(), "Tip of the day");
}

TEST(SettingsIO, SaveRewritesTheWholeKey)
{
    TestDir dir;
    writeFile(dir / "a.conf", "[Ambermox]\nStranger=1\nSort%20order=3\n");
    IniSettingsStore store((dir / "a.conf").string());
    SettingsIO::writeValues(store, Settings());
    const std::string text = readFile(dir / "a.conf");
    EXPECT_EQ(text.find("Stranger"), std::string::npos);
    EXPECT_NE(text.find("Tip%20of%20the%20day=1"), std::string::npos) << text;
}

TEST(SettingsIO, MissingAndMistypedIntegersStopTheReadingThere)
{
    TestDir dir;
    {
        IniSettingsStore store((dir / "a.conf").string());
        SettingsIO::writeValues(store, sampleSettings());
    }
    struct Case
    {
        const char *from, *to, *error;
    } cases[] = {
        { "GridLines=1", "", "Failed to get data for 'GridLines'" },
        { "GridLines=1", "GridLines=yes", "Invalid data type for 'GridLines'" },
        { "GridLines=1", "GridLines=", "Invalid data type for 'GridLines'" },
    };
    const std::string good = readFile(dir / "a.conf");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.to);
        std::string text = good;
        text.replace(text.find(c.from), std::string(c.from).size(), c.to);
        writeFile(dir / "b.conf", text);
        IniSettingsStore store((dir / "b.conf").string());
        Settings loaded; // defaults: FullRow 1, ViewStyle 0
        try {
            SettingsIO::readValues(store, loaded);
            FAIL() << "no error";
        } catch (const SettingsError &e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_EQ(loaded.FullRow, 0) << "values before the bad one are kept";
        EXPECT_EQ(loaded.ViewStyle, 0) << "values after it are not read";
    }
}

TEST(FavoritesFile, WritesCrLfLinesAndReadsThemBack)
{
    TestDir dir;
    const std::string path = (dir / "fav/favorites.dat").string();
    FavoritesFile::write(path, {});
    EXPECT_EQ(readFile(path), "0\r\n0\r\n0\r\n");

    Favorites f { { "/home/u/zips/", "/mnt/Data/Old Stuff/" }, 4, 1 };
    FavoritesFile::write(path, f);
    EXPECT_EQ(readFile(path), "2\r\n4\r\n1\r\n/home/u/zips/\r\n/mnt/Data/Old Stuff/\r\n");
    Favorites back;
    EXPECT_TRUE(FavoritesFile::read(path, back).ok);
    EXPECT_EQ(back.folders, f.folders);
    EXPECT_EQ(back.sortOrder, 4);
    EXPECT_EQ(back.addMode, 1);
}

TEST(FavoritesFile, LenientNumbersAndDamage)
{
    TestDir dir;
    struct Case
    {
        const char *name, *content;
        bool ok;
        std::vector<std::string> folders;
        int sortOrder, addMode;
    } cases[] = {
        { "blanks and LF lines", "  2 trailing words\n\n 3\n258\n/a/\n/b/\n", true,
            { "/a/", "/b/" }, 3, 2 },
        { "missing count", "", false, {}, 0, 0 },
        { "count not a number", "two\r\n0\r\n0\r\n", false, {}, 0, 0 },
        { "options missing", "1\r\n5\r\n", false, {}, 5, 0 },
        { "fewer folders than counted", "3\r\n1\r\n0\r\n/a/\r\n/b/\r\n", false, { "/a/", "/b/" }, 1,
            0 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(dir / "f.dat", c.content);
        Favorites f;
        const auto result = FavoritesFile::read((dir / "f.dat").string(), f);
        EXPECT_EQ(result.ok, c.ok);
        EXPECT_EQ(result.problem.empty(), c.ok);
        EXPECT_EQ(f.folders, c.folders);
        EXPECT_EQ(f.sortOrder, c.sortOrder);
        EXPECT_EQ(f.addMode, c.addMode);
    }
    Favorites f;
    EXPECT_FALSE(FavoritesFile::read((dir / "none.dat").string(), f).ok);
}
