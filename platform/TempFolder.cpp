#include "TempFolder.h"

#include <QDir>

#include <cerrno>
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

void removeTempCopies()
{
    for (const std::string &path : tempCopies())
        ::unlink(path.c_str());
    tempCopies().clear();
}
