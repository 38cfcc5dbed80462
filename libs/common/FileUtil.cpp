#include "FileUtil.h"

#include "SplitArchive.h"
#include "ZipError.h"
#include "amx_sys.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace amx {

void Fd::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

bool preadFull(int fd, void *buf, size_t n, uint64_t offset)
{
    auto p = static_cast<char *>(buf);
    while (n > 0) {
        // Across the parts when fd reads a split archive.
        ssize_t r = readArchiveAt(fd, p, n, offset);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        p += r;
        n -= size_t(r);
        offset += uint64_t(r);
    }
    return true;
}

ssize_t readFull(int fd, void *buf, size_t n)
{
    auto p = static_cast<char *>(buf);
    size_t done = 0;
    while (done < n) {
        ssize_t r = amx_read(fd, p + done, n - done);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return -1;
        if (r == 0)
            break;
        done += size_t(r);
    }
    return ssize_t(done);
}

bool pwriteFull(int fd, const void *buf, size_t n, uint64_t offset)
{
    auto p = static_cast<const char *>(buf);
    while (n > 0) {
        ssize_t r = amx_pwrite(fd, p, n, off_t(offset));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return false;
        if (r == 0) {
            errno = ENOSPC;
            return false;
        }
        p += r;
        n -= size_t(r);
        offset += uint64_t(r);
    }
    return true;
}

Fd openCurrentFolder()
{
    Fd fd(amx_open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        throw ZipFailure(ZipError::NotReadable, "current folder (" + errnoText(errno) + ")");
    return fd;
}

void checkArchivePath(int base, const std::string &path, bool forWriting)
{
    // stat, not open: opening a FIFO would wait for a writer.
    struct stat st
    {
    };
    if (::fstatat(base, path.c_str(), &st, 0) != 0) {
        if (errno == ENOENT)
            return;
        throw ZipFailure(ZipError::ArchiveOpen, path + " (" + errnoText(errno) + ")");
    }
    if (!S_ISREG(st.st_mode))
        throw ZipFailure(ZipError::NotRegular, path);
    if (!forWriting)
        return;
    // Root passes every access check, so for root the owner's write bit is
    // what marks an archive as protected.
    if (::faccessat(base, path.c_str(), W_OK, AT_EACCESS) != 0
        || (::geteuid() == 0 && !(st.st_mode & S_IWUSR)))
        throw ZipFailure(ZipError::ReadOnly, path);
}

mode_t currentUmask()
{
    // Setting the mask to read it would race with other threads creating files.
    if (FILE *f = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "Umask: %o", &mask) == 1) {
                found = true;
                break;
            }
        std::fclose(f);
        if (found)
            return mode_t(mask);
    }
    return 022;
}

std::string errnoText(int err)
{
    char buf[256];
    return strerror_r(err, buf, sizeof buf);
}

} // namespace amx
