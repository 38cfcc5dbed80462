#include "FavoriteScan.h"

#include "AddBrowser.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

bool hasZipExtension(std::string_view name)
{
    if (name.size() < 4)
        return false;
    const std::string_view ext = name.substr(name.size() - 4);
    static constexpr char zip[] = ".zip";
    for (size_t k = 0; k < 4; ++k) {
        char c = ext[k];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != zip[k])
            return false;
    }
    return true;
}

std::string favoriteTimeText(const QDateTime &modified)
{
    QTime time = modified.time();
    time = QTime(time.hour(), time.minute(), time.second() & ~1);
    const QLocale locale;
    QString text = locale.toString(modified.date(), QLocale::ShortFormat);
    if (time != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(time, longTimeFormat(locale));
    return text.toStdString();
}

std::vector<FavoriteFile> scanFavorites(const std::vector<std::string> &folders)
{
    std::vector<FavoriteFile> files;
    for (const std::string &folder : folders) {
        // One pass over each folder: the listing, then one stat per archive.
        const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dirFd < 0)
            continue;
        std::unique_ptr<DIR, int (*)(DIR *)> dir(::fdopendir(dirFd), &::closedir);
        if (!dir) {
            ::close(dirFd);
            continue;
        }
        const std::string shown = folderShown(folder);
        while (const dirent *entry = ::readdir(dir.get())) {
            if (!hasZipExtension(entry->d_name))
                continue;
            struct stat st;
            if (::fstatat(dirFd, entry->d_name, &st, 0) != 0 || S_ISDIR(st.st_mode))
                continue;
            const QDateTime modified = QDateTime::fromSecsSinceEpoch(st.st_mtim.tv_sec);
            files.push_back({ entry->d_name, favoriteTimeText(modified), shown });
        }
    }
    return files;
}

void sortFavorites(std::vector<FavoriteFile> &files, int order)
{
    if (order < FavoriteByName || order > FavoriteByFolderDown)
        return;
    const int column = (order - 1) % 3;
    const bool down = order > FavoriteByFolder;
    const auto key = [column](const FavoriteFile &f) -> const std::string & {
        return column == 0 ? f.Name : column == 1 ? f.Modified : f.Folder;
    };
    // std::string compares as unsigned bytes, a prefix first.
    std::stable_sort(files.begin(), files.end(), [&](const FavoriteFile &a, const FavoriteFile &b) {
        return down ? key(b) < key(a) : key(a) < key(b);
    });
}

int orderAfterColumnClick(int current, int column)
{
    const int ascending = column + 1;
    return current == ascending ? ascending + 3 : ascending;
}

QString sortTypeText(int order)
{
    switch (order) {
    case FavoriteByName:
    case FavoriteByNameDown:
        return QCoreApplication::translate(
            "TFavoriteForm", "Files in Favorite Zip Folders sorted by name:");
    case FavoriteByDate:
    case FavoriteByDateDown:
        return QCoreApplication::translate(
            "TFavoriteForm", "Files in Favorite Zip Folders sorted by date:");
    case FavoriteByFolder:
    case FavoriteByFolderDown:
        return QCoreApplication::translate(
            "TFavoriteForm", "Files in Favorite Zip Folders sorted by folder:");
    default:
        return {};
    }
}

std::string folderShown(const std::string &folder)
{
    if (folder.size() > 1 && folder.back() == '/')
        return folder.substr(0, folder.size() - 1);
    return folder;
}

std::string favoritePath(const FavoriteFile &file)
{
    if (file.Folder.empty() || file.Folder.back() == '/')
        return file.Folder + file.Name;
    return file.Folder + '/' + file.Name;
}

bool sameFolder(const std::string &a, const std::string &b)
{
    return a == b;
}

bool addFolder(std::vector<std::string> &folders, const std::string &folder)
{
    if (folders.size() >= kMaxFavoriteFolders)
        return false;
    for (const std::string &f : folders)
        if (sameFolder(f, folder))
            return false;
    folders.push_back(folder);
    return true;
}
