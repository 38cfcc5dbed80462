// The add, extract and delete options, each checked by what ends up in the
// archive or on disk.
#include "LibHarness.h"
#include "Peers.h"
#include "TestDir.h"

#include "Table.h"
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

using Names = std::vector<std::string>;

struct AddCase
{
    const char *name;
    AddRequest options; // without file patterns: "*.*"
    int expectedCount;
    Names expectedNames;
};

TEST(AddOptionTest, StoresExpectedNames)
{
    const AddCase cases[] = {
        { "FilesOnly", {}, 2, { "Long File Name.text", "top.txt" } },
        { "Recurse", { .recurse = true }, 4,
            { "Long File Name.text", "sub/", "sub/inner.txt", "top.txt" } },
        { "RecurseHidden", { .recurse = true, .hidden = true }, 7,
            { ".hid/", ".hid/x.txt", "Long File Name.text", "sub/", "sub/.dot", "sub/inner.txt",
                "top.txt" } },
        { "DiscardDirNames", { .dirNames = false, .recurse = true }, 3,
            { "Long File Name.text", "inner.txt", "top.txt" } },
        { "WildcardInEveryFolder", { .specs = { "*.txt" }, .recurse = true }, 2,
            { "sub/inner.txt", "top.txt" } },
        { "FolderWithoutRecurse", { .specs = { "sub" } }, 1, { "sub/" } },
        { "PathAsGiven", { .specs = { "./sub/../sub/inner.txt", "../w/top.txt" } }, 2,
            { "sub/inner.txt", "w/top.txt" } },
        { "ForceDos", { .specs = { "Long File Name.text", "sub/inner.txt" }, .forceDos = true }, 2,
            { "LONG_FIL.TEX", "SUB/INNER.TXT" } },
        { "OverlappingSpecsOnce",
            { .specs = { "top.txt", "./top.txt", "sub", "sub/inner.txt" }, .recurse = true }, 3,
            { "sub/", "sub/inner.txt", "top.txt" } },
    };
    TestDir dir;
    dir.createFile("w/top.txt", "top");
    dir.createFile("w/sub/inner.txt", "inner");
    dir.createFile("w/sub/.dot", "dot");
    dir.createFile("w/.hid/x.txt", "x");
    dir.createFile("w/Long File Name.text", "long");
    for (const AddCase &c : cases) {
        SCOPED_TRACE(c.name);
        AddRequest r = c.options;
        r.archive = (dir / (std::string(c.name) + ".zip")).string();
        if (r.specs.empty())
            r.specs = { "*.*" };
        Recorder rec;
        EXPECT_EQ(runAdd((dir / "w").string(), r, rec), c.expectedCount) << rec.dump();
        EXPECT_EQ(sortedNames(r.archive), c.expectedNames);
    }
}

// Enough names that the table of names taken grows more than once.
TEST(AddOptionTest, ManyNamesNamedTwiceAreStoredOnce)
{
    constexpr int files = 1500;
    TestDir dir;
    Names expected { "d/" };
    for (int i = 0; i < files; ++i) {
        const std::string name = "d/f" + std::to_string(i);
        dir.createFile("w/" + name, name);
        expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    const AddRequest r {
        .archive = (dir / "many.zip").string(), .specs = { "d", "d/*" }, .recurse = true
    };
    Recorder rec;
    EXPECT_EQ(runAdd((dir / "w").string(), r, rec), files + 1) << rec.dump();
    EXPECT_EQ(sortedNames(r.archive), expected);
}

// An archive with old a.txt and b.txt; a.txt is then changed and c.txt made.
class UpdateTest : public testing::Test
{
protected:
    void SetUp() override
    {
        setTime(dir.createFile("a.txt", "old a"), 1500000000);
        setTime(dir.createFile("b.txt", "old b"), 1500000000);
        archive = (dir / "u.zip").string();
        ASSERT_EQ(add(request()), 2);
        setTime(dir.createFile("a.txt", "new a"), 1600000000);
        dir.createFile("c.txt", "c");
    }
    // The three files by name, with the given options.
    AddRequest request(AddRequest options = {})
    {
        options.archive = archive;
        if (options.specs.empty())
            options.specs = { "a.txt", "b.txt", "c.txt" };
        return options;
    }
    // Runs an add in the test's folder; returns the library's count.
    int32_t add(const AddRequest &r)
    {
        Recorder rec;
        return runAdd(dir.str(), r, rec);
    }
    std::string member(const std::string &name) { return runOk({ "unzip", "-p", archive, name }); }
    TestDir dir;
    std::string archive;
};

struct ModeCase
{
    const char *name;
    AddRequest options;
    int32_t count;
    Names names;
};
AMX_ROW_PRINTS_NAME(ModeCase)

class UpdateModeTest : public UpdateTest, public testing::WithParamInterface<ModeCase>
{
};

// a.txt is newer than its member, b.txt is not, c.txt is not in the archive.
TEST_P(UpdateModeTest, ReplacesWhatTheModeAllows)
{
    EXPECT_EQ(add(request(GetParam().options)), GetParam().count);
    EXPECT_EQ(sortedNames(archive), GetParam().names);
    EXPECT_EQ((Names { member("a.txt"), member("b.txt") }), (Names { "new a", "old b" }));
}

INSTANTIATE_TEST_SUITE_P(Modes, UpdateModeTest,
    testing::Values(ModeCase { "FreshenOnlyNewer", { .freshen = true }, 1, { "a.txt", "b.txt" } },
        ModeCase { "UpdateNewerAndNew", { .update = true }, 2, { "a.txt", "b.txt", "c.txt" } },
        ModeCase { "AddEverythingNamed", {}, 3, { "a.txt", "b.txt", "c.txt" } }),
    amxtest::RowName());

TEST_F(UpdateTest, MoveRemovesSourcesAndEmptiedFolders)
{
    dir.createFile("m/x/y.txt", "y");
    dir.createFile("m/z.txt", "z");
    EXPECT_EQ(add(request({ .specs = { "m" }, .recurse = true, .move = true })), 4);
    EXPECT_FALSE(fs::exists(dir / "m"));
    EXPECT_EQ(member("m/x/y.txt"), "y");
}

TEST_F(UpdateTest, ArchiveTimeIsNewestMember)
{
    setTime(dir / "c.txt", 1550000000);
    EXPECT_EQ(add(request({ .zipTime = true })), 3);
    EXPECT_EQ(fs::last_write_time(archive),
        fs::last_write_time(dir / "a.txt")); // the newest, not c.txt
}

TEST(DeleteTest, RemovesMatchingMembers)
{
    const struct
    {
        Names specs;
        int expectedCount;
        Names remaining;
    } cases[] = {
        { { "d/b.txt" }, 1, { "a.txt", "d/", "d/c.dat" } },
        { { "*.txt" }, 2, { "d/", "d/c.dat" } }, // the wildcard crosses '/'
        { { "*.*" }, 4, {} },
        { { "zzz" }, 0, { "a.txt", "d/", "d/b.txt", "d/c.dat" } },
    };
    TestDir dir;
    dir.createFile("s/a.txt", sampleBytes(20000, 1));
    dir.createFile("s/d/b.txt", sampleBytes(20000, 2));
    dir.createFile("s/d/c.dat", sampleBytes(20000, 3));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.specs[0]);
        const std::string archive = (dir / "d.zip").string();
        fs::remove(archive);
        runOk({ "zip", "-q", "-r", archive, "." }, (dir / "s").string());
        const auto before = pythonListing(archive);
        Recorder rec;
        EXPECT_EQ(runDelete(archive, c.specs, rec), c.expectedCount) << rec.dump();
        EXPECT_EQ(sortedNames(archive), c.remaining);
        EXPECT_EQ(run({ "unzip", "-tq", archive }).exitCode, c.remaining.empty() ? 1 : 0);
        // Kept members are copied, not recompressed.
        for (const auto &m : pythonListing(archive))
            for (const auto &b : before)
                if (b.name == m.name) {
                    EXPECT_EQ(b.packed, m.packed) << m.name;
                }
    }
}

struct ExtractCase
{
    const char *name;
    ExtractRequest options;
    int expectedCount;
    // Content of "a.txt" (existing, older), "b.txt" (existing, newer) and "n/c.txt" (missing) after.
    std::string a, b, c;
};
AMX_ROW_PRINTS_NAME(ExtractCase)

class ExtractOptionTest : public testing::TestWithParam<ExtractCase>
{
};

TEST_P(ExtractOptionTest, ChoosesFilesToWrite)
{
    TestDir dir;
    const std::tuple<const char *, const char *, time_t> files[] = { { "s/a.txt", "archive a",
                                                                         1600000000 },
        { "s/b.txt", "archive b", 1600000000 }, { "s/n/c.txt", "archive c", 1600000000 },
        { "o/a.txt", "disk a", 1500000000 }, { "o/b.txt", "disk b", 1700000000 } };
    for (const auto &[path, text, time] : files)
        setTime(dir.createFile(path, text), time);
    std::string archive = (dir / "e.zip").string();
    runOk({ "zip", "-q", "-r", archive, "a.txt", "b.txt", "n/c.txt" }, (dir / "s").string());
    ExtractRequest r = GetParam().options;
    r.archive = archive;
    Recorder rec;
    EXPECT_EQ(runExtract((dir / "o").string(), r, rec), GetParam().expectedCount) << rec.dump();
    auto content = [&](const char *p) {
        return fs::exists(dir / "o" / p) ? readFile(dir / "o" / p) : "-";
    };
    const bool flat = GetParam().name == std::string("NoDirNames");
    EXPECT_EQ(std::tuple(content("a.txt"), content("b.txt"), content(flat ? "c.txt" : "n/c.txt")),
        std::tuple(GetParam().a, GetParam().b, GetParam().c));
}

const ExtractCase extractCases[] = {
    { "KeepExisting", {}, 1, "disk a", "disk b", "archive c" },
    { "Overwrite", { .overwrite = true }, 3, "archive a", "archive b", "archive c" },
    { "Freshen", { .freshen = true }, 1, "archive a", "disk b", "-" },
    { "Update", { .update = true }, 2, "archive a", "disk b", "archive c" },
    { "NoDirNames", { .dirNames = false }, 1, "disk a", "disk b", "archive c" },
};

INSTANTIATE_TEST_SUITE_P(
    Options, ExtractOptionTest, testing::ValuesIn(extractCases), amxtest::RowName());

// Two members of one name land in a folder the extraction makes: the first is
// kept, or with overwrite the last wins; never a failure to create the file.
TEST(ExtractNamesTest, MembersOfOneNameKeepTheFirstOrTheLast)
{
    TestDir dir;
    const std::string archive = (dir / "twice.zip").string();
    ASSERT_EQ(python("import sys, zipfile, warnings\nwarnings.simplefilter('ignore')\n"
                     "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                     "    for i in range(40):\n"
                     "        z.writestr('n/c.txt', 'first' if i == 0 else 'later %d' % i)\n",
                  { archive })
                  .exitCode,
        0);
    for (bool overwrite : { false, true }) {
        const fs::path out = dir.createDir(overwrite ? "o2" : "o1");
        Recorder rec;
        EXPECT_EQ(runExtract(out.string(), { .archive = archive, .overwrite = overwrite }, rec),
            overwrite ? 40 : 1)
            << rec.dump();
        EXPECT_EQ(readFile(out / "n/c.txt"), overwrite ? "later 39" : "first");
        const auto codes = rec.errorCodes();
        EXPECT_EQ(codes, std::vector<int32_t>(overwrite ? 0 : 39, 13)) << rec.dump();
        EXPECT_EQ(std::distance(fs::directory_iterator(out / "n"), {}), 1) << "no temporary left";
    }
}

// Real names with wildcard characters, passed escaped, reach only themselves;
// a block of empty names reaches nothing.
enum class Op { Add, Delete, Extract };

struct SpecCase
{
    const char *name;
    Op op;
    Names specs;
    int expectedCount;
    Names reached; // added and moved, deleted, or extracted
    int expectedError = 0;
};
AMX_ROW_PRINTS_NAME(SpecCase)

class SpecTest : public testing::TestWithParam<SpecCase>
{
};

TEST_P(SpecTest, ReachesExactlyTheNamedMembers)
{
    const SpecCase &c = GetParam();
    const Names all { "a*b", "a?.txt", "a\\b", "ab.txt" };
    TestDir dir;
    for (const auto &n : all)
        dir.createFile("s/" + n, n);
    dir.createDir("out");
    const std::string archive = (dir / "x.zip").string();
    Recorder rec, made;
    int32_t count = 0;
    if (c.op == Op::Add)
        count =
            runAdd(dir.str() + "/s", { .archive = archive, .specs = c.specs, .move = true }, rec);
    else
        ASSERT_EQ(runAdd(dir.str() + "/s", { .archive = archive, .specs = { "*.*" } }, made), 4);
    if (c.op == Op::Delete)
        count = runDelete(archive, c.specs, rec);
    if (c.op == Op::Extract)
        count = runExtract((dir / "out").string(), { .archive = archive, .specs = c.specs }, rec);
    EXPECT_EQ(count, c.expectedCount) << rec.dump();
    if (c.expectedError) {
        EXPECT_EQ(rec.errorCodes(), std::vector<int32_t> { c.expectedError }) << rec.dump();
    }
    Names reached, kept;
    const Names members = sortedNames(archive);
    for (const auto &n : all) {
        const bool inArchive = std::count(members.begin(), members.end(), n) > 0;
        bool hit = c.op == Op::Add ? inArchive && !fs::exists(dir / "s" / n)
            : c.op == Op::Delete   ? !inArchive
                                   : fs::exists(dir / "out" / n);
        (hit ? reached : kept).push_back(n);
    }
    EXPECT_EQ(reached, c.reached);
    for (const auto &n : kept)
        EXPECT_EQ(readFile(dir / "s" / n), n);
}

const SpecCase specCases[] = {
    // Unescaped, '?' would reach ab.txt and '*' a\b.
    { "AddEscaped", Op::Add, { "a\\?.txt", "a\\*b" }, 2, { "a*b", "a?.txt" } },
    { "AddBackslash", Op::Add, { "a\\\\b" }, 1, { "a\\b" } },
    { "AddPattern", Op::Add, { "a?.txt" }, 2, { "a?.txt", "ab.txt" } },
    { "DeleteEscaped", Op::Delete, { "a\\?.txt", "a\\*b" }, 2, { "a*b", "a?.txt" } },
    { "DeleteBackslash", Op::Delete, { "a\\\\b" }, 1, { "a\\b" } },
    { "DeletePattern", Op::Delete, { "a?.txt" }, 2, { "a?.txt", "ab.txt" } },
    // A backslash in a member name becomes a folder on extraction: not here.
    { "ExtractEscaped", Op::Extract, { "a\\?.txt", "a\\*b" }, 2, { "a*b", "a?.txt" } },
    { "AddEmptyOnly", Op::Add, { "" }, 0, {}, 19 },
    { "DeleteEmptyOnly", Op::Delete, { "", "" }, 0, {}, 19 },
    { "ExtractEmptyOnly", Op::Extract, { "" }, 0, {}, 19 },
};

INSTANTIATE_TEST_SUITE_P(Specs, SpecTest, testing::ValuesIn(specCases), amxtest::RowName());

} // namespace
