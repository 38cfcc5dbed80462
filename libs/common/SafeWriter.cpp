#include "SafeWriter.h"

#include "LinkTarget.h"
#include "SafePath.h"
#include "ZipError.h"
#include "amx_sys.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace amx {

namespace {

constexpr size_t holeBlock = 64u << 10;

std::shared_ptr<Fd> openLevel(
    const Fd &parent, const std::vector<std::string> &parts, size_t i, bool create, bool &made)
{
    const char *name = parts[i].c_str();
    int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = amx_openat(parent.get(), name, flags);
    made = false;
    if (fd < 0 && errno == ENOENT && create) {
        made = amx_mkdirat(parent.get(), name, 0777) == 0;
        if (!made && errno != EEXIST)
            throw ZipFailure(
                ZipError::CreateFailed, joinPath(parts, i + 1) + " (" + errnoText(errno) + ")");
        fd = amx_openat(parent.get(), name, flags);
    }
    if (fd < 0) {
        if (errno == ELOOP)
            throw ZipFailure(
                ZipError::UnsafeLink, joinPath(parts, i + 1) + " (a symbolic link on the way)");
        throw ZipFailure(
            ZipError::CreateFailed, joinPath(parts, i + 1) + " (" + errnoText(errno) + ")");
    }
    return std::make_shared<Fd>(fd);
}

std::atomic<unsigned> tempCounter { 0 };

std::string tempName(const std::string &leaf)
{
    return "." + leaf.substr(0, 200) + ".amx" + std::to_string(::getpid()) + "-"
        + std::to_string(tempCounter++);
}

// Unnamed files are linked in through /proc; asked once, not for every file.
bool unnamedFiles()
{
    static const bool usable = ::access("/proc/self/fd", X_OK) == 0;
    return usable;
}

// Newer kernels link a file by its descriptor for the process that opened it,
// which spares a walk through /proc; older ones want a privilege for that.
std::atomic<bool> linkByDescriptor { true };

int linkUnnamed(int fd, int dir, const std::string &name)
{
    if (linkByDescriptor.load(std::memory_order_relaxed)) {
        const int linked = amx_linkat(fd, "", dir, name.c_str(), AT_EMPTY_PATH);
        if (linked == 0 || errno != ENOENT)
            return linked;
        linkByDescriptor = false;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return amx_linkat(AT_FDCWD, self.c_str(), dir, name.c_str(), AT_SYMLINK_FOLLOW);
}

} // namespace

DirCache::DirCache(int base)
{
    m_root = std::make_shared<Fd>(amx_openat(base, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!m_root->valid())
        throw ZipFailure(ZipError::CreateFailed, "base folder (" + errnoText(errno) + ")");
}

std::shared_ptr<Fd> DirCache::get(
    const std::vector<std::string> &parts, size_t count, bool create, bool *made)
{
    Node at { 0, m_root };
    for (size_t i = 0; i < count && i < parts.size(); ++i) {
        // Keyed by the parent's number, so no level joins the whole path.
        std::string key = std::to_string(at.id) + '/' + parts[i];
        auto it = m_dirs.find(key);
        if (it != m_dirs.end()) {
            at = it->second;
            continue;
        }
        bool madeNow = false;
        auto dir = openLevel(*at.dir, parts, i, create, madeNow);
        at = { ++m_lastId, std::move(dir), madeNow };
        if (m_dirs.size() >= 128)
            m_dirs.clear(); // in-flight jobs keep their own reference
        m_dirs.emplace(std::move(key), at);
    }
    if (made)
        *made = at.made;
    return at.dir;
}

OutputFile::OutputFile(std::shared_ptr<Fd> dir, std::string name, std::string target, Fd fd,
    WriteMode mode, bool unnamed)
    : m_dir(std::move(dir))
    , m_name(std::move(name))
    , m_target(std::move(target))
    , m_fd(std::move(fd))
    , m_mode(mode)
    , m_unnamed(unnamed)
{
}

OutputFile::~OutputFile()
{
    if (!m_committed) {
        m_fd.reset();
        if (!m_unnamed)
            amx_unlinkat(m_dir->get(), m_name.c_str(), 0);
    }
}

void OutputFile::write(const char *p, size_t n, const std::string &display)
{
    while (n > 0) {
        size_t piece = std::min(n, holeBlock - size_t(m_pos % holeBlock));
        bool zero = piece == holeBlock && p[0] == 0 && std::memcmp(p, p + 1, piece - 1) == 0;
        if (!zero) {
            if (!pwriteFull(m_fd.get(), p, piece, m_pos))
                throw ZipFailure(ZipError::WriteFailed, display + " (" + errnoText(errno) + ")");
            m_dataEnd = m_pos + piece;
        }
        m_pos += piece;
        p += piece;
        n -= piece;
    }
}

void OutputFile::skipTo(uint64_t offset, const std::string &display)
{
    if (offset < m_pos)
        throw ZipFailure(ZipError::BadData, display + " (its pieces overlap)");
    m_pos = offset;
}

void OutputFile::rewind(const std::string &display)
{
    if (amx_ftruncate(m_fd.get(), 0) != 0)
        throw ZipFailure(ZipError::WriteFailed, display + " (" + errnoText(errno) + ")");
    m_pos = m_dataEnd = 0;
}

void OutputFile::complete(mode_t mode, bool setMode, int64_t mtime, const std::string &display)
{
    int fd = m_fd.get();
    if (m_pos > m_dataEnd && amx_ftruncate(fd, off_t(m_pos)) != 0)
        throw ZipFailure(ZipError::WriteFailed, display + " (" + errnoText(errno) + ")");
    // A file that replaces another was made for the owner alone.
    if (setMode || m_mode == WriteMode::Replace || (!m_unnamed && m_name != m_target))
        amx_fchmod(fd, mode);
    struct timespec times[2] = { { 0, UTIME_OMIT }, { time_t(mtime), 0 } };
    ::futimens(fd, times);
    if (!m_unnamed && amx_close(m_fd.release()) != 0)
        throw ZipFailure(ZipError::WriteFailed, display + " (" + errnoText(errno) + ")");
}

bool OutputFile::publish(const std::string &display)
{
    if (m_unnamed) {
        const int fd = m_fd.get();
        std::string name = m_target;
        int linked = m_mode == WriteMode::Replace ? -1 : linkUnnamed(fd, m_dir->get(), name);
        if (linked != 0 && (m_mode == WriteMode::Replace || errno == EEXIST)) {
            if (m_mode == WriteMode::CreateNew)
                return false;
            // Linked under a name of its own, then renamed over the old file in one step.
            for (int attempt = 0; linked != 0 && attempt < 100; ++attempt) {
                name = tempName(m_target);
                linked = linkUnnamed(fd, m_dir->get(), name);
                if (linked != 0 && errno != EEXIST)
                    break;
            }
        }
        if (linked != 0)
            throw ZipFailure(ZipError::CreateFailed, display + " (" + errnoText(errno) + ")");
        m_name = std::move(name);
        m_unnamed = false;
        if (amx_close(m_fd.release()) != 0)
            throw ZipFailure(ZipError::WriteFailed, display + " (" + errnoText(errno) + ")");
    }
    if (m_name != m_target
        && amx_renameat(m_dir->get(), m_name.c_str(), m_dir->get(), m_target.c_str()) != 0)
        throw ZipFailure(ZipError::ReplaceFailed, display + " (" + errnoText(errno) + ")");
    m_committed = true;
    return true;
}

std::unique_ptr<OutputFile> openOutput(std::shared_ptr<Fd> dir, const std::string &leaf,
    WriteMode mode, mode_t createMode, const std::string &display, bool madeDir)
{
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    // A file to be kept is found before its member is inflated in vain.
    if (mode == WriteMode::CreateNew && !madeDir) {
        struct stat st
        {
        };
        if (::fstatat(dir->get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            return nullptr;
    }
    if (unnamedFiles()) {
        int fd = amx_openat(dir->get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC,
            mode == WriteMode::Replace ? 0600 : createMode);
        if (fd >= 0)
            return std::make_unique<OutputFile>(dir, std::string(), leaf, Fd(fd), mode, true);
        // Without unnamed files here, a named one follows.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            throw ZipFailure(ZipError::CreateFailed, display + " (" + errnoText(errno) + ")");
    }
    if (mode != WriteMode::Replace) {
        int fd = amx_openat(dir->get(), leaf.c_str(), flags, createMode);
        if (fd >= 0)
            return std::make_unique<OutputFile>(dir, leaf, leaf, Fd(fd), mode);
        if (errno != EEXIST)
            throw ZipFailure(ZipError::CreateFailed, display + " (" + errnoText(errno) + ")");
        if (mode == WriteMode::CreateNew)
            return nullptr;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = tempName(leaf);
        int fd = amx_openat(dir->get(), temp.c_str(), flags, 0600);
        if (fd >= 0)
            return std::make_unique<OutputFile>(dir, temp, leaf, Fd(fd), mode);
        if (errno != EEXIST)
            throw ZipFailure(ZipError::CreateFailed, display + " (" + errnoText(errno) + ")");
    }
    throw ZipFailure(ZipError::CreateFailed, display);
}

uint64_t freeSpace(int folder)
{
    struct statvfs st
    {
    };
    if (::fstatvfs(folder, &st) != 0)
        return UINT64_MAX; // unknown: the writes themselves will tell
    return uint64_t(st.f_bavail) * uint64_t(st.f_frsize);
}

bool writeLink(
    int base, DirCache &dirs, const DeferredLink &l, const LinkOptions &options, Reporter &reporter)
{
    std::vector<std::string> parent(l.parts.begin(), l.parts.end() - 1);
    if (LinkEnd end = checkNewLink(parent, l.target, lookupBelow(base)); end != LinkEnd::Inside) {
        reporter.problem(end == LinkEnd::Loop ? ZipError::LinkLoop : ZipError::UnsafeLink,
            l.display + " -> " + l.target, l.display);
        return false;
    }
    try {
        reporter.newFile(l.display, l.target.size());
        auto dir = dirs.get(l.parts, l.parts.size() - 1, true);
        const std::string &leaf = l.parts.back();
        std::string made = leaf;
        if (amx_symlinkat(l.target.c_str(), dir->get(), leaf.c_str()) != 0) {
            if (errno != EEXIST)
                throw ZipFailure(ZipError::CreateFailed, l.display + " (" + errnoText(errno) + ")");
            struct stat st
            {
            };
            bool replace = options.overwrite;
            if (options.onlyNewer) {
                replace = ::fstatat(dir->get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0
                    && l.mtime > st.st_mtim.tv_sec;
                if (!replace) {
                    reporter.endFile();
                    return false;
                }
            }
            if (!replace) {
                reporter.problem(ZipError::Exists, l.display);
                reporter.endFile();
                return false;
            }
            made = "." + leaf.substr(0, 200) + ".amxlink" + std::to_string(::getpid());
            amx_unlinkat(dir->get(), made.c_str(), 0);
            if (amx_symlinkat(l.target.c_str(), dir->get(), made.c_str()) != 0)
                throw ZipFailure(ZipError::CreateFailed, l.display + " (" + errnoText(errno) + ")");
            if (amx_renameat(dir->get(), made.c_str(), dir->get(), leaf.c_str()) != 0) {
                int err = errno;
                amx_unlinkat(dir->get(), made.c_str(), 0);
                throw ZipFailure(ZipError::ReplaceFailed, l.display + " (" + errnoText(err) + ")");
            }
        }
        struct timespec times[2] = { { 0, UTIME_OMIT }, { time_t(l.mtime), 0 } };
        ::utimensat(dir->get(), leaf.c_str(), times, AT_SYMLINK_NOFOLLOW);
        reporter.info("    linking: " + l.display + " -> " + l.target);
        reporter.endFile();
        return true;
    } catch (const ZipFailure &f) {
        reporter.problem(f.code(), f.detail(), l.display);
        return false;
    }
}

} // namespace amx
