#include "LibHarness.h"

#include "AmxBlocks.h"
#include "AmxRequest.h"
#include "Peers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace amxtest {

std::vector<std::string> Recorder::messages() const
{
    std::vector<std::string> out;
    for (const auto &e : events)
        if (e.action == AMX_ACTION_MESSAGE)
            out.push_back(e.text);
    return out;
}

std::vector<int32_t> Recorder::errorCodes() const
{
    std::vector<int32_t> out;
    for (const auto &e : events)
        if (e.action == AMX_ACTION_MESSAGE && e.errorCode != 0)
            out.push_back(e.errorCode);
    return out;
}

bool Recorder::hasMessage(const std::string &part) const
{
    for (const auto &m : messages())
        if (m.find(part) != std::string::npos)
            return true;
    return false;
}

std::string Recorder::dump() const
{
    std::ostringstream out;
    for (const auto &e : events)
        out << e.action << " [" << e.errorCode << "] " << e.size << " " << e.text << "\n";
    return out.str();
}

int32_t Recorder::record(const CallbackEvent &e)
{
    if (std::this_thread::get_id() != m_thread)
        wrongThread = true;
    if (m_cancelled)
        calledAfterCancel = true;
    events.push_back(e);
    if (onEvent)
        onEvent(e);
    if (killAction && e.action == killAction && ++m_killSeen == killAt)
        ::kill(::getpid(), SIGKILL);
    if (cancelAction && e.action == cancelAction && ++m_seen == cancelAt)
        m_cancelled = true;
    return m_cancelled ? -1 : 0;
}

namespace {

struct Library
{
    void *handle = nullptr;
    explicit Library(const char *name)
    {
        std::string path = std::string(AMX_BIN_DIR) + "/" + name;
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            throw std::runtime_error(std::string("cannot load ") + path + ": " + dlerror());
    }
    template <class T> T symbol(const char *name) const
    {
        void *p = dlsym(handle, name);
        if (!p)
            throw std::runtime_error(std::string("missing entry point ") + name);
        return reinterpret_cast<T>(p);
    }
};

const Library &lib(bool zip)
{
    static Library zipLib("libamxzip.so"), unzLib("libamxunz.so");
    return zip ? zipLib : unzLib;
}

int32_t AMX_STDCALL callback(AmxCallbackRecord *r)
{
    auto *rec = static_cast<Recorder *>(r->caller);
    CallbackEvent e;
    e.action = r->action;
    e.errorCode = r->errorCode;
    e.size = uint32_t(r->fileSize) | (uint64_t(uint32_t(r->fileSizeHigh)) << 32);
    e.text = r->text;
    return rec->record(e);
}

int32_t flag(bool b)
{
    return b ? -1 : 0;
}

// The fields both blocks share: caller, callback, archive and file patterns.
// The strings stay the caller's, as the engine's do.
template <typename Block>
void fillCommon(
    Block &p, Recorder &rec, const std::string &archive, const std::vector<std::string> &specs)
{
    p.caller = &rec;
    p.const120 = 120;
    p.callback = callback;
    p.specCount = int32_t(specs.size());
    p.archiveName = const_cast<char *>(archive.c_str());
    p.const7 = 7;
    for (size_t i = 0; i < specs.size(); ++i)
        p.specs[i] = const_cast<char *>(specs[i].c_str());
}

int32_t zipExec(const AddRequest &r, bool isDelete, Recorder &rec)
{
    auto block = std::make_unique<AmxZipParams>(); // zero-filled
    AmxZipParams &p = *block;
    fillCommon(p, rec, r.archive, r.specs);
    p.hiddenFilesFlag = flag(r.hidden);
    p.alwaysTrue44 = -1;
    p.verboseFlag = flag(r.verbose);
    p.alwaysTrue56 = -1;
    p.compLevel = r.level;
    p.discardDirNamesFlag = flag(!r.dirNames);
    p.recurseFlag = flag(r.recurse);
    p.notDeleteFlag = -1;
    p.forceDosFlag = flag(r.forceDos);
    p.moveFlag = flag(r.move);
    p.updateFlag = flag(r.update);
    p.freshenFlag = flag(r.freshen && !r.update);
    p.archiveTimeFlag = flag(r.zipTime);
    if (isDelete) {
        p.deleteFlag = -1;
        p.notDeleteFlag = 0;
        p.discardDirNamesFlag = p.moveFlag = p.freshenFlag = p.updateFlag = p.recurseFlag = 0;
    }
    return lib(true).symbol<AmxZipExecFn>(AMX_ZIP_EXEC_NAME)(&p);
}

// Changes the process's current directory for a scope.
class CurrentDir
{
public:
    explicit CurrentDir(const std::string &dir)
        : m_saved(std::filesystem::current_path().string())
    {
        std::filesystem::current_path(dir);
    }
    ~CurrentDir()
    {
        std::error_code ec;
        std::filesystem::current_path(m_saved, ec);
    }

private:
    std::string m_saved;
};

int32_t AMX_STDCALL eventCallback(void *context, AmxEvent *event)
{
    CallbackEvent e;
    e.action = event->action;
    e.errorCode = event->errorCode;
    e.size = event->fileSize;
    e.text = event->text;
    e.subject = event->subject ? event->subject : "";
    auto *rec = static_cast<Recorder *>(context);
    if (event->action != AMX_ACTION_PASSWORD)
        return rec->record(e);
    e.size = uint64_t(event->attempt);
    rec->record(e);
    if (rec->passwordsGiven >= rec->passwords.size())
        return AMX_GO_ON;
    const std::string &answer = rec->passwords[rec->passwordsGiven++];
    if (answer == "<skip>")
        return AMX_GO_ON;
    if (answer == "<stop>")
        return AMX_STOP;
    if (answer.size() >= event->answerSize)
        return AMX_GO_ON;
    std::memcpy(event->answer, answer.c_str(), answer.size() + 1);
    return AMX_ANSWERED;
}

} // namespace

RunOutcome runRequest(const RunRequest &r, Recorder &rec)
{
    std::vector<AmxName> names;
    for (const RequestName &n : r.names)
        names.push_back({ n.text.c_str(), n.pattern ? AMX_NAME_PATTERN : AMX_NAME_EXACT, 0 });
    AmxRequest request {};
    request.size = r.statedSize ? r.statedSize : uint32_t(sizeof request);
    request.operation = r.operation;
    request.folder = r.folder;
    request.flags = r.flags;
    request.level = 6;
    request.nameCount = uint32_t(names.size());
    request.archive = r.archive.c_str();
    request.names = names.data();
    request.callback = eventCallback;
    request.context = &rec;
    request.encryption = r.encryption;
    if (r.operation == AMX_OP_COMMENT) {
        request.comment = r.comment.data();
        request.commentSize = uint32_t(r.comment.size());
    }
    // Laid out in a buffer as long as the size claims, as a newer caller's would be.
    std::vector<unsigned char> bytes(std::max<size_t>(request.size, sizeof request) + 1, 0);
    std::memcpy(bytes.data(), &request, sizeof request);
    if (r.tail)
        bytes[request.size - 1] = r.tail;
    const bool zip = r.operation == AMX_OP_ADD || r.operation == AMX_OP_DELETE
        || r.operation == AMX_OP_RENAME || r.operation == AMX_OP_COMMENT;
    static const Library arcLib("libamxarc.so");
    const AmxRunFn run = r.other
        ? arcLib.symbol<AmxRunFn>(AMX_ARC_RUN_NAME)
        : lib(zip).symbol<AmxRunFn>(zip ? AMX_ZIP_RUN_NAME : AMX_UNZ_RUN_NAME);
    AmxResult result {};
    result.size = sizeof result;
    RunOutcome out;
    out.status = run(reinterpret_cast<const AmxRequest *>(bytes.data()), &result);
    out = { out.status, result.error, result.done, result.failed, result.skipped,
        result.cancelled };
    return out;
}

int32_t runDelete(const std::string &archive, const std::vector<std::string> &specs, Recorder &rec)
{
    return zipExec({ .archive = archive, .specs = specs }, true, rec);
}

int32_t runExtract(const std::string &dir, const ExtractRequest &r, Recorder &rec)
{
    CurrentDir cd(dir);
    auto block = std::make_unique<AmxUnzParams>(); // zero-filled
    AmxUnzParams &p = *block;
    fillCommon(p, rec, r.archive, r.specs);
    p.alwaysTrue40 = -1;
    p.verboseFlag = flag(r.verbose);
    p.updateFlag = flag(r.update);
    p.freshenFlag = flag(r.freshen && !r.update);
    p.dirNamesFlag = flag(r.dirNames);
    p.overwriteFlag = flag(r.overwrite);
    return lib(false).symbol<AmxUnzExecFn>(AMX_UNZ_EXEC_NAME)(&p);
}

int32_t runAdd(const std::string &dir, const AddRequest &r, Recorder &rec)
{
    CurrentDir cd(dir);
    return zipExec(r, false, rec);
}

std::vector<std::string> listing(const std::filesystem::path &dir)
{
    std::vector<std::string> names;
    for (auto &e : std::filesystem::recursive_directory_iterator(dir))
        names.push_back(e.path().lexically_relative(dir).string());
    std::sort(names.begin(), names.end());
    return names;
}

void setTime(const std::filesystem::path &p, time_t t)
{
    struct timespec times[2] = { { t, 0 }, { t, 0 } };
    if (::utimensat(AT_FDCWD, p.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        ADD_FAILURE() << "cannot set the time of " << p;
}

void expectPeersAccept(const std::string &archive)
{
    RunResult u = run({ "unzip", "-t", "-q", archive });
    EXPECT_EQ(u.exitCode, 0) << u.out;
    RunResult s = run({ "7z", "t", archive });
    EXPECT_EQ(s.exitCode, 0) << s.out;
    RunResult p =
        python("import sys, zipfile\nsys.exit(zipfile.ZipFile(sys.argv[1]).testzip() is not None)",
            { archive });
    EXPECT_EQ(p.exitCode, 0) << p.out;
}

} // namespace amxtest
