// Add, Delete, Extract and Test: the engine's checks, then a request that
// the runner carries out (Operation.cpp).
#include "ArcOpen.h"
#include "SplitArchive.h"
#include "ZipEngine.h"

#include <cctype>
#include <fcntl.h>
#include <filesystem>
#include <utility>

namespace {

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

// What the engine's specifications are: patterns with the libraries' escaping.
std::vector<amx::MemberName> patterns(const std::vector<std::string> &specs)
{
    std::vector<amx::MemberName> names;
    names.reserve(specs.size());
    for (const std::string &spec : specs)
        names.push_back({ spec, true });
    return names;
}

// Runs the request and keeps what the engine's callers read afterwards; the
// specifications are used up once the library was reached.
amx::OperationResult runRecorded(amx::OperationResult result, amx::OperationResult &last,
    int32_t &successCount, std::vector<std::string> &specs)
{
    last = result;
    last.handlerError = nullptr;
    successCount = result.done;
    if (result.reached)
        specs.clear();
    return result;
}

// Clears the cancel request at both ends of an operation that started.
class CancelScope
{
public:
    explicit CancelScope(std::atomic<bool> &cancel)
        : m_cancel(cancel)
    {
        m_cancel = false;
    }
    ~CancelScope() { m_cancel = false; }
    CancelScope(const CancelScope &) = delete;
    CancelScope &operator=(const CancelScope &) = delete;

private:
    std::atomic<bool> &m_cancel;
};

// The folder named, opened; empty: the current folder. False when it cannot
// be opened: the members must not land wherever the process happens to be.
bool openFolder(TZipEngine &engine, const std::string &path, amx::FolderHandle &folder)
{
    if (path.empty())
        return true;
    folder = amx::FolderHandle::open(path);
    if (folder.valid())
        return true;
    engine.notice("Could not find the folder \"" + path + "\".");
    return false;
}

uint32_t flagIf(bool on, uint32_t bit)
{
    return on ? bit : 0u;
}

OperationHost *g_defaultHost = nullptr;
// Operations handed to a host that may not have reached the runner yet.
std::atomic<int> g_hosted = 0;
std::atomic<bool> g_stopAll = false;

} // namespace

bool TZipEngine::anyOperationRunning()
{
    return g_hosted > 0 || amx::anyOperationRunning();
}

void TZipEngine::setDefaultHost(OperationHost *host)
{
    g_defaultHost = host;
}

void TZipEngine::runHostedWork(const std::function<void()> &work)
{
    if (!g_defaultHost) {
        work();
        return;
    }
    struct Count
    {
        Count() { ++g_hosted; }
        ~Count() { --g_hosted; }
    } counted;
    g_defaultHost->run(work);
}

void TZipEngine::stopAllOperations()
{
    g_stopAll = true;
}

void TZipEngine::allowOperations()
{
    g_stopAll = false;
}

void TZipEngine::atHome(const std::function<void()> &fn)
{
    if (!m_host) {
        fn();
        return;
    }
    std::exception_ptr error;
    m_host->callHome([&] {
        try {
            fn();
        } catch (...) {
            error = std::current_exception();
        }
    });
    if (error)
        std::rethrow_exception(error);
}

amx::OperationResult TZipEngine::runHosted(
    const amx::OperationRequest &request, const std::function<bool()> &before)
{
    amx::OperationResult result;
    const auto job = [&] {
        if (before && !before()) {
            result.cancelled = true;
            return;
        }
        result = amx::runOperation(request);
    };
    if (!m_host) {
        job();
        return result;
    }
    struct Count
    {
        Count() { ++g_hosted; }
        ~Count() { --g_hosted; }
    } counted;
    m_host->run(job);
    return result;
}

bool TZipEngine::stopRequested() const
{
    return CancelRequested || g_stopAll;
}

amx::OperationRequest TZipEngine::request(amx::OperationKind kind, int folder)
{
    amx::OperationRequest r;
    r.kind = kind;
    // The archive is named relative to the program's folder, not the operation's.
    std::error_code error;
    const std::filesystem::path archive = std::filesystem::absolute(m_zipFilename, error);
    r.archive = error ? m_zipFilename : archive.string();
    r.folder = folder;
    r.members = patterns(FSpecArgs);
    r.nameCodePage = effectiveNameCodePage();
    r.trace = Trace;
    r.busy = amx::writesArchive(kind) ? &ZipLibBusy : &UnzipLibBusy;
    m_host = g_defaultHost;
    r.sinks.progress = [this](ProgressType type, const std::string &name, int64_t size) {
        if (type == ProgressType::ProgressWait)
            atHome([&] {
                waitingForWriter(name);
            });
        else if (OnProgress)
            OnProgress(*this, type, name, size);
    };
    r.sinks.message = [this](int32_t code, const std::string &text, const std::string &) {
        if (isFailureMessage(code))
            ++FailureCount;
        if (OnMessage)
            OnMessage(*this, code, text);
    };
    r.sinks.cancel = [this] {
        return stopRequested();
    };
    r.sinks.notice = [this](const std::string &text) {
        atHome([&] {
            notice(text);
        });
    };
    r.sinks.password = [this](const std::string &member, int attempt) {
        amx::PasswordAnswer answer;
        if (OnPassword)
            atHome([&] {
                answer = OnPassword(*this, member, attempt);
            });
        return answer;
    };
    return r;
}

void TZipEngine::Add()
{
    const TPrepareEvent start = std::exchange(OnAddStart, {});
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
    runZipLibrary(false, start);
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

bool TZipEngine::refuseOtherFormat()
{
    // Archives read through libarchive and archives in parts are never
    // written, whatever path led here.
    if (amx::isSplitArchive(AT_FDCWD, m_zipFilename)) {
        notice("Error - an archive in parts cannot be changed: " + m_zipFilename);
        return true;
    }
    if (amx::archiveFamily(AT_FDCWD, m_zipFilename) != amx::ArchiveFamily::Other)
        return false;
    notice("Error - only ZIP archives can be changed: " + m_zipFilename + " is no ZIP archive");
    return true;
}

void TZipEngine::runZipLibrary(bool deleting, const TPrepareEvent &start)
{
    if (ZipLibBusy || refuseOtherFormat())
        return;
    m_lastResult = {};
    amx::OperationResult result;
    {
        CancelScope cancel(CancelRequested);
        // The count always describes this operation: a failed one must not
        // show the files of an earlier one as processed.
        SuccessCount = 0;
        m_waitStart.reset();
        amx::FolderHandle source;
        if (!deleting && !openFolder(*this, AddBaseDir, source))
            return;
        amx::OperationRequest r =
            request(deleting ? amx::OperationKind::Delete : amx::OperationKind::Add, source.fd());
        const AddOpts o = AddOptions;
        const bool update = o.contains(AddOptsEnum::AddUpdate);
        // Deleting ignores the options that choose files, not the others.
        r.flags = flagIf(Verbose || Trace, AMX_FLAG_VERBOSE)
            | flagIf(o.contains(AddOptsEnum::AddHiddenFiles), AMX_FLAG_HIDDEN)
            | flagIf(o.contains(AddOptsEnum::AddForceDOS), AMX_FLAG_DOS_NAMES)
            | flagIf(o.contains(AddOptsEnum::AddZipTime), AMX_FLAG_ARCHIVE_TIME);
        if (!deleting)
            r.flags |= flagIf(o.contains(AddOptsEnum::AddDirNames), AMX_FLAG_DIR_NAMES)
                | flagIf(o.contains(AddOptsEnum::AddRecurseDirs), AMX_FLAG_RECURSE)
                | flagIf(o.contains(AddOptsEnum::AddMove), AMX_FLAG_MOVE)
                | flagIf(update, AMX_FLAG_UPDATE)
                // Freshen and update together mean update.
                | flagIf(o.contains(AddOptsEnum::AddFreshen) && !update, AMX_FLAG_FRESHEN);
        r.level = AddCompLevel;
        r.encryption = deleting ? AMX_ENCRYPT_NONE : AddEncryption;
        const auto prepare = [&] {
            return !start || start(*this);
        };
        result = runRecorded(runHosted(r, prepare), m_lastResult, SuccessCount, FSpecArgs);
    }
    if (SuccessCount > 0 && m_listing)
        List();
    result.rethrowHandlerError();
}

void TZipEngine::Rename(const std::vector<std::pair<std::string, std::string>> &pairs)
{
    if (!isExistingFile(m_zipFilename)) {
        notice("Error - no zip file specified");
        return;
    }
    std::vector<amx::MemberName> names;
    for (const auto &[from, to] : pairs) {
        names.push_back({ from, false });
        names.push_back({ to, false });
    }
    runEdit(amx::OperationKind::Rename, std::move(names), {});
}

void TZipEngine::SetComment(const std::string &comment)
{
    if (!isExistingFile(m_zipFilename)) {
        notice("Error - no zip file specified");
        return;
    }
    runEdit(amx::OperationKind::Comment, {}, comment);
}

void TZipEngine::runEdit(
    amx::OperationKind kind, std::vector<amx::MemberName> names, const std::string &comment)
{
    if (ZipLibBusy || refuseOtherFormat())
        return;
    if (endsWithExe(m_zipFilename)) {
        notice("Error - this pgm can NOT change a self-extracting archive");
        return;
    }
    m_lastResult = {};
    amx::OperationResult result;
    {
        CancelScope cancel(CancelRequested);
        SuccessCount = 0;
        m_waitStart.reset();
        amx::OperationRequest r = request(kind, AMX_CURRENT_FOLDER);
        r.members = std::move(names);
        r.comment = comment;
        r.flags = flagIf(Verbose || Trace, AMX_FLAG_VERBOSE);
        std::vector<std::string> none;
        result = runRecorded(runHosted(r), m_lastResult, SuccessCount, none);
    }
    if (SuccessCount > 0 && m_listing)
        List();
    result.rethrowHandlerError();
}

void TZipEngine::Extract()
{
    if (UnzipLibBusy)
        return;
    m_lastResult = {};
    amx::OperationResult result;
    {
        CancelScope cancel(CancelRequested);
        SuccessCount = 0;
        amx::FolderHandle base;
        if (!openFolder(*this, ExtrBaseDir, base))
            return;
        amx::OperationRequest r = request(amx::OperationKind::Extract, base.fd());
        r.level = 0;
        const ExtrOpts o = ExtrOptions;
        const bool update = o.contains(ExtrOptsEnum::ExtrUpdate);
        r.flags = flagIf(Verbose || Trace, AMX_FLAG_VERBOSE) | flagIf(update, AMX_FLAG_UPDATE)
            | flagIf(o.contains(ExtrOptsEnum::ExtrFreshen) && !update, AMX_FLAG_FRESHEN)
            | flagIf(o.contains(ExtrOptsEnum::ExtrDirNames), AMX_FLAG_DIR_NAMES)
            | flagIf(o.contains(ExtrOptsEnum::ExtrOverWrite), AMX_FLAG_OVERWRITE);
        result = runRecorded(runHosted(r), m_lastResult, SuccessCount, FSpecArgs);
    }
    result.rethrowHandlerError();
}

void TZipEngine::Test()
{
    if (!isExistingFile(m_zipFilename)) {
        notice("Error - no zip file specified");
        return;
    }
    if (UnzipLibBusy)
        return;
    m_lastResult = {};
    amx::OperationResult result;
    bool cancelled = false;
    {
        CancelScope cancel(CancelRequested);
        SuccessCount = 0;
        FailureCount = 0;
        amx::OperationRequest r = request(amx::OperationKind::Test, AMX_CURRENT_FOLDER);
        r.level = 0;
        r.flags = AMX_FLAG_VERBOSE | AMX_FLAG_DIR_NAMES;
        result = runRecorded(runHosted(r), m_lastResult, SuccessCount, FSpecArgs);
        cancelled = CancelRequested;
    }
    result.rethrowHandlerError();
    if (cancelled || !result.reached)
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
