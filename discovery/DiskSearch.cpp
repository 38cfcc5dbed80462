#include "DiskSearch.h"

#include "FavoriteScan.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Entry
{
    std::string name;
    unsigned char type;
};

} // namespace

bool isPseudoFolder(const std::string &folder)
{
    for (const std::string_view top : { "/proc", "/sys", "/dev" })
        if (folder.starts_with(top) && (folder.size() == top.size() || folder[top.size()] == '/'))
            return true;
    return false;
}

DiskSearch::DiskSearch(std::vector<std::string> &folders)
    : m_folders(folders)
    , m_collected(folders.begin(), folders.end())
{
}

std::string DiskSearch::currentFolder() const
{
    std::lock_guard lock(m_currentLock);
    return m_current;
}

bool DiskSearch::search(const std::string &root)
{
    struct stat st;
    if (!isPseudoFolder(root) && ::stat(root.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        m_device = st.st_dev;
        searchFolder(root.empty() || root.back() == '/' ? root : root + '/');
    }
    return !m_cancelled;
}

void DiskSearch::searchFolder(const std::string &folder)
{
    if (m_cancelled || isPseudoFolder(folder))
        return;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    std::unique_ptr<DIR, int (*)(DIR *)> dir(::fdopendir(fd), &::closedir);
    if (!dir) {
        ::close(fd);
        return;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || st.st_dev != m_device)
        return;
    const std::pair<uint64_t, uint64_t> id { st.st_dev, st.st_ino };
    if (std::find(m_open.begin(), m_open.end(), id) != m_open.end())
        return;

    ++m_foldersSearched;
    {
        std::lock_guard lock(m_currentLock);
        m_current = folder;
    }
    if (onFolder)
        onFolder(folder);
    // The listing is read whole and closed before going deeper, so a deep
    // tree holds no folder open but the one being read.
    std::vector<Entry> entries;
    while (const dirent *e = ::readdir(dir.get())) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..")
            continue;
        unsigned char type = e->d_type;
        if (type == DT_UNKNOWN) {
            struct stat es;
            type = ::fstatat(fd, e->d_name, &es, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(es.st_mode)
                ? DT_DIR
                : DT_REG;
        }
        if (type == DT_DIR || hasZipExtension(name))
            entries.push_back({ std::string(name), type });
    }
    dir.reset();

    m_open.push_back(id);
    for (const Entry &entry : entries) {
        if (m_cancelled)
            break;
        if (entry.type == DT_DIR)
            searchFolder(folder + entry.name + '/');
        // A folder named like an archive counts as one.
        if (hasZipExtension(entry.name))
            found(folder);
    }
    m_open.pop_back();
}

void DiskSearch::found(const std::string &folder)
{
    ++m_archivesFound;
    if (m_folders.size() < kMaxFavoriteFolders && m_collected.insert(folder).second)
        m_folders.push_back(folder);
}
