#include "ArchiveSession.h"

#include "FileRows.h"
#include "Settings.h"

#include "Operations.h"
#include "Prompter.h"

#include <algorithm>
#include <filesystem>

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
            RecentItemClick(n + 1);
            ListAlreadyLoaded = true;
            // That opening has done the rest, the favourites question included.
            if (CurrentArchive == path)
                return;
        } else if (n < 0) {
            recent.pushFront(path);
        }
    }
    m_view.refreshRecent();
    m_view.acceptFileDrops(true);
    m_settings.LastOpenDir = folderOf(path);
    offerFavourite(folderOf(path));
}

void ArchiveSession::offerFavourite(const std::string &folder)
{
    std::vector<std::string> &favourites = m_settings.FavoriteFolders;
    if (folder.empty()
        || std::find(favourites.begin(), favourites.end(), folder) != favourites.end())
        return;
    const bool add = m_settings.FavoriteAddMode == 0
        || (m_settings.FavoriteAddMode == 1
            && Prompter::instance().question(QStringLiteral("Add \"")
                + QString::fromStdString(LowerAscii(folder))
                + QStringLiteral("\" to favorite Zip Folders?")));
    if (add && favourites.size() < kMaxFavourites)
        favourites.push_back(folder);
}

void ArchiveSession::openAndLoad(const std::string &path)
{
    ListAlreadyLoaded = false;
    OpenArchive(path);
    if (!ListAlreadyLoaded)
        m_view.loadFileList();
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
    OpenArchive(recent[0]);
    m_view.loadFileList();
}

void ArchiveSession::CloseArchive()
{
    CurrentArchive.clear();
    m_view.showNoArchive();
    m_view.acceptFileDrops(false);
}
