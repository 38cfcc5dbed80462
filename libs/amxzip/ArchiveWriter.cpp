#include "ArchiveWriter.h"

#include "ZipError.h"
#include "amx_sys.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace amx {

constexpr size_t writeBuffer = 1u << 20;
// Writeback is started every so often, so that the flush before the rename
// finds little left to write.
constexpr uint64_t writebackStep = 8u << 20;

namespace {

std::string tempName(int attempt, const char *kind = "")
{
    return ".amxzip-" + std::to_string(::getpid()) + kind + "-" + std::to_string(attempt);
}

} // namespace

ArchiveWriter::ArchiveWriter(int base, const std::string &archivePath)
    : m_target(archivePath)
{
    size_t slash = archivePath.rfind('/');
    std::string dir = slash == std::string::npos ? "."
        : slash == 0                             ? "/"
                                                 : archivePath.substr(0, slash);
    m_leaf = slash == std::string::npos ? archivePath : archivePath.substr(slash + 1);
    m_dir.reset(amx_openat(base, dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    // An unnamed file disappears by itself if the process dies; it is named
    // only at the very end. A named temporary is the fallback.
    if (m_dir.valid() && ::access("/proc/self/fd", X_OK) == 0)
        m_fd.reset(amx_openat(m_dir.get(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    for (int attempt = 0; m_dir.valid() && !m_fd.valid() && attempt < 100; ++attempt) {
        std::string name = tempName(attempt);
        m_fd.reset(
            amx_openat(m_dir.get(), name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (m_fd.valid())
            m_tempName = name;
        else if (errno != EEXIST)
            break;
    }
    if (!m_fd.valid())
        throw ZipFailure(
            ZipError::CreateFailed, "temporary file in " + dir + " (" + errnoText(errno) + ")");
    m_buf.reserve(writeBuffer);
}

ArchiveWriter::~ArchiveWriter()
{
    if (!m_committed && !m_tempName.empty())
        amx_unlinkat(m_dir.get(), m_tempName.c_str(), 0);
    if (!m_scratchName.empty())
        amx_unlinkat(m_dir.get(), m_scratchName.c_str(), 0);
}

Fd ArchiveWriter::scratchFile()
{
    Fd fd(amx_openat(m_dir.get(), ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
    // Where unnamed files are not supported, a named one loses its name at once.
    for (int attempt = 0; !fd.valid() && attempt < 100; ++attempt) {
        std::string name = tempName(attempt, "-scratch");
        fd.reset(
            amx_openat(m_dir.get(), name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (fd.valid()) {
            if (amx_unlinkat(m_dir.get(), name.c_str(), 0) != 0)
                m_scratchName = name;
        } else if (errno != EEXIST) {
            break;
        }
    }
    if (!fd.valid())
        throw ZipFailure(ZipError::CreateFailed,
            "scratch file beside " + m_target + " (" + errnoText(errno) + ")");
    return fd;
}

void ArchiveWriter::fail(int err)
{
    throw ZipFailure(ZipError::WriteFailed, m_target + " (" + errnoText(err) + ")");
}

void ArchiveWriter::flush()
{
    copyPending();
    if (m_buf.empty())
        return;
    if (!pwriteFull(m_fd.get(), m_buf.data(), m_buf.size(), m_pos))
        fail(errno);
    m_pos += m_buf.size();
    m_buf.clear();
    startWriteback();
}

void ArchiveWriter::startWriteback()
{
    if (m_pos < m_synced + writebackStep)
        return;
    // Only a hint: where it is not supported the final flush does it all.
    ::sync_file_range(m_fd.get(), off_t(m_synced), off_t(m_pos - m_synced), SYNC_FILE_RANGE_WRITE);
    m_synced = m_pos;
}

void ArchiveWriter::write(const void *data, size_t n)
{
    copyPending();
    if (m_buf.size() + n > writeBuffer)
        flush();
    if (n >= writeBuffer) {
        if (!pwriteFull(m_fd.get(), data, n, m_pos))
            fail(errno);
        m_pos += n;
        startWriteback();
        return;
    }
    m_buf.append(static_cast<const char *>(data), n);
}

void ArchiveWriter::rewind(uint64_t at)
{
    copyPending();
    if (at >= m_pos) {
        m_buf.resize(std::min<size_t>(m_buf.size(), size_t(at - m_pos)));
        return;
    }
    m_buf.clear();
    m_pos = at;
    m_synced = std::min(m_synced, at);
    m_shortened = true;
}

void ArchiveWriter::patch(uint64_t at, const std::string &bytes)
{
    flush();
    if (!pwriteFull(m_fd.get(), bytes.data(), bytes.size(), at))
        fail(errno);
}

void ArchiveWriter::copyFrom(int fd, uint64_t offset, uint64_t n)
{
    // Held to a few MiB, so that progress and a cancel still come between members.
    if (m_copyLength > 0 && fd == m_copyFd && offset == m_copyOffset + m_copyLength
        && m_copyLength + n <= writebackStep) {
        m_copyLength += n;
        return;
    }
    flush();
    m_copyFd = fd;
    m_copyOffset = offset;
    m_copyLength = n;
}

void ArchiveWriter::copyPending()
{
    if (m_copyLength == 0)
        return;
    const int fd = m_copyFd;
    uint64_t offset = m_copyOffset, n = m_copyLength;
    m_copyLength = 0;
    // In-kernel copy first; plain reads and writes when the file systems refuse.
    while (n > 0) {
        loff_t in = loff_t(offset), out = loff_t(m_pos);
        ssize_t r = ::copy_file_range(
            fd, &in, m_fd.get(), &out, size_t(std::min<uint64_t>(n, 2 * writebackStep)), 0);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            if (r < 0 && errno != EXDEV && errno != ENOSYS && errno != EOPNOTSUPP
                && errno != EINVAL)
                fail(errno);
            break;
        }
        offset += uint64_t(r);
        m_pos += uint64_t(r);
        n -= uint64_t(r);
        startWriteback();
    }
    std::string buf(size_t(std::min<uint64_t>(n, writeBuffer)), '\0');
    while (n > 0) {
        size_t chunk = size_t(std::min<uint64_t>(n, buf.size()));
        if (!preadFull(fd, buf.data(), chunk, offset))
            throw ZipFailure(ZipError::Truncated, "reading the old archive");
        if (!pwriteFull(m_fd.get(), buf.data(), chunk, m_pos))
            fail(errno);
        offset += chunk;
        m_pos += chunk;
        n -= chunk;
        startWriteback();
    }
}

void ArchiveWriter::commit(mode_t mode, std::optional<int64_t> mtime)
{
    flush();
    int fd = m_fd.get();
    if (m_shortened && amx_ftruncate(fd, off_t(m_pos)) != 0)
        fail(errno);
    if (amx_fchmod(fd, mode) != 0 || amx_fdatasync(fd) != 0)
        fail(errno);
    if (mtime) {
        struct timespec times[2] = { { 0, UTIME_OMIT }, { time_t(*mtime), 0 } };
        ::futimens(fd, times);
    }
    std::string named = m_tempName;
    if (named.empty()) {
        // Give the unnamed file a name beside the archive, then rename it over.
        for (int attempt = 0; attempt < 100 && named.empty(); ++attempt) {
            std::string candidate = tempName(attempt);
            std::string self = "/proc/self/fd/" + std::to_string(fd);
            if (amx_linkat(
                    AT_FDCWD, self.c_str(), m_dir.get(), candidate.c_str(), AT_SYMLINK_FOLLOW)
                == 0)
                named = candidate;
            else if (errno != EEXIST)
                fail(errno);
        }
        if (named.empty())
            fail(EEXIST);
        m_tempName = named;
    }
    if (amx_renameat(m_dir.get(), named.c_str(), m_dir.get(), m_leaf.c_str()) != 0)
        throw ZipFailure(ZipError::ReplaceFailed, m_target + " (" + errnoText(errno) + ")");
    m_committed = true;
    m_fd.reset();
    // Make the rename itself durable.
    Fd dir(amx_openat(m_dir.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        amx_fsync(dir.get());
}

} // namespace amx
