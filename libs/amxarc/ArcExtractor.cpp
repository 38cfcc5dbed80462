#include "ArcExtractor.h"

#include "ArcOpen.h"
#include "FileUtil.h"
#include "SafePath.h"
#include "SafeWriter.h"
#include "amx_sys.h"

#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <ctime>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace amx {

namespace {

struct DeferredDir
{
    std::vector<std::string> parts;
    mode_t perms;
    bool setPerms;
    int64_t mtime;
};

std::string readerError(archive *a)
{
    const char *why = archive_error_string(a);
    return why && *why ? why : "unreadable data";
}

class ArcExtractor
{
public:
    ArcExtractor(const ArcExtractOptions &options, Reporter &reporter)
        : m_opt(options)
        , m_rep(reporter)
        , m_used(options.specs.size(), false)
        , m_umask(currentUmask())
    {
    }

    int32_t run();

private:
    bool selected(const std::string &name);
    void member(archive_entry *entry, const std::string &name);
    void test(archive_entry *entry, const std::string &name);
    void writeFile(archive_entry *entry, const std::string &display,
        const std::vector<std::string> &parts, int64_t mtime);
    void writeHardLink(const std::string &display, const std::vector<std::string> &parts,
        const std::string &targetName);
    // Reads the member's data; each block goes to `sink` at its offset.
    template <class Sink> void readData(const std::string &display, Sink &&sink);

    const ArcExtractOptions &m_opt;
    Reporter &m_rep;
    std::vector<bool> m_used;
    mode_t m_umask;
    archive *m_a = nullptr;
    std::unique_ptr<DirCache> m_dirs;
    int32_t m_count = 0;
    std::vector<DeferredDir> m_deferredDirs;
    std::vector<DeferredLink> m_links;
    // Files written by this run, by their path below the base: the only
    // places a hard link of the archive may lead to.
    std::unordered_set<std::string> m_written;
    bool m_fatal = false;
};

bool ArcExtractor::selected(const std::string &name)
{
    if (m_opt.specs.empty())
        return true;
    bool any = false;
    for (size_t i = 0; i < m_opt.specs.size(); ++i)
        if (specMatches(m_opt.specs[i], name)) {
            m_used[i] = true;
            any = true;
        }
    return any;
}

template <class Sink> void ArcExtractor::readData(const std::string &display, Sink &&sink)
{
    for (;;) {
        const void *buf = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        const int rc = archive_read_data_block(m_a, &buf, &size, &offset);
        if (rc == ARCHIVE_EOF)
            return;
        if (rc == ARCHIVE_FATAL) {
            m_fatal = true;
            throw ZipFailure(ZipError::Truncated, display + " (" + readerError(m_a) + ")");
        }
        if (rc < ARCHIVE_WARN)
            throw ZipFailure(ZipError::BadData, display + " (" + readerError(m_a) + ")");
        if (offset < 0)
            throw ZipFailure(ZipError::BadData, display);
        sink(static_cast<const char *>(buf), size, uint64_t(offset));
    }
}

void ArcExtractor::test(archive_entry *entry, const std::string &name)
{
    const mode_t type = archive_entry_filetype(entry);
    if (type == AE_IFREG && !archive_entry_hardlink(entry)) {
        const uint64_t declared =
            archive_entry_size_is_set(entry) ? uint64_t(archive_entry_size(entry)) : 0;
        m_rep.newFile(name, declared);
        uint64_t seen = 0;
        readData(name, [&](const char *, size_t n, uint64_t offset) {
            const uint64_t before = seen;
            seen = std::max(seen, offset + n);
            m_rep.progress(before, seen);
        });
        if (archive_entry_size_is_set(entry) && seen > declared)
            throw ZipFailure(ZipError::BadSize, name + " (more data than declared)");
        m_rep.info("    testing: " + name + "   OK");
        ++m_count;
        m_rep.endFile();
        return;
    }
    m_rep.newFile(name, 0);
    m_rep.info("    testing: " + name + "   OK");
    ++m_count;
    m_rep.endFile();
}

void ArcExtractor::member(archive_entry *entry, const std::string &name)
{
    if (m_opt.testOnly) {
        test(entry, name);
        return;
    }
    const mode_t type = archive_entry_filetype(entry);
    const bool isDir = type == AE_IFDIR;
    bool changed = false;
    std::vector<std::string> parts = safeComponents(name, changed);
    if (parts.empty()) {
        if (isDir && !changed)
            m_rep.info("skipping: \"" + name + "\" (the base folder itself)");
        else
            m_rep.problem(ZipError::Unsupported, "\"" + name + "\" (no name to extract)", name);
        return;
    }
    const std::span<const std::string> made =
        m_opt.dirNames || isDir ? std::span(parts) : std::span(parts).last(1);
    if (!fitsFileSystem(made)) {
        m_rep.problem(ZipError::Unsupported, shortName(name) + " (name too long)", name);
        return;
    }
    const std::string display = joinPath(parts, parts.size());
    if (changed)
        m_rep.problem(ZipError::UnsafePath, shortName(name) + " -> " + shortName(display), display);
    const int64_t mtime = archive_entry_mtime_is_set(entry) ? int64_t(archive_entry_mtime(entry))
                                                            : int64_t(::time(nullptr));
    if (isDir) {
        if (!m_opt.dirNames)
            return;
        m_dirs->get(parts, parts.size(), true);
        const mode_t mode = archive_entry_perm(entry) & 0777;
        m_deferredDirs.push_back({ parts, mode | S_IRWXU, mode != 0, mtime });
        m_rep.newFile(display, 0);
        m_rep.info("   creating: " + display + "/");
        ++m_count;
        m_rep.endFile();
        return;
    }
    if (!m_opt.dirNames)
        parts.erase(parts.begin(), parts.end() - 1);
    if (const char *target = archive_entry_hardlink(entry)) {
        writeHardLink(display, parts, target);
        return;
    }
    switch (type) {
    case AE_IFLNK: {
        const char *target = archive_entry_symlink(entry);
        m_links.push_back({ parts, target ? target : "", display, mtime });
        return;
    }
    case AE_IFREG:
        writeFile(entry, display, parts, mtime);
        return;
    default:
        m_rep.problem(ZipError::Unsupported,
            shortName(display) + " (a device, FIFO or socket: not extracted)", display);
        return;
    }
}

void ArcExtractor::writeFile(archive_entry *entry, const std::string &display,
    const std::vector<std::string> &parts, int64_t mtime)
{
    bool madeDir = false;
    auto dir = m_dirs->get(parts, parts.size() - 1, true, &madeDir);
    const std::string &leaf = parts.back();
    WriteMode mode = m_opt.overwrite ? WriteMode::CreateOrReplace : WriteMode::CreateNew;
    if (m_opt.freshen || m_opt.update) {
        struct stat st
        {
        };
        const bool exists = ::fstatat(dir->get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (!exists && m_opt.freshen)
            return;
        if (exists && mtime <= st.st_mtim.tv_sec)
            return;
        mode = exists ? WriteMode::Replace : WriteMode::CreateOrReplace;
    }
    const bool sizeKnown = archive_entry_size_is_set(entry);
    const uint64_t declared = sizeKnown ? uint64_t(archive_entry_size(entry)) : 0;
    // A member larger than the space left could only fill the disk: a sparse
    // one declaring a terabyte, or a small stream inflating without end.
    const uint64_t room = freeSpace(dir->get());
    if (sizeKnown && declared > room) {
        m_rep.problem(ZipError::WriteFailed,
            shortName(display) + " (" + std::to_string(declared)
                + " bytes, more than the free space)",
            display);
        return;
    }
    // Set-user-id and similar bits are never restored.
    const mode_t stored = archive_entry_perm(entry) & 0777;
    const mode_t perms = stored ? stored : mode_t(0666 & ~m_umask);
    auto out = openOutput(dir, leaf, mode, perms, display, madeDir);
    if (!out) {
        m_rep.problem(ZipError::Exists, display);
        return;
    }
    m_rep.newFile(display, declared);
    m_rep.info(" extracting: " + display);
    try {
        readData(display, [&](const char *p, size_t n, uint64_t offset) {
            const uint64_t before = out->size();
            if (offset > before)
                out->skipTo(offset, display);
            if (offset + n > room || (sizeKnown && offset + n > declared))
                throw ZipFailure(ZipError::BadSize,
                    display
                        + (sizeKnown ? " (more data than declared)"
                                     : " (more data than the free space: stopped)"));
            out->write(p, n, display);
            m_rep.progress(before, out->size());
        });
        if (sizeKnown && out->size() < declared)
            out->skipTo(declared, display); // a sparse member's trailing hole
        out->complete(perms, (perms & ~m_umask) != perms, mtime, display);
        if (!out->publish(display))
            throw ZipFailure(ZipError::Exists, display);
    } catch (const ZipFailure &f) {
        m_rep.problem(f.code(), f.detail(), display);
        m_rep.endFile();
        return;
    }
    m_written.insert(joinPath(parts, parts.size()));
    ++m_count;
    m_rep.endFile();
}

void ArcExtractor::writeHardLink(const std::string &display, const std::vector<std::string> &parts,
    const std::string &targetName)
{
    bool changed = false;
    std::vector<std::string> target = safeComponents(targetName, changed);
    if (!m_opt.dirNames && !target.empty())
        target.erase(target.begin(), target.end() - 1);
    const std::string targetPath = joinPath(target, target.size());
    if (changed || target.empty() || !m_written.count(targetPath)) {
        m_rep.problem(ZipError::UnsafeLink,
            shortName(display) + " => " + shortName(targetName) + " (not a file extracted here)",
            display);
        return;
    }
    try {
        m_rep.newFile(display, 0);
        auto from = m_dirs->get(target, target.size() - 1, false);
        auto dir = m_dirs->get(parts, parts.size() - 1, true);
        const std::string &leaf = parts.back();
        const std::string temp =
            "." + leaf.substr(0, 200) + ".amxhard" + std::to_string(::getpid());
        amx_unlinkat(dir->get(), temp.c_str(), 0);
        // Without AT_SYMLINK_FOLLOW: the link is to the file written, never through a link.
        if (amx_linkat(from->get(), target.back().c_str(), dir->get(), temp.c_str(), 0) != 0)
            throw ZipFailure(ZipError::CreateFailed, display + " (" + errnoText(errno) + ")");
        struct stat st
        {
        };
        const bool exists = ::fstatat(dir->get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (exists && !m_opt.overwrite) {
            amx_unlinkat(dir->get(), temp.c_str(), 0);
            m_rep.problem(ZipError::Exists, display);
            m_rep.endFile();
            return;
        }
        if (amx_renameat(dir->get(), temp.c_str(), dir->get(), leaf.c_str()) != 0) {
            const int err = errno;
            amx_unlinkat(dir->get(), temp.c_str(), 0);
            throw ZipFailure(ZipError::ReplaceFailed, display + " (" + errnoText(err) + ")");
        }
        m_rep.info("    linking: " + display + " => " + targetPath);
        m_written.insert(joinPath(parts, parts.size()));
        ++m_count;
        m_rep.endFile();
    } catch (const ZipFailure &f) {
        m_rep.problem(f.code(), f.detail(), display);
    }
}

int32_t ArcExtractor::run()
{
    Fd fd(amx_openat(m_opt.base, m_opt.archive.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        throw ZipFailure(ZipError::ArchiveOpen, m_opt.archive + " (" + errnoText(errno) + ")");
    std::string error;
    ArchivePtr reader = openArchiveReaderForData(fd.get(), error);
    if (!reader)
        throw ZipFailure(ZipError::Corrupt, m_opt.archive + " (" + error + ")");
    m_a = reader.get();
    if (!m_opt.testOnly)
        m_dirs = std::make_unique<DirCache>(m_opt.base);
    std::string ended; // why the archive could not be read to its end
    for (;;) {
        archive_entry *entry = nullptr;
        const int rc = archive_read_next_header(m_a, &entry);
        if (rc == ARCHIVE_EOF)
            break;
        if (rc < ARCHIVE_WARN) {
            ended = readerError(m_a);
            break;
        }
        std::string name = isRawStream(m_a) ? rawMemberName(m_opt.archive) : entryName(entry);
        const bool isDir = archive_entry_filetype(entry) == AE_IFDIR;
        if (isDir && !name.empty() && name.back() != '/')
            name += '/';
        if (!selected(name))
            continue;
        if (archive_entry_is_data_encrypted(entry)) {
            m_rep.problem(ZipError::Unsupported,
                shortName(name) + " (encrypted in a way this program cannot read)", name);
            continue;
        }
        try {
            member(entry, name);
        } catch (const ZipFailure &f) {
            m_rep.problem(f.code(), f.detail(), name);
        }
        if (m_fatal) {
            ended = readerError(m_a);
            break;
        }
    }
    if (!m_opt.testOnly) {
        LinkOptions options { m_opt.overwrite, m_opt.freshen || m_opt.update };
        for (const DeferredLink &l : m_links)
            if (writeLink(m_opt.base, *m_dirs, l, options, m_rep))
                ++m_count;
        for (auto it = m_deferredDirs.rbegin(); it != m_deferredDirs.rend(); ++it) {
            try {
                auto dir = m_dirs->get(it->parts, it->parts.size(), false);
                if (it->setPerms)
                    ::fchmod(dir->get(), it->perms);
                struct timespec times[2] = { { 0, UTIME_OMIT }, { time_t(it->mtime), 0 } };
                ::futimens(dir->get(), times);
            } catch (const ZipFailure &) {
            }
        }
    }
    for (size_t i = 0; i < m_used.size(); ++i)
        if (!m_used[i])
            m_rep.problem(ZipError::NotMatched, specText(m_opt.specs[i]));
    if (!ended.empty())
        throw ZipFailure(ZipError::Truncated, m_opt.archive + " (" + ended + ")");
    return m_count;
}

} // namespace

int32_t extractOther(const ArcExtractOptions &options, Reporter &reporter)
{
    ArcExtractor extractor(options, reporter);
    return extractor.run();
}

} // namespace amx
