// TZipEngine::List: walks the archive from local header to local header.
//
// The walk is what the program has always done; two things are added so that
// it lists modern archives exactly: ZIP64 members take their sizes from the
// ZIP64 extra field, and streamed members (flag bit 3, sizes written after the
// data) take their sizes from the central directory record that points at them.

#include "ZipEngine.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

constexpr uint32_t kLocalHeaderSig = 0x04034B50;
constexpr uint32_t kCentralHeaderSig = 0x02014B50;
constexpr uint32_t kEndOfCentralSig = 0x06054B50;
constexpr uint32_t kZip64EndSig = 0x06064B50;
constexpr uint32_t kZip64LocatorSig = 0x07064B50;
constexpr uint32_t kDescriptorSig = 0x08074B50;
constexpr uint16_t kZip64ExtraId = 0x0001;
constexpr uint16_t kStreamedFlag = 0x0008;
constexpr int kSearchLimit = 60000;
constexpr uint64_t kSmallestEnd = 22;
constexpr const char *kNoEndRecord = "end record not found";

uint16_t le16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t *p) { return le16(p) | static_cast<uint32_t>(le16(p + 2)) << 16; }
uint64_t le64(const uint8_t *p) { return le32(p) | static_cast<uint64_t>(le32(p + 4)) << 32; }

// Sequential reads over pread with a window buffer, so the byte-wise search
// and the small header reads cost no system call each.
class BufferedFile
{
public:
    BufferedFile(int fd, uint64_t size)
        : m_fd(fd)
        , m_size(size)
        , m_buf(kWindow)
    {
    }
    ~BufferedFile() { ::close(m_fd); }

    uint64_t size() const { return m_size; }
    uint64_t pos() const { return m_pos; }
    void seek(uint64_t pos) { m_pos = pos; }

    int readByte()
    {
        uint8_t b;
        return read(&b, 1) == 1 ? b : -1;
    }

    size_t read(void *dst, size_t n)
    {
        auto *out = static_cast<uint8_t *>(dst);
        size_t done = 0;
        while (done < n && m_pos < m_size) {
            if (m_pos < m_bufStart || m_pos >= m_bufStart + m_bufLen) {
                if (!fill())
                    break;
            }
            size_t off = static_cast<size_t>(m_pos - m_bufStart);
            size_t take = std::min(n - done, m_bufLen - off);
            std::memcpy(out + done, m_buf.data() + off, take);
            done += take;
            m_pos += take;
        }
        return done;
    }

    // Reads exactly n bytes at pos without moving the stream position.
    bool readAt(uint64_t pos, void *dst, size_t n)
    {
        uint64_t saved = m_pos;
        m_pos = pos;
        bool ok = read(dst, n) == n;
        m_pos = saved;
        return ok;
    }

private:
    static constexpr size_t kWindow = 256 * 1024;

    bool fill()
    {
        ssize_t got;
        do
            got = ::pread(m_fd, m_buf.data(), kWindow, static_cast<off_t>(m_pos));
        while (got < 0 && errno == EINTR);
        if (got <= 0)
            return false;
        m_bufStart = m_pos;
        m_bufLen = static_cast<size_t>(got);
        return true;
    }

    int m_fd;
    uint64_t m_size;
    uint64_t m_pos = 0;
    std::vector<uint8_t> m_buf;
    uint64_t m_bufStart = 0;
    size_t m_bufLen = 0;
};

// One central directory record, as extraction will see it.
struct CentralRecord
{
    uint64_t localOffset = UINT64_MAX; // file position, the stub already added
    uint64_t compressed = 0;
    uint64_t uncompressed = 0;
    bool zip64 = false;
    // Its ZIP64 field lacks a value it needs, or its local header would lie
    // at or after the directory: no member can be read there.
    bool bad = false;
    std::string_view name; // valid only during the visit
};

// Finds the end record: the last one whose comment fits the file, else the
// last one at all (a comment whose stated length runs past the end of the
// file is accepted, as other readers do).
std::optional<uint64_t> findEndRecord(BufferedFile &file)
{
    const uint64_t size = file.size();
    if (size < kSmallestEnd)
        return std::nullopt;
    const uint64_t tailLen = std::min<uint64_t>(size, kSmallestEnd + 0xFFFF);
    std::vector<uint8_t> tail(tailLen);
    if (!file.readAt(size - tailLen, tail.data(), tailLen))
        return std::nullopt;
    std::optional<uint64_t> overlong;
    for (uint64_t i = tailLen - kSmallestEnd + 1; i-- > 0;) {
        const uint8_t *p = tail.data() + i;
        if (le32(p) != kEndOfCentralSig)
            continue;
        if (i + kSmallestEnd + le16(p + 20) <= tailLen)
            return size - tailLen + i;
        if (!overlong)
            overlong = size - tailLen + i;
    }
    return overlong;
}

// Reads the central directory as extraction does and hands each record to
// visit. Returns why the directory cannot be read, or "" when it can; the
// records before a fault have been visited.
template <typename Visit> std::string scanCentralDirectory(BufferedFile &file, Visit visit)
{
    const std::optional<uint64_t> endPos = findEndRecord(file);
    uint8_t end[22];
    if (!endPos || !file.readAt(*endPos, end, sizeof end))
        return kNoEndRecord;
    const uint16_t disk = le16(end + 4);
    if (disk != 0 && disk != 0xFFFF)
        return "multi-part archive";
    uint64_t entries = le16(end + 10);
    uint64_t cdSize = le32(end + 12);
    uint64_t cdOffset = le32(end + 16);
    uint64_t recordPos = *endPos; // where the directory's end records start

    uint8_t locator[20];
    if (*endPos >= 20 && file.readAt(*endPos - 20, locator, sizeof locator)
        && le32(locator) == kZip64LocatorSig) {
        uint8_t z64[56];
        // The locator's offset counts from the archive's start; a prefix (a
        // self-extractor stub) shifts it, so look just before the locator too.
        std::optional<uint64_t> found;
        for (uint64_t candidate :
            { le64(locator + 8), *endPos >= 76 ? *endPos - 76 : UINT64_MAX }) {
            if (candidate != UINT64_MAX && *endPos >= 20 + sizeof z64
                && candidate <= *endPos - 20 - sizeof z64 && file.readAt(candidate, z64, sizeof z64)
                && le32(z64) == kZip64EndSig) {
                found = candidate;
                break;
            }
        }
        if (!found)
            return "ZIP64 end record not found";
        entries = le64(z64 + 32);
        cdSize = le64(z64 + 40);
        cdOffset = le64(z64 + 48);
        recordPos = *found;
    }
    if (cdSize > recordPos || cdOffset > recordPos - cdSize)
        return "directory offset or size out of range";
    const uint64_t start = recordPos - cdSize;
    // Bytes in front of the archive (a stub) shift every stored offset.
    const uint64_t shift = start - cdOffset;

    const uint64_t saved = file.pos();
    file.seek(start);
    uint64_t seen = 0;
    std::string name;
    std::vector<uint8_t> extra;
    std::string fault;
    for (;;) {
        uint8_t h[46];
        if (file.pos() + sizeof h > recordPos || !file.readAt(file.pos(), h, sizeof h)
            || le32(h) != kCentralHeaderSig)
            break;
        const uint16_t nameLen = le16(h + 28), extraLen = le16(h + 30), commentLen = le16(h + 32);
        if (file.pos() + sizeof h + nameLen + extraLen + commentLen > recordPos) {
            fault = "record runs past the directory";
            break;
        }
        file.seek(file.pos() + sizeof h);
        name.resize(nameLen);
        extra.resize(extraLen);
        file.read(name.data(), nameLen);
        file.read(extra.data(), extraLen);
        file.seek(file.pos() + commentLen);

        CentralRecord r;
        r.compressed = le32(h + 20);
        r.uncompressed = le32(h + 24);
        uint64_t local = le32(h + 42);
        for (size_t i = 0; i + 4 <= extra.size();) {
            const uint16_t id = le16(&extra[i]), len = le16(&extra[i + 2]);
            if (i + 4 + len > extra.size())
                break;
            if (id == kZip64ExtraId) {
                // Only the fields whose 32-bit value is saturated are present, in this order.
                const uint8_t *f = &extra[i + 4];
                size_t left = len;
                auto take = [&](uint64_t &v) {
                    if (v != 0xFFFFFFFF)
                        return;
                    if (left < 8) {
                        r.bad = true;
                        return;
                    }
                    v = le64(f);
                    f += 8;
                    left -= 8;
                    r.zip64 = true;
                };
                take(r.uncompressed);
                take(r.compressed);
                take(local);
                break;
            }
            i += 4 + len;
        }
        if (local < cdOffset)
            r.localOffset = local + shift;
        else
            r.bad = true;
        r.name = name;
        visit(r);
        ++seen;
    }
    file.seek(saved);
    if (!fault.empty())
        return fault;
    // Old writers wrapped the 16-bit count past 65535 members.
    if (seen < entries || (seen - entries) % 65536 != 0)
        return "member count does not match";
    return {};
}

struct CentralSizes
{
    uint64_t compressed = 0;
    uint64_t uncompressed = 0;
    bool zip64 = false;
};

// Central directory records by the file position of the local header they
// point at. Built only when a streamed member needs it; a damaged directory
// yields what could be read, and the walk falls back to the local headers.
using CentralIndex = std::unordered_map<uint64_t, CentralSizes>;

CentralIndex readCentralIndex(BufferedFile &file)
{
    CentralIndex index;
    scanCentralDirectory(file, [&](const CentralRecord &r) {
        if (!r.bad)
            index.emplace(r.localOffset, CentralSizes { r.compressed, r.uncompressed, r.zip64 });
    });
    return index;
}

// Sizes from the local header's ZIP64 extra field (both are required there).
bool readZip64Extra(const std::vector<uint8_t> &extra, ZipDirEntry &e)
{
    for (size_t i = 0; i + 4 <= extra.size();) {
        const uint16_t id = le16(&extra[i]), len = le16(&extra[i + 2]);
        if (i + 4 + len > extra.size())
            return false;
        if (id == kZip64ExtraId && len >= 16) {
            e.UncompressedSize64 = le64(&extra[i + 4]);
            e.CompressedSize64 = le64(&extra[i + 12]);
            return true;
        }
        i += 4 + len;
    }
    return false;
}

// Searches for the first local header byte by byte. Only bytes examined as
// a possible 'P' count towards the limit.
bool findFirstHeader(BufferedFile &file, TZipEngine &engine)
{
    static const uint8_t sig[4] = {'P', 'K', 3, 4};
    int candidates = 0;
    for (;;) {
        int b = file.readByte();
        if (b < 0)
            return false;
        if (++candidates > kSearchLimit) {
            engine.notice("No valid zip entries found");
            return false;
        }
        if (b != sig[0])
            continue;
        int k = 1;
        for (; k < 4; ++k) {
            b = file.readByte();
            if (b < 0) {
                engine.notice("No valid zip entries found");
                return false;
            }
            if (b != sig[k])
                break;
        }
        if (k == 4)
            return true;
    }
}

// After a streamed member's data: steps over its data descriptor when one is
// there, so that a CRC that happens to look like a signature cannot derail the walk.
void skipDescriptor(BufferedFile &file, bool zip64)
{
    const uint64_t start = file.pos();
    uint8_t b[4];
    if (!file.readAt(start, b, 4))
        return;
    const uint32_t v = le32(b);
    if (v == kLocalHeaderSig || v == kCentralHeaderSig || v == kEndOfCentralSig)
        return;
    const uint64_t body = zip64 ? 20 : 12;
    const uint64_t next = start + (v == kDescriptorSig ? 4 : 0) + body;
    uint8_t n[4];
    if (file.readAt(next, n, 4)) {
        const uint32_t w = le32(n);
        if (w == kLocalHeaderSig || w == kCentralHeaderSig || w == kEndOfCentralSig
            || w == kZip64EndSig)
            file.seek(next);
    }
}

// Names cut at a zero byte, whole, by their entry's index: the comparison
// with the directory needs the bytes as stored.
using CutNames = std::unordered_map<size_t, std::string>;

void walkLocalHeaders(
    BufferedFile &file, std::vector<ZipDirEntry> &entries, CutNames &cutNames, TZipEngine &engine)
{
    if (!findFirstHeader(file, engine))
        return;
    std::optional<CentralIndex> central;
    std::vector<uint8_t> extra;
    uint32_t signature = kLocalHeaderSig;
    for (;;) {
        if (signature == kCentralHeaderSig || signature == kEndOfCentralSig)
            return;
        if (signature == kLocalHeaderSig) {
            ZipDirEntry e;
            e.HeaderOffset = file.pos() - 4;
            uint8_t h[26];
            if (file.read(h, sizeof h) != sizeof h)
                throw EngineError("Error 2 reading Zip file");
            e.Version = le16(h);
            e.Flag = le16(h + 2);
            e.CompressionMethod = le16(h + 4);
            e.DateTime = le32(h + 6);
            e.CRC32 = le32(h + 10);
            e.CompressedSize = static_cast<int32_t>(le32(h + 14));
            e.UncompressedSize = static_cast<int32_t>(le32(h + 18));
            e.FileNameLength = le16(h + 22);
            e.ExtraFieldLength = le16(h + 24);
            e.FileName.resize(e.FileNameLength);
            if (file.read(e.FileName.data(), e.FileNameLength) != e.FileNameLength)
                throw EngineError("Error 2 reading Zip file");
            if (auto nul = e.FileName.find('\0'); nul != std::string::npos) {
                cutNames.emplace(entries.size(), e.FileName);
                e.FileName.resize(nul);
            }
            e.CompressedSize64 = le32(h + 14);
            e.UncompressedSize64 = le32(h + 18);

            const uint64_t p = file.pos();
            bool fromCentral = false, zip64 = false;
            if (e.CompressedSize64 == 0xFFFFFFFF || e.UncompressedSize64 == 0xFFFFFFFF) {
                extra.resize(e.ExtraFieldLength);
                zip64 = file.readAt(p, extra.data(), extra.size()) && readZip64Extra(extra, e);
            }
            if ((e.Flag & kStreamedFlag) || (!zip64 && e.CompressedSize64 == 0xFFFFFFFF)) {
                if (!central)
                    central = readCentralIndex(file);
                if (auto it = central->find(e.HeaderOffset); it != central->end()) {
                    e.CompressedSize64 = it->second.compressed;
                    e.UncompressedSize64 = it->second.uncompressed;
                    zip64 = it->second.zip64;
                    fromCentral = true;
                }
            }
            entries.push_back(std::move(e));
            const ZipDirEntry &last = entries.back();

            const uint64_t size = file.size();
            const uint64_t limit = size >= kSmallestEnd ? size - kSmallestEnd : 0;
            if (size < kSmallestEnd || p + last.ExtraFieldLength > limit
                || last.CompressedSize64 > limit - p - last.ExtraFieldLength)
                throw EngineError("Error 3 reading Zip file");
            // The positions below cannot pass the end after that check; the
            // tests stay as guards for the reader's invariants.
            const uint64_t q = p + last.ExtraFieldLength;
            if (q > size)
                throw EngineError("Error 4 reading Zip file");
            file.seek(q);
            if (q + last.CompressedSize64 > size)
                throw EngineError("Error 5 reading Zip file");
            file.seek(q + last.CompressedSize64);
            if (fromCentral && (last.Flag & kStreamedFlag))
                skipDescriptor(file, zip64);
        }
        uint8_t s[4];
        if (file.read(s, 4) != 4)
            return;
        signature = le32(s);
    }
}

struct DirectoryCheck
{
    int mismatches = 0;
    std::string damage;
};

// Compares what the walk saw with the central directory, which extraction
// follows: members only one of them has, and names that differ at the same
// offset, each count once.
DirectoryCheck compareWithDirectory(
    BufferedFile &file, const std::vector<ZipDirEntry> &entries, const CutNames &cutNames)
{
    DirectoryCheck check;
    std::vector<bool> matched(entries.size());
    uint64_t differ = 0;
    check.damage = scanCentralDirectory(file, [&](const CentralRecord &r) {
        // The walk only moves forward, so its entries are in offset order.
        auto it = std::lower_bound(entries.begin(), entries.end(), r.localOffset,
            [](const ZipDirEntry &e, uint64_t offset) {
                return e.HeaderOffset < offset;
            });
        const size_t i = static_cast<size_t>(it - entries.begin());
        if (it == entries.end() || it->HeaderOffset != r.localOffset || matched[i]) {
            ++differ;
            return;
        }
        matched[i] = true;
        const auto cut = cutNames.find(i);
        const std::string &walked = cut != cutNames.end() ? cut->second : it->FileName;
        if (r.bad || walked != r.name)
            ++differ;
    });
    if (check.damage.empty()) {
        differ += static_cast<uint64_t>(std::count(matched.begin(), matched.end(), false));
        check.mismatches = static_cast<int>(std::min<uint64_t>(differ, INT_MAX));
    }
    // A file with no members and no end record is simply not an archive.
    if (entries.empty() && check.damage == kNoEndRecord)
        check.damage.clear();
    return check;
}

std::string openErrorText(const std::string &name, int err)
{
    return "Cannot open file \"" + name + "\". " + std::strerror(err) + ".";
}

} // namespace

void TZipEngine::List()
{
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_directoryMismatchCount = 0;
    m_directoryDamage.clear();

    struct stat st;
    if (m_zipFilename.empty() || ::stat(m_zipFilename.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        if (OnDirUpdate)
            OnDirUpdate(*this);
        return;
    }
    // A FIFO or a device is never opened for reading: that could block or
    // have effects. O_NONBLOCK covers a path swapped after the check.
    if (!S_ISREG(st.st_mode))
        throw EngineError(m_zipFilename + " is not a regular file");
    const int fd = ::open(m_zipFilename.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        int err = errno;
        if (fd >= 0)
            ::close(fd);
        throw EngineError(openErrorText(m_zipFilename, err));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw EngineError(m_zipFilename + " is not a regular file");
    }

    std::optional<EngineError> failure;
    {
        BufferedFile file(fd, static_cast<uint64_t>(st.st_size));
        try {
            CutNames cutNames;
            walkLocalHeaders(file, m_entries, cutNames, *this);
            const DirectoryCheck check = compareWithDirectory(file, m_entries, cutNames);
            m_directoryMismatchCount = check.mismatches;
            m_directoryDamage = check.damage;
        } catch (const EngineError &e) {
            failure = e;
        }
    }
    if (OnDirUpdate)
        OnDirUpdate(*this);
    if (failure)
        throw *failure;
}
