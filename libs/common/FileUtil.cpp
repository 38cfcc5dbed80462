#include "FileUtil.h"

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
        ssize_t r = ::pread(fd, p, n, off_t(offset));
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
        ssize_t r = ::read(fd, p + done, n - done);
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
        ssize_t r = ::pwrite(fd, p, n, off_t(offset));
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
