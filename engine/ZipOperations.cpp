// Add, Delete and Extract: the checks, the loading of the library for the
// call, the parameter blocks and the contained call into the library.
#include "CurrentFolder.h"
#include "LibraryBinding.h"
#include "ZipEngine.h"

#include "DynamicLibrary.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <memory>
#include <utility>

namespace {

constexpr char kFatalDllError[] = "Fatal DLL Error: abort exception";

int32_t flag(bool value)
{
    return value ? -1 : 0;
}

struct LibraryInfo
{
    const char *fileName;
    const char *execName;
    const char *versionName;
    const char *loadedTrace;
    const char *testName; // optional entry point, bound only when present
};

const LibraryInfo kZipLibrary = { "libamxzip.so", AMX_ZIP_EXEC_NAME, AMX_ZIP_VERSION_NAME,
    "ZIP library loaded", nullptr };
const LibraryInfo kUnzLibrary = { "libamxunz.so", AMX_UNZ_EXEC_NAME, AMX_UNZ_VERSION_NAME,
    "UNZ library loaded", AMX_UNZ_TEST_NAME };

// Process-wide, shared by every engine: an operation started from an event
// handler of another engine finds the library loaded and leaves it to the
// outer operation to unload.
struct LibrarySlot
{
    explicit LibrarySlot(const LibraryInfo &libraryInfo)
        : info(libraryInfo)
    {
    }

    const LibraryInfo &info;
    std::unique_ptr<amx::DynamicLibrary> library;
    void *exec = nullptr;
    void *version = nullptr;
    void *test = nullptr;
    bool crashed = false; // its state can't be trusted: never call it again
};

LibrarySlot &zipSlot()
{
    static LibrarySlot slot(kZipLibrary);
    return slot;
}

LibrarySlot &unzSlot()
{
    static LibrarySlot slot(kUnzLibrary);
    return slot;
}

// Makes the library available for one operation and unloads at the end what
// it loaded itself.
class LibraryUse
{
public:
    explicit LibraryUse(LibrarySlot &slot)
        : m_slot(slot)
    {
    }

    ~LibraryUse()
    {
        if (!m_loadedHere)
            return;
        // A crashed library stays mapped: its destructors could crash again.
        if (m_slot.crashed)
            m_slot.library->abandon();
        m_slot.library.reset();
        m_slot.exec = nullptr;
        m_slot.version = nullptr;
        m_slot.test = nullptr;
    }

    LibraryUse(const LibraryUse &) = delete;
    LibraryUse &operator=(const LibraryUse &) = delete;

    // False when the operation cannot go on; the engine has been told why.
    bool acquire(TZipEngine &engine)
    {
        const LibraryInfo &info = m_slot.info;
        if (m_slot.crashed) {
            engine.notice(std::string(info.fileName)
                + " stopped after a fatal error; restart the program to use it again");
            return false;
        }
        if (m_slot.library)
            return true;
        m_slot.library = amx::DynamicLibrary::open(info.fileName);
        if (!m_slot.library) {
            engine.notice(std::string(info.fileName) + " not found");
            return false;
        }
        m_loadedHere = true;
        m_slot.exec = m_slot.library->symbol(info.execName);
        m_slot.version = m_slot.library->symbol(info.versionName);
        if (info.testName)
            m_slot.test = m_slot.library->symbol(info.testName);
        if (engine.Trace)
            engine.notice(info.loadedTrace);
        // A missing entry point is reported and the operation goes on; a
        // missing Exec then fails the call itself.
        if (!m_slot.exec)
            engine.notice(std::string(info.execName) + " function not found in " + info.fileName);
        if (!m_slot.version)
            engine.notice(
                std::string(info.versionName) + " function not found in " + info.fileName);
        return true;
    }

private:
    LibrarySlot &m_slot;
    bool m_loadedHere = false;
};

int operationsRunning = 0;

// Sets a busy flag for the operation, clears the cancel request at both ends.
class BusyScope
{
public:
    BusyScope(bool &busy, bool &cancel)
        : m_busy(busy)
        , m_cancel(cancel)
    {
        m_busy = true;
        m_cancel = false;
        ++operationsRunning;
    }
    ~BusyScope()
    {
        --operationsRunning;
        m_cancel = false;
        m_busy = false;
    }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &m_busy;
    bool &m_cancel;
};

// The engines inside a library call, for the callback's check of its caller.
std::vector<const void *> &enginesInCall()
{
    static std::vector<const void *> engines;
    return engines;
}

class InCallScope
{
public:
    explicit InCallScope(const void *engine)
        : m_engine(engine)
    {
        enginesInCall().push_back(engine);
    }
    ~InCallScope()
    {
        auto &engines = enginesInCall();
        auto it = std::find(engines.rbegin(), engines.rend(), m_engine);
        if (it != engines.rend())
            engines.erase(std::next(it).base());
    }
    InCallScope(const InCallScope &) = delete;
    InCallScope &operator=(const InCallScope &) = delete;

private:
    const void *m_engine;
};

bool endsWithExe(const std::string &name)
{
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    for (char &c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".exe";
}

bool isExistingFile(const std::string &name)
{
    std::error_code ec;
    return !name.empty() && std::filesystem::exists(name, ec)
        && !std::filesystem::is_directory(name, ec);
}

// The strings handed to the library: own copies, alive for the call. Copied
// whole, since paths here may be longer than 255 characters.
struct CallStrings
{
    std::string archive;
    std::vector<std::string> specs;
};

// What every extraction block holds, whatever the operation.
void fillUnzBase(AmxUnzParams &block, void *caller, AmxCallback callback, bool trace)
{
    block.first = 0;
    block.caller = caller;
    block.const120 = 120;
    block.callback = callback;
    block.traceFlag = flag(trace);
    block.alwaysTrue40 = -1;
}

template <typename Block> void fillStrings(Block &block, CallStrings &strings)
{
    block.specCount = static_cast<int32_t>(strings.specs.size());
    block.archiveName = strings.archive.data();
    block.const7 = 7;
    for (size_t i = 0; i < strings.specs.size(); ++i)
        block.specs[i] = strings.specs[i].data();
}

template <typename Block, typename ExecFn> struct ExecCall
{
    ExecFn exec;
    Block *block;
    static int32_t run(void *context)
    {
        auto *call = static_cast<ExecCall *>(context);
        return call->exec(call->block);
    }
};

// Runs the library over all specifications, in batches the block can hold.
// fill(block) sets the fields of one block. Returns the files processed by the
// calls that returned; a call that failed stops the remaining batches.
template <typename Block, typename ExecFn, typename Fill>
int32_t runBatches(TZipEngine &engine, LibrarySlot &slot, void *entry,
    const std::vector<std::string> &specs, const Fill &fill)
{
    int64_t processed = 0;
    size_t start = 0;
    do {
        const size_t count = std::min<size_t>(AMX_MAX_SPECS, specs.size() - start);
        CallStrings strings { engine.ZipFilename(),
            std::vector<std::string>(specs.begin() + static_cast<std::ptrdiff_t>(start),
                specs.begin() + static_cast<std::ptrdiff_t>(start + count)) };
        auto block = std::make_unique<Block>(); // zero-filled
        fill(*block);
        fillStrings(*block, strings);
        start += count;

        if (!entry) {
            engine.notice(kFatalDllError);
            break;
        }
        ExecCall<Block, ExecFn> call { reinterpret_cast<ExecFn>(entry), block.get() };
        const amx::ContainedResult result =
            amx::callContained(&ExecCall<Block, ExecFn>::run, &call);
        if (result.outcome == amx::ContainedResult::Outcome::Crashed)
            slot.crashed = true;
        if (result.outcome != amx::ContainedResult::Outcome::Returned) {
            engine.notice(kFatalDllError);
            break;
        }
        processed += result.value;
    } while (start < specs.size() && !engine.CancelRequested);
    return static_cast<int32_t>(std::clamp<int64_t>(processed, INT32_MIN, INT32_MAX));
}

} // namespace

namespace amx {

bool isEngineInLibraryCall(const void *caller)
{
    const auto &engines = enginesInCall();
    return caller && std::find(engines.begin(), engines.end(), caller) != engines.end();
}

void forgetCrashedLibraries()
{
    zipSlot().crashed = false;
    unzSlot().crashed = false;
}

} // namespace amx

bool TZipEngine::anyOperationRunning()
{
    return operationsRunning > 0;
}

void TZipEngine::Add()
{
    if (FSpecArgs.empty()) {
        notice("Error - no files to zip");
        return;
    }
    if (m_zipFilename.empty()) {
        notice("Error - no zip file specified");
        return;
    }
    if (endsWithExe(m_zipFilename)) {
        notice("Error - this pgm can NOT add files to a self-extracting archive");
        return;
    }
    runZipLibrary(false);
}

void TZipEngine::Delete()
{
    if (FSpecArgs.empty()) {
        notice("Error - no files selected for deletion");
        return;
    }
    if (!isExistingFile(m_zipFilename)) {
        notice("Error - no zip file specified");
        return;
    }
    if (endsWithExe(m_zipFilename)) {
        notice("Error - this pgm can NOT delete files from a self-extracting archive");
        return;
    }
    runZipLibrary(true);
}

void TZipEngine::runZipLibrary(bool deleting)
{
    if (ZipLibBusy)
        return;
    {
        BusyScope busy(ZipLibBusy, CancelRequested);
        CurrentFolderKeeper keepFolder;
        // The count always describes this operation: a failed one must not
        // show the files of an earlier one as processed.
        SuccessCount = 0;
        m_handlerError = nullptr;
        m_waitStart.reset();
        LibraryUse use(zipSlot());
        if (!use.acquire(*this))
            return;

        const std::vector<std::string> specs = FSpecArgs;
        const AddOpts options = AddOptions;
        const bool update = options.contains(AddOptsEnum::AddUpdate);
        auto fill = [&](AmxZipParams &block) {
            block.first = 0;
            block.caller = this;
            block.const120 = 120;
            block.callback = &TZipEngine::libraryCallbackEntry;
            block.traceFlag = flag(Trace);
            block.hiddenFilesFlag = flag(options.contains(AddOptsEnum::AddHiddenFiles));
            block.alwaysTrue44 = -1;
            block.verboseFlag = flag(Verbose || Trace);
            block.alwaysTrue56 = -1;
            block.compLevel = AddCompLevel;
            block.discardDirNamesFlag = flag(!options.contains(AddOptsEnum::AddDirNames));
            block.recurseFlag = flag(options.contains(AddOptsEnum::AddRecurseDirs));
            block.notDeleteFlag = -1;
            block.forceDosFlag = flag(options.contains(AddOptsEnum::AddForceDOS));
            block.moveFlag = flag(options.contains(AddOptsEnum::AddMove));
            block.deleteFlag = 0;
            block.updateFlag = flag(update);
            // Freshen and update together mean update.
            block.freshenFlag = flag(options.contains(AddOptsEnum::AddFreshen) && !update);
            block.archiveTimeFlag = flag(options.contains(AddOptsEnum::AddZipTime));
            if (deleting) {
                // Deleting ignores the add options.
                block.deleteFlag = -1;
                block.notDeleteFlag = 0;
                block.discardDirNamesFlag = 0;
                block.moveFlag = 0;
                block.freshenFlag = 0;
                block.updateFlag = 0;
                block.recurseFlag = 0;
            }
        };
        InCallScope inCall(this);
        const int32_t processed =
            runBatches<AmxZipParams, AmxZipExecFn>(*this, zipSlot(), zipSlot().exec, specs, fill);
        SuccessCount = processed;
        FSpecArgs.clear();
    }
    if (SuccessCount > 0)
        List();
    if (m_handlerError)
        std::rethrow_exception(std::exchange(m_handlerError, nullptr));
}

void TZipEngine::Extract()
{
    if (UnzipLibBusy)
        return;
    {
        BusyScope busy(UnzipLibBusy, CancelRequested);
        CurrentFolderKeeper keepFolder;
        SuccessCount = 0;
        m_handlerError = nullptr;
        // The library extracts relative to the current folder. One that cannot
        // be entered must not leave the members to land wherever the process is.
        if (!ExtrBaseDir.empty() && ::chdir(ExtrBaseDir.c_str()) != 0) {
            notice("Could not find the folder \"" + ExtrBaseDir + "\".");
            return;
        }
        LibraryUse use(unzSlot());
        if (!use.acquire(*this))
            return;

        const std::vector<std::string> specs = FSpecArgs;
        const ExtrOpts options = ExtrOptions;
        const bool update = options.contains(ExtrOptsEnum::ExtrUpdate);
        auto fill = [&](AmxUnzParams &block) {
            fillUnzBase(block, this, &TZipEngine::libraryCallbackEntry, Trace);
            block.verboseFlag = flag(Verbose || Trace);
            block.updateFlag = flag(update);
            block.freshenFlag = flag(options.contains(ExtrOptsEnum::ExtrFreshen) && !update);
            block.dirNamesFlag = flag(options.contains(ExtrOptsEnum::ExtrDirNames));
            block.overwriteFlag = flag(options.contains(ExtrOptsEnum::ExtrOverWrite));
        };
        InCallScope inCall(this);
        const int32_t processed =
            runBatches<AmxUnzParams, AmxUnzExecFn>(*this, unzSlot(), unzSlot().exec, specs, fill);
        SuccessCount = processed;
        FSpecArgs.clear();
    }
    if (m_handlerError)
        std::rethrow_exception(std::exchange(m_handlerError, nullptr));
}

void TZipEngine::Test()
{
    if (!isExistingFile(m_zipFilename)) {
        notice("Error - no zip file specified");
        return;
    }
    if (UnzipLibBusy)
        return;
    bool cancelled = false;
    {
        BusyScope busy(UnzipLibBusy, CancelRequested);
        SuccessCount = 0;
        FailureCount = 0;
        m_handlerError = nullptr;
        LibraryUse use(unzSlot());
        if (!use.acquire(*this))
            return;
        if (!unzSlot().test) {
            notice("libamxunz.so cannot test archives; install a newer one");
            return;
        }
        const std::vector<std::string> specs = FSpecArgs;
        auto fill = [&](AmxUnzParams &block) {
            fillUnzBase(block, this, &TZipEngine::libraryCallbackEntry, Trace);
            block.verboseFlag = -1;
            block.dirNamesFlag = -1;
        };
        InCallScope inCall(this);
        SuccessCount =
            runBatches<AmxUnzParams, AmxUnzExecFn>(*this, unzSlot(), unzSlot().test, specs, fill);
        FSpecArgs.clear();
        cancelled = CancelRequested;
    }
    if (m_handlerError)
        std::rethrow_exception(std::exchange(m_handlerError, nullptr));
    if (cancelled)
        return;
    notice(testNotice(SuccessCount, FailureCount));
}

std::string testNotice(int32_t sound, int32_t damaged)
{
    if (damaged == 0)
        return "No errors detected in " + std::to_string(sound)
            + (sound == 1 ? " member." : " members.");
    return "Errors detected in " + std::to_string(damaged) + (damaged == 1 ? " member" : " members")
        + "; " + std::to_string(sound) + " sound.";
}
