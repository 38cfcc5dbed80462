#include "ArcOpen.h"

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <lzma.h>
#include <memory>
#include <thread>
#include <unistd.h>
#include <vector>

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

namespace {

// A reader of every format and filter, opened by `open` from the start of fd:
// the same descriptor may have been read before.
template <typename Open> ArchivePtr openReader(int fd, std::string &error, Open open)
{
    ArchivePtr a(archive_read_new());
    if (!a) {
        error = "out of memory";
        return nullptr;
    }
    archive_read_support_filter_all(a.get());
    archive_read_support_format_all(a.get());
    archive_read_support_format_raw(a.get());
    ::lseek(fd, 0, SEEK_SET);
    if (open(a.get()) != ARCHIVE_OK) {
        const char *why = archive_error_string(a.get());
        error = why ? why : "cannot be read";
        return nullptr;
    }
    return a;
}

} // namespace

ArchivePtr openArchiveReader(int fd, std::string &error)
{
    return openReader(fd, error, [fd](archive *a) {
        return archive_read_open_fd(a, fd, kBlock);
    });
}

namespace {

// An xz stream decoded by liblzma's threaded decoder for libarchive's read
// callback. A stream of one block decodes on one thread, as libarchive would.
struct XzFeed
{
    int fd;
    lzma_stream stream = LZMA_STREAM_INIT;
    std::vector<uint8_t> in = std::vector<uint8_t>(kBlock);
    std::vector<uint8_t> out = std::vector<uint8_t>(kBlock);
    bool inputEnded = false;
    bool ended = false;

    ~XzFeed() { lzma_end(&stream); }

    static la_ssize_t read(archive *a, void *data, const void **buffer)
    {
        auto *f = static_cast<XzFeed *>(data);
        *buffer = f->out.data();
        if (f->ended)
            return 0;
        f->stream.next_out = f->out.data();
        f->stream.avail_out = f->out.size();
        while (f->stream.avail_out == f->out.size()) {
            if (f->stream.avail_in == 0 && !f->inputEnded) {
                ssize_t n;
                do
                    n = ::read(f->fd, f->in.data(), f->in.size());
                while (n < 0 && errno == EINTR);
                if (n < 0) {
                    archive_set_error(a, errno, "%s", std::strerror(errno));
                    return -1;
                }
                f->inputEnded = n == 0;
                f->stream.next_in = f->in.data();
                f->stream.avail_in = size_t(n);
            }
            const lzma_ret rc = lzma_code(&f->stream, f->inputEnded ? LZMA_FINISH : LZMA_RUN);
            if (rc == LZMA_STREAM_END) {
                f->ended = true;
                break;
            }
            if (rc != LZMA_OK) {
                archive_set_error(a, EILSEQ, "%s",
                    rc == LZMA_BUF_ERROR ? "truncated xz stream"
                        : rc == LZMA_MEM_ERROR || rc == LZMA_MEMLIMIT_ERROR
                        ? "not enough memory for the xz stream"
                        : "damaged xz stream");
                return -1;
            }
        }
        return la_ssize_t(f->out.size() - f->stream.avail_out);
    }

    static int close(archive *, void *data)
    {
        delete static_cast<XzFeed *>(data);
        return ARCHIVE_OK;
    }
};

bool startsAsXz(int fd)
{
    static const unsigned char magic[6] = { 0xFD, '7', 'z', 'X', 'Z', 0 };
    unsigned char head[6] {};
    return ::pread(fd, head, sizeof head, 0) == ssize_t(sizeof head)
        && std::memcmp(head, magic, sizeof magic) == 0;
}

} // namespace

ArchivePtr openArchiveReaderForData(int fd, std::string &error)
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    if (cores < 2 || !startsAsXz(fd))
        return openArchiveReader(fd, error);
    auto feed = std::make_unique<XzFeed>();
    feed->fd = fd;
    lzma_mt mt {};
    mt.flags = LZMA_CONCATENATED;
    mt.threads = cores;
    // Threads only as far as a quarter of the memory allows; never a refusal.
    mt.memlimit_threading = std::max<uint64_t>(lzma_physmem() / 4, 64u << 20);
    mt.memlimit_stop = UINT64_MAX;
    if (lzma_stream_decoder_mt(&feed->stream, &mt) != LZMA_OK)
        return openArchiveReader(fd, error);
    // The close callback owns the feed once opening starts, even when it fails.
    return openReader(fd, error, [&feed](archive *a) {
        return archive_read_open2(
            a, feed.release(), nullptr, &XzFeed::read, nullptr, &XzFeed::close);
    });
}

bool isRawStream(archive *a)
{
    return archive_format(a) == ARCHIVE_FORMAT_RAW;
}

std::string formatLabel(archive *a)
{
    std::string compression;
    switch (archive_filter_code(a, 0)) {
    case ARCHIVE_FILTER_GZIP:
        compression = "gz";
        break;
    case ARCHIVE_FILTER_BZIP2:
        compression = "bz2";
        break;
    case ARCHIVE_FILTER_XZ:
        compression = "xz";
        break;
    case ARCHIVE_FILTER_LZMA:
        compression = "lzma";
        break;
    case ARCHIVE_FILTER_ZSTD:
        compression = "zst";
        break;
    case ARCHIVE_FILTER_LZ4:
        compression = "lz4";
        break;
    case ARCHIVE_FILTER_LZIP:
        compression = "lz";
        break;
    case ARCHIVE_FILTER_COMPRESS:
        compression = "Z";
        break;
    default:
        break;
    }
    std::string format;
    switch (archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) {
    case ARCHIVE_FORMAT_TAR:
        format = "tar";
        break;
    case ARCHIVE_FORMAT_CPIO:
        format = "cpio";
        break;
    case ARCHIVE_FORMAT_7ZIP:
        format = "7z";
        break;
    case ARCHIVE_FORMAT_RAR:
    case ARCHIVE_FORMAT_RAR_V5:
        format = "RAR";
        break;
    case ARCHIVE_FORMAT_ISO9660:
        format = "ISO";
        break;
    case ARCHIVE_FORMAT_AR:
        format = "ar";
        break;
    case ARCHIVE_FORMAT_CAB:
        format = "cab";
        break;
    case ARCHIVE_FORMAT_LHA:
        format = "LHA";
        break;
    case ARCHIVE_FORMAT_XAR:
        format = "xar";
        break;
    case ARCHIVE_FORMAT_RAW:
        // A lone compressed file goes by its compression alone.
        return compression.empty() ? std::string("raw") : compression;
    default: {
        const char *name = archive_format_name(a);
        format = name && *name ? name : "unknown";
    }
    }
    return compression.empty() ? format : format + "." + compression;
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
