#include "ArchiveLock.h"

#include "ZipError.h"
#include "amx_sys.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace amx {

namespace {

constexpr auto pause = std::chrono::milliseconds(100);

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Takes flock's exclusive lock, waiting while another holds it. Returns 0, or
// the error of a file system that has no such locks.
int takeLock(int fd, const std::function<void()> &waiting)
{
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return errno;
        waiting();
        std::this_thread::sleep_for(pause);
    }
}

std::string hostName()
{
    char host[HOST_NAME_MAX + 1] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        return "?";
    return host;
}

} // namespace

ArchiveLock::ArchiveLock(
    int base, const std::string &path, const std::function<void()> &waiting, Method method)
    : m_base(base)
    , m_path(path)
{
    size_t slash = path.rfind('/');
    m_folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    m_leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    if (method == Method::Auto && lockInPlace(waiting))
        return;
    lockWithFile(waiting);
}

ArchiveLock::~ArchiveLock()
{
    if (m_ownsLockFile)
        amx_unlinkat(m_dir.get(), m_lockName.c_str(), 0);
}

// The lock is on the archive file itself. Since each writer replaces that
// file by renaming a new one over it, a lock granted on a file that is no
// longer the one at the path is worth nothing: that writer tries again.
bool ArchiveLock::lockInPlace(const std::function<void()> &waiting)
{
    for (;;) {
        Fd fd(amx_openat(m_base, m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        bool creating = false;
        if (!fd.valid()) {
            if (errno != ENOENT)
                throw ZipFailure(ZipError::ArchiveOpen, m_path + " (" + errnoText(errno) + ")");
            // No archive yet, so nothing to lock: writers that would create it
            // lock its folder instead. Only the holder of that lock may create
            // the archive, and it looks again under the lock, so of two writers
            // that both found no archive the second sees the first one's and
            // locks that instead of replacing it with an archive of its own.
            fd.reset(amx_openat(m_base, m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (!fd.valid())
                return false;
            creating = true;
        }
        if (takeLock(fd.get(), waiting) != 0)
            return false;
        struct stat held
        {
        }, now {};
        const bool there = ::fstatat(m_base, m_path.c_str(), &now, 0) == 0;
        if (creating ? !there && errno == ENOENT
                     : there && ::fstat(fd.get(), &held) == 0 && sameFile(held, now)) {
            m_held = std::move(fd);
            return true;
        }
    }
}

// Where the file system has no flock (some network and FUSE file systems),
// a file beside the archive, created exclusively, marks the writer; it holds
// the writer's process number and host so that one left by a writer that
// died can be recognised and removed.
void ArchiveLock::lockWithFile(const std::function<void()> &waiting)
{
    m_dir.reset(amx_openat(m_base, m_folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!m_dir.valid())
        throw ZipFailure(ZipError::ArchiveOpen, m_folder + " (" + errnoText(errno) + ")");
    m_lockName = "." + m_leaf.substr(0, 200) + ".amxlock";
    const std::string owner = std::to_string(::getpid()) + " " + hostName() + "\n";
    for (;;) {
        Fd fd(amx_openat(m_dir.get(), m_lockName.c_str(),
            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
        if (fd.valid()) {
            m_ownsLockFile = true;
            if (!pwriteFull(fd.get(), owner.data(), owner.size(), 0))
                throw ZipFailure(ZipError::WriteFailed, m_lockName + " (" + errnoText(errno) + ")");
            return;
        }
        if (errno != EEXIST)
            throw ZipFailure(ZipError::CreateFailed, m_lockName + " (" + errnoText(errno) + ")");
        if (ownerGone())
            continue;
        waiting();
        std::this_thread::sleep_for(pause);
    }
}

// Removes a lock file whose writer ran on this host and no longer runs.
bool ArchiveLock::ownerGone()
{
    Fd fd(amx_openat(m_dir.get(), m_lockName.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid())
        return errno == ENOENT;
    char text[HOST_NAME_MAX + 32] = {};
    if (amx_pread(fd.get(), text, sizeof text - 1, 0) <= 0)
        return false; // just made, not written yet
    long pid = 0;
    char host[HOST_NAME_MAX + 1] = {};
    if (std::sscanf(text, "%ld %64s", &pid, host) != 2 || pid <= 0 || host != hostName())
        return false;
    if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
        return false;
    // Only that file: another writer may have removed it and made its own.
    struct stat held
    {
    }, now {};
    if (::fstat(fd.get(), &held) == 0
        && ::fstatat(m_dir.get(), m_lockName.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0
        && sameFile(held, now))
        amx_unlinkat(m_dir.get(), m_lockName.c_str(), 0);
    return true;
}

} // namespace amx
