// The new archive, written to an unnamed temporary file in the archive's
// folder and put in place only by commit(). Until then the original is never
// touched, and a failure, a cancel or a killed process leaves nothing behind.
#pragma once

#include "FileUtil.h"

#include <optional>
#include <string>
#include <sys/types.h>

namespace amx {

class ArchiveWriter
{
public:
    // A relative archive path starts from folder `base`.
    ArchiveWriter(int base, const std::string &archivePath);
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter &) = delete;
    ArchiveWriter &operator=(const ArchiveWriter &) = delete;

    const std::string &target() const { return m_target; }
    uint64_t position() const { return m_pos + m_copyLength + m_buf.size(); }
    void write(const void *data, size_t n);
    void write(const std::string &s) { write(s.data(), s.size()); }
    // Rewrites bytes already written (a header whose sizes are now known).
    void patch(uint64_t at, const std::string &bytes);
    // Drops what was written from `at` on.
    void rewind(uint64_t at);
    // Copies bytes of another file unchanged. Copies of adjacent ranges are
    // joined: members kept in order cost a call per few MiB, not one each.
    void copyFrom(int fd, uint64_t offset, uint64_t n);
    // Flushes to disk and renames over the archive. Throws ZipFailure.
    void commit(mode_t mode, std::optional<int64_t> mtime);
    // A file for the caller's scratch data beside the new archive. It has no
    // name, so it is gone once the descriptor is closed, whatever happens.
    // Throws ZipFailure.
    Fd scratchFile();

private:
    void flush();
    void copyPending();
    void startWriteback();
    [[noreturn]] void fail(int err);

    std::string m_target;
    Fd m_dir; // the archive's folder, held so that the result cannot land elsewhere
    std::string m_leaf;
    std::string m_tempName; // in m_dir; set when a named temporary had to be used
    std::string m_scratchName; // a scratch file's name that could not be removed at once
    Fd m_fd;
    uint64_t m_pos = 0;
    std::string m_buf; // empty while a copy is pending
    int m_copyFd = -1;
    uint64_t m_copyOffset = 0;
    uint64_t m_copyLength = 0;
    bool m_committed = false;
    bool m_shortened = false; // the file may hold bytes past the end
    uint64_t m_synced = 0; // writeback started up to here
};

} // namespace amx
