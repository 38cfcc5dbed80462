// One library operation as a value: what to open, the folder it works in,
// which members, the options and where its events go; and what came of it.
// runOperation runs any of them. No Qt here.
#pragma once

#include "AmxRequest.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ProgressType {
    ProgressNewFile = 0,
    ProgressStep = 1,
    ProgressEnd = 2,
    // An add or delete waits for another program to finish writing the
    // archive (Filename: the archive); repeated while it waits. Cancelling
    // then leaves the archive as the other program made it.
    ProgressWait = 3,
    // An add's bytes to write (size): those found so far while it looks for
    // the files, then all of them, before the first new file.
    ProgressTotal = 4
};

namespace amx {

// An open folder, closed with its owner. Operations take folders this way,
// never through the process's current folder, which other threads share.
class FolderHandle
{
public:
    FolderHandle() = default;
    ~FolderHandle();
    FolderHandle(FolderHandle &&other) noexcept;
    FolderHandle &operator=(FolderHandle &&other) noexcept;
    FolderHandle(const FolderHandle &) = delete;
    FolderHandle &operator=(const FolderHandle &) = delete;

    // The folder at path (relative to the current folder), or an invalid
    // handle when it cannot be opened as a folder; errno tells why.
    static FolderHandle open(const std::string &path);
    bool valid() const { return m_fd >= 0; }
    // The descriptor, or AMX_CURRENT_FOLDER for an invalid handle.
    int fd() const { return m_fd >= 0 ? m_fd : AMX_CURRENT_FOLDER; }

private:
    int m_fd = -1;
};

enum class OperationKind {
    Add,
    Delete,
    Extract,
    Test,
    Rename, // members: pairs of exact names, the old one and the new one
    Comment // the archive comment becomes `comment`
};

// The operations that write the archive (the ZIP library's).
inline bool writesArchive(OperationKind kind)
{
    return kind == OperationKind::Add || kind == OperationKind::Delete
        || kind == OperationKind::Rename || kind == OperationKind::Comment;
}

// Text wiped from memory when it goes (a password on its way to a library).
// Copies are wiped too; moving hands the one buffer over.
class SecretText
{
public:
    SecretText() = default;
    explicit SecretText(std::string_view text);
    SecretText(const SecretText &other);
    SecretText &operator=(const SecretText &other);
    SecretText(SecretText &&other) noexcept;
    SecretText &operator=(SecretText &&other) noexcept;
    ~SecretText();

    std::string_view view() const { return { m_data ? m_data.get() : "", m_size }; }
    size_t size() const { return m_size; }

private:
    void wipe();
    std::unique_ptr<char[]> m_data;
    size_t m_size = 0;
};

// The answer to the question for a password.
struct PasswordAnswer
{
    enum class Kind {
        Password, // `password` is the answer ("" is one too)
        Skip, // none for this member (an add: none, it ends as cancelled)
        SkipAll // none for any member: the encrypted ones are skipped without asking again
    };
    Kind kind = Kind::Skip;
    SecretText password;
    // Extract, test: the password opens this member only; the library does
    // not try it on later members, which ask again.
    bool thisMemberOnly = false;
};

// A member name, or for an add a path: exact (no character is special) or a
// pattern ('*', '?', a backslash escaping).
struct MemberName
{
    std::string text;
    bool pattern = false;
};

struct OperationSinks
{
    std::function<void(ProgressType type, const std::string &name, int64_t size)> progress;
    // A library message; subject is the member or file it is about ("" for the call).
    std::function<void(int32_t code, const std::string &text, const std::string &subject)> message;
    // Asked at every event: true stops the operation.
    std::function<bool()> cancel;
    // The password for an encrypted member (extract, test), or for the
    // members an encrypting add writes (`member` is then the archive). The
    // library keeps a given password for the rest of its call only, and asks
    // again (attempt 1, 2, ...) after a wrong one. Unset: there is none.
    std::function<PasswordAnswer(const std::string &member, int attempt)> password;
    // Plain notices of the runner: a library missing, crashed, unable to test.
    std::function<void(const std::string &text)> notice;
};

struct OperationRequest
{
    OperationKind kind = OperationKind::Extract;
    std::string archive; // relative paths start at the folder
    // Where relative paths resolve (files to add, members written): an open
    // descriptor the caller keeps, or AMX_CURRENT_FOLDER.
    int folder = AMX_CURRENT_FOLDER;
    std::vector<MemberName> members; // none: every member for extract and test
    uint32_t flags = 0; // AMX_FLAG_*
    int32_t level = 9;
    // Add: AMX_ENCRYPT_*; the password comes from the password sink.
    int32_t encryption = AMX_ENCRYPT_NONE;
    std::string nameCodePage; // empty: automatic
    std::string comment; // Comment: the new archive comment, as bytes
    bool trace = false; // tell when a library is loaded
    // Set while the operation runs; an operation finding it set does not start.
    bool *busy = nullptr;
    OperationSinks sinks;
};

// A member that failed or was left alone, and why.
struct MemberProblem
{
    std::string member;
    int32_t code = 0;
    std::string text;
};

struct OperationResult
{
    // The library was loaded and its entry point looked for (the request's
    // names are used up); false when nothing was started or the library
    // does not know the operation.
    bool reached = false;
    // The library was called and carried the request out as far as it could.
    bool ran = false;
    int32_t done = 0;
    int32_t failed = 0;
    int32_t skipped = 0;
    int32_t error = 0; // the AMX_ERROR_* that ended the whole call early
    bool cancelled = false;
    std::vector<MemberProblem> failures;
    std::vector<MemberProblem> skips;
    // Thrown by a sink inside the library call; rethrowHandlerError passes it on.
    std::exception_ptr handlerError;
    void rethrowHandlerError();
};

// Runs the request: the busy rule, the library loaded for the call, the
// contained call, the events to the sinks (a sink's exception stops the
// library and is kept in the result), and the clean-up.
OperationResult runOperation(const OperationRequest &request);

// True while any operation of the process runs: windows pump events
// meanwhile, and nothing may start another or change the open archive.
bool anyOperationRunning();

// Sees every event of every operation before its sinks, on the operation's
// thread: a place for a log of all operations, and for tests. One at a time;
// an empty function removes it.
using OperationTap = std::function<void(const OperationRequest &request, int32_t action)>;
void setOperationTap(OperationTap tap);

// True while context belongs to an operation inside its library call: the
// callback accepts events only from those, so a stray one reaches no one.
bool isOperationInLibraryCall(const void *context);

} // namespace amx
