#include "TempFolder.h"

#include <QDir>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::set<std::string> &tempCopies()
{
    static std::set<std::string> copies;
    return copies;
}

std::string userName()
{
    if (const passwd *pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name)
        return pw->pw_name;
    return std::to_string(::geteuid());
}

std::set<std::string> &dragFolders()
{
    static std::set<std::string> folders;
    return folders;
}

} // namespace

std::string privateTempFolder()
{
    return QDir::tempPath().toStdString() + "/ambermox-" + userName() + '/';
}

bool prepareTempFolder(const std::string &folder)
{
    if (folder == privateTempFolder()) {
        std::string path = folder;
        path.pop_back();
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        struct stat st
        {
        };
        // lstat: a link planted there by someone else must not be followed.
        return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
            && (st.st_mode & 077) == 0;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec))
        return true;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec);
}

void rememberTempCopy(const std::string &path)
{
    tempCopies().insert(path);
}

std::string makeDragFolder(const std::string &folder)
{
    std::string pattern = folder + "drag-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    dragFolders().insert(pattern);
    return pattern + '/';
}

void removeTempCopies()
{
    for (const std::string &path : tempCopies())
        ::unlink(path.c_str());
    tempCopies().clear();
    // The target of a drop has made its own copies long since.
    std::error_code ec;
    for (const std::string &path : dragFolders())
        std::filesystem::remove_all(path, ec);
    dragFolders().clear();
}
