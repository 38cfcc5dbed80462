// File descriptors and whole-buffer reads and writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace amx {

class Fd
{
public:
    Fd() = default;
    explicit Fd(int fd)
        : m_fd(fd)
    {
    }
    ~Fd() { reset(); }
    Fd(Fd &&o) noexcept
        : m_fd(o.release())
    {
    }
    Fd &operator=(Fd &&o) noexcept
    {
        if (this != &o)
            reset(o.release());
        return *this;
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release()
    {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1);

private:
    int m_fd = -1;
};

// Reads exactly n bytes at an offset; false on a short read or an error.
bool preadFull(int fd, void *buf, size_t n, uint64_t offset);
// Reads up to n bytes from the current position; returns the count or -1.
ssize_t readFull(int fd, void *buf, size_t n);
// Writes all n bytes at an offset; false with errno set on failure.
bool pwriteFull(int fd, const void *buf, size_t n, uint64_t offset);

// The current folder, held open so that a later change of the process's
// current folder (a callback may make one) redirects nothing. Throws ZipFailure.
Fd openCurrentFolder();

// Checks an existing archive path before anything is read or written: it must
// be a regular file (or a link to one), and one the user may write when it is
// to be rewritten. A missing path passes. Throws ZipFailure.
void checkArchivePath(int base, const std::string &path, bool forWriting);

// The process's file-creation mask, read without changing it.
mode_t currentUmask();

std::string errnoText(int err);

} // namespace amx
