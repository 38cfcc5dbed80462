#include "ReplacingFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReplacingFile::ReplacingFile(const std::string &target, const std::string &tempName)
    : m_target(target)
{
    const size_t slash = target.rfind('/');
    m_temp = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + tempName;
    m_fd = ::mkostemp(m_temp.data(), O_CLOEXEC);
}

ReplacingFile::~ReplacingFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && m_fd >= 0)
        ::unlink(m_temp.c_str());
}

bool ReplacingFile::write(const char *p, size_t n)
{
    while (n > 0) {
        const ssize_t put = ::write(m_fd, p, n);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        p += put;
        n -= size_t(put);
    }
    return true;
}

bool ReplacingFile::copyFrom(int in, off_t &copied, bool &readFailed)
{
    char buffer[1 << 16];
    readFailed = false;
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            readFailed = true;
            return false;
        }
        if (got == 0)
            return true;
        if (!write(buffer, size_t(got)))
            return false;
        copied += got;
    }
}

bool ReplacingFile::commit(mode_t mode)
{
    if (::fchmod(m_fd, mode) != 0 || ::fsync(m_fd) != 0
        || ::rename(m_temp.c_str(), m_target.c_str()) != 0)
        return false;
    m_committed = true;
    return true;
}
