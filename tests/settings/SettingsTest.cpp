// The settings store, the stored value table and "favorites.dat".

#include "FavoritesFile.h"
#include "SettingsIO.h"
#include "SettingsStore.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <type_traits>

using namespace amxtest;

namespace {

// The stored values with every one changed from its default: integers by 7,
// texts to a distinct folder; one folder holds a comma, which the INI format
// must keep.
void writeChangedValues(const std::filesystem::path &file)
{
    {
        IniSettingsStore store(file.string());
        SettingsIO::writeValues(store, Settings());
    }
    std::istringstream in(readFile(file));
    std::string out;
    int n = 0;
    for (std::string line; std::getline(in, line); out += line + "\n") {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string value = line.substr(eq + 1);
        const bool number =
            !value.empty() && value.find_first_not_of("-0123456789") == std::string::npos;
        line = line.substr(0, eq + 1)
            + (number ? std::to_string(std::stoi(value) + 7) : "/v/" + std::to_string(++n) + "/");
    }
    writeFile(file, out);
    IniSettingsStore store(file.string());
    Settings changed;
    SettingsIO::readValues(store, changed);
    changed.LastAddDir = "/home/u/Work, notes/";
    SettingsIO::writeValues(store, changed);
}

} // namespace

// A copy would share the file's state and free it twice.
static_assert(!std::is_copy_constructible_v<IniSettingsStore>);
static_assert(std::is_move_constructible_v<IniSettingsStore>);

TEST(SettingsIO, EveryValueRoundTripsInOrder)
{
    TestDir dir;
    EXPECT_FALSE(IniSettingsStore((dir / "none.conf").string()).keyExists());
    writeChangedValues(dir / "a.conf");
    IniSettingsStore store((dir / "a.conf").string());
    ASSERT_TRUE(store.keyExists());
    Settings loaded;
    SettingsIO::readValues(store, loaded);
    EXPECT_EQ(loaded.LastAddDir, "/home/u/Work, notes/");
    EXPECT_EQ(loaded.MainWidth, Settings().MainWidth + 7);
    // Every value written again gives the same file: none was lost or changed.
    {
        IniSettingsStore again((dir / "b.conf").string());
        SettingsIO::writeValues(again, loaded);
    }
    EXPECT_EQ(readFile(dir / "b.conf"), readFile(dir / "a.conf"));
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
    writeChangedValues(dir / "a.conf");
    struct Case
    {
        const char *from, *to, *error;
    } cases[] = {
        { "GridLines=7", "", "Failed to get data for 'GridLines'" },
        { "GridLines=7", "GridLines=yes", "Invalid data type for 'GridLines'" },
        { "GridLines=7", "GridLines=", "Invalid data type for 'GridLines'" },
    };
    const std::string good = readFile(dir / "a.conf");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.to);
        std::string text = good;
        text.replace(text.find(c.from), std::string(c.from).size(), c.to);
        writeFile(dir / "b.conf", text);
        IniSettingsStore store((dir / "b.conf").string());
        Settings loaded;
        try {
            SettingsIO::readValues(store, loaded);
            FAIL() << "no error";
        } catch (const SettingsError &e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_EQ(loaded.FullRow, Settings().FullRow + 7) << "values before the bad one are kept";
        EXPECT_EQ(loaded.ViewStyle, Settings().ViewStyle) << "values after it are not read";
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
    EXPECT_EQ(std::tie(back.folders, back.sortOrder, back.addMode),
        std::tie(f.folders, f.sortOrder, f.addMode));
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
        EXPECT_EQ(std::tie(f.folders, f.sortOrder, f.addMode),
            std::tie(c.folders, c.sortOrder, c.addMode));
    }
    Favorites f;
    EXPECT_FALSE(FavoritesFile::read((dir / "none.dat").string(), f).ok);
}
