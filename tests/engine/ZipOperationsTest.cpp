// Add, Delete and Extract through the real binding against the recording
// libraries: the refusals, the loading messages, the fields of the request,
// its names, the new listing, and containment of a library that fails.

#include "RecordingFixture.h"
#include "Table.h"

#include <dlfcn.h>
#include <signal.h>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

constexpr char kFatal[] = "Fatal DLL Error: abort exception";
constexpr char kNoArchive[] = "Error - no zip file specified";
constexpr char kAddToExe[] = "Error - this pgm can NOT add files to a self-extracting archive";

// --- Refusals, loading failures and results ---

struct OutcomeCase
{
    const char *name;
    Op op;
    std::vector<std::string> specs;
    const char *archive; // see RecordingTest::archive
    const char *libraries;
    const char *script;
    std::vector<std::string> notices;
    size_t calls; // library calls begun
    int32_t successCount; // 7 before the operation: still 7 when refused before it started
    int listings = 0; // the archive read again afterwards
    bool trace = false;
    const char *baseDir = ""; // see RecordingTest::archive; "@" in a notice stands for it
};
AMX_ROW_PRINTS_NAME(OutcomeCase)

// Both libraries go through one binding, and adding and deleting through one
// run of the library: what holds for one is shown once.
const OutcomeCase kOutcomeCases[] = {
    { "AddNoFilesNoName", Op::Add, {}, "", "full", "", { "Error - no files to zip" }, 0, 7 },
    { "AddNoName", Op::Add, { "a" }, "", "full", "", { kNoArchive }, 0, 7 },
    { "AddExeMixedCaseBeforeLibrary", Op::Add, { "a" }, "+SFX.ExE", "none", "", { kAddToExe }, 0,
        7 },
    { "AddNewArchive", Op::Add, { "a" }, "new.zip", "full", "return 2", {}, 1, 2, 1 },
    { "AddNameEndingInExeText", Op::Add, { "a" }, "notexe", "full", "", {}, 1, 1, 1 },
    { "AddLibraryReturnsNothing", Op::Add, { "a" }, "new.zip", "full", "return 0", {}, 1, 0 },
    { "DeleteNoFiles", Op::Delete, {}, "+a.zip", "full", "",
        { "Error - no files selected for deletion" }, 0, 7 },
    { "DeleteNoName", Op::Delete, { "a" }, "", "full", "", { kNoArchive }, 0, 7 },
    { "DeleteMissingArchive", Op::Delete, { "a" }, "gone.zip", "full", "", { kNoArchive }, 0, 7 },
    { "DeleteFolder", Op::Delete, { "a" }, "folder.zip/", "full", "", { kNoArchive }, 0, 7 },
    { "DeleteExe", Op::Delete, { "a" }, "+sfx.EXE", "full", "",
        { "Error - this pgm can NOT delete files from a self-extracting archive" }, 0, 7 },
    { "ExtractFromExe", Op::Extract, { "a" }, "+sfx.exe", "full", "return 3", {}, 1, 3 },
    { "ExtractNoFiles", Op::Extract, {}, "+a.zip", "full", "", {}, 1, 0 },
    { "AddLibraryMissing", Op::Add, { "a" }, "new.zip", "none", "", { "libamxzip.so not found" }, 0,
        0, 0, true },
    // Traced: the library is reported loaded before its entry points are checked.
    { "DeleteExecMissing", Op::Delete, { "a" }, "+a.zip", "noexec", "",
        { "ZIP library loaded", "AmxZipRun1 function not found in libamxzip.so", kFatal }, 0, 0, 0,
        true },
    { "ExtractExecMissing", Op::Extract, { "a" }, "+a.zip", "noexec", "",
        { "AmxUnzRun1 function not found in libamxunz.so", kFatal }, 0, 0 },
    { "AddVersionMissing", Op::Add, { "a", "b" }, "new.zip", "noversion", "",
        { "GetAmxZipVersion function not found in libamxzip.so" }, 1, 2, 1 },
    { "ExtractVersionMissing", Op::Extract, { "a", "b" }, "+a.zip", "noversion", "",
        { "UNZ library loaded", "GetAmxUnzVersion function not found in libamxunz.so" }, 1, 2, 0,
        true },
    { "AddLibraryThrows", Op::Add, { "a" }, "new.zip", "full", "throw", { kFatal }, 1, 0 },
    // A library without the test entry is still loaded, and only told about.
    { "TestEntryMissing", Op::Test, {}, "+a.zip", "full", "",
        { "libamxunz.so cannot test archives; install a newer one" }, 0, 0 },
    { "TestMissingArchive", Op::Test, {}, "gone.zip", "full", "", { kNoArchive }, 0, 7 },
    // A base folder that cannot be opened is refused, not replaced by the current one.
    { "ExtractBaseDirMissing", Op::Extract, { "a" }, "+a.zip", "full", "",
        { "Could not find the folder \"@\"." }, 0, 0, 0, false, "no/such/folder" },
    { "ExtractBaseDirAFile", Op::Extract, { "a" }, "+a.zip", "full", "",
        { "Could not find the folder \"@\"." }, 0, 0, 0, false, "+file.txt" },
};

class OutcomeTest : public RecordingTest, public ::testing::WithParamInterface<OutcomeCase>
{
};

TEST_P(OutcomeTest, MessagesAndState)
{
    const OutcomeCase &c = GetParam();
    useLibraries(c.libraries);
    script(c.script);
    engine.setZipFilename(archive(c.archive));
    int listings = 0;
    engine.OnDirUpdate = [&](TZipEngine &) {
        ++listings;
    };
    engine.Trace = c.trace;
    engine.ExtrBaseDir = archive(c.baseDir);
    engine.FSpecArgs = c.specs;
    engine.SuccessCount = 7;
    engine.CancelRequested = true;
    const fs::path before = fs::current_path();

    run(engine, c.op);

    std::vector<std::string> expected = c.notices;
    for (std::string &text : expected)
        if (const size_t at = text.find('@'); at != std::string::npos)
            text.replace(at, 1, engine.ExtrBaseDir);
    EXPECT_EQ(notices.texts, expected);
    int versions = 0;
    const auto recorded = calls(&versions);
    EXPECT_EQ(recorded.size(), c.calls);
    for (const RecordedCall &call : recorded)
        for (const char *folder : { "cwd", "folder" })
            EXPECT_EQ(call.text(folder), before.string()) << "without a base folder, where it is";
    EXPECT_EQ(fs::current_path(), before);
    // The version entry point is only looked up, never called.
    EXPECT_EQ(std::tuple(versions, engine.SuccessCount, listings),
        std::tuple(0, c.successCount, c.listings));
    // The specifications are used up once the library's entry point was reached.
    const bool reached = c.calls > 0 || (!c.notices.empty() && c.notices.back() == kFatal);
    EXPECT_EQ(engine.FSpecArgs.empty(), reached || c.specs.empty());
    EXPECT_FALSE(engine.ZipLibBusy || engine.UnzipLibBusy);
    EXPECT_EQ(engine.CancelRequested, c.successCount == 7) << "cleared by every operation started";
}

INSTANTIATE_TEST_SUITE_P(
    Table, OutcomeTest, ::testing::ValuesIn(kOutcomeCases), amxtest::RowName());

TEST_F(RecordingTest, FailedLibraryCanBeUsedAgainAfterAnException)
{
    engine.setZipFilename(archive("new.zip"));
    for (const char *lines : { "throw", "" }) {
        script(lines);
        engine.FSpecArgs = { "a" };
        engine.Add();
    }
    EXPECT_EQ(std::tuple(notices.texts, calls().size(), engine.SuccessCount),
        std::tuple(std::vector<std::string>({ kFatal }), 2ul, 1));
}

// --- The fields of the request, by operation and settings ---

const Fields kAddDefaults = { { "operation", AMX_OP_ADD }, { "level", 9 } };
const Fields kDeleteDefaults = { { "operation", AMX_OP_DELETE }, { "level", 9 } };
const Fields kExtractDefaults = { { "operation", AMX_OP_EXTRACT } };

struct BlockCase
{
    const char *name;
    Op op;
    AddOpts add;
    ExtrOpts extract;
    bool verbose;
    bool trace;
    Fields changes; // on top of the operation's defaults; 0 removes a field
    int32_t level = 9;
    int32_t encryption = 0; // only an add carries it
};
AMX_ROW_PRINTS_NAME(BlockCase)

using A = AddOptsEnum;
using E = ExtrOptsEnum;
const AddOpts kAllAdd = { A::AddDirNames, A::AddRecurseDirs, A::AddMove, A::AddFreshen,
    A::AddUpdate, A::AddZipTime, A::AddForceDOS, A::AddHiddenFiles };
const ExtrOpts kAllExtract = { E::ExtrDirNames, E::ExtrOverWrite, E::ExtrFreshen, E::ExtrUpdate };

// One row per field at least; the libraries' own tests prove what each flag does.
const BlockCase kBlockCases[] = {
    { "AddDefaults", Op::Add, {}, kAllExtract, false, false, {} },
    // Freshen and update together give update.
    { "AddAllOptionsTraced", Op::Add, kAllAdd, {}, false, true,
        { { "dirNames", 1 }, { "recurse", 1 }, { "move", 1 }, { "update", 1 }, { "archiveTime", 1 },
            { "dosNames", 1 }, { "hidden", 1 }, { "verbose", 1 }, { "level", 0 } },
        0 },
    { "AddFreshenVerboseEncrypted", Op::Add, { A::AddFreshen }, {}, true, false,
        { { "freshen", 1 }, { "verbose", 1 }, { "encryption", AMX_ENCRYPT_AES256 } }, 9,
        AMX_ENCRYPT_AES256 },
    // Deleting ignores the options that choose files, not the others.
    { "DeleteAllOptions", Op::Delete, kAllAdd, kAllExtract, true, false,
        { { "archiveTime", 1 }, { "dosNames", 1 }, { "hidden", 1 }, { "level", 5 },
            { "verbose", 1 } },
        5, AMX_ENCRYPT_AES256 },
    { "ExtractDefaults", Op::Extract, kAllAdd, {}, false, false, {}, 1 },
    { "ExtractAllOptionsTraced", Op::Extract, {}, kAllExtract, false, true,
        { { "dirNames", 1 }, { "overwrite", 1 }, { "update", 1 }, { "verbose", 1 } } },
    { "ExtractFreshenVerbose", Op::Extract, {}, { E::ExtrFreshen }, true, false,
        { { "freshen", 1 }, { "verbose", 1 } } },
};

class BlockTest : public RecordingTest, public ::testing::WithParamInterface<BlockCase>
{
};

TEST_P(BlockTest, FieldsNamesAndFolder)
{
    const BlockCase &c = GetParam();
    // Names longer than 255 characters are passed whole.
    const fs::path deep = dir.createDir(std::string(120, 'd') + "/" + std::string(120, 'e'));
    const std::string name = (deep / (std::string(100, 'n') + ".zip")).string();
    writeFile(name, "");
    const std::vector<std::string> specs = { "b.txt", "dir/*.c", "a b/ü.txt", "*.*",
        std::string(300, 's') + "/" + std::string(300, 't') };
    const std::string target = fs::canonical(dir.createDir("target")).string();
    const fs::path before = fs::current_path();
    engine.setZipFilename(name);
    engine.ExtrBaseDir = target;
    engine.AddOptions = c.add;
    engine.ExtrOptions = c.extract;
    engine.Verbose = c.verbose;
    engine.Trace = c.trace;
    engine.AddCompLevel = c.level;
    engine.AddEncryption = c.encryption;
    engine.FSpecArgs = specs;
    run(engine, c.op);

    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), 1u);
    const RecordedCall &call = recorded[0];
    const bool zip = c.op != Op::Extract;
    Fields expected = c.op == Op::Add ? kAddDefaults
        : c.op == Op::Delete          ? kDeleteDefaults
                                      : kExtractDefaults;
    for (const auto &[field, value] : c.changes)
        value ? void(expected[field] = value) : void(expected.erase(field));
    EXPECT_EQ(call.fields(), expected);
    EXPECT_TRUE(call.text("context") != "0" && call.text("callback") != "0");
    EXPECT_EQ(call.all("spec"), specs) << "the engine's names are patterns";
    // Only extraction works in the base folder, handed over open: the process stays.
    EXPECT_EQ(std::tuple(call.text("archive"), call.number("nameCount"), call.text("codePage"),
                  call.text("folder"), call.text("cwd"), fs::current_path()),
        std::tuple(
            name, 5LL, std::string(), zip ? before.string() : target, before.string(), before));
    EXPECT_EQ(std::pair(engine.SuccessCount, engine.FSpecArgs.size()), std::pair(5, 0ul));
    const char *loaded = zip ? "ZIP library loaded" : "UNZ library loaded";
    EXPECT_EQ(
        notices.texts, c.trace ? std::vector<std::string> { loaded } : std::vector<std::string>());
}

INSTANTIATE_TEST_SUITE_P(Table, BlockTest, ::testing::ValuesIn(kBlockCases), amxtest::RowName());

// --- Names: however many, all in one call and in order ---

TEST_F(RecordingTest, SpecsPassedInOrderInOneCall)
{
    // Past a block of names for an add, and ten thousand for an extraction.
    for (const auto &[op, count] :
        { std::pair(Op::Add, 4098LL), std::pair(Op::Extract, 10000LL) }) {
        std::vector<std::string> specs;
        for (long long i = 0; i < count; ++i)
            specs.push_back("member" + std::to_string(i) + ".txt");
        engine.setZipFilename(archive("+a.zip"));
        engine.FSpecArgs = specs;
        run(engine, op);
        const RecordedCall call = calls().back();
        EXPECT_EQ(std::pair(call.number("nameCount"), call.all("spec")), std::pair(count, specs));
        EXPECT_EQ(engine.SuccessCount, count);
    }
    EXPECT_EQ(calls().size(), 2u);
}

// The question for a password reaches OnPassword with its member and
// attempt; the answer goes back as the library's reply, and the failures it
// leads to count as failed members.
TEST_F(RecordingTest, PasswordQuestionsReachOnPassword)
{
    script("nostop\ncb 7 0 0 0 m.txt\ncb 7 0 1 0 m.txt\ncb 7 0 0 0 n.txt\ncb 7 0 0 0 o.txt\n"
           "cb 7 0 0 0 toolong.txt\ncb 4 26 0 0 skipping: m.txt (wrong password)\n"
           "cb 4 27 0 0 skipping: n.txt (authentication failed)");
    engine.setZipFilename(archive("+a.zip"));
    std::vector<std::string> asked;
    engine.OnPassword = [&](TZipEngine &, const std::string &member, int attempt) {
        asked.push_back(member + ":" + std::to_string(attempt));
        using Kind = amx::PasswordAnswer::Kind;
        if (member == "n.txt")
            return amx::PasswordAnswer { Kind::Skip, {} };
        if (member == "o.txt")
            return amx::PasswordAnswer { Kind::SkipAll, {} };
        return amx::PasswordAnswer { Kind::Password,
            amx::SecretText(member == "toolong.txt" ? "sixteen or more."
                    : attempt                       ? "pässwörd"
                                                    : "") };
    };
    engine.Extract();
    engine.OnPassword = nullptr;
    engine.Extract();
    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(asked,
        (std::vector<std::string> { "m.txt:0", "m.txt:1", "n.txt:0", "o.txt:0", "toolong.txt:0" }));
    EXPECT_EQ(recorded[0].all("answer"),
        (std::vector<std::string> { "1", "1", "0", "-1", "0", "0", "0" }));
    EXPECT_EQ(recorded[0].all("password"), (std::vector<std::string> { "", "pässwörd" }));
    EXPECT_EQ(engine.LastResult().failed, 2);
    // Without a handler every question is answered "none".
    EXPECT_EQ(recorded[1].all("answer"), (std::vector<std::string>(7, "0")));
}

// --- Loading per call (one binding for both libraries) ---

bool isLoaded(const char *library)
{
    void *handle = dlopen((recordingDir() / "full" / library).c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

TEST_F(RecordingTest, NestedOperationOfAnotherEngineSharesTheLoadedLibrary)
{
    script("cb 1 0 1 0 outer");
    TZipEngine other;
    other.setNotices(&notices);
    other.setZipFilename(archive("+b.zip"));
    bool innerRan = false;
    engine.OnProgress = [&](TZipEngine &, ProgressType, const std::string &, int64_t) {
        if (std::exchange(innerRan, true))
            return;
        other.FSpecArgs = { "inner" };
        other.Add();
        EXPECT_TRUE(isLoaded("libamxzip.so")) << "the outer call still runs in it";
    };
    engine.setZipFilename(archive("+a.zip"));
    engine.FSpecArgs = { "outer" };
    engine.Add();
    EXPECT_TRUE(innerRan);
    EXPECT_FALSE(isLoaded("libamxzip.so")) << "unloaded after the call";
    const auto recorded = calls();
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(std::pair(recorded[0].text("archive"), recorded[1].text("archive")),
        std::pair(other.ZipFilename(), engine.ZipFilename()));
    EXPECT_NE(recorded[0].text("context"), recorded[1].text("context"));
    EXPECT_EQ(std::pair(engine.SuccessCount, other.SuccessCount), std::pair(1, 1));
    EXPECT_TRUE(notices.texts.empty());
}

// Every case above loads from the lookup folder; what is not there is
// searched for by the system, by its bare name.
TEST(DynamicLibraryTest, SystemSearchAfterTheLookupFolder)
{
    amx::DynamicLibrary::setLookupFolder((recordingDir() / "full").string());
    auto system = amx::DynamicLibrary::open("libc.so.6");
    ASSERT_TRUE(system);
    EXPECT_EQ(system->path(), "libc.so.6");
    std::string error;
    EXPECT_FALSE(amx::DynamicLibrary::open("libamxnothing.so", &error));
    EXPECT_NE(error, "");
    amx::DynamicLibrary::setLookupFolder({});
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
    EXPECT_EQ(std::tuple(engine.SuccessCount, engine.FSpecArgs.size(),
                  engine.ZipLibBusy || engine.UnzipLibBusy, progress),
        std::tuple(0, size_t(0), false, c.progressEvents));
    EXPECT_EQ(currentHandlers(), handlersBefore);
    auto recorded = calls();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_TRUE(recorded[0].all("end").empty());

    // The crashed library is not called again (the other one still works:
    // the nested crash below).
    const bool zip = c.op != Op::Extract;
    notices.texts.clear();
    script("");
    engine.FSpecArgs = { "a" };
    run(engine, c.op);
    EXPECT_EQ(notices.texts,
        std::vector<std::string>({ std::string(zip ? "libamxzip.so" : "libamxunz.so")
            + " stopped after a fatal error; restart the program to use it again" }));
    // Refused before the library, like a missing one.
    EXPECT_EQ(std::pair(engine.FSpecArgs.size(), calls().size()), std::pair(1ul, 1ul));
}

INSTANTIATE_TEST_SUITE_P(Table, CrashTest,
    ::testing::Values(CrashCase { "SegmentationFault", Op::Add, "segv", 0 },
        CrashCase { "Abort", Op::Add, "abort", 0 },
        CrashCase { "IllegalInstruction", Op::Delete, "trap", 0 },
        CrashCase { "DivisionByZero", Op::Add, "fpe", 0 },
        CrashCase { "BusError", Op::Add, "raise 7", 0 },
        CrashCase { "StackOverflow", Op::Add, "overflow", 0 },
        CrashCase { "AfterACallback", Op::Add, "cb 1 0 10 0 f.txt\nsegv", 1 },
        CrashCase { "ExtractSegmentationFault", Op::Extract, "segv", 0 }),
    amxtest::RowName());

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
    using Texts = std::vector<std::string>;
    EXPECT_EQ(std::tuple(otherNotices.texts, notices.texts, messages, engine.SuccessCount),
        std::tuple(Texts { kFatal }, Texts {}, Texts { "after" }, 1));
}

// Exceptions that are not std::exception are kept in too; the library's
// cases prove the signals and a std::runtime_error.
TEST(ContainedCallTest, ExceptionOfAnyType)
{
    const auto r = amx::callContained(
        [](void *) -> int32_t {
            throw 5;
        },
        nullptr);
    EXPECT_EQ(r.outcome, amx::ContainedResult::Outcome::Threw);
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
