#include "ScriptVerbs.h"

#include "CurrentFolder.h"
#include "EngineError.h"
#include "ZipEngine.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

const char *const kScriptUsage =
    "usage:\n"
    "  ambermox                  the main window\n"
    "  ambermox ARCHIVE          the main window with the archive open\n"
    "  ambermox -l ARCHIVE       list the members\n"
    "  ambermox -t ARCHIVE       test every member, writing nothing\n"
    "  ambermox -x ARCHIVE [-o FOLDER] [--overwrite] [--pattern] [NAME...]\n"
    "                            extract the members named (all when none)\n"
    "  ambermox -a ARCHIVE [--level N] [--move] [--update|--freshen] PATH...\n"
    "                            add files and folders, each under its own name\n"
    "  ambermox --delete ARCHIVE [--pattern] NAME...\n"
    "                            delete the members named\n"
    "  ambermox -e ARCHIVE       extract beside the archive\n"
    "  ambermox -es ARCHIVE      extract into a folder named after the archive\n"
    "  ambermox -ad FOLDER       add the folder to FOLDER.zip\n"
    "  ambermox --help           this text\n"
    "  ambermox --version        the program's version\n"
    "NAMEs are exact member names; with --pattern * and ? are wildcards.\n"
    "Exit status: 0 success, 1 some members failed, 2 bad usage or an unreadable archive.\n";

namespace {

const std::vector<std::string> kVerbs = { "-t", "-x", "-a", "--delete", "--help", "--version" };

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

    void showNotice(const std::string &text) override
    {
        clearProgress();
        std::fflush(m_out); // after the member lines, also when stdout is a pipe
        std::fprintf(m_err, "%s\n", text.c_str());
    }

    void watch(TZipEngine &engine, uint64_t totalBytes)
    {
        m_total = totalBytes;
        m_start = std::chrono::steady_clock::now();
        engine.setNotices(this);
        engine.FailureCount = 0;
        engine.OnMessage = [this](TZipEngine &, int32_t code, const std::string &text) {
            clearProgress();
            if (code != 0)
                std::fflush(m_out);
            std::fprintf(code == 0 ? m_out : m_err, "%s\n", text.c_str());
        };
        if (!m_tty)
            return;
        engine.OnProgress = [this](TZipEngine &, ProgressType type, const std::string &,
                                int64_t size) {
            if (type == ProgressType::ProgressNewFile && size == 0)
                return;
            if (type == ProgressType::ProgressStep)
                m_done += 32768;
            showProgress();
        };
    }

    // Progress is drawn on a terminal only; elsewhere its total is not needed.
    bool showsProgress() const { return m_tty; }

    void clearProgress()
    {
        if (m_shown)
            std::fprintf(m_err, "\r%40s\r", "");
        m_shown = false;
    }

private:
    void showProgress()
    {
        // A few times a second is enough for a person and cheap for the terminal.
        const auto now = std::chrono::steady_clock::now();
        if (m_shown && now - m_lastShown < std::chrono::milliseconds(100))
            return;
        m_lastShown = now;
        double seconds = std::chrono::duration<double>(now - m_start).count();
        unsigned percent = m_total ? unsigned(std::min<uint64_t>(100, m_done * 100 / m_total)) : 0;
        double rate = seconds > 0 ? double(m_done) / seconds / 1e6 : 0;
        std::fprintf(m_err, "\r%3u%%  %.1f MB/s ", percent, rate);
        std::fflush(m_err);
        m_shown = true;
    }

    std::FILE *m_out;
    std::FILE *m_err;
    bool m_tty;
    bool m_shown = false;
    uint64_t m_total = 0;
    uint64_t m_done = 0;
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
};

// Options may stand anywhere after the verb; the first plain word is the archive.
bool parse(int argc, char **argv, Args &a, std::string &why)
{
    a.verb = argv[1];
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
                (a.archive.empty() ? a.archive : a.names.emplace_back()) = argv[i];
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
        } else if (s.size() > 1 && s[0] == '-')
            return why = "unknown option " + s, false;
        else if (a.archive.empty())
            a.archive = s;
        else
            a.names.push_back(s);
    }
    if (a.archive.empty())
        return why = "no archive named", false;
    if (a.update && a.freshen)
        return why = "--update and --freshen exclude each other", false;
    if (a.verb == "-t" && !a.names.empty())
        return why = "-t takes only the archive", false;
    if ((a.verb == "-a" || a.verb == "--delete") && a.names.empty())
        return why = a.verb + " needs at least one name", false;
    return true;
}

int status(const TZipEngine &engine, int notices)
{
    return engine.FailureCount > 0 || notices > 0 ? 1 : 0;
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
    for (const ZipDirEntry &e : engine.Entries())
        total += e.UncompressedSize64;
    return total;
}

uint64_t pathBytes(const fs::path &p)
{
    std::error_code ec;
    if (!fs::is_directory(p, ec))
        return fs::is_regular_file(p, ec) ? fs::file_size(p, ec) : 0;
    uint64_t total = 0;
    for (auto it = fs::recursive_directory_iterator(p, ec); !ec && it != fs::end(it);
         it.increment(ec))
        if (it->is_regular_file(ec))
            total += it->file_size(ec);
    return total;
}

int addPaths(TZipEngine &engine, CountingConsole &console, const Args &a)
{
    AddOpts opts { AddOptsEnum::AddDirNames, AddOptsEnum::AddRecurseDirs,
        AddOptsEnum::AddHiddenFiles };
    if (a.move)
        opts.insert(AddOptsEnum::AddMove);
    if (a.update)
        opts.insert(AddOptsEnum::AddUpdate);
    if (a.freshen)
        opts.insert(AddOptsEnum::AddFreshen);
    // Each path is added from its own folder, so it is stored under its own
    // name and a folder keeps what lies below it.
    std::map<fs::path, std::vector<std::string>> byFolder;
    uint64_t total = 0;
    for (const std::string &n : a.names) {
        std::error_code ec;
        fs::path p = fs::absolute(n, ec).lexically_normal();
        if (p.has_filename() == false)
            p = p.parent_path();
        if (!fs::exists(p, ec)) {
            console.showNotice(n + ": no such file or folder");
            continue;
        }
        if (console.showsProgress())
            total += pathBytes(p);
        byFolder[p.parent_path()].push_back(escapeSpec(p.filename().string()));
    }
    console.watch(engine, total);
    engine.FailureCount = 0;
    CurrentFolderKeeper keep;
    for (const auto &[folder, specs] : byFolder) {
        if (::chdir(folder.c_str()) != 0) {
            console.showNotice(folder.string() + ": cannot enter the folder");
            continue;
        }
        engine.AddOptions = opts;
        engine.AddCompLevel = a.level;
        engine.FSpecArgs = specs;
        engine.Add();
    }
    return status(engine, console.count);
}

int runVerb(const Args &a, std::FILE *out, std::FILE *err)
{
    CountingConsole console(out, err);
    TZipEngine engine;
    engine.setNotices(&console);
    std::error_code ec;
    const std::string archive = fs::absolute(a.archive, ec).string();
    const bool exists = fs::exists(archive, ec);
    if (!exists && a.verb != "-a") {
        std::fprintf(err, "ambermox: %s: no such archive\n", a.archive.c_str());
        return 2;
    }
    try {
        engine.setZipFilename(archive);
    } catch (const std::exception &e) {
        std::fprintf(err, "ambermox: %s: %s\n", a.archive.c_str(), e.what());
        return 2;
    }
    // A notice while reading means the archive could not be read.
    if (console.count > 0)
        return 2;
    // The libraries follow the directory: without one there is nothing to go by.
    if (!engine.DirectoryDamage().empty()) {
        console.showNotice(engine.DirectoryNotice());
        return 2;
    }
    try {
        if (a.verb == "-a")
            return addPaths(engine, console, a);
        engine.FSpecArgs = specsOf(a);
        console.watch(engine, memberBytes(engine));
        if (a.verb == "-t") {
            engine.Test();
            console.clearProgress();
            // Sound only when the library said so in its closing notice.
            return engine.FailureCount == 0 && console.last == testNotice(engine.SuccessCount, 0)
                ? 0
                : 1;
        }
        if (a.verb == "--delete") {
            engine.Delete();
            return status(engine, console.count);
        }
        engine.ExtrOptions = { ExtrOptsEnum::ExtrDirNames };
        if (a.overwrite)
            engine.ExtrOptions.insert(ExtrOptsEnum::ExtrOverWrite);
        if (!a.folder.empty()) {
            fs::create_directories(a.folder, ec);
            engine.ExtrBaseDir = fs::absolute(a.folder, ec).string();
        }
        engine.Extract();
        console.clearProgress();
        return status(engine, console.count);
    } catch (const std::exception &e) {
        console.clearProgress();
        std::fprintf(err, "ambermox: %s\n", e.what());
        return 1;
    }
}

} // namespace

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
    if (verb == "--help") {
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
