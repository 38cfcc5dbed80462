// TZipEngine: the archive engine. Reads an archive's directory itself and runs
// add, delete and extract through the two compression libraries. No Qt here.
#pragma once

#include "ArchiveMember.h"
#include "EngineError.h"
#include "Operation.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A small bit set over an enumeration whose values are bit numbers.
template <typename E> class EnumSet
{
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> items)
    {
        for (E e : items)
            insert(e);
    }
    constexpr bool contains(E e) const { return m_bits & bit(e); }
    constexpr void insert(E e) { m_bits |= bit(e); }
    constexpr void erase(E e) { m_bits &= ~bit(e); }
    constexpr void clear() { m_bits = 0; }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr uint32_t bits() const { return m_bits; }
    constexpr bool operator==(const EnumSet &) const = default;

private:
    static constexpr uint32_t bit(E e) { return 1u << static_cast<unsigned>(e); }
    uint32_t m_bits = 0;
};

enum class AddOptsEnum : uint8_t {
    AddDirNames = 0,
    AddRecurseDirs = 1,
    AddMove = 2,
    AddFreshen = 3,
    AddUpdate = 4,
    AddZipTime = 5,
    AddForceDOS = 6,
    AddHiddenFiles = 7
};
enum class ExtrOptsEnum : uint8_t {
    ExtrDirNames = 0,
    ExtrOverWrite = 1,
    ExtrFreshen = 2,
    ExtrUpdate = 3
};
using AddOpts = EnumSet<AddOptsEnum>;
using ExtrOpts = EnumSet<ExtrOptsEnum>;

// How long the command-line verbs wait for another writer of their archive.
inline constexpr int kVerbWriterWaitSeconds = 30;

// A real name made safe to pass as a specification: the libraries read '*'
// and '?' as wildcards and a backslash as their escape, so each is escaped.
std::string escapeSpec(const std::string &name);

// The closing notice of a test: "No errors detected in N members." or the
// count of damaged members.
std::string testNotice(int32_t sound, int32_t damaged);

// Whether a library message with this error code reports a failure. A file
// kept because it exists, a hidden file left out, "nothing to do" and a
// cancel the user asked for are not failures.
bool isFailureMessage(int32_t errCode);

class TZipEngine;
using TNotifyEvent = std::function<void(TZipEngine &sender)>;
using TProgressEvent = std::function<void(
    TZipEngine &sender, ProgressType progrType, const std::string &filename, int64_t fileSize)>;
using TMessageEvent =
    std::function<void(TZipEngine &sender, int32_t errCode, const std::string &message)>;
// Asked for the password of an encrypted member (Extract, Test), or of the
// members an encrypting Add writes (`member` is then the archive); attempt
// 1, 2, ... after wrong ones. The answer holds for the rest of that
// operation only.
using TPasswordEvent =
    std::function<amx::PasswordAnswer(TZipEngine &sender, const std::string &member, int attempt)>;
using TPrepareEvent = std::function<bool(TZipEngine &sender)>;

// Where the engine shows its plain notices ("No valid zip entries found",
// "Error - no files to zip", ...). The application routes them to a message box.
class EngineNotices
{
public:
    virtual ~EngineNotices() = default;
    virtual void showNotice(const std::string &text) = 0;
};

// Where the library call of an operation runs. Without a host it runs on
// the caller's thread. A window's host runs it on a worker thread and keeps
// painting meanwhile; the engine then brings the password question, the
// notices and the wait for another writer back to the caller's thread
// through callHome, while progress and messages reach their handlers on the
// worker (they must only hand them on, under a lock).
class OperationHost
{
public:
    virtual ~OperationHost() = default;
    // Runs work and returns when it is done; what it throws is thrown here.
    virtual void run(const std::function<void()> &work) = 0;
    // From inside work: runs fn on the thread that called run and returns
    // when it is done.
    virtual void callHome(const std::function<void()> &fn) = 0;
};

class TZipEngine
{
public:
    TZipEngine();
    ~TZipEngine();
    TZipEngine(const TZipEngine &) = delete;
    TZipEngine &operator=(const TZipEngine &) = delete;

    bool Verbose = false;
    bool Trace = false;
    // Where Extract writes; empty: the current folder. Opened once per
    // operation and handed to the library, never entered.
    std::string ExtrBaseDir;
    // Where the FSpecArgs of an Add start; empty: the current folder.
    std::string AddBaseDir;
    // Set from the window's thread while the library works on another.
    std::atomic<bool> CancelRequested = false;
    bool ZipLibBusy = false;
    bool UnzipLibBusy = false;
    AddOpts AddOptions;
    ExtrOpts ExtrOptions;
    std::vector<std::string> FSpecArgs;
    int32_t SuccessCount = 0;
    // Library messages that reported a failure during the last Test.
    int32_t FailureCount = 0;
    int32_t AddCompLevel = 9;
    // AMX_ENCRYPT_*: how Add encrypts the members it writes, with the
    // password OnPassword gives (without one the Add ends as cancelled).
    int32_t AddEncryption = AMX_ENCRYPT_NONE;
    // How long Add and Delete wait for another program writing the same
    // archive before they give up with a notice naming it; 0 waits until
    // cancelled.
    int WriterWaitSeconds = 0;

    // The code page of member names not marked UTF-8: "" detects it from
    // all the names (NameCodec.h), "UTF-8" or a code page iconv knows
    // chooses it. List and every operation read the names this way.
    std::string NameCodePage;
    // The code page the window chose for an archive ("" automatic): every
    // engine of the process that reads that archive without a NameCodePage
    // of its own takes it, so that every operation reads the names alike.
    static void chooseNameCodePage(const std::string &archive, const std::string &codePage);
    static std::string chosenNameCodePage(const std::string &archive);
    // NameCodePage, else the choice for the archive.
    std::string effectiveNameCodePage() const;

    TNotifyEvent OnDirUpdate;
    TProgressEvent OnProgress;
    TMessageEvent OnMessage;
    // Unset: encrypted members are skipped, and an encrypting Add is cancelled.
    TPasswordEvent OnPassword;
    // Run by the next Add in the library's own job, just before the library:
    // on the host's worker thread when there is a host, so that slow
    // preparation (measuring the files to add) leaves the window alive and
    // cancellable. Returning false ends the Add as cancelled without calling
    // the library; what it throws, the Add throws. Each Add uses it up.
    TPrepareEvent OnAddStart;
    // True once the running operation was asked to stop (by its cancel
    // request or because the window closes); for work done on its behalf.
    bool stopRequested() const;

    // Stores the name and re-reads the archive (even when unchanged).
    // Throws EngineError for a damaged archive; OnDirUpdate has fired by then.
    // An existing path that is not a regular file (or a link to one) throws
    // "<path> is not a regular file" before anything is read; a folder lists
    // as no archive.
    void setZipFilename(const std::string &name);
    // Names the archive the next operation works on without reading its
    // directory: for an engine that only runs operations, since the libraries
    // read the directory themselves. Entries stay empty, and Add and Delete
    // do not read the changed archive back.
    void useArchive(const std::string &name);
    const std::string &ZipFilename() const { return m_zipFilename; }

    // Rebuilds Entries from the archive file; see setZipFilename.
    void List();
    // Swaps listings with other: the archive's name, Entries and all that
    // List found. The entries keep their storage, so whatever points into
    // them follows them to this engine.
    void swapListing(TZipEngine &other) noexcept;

    // After List: how many members the walk of the local headers and the
    // central directory (which extraction follows) disagree on; 0 when the
    // directory cannot be read.
    int DirectoryMismatchCount() const { return m_directoryMismatchCount; }
    // After List: why the central directory cannot be read, or "".
    const std::string &DirectoryDamage() const { return m_directoryDamage; }
    // The notice for a damaged directory or a disagreement ("" when neither).
    std::string DirectoryNotice() const;
    // After List: the code page the names without bit 11 were read in, as
    // chosen or detected ("UTF-8" when every name is UTF-8).
    const std::string &ListedCodePage() const { return m_nameCodePage; }
    // After List: ZIP, or another format read through libarchive. Only ZIP
    // archives can be changed (add, delete, rename, comment, self-extractor).
    ArchiveFormat Format() const { return m_format; }
    bool IsZip() const { return m_format == ArchiveFormat::Zip; }
    // After List: a ZIP archive in parts (name.zip.001 ..., or name.z01 ...
    // name.zip), read as one and never written.
    bool IsSplit() const { return m_split; }
    // Listing an archive that is not ZIP stops after its first member: for a
    // caller that hands the whole archive to a library, which reads it again
    // anyway. A compressed tar is only read by decompressing it to its end.
    bool QuickOtherListing = false;
    // The other format's short name with its compression ("tar.xz", "7z", "ISO").
    const std::string &FormatName() const { return m_formatName; }

    // 0 when no archive is named, else the number of members read.
    int EntryCount() const;
    const std::vector<ArchiveMember> &Entries() const { return m_entries; }
    // Hands the entries over (the engine is left with none), for a caller
    // that only needs them once and not beside its own copy.
    std::vector<ArchiveMember> takeEntries()
    {
        std::vector<ArchiveMember> out;
        out.swap(m_entries);
        return out;
    }

    // Library operations: synchronous, report through SuccessCount, the
    // events and notices. They throw what the re-listing throws, and an
    // exception an event handler raised during the call (after clean-up).
    void Add();
    void Delete();
    void Extract();
    // Inflates and checks the members (FSpecArgs, none for all) without
    // writing anything, when the extraction library can; ends with a notice
    // (testNotice) unless cancelled. SuccessCount: members found sound.
    void Test();
    // Renames members: each pair is an exact member name, or a folder (every
    // member under it), and its new name. All or nothing; SuccessCount:
    // members renamed.
    void Rename(const std::vector<std::pair<std::string, std::string>> &pairs);
    // Replaces the archive comment (bytes, at most 65535); SuccessCount 1
    // when written.
    void SetComment(const std::string &comment);
    // After List: the archive comment as stored (bytes), "" when none.
    const std::string &Comment() const { return m_comment; }
    // The comment as text (UTF-8), decoded as member names are.
    std::string CommentText() const;
    // True while any engine of the process is inside Add, Delete, Extract or Test:
    // the windows pump events meanwhile, and nothing may start another
    // operation or change the open archive under it.
    static bool anyOperationRunning();
    // What came of the last Add, Delete, Extract or Test: members done,
    // failed and skipped, and why. Empty (not ran) when it was refused.
    const amx::OperationResult &LastResult() const { return m_lastResult; }

    // The host of every engine's operations (null: on the caller's thread).
    static void setDefaultHost(OperationHost *host);
    // Runs work as the host runs an operation's library call, counted as an
    // operation meanwhile (anyOperationRunning), so that nothing starts
    // another or changes the archive under it. What it throws is thrown here.
    static void runHostedWork(const std::function<void()> &work);
    // Asks every operation running now, and every one started until
    // allowOperations, to stop at its next event: the window is closing.
    static void stopAllOperations();
    static void allowOperations();

    // Notices of every engine without a sink of its own.
    static void setDefaultNotices(EngineNotices *sink);
    void setNotices(EngineNotices *sink) { m_notices = sink; }
    void notice(const std::string &text);

private:
    std::string m_zipFilename;
    bool m_listing = true; // Entries follow the archive; see useArchive
    std::vector<ArchiveMember> m_entries;
    int m_directoryMismatchCount = 0;
    std::string m_directoryDamage;
    std::string m_nameCodePage;
    std::string m_comment;
    EngineNotices *m_notices = nullptr;
    ArchiveFormat m_format = ArchiveFormat::Zip;
    bool m_split = false;
    std::string m_formatName;
    std::string m_streamDamage; // why an archive that is not ZIP ends early
    // Lists an archive that is not ZIP (OtherDirReader.cpp); returns why it
    // could not be read to its end, or "".
    std::string listOther(int fd);

    // The request of an operation, its sinks bound to this engine's events
    // (ZipOperations.cpp), and the wait for another writer (ZipCallback.cpp).
    amx::OperationRequest request(amx::OperationKind kind, int folder);
    // start: OnAddStart as an Add took it.
    void runZipLibrary(bool deleting, const TPrepareEvent &start = {});
    // Tells and returns true when the archive is one libarchive reads.
    bool refuseOtherFormat();
    void runEdit(
        amx::OperationKind kind, std::vector<amx::MemberName> names, const std::string &comment);
    void waitingForWriter(const std::string &archive);
    std::optional<std::chrono::steady_clock::time_point> m_waitStart; // of this Add or Delete
    amx::OperationResult m_lastResult;
    // The host the operation under way runs on (null: this thread).
    OperationHost *m_host = nullptr;
    // fn on the thread that started the operation; what it throws is thrown here.
    void atHome(const std::function<void()> &fn);
    // before runs in the same job, first; false skips the library (cancelled).
    amx::OperationResult runHosted(
        const amx::OperationRequest &request, const std::function<bool()> &before = {});
};
