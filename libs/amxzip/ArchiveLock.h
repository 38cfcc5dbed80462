// One writer at a time per archive. Every rewrite holds this from before it
// reads the archive's directory until its new file has replaced the old one,
// so that two writers never both start from the same old archive and one of
// them silently drops what the other added or deleted. Readers take no lock:
// they only ever see a whole archive, the old one or the new one.
#pragma once

#include "FileUtil.h"

#include <functional>
#include <string>

namespace amx {

class ArchiveLock
{
public:
    enum class Method { Auto, LockFile };

    // Waits until no other writer holds the archive `path` (relative to folder
    // `base`), calling `waiting` about every tenth of a second meanwhile; to
    // stop waiting, `waiting` throws (Cancelled). Throws ZipFailure when the
    // archive or its lock cannot be opened. LockFile is the way of file
    // systems without flock; Auto uses it only there.
    ArchiveLock(int base, const std::string &path, const std::function<void()> &waiting,
        Method method = Method::Auto);
    ~ArchiveLock();
    ArchiveLock(const ArchiveLock &) = delete;
    ArchiveLock &operator=(const ArchiveLock &) = delete;

private:
    bool lockInPlace(const std::function<void()> &waiting);
    void lockWithFile(const std::function<void()> &waiting);
    bool ownerGone();

    int m_base;
    std::string m_path;
    std::string m_folder; // of the archive, as a path from base
    std::string m_leaf;
    Fd m_held; // the locked archive or, for a new one, its folder
    Fd m_dir; // the folder of the lock file, when one is used
    std::string m_lockName;
    bool m_ownsLockFile = false;
};

} // namespace amx
