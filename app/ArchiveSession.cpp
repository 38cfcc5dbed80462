#include "ArchiveSession.h"

#include "FileRows.h"
#include "Settings.h"

#include "Operations.h"
#include "Prompter.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// More would make the favourites window useless and its file huge.
constexpr size_t kMaxFavourites = 1000;

} // namespace

std::string fileNameOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isReadOnlyFile(const std::string &path)
{
    // root passes access() for any file, so the bits are looked at too.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

ArchiveSession::ArchiveSession(Settings &settings, ArchiveView &view)
    : m_settings(settings)
    , m_view(view)
{
}

void ArchiveSession::OpenArchive(const std::string &path)
{
    const bool readOnly = isReadOnlyFile(path);
    m_view.showArchive(path, readOnly);
    CurrentArchive = path;
    m_readOnly = readOnly;

    if (!SkipHistoryUpdate) {
        History &recent = m_settings.ActiveFile;
        const int n = recent.indexOf(path);
        if (n > 0) {
            // That opening does the rest, the favourites question included,
            // or closes the archive again when its file is gone.
            RecentItemClick(n + 1);
            ListAlreadyLoaded = true;
            return;
        }
        if (n < 0)
            recent.pushFront(path);
    }
    m_view.refreshRecent();
    m_view.acceptFileDrops(true);
    m_settings.LastOpenDir = folderOf(path);
    if (m_listing > 0)
        m_pendingFavourite = folderOf(path);
    else
        offerFavourite(folderOf(path));
}

void ArchiveSession::openListed(const std::string &path)
{
    // The favourites question waits until the list is read: a damaged
    // archive shows its error first and is not offered at all.
    if (m_listing == 0)
        m_pendingFavourite.reset();
    struct Depth
    {
        int &depth;
        ~Depth() { --depth; }
    } depth { ++m_listing };
    OpenArchive(path);
    if (!ListAlreadyLoaded)
        m_view.listArchive();
    if (m_listing == 1 && m_pendingFavourite)
        offerFavourite(*std::exchange(m_pendingFavourite, std::nullopt));
}

void ArchiveSession::offerFavourite(const std::string &folder)
{
    std::vector<std::string> &favourites = m_settings.FavoriteFolders;
    if (folder.empty()
        || std::find(favourites.begin(), favourites.end(), folder) != favourites.end())
        return;
    const bool add = m_settings.FavoriteAddMode == 0
        || (m_settings.FavoriteAddMode == 1
            && Prompter::instance().question(
                tr("Add \"%1\" to favorite Zip Folders?").arg(QString::fromStdString(folder))));
    if (add && favourites.size() < kMaxFavourites)
        favourites.push_back(folder);
}

void ArchiveSession::openAndLoad(const std::string &path)
{
    ListAlreadyLoaded = false;
    openListed(path);
}

void ArchiveSession::RecentItemClick(int n)
{
    History &recent = m_settings.ActiveFile;
    const std::string path = recent[n - 1];
    if (path.empty() || refuseWhileOperationRuns())
        return;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        recent.remove(n - 1);
        m_view.refreshRecent();
        // Another open archive stays open; the window never shows one
        // that is gone.
        if (path == CurrentArchive) {
            CloseArchive();
            Prompter::instance().notice(tr("\"%1\" no longer exists. It has been removed from the "
                                           "recent archives.")
                                            .arg(QString::fromStdString(path)),
                Prompter::Icon::Warning);
        }
        return;
    }
    SkipHistoryUpdate = true;
    struct Clear
    {
        bool &flag;
        ~Clear() { flag = false; }
    } clear { SkipHistoryUpdate };
    recent.moveToFront(n - 1);
    CloseArchive();
    ListAlreadyLoaded = false;
    openListed(recent[0]);
}

void ArchiveSession::CloseArchive()
{
    CurrentArchive.clear();
    m_view.showNoArchive();
    m_view.acceptFileDrops(false);
}
