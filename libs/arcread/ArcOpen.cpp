#include "ArcOpen.h"

#include <archive.h>
#include <archive_entry.h>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace amx {

namespace {

constexpr size_t kBlock = 1u << 20;

bool startsAsZip(int fd)
{
    unsigned char head[4] {};
    if (::pread(fd, head, sizeof head, 0) != ssize_t(sizeof head))
        return false;
    return head[0] == 'P' && head[1] == 'K' && head[2] < 9 && head[3] < 9;
}

// The compressions and formats that are never ZIP, known by their first bytes:
// a damaged one is still theirs to report, even when libarchive cannot start.
bool startsAsOther(int fd)
{
    unsigned char head[8] {};
    const ssize_t got = ::pread(fd, head, sizeof head, 0);
    if (got < 4)
        return false;
    static constexpr struct
    {
        const char *bytes;
        size_t size;
    } magics[] = {
        { "\x1f\x8b", 2 }, // gzip
        { "\x1f\x9d", 2 }, // compress
        { "\xfd"
          "7zXZ\x00",
            6 }, // xz
        { "\x28\xb5\x2f\xfd", 4 }, // zstd
        { "BZh", 3 }, // bzip2
        { "\x04\x22\x4d\x18", 4 }, // lz4
        { "LZIP", 4 },
        { "7z\xbc\xaf\x27\x1c", 6 },
        { "Rar!\x1a\x07", 6 },
    };
    for (const auto &m : magics)
        if (size_t(got) >= m.size && std::memcmp(head, m.bytes, m.size) == 0)
            return true;
    return false;
}

} // namespace

void ArchiveCloser::operator()(archive *a) const
{
    archive_read_free(a);
}

ArchivePtr openArchiveReader(int fd, std::string &error)
{
    ArchivePtr a(archive_read_new());
    if (!a) {
        error = "out of memory";
        return nullptr;
    }
    archive_read_support_filter_all(a.get());
    archive_read_support_format_all(a.get());
    archive_read_support_format_raw(a.get());
    // From the start each time: the same descriptor may have been read before.
    ::lseek(fd, 0, SEEK_SET);
    if (archive_read_open_fd(a.get(), fd, kBlock) != ARCHIVE_OK) {
        const char *why = archive_error_string(a.get());
        error = why ? why : "cannot be read";
        return nullptr;
    }
    return a;
}

bool isRawStream(archive *a)
{
    return archive_format(a) == ARCHIVE_FORMAT_RAW;
}

ArchiveFamily archiveFamilyOfFd(int fd)
{
    if (startsAsZip(fd))
        return ArchiveFamily::Zip;
    if (startsAsOther(fd))
        return ArchiveFamily::Other;
    std::string error;
    ArchivePtr a = openArchiveReader(fd, error);
    if (!a)
        return ArchiveFamily::Zip;
    archive_entry *entry = nullptr;
    const int rc = archive_read_next_header(a.get(), &entry);
    const int format = archive_format(a.get());
    const bool compressed = archive_filter_count(a.get()) > 1
        || (archive_filter_count(a.get()) == 1
            && archive_filter_code(a.get(), 0) != ARCHIVE_FILTER_NONE);
    ::lseek(fd, 0, SEEK_SET);
    if ((format & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_ZIP)
        return ArchiveFamily::Zip;
    // An empty file, or one of zeros, holds nothing: it stays ZIP's, which
    // an add may start on.
    if (rc == ARCHIVE_EOF && !compressed)
        return ArchiveFamily::Zip;
    if (format == ARCHIVE_FORMAT_RAW || format == 0)
        // A plain file that is no archive stays with the ZIP reader, which
        // says so; a compressed one is a compressed file, damaged or not.
        return compressed ? ArchiveFamily::Other : ArchiveFamily::Zip;
    return ArchiveFamily::Other;
}

ArchiveFamily archiveFamily(int folder, const std::string &path)
{
    const int fd = ::openat(folder, path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ArchiveFamily::Zip;
    const ArchiveFamily family = archiveFamilyOfFd(fd);
    ::close(fd);
    return family;
}

std::string rawMemberName(const std::string &archivePath)
{
    std::string name = archivePath.substr(archivePath.rfind('/') + 1);
    static constexpr std::array<const char *, 12> suffixes = { ".gz", ".xz", ".zst", ".bz2", ".lz4",
        ".lzma", ".lz", ".Z", ".z", ".zstd", ".tgz", ".bz" };
    for (const char *s : suffixes) {
        const size_t n = std::strlen(s);
        if (name.size() > n && name.compare(name.size() - n, n, s) == 0) {
            name.resize(name.size() - n);
            return std::strcmp(s, ".tgz") == 0 ? name + ".tar" : name;
        }
    }
    return name.empty() ? "data" : name + ".out";
}

std::string entryName(archive_entry *entry)
{
    if (const char *utf8 = archive_entry_pathname_utf8(entry))
        return utf8;
    if (const char *raw = archive_entry_pathname(entry))
        return raw;
    return {};
}

} // namespace amx
