// Add, Delete and Extract through the real binding against the recording
// libraries: the refusals, the loading messages, every field of both blocks,
// batches, the new listing, and containment of a library that fails.

#include "RecordingFixture.h"
#include "tests/support/Peers.h"

#include <dlfcn.h>
#include <signal.h>

#include "tests/support/Table.h"
#include <map>
#include <set>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

constexpr char kFatal[] = "Fatal DLL Error: abort exception";

// --- Refusals and loading failures ---

struct FailureCase
{
    const char *name;
    Op op;
    std::vector<std::string> specs;
    const char *archive; // see RecordingTest::archive
    const char *libraries;
    const char *script;
    std::vector<std::string> notices;
    size_t calls; // Exec calls begun
    bool reached; // the operation reached the library: FSpecArgs emptied
    int32_t successCount; // 7 before the call
};
AMX_ROW_PRINTS_NAME(FailureCase)

const FailureCase kFailureCases[] = {
    { "AddNoFiles", Op::Add, {}, "new.zip", "full", "", { "Error - no files to zip" }, 0, false,
        7 },
    { "AddNoFilesNoName", Op::Add, {}, "", "full", "", { "Error - no files to zip" }, 0, false, 7 },
    { "AddNoName", Op::Add, { "a" }, "", "full", "", { "Error - no zip file specified" }, 0, false,
        7 },
    { "AddExe", Op::Add, { "a" }, "sfx.exe", "full", "",
        { "Error - this pgm can NOT add files to a self-extracting archive" }, 0, false, 7 },
    { "AddExeMixedCase", Op::Add, { "a" }, "+SFX.ExE", "full", "",
        { "Error - this pgm can NOT add files to a self-extracting archive" }, 0, false, 7 },
    { "AddExeCheckedBeforeLibrary", Op::Add, { "a" }, "x.exe", "none", "",
        { "Error - this pgm can NOT add files to a self-extracting archive" }, 0, false, 7 },
    { "AddNewArchive", Op::Add, { "a" }, "new.zip", "full", "", {}, 1, true, 1 },
    { "AddNameEndingInExeText", Op::Add, { "a" }, "notexe", "full", "", {}, 1, true, 1 },
    { "DeleteNoFiles", Op::Delete, {}, "+a.zip", "full", "",
        { "Error - no files selected for deletion" }, 0, false, 7 },
    { "DeleteNoName", Op::Delete, { "a" }, "", "full", "", { "Error - no zip file specified" }, 0,
        false, 7 },
    { "DeleteMissingArchive", Op::Delete, { "a" }, "gone.zip", "full", "",
        { "Error - no zip file specified" }, 0, false, 7 },
    { "DeleteFolder", Op::Delete, { "a" }, "folder.zip/", "full", "",
        { "Error - no zip file specified" }, 0, false, 7 },
    { "DeleteExe", Op::Delete, { "a" }, "+sfx.EXE", "full", "",
        { "Error - this pgm can NOT delete files from a self-extracting archive" }, 0, false, 7 },
    { "DeleteMissingExe", Op::Delete, { "a" }, "sfx.exe", "full", "",
        { "Error - no zip file specified" }, 0, false, 7 },
    { "ExtractFromExe", Op::Extract, { "a" }, "+sfx.exe", "full", "", {}, 1, true, 1 },
    { "ExtractNoFiles", Op::Extract, {}, "+a.zip", "full", "", {}, 1, true, 0 },
    { "AddLibraryMissing", Op::Add, { "a" }, "new.zip", "none", "", { "libamxzip.so not found" }, 0,
        false, 0 },
    { "DeleteLibraryMissing", Op::Delete, { "a" }, "+a.zip", "none", "",
        { "libamxzip.so not found" }, 0, false, 0 },
    { "ExtractLibraryMissing", Op::Extract, { "a" }, "+a.zip", "none", "",
        { "libamxunz.so not found" }, 0, false, 0 },
    { "AddExecMissing", Op::Add, { "a" }, "new.zip", "noexec", "",
        { "AmxZipExec function not found in libamxzip.so", kFatal }, 0, true, 0 },
    { "DeleteExecMissing", Op::Delete, { "a" }, "+a.zip", "noexec", "",
        { "AmxZipExec function not found in libamxzip.so", kFatal }, 0, true, 0 },
    { "ExtractExecMissing", Op::Extract, { "a" }, "+a.zip", "noexec", "",
        { "AmxUnzExec function not found in libamxunz.so", kFatal }, 0, true, 0 },
    { "AddVersionMissing", Op::Add, { "a", "b" }, "new.zip", "noversion", "",
        { "GetAmxZipVersion function not found in libamxzip.so" }, 1, true, 2 },
    { "ExtractVersionMissing", Op::Extract, { "a", "b" }, "+a.zip", "noversion", "",
        { "GetAmxUnzVersion function not found in libamxunz.so" }, 1, true, 2 },
    { "AddLibraryThrows", Op::Add, { "a" }, "new.zip", "full", "throw", { kFatal }, 1, true, 0 },
    { "DeleteLibraryThrows", Op::Delete, { "a" }, "+a.zip", "full", "throw", { kFatal }, 1, true,
        0 },
    { "ExtractLibraryThrows", Op::Extract, { "a" }, "+a.zip", "full", "throw", { kFatal }, 1, true,
        0 },
    // A library without the test entry is still loaded, and only told about.
    { "TestEntryMissing", Op::Test, {}, "+a.zip", "full", "",
        { "libamxunz.so cannot test archives; install a newer one" }, 0, false, 0 },
    { "TestMissingArchive", Op::Test, {}, "gone.zip", "full", "",
        { "Error - no zip file specified" }, 0, false, 7 },
    { "AddLibraryReturnsNothing", Op::Add, { "a" }, "new.zip", "full", "return 0", {}, 1, true, 0 },
};

class OperationFailureTest : public RecordingTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(OperationFailureTest, MessagesAndState)
{
    const FailureCase &c = GetParam();
    useLibraries(c.libraries);
    script(c.script);
    engine.setZipFilename(archive(c.archive));
    engine.FSpecArgs = c.specs;
    engine.SuccessCount = 7;
    engine.CancelRequested = true;

    run(engine, c.op);

    EXPECT_EQ(notices.texts, c.notices);
    EXPECT_EQ(calls().size(), c.calls);
    EXPECT_EQ(engine.SuccessCount, c.successCount);
    EXPECT_EQ(engine.FSpecArgs.empty(), c.reached || c.specs.empty());
    EXPECT_FALSE(engine.ZipLibBusy);
    EXPECT_FALSE(engine.UnzipLibBusy);
    EXPECT_EQ(versionCalls(), 0) << "the version entry point is only looked up";
    const bool refused = c.successCount == 7;
    EXPECT_EQ(engine.CancelRequested, refused) << "cleared by every operation that started";
}

INSTANTIATE_TEST_SUITE_P(
    Table, OperationFailureTest, ::testing::ValuesIn(kFailureCases), amxtest::RowName());

TEST_F(RecordingTest, FailedLibraryCanBeUsedAgainAfterAnException)
{
    engine.setZipFilename(archive("new.zip"));
    script("throw");
    engine.FSpecArgs = { "a" };
    engine.Add();
    script("");
    engine.FSpecArgs = { "a" };
    engine.Add();
    EXPECT_EQ(notices.texts, std::vector<std::string>({ kFatal }));
    EXPECT_EQ(calls().size(), 2u);
    EXPECT_EQ(engine.SuccessCount, 1);
}

struct TraceCase
{
    const char *name;
    Op op;
    const char *libraries;
    std::vector<std::string> notices;
};
AMX_ROW_PRINTS_NAME(TraceCase)

const TraceCase kTraceCases[] = {
    { "ZipLoaded", Op::Add, "full", { "ZIP library loaded" } },
    { "UnzLoaded", Op::Extract, "full", { "UNZ library loaded" } },
    { "ZipMissingNotLoaded", Op::Add, "none", { "libamxzip.so not found" } },
    { "UnzMissingNotLoaded", Op::Extract, "none", { "libamxunz.so not found" } },
    { "ZipLoadedBeforeEntryPointChecks", Op::Delete, "noexec",
        { "ZIP library loaded", "AmxZipExec function not found in libamxzip.so", kFatal } },
    { "UnzLoadedBeforeEntryPointChecks", Op::Extract, "noversion",
        { "UNZ library loaded", "GetAmxUnzVersion function not found in libamxunz.so" } },
};

class TraceTest : public RecordingTest, public ::testing::WithParamInterface<TraceCase>
{
};

TEST_P(TraceTest, LoadingMessagesInOrder)
{
    const TraceCase &c = GetParam();
    useLibraries(c.libraries);
    engine.Trace = true;
    engine.setZipFilename(archive("+a.zip"));
    engine.FSpecArgs = { "a" };
    run(engine, c.op);
    EXPECT_EQ(notices.texts, c.notices);
}

INSTANTIATE_TEST_SUITE_P(Table, TraceTest, ::testing::ValuesIn(kTraceCases), amxtest::RowName());

// --- Every field of the compression block, for Add and Delete ---

using Fields = std::map<std::string, long long>;

const Fields kZipDefaults = { { "first", 0 }, { "const120", 120 }, { "traceFlag", 0 },
    { "reserved20", 0 }, { "reserved24", 0 }, { "reserved28", 0 }, { "hiddenFilesFlag", 0 },
    { "reserved36", 0 }, { "reserved40", 0 }, { "alwaysTrue44", -1 }, { "reserved48", 0 },
    { "verboseFlag", 0 }, { "alwaysTrue56", -1 }, { "compLevel", 9 }, { "reserved64", 0 },
    { "reserved68", 0 }, { "discardDirNamesFlag", -1 }, { "recurseFlag", 0 },
    { "notDeleteFlag", -1 }, { "forceDosFlag", 0 }, { "moveFlag", 0 }, { "deleteFlag", 0 },
    { "updateFlag", 0 }, { "freshenFlag", 0 }, { "reserved104", 0 }, { "archiveTimeFlag", 0 },
    { "reserved112", 0 }, { "reserved116", 0 }, { "const7", 7 }, { "usedSlotsPastCount", 0 } };

// Delete on top of the Add defaults.
const Fields kDeleteChanges = { { "notDeleteFlag", 0 }, { "deleteFlag", -1 },
    { "discardDirNamesFlag", 0 } };

const Fields kUnzDefaults = { { "first", 0 }, { "const120", 120 }, { "traceFlag", 0 },
    { "reserved20", 0 }, { "reserved24", 0 }, { "reserved28", 0 }, { "reserved32", 0 },
    { "reserved36", 0 }, { "alwaysTrue40", -1 }, { "verboseFlag", 0 }, { "updateFlag", 0 },
    { "freshenFlag", 0 }, { "dirNamesFlag", 0 }, { "overwriteFlag", 0 }, { "const7", 7 },
    { "usedSlotsPastCount", 0 } };

// Keys that are not plain numbers of the block, checked on their own.
const std::set<std::string> kOtherKeys = { "begin", "caller", "callback", "specCount",
    "archiveName", "spec", "cwd", "answer", "stopped", "return", "end" };

Fields merged(Fields base, const Fields &changes)
{
    for (const auto &[k, v] : changes)
        base[k] = v;
    return base;
}

// Every numeric field the library saw, and nothing it saw left unchecked.
void expectFields(const RecordedCall &call, const Fields &expected)
{
    std::set<std::string> seen;
    for (const auto &[key, value] : call.lines) {
        if (kOtherKeys.count(key))
            continue;
        seen.insert(key);
        auto it = expected.find(key);
        if (it == expected.end()) {
            ADD_FAILURE() << "unexpected field " << key;
            continue;
        }
        EXPECT_EQ(std::stoll(value), it->second) << "field " << key;
    }
    for (const auto &[key, value] : expected)
        EXPECT_TRUE(seen.count(key)) << "field " << key << " not recorded";
}

struct AddBlockCase
{
    const char *name;
    AddOpts options;
    bool verbose;
    bool trace;
    int32_t level;
    Fields addChanges;
    Fields deleteChanges; // on top of the Delete defaults
};
AMX_ROW_PRINTS_NAME(AddBlockCase)

using A = AddOptsEnum;
const AddOpts kAllAdd = { A::AddDirNames, A::AddRecurseDirs, A::AddMove, A::AddFreshen,
    A::AddUpdate, A::AddZipTime, A::AddForceDOS, A::AddHiddenFiles };

const AddBlockCase kAddBlockCases[] = {
    { "Defaults", {}, false, false, 9, {}, {} },
    { "DirNames", { A::AddDirNames }, false, false, 9, { { "discardDirNamesFlag", 0 } }, {} },
    { "Recurse", { A::AddRecurseDirs }, false, false, 9, { { "recurseFlag", -1 } }, {} },
    { "Move", { A::AddMove }, false, false, 9, { { "moveFlag", -1 } }, {} },
    { "Freshen", { A::AddFreshen }, false, false, 9, { { "freshenFlag", -1 } }, {} },
    { "Update", { A::AddUpdate }, false, false, 9, { { "updateFlag", -1 } }, {} },
    { "FreshenAndUpdateGiveUpdate", { A::AddFreshen, A::AddUpdate }, false, false, 9,
        { { "updateFlag", -1 } }, {} },
    { "ZipTime", { A::AddZipTime }, false, false, 9, { { "archiveTimeFlag", -1 } },
        { { "archiveTimeFlag", -1 } } },
    { "ForceDOS", { A::AddForceDOS }, false, false, 9, { { "forceDosFlag", -1 } },
        { { "forceDosFlag", -1 } } },
    { "HiddenFiles", { A::AddHiddenFiles }, false, false, 9, { { "hiddenFilesFlag", -1 } },
        { { "hiddenFilesFlag", -1 } } },
    { "AllOptions", kAllAdd, false, false, 9,
        { { "discardDirNamesFlag", 0 }, { "recurseFlag", -1 }, { "moveFlag", -1 },
            { "updateFlag", -1 }, { "archiveTimeFlag", -1 }, { "forceDosFlag", -1 },
            { "hiddenFilesFlag", -1 } },
        { { "archiveTimeFlag", -1 }, { "forceDosFlag", -1 }, { "hiddenFilesFlag", -1 } } },
    { "Verbose", {}, true, false, 9, { { "verboseFlag", -1 } }, { { "verboseFlag", -1 } } },
    { "TraceIsVerboseToo", {}, false, true, 9, { { "traceFlag", -1 }, { "verboseFlag", -1 } },
        { { "traceFlag", -1 }, { "verboseFlag", -1 } } },
    { "VerboseAndTrace", {}, true, true, 9, { { "traceFlag", -1 }, { "verboseFlag", -1 } },
        { { "traceFlag", -1 }, { "verboseFlag", -1 } } },
    { "StoreOnly", {}, false, false, 0, { { "compLevel", 0 } }, { { "compLevel", 0 } } },
    { "LevelFive", kAllAdd, true, false, 5,
        { { "discardDirNamesFlag", 0 }, { "recurseFlag", -1 }, { "moveFlag", -1 },
            { "updateFlag", -1 }, { "archiveTimeFlag", -1 }, { "forceDosFlag", -1 },
            { "hiddenFilesFlag", -1 }, { "compLevel", 5 }, { "verboseFlag", -1 } },
        { { "archiveTimeFlag", -1 }, { "forceDosFlag", -1 }, { "hiddenFilesFlag", -1 },
            { "compLevel", 5 }, { "verboseFlag", -1 } } },
};

class AddBlockTest : public RecordingTest, public ::testing::WithParamInterface<AddBlockCase>
{
};

TEST_P(AddBlockTest, AddThenDeleteFields)
{
    const AddBlockCase &c = GetParam();
    const std::vector<std::string> specs = { "b.txt", "dir/*.c", "a b/ü.txt", "*.*" };
    engine.setZipFilename(archive("out.zip"));
    engine.AddOptions = c.options;
    engine.Verbose = c.verbose;
    engine.Trace = c.trace;
    engine.AddCompLevel = c.level;
    engine.FSpecArgs = specs;
    engine.Add();
    writeFile(engine.ZipFilename(), ""); // Delete wants an existing archive
    engine.FSpecArgs = { "b.txt" };
    engine.Delete();

    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), 2u);
    const RecordedCall &add = recorded[0];
    const RecordedCall &del = recorded[1];
    EXPECT_EQ(add.text("begin"), "zip");
    expectFields(add, merged(kZipDefaults, c.addChanges));
    expectFields(del, merged(merged(kZipDefaults, kDeleteChanges), c.deleteChanges));
    for (const RecordedCall *call : { &add, &del }) {
        EXPECT_EQ(call->text("caller"), pointerText(&engine));
        EXPECT_NE(call->text("callback"), "0");
        EXPECT_EQ(call->text("archiveName"), engine.ZipFilename());
        EXPECT_EQ(call->text("cwd"), fs::current_path().string());
    }
    EXPECT_EQ(add.number("specCount"), 4);
    EXPECT_EQ(add.all("spec"), specs);
    EXPECT_EQ(del.number("specCount"), 1);
    EXPECT_EQ(del.all("spec"), std::vector<std::string>({ "b.txt" }));

    const std::vector<std::string> traced = { "ZIP library loaded", "ZIP library loaded" };
    EXPECT_EQ(notices.texts, c.trace ? traced : std::vector<std::string>());
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddBlockTest, ::testing::ValuesIn(kAddBlockCases), amxtest::RowName());

// --- Every field of the decompression block ---

struct ExtractBlockCase
{
    const char *name;
    ExtrOpts options;
    bool verbose;
    bool trace;
    Fields changes;
};
AMX_ROW_PRINTS_NAME(ExtractBlockCase)

using E = ExtrOptsEnum;
const ExtractBlockCase kExtractBlockCases[] = {
    { "Defaults", {}, false, false, {} },
    { "DirNames", { E::ExtrDirNames }, false, false, { { "dirNamesFlag", -1 } } },
    { "OverWrite", { E::ExtrOverWrite }, false, false, { { "overwriteFlag", -1 } } },
    { "Freshen", { E::ExtrFreshen }, false, false, { { "freshenFlag", -1 } } },
    { "Update", { E::ExtrUpdate }, false, false, { { "updateFlag", -1 } } },
    { "FreshenAndUpdateGiveUpdate", { E::ExtrFreshen, E::ExtrUpdate }, false, false,
        { { "updateFlag", -1 } } },
    { "AllOptions", { E::ExtrDirNames, E::ExtrOverWrite, E::ExtrFreshen, E::ExtrUpdate }, false,
        false, { { "dirNamesFlag", -1 }, { "overwriteFlag", -1 }, { "updateFlag", -1 } } },
    { "Verbose", {}, true, false, { { "verboseFlag", -1 } } },
    { "TraceIsVerboseToo", {}, false, true, { { "traceFlag", -1 }, { "verboseFlag", -1 } } },
};

class ExtractBlockTest : public RecordingTest,
                         public ::testing::WithParamInterface<ExtractBlockCase>
{
};

TEST_P(ExtractBlockTest, Fields)
{
    const ExtractBlockCase &c = GetParam();
    const std::vector<std::string> specs = { "dir/", "x.txt" };
    engine.setZipFilename(archive("+in.zip"));
    engine.ExtrOptions = c.options;
    engine.Verbose = c.verbose;
    engine.Trace = c.trace;
    engine.AddOptions = kAllAdd; // not for Extract
    engine.AddCompLevel = 1;
    engine.FSpecArgs = specs;
    engine.Extract();

    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), 1u);
    const RecordedCall &call = recorded[0];
    EXPECT_EQ(call.text("begin"), "unz");
    expectFields(call, merged(kUnzDefaults, c.changes));
    EXPECT_EQ(call.text("caller"), pointerText(&engine));
    EXPECT_NE(call.text("callback"), "0");
    EXPECT_EQ(call.text("archiveName"), engine.ZipFilename());
    EXPECT_EQ(call.number("specCount"), 2);
    EXPECT_EQ(call.all("spec"), specs);
    EXPECT_EQ(engine.SuccessCount, 2);
    EXPECT_TRUE(engine.FSpecArgs.empty());
    EXPECT_EQ(notices.texts,
        c.trace ? std::vector<std::string>({ "UNZ library loaded" }) : std::vector<std::string>());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExtractBlockTest, ::testing::ValuesIn(kExtractBlockCases), amxtest::RowName());

// --- Strings and batches ---

TEST_F(RecordingTest, LongNamesArePassedWhole)
{
    const std::string deep =
        dir.createDir(std::string(120, 'd') + "/" + std::string(120, 'e')).string();
    const std::string name = deep + "/" + std::string(100, 'n') + ".zip";
    ASSERT_GT(name.size(), 255u);
    const std::string spec = std::string(300, 's') + "/" + std::string(300, 't') + ".txt";
    engine.setZipFilename(name);
    engine.FSpecArgs = { spec };
    engine.Add();
    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].text("archiveName"), name);
    EXPECT_EQ(recorded[0].all("spec"), std::vector<std::string>({ spec }));
}

struct BatchCase
{
    const char *name;
    Op op;
    size_t specs;
    std::vector<long long> batches;
};
AMX_ROW_PRINTS_NAME(BatchCase)

const BatchCase kBatchCases[] = {
    { "ExtractNone", Op::Extract, 0, { 0 } },
    { "AddOne", Op::Add, 1, { 1 } },
    { "AddFull", Op::Add, 4097, { 4097 } },
    { "AddOneOver", Op::Add, 4098, { 4097, 1 } },
    { "AddTenThousand", Op::Add, 10000, { 4097, 4097, 1806 } },
    { "DeleteTenThousand", Op::Delete, 10000, { 4097, 4097, 1806 } },
    { "ExtractTenThousand", Op::Extract, 10000, { 4097, 4097, 1806 } },
};

class BatchTest : public RecordingTest, public ::testing::WithParamInterface<BatchCase>
{
};

TEST_P(BatchTest, SpecsSplitInOrder)
{
    const BatchCase &c = GetParam();
    std::vector<std::string> specs;
    for (size_t i = 0; i < c.specs; ++i)
        specs.push_back("member" + std::to_string(i) + ".txt");
    engine.setZipFilename(archive("+a.zip"));
    engine.FSpecArgs = specs;
    run(engine, c.op);

    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), c.batches.size());
    std::vector<std::string> seen;
    for (size_t i = 0; i < recorded.size(); ++i) {
        EXPECT_EQ(recorded[i].number("specCount"), c.batches[i]);
        EXPECT_EQ(recorded[i].number("usedSlotsPastCount"), 0);
        for (const std::string &s : recorded[i].all("spec"))
            seen.push_back(s);
    }
    EXPECT_EQ(seen, specs);
    EXPECT_EQ(engine.SuccessCount, static_cast<int32_t>(c.specs)) << "the sum of the batches";
    EXPECT_TRUE(engine.FSpecArgs.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, BatchTest, ::testing::ValuesIn(kBatchCases), amxtest::RowName());

TEST_F(RecordingTest, CancelStopsRemainingBatches)
{
    script("cb 1 0 1 0 x");
    engine.setZipFilename(archive("+a.zip"));
    engine.FSpecArgs = std::vector<std::string>(5000, "x");
    engine.OnProgress = [](TZipEngine &e, ProgressType, const std::string &, int64_t) {
        e.CancelRequested = true;
    };
    engine.Add();
    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_TRUE(recorded[0].has("stopped"));
    EXPECT_EQ(engine.SuccessCount, 4097) << "what the stopped library returned";
    EXPECT_FALSE(engine.CancelRequested);
}

// --- Result, new listing, current folder ---

struct ListingCase
{
    const char *name;
    Op op;
    const char *script;
    int32_t successCount;
    int listings;
};
AMX_ROW_PRINTS_NAME(ListingCase)

const ListingCase kListingCases[] = {
    { "AddProcessed", Op::Add, "return 2", 2, 1 },
    { "AddNothing", Op::Add, "return 0", 0, 0 },
    { "DeleteProcessed", Op::Delete, "return 1", 1, 1 },
    { "DeleteNothing", Op::Delete, "return 0", 0, 0 },
    { "ExtractProcessed", Op::Extract, "return 3", 3, 0 },
    { "AddFailed", Op::Add, "throw", 0, 0 },
};

class ListingTest : public RecordingTest, public ::testing::WithParamInterface<ListingCase>
{
};

TEST_P(ListingTest, ListedAgainOnlyAfterProcessedFiles)
{
    const ListingCase &c = GetParam();
    script(c.script);
    engine.setZipFilename(archive("+a.zip"));
    int listings = 0;
    engine.OnDirUpdate = [&](TZipEngine &) {
        ++listings;
    };
    engine.FSpecArgs = { "a" };
    run(engine, c.op);
    EXPECT_EQ(engine.SuccessCount, c.successCount);
    EXPECT_EQ(listings, c.listings);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListingTest, ::testing::ValuesIn(kListingCases), amxtest::RowName());

TEST_F(RecordingTest, AddShowsTheArchiveTheLibraryWrote)
{
    const fs::path made = dir / "made.zip";
    python("import zipfile, sys\n"
           "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
           "    z.writestr('hello.txt', 'hi')\n",
        { made.string() });
    ASSERT_TRUE(fs::exists(made));
    const std::string target = archive("new.zip");
    script("copy " + made.string() + " " + target + "\nreturn 1");
    engine.setZipFilename(target);
    EXPECT_EQ(engine.EntryCount(), 0);
    engine.FSpecArgs = { "hello.txt" };
    engine.Add();
    ASSERT_EQ(engine.EntryCount(), 1);
    EXPECT_EQ(engine.Entries()[0].FileName, "hello.txt");
}

struct BaseDirCase
{
    const char *name;
    const char *baseDir; // "@" stands for an existing folder
    bool changes;
    bool calls; // a folder that cannot be entered is refused, not replaced by the current one
};
AMX_ROW_PRINTS_NAME(BaseDirCase)

const BaseDirCase kBaseDirCases[] = {
    { "Existing", "@", true, true },
    { "Missing", "no/such/folder", false, false },
    { "Empty", "", false, true },
    { "AFile", "+file.txt", false, false },
};

class BaseDirTest : public RecordingTest, public ::testing::WithParamInterface<BaseDirCase>
{
};

TEST_P(BaseDirTest, ExtractRunsThereAndComesBack)
{
    const BaseDirCase &c = GetParam();
    const fs::path before = fs::current_path();
    std::string base = c.baseDir;
    if (base == "@")
        base = fs::canonical(dir.createDir("target")).string();
    else if (!base.empty())
        base = archive(base);
    engine.setZipFilename(archive("+a.zip"));
    engine.ExtrBaseDir = base;
    engine.FSpecArgs = { "*.*" };
    engine.Extract();
    const auto recorded = calls();
    EXPECT_EQ(fs::current_path(), before) << "no folder stays busy afterwards";
    if (!c.calls) {
        EXPECT_TRUE(recorded.empty());
        EXPECT_EQ(notices.texts,
            std::vector<std::string> { "Could not find the folder \"" + base + "\"." });
        return;
    }
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].text("cwd"), c.changes ? base : before.string());
}

INSTANTIATE_TEST_SUITE_P(
    Table, BaseDirTest, ::testing::ValuesIn(kBaseDirCases), amxtest::RowName());

TEST_F(RecordingTest, AddAndDeleteDoNotChangeTheCurrentFolder)
{
    const fs::path before = fs::current_path();
    engine.ExtrBaseDir = dir.createDir("target").string();
    engine.setZipFilename(archive("+a.zip"));
    engine.FSpecArgs = { "a" };
    engine.Add();
    engine.FSpecArgs = { "a" };
    engine.Delete();
    EXPECT_EQ(fs::current_path(), before);
}

// --- Loading per call ---

bool isLoaded(const fs::path &library)
{
    void *handle = dlopen(library.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

TEST_F(RecordingTest, LibraryIsLoadedOnlyDuringTheCall)
{
    const fs::path zip = recordingDir() / "full" / "libamxzip.so";
    const fs::path unz = recordingDir() / "full" / "libamxunz.so";
    script("cb 4 0 0 0 hello");
    std::vector<std::pair<bool, bool>> during;
    engine.OnMessage = [&](TZipEngine &, int32_t, const std::string &) {
        during.emplace_back(isLoaded(zip), isLoaded(unz));
    };
    engine.setZipFilename(archive("+a.zip"));
    EXPECT_FALSE(isLoaded(zip));
    engine.FSpecArgs = { "a" };
    engine.Add();
    EXPECT_FALSE(isLoaded(zip));
    engine.FSpecArgs = { "a" };
    engine.Extract();
    EXPECT_FALSE(isLoaded(unz));
    EXPECT_EQ(during, (std::vector<std::pair<bool, bool>> { { true, false }, { false, true } }));
}

TEST_F(RecordingTest, NestedOperationOfAnotherEngineSharesTheLoadedLibrary)
{
    const fs::path zip = recordingDir() / "full" / "libamxzip.so";
    script("cb 1 0 1 0 outer");
    TZipEngine other;
    other.setNotices(&notices);
    other.setZipFilename(archive("+b.zip"));
    bool innerRan = false;
    engine.OnProgress = [&](TZipEngine &, ProgressType, const std::string &, int64_t) {
        if (innerRan)
            return;
        innerRan = true;
        other.FSpecArgs = { "inner" };
        other.Add();
        EXPECT_TRUE(isLoaded(zip)) << "the outer call still runs in it";
    };
    engine.setZipFilename(archive("+a.zip"));
    engine.FSpecArgs = { "outer" };
    engine.Add();
    EXPECT_TRUE(innerRan);
    EXPECT_FALSE(isLoaded(zip));
    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[0].text("caller"), pointerText(&other));
    EXPECT_EQ(recorded[1].text("caller"), pointerText(&engine));
    EXPECT_EQ(engine.SuccessCount, 1);
    EXPECT_EQ(other.SuccessCount, 1);
    EXPECT_TRUE(notices.texts.empty());
}

TEST(DynamicLibraryTest, LookupFolderFirstThenSystem)
{
    const std::string folder = (recordingDir() / "full").string();
    amx::DynamicLibrary::setLookupFolder(folder);
    EXPECT_EQ(amx::DynamicLibrary::lookupFolder(), folder);
    auto library = amx::DynamicLibrary::open("libamxzip.so");
    ASSERT_TRUE(library);
    EXPECT_EQ(library->path(), folder + "/libamxzip.so");
    EXPECT_NE(library->symbol("AmxZipExec"), nullptr);
    EXPECT_NE(library->symbol("GetAmxZipVersion"), nullptr);
    EXPECT_EQ(library->symbol("AmxUnzExec"), nullptr);
    library.reset();

    // The system's search finds the C library by its bare name.
    auto system = amx::DynamicLibrary::open("libc.so.6");
    ASSERT_TRUE(system);
    EXPECT_EQ(system->path(), "libc.so.6");

    std::string error;
    EXPECT_FALSE(amx::DynamicLibrary::open("libamxnothing.so", &error));
    EXPECT_NE(error, "");

    amx::DynamicLibrary::setLookupFolder({});
    EXPECT_EQ(amx::DynamicLibrary::lookupFolder(), amx::DynamicLibrary::programFolder());
}

TEST(DynamicLibraryTest, ProgramFolderIsTheExecutablesFolder)
{
    EXPECT_EQ(fs::path(amx::DynamicLibrary::programFolder()),
        fs::canonical("/proc/self/exe").parent_path());
}

// --- Containment of a library that crashes ---

struct CrashCase
{
    const char *name;
    Op op;
    const char *script;
    int progressEvents;
};
AMX_ROW_PRINTS_NAME(CrashCase)

const CrashCase kCrashCases[] = {
    { "SegmentationFault", Op::Add, "segv", 0 },
    { "Abort", Op::Add, "abort", 0 },
    { "IllegalInstruction", Op::Delete, "trap", 0 },
    { "DivisionByZero", Op::Add, "fpe", 0 },
    { "BusError", Op::Add, "raise 7", 0 },
    { "StackOverflow", Op::Add, "overflow", 0 },
    { "AfterACallback", Op::Add, "cb 1 0 10 0 f.txt\nsegv", 1 },
    { "ExtractSegmentationFault", Op::Extract, "segv", 0 },
    { "ExtractAbort", Op::Extract, "abort", 0 },
};

class CrashTest : public RecordingTest, public ::testing::WithParamInterface<CrashCase>
{
};

std::vector<uintptr_t> currentHandlers()
{
    std::vector<uintptr_t> handlers;
    for (int sig : { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT }) {
        struct sigaction action = {};
        sigaction(sig, nullptr, &action);
        handlers.push_back(reinterpret_cast<uintptr_t>(action.sa_handler));
    }
    return handlers;
}

TEST_P(CrashTest, ReportedAndContained)
{
    const CrashCase &c = GetParam();
    const auto handlersBefore = currentHandlers();
    script(c.script);
    engine.setZipFilename(archive("+a.zip"));
    int progress = 0;
    engine.OnProgress = [&](TZipEngine &, ProgressType, const std::string &, int64_t) {
        ++progress;
    };
    engine.SuccessCount = 7;
    engine.FSpecArgs = { "a", "b" };
    run(engine, c.op);

    EXPECT_EQ(notices.texts, std::vector<std::string>({ kFatal }));
    EXPECT_EQ(engine.SuccessCount, 0);
    EXPECT_TRUE(engine.FSpecArgs.empty());
    EXPECT_FALSE(engine.ZipLibBusy);
    EXPECT_FALSE(engine.UnzipLibBusy);
    EXPECT_EQ(progress, c.progressEvents);
    EXPECT_EQ(currentHandlers(), handlersBefore);
    auto recorded = calls();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_FALSE(recorded[0].has("end"));

    // The crashed library is not called again; the other one still works.
    const bool zip = c.op != Op::Extract;
    notices.texts.clear();
    script("");
    engine.FSpecArgs = { "a" };
    run(engine, c.op);
    EXPECT_EQ(notices.texts,
        std::vector<std::string>({ std::string(zip ? "libamxzip.so" : "libamxunz.so")
            + " stopped after a fatal error; restart the program to use it again" }));
    EXPECT_EQ(engine.FSpecArgs.size(), 1u) << "refused before the library, like a missing one";
    EXPECT_EQ(calls().size(), 1u);
    run(engine, zip ? Op::Extract : Op::Add);
    EXPECT_EQ(calls().size(), 2u);
    EXPECT_EQ(engine.SuccessCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, CrashTest, ::testing::ValuesIn(kCrashCases), amxtest::RowName());

TEST_F(RecordingTest, CrashOfANestedCallStaysInside)
{
    // The inner Extract crashes its library; the outer Add goes on.
    script("cb 1 0 1 0 outer\ncb 4 0 0 0 after");
    TZipEngine other;
    RecordingNotices otherNotices;
    other.setNotices(&otherNotices);
    other.setZipFilename(archive("+b.zip"));
    std::vector<std::string> messages;
    engine.OnProgress = [&](TZipEngine &, ProgressType, const std::string &, int64_t) {
        script("segv");
        other.FSpecArgs = { "inner" };
        other.Extract();
        script("");
    };
    engine.OnMessage = [&](TZipEngine &, int32_t, const std::string &m) {
        messages.push_back(m);
    };
    engine.setZipFilename(archive("+a.zip"));
    engine.FSpecArgs = { "outer" };
    engine.Add();
    EXPECT_EQ(otherNotices.texts, std::vector<std::string>({ kFatal }));
    EXPECT_TRUE(notices.texts.empty());
    EXPECT_EQ(messages, std::vector<std::string>({ "after" }));
    EXPECT_EQ(engine.SuccessCount, 1);
}

TEST(ContainedCallTest, ResultsOfEachOutcome)
{
    auto returns = [](void *) -> int32_t {
        return 42;
    };
    auto throws = [](void *) -> int32_t {
        throw std::runtime_error("inside");
    };
    auto throwsInt = [](void *) -> int32_t {
        throw 5;
    };
    auto faults = [](void *) -> int32_t {
        int *volatile nowhere = nullptr;
        return *nowhere;
    };
    const auto handlersBefore = currentHandlers();

    auto r = amx::callContained(returns, nullptr);
    EXPECT_EQ(r.outcome, amx::ContainedResult::Outcome::Returned);
    EXPECT_EQ(r.value, 42);
    r = amx::callContained(throws, nullptr);
    EXPECT_EQ(r.outcome, amx::ContainedResult::Outcome::Threw);
    EXPECT_EQ(r.what, "inside");
    r = amx::callContained(throwsInt, nullptr);
    EXPECT_EQ(r.outcome, amx::ContainedResult::Outcome::Threw);
    r = amx::callContained(faults, nullptr);
    EXPECT_EQ(r.outcome, amx::ContainedResult::Outcome::Crashed);
    EXPECT_EQ(r.signal, SIGSEGV);
    EXPECT_EQ(currentHandlers(), handlersBefore);
}

TEST(ContainedCallTest, NestedCallsContainTheirOwnCrash)
{
    auto outer = [](void *context) -> int32_t {
        auto inner = [](void *) -> int32_t {
            raise(SIGFPE);
            return 0;
        };
        *static_cast<int *>(context) = amx::callContained(inner, nullptr).signal;
        return 1;
    };
    int innerSignal = 0;
    const auto r = amx::callContained(outer, &innerSignal);
    EXPECT_EQ(r.outcome, amx::ContainedResult::Outcome::Returned);
    EXPECT_EQ(r.value, 1);
    EXPECT_EQ(innerSignal, SIGFPE);
}

TEST(ContainedCallDeathTest, PausedContainmentLetsTheProgramCrash)
{
    auto paused = [](void *) -> int32_t {
        amx::ContainmentPause pause;
        raise(SIGSEGV);
        return 0;
    };
    EXPECT_EXIT(amx::callContained(paused, nullptr), ::testing::KilledBySignal(SIGSEGV), "");
}

TEST_F(RecordingTest, CrashInTheProgramsOwnHandlerIsNotHidden)
{
    script("cb 2 0 0 0");
    engine.setZipFilename(archive("+a.zip"));
    engine.OnProgress = [](TZipEngine &, ProgressType, const std::string &, int64_t) {
        raise(SIGSEGV);
    };
    engine.FSpecArgs = { "a" };
    EXPECT_EXIT(engine.Add(), ::testing::KilledBySignal(SIGSEGV), "");
}

} // namespace
