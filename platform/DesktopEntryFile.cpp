#include "DesktopEntryFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Fd
{
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool writeAll(int fd, const std::string &text)
{
    const char *p = text.data();
    size_t left = text.size();
    while (left > 0) {
        const ssize_t put = ::write(fd, p, left);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        p += put;
        left -= size_t(put);
    }
    return true;
}

// A new file under a name of its own in the folder; its name in temp.
int createTemporary(int dirFd, std::string &temp)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned int token = 0;
        if (::getrandom(&token, sizeof token, 0) != sizeof token)
            token = unsigned(::getpid()) * 2654435761u + unsigned(attempt);
        char name[32];
        std::snprintf(name, sizeof name, ".amx-%08x.tmp", token);
        const int fd =
            ::openat(dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            temp = name;
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Renames temp to name only when nothing has that name.
bool renameNoReplace(int dirFd, const std::string &temp, const std::string &name)
{
    if (::renameat2(dirFd, temp.c_str(), dirFd, name.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that rename: a hard link fails the same way.
    if (::linkat(dirFd, temp.c_str(), dirFd, name.c_str(), 0) != 0)
        return false;
    ::unlinkat(dirFd, temp.c_str(), 0);
    return true;
}

} // namespace

std::string desktopEntryValue(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

bool carriesMark(int dirFd, const std::string &name, const std::string &mark)
{
    Fd in { ::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) };
    struct stat st;
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > 1 << 20)
        return false;
    std::string text(size_t(st.st_size), '\0');
    size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(in.fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += size_t(n);
    }
    text.resize(got);
    const std::string line = mark + "\n";
    return text.starts_with(line) || text.find("\n" + line) != std::string::npos;
}

std::string writeMarkedEntry(
    int dirFd, const std::string &stem, const std::string &text, const std::string &mark)
{
    for (int n = 1; n < 1000; ++n) {
        const std::string name =
            stem + (n == 1 ? std::string() : " (" + std::to_string(n) + ")") + ".desktop";
        if (name.find('/') != std::string::npos) {
            errno = EINVAL;
            return {};
        }
        if (name.size() > NAME_MAX) {
            errno = ENAMETOOLONG;
            return {};
        }
        struct stat st;
        const bool taken = ::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        if (taken && !carriesMark(dirFd, name, mark))
            continue;
        std::string temp;
        const int fd = createTemporary(dirFd, temp);
        if (fd < 0)
            return {};
        int failure = writeAll(fd, text) ? 0 : errno;
        if (::close(fd) != 0 && failure == 0)
            failure = errno;
        if (failure == 0) {
            // Our own file is replaced by a rename, which never writes
            // through a link even if one took its place meanwhile.
            if (taken ? ::renameat(dirFd, temp.c_str(), dirFd, name.c_str()) == 0
                      : renameNoReplace(dirFd, temp, name))
                return name;
            failure = errno;
        }
        ::unlinkat(dirFd, temp.c_str(), 0);
        if (taken || failure != EEXIST) {
            errno = failure;
            return {};
        }
        // Someone took the free name meanwhile: the next one.
    }
    errno = EEXIST;
    return {};
}

int openOwnFolder(int baseFd, const std::string &relative)
{
    int current = ::fcntl(baseFd, F_DUPFD_CLOEXEC, 0);
    size_t pos = 0;
    while (current >= 0 && pos <= relative.size()) {
        size_t slash = relative.find('/', pos);
        if (slash == std::string::npos)
            slash = relative.size();
        const std::string part = relative.substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            ::close(current);
            errno = EINVAL;
            return -1;
        }
        if (::mkdirat(current, part.c_str(), 0755) != 0 && errno != EEXIST) {
            const int saved = errno;
            ::close(current);
            errno = saved;
            return -1;
        }
        const int next =
            ::openat(current, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int saved = errno;
        ::close(current);
        errno = saved;
        current = next;
    }
    return current;
}
