// The Add dialog's logic without the dialog: option sets, the library calls
// of a selection, sizes, the browser's listing and its navigation.

#include "AddBrowser.h"
#include "AddRun.h"
#include "TestDir.h"
#include "Volumes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace amxtest;
using O = AddOptsEnum;

namespace {

std::vector<std::string> names(const AddBrowser &b)
{
    std::vector<std::string> out;
    for (const AddRow &r : b.rows())
        out.push_back(r.name);
    return out;
}

size_t rowOf(const AddBrowser &b, const std::string &name)
{
    for (size_t i = 0; i < b.rows().size(); ++i)
        if (b.rows()[i].name == name)
            return i;
    ADD_FAILURE() << "no row " << name;
    return size_t(-1);
}

std::vector<Volume> fakeVolumes()
{
    return { { QStringLiteral("Root (/)"), QStringLiteral("/"), 5000000000LL, 1234567LL, false },
        { QStringLiteral("CARD (/media/card)"), QStringLiteral("/media/card/"), -1, -1, false } };
}

// The message of the error a step stops with.
template <typename Step> std::string errorOf(Step step)
{
    try {
        step();
    } catch (const EngineError &e) {
        return e.what();
    }
    return "no error";
}

} // namespace

// ---- option sets ----------------------------------------------------------

// The file pass's options; the folder pass has the folder names on top.
struct OptionCase
{
    const char *name;
    AddChoices choices;
    AddOpts files;
};

const OptionCase kOptionCases[] = {
    { "AddDefaults", { 0, 0, false, false, true, false },
        { O::AddRecurseDirs, O::AddHiddenFiles } },
    { "FreshenNoHidden", { 1, 0, false, false, false, false },
        { O::AddRecurseDirs, O::AddFreshen } },
    { "MoveWithDosNames", { 2, 0, true, false, false, false },
        { O::AddRecurseDirs, O::AddMove, O::AddForceDOS } },
    { "UpdateWithZipTime", { 3, 0, false, true, false, false },
        { O::AddRecurseDirs, O::AddUpdate, O::AddZipTime } },
    { "FolderInfoKeepsNamesOfFiles", { 0, 0, false, false, true, true },
        { O::AddRecurseDirs, O::AddHiddenFiles, O::AddDirNames } },
};

TEST(OptionSets, FolderAndFilePass)
{
    for (const OptionCase &c : kOptionCases) {
        SCOPED_TRACE(c.name);
        AddOpts folders = c.files;
        folders.insert(O::AddDirNames);
        EXPECT_EQ(folderPassOptions(c.choices).bits(), folders.bits());
        EXPECT_EQ(filePassOptions(c.choices).bits(), c.files.bits());
    }
}

// "None", the last compression item, stores the members as they are.
TEST(AddDialog, NoCompressionStores)
{
    EXPECT_EQ(compressionLevel(4), 0);
}

// ---- library calls ----------------------------------------------------------

// One pass as expected: where it runs, whether it is the folder pass (with
// folder names) or the file pass, and its specifications.
struct ExpectedPass
{
    std::string currentDir;
    bool folderPass;
    std::vector<std::string> specs;
};

struct PassCase
{
    const char *name;
    std::string folder;
    std::vector<AddSelected> selected;
    bool folderInfo;
    std::vector<ExpectedPass> passes;
};

// Files, folders each in itself, folder info in one call: the Add dialog's
// rows, with the archives they make.
const PassCase kPassCases[] = {
    { "FoldersFirstThenFilesWithTheirOwnOptions", "/d/",
        { { "f.txt", false }, { "sub", true }, { "g.txt", false } }, false,
        { { "/d/sub/", true, { "*.*" } }, { "/d/", false, { "/d/f.txt", "/d/g.txt" } } } },
    { "SelectedNamesAreEscaped", "/d*/", { { "x?", true }, { "a\\b*", false } }, true,
        { { "/d*/", true, { "x\\?/*.*" } }, { "/d*/", false, { "/d\\*/a\\\\b\\*" } } } },
    { "NothingSelectedMakesNoCall", "/d/", {}, false, {} },
};

TEST(AddPasses, Calls)
{
    for (const PassCase &c : kPassCases) {
        SCOPED_TRACE(c.name);
        AddChoices choices;
        choices.folderInfo = c.folderInfo;
        std::vector<AddPass> expected;
        for (const ExpectedPass &e : c.passes)
            expected.push_back({ e.currentDir,
                e.folderPass ? folderPassOptions(choices) : filePassOptions(choices), e.specs });
        EXPECT_EQ(addPasses(c.folder, c.selected, choices), expected);
    }
}

// ---- sizes, files, folders ------------------------------------------------

TEST(AddSizes, FileLengthKeepsSizesPastFourGiB)
{
    TestDir dir;
    std::filesystem::resize_file(dir.createFile("big/sparse.bin"), 5'000'000'123ULL);
    EXPECT_EQ(fileLength((dir / "big/sparse.bin").string()), 5'000'000'123LL);
}

TEST(AddSizes, MissingOrUnreadableFileStopsWithTheSystemMessage)
{
    TestDir dir;
    dir.createDir("folder");
    // Folders are the library's to walk; a selected file that is gone stops the add.
    EXPECT_EQ(errorOf([&] {
        checkSelectedFiles(dir.str() + "/", { { "folder", true }, { "gone.txt", false } });
    }),
        "Cannot open file \"" + dir.str() + "/gone.txt\". No such file or directory.");
    const auto file = dir.createFile("locked.bin", "x");
    ::chmod(file.c_str(), 0);
    const std::string unreadable = errorOf([&] {
        fileLength(file.string());
    });
    if (::geteuid() != 0) { // root reads every file
        EXPECT_EQ(unreadable, "Cannot open file \"" + file.string() + "\". Permission denied.");
    }
}

TEST(AddRunSteps, EmptyArchiveIsDeletedOthersStay)
{
    TestDir dir;
    const auto empty = dir.createFile("new.zip");
    const auto full = dir.createFile("old.zip", "PK");
    deleteIfEmpty(empty.string());
    deleteIfEmpty(full.string());
    EXPECT_TRUE(!std::filesystem::exists(empty) && std::filesystem::exists(full));
    EXPECT_THROW(deleteIfEmpty((dir / "missing.zip").string()), EngineError);
}

// ---- texts ------------------------------------------------------------------

TEST(AddTexts, GroupDigitsAndLowerAscii)
{
    const struct
    {
        int64_t value;
        const char *text;
    } cases[] = { { 0, "0" }, { 123, "123" }, { 1234, "1.234" }, { -1234, "-1.234" },
        { INT64_MIN, "-9.223.372.036.854.775.808" } };
    for (const auto &c : cases)
        EXPECT_EQ(groupDigits(c.value), c.text) << c.value;
    // Lowering touches only the Latin letters.
    EXPECT_TRUE(lowerAscii("ReadMe.TXT") == "readme.txt" && lowerAscii("ÄB") == "Äb");
}

// ---- the browser ------------------------------------------------------------

// Folders first, then files, each by lowered name; folders are entered, files
// not; above the root are the drives.
TEST(AddBrowser, ListsOpensAndClimbsToTheDrives)
{
    TestDir dir;
    dir.createFile("box/zeta.txt", "12345");
    dir.createFile("box/Alpha.TXT", std::string(1234, 'a'));
    dir.createFile("box/.hidden", "h");
    dir.createFile("box/beta/inner.txt", "i");
    dir.createDir("box/Gamma");
    dir.createDir("box/aDir");
    const std::string folder = dir.str() + "/box/";
    AddBrowser b(fakeVolumes);
    b.fill(dir.str() + "/box"); // the separator is added
    EXPECT_TRUE(b.AddFolder() == folder && b.caption().toStdString() == (dir.str() + "/box"));
    EXPECT_EQ(names(b),
        (std::vector<std::string> { "aDir", "beta", "Gamma", ".hidden", "Alpha.TXT", "zeta.txt" }));
    const AddRow &alpha = b.rows()[rowOf(b, "Alpha.TXT")], &beta = b.rows()[rowOf(b, "beta")];
    EXPECT_TRUE(!alpha.folder && alpha.size == 1234 && alpha.sizeText == "1.234");
    EXPECT_TRUE(!alpha.modifiedText.empty() && beta.folder && beta.sizeText.empty());

    EXPECT_TRUE(!(b.open(rowOf(b, "zeta.txt"))) && !b.open(99) && b.AddFolder() == folder);
    EXPECT_TRUE(b.open(rowOf(b, "beta")) && b.AddFolder() == (folder + "beta/"));
    EXPECT_EQ(names(b), (std::vector<std::string> { "inner.txt" }));
    b.up();
    EXPECT_EQ(b.AddFolder(), folder);

    b.fill("/");
    EXPECT_TRUE(b.caption() == QStringLiteral("/") && !b.driveMode());
    b.up();
    EXPECT_TRUE(b.driveMode() && b.AddFolder().empty());
    // A volume that cannot be queried keeps its row with empty sizes.
    std::vector<std::string> drives;
    for (const AddRow &r : b.rows())
        drives.push_back(r.name + "|" + r.sizeText + "|" + r.modifiedText);
    EXPECT_EQ(drives,
        (std::vector<std::string> {
            "Root (/)|5.000.000.000 bytes|1.234.567 bytes", "CARD (/media/card)||" }));
    // Opening a drive again is the dialog's test.
    b.up();
    EXPECT_TRUE(b.driveMode());

    // A folder that cannot be read lists nothing.
    b.fill(dir.str() + "/nothing-here/");
    EXPECT_TRUE(b.rows().empty() && b.AddFolder() == (dir.str() + "/nothing-here/"));
}

// ---- volumes ------------------------------------------------------------------

TEST(Volumes, OnlyUserFileSystems)
{
    const struct
    {
        const char *root, *type;
        bool user;
    } cases[] = { { "/", "ext4", true }, { "/", "overlay", true }, { "/home", "btrfs", true },
        { "/media/ann/CARD", "vfat", true }, { "/proc", "proc", false },
        { "/sys/fs/cgroup", "cgroup2", false }, { "/run/user/1000", "tmpfs", false },
        { "/snap/core/1", "squashfs", false }, { "/run/media/ann/STICK", "vfat", false },
        { "/running", "ext4", true } };
    for (const auto &c : cases)
        EXPECT_EQ(isUserVolume(QString::fromLatin1(c.root), QString::fromLatin1(c.type)), c.user)
            << c.root;
}

TEST(Volumes, DisplayNamesAndOrder)
{
    EXPECT_EQ(QStringList({ volumeDisplayName({}, "/"), volumeDisplayName({}, "/mnt/Data/"),
                  volumeDisplayName("STICK", "/media/s") }),
        QStringList({ "Root (/)", "Data (/mnt/Data)", "STICK (/media/s)" }));
    // The root first, then by path.
    std::vector<Volume> v { { {}, "/mnt/b/" }, { {}, "/home/" }, { {}, "/" }, { {}, "/boot/" } };
    sortVolumes(v);
    EXPECT_EQ(v[0].root + v[1].root + v[2].root + v[3].root, "//boot//home//mnt/b/");
}

TEST(Volumes, TheRealListStartsAtTheRoot)
{
    const auto volumes = mountedVolumes();
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front().root, QStringLiteral("/"));
    for (const Volume &v : volumes)
        EXPECT_TRUE(v.root.endsWith(QLatin1Char('/'))) << v.root.toStdString();
}
