// A file written under a temporary name in its target's folder and renamed
// over the target only once it is complete and on disk, so a failure never
// leaves half a file nor touches the one it would replace.
#pragma once

#include <string>
#include <sys/types.h>

class ReplacingFile
{
public:
    // tempName: the temporary file's name in the target's folder, ending in
    // "XXXXXX". ok() is false (errno set) when it cannot be created.
    ReplacingFile(const std::string &target, const std::string &tempName);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    bool ok() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    // Each returns false with errno set on failure.
    bool write(const char *p, size_t n);
    // Copies what is left of `in`; *readFailed tells which side failed.
    bool copyFrom(int in, off_t &copied, bool &readFailed);
    // Flushes, sets the mode and renames over the target.
    bool commit(mode_t mode);

private:
    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    bool m_committed = false;
};
