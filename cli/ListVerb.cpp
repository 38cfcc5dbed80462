#include "ListVerb.h"

#include "FileRows.h"

#include "CentralDirectory.h"
#include "IniValue.h"
#include "NameCodec.h"
#include "ZipEngine.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Code points that move the cursor, end a line or reorder what follows.
bool isUnsafeCodePoint(uint32_t cp)
{
    return (cp >= 0x80 && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029
        || (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

class CollectNotices : public EngineNotices
{
public:
    void showNotice(const std::string &text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

} // namespace

std::string escapeListText(std::string_view utf8)
{
    // Most names are plain printable ASCII and come out as they are.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) {
            const auto b = static_cast<uint8_t>(c);
            return b >= 0x20 && b < 0x7F && b != '\\';
        }))
        return std::string(utf8);
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        uint32_t cp = 0;
        const size_t len = amx::utf8Sequence(utf8, cp);
        if (len == 0 || cp < 0x20 || cp == 0x7F) {
            const auto byte = static_cast<uint8_t>(utf8[0]);
            if (len != 0 && cp == '\t')
                out += "\\t";
            else if (len != 0 && cp == '\n')
                out += "\\n";
            else if (len != 0 && cp == '\r')
                out += "\\r";
            else
                out.append("\\x").append(1, hex[byte >> 4]).append(1, hex[byte & 0xF]);
            utf8.remove_prefix(1);
            continue;
        }
        if (cp == '\\') {
            out += "\\\\";
        } else if (isUnsafeCodePoint(cp)) {
            out += "\\u{";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(cp >> shift) & 0xF];
            out += '}';
        } else {
            out.append(utf8.substr(0, len));
        }
        utf8.remove_prefix(len);
    }
    return out;
}

std::string archivePathProblem(const std::string &path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return "no such archive";
    if (S_ISDIR(st.st_mode))
        return "a folder, not an archive";
    // The engine refuses the others too, but the verbs say so before they start.
    if (!S_ISREG(st.st_mode))
        return "not a regular file";
    return {};
}

// A size a stream format does not know is "?".
std::string sizeText(uint64_t size)
{
    return size == ArchiveMember::kUnknownSize ? "?" : std::to_string(size);
}

bool holdsNoArchive(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        return false; // the engine has told why already
    }
    const amx::CentralLocation at = amx::locateCentralDirectory(
        [fd](uint64_t pos, void *dst, size_t n) {
            return ::pread(fd, dst, n, static_cast<off_t>(pos)) == static_cast<ssize_t>(n);
        },
        static_cast<uint64_t>(st.st_size));
    ::close(fd);
    return at.fault == amx::LocateFault::NoEndRecord;
}

const char *const kListUsage = "usage: ambermox -l ARCHIVE [--charset NAME] [--verbose]\n"
                               "       ambermox -l ARCHIVE --comment\n";

bool readCharset(const std::string &value, std::string &codePage, std::string &why)
{
    if (value.empty())
        return why = "--charset needs a code page", false;
    std::string lower = value;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return char(std::tolower(c));
    });
    if (lower == "auto" || lower == "automatic") {
        codePage.clear();
        return true;
    }
    if (!amx::codePageSupported(value))
        return why = "unknown code page " + value, false;
    codePage = amx::codePageLabel(value);
    return true;
}

bool parseListArgs(int argc, char **argv, ListArgs &args, std::string &why)
{
    bool named = false;
    for (int i = 2; i < argc; ++i) {
        const std::string s = argv[i];
        if (s == "--verbose") {
            args.verbose = true;
        } else if (s == "--charset" || s.rfind("--charset=", 0) == 0) {
            std::string value;
            if (s.size() > 9)
                value = s.substr(10);
            else if (i + 1 < argc)
                value = argv[++i];
            if (!readCharset(value, args.codePage, why))
                return false;
        } else if (s.size() > 1 && s[0] == '-') {
            return why = "unknown option " + s, false;
        } else if (named) {
            return why = "-l takes one archive", false;
        } else {
            args.archive = s;
            named = true;
        }
    }
    if (!named)
        return why = "no archive named", false;
    return true;
}

int runListVerb(const std::string &archive, int sortOrder, const FileRows::DateText &dateText,
    std::FILE *out, std::FILE *err)
{
    return runListVerb(ListArgs { archive, {}, false }, sortOrder, dateText, out, err);
}

// Reads the archive's directory for a listing verb; false, with each problem
// reported, for whatever is no readable archive (exit status 2).
static bool readForListing(TZipEngine &engine, const std::string &archive,
    const std::string &codePage, const std::function<void(const std::string &)> &report)
{
    if (const std::string problem = archivePathProblem(archive); !problem.empty()) {
        report(problem);
        return false;
    }
    CollectNotices notices;
    engine.setNotices(&notices);
    engine.NameCodePage = codePage;
    try {
        engine.setZipFilename(archive);
    } catch (const std::exception &e) {
        report(e.what());
        engine.setNotices(nullptr);
        return false;
    }
    engine.setNotices(nullptr);
    for (const auto &text : notices.texts)
        report(text);
    if (!notices.texts.empty())
        return false;
    if (engine.EntryCount() == 0 && holdsNoArchive(archive)) {
        report("not a ZIP archive");
        return false;
    }
    return true;
}

int runListVerb(const ListArgs &args, int sortOrder, const FileRows::DateText &dateText,
    std::FILE *out, std::FILE *err)
{
    const std::string &archive = args.archive;
    // Every line on stderr names the archive, so that a script's log says which.
    const std::string shown = escapeListText(archive);
    auto report = [&](const std::string &text) {
        std::fprintf(err, "%s: %s\n", shown.c_str(), escapeListText(text).c_str());
    };
    // Like every verb: 2 for whatever is no readable archive, before a line is listed.
    TZipEngine engine;
    if (!readForListing(engine, archive, args.codePage, report))
        return 2;
    FileRows rows(dateText);
    const std::string directoryNotice = engine.DirectoryNotice();
    if (args.verbose)
        std::fprintf(err, "%s: names in %s (%s)\n", shown.c_str(),
            escapeListText(engine.ListedCodePage()).c_str(),
            args.codePage.empty() ? "detected" : "chosen");
    rows.load(engine.takeEntries());
    rows.sort(sortOrder);

    std::string line;
    for (const FileRow &r : rows.rows()) {
        line = escapeListText(r.Name);
        line.append(1, '\t').append(r.Modified);
        line.append(1, '\t').append(sizeText(r.size));
        line.append(1, '\t').append(r.Ratio);
        line.append(1, '\t').append(sizeText(r.packed));
        line.append(1, '\t').append(escapeListText(r.Path)).append(1, '\n');
        std::fwrite(line.data(), 1, line.size(), out);
    }
    if (std::fflush(out) != 0)
        return 1;
    if (!directoryNotice.empty()) {
        report(directoryNotice);
        return 3;
    }
    return 0;
}

int runCommentVerb(const std::string &archive, std::FILE *out, std::FILE *err)
{
    const std::string shown = escapeListText(archive);
    auto report = [&](const std::string &text) {
        std::fprintf(err, "%s: %s\n", shown.c_str(), escapeListText(text).c_str());
    };
    TZipEngine engine;
    if (!readForListing(engine, archive, {}, report))
        return 2;
    // Line by line, so that its line breaks stay and nothing else reaches the terminal raw.
    const std::string text = engine.CommentText();
    std::string lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.append(escapeListText(line)).append(1, '\n');
        start = end + 1;
    }
    std::fwrite(lines.data(), 1, lines.size(), out);
    return std::fflush(out) != 0 ? 1 : 0;
}

int storedSortOrder()
{
    // Where and how the window's settings store keep it.
    const std::optional<std::string> value =
        iniValue(configHome() + "/Ambermox/Ambermox.conf", "Ambermox", "Sort order");
    return value ? iniInteger(*value).value_or(1) : 1;
}
