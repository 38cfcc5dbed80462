#include "PasswordInput.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <openssl/crypto.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

class Fd
{
public:
    explicit Fd(int fd)
        : m_fd(fd)
    {
    }
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

void writeAll(int fd, const std::string &text)
{
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += size_t(n);
    }
}

// Reads up to the end of the line (left out) or of the input, into memory
// that is wiped. False at the end of input before a line end.
bool readLine(int fd, amx::SecretText &line)
{
    std::vector<char> bytes;
    bytes.reserve(256);
    bool ended = false;
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        if (c == '\n') {
            ended = true;
            break;
        }
        // Growing would leave a copy behind: the old buffer is wiped first.
        if (bytes.size() == bytes.capacity()) {
            std::vector<char> larger;
            larger.reserve(bytes.capacity() * 2);
            larger.assign(bytes.begin(), bytes.end());
            OPENSSL_cleanse(bytes.data(), bytes.size());
            bytes.swap(larger);
        }
        bytes.push_back(c);
    }
    if (!bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    line = amx::SecretText(std::string_view(bytes.data(), bytes.size()));
    OPENSSL_cleanse(bytes.data(), bytes.capacity());
    return ended || !bytes.empty();
}

} // namespace

bool askOnTerminal(const std::string &prompt, amx::SecretText &answer)
{
    Fd tty(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (tty.get() < 0)
        return false;
    termios saved {};
    const bool canHide = ::tcgetattr(tty.get(), &saved) == 0;
    if (canHide) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        ::tcsetattr(tty.get(), TCSAFLUSH, &quiet);
    }
    writeAll(tty.get(), prompt);
    const bool got = readLine(tty.get(), answer);
    if (canHide)
        ::tcsetattr(tty.get(), TCSAFLUSH, &saved);
    if (!got)
        writeAll(tty.get(), "\n");
    return got;
}

void tellOnTerminal(const std::string &line)
{
    Fd tty(::open("/dev/tty", O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (tty.get() >= 0)
        writeAll(tty.get(), line + "\n");
}

bool readPasswordFile(const std::string &path, amx::SecretText &password, std::string &why)
{
    Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        why = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st
    {
    };
    if (::fstat(file.get(), &st) == 0 && S_ISDIR(st.st_mode)) {
        why = "cannot read " + path + ": " + std::strerror(EISDIR);
        return false;
    }
    readLine(file.get(), password);
    return true;
}
