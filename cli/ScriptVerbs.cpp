#include "ScriptVerbs.h"

#include "EngineError.h"
#include "ListVerb.h"
#include "PasswordInput.h"
#include "ZipEngine.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

const char *const kScriptUsage =
    "usage:\n"
    "  ambermox                  the main window\n"
    "  ambermox ARCHIVE          the main window with the archive open\n"
    "  ambermox -l ARCHIVE [--charset NAME] [--verbose]\n"
    "                            list the members; --verbose names the code page\n"
    "  ambermox -t ARCHIVE [--charset NAME] [--password-file FILE]\n"
    "                            test every member, writing nothing\n"
    "  ambermox -x ARCHIVE [-o FOLDER] [--overwrite] [--pattern] [--charset NAME] "
    "[--password-file FILE] [NAME...]\n"
    "                            extract the members named (all when none)\n"
    "  ambermox -a ARCHIVE [--level N] [--move] [--update|--freshen] [--encrypt[=zipcrypto]] "
    "[--password-file FILE] PATH...\n"
    "                            add files and folders, each under its own name;\n"
    "                            --encrypt: AES-256, =zipcrypto the weak cipher of old tools\n"
    "  ambermox -a ARCHIVE --comment-file FILE [PATH...]\n"
    "                            set the archive comment to FILE's bytes (at most 65535)\n"
    "  ambermox -l ARCHIVE --comment\n"
    "                            print the archive comment\n"
    "  ambermox --delete ARCHIVE [--pattern] [--charset NAME] NAME...\n"
    "                            delete the members named\n"
    "  ambermox --rename ARCHIVE OLD NEW\n"
    "                            rename a member, or a folder with every member under it\n"
    "  ambermox -e ARCHIVE       extract beside the archive\n"
    "  ambermox -es ARCHIVE      extract into a folder named after the archive\n"
    "  ambermox -ad FOLDER       add the folder to FOLDER.zip\n"
    "  ambermox -h|--help        this text\n"
    "  ambermox --version        the program's version\n"
    "NAMEs are exact member names; with --pattern * and ? are wildcards, ? one character.\n"
    "--charset NAME reads the names not marked UTF-8 in that code page (CP437, CP866,\n"
    "Windows-1252, Shift-JIS, GBK, ... or any iconv name); without it the code page\n"
    "is detected from all the names together.\n"
    "Passwords are asked on the terminal, without echo, or read from the first line\n"
    "of the --password-file; never from the command line.\n"
    "Exit status: 0 when all that was asked was done; 1 when some members failed or a\n"
    "name matched nothing; 2 on bad usage, an archive that is missing, unreadable or\n"
    "no archive, or an output folder that cannot be written into.\n";

namespace {

const std::vector<std::string> kVerbs = { "-t", "-x", "-a", "--delete", "--rename", "-h", "--help",
    "--version" };

// The most a comment holds: its length is a 16-bit field of the end record.
constexpr uintmax_t kMaxComment = 0xffff;

// The libraries' code for "nothing to do", which the windows take as information:
// here it means that nothing of what was asked was done.
constexpr int32_t kNothingToDo = 19;
// The libraries report one progress step per 32 KiB of a member.
constexpr uint64_t kStepBytes = 32768;

// Problems of the libraries and the engine's notices, counted; a progress
// line on a terminal.
class Console : public EngineNotices
{
public:
    Console(std::FILE *out, std::FILE *err)
        : m_out(out)
        , m_err(err)
        , m_tty(::isatty(::fileno(err)) == 1)
    {
    }

    ~Console() override { clearProgress(); }

    void showNotice(const std::string &text) override
    {
        clearProgress();
        if (isSummary && isSummary(text))
            return print(m_out, text);
        std::fflush(m_out); // after the member lines, also when stdout is a pipe
        print(m_err, text);
    }

    void watch(TZipEngine &engine, uint64_t totalBytes)
    {
        m_total = totalBytes;
        m_start = std::chrono::steady_clock::now();
        engine.setNotices(this);
        engine.FailureCount = 0;
        engine.OnMessage = [this](TZipEngine &, int32_t code, const std::string &text) {
            clearProgress();
            if (code == kNothingToDo)
                ++nothingDone;
            if (code != 0)
                std::fflush(m_out);
            print(code == 0 ? m_out : m_err, text);
        };
        // A verb waits for another writer of its archive only so long, then fails.
        engine.WriterWaitSeconds = kVerbWriterWaitSeconds;
        engine.OnProgress = [this](TZipEngine &, ProgressType type, const std::string &name,
                                int64_t size) {
            if (type == ProgressType::ProgressWait) {
                if (!std::exchange(m_toldWait, true)) {
                    clearProgress();
                    print(m_err, "waiting for another program to finish writing " + name);
                }
                return;
            }
            if (!m_tty)
                return;
            if (type == ProgressType::ProgressTotal) {
                // What this add will write, after what the calls before it wrote.
                m_total = m_membersDone + static_cast<uint64_t>(std::max<int64_t>(size, 0));
                return;
            }
            // Whole members count with their real size; a step is 32 KiB of the current one.
            if (type == ProgressType::ProgressNewFile) {
                m_membersDone += m_memberSize;
                m_memberSize = static_cast<uint64_t>(std::max<int64_t>(size, 0));
                m_memberDone = 0;
                if (size == 0)
                    return;
            } else if (type == ProgressType::ProgressStep) {
                m_memberDone = std::min(m_memberDone + kStepBytes, m_memberSize);
            } else {
                m_membersDone += m_memberSize;
                m_memberSize = m_memberDone = 0;
            }
            showProgress();
        };
    }

    void clearProgress()
    {
        if (m_shown) {
            std::fprintf(m_err, "\r%40s\r", "");
            std::fflush(m_err);
        }
        m_shown = false;
    }

    // Which notice is the closing summary, printed with the member lines.
    std::function<bool(const std::string &)> isSummary;
    // Library messages that said nothing was done.
    int nothingDone = 0;

private:
    // Names from the archive or the disk never reach the terminal raw.
    static void print(std::FILE *to, const std::string &text)
    {
        std::fprintf(to, "%s\n", escapeListText(text).c_str());
    }

    void showProgress()
    {
        // A few times a second is enough for a person and cheap for the terminal.
        const auto now = std::chrono::steady_clock::now();
        if (m_shown && now - m_lastShown < std::chrono::milliseconds(100))
            return;
        m_lastShown = now;
        const double seconds = std::chrono::duration<double>(now - m_start).count();
        std::fprintf(
            m_err, "\r%-24s", progressText(m_membersDone + m_memberDone, m_total, seconds).c_str());
        std::fflush(m_err);
        m_shown = true;
    }

    std::FILE *m_out;
    std::FILE *m_err;
    bool m_tty;
    bool m_shown = false;
    bool m_toldWait = false;
    uint64_t m_total = 0;
    uint64_t m_membersDone = 0; // bytes of the members finished
    uint64_t m_memberSize = 0;
    uint64_t m_memberDone = 0;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastShown;
};

struct Args
{
    std::string verb;
    std::string archive;
    std::string folder;
    std::vector<std::string> names;
    bool overwrite = false, pattern = false, move = false, update = false, freshen = false;
    int level = 9;
    std::string passwordFile; // empty: ask on the terminal
    std::string codePage; // --charset: "" detects
    int32_t encryption = AMX_ENCRYPT_NONE; // -a
    std::string commentFile; // -a: the new archive comment
};

// Options may stand anywhere after the verb; the first plain word is the archive.
bool parse(int argc, char **argv, Args &a, std::string &why)
{
    a.verb = argv[1];
    bool named = false; // an empty archive name is still the archive's
    auto take = [&](const char *word) {
        (named ? a.names.emplace_back() : a.archive) = word;
        named = true;
    };
    for (int i = 2; i < argc; ++i) {
        std::string s = argv[i];
        auto value = [&](std::string &into) {
            if (i + 1 >= argc)
                return false;
            into = argv[++i];
            return true;
        };
        std::string level;
        if (s == "--") {
            for (++i; i < argc; ++i)
                take(argv[i]);
        } else if (s == "-o" && a.verb == "-x") {
            if (!value(a.folder))
                return why = "-o needs a folder", false;
        } else if (s == "--overwrite" && a.verb == "-x")
            a.overwrite = true;
        else if (s == "--pattern" && (a.verb == "-x" || a.verb == "--delete"))
            a.pattern = true;
        else if (s == "--move" && a.verb == "-a")
            a.move = true;
        else if (s == "--update" && a.verb == "-a")
            a.update = true;
        else if (s == "--freshen" && a.verb == "-a")
            a.freshen = true;
        else if (s == "--level" && a.verb == "-a") {
            if (!value(level) || level.size() != 1 || level[0] < '0' || level[0] > '9')
                return why = "--level needs a digit from 0 to 9", false;
            a.level = level[0] - '0';
        } else if ((s == "--charset" || s.rfind("--charset=", 0) == 0) && a.verb != "-a") {
            std::string name;
            if (s.size() > 9)
                name = s.substr(10);
            else if (!value(name))
                return why = "--charset needs a code page", false;
            if (!readCharset(name, a.codePage, why))
                return false;
        } else if (s == "--comment-file" && a.verb == "-a") {
            if (!value(a.commentFile) || a.commentFile.empty())
                return why = "--comment-file needs a file", false;
        } else if (s == "--password-file" && a.verb != "--delete" && a.verb != "--rename") {
            if (!value(a.passwordFile) || a.passwordFile.empty())
                return why = "--password-file needs a file", false;
        } else if ((s == "--encrypt" || s == "--encrypt=aes256") && a.verb == "-a")
            a.encryption = AMX_ENCRYPT_AES256;
        else if (s == "--encrypt=zipcrypto" && a.verb == "-a")
            a.encryption = AMX_ENCRYPT_ZIPCRYPTO;
        else if (s.rfind("--encrypt=", 0) == 0 && a.verb == "-a")
            return why = "--encrypt takes aes256 or zipcrypto", false;
        else if (s.rfind("--password", 0) == 0 || s == "-p" || s.rfind("-P", 0) == 0)
            // Anyone may read a command line in the process list.
            return why = s + ": no password on the command line; use --password-file or the prompt",
                   false;
        else if (s.size() > 1 && s[0] == '-')
            return why = "unknown option " + s, false;
        else
            take(argv[i]);
    }
    if (!named)
        return why = "no archive named", false;
    if (a.update && a.freshen)
        return why = "--update and --freshen exclude each other", false;
    if (a.verb == "-t" && !a.names.empty())
        return why = "-t takes only the archive", false;
    if (((a.verb == "-a" && a.commentFile.empty()) || a.verb == "--delete") && a.names.empty())
        return why = a.verb + " needs at least one name", false;
    if (a.verb == "--rename" && a.names.size() != 2)
        return why = "--rename needs the old name and the new one", false;
    if (a.verb == "-a" && !a.passwordFile.empty() && a.encryption == AMX_ENCRYPT_NONE)
        return why = "--password-file with -a needs --encrypt", false;
    return true;
}

// Counts notices so that a refused operation fails the verb.
class CountingConsole : public Console
{
public:
    using Console::Console;
    void showNotice(const std::string &text) override
    {
        ++count;
        last = text;
        Console::showNotice(text);
    }
    int count = 0;
    std::string last;
};

int status(const TZipEngine &engine, const CountingConsole &console)
{
    return engine.FailureCount > 0 || console.count > 0 || console.nothingDone > 0 ? 1 : 0;
}

std::vector<std::string> specsOf(const Args &a)
{
    std::vector<std::string> specs;
    for (const std::string &n : a.names)
        specs.push_back(a.pattern ? n : escapeSpec(n));
    return specs;
}

uint64_t memberBytes(const TZipEngine &engine)
{
    uint64_t total = 0;
    for (const ArchiveMember &m : engine.Entries())
        total += m.size;
    return total;
}

// Whether the path as written ends in a name: ".", ".." and "dir/.." name a
// folder without one, and add what the folder holds (as zip -r and bsdtar do).
bool hasOwnName(const std::string &path)
{
    fs::path given = fs::path(path).lexically_normal();
    if (!given.has_filename() && given.has_relative_path())
        given = given.parent_path(); // "dir/" is "dir"
    const std::string last = given.filename().string();
    return !last.empty() && last != "." && last != "..";
}

// The folder as the verb sees it: absolute, without "." and "..".
fs::path folderPath(const std::string &path)
{
    std::error_code ec;
    fs::path p = fs::absolute(path, ec).lexically_normal();
    if (!p.has_filename() && p.has_relative_path())
        p = p.parent_path();
    return p;
}

// Empty names match nothing; they are told once and dropped. False when
// nothing but empty names was given, so that nothing is left to do.
bool dropEmptyNames(Args &a, CountingConsole &console)
{
    const auto empty = std::remove(a.names.begin(), a.names.end(), std::string());
    if (empty == a.names.end())
        return true;
    a.names.erase(empty, a.names.end());
    console.showNotice("an empty name matches nothing");
    return !a.names.empty();
}

// Where -x writes, made when missing: why it cannot be, or "".
std::string outputFolderProblem(const std::string &folder)
{
    std::error_code ec;
    if (fs::exists(folder, ec) && !fs::is_directory(folder, ec))
        return folder + " is not a folder";
    if (!fs::is_directory(folder, ec) && !fs::create_directories(folder, ec) && ec)
        return "cannot create " + folder + ": " + ec.message();
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return "cannot write into " + folder + ": " + std::strerror(errno);
    return {};
}

// The comment's bytes, read whole; false, with why, when FILE cannot be
// read or holds more than a comment can.
bool readCommentFile(const std::string &file, std::string &comment, std::string &why)
{
    std::error_code ec;
    const uintmax_t size = fs::file_size(file, ec);
    if (ec)
        return why = file + ": " + ec.message(), false;
    if (size > kMaxComment)
        return why = file + ": " + std::to_string(size)
                   + " bytes; an archive comment holds at most 65535",
               false;
    std::FILE *f = std::fopen(file.c_str(), "rb");
    if (!f)
        return why = file + ": " + std::strerror(errno), false;
    comment.assign(size_t(size), '\0');
    const size_t got = std::fread(comment.data(), 1, comment.size(), f);
    const bool more = std::fgetc(f) != EOF;
    std::fclose(f);
    if (got != comment.size() || more)
        return why = file + ": changed while it was read", false;
    return true;
}

using PasswordKind = amx::PasswordAnswer::Kind;

// Extract and test: the file's password for every member, or the terminal's
// answer for each member no earlier answer opens. An empty answer, the end of
// input or no terminal at all skips the member.
void answerPasswords(
    TZipEngine &engine, CountingConsole &console, const std::optional<amx::SecretText> &fromFile)
{
    engine.OnPassword = [&console, &fromFile](TZipEngine &, const std::string &member,
                            int attempt) -> amx::PasswordAnswer {
        if (fromFile) {
            if (attempt > 0)
                return { PasswordKind::Skip, {} };
            return { PasswordKind::Password, *fromFile };
        }
        console.clearProgress();
        const std::string name = escapeListText(member);
        if (attempt > 0)
            tellOnTerminal("Wrong password for " + name);
        amx::SecretText answer;
        if (!askOnTerminal("Password for " + name + ": ", answer) || answer.size() == 0)
            return { PasswordKind::Skip, {} };
        return { PasswordKind::Password, std::move(answer) };
    };
}

// The password an encrypting add writes with: the file's, or typed twice.
// False, told, when there is none.
bool encryptionPassword(const Args &a, CountingConsole &console,
    const std::optional<amx::SecretText> &fromFile, amx::SecretText &password)
{
    if (fromFile) {
        password = *fromFile;
    } else {
        amx::SecretText again;
        const std::string name = escapeListText(a.archive);
        if (!askOnTerminal("Password for " + name + ": ", password)) {
            console.showNotice(
                "no password for " + a.archive + ": no terminal to ask on; use --password-file");
            return false;
        }
        if (!askOnTerminal("Repeat the password: ", again) || again.view() != password.view()) {
            console.showNotice("the passwords do not match; nothing added");
            return false;
        }
    }
    if (password.size() == 0) {
        console.showNotice("an empty password protects nothing; nothing added");
        return false;
    }
    return true;
}

// Which file the archive's name stands for: a rewrite puts a new one there.
struct ArchiveIdentity
{
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    struct timespec ctime = {};
    bool operator==(const ArchiveIdentity &o) const
    {
        return exists == o.exists && dev == o.dev && ino == o.ino && ctime.tv_sec == o.ctime.tv_sec
            && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

ArchiveIdentity archiveIdentity(const std::string &path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return { true, st.st_dev, st.st_ino, st.st_ctim };
}

int addPaths(TZipEngine &engine, CountingConsole &console, Args a,
    const std::optional<amx::SecretText> &fromFile)
{
    if (a.encryption != AMX_ENCRYPT_NONE) {
        amx::SecretText password;
        if (!encryptionPassword(a, console, fromFile, password))
            return 1;
        engine.AddEncryption = a.encryption;
        engine.OnPassword = [password](TZipEngine &, const std::string &, int) {
            return amx::PasswordAnswer { PasswordKind::Password, password };
        };
    }
    AddOpts opts { AddOptsEnum::AddDirNames, AddOptsEnum::AddRecurseDirs,
        AddOptsEnum::AddHiddenFiles };
    if (a.move)
        opts.insert(AddOptsEnum::AddMove);
    if (a.update)
        opts.insert(AddOptsEnum::AddUpdate);
    if (a.freshen)
        opts.insert(AddOptsEnum::AddFreshen);
    if (!dropEmptyNames(a, console))
        return 1;
    // Each path is added from its own folder, so it is stored under its own
    // name and a folder keeps what lies below it.
    std::map<fs::path, std::vector<std::string>> byFolder;
    for (const std::string &n : a.names) {
        const fs::path p = folderPath(n);
        std::error_code ec;
        if (!fs::exists(p, ec)) {
            console.showNotice(n + ": no such file or folder");
            continue;
        }
        if (hasOwnName(n))
            byFolder[p.parent_path()].push_back(escapeSpec(p.filename().string()));
        else
            byFolder[p].push_back(".");
    }
    // The library tells the total once it has found the files.
    console.watch(engine, 0);
    engine.FailureCount = 0;
    // The sources of a move go only once the new archive is in place: while
    // the archive is the one it was, none of them was touched, and a failed
    // move says so.
    const ArchiveIdentity before = archiveIdentity(a.archive);
    auto failed = [&](int code) {
        if (a.move && code != 0 && archiveIdentity(a.archive) == before)
            console.showNotice(a.archive + ": not changed, so no source file was deleted");
        return code;
    };
    for (const auto &[folder, specs] : byFolder) {
        if (!amx::FolderHandle::open(folder).valid()) {
            console.showNotice(folder.string() + ": cannot enter the folder");
            continue;
        }
        engine.AddBaseDir = folder.string();
        engine.AddOptions = opts;
        engine.AddCompLevel = a.level;
        engine.FSpecArgs = specs;
        engine.Add();
        if (engine.LastResult().cancelled)
            return failed(1);
    }
    console.clearProgress();
    return failed(status(engine, console));
}

int runVerb(Args a, std::FILE *out, std::FILE *err)
{
    auto refuse = [&](const std::string &what, const std::string &why) {
        std::fprintf(
            err, "ambermox: %s: %s\n", escapeListText(what).c_str(), escapeListText(why).c_str());
        return 2;
    };
    if (a.archive.empty()) {
        std::fprintf(err, "ambermox: an empty name names no archive\n");
        return 2;
    }
    // Not the whole file system: "/" has no name to store its members under.
    if (a.verb == "-a")
        for (const std::string &n : a.names)
            if (!n.empty() && folderPath(n).relative_path().empty())
                return refuse(n, "the root folder is not added; name the folders in it");

    std::optional<amx::SecretText> fromFile;
    if (!a.passwordFile.empty()) {
        std::string why;
        if (!readPasswordFile(a.passwordFile, fromFile.emplace(), why)) {
            std::fprintf(err, "ambermox: %s\n", escapeListText(why).c_str());
            return 2;
        }
    }

    CountingConsole console(out, err);
    TZipEngine engine;
    engine.setNotices(&console);
    std::error_code ec;
    const std::string archive = fs::absolute(a.archive, ec).string();
    std::optional<std::string> comment;
    if (!a.commentFile.empty()) {
        std::string why;
        if (!readCommentFile(a.commentFile, comment.emplace(), why)) {
            std::fprintf(err, "ambermox: %s\n", escapeListText(why).c_str());
            return 2;
        }
    }
    // Only an add without --freshen makes an archive that is not there yet.
    if (!fs::exists(archive, ec)) {
        if (a.verb != "-a" || a.freshen || a.names.empty())
            return refuse(a.archive, "no such archive");
    } else if (const std::string problem = archivePathProblem(archive); !problem.empty()) {
        return refuse(a.archive, problem);
    }
    engine.NameCodePage = a.codePage;
    // Extraction and the test read the whole archive themselves; the list
    // here only has to know that it can be read.
    engine.QuickOtherListing = a.verb == "-x" || a.verb == "-t";
    // A move that ends before anything was written has deleted no source.
    auto unread = [&](int code) {
        if (a.verb == "-a" && a.move)
            console.showNotice(a.archive + ": not changed, so no source file was deleted");
        return code;
    };
    try {
        engine.setZipFilename(archive);
    } catch (const std::exception &e) {
        return unread(refuse(a.archive, e.what()));
    }
    // A notice while reading means the archive could not be read.
    if (console.count > 0)
        return unread(2);
    // The libraries follow the directory: without one there is nothing to go by.
    if (!engine.DirectoryDamage().empty()) {
        console.showNotice(engine.DirectoryNotice());
        return unread(2);
    }
    // Archives read through libarchive are never written.
    const bool writes = a.verb == "-a" || a.verb == "--delete" || a.verb == "--rename";
    if (!engine.IsZip() && writes)
        return refuse(a.archive, "only ZIP archives can be changed");
    if (engine.IsSplit() && writes)
        return refuse(a.archive, "an archive in parts cannot be changed");
    // An empty file holds nothing to lose: an add makes it the archive.
    if (engine.EntryCount() == 0 && fs::exists(archive, ec)
        && !(a.verb == "-a" && fs::file_size(archive, ec) == 0) && holdsNoArchive(archive))
        return refuse(a.archive, "not a ZIP archive");
    try {
        if (a.verb == "-a") {
            // The library reads the directory itself: the list read above goes
            // before it holds its own, and is not read back after the change.
            if (!a.names.empty())
                engine.useArchive(archive);
            const int added = a.names.empty() ? 0 : addPaths(engine, console, a, fromFile);
            if (added != 0 || !comment)
                return added;
            console.watch(engine, 0);
            engine.SetComment(*comment);
            return engine.SuccessCount == 1 ? status(engine, console) : 1;
        }
        if (a.verb == "--rename") {
            console.watch(engine, 0);
            // As for a delete: the list read above goes before the library
            // holds its own, and is not read back after.
            engine.useArchive(archive);
            engine.Rename({ { a.names[0], a.names[1] } });
            return engine.SuccessCount > 0 ? status(engine, console) : 1;
        }
        if (!dropEmptyNames(a, console))
            return 1;
        if (a.verb == "-x") {
            const std::string folder = a.folder.empty() ? "." : a.folder;
            if (const std::string why = outputFolderProblem(folder); !why.empty()) {
                std::fprintf(err, "ambermox: %s\n", escapeListText(why).c_str());
                return 2;
            }
        }
        engine.FSpecArgs = specsOf(a);
        console.watch(engine, memberBytes(engine));
        // The libraries read the directory themselves: this copy of it goes
        // before they hold theirs, and a delete does not read it back.
        engine.useArchive(archive);
        answerPasswords(engine, console, fromFile);
        if (a.verb == "-t") {
            // The closing count belongs with the member lines, as unzip -t has it.
            console.isSummary = [&engine](const std::string &text) {
                return text == testNotice(engine.SuccessCount, engine.FailureCount);
            };
            engine.Test();
            console.clearProgress();
            // Sound only when the library went through the archive and found nothing damaged.
            const amx::OperationResult &r = engine.LastResult();
            return r.ran && r.failed == 0 && r.error == 0 && !r.cancelled ? 0 : 1;
        }
        if (a.verb == "--delete") {
            engine.Delete();
            console.clearProgress();
            return status(engine, console);
        }
        engine.ExtrOptions = { ExtrOptsEnum::ExtrDirNames };
        if (a.overwrite)
            engine.ExtrOptions.insert(ExtrOptsEnum::ExtrOverWrite);
        if (!a.folder.empty())
            engine.ExtrBaseDir = fs::absolute(a.folder, ec).string();
        engine.Extract();
        console.clearProgress();
        return status(engine, console);
    } catch (const std::exception &e) {
        console.clearProgress();
        std::fprintf(err, "ambermox: %s\n", escapeListText(e.what()).c_str());
        return 1;
    }
}

} // namespace

std::string progressText(uint64_t done, uint64_t total, double seconds)
{
    const auto percent = unsigned(total ? std::min<uint64_t>(100, done * 100 / total) : 0);
    char text[64];
    // The first moments say nothing about the rate: a few bytes in no time.
    if (seconds < 0.5)
        std::snprintf(text, sizeof text, "%3u%%", percent);
    else
        std::snprintf(text, sizeof text, "%3u%%  %.1f MB/s", percent, double(done) / seconds / 1e6);
    return text;
}

std::string windowCommandLineProblem(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i == 1 && (arg == "-e" || arg == "-es" || arg == "-ad")) {
            if (argc < 3)
                return arg + (arg == "-ad" ? " needs a folder" : " needs an archive");
            ++i; // the path, whatever it looks like: the file manager gives it
            continue;
        }
        if (arg.empty() || arg[0] != '-')
            continue;
        if (arg == "-l" || arg == "-e" || arg == "-es" || arg == "-ad" || isScriptVerb(arg.c_str()))
            return arg + " must come first";
        return "unknown option " + arg;
    }
    return {};
}

bool isScriptVerb(const char *option)
{
    for (const std::string &v : kVerbs)
        if (v == option)
            return true;
    return false;
}

int runScriptVerb(int argc, char **argv, std::FILE *out, std::FILE *err)
{
    const std::string verb = argv[1];
    if (verb == "--help" || verb == "-h") {
        std::fputs(kScriptUsage, out);
        return 0;
    }
    if (verb == "--version") {
        std::fprintf(out, "ambermox %s\n", AMX_PROGRAM_VERSION);
        return 0;
    }
    Args a;
    std::string why;
    if (!parse(argc, argv, a, why)) {
        std::fprintf(err, "ambermox: %s\n%s", why.c_str(), kScriptUsage);
        return 2;
    }
    return runVerb(a, out, err);
}
