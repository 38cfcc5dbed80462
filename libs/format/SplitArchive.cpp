#include "SplitArchive.h"

#include "amx_locate.h"
#include "amx_sys.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace amx {

namespace {

struct PartSet
{
    std::vector<int> fds; // fds[0] is the key the caller holds
    std::vector<uint64_t> starts; // each part's first byte in the whole
    uint64_t total = 0;
    bool spanned = false;
};

std::mutex g_mutex;
std::map<int, std::shared_ptr<const PartSet>> g_sets;
// Plain archives, by far the most, never take the lock.
std::atomic<int> g_count { 0 };

std::shared_ptr<const PartSet> setOf(int fd)
{
    if (g_count.load(std::memory_order_acquire) == 0)
        return nullptr;
    std::lock_guard lock(g_mutex);
    const auto found = g_sets.find(fd);
    return found == g_sets.end() ? nullptr : found->second;
}

bool exists(int base, const std::string &path)
{
    struct stat st;
    return ::fstatat(base, path.c_str(), &st, 0) == 0;
}

bool endsWithNoCase(const std::string &s, const std::string &tail)
{
    if (s.size() < tail.size())
        return false;
    return std::equal(
        tail.begin(), tail.end(), s.end() - std::ptrdiff_t(tail.size()), [](char a, char b) {
            return a == (b >= 'A' && b <= 'Z' ? char(b - 'A' + 'a') : b);
        });
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string number(unsigned n, int width)
{
    std::string s = std::to_string(n);
    return std::string(size_t(std::max(0, width - int(s.size()))), '0') + s;
}

int readPart(void *ctx, uint64_t pos, void *dst, size_t n)
{
    const int fd = *static_cast<int *>(ctx);
    auto *p = static_cast<char *>(dst);
    while (n > 0) {
        const ssize_t r = ::pread(fd, p, n, off_t(pos));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return 0;
        p += r;
        n -= size_t(r);
        pos += uint64_t(r);
    }
    return 1;
}

// The number of the last part as the end record of name.zip gives it; 0
// when it cannot be read.
uint32_t lastDiskOf(int base, const std::string &path)
{
    int fd = ::openat(base, path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 0;
    struct stat st;
    uint32_t disk = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        amx_central_location at;
        amx_locate_central(readPart, &fd, uint64_t(st.st_size), &at);
        if (at.fault == AMX_LOCATE_OK || at.fault == AMX_LOCATE_MULTI_PART)
            disk = at.disk;
    }
    ::close(fd);
    // Info-ZIP numbers up to .z99 and beyond; more is no archive of ours.
    return std::min<uint32_t>(disk, 9999);
}

SplitParts spannedSet(int base, const std::string &stem, bool upper)
{
    SplitParts set;
    set.spanned = true;
    const std::string last = stem + (upper ? ".ZIP" : ".zip");
    uint32_t disks = lastDiskOf(base, last);
    if (disks == 0) {
        // Without the last part, the parts that are there say how many came before it.
        while (exists(base, stem + (upper ? ".Z" : ".z") + number(disks + 1, 2)))
            ++disks;
    }
    for (uint32_t k = 1; k <= disks; ++k)
        set.paths.push_back(stem + (upper ? ".Z" : ".z") + number(k, 2));
    set.paths.push_back(last);
    return set;
}

} // namespace

SplitParts splitPartsOf(int base, const std::string &path)
{
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t n = name.size();
    // name.zip.001: the bytes of one archive cut into pieces.
    if (n > 8 && name[n - 4] == '.' && isDigit(name[n - 3]) && isDigit(name[n - 2])
        && isDigit(name[n - 1]) && endsWithNoCase(name.substr(0, n - 4), ".zip")) {
        const std::string stem = path.substr(0, path.size() - 4);
        SplitParts set;
        unsigned last = 0;
        // A gap of a few numbers still finds the parts after a missing one.
        for (unsigned k = 1, gap = 0; k <= 999 && gap < 16; ++k) {
            if (exists(base, stem + "." + number(k, 3))) {
                last = k;
                gap = 0;
            } else {
                ++gap;
            }
        }
        last = std::max<unsigned>(last, unsigned(std::stoul(name.substr(n - 3))));
        for (unsigned k = 1; k <= last; ++k)
            set.paths.push_back(stem + "." + number(k, 3));
        return set;
    }
    // name.z01, name.z02, ..., name.zip: any of them.
    if (n > 4 && name[n - 4] == '.' && (name[n - 3] == 'z' || name[n - 3] == 'Z')
        && isDigit(name[n - 2]) && isDigit(name[n - 1]))
        return spannedSet(base, path.substr(0, path.size() - 4), name[n - 3] == 'Z');
    if (n > 4 && endsWithNoCase(name, ".zip")) {
        const std::string stem = path.substr(0, path.size() - 4);
        const bool upper = name[n - 3] == 'Z';
        if (exists(base, stem + (upper ? ".Z01" : ".z01")))
            return spannedSet(base, stem, upper);
    }
    return {};
}

int openArchiveRead(int base, const std::string &path, int flags, std::string *missing)
{
    const SplitParts parts = splitPartsOf(base, path);
    if (parts.paths.empty())
        return amx_openat(base, path.c_str(), flags);
    auto set = std::make_shared<PartSet>();
    set->spanned = parts.spanned;
    auto fail = [&](int err, const std::string &part) {
        for (int fd : set->fds)
            ::close(fd);
        if (err == ENOENT && missing)
            *missing = part;
        errno = err;
        return -1;
    };
    for (const std::string &part : parts.paths) {
        const int fd = amx_openat(base, part.c_str(), flags);
        if (fd < 0)
            return fail(errno, part);
        set->fds.push_back(fd);
        struct stat st;
        if (::fstat(fd, &st) != 0)
            return fail(errno, part);
        // Only the first part is the caller's to judge; the others must be files.
        if (set->fds.size() > 1 && !S_ISREG(st.st_mode))
            return fail(EINVAL, part);
        set->starts.push_back(set->total);
        set->total += uint64_t(st.st_size);
    }
    if (!parts.spanned) {
        // A set cut short holds no end record: the next part is missing.
        amx_central_location at;
        struct Reader
        {
            const PartSet &set;
            static int read(void *ctx, uint64_t pos, void *dst, size_t n)
            {
                const PartSet &s = static_cast<Reader *>(ctx)->set;
                auto *p = static_cast<char *>(dst);
                while (n > 0) {
                    const size_t i = size_t(std::upper_bound(s.starts.begin(), s.starts.end(), pos)
                                         - s.starts.begin())
                        - 1;
                    const uint64_t end = i + 1 < s.starts.size() ? s.starts[i + 1] : s.total;
                    if (pos >= end)
                        return 0;
                    const size_t take = size_t(std::min<uint64_t>(n, end - pos));
                    if (!readPart(const_cast<int *>(&s.fds[i]), pos - s.starts[i], p, take))
                        return 0;
                    p += take;
                    n -= take;
                    pos += take;
                }
                return 1;
            }
        } reader { *set };
        amx_locate_central(Reader::read, &reader, set->total, &at);
        if (at.fault == AMX_LOCATE_NO_END_RECORD) {
            const std::string &last = parts.paths.back();
            const unsigned next = unsigned(std::stoul(last.substr(last.size() - 3))) + 1;
            return fail(ENOENT, last.substr(0, last.size() - 3) + number(next, 3));
        }
    }
    const int key = set->fds.front();
    {
        std::lock_guard lock(g_mutex);
        g_sets[key] = std::move(set);
        g_count.fetch_add(1, std::memory_order_release);
    }
    return key;
}

void releaseArchiveParts(int fd)
{
    std::shared_ptr<const PartSet> set;
    {
        std::lock_guard lock(g_mutex);
        const auto found = g_sets.find(fd);
        if (found == g_sets.end())
            return;
        set = found->second;
        g_sets.erase(found);
        g_count.fetch_sub(1, std::memory_order_release);
    }
    for (size_t i = 1; i < set->fds.size(); ++i)
        ::close(set->fds[i]);
}

void closeArchiveRead(int fd)
{
    if (fd < 0)
        return;
    releaseArchiveParts(fd);
    ::close(fd);
}

bool archiveReadSize(int fd, uint64_t &size)
{
    if (const auto set = setOf(fd)) {
        size = set->total;
        return true;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return false;
    size = uint64_t(st.st_size);
    return true;
}

ssize_t readArchiveAt(int fd, void *buf, size_t n, uint64_t pos)
{
    const auto set = setOf(fd);
    if (!set)
        return amx_pread(fd, buf, n, off_t(pos));
    auto *p = static_cast<char *>(buf);
    size_t done = 0;
    while (done < n && pos < set->total) {
        const size_t i = size_t(std::upper_bound(set->starts.begin(), set->starts.end(), pos)
                             - set->starts.begin())
            - 1;
        const uint64_t end = i + 1 < set->starts.size() ? set->starts[i + 1] : set->total;
        const size_t want = size_t(std::min<uint64_t>(n - done, end - pos));
        const ssize_t r = amx_pread(set->fds[i], p + done, want, off_t(pos - set->starts[i]));
        if (r < 0)
            return done > 0 ? ssize_t(done) : -1;
        if (r == 0)
            break;
        done += size_t(r);
        pos += uint64_t(r);
    }
    return ssize_t(done);
}

bool isSpannedSet(int fd)
{
    const auto set = setOf(fd);
    return set && set->spanned;
}

bool diskPosition(int fd, uint32_t disk, uint64_t offset, uint64_t &pos)
{
    const auto set = setOf(fd);
    if (!set || !set->spanned) {
        pos = offset;
        return disk == 0;
    }
    if (disk >= set->starts.size())
        return false;
    pos = set->starts[disk] + offset;
    return true;
}

} // namespace amx
