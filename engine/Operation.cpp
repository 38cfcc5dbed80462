// The one runner of library operations: loading the library for the call,
// the request handed to its entry point, the contained call, and the events
// it sends back.
#include "Operation.h"

#include "ArcOpen.h"
#include "DynamicLibrary.h"
#include "LibraryBinding.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <openssl/crypto.h>
#include <unistd.h>
#include <utility>

namespace amx {

FolderHandle::~FolderHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FolderHandle::FolderHandle(FolderHandle &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{
}

FolderHandle &FolderHandle::operator=(FolderHandle &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

FolderHandle FolderHandle::open(const std::string &path)
{
    FolderHandle folder;
    // O_PATH: a folder the user may write into but not list is still a destination.
    folder.m_fd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return folder;
}

SecretText::SecretText(std::string_view text)
    : m_data(std::make_unique<char[]>(text.size() + 1))
    , m_size(text.size())
{
    std::memcpy(m_data.get(), text.data(), text.size());
}

SecretText::SecretText(const SecretText &other)
    : SecretText(other.view())
{
}

SecretText &SecretText::operator=(const SecretText &other)
{
    if (this != &other)
        *this = SecretText(other.view());
    return *this;
}

SecretText::SecretText(SecretText &&other) noexcept
    : m_data(std::move(other.m_data))
    , m_size(std::exchange(other.m_size, 0))
{
}

SecretText &SecretText::operator=(SecretText &&other) noexcept
{
    if (this != &other) {
        wipe();
        m_data = std::move(other.m_data);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

SecretText::~SecretText()
{
    wipe();
}

void SecretText::wipe()
{
    if (m_data)
        OPENSSL_cleanse(m_data.get(), m_size + 1);
    m_data.reset();
    m_size = 0;
}

void OperationResult::rethrowHandlerError()
{
    if (handlerError)
        std::rethrow_exception(std::exchange(handlerError, nullptr));
}

} // namespace amx

namespace {

constexpr char kFatalDllError[] = "Fatal DLL Error: abort exception";

struct LibraryInfo
{
    const char *fileName;
    const char *runName;
    const char *versionName;
    const char *loadedTrace;
};

const LibraryInfo kZipLibrary = { "libamxzip.so", AMX_ZIP_RUN_NAME, AMX_ZIP_VERSION_NAME,
    "ZIP library loaded" };
const LibraryInfo kUnzLibrary = { "libamxunz.so", AMX_UNZ_RUN_NAME, AMX_UNZ_VERSION_NAME,
    "UNZ library loaded" };
const LibraryInfo kArcLibrary = { "libamxarc.so", AMX_ARC_RUN_NAME, AMX_ARC_VERSION_NAME,
    "ARC library loaded" };

// Process-wide, shared by every operation: one started from an event
// handler of another finds the library loaded and leaves it to the outer
// operation to unload.
struct LibrarySlot
{
    explicit LibrarySlot(const LibraryInfo &libraryInfo)
        : info(libraryInfo)
    {
    }

    const LibraryInfo &info;
    std::unique_ptr<amx::DynamicLibrary> library;
    AmxRunFn run = nullptr;
    bool crashed = false; // its state can't be trusted: never call it again
};

// The runner's state: the libraries, the operations running, and those
// inside a library call.
struct Runner
{
    LibrarySlot zip { kZipLibrary };
    LibrarySlot unz { kUnzLibrary };
    LibrarySlot arc { kArcLibrary };
    // Read by the window's thread while an operation runs on another.
    std::atomic<int> running = 0;
    std::vector<const void *> inCall;
    amx::OperationTap tap;
};

Runner &runner()
{
    static Runner state;
    return state;
}

void notify(const amx::OperationRequest &request, const std::string &text)
{
    if (request.sinks.notice)
        request.sinks.notice(text);
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
        m_slot.run = nullptr;
    }

    LibraryUse(const LibraryUse &) = delete;
    LibraryUse &operator=(const LibraryUse &) = delete;

    // False when the operation cannot go on; the request's notice sink has been told why.
    bool acquire(const amx::OperationRequest &request)
    {
        const LibraryInfo &info = m_slot.info;
        if (m_slot.crashed) {
            notify(request,
                std::string(info.fileName)
                    + " stopped after a fatal error; restart the program to use it again");
            return false;
        }
        if (m_slot.library)
            return true;
        m_slot.library = amx::DynamicLibrary::open(info.fileName);
        if (!m_slot.library) {
            notify(request, std::string(info.fileName) + " not found");
            return false;
        }
        m_loadedHere = true;
        m_slot.run = reinterpret_cast<AmxRunFn>(m_slot.library->symbol(info.runName));
        if (request.trace)
            notify(request, info.loadedTrace);
        // A missing entry point is reported and the operation goes on; a
        // missing Run then fails the call itself.
        if (!m_slot.run)
            notify(request, std::string(info.runName) + " function not found in " + info.fileName);
        if (!m_slot.library->symbol(info.versionName))
            notify(
                request, std::string(info.versionName) + " function not found in " + info.fileName);
        return true;
    }

private:
    LibrarySlot &m_slot;
    bool m_loadedHere = false;
};

// Counts the operation as running and holds its busy flag.
class BusyScope
{
public:
    explicit BusyScope(bool *busy)
        : m_busy(busy)
    {
        if (m_busy)
            *m_busy = true;
        ++runner().running;
    }
    ~BusyScope()
    {
        --runner().running;
        if (m_busy)
            *m_busy = false;
    }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool *m_busy;
};

// One library call: what its events are checked and delivered against.
class Call
{
public:
    Call(const amx::OperationRequest &request, amx::OperationResult &result)
        : m_request(request)
        , m_result(result)
    {
        runner().inCall.push_back(this);
    }
    ~Call()
    {
        auto &calls = runner().inCall;
        auto it = std::find(calls.rbegin(), calls.rend(), this);
        if (it != calls.rend())
            calls.erase(std::next(it).base());
    }
    Call(const Call &) = delete;
    Call &operator=(const Call &) = delete;

    static int32_t AMX_STDCALL entry(void *context, AmxEvent *event) noexcept
    {
        if (!event || !amx::isOperationInLibraryCall(context))
            return AMX_GO_ON;
        // Faults from here on are the program's own, not the library's.
        amx::ContainmentPause pause;
        return static_cast<Call *>(context)->handle(*event);
    }

private:
    int32_t handle(AmxEvent &event)
    {
        // An exception must not unwind through the library's frames: keep the
        // first one for the caller and ask the library to stop.
        if (m_result.handlerError)
            return AMX_STOP;
        try {
            const int32_t answer = deliver(event);
            if (answer != AMX_GO_ON)
                return answer;
        } catch (...) {
            m_result.handlerError = std::current_exception();
            return AMX_STOP;
        }
        return m_request.sinks.cancel && m_request.sinks.cancel() ? AMX_STOP : AMX_GO_ON;
    }

    int32_t deliver(AmxEvent &event)
    {
        if (runner().tap)
            runner().tap(m_request, event.action);
        const amx::OperationSinks &sinks = m_request.sinks;
        const std::string text = event.text ? event.text : "";
        auto progress = [&](ProgressType type, const std::string &name, int64_t size) {
            if (sinks.progress)
                sinks.progress(type, name, size);
        };
        switch (event.action) {
        case AMX_ACTION_NEW_FILE:
            progress(ProgressType::ProgressNewFile, text, static_cast<int64_t>(event.fileSize));
            break;
        case AMX_ACTION_STEP:
            progress(ProgressType::ProgressStep, " ", 0);
            break;
        case AMX_ACTION_END:
            progress(ProgressType::ProgressEnd, " ", 0);
            break;
        case AMX_ACTION_WAIT:
            progress(ProgressType::ProgressWait, text, 0);
            break;
        case AMX_ACTION_TOTAL:
            progress(ProgressType::ProgressTotal, text, static_cast<int64_t>(event.fileSize));
            break;
        case AMX_ACTION_MESSAGE:
            message(event, text);
            break;
        case AMX_ACTION_PASSWORD:
            return password(event, text);
        default:
            break;
        }
        return AMX_GO_ON;
    }

    void message(const AmxEvent &event, const std::string &text)
    {
        const bool hasSubject =
            event.size >= AMX_OFFSETOF(AmxEvent, subject) + sizeof event.subject && event.subject;
        const std::string subject = hasSubject ? event.subject : "";
        const std::string line = amx::trimLibraryMessage(text);
        switch (amxErrorKind(event.errorCode)) {
        case AMX_KIND_FAILED:
            ++m_result.failed;
            m_result.failures.push_back({ subject, event.errorCode, line });
            break;
        case AMX_KIND_SKIPPED:
            ++m_result.skipped;
            m_result.skips.push_back({ subject, event.errorCode, line });
            break;
        default:
            break;
        }
        if (m_request.sinks.message)
            m_request.sinks.message(event.errorCode, line, subject);
    }

    int32_t password(AmxEvent &event, const std::string &member)
    {
        const bool hasAnswer = event.size >= AMX_OFFSETOF(AmxEvent, attempt) + sizeof event.attempt
            && event.answer && event.answerSize > 0;
        if (!m_request.sinks.password || !hasAnswer)
            return AMX_GO_ON;
        const amx::PasswordAnswer given = m_request.sinks.password(member, event.attempt);
        switch (given.kind) {
        case amx::PasswordAnswer::Kind::Password:
            // A password longer than the library's buffer could only be cut: none is better.
            if (given.password.size() >= event.answerSize)
                return AMX_GO_ON;
            std::memcpy(event.answer, given.password.view().data(), given.password.size());
            event.answer[given.password.size()] = '\0';
            return given.thisMemberOnly ? AMX_ANSWERED_ONCE : AMX_ANSWERED;
        case amx::PasswordAnswer::Kind::SkipAll:
            return AMX_STOP;
        case amx::PasswordAnswer::Kind::Skip:
            break;
        }
        return AMX_GO_ON;
    }

    const amx::OperationRequest &m_request;
    amx::OperationResult &m_result;
};

int32_t libraryOperation(amx::OperationKind kind)
{
    switch (kind) {
    case amx::OperationKind::Add:
        return AMX_OP_ADD;
    case amx::OperationKind::Delete:
        return AMX_OP_DELETE;
    case amx::OperationKind::Extract:
        return AMX_OP_EXTRACT;
    case amx::OperationKind::Test:
        return AMX_OP_TEST;
    case amx::OperationKind::Rename:
        return AMX_OP_RENAME;
    case amx::OperationKind::Comment:
        return AMX_OP_COMMENT;
    }
    return 0;
}

struct RunCall
{
    AmxRunFn run;
    const AmxRequest *request;
    AmxResult *result;
    static int32_t call(void *context)
    {
        auto *self = static_cast<RunCall *>(context);
        return self->run(self->request, self->result);
    }
};

} // namespace

namespace amx {

OperationResult runOperation(const OperationRequest &request)
{
    OperationResult result;
    if (request.busy && *request.busy)
        return result;
    BusyScope busy(request.busy);
    const bool writing = writesArchive(request.kind);
    // Reading goes by the archive's content: ZIP to our own library, what
    // libarchive recognises besides to the other one.
    LibrarySlot &slot = writing ? runner().zip
        : amx::archiveFamily(request.folder, request.archive) == ArchiveFamily::Other
        ? runner().arc
        : runner().unz;
    LibraryUse use(slot);
    if (!use.acquire(request))
        return result;
    result.reached = true;
    if (!slot.run) {
        notify(request, kFatalDllError);
        return result;
    }

    std::vector<AmxName> names;
    names.reserve(request.members.size());
    for (const MemberName &name : request.members)
        names.push_back({ name.text.c_str(), name.pattern ? AMX_NAME_PATTERN : AMX_NAME_EXACT, 0 });
    AmxRequest call {};
    call.size = sizeof call;
    call.operation = libraryOperation(request.kind);
    call.folder = request.folder;
    call.flags = request.flags;
    call.level = request.level;
    call.nameCount = static_cast<uint32_t>(names.size());
    call.archive = request.archive.c_str();
    call.names = names.data();
    call.callback = &Call::entry;
    call.nameCodePage = request.nameCodePage.c_str();
    call.encryption = request.kind == OperationKind::Add ? request.encryption : AMX_ENCRYPT_NONE;
    if (request.kind == OperationKind::Comment) {
        call.comment = request.comment.data();
        call.commentSize = static_cast<uint32_t>(request.comment.size());
    }
    AmxResult outcome {};
    outcome.size = sizeof outcome;

    Call events(request, result);
    call.context = &events;
    RunCall run { slot.run, &call, &outcome };
    const ContainedResult contained = callContained(&RunCall::call, &run);
    if (contained.outcome == ContainedResult::Outcome::Crashed)
        slot.crashed = true;
    if (contained.outcome != ContainedResult::Outcome::Returned) {
        notify(request, kFatalDllError);
        return result;
    }
    if (contained.value == AMX_RUN_UNSUPPORTED && request.kind == OperationKind::Test) {
        result.reached = false;
        notify(request,
            std::string(slot.info.fileName) + " cannot test archives; install a newer one");
        return result;
    }
    if (contained.value != AMX_RUN_DONE) {
        notify(request, kFatalDllError);
        return result;
    }
    result.ran = true;
    result.done = outcome.done;
    result.error = outcome.error;
    result.cancelled = outcome.cancelled != 0;
    return result;
}

void setOperationTap(OperationTap tap)
{
    runner().tap = std::move(tap);
}

bool anyOperationRunning()
{
    return runner().running > 0;
}

bool isOperationInLibraryCall(const void *context)
{
    const auto &calls = runner().inCall;
    return context && std::find(calls.begin(), calls.end(), context) != calls.end();
}

void forgetCrashedLibraries()
{
    runner().zip.crashed = false;
    runner().unz.crashed = false;
    runner().arc.crashed = false;
}

} // namespace amx
