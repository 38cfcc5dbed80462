// Keeps the process's current folder across a library call: whatever the call
// or its event handlers change, the process returns to where it was, so no
// extraction or add folder stays busy afterwards.
#pragma once

#include <fcntl.h>
#include <unistd.h>

class CurrentFolderKeeper
{
public:
    // Held open, so that a renamed or re-mounted folder is still the one returned to.
    CurrentFolderKeeper()
        : m_fd(::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~CurrentFolderKeeper()
    {
        if (m_fd < 0)
            return;
        [[maybe_unused]] const int rc = ::fchdir(m_fd);
        ::close(m_fd);
    }
    CurrentFolderKeeper(const CurrentFolderKeeper &) = delete;
    CurrentFolderKeeper &operator=(const CurrentFolderKeeper &) = delete;

private:
    int m_fd;
};
