// Drives libamxzip and libamxunz the way the engine does: the libraries are
// loaded from the build's bin folder and the parameter blocks are filled
// field by field, strings in 256-byte buffers, with a recording callback.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace amxtest {

struct CallbackEvent
{
    int32_t action = 0;
    int32_t errorCode = 0;
    uint64_t size = 0;
    std::string text;
    std::string subject; // request interface only: what a message is about
};

// Records every callback; can answer -1 (cancel) at a chosen moment.
class Recorder
{
public:
    std::vector<CallbackEvent> events;
    // Cancel on the n-th event of this action (1-based); 0 never cancels.
    int32_t cancelAction = 0;
    int cancelAt = 0;
    // Kill the process (SIGKILL) on the n-th event of this action.
    int32_t killAction = 0;
    int killAt = 0;
    bool wrongThread = false;
    bool calledAfterCancel = false;
    // The answers to password questions in turn ("<skip>": AMX_GO_ON,
    // "<stop>": AMX_STOP); once they run out, AMX_GO_ON. A question is
    // recorded with its attempt as the size.
    std::vector<std::string> passwords;
    size_t passwordsGiven = 0;
    // Runs inside every callback, before the answer: what a caller might do there.
    std::function<void(const CallbackEvent &)> onEvent;

    std::vector<std::string> messages() const; // action 4 texts
    std::vector<int32_t> errorCodes() const; // non-zero codes of messages
    bool hasMessage(const std::string &part) const;
    std::string dump() const;

    int32_t record(const CallbackEvent &e);

private:
    std::thread::id m_thread = std::this_thread::get_id();
    bool m_cancelled = false;
    int m_seen = 0;
    int m_killSeen = 0;
};

struct AddRequest
{
    std::string archive {};
    std::vector<std::string> specs {};
    int level = 9;
    bool dirNames = true; // AddDirNames: keep folder names
    bool recurse = false;
    bool move = false;
    bool freshen = false;
    bool update = false;
    bool zipTime = false;
    bool forceDos = false;
    bool hidden = false;
    bool verbose = false;
};

struct ExtractRequest
{
    std::string archive {};
    std::vector<std::string> specs {}; // empty: all
    bool dirNames = true;
    bool overwrite = false;
    bool freshen = false;
    bool update = false;
    bool verbose = false;
};

// Each returns the library's count; add and extract run from the folder
// `dir`, and the current directory is restored after.
int32_t runAdd(const std::string &dir, const AddRequest &r, Recorder &rec);
int32_t runDelete(const std::string &archive, const std::vector<std::string> &specs, Recorder &rec);
int32_t runExtract(const std::string &dir, const ExtractRequest &r, Recorder &rec);

// A name of a request: exact, or a pattern.
struct RequestName
{
    std::string text;
    bool pattern = false;
};

// A call of the request interface (AmxZipRun1 / AmxUnzRun1, chosen by the
// operation). statedSize is the size the request claims (0: its own); bytes
// past the structure are zero but for `tail` at its last one.
struct RunRequest
{
    int32_t operation = 0;
    int folder = 0;
    std::string archive {};
    std::vector<RequestName> names {};
    uint32_t flags = 0;
    uint32_t statedSize = 0;
    unsigned char tail = 0;
    int32_t encryption = 0; // AMX_ENCRYPT_*
    std::string comment {}; // AMX_OP_COMMENT: the new comment
    bool other = false; // libamxarc (AmxArcRun1): an archive that is not ZIP
};

struct RunOutcome
{
    int32_t status = 0; // what the entry point returned
    int32_t error = 0, done = 0, failed = 0, skipped = 0, cancelled = 0;
};

RunOutcome runRequest(const RunRequest &r, Recorder &rec);

// The paths below dir, sorted, relative to it.
std::vector<std::string> listing(const std::filesystem::path &dir);
// Sets a file's (or a link's own) access and modification time.
void setTime(const std::filesystem::path &p, time_t t);
// Every peer (unzip, 7z, Python's zipfile) must accept the archive.
void expectPeersAccept(const std::string &archive);

} // namespace amxtest
