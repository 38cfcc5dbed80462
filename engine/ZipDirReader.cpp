// TZipEngine::List: walks the archive from local header to local header.
//
// The walk is what the program has always done; two things are added so that
// it lists modern archives exactly: ZIP64 members take their sizes from the
// ZIP64 extra field, and streamed members (flag bit 3, sizes written after the
// data) take their sizes from the central directory record that points at them.

#include "ArcOpen.h"
#include "CentralDirectory.h"
#include "NameCodec.h"
#include "SplitArchive.h"
#include "ZipEngine.h"
#include "ZipFormat.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

using amx::get16;
using amx::get32;
using amx::get64;

constexpr int kSearchLimit = 60000;
constexpr const char *kNoEndRecord = "end record not found";

// Sequential reads over pread with a window buffer, so the byte-wise search
// and the small header reads cost no system call each.
class BufferedFile
{
public:
    BufferedFile(int fd, uint64_t size)
        : m_fd(fd)
        , m_size(size)
        , m_buf(new uint8_t[kWindow]) // not zero-filled: only what is read is touched
    {
    }
    ~BufferedFile() { amx::closeArchiveRead(m_fd); }

    int fd() const { return m_fd; }
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
            std::memcpy(out + done, m_buf.get() + off, take);
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
    static constexpr size_t kProbe = 4 * 1024;

    bool fill()
    {
        // After a jump over a large member the next header is all that is
        // needed: a full window would copy data that is skipped again.
        const uint64_t end = m_bufStart + m_bufLen;
        const bool onward = m_bufLen != 0 && m_pos >= end && m_pos - end <= m_want / 8;
        // Reading on grows the window as a read-ahead does; a jump starts it small.
        m_want = onward ? std::min(kWindow, m_want * 2) : kProbe;
        const size_t want = m_want;
        ssize_t got;
        do
            got = amx::readArchiveAt(m_fd, m_buf.get(), want, m_pos);
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
    std::unique_ptr<uint8_t[]> m_buf;
    uint64_t m_bufStart = 0;
    size_t m_bufLen = 0;
    size_t m_want = kProbe;
};

// One central directory record, as extraction will see it.
struct CentralRecord
{
    uint64_t localOffset = UINT64_MAX; // file position, the stub already added
    uint64_t compressed = 0;
    uint64_t uncompressed = 0;
    bool zip64 = false;
    uint16_t madeBy = 0; // version made by: the system in the high byte
    uint32_t attributes = 0; // external file attributes
    // Its ZIP64 field lacks a value it needs, or its local header would lie
    // at or after the directory: no member can be read there.
    bool bad = false;
    std::string_view name; // valid only during the visit
};

// Where the directory is. A spanned archive's parts are all there and read
// as one, so its several parts are no fault.
amx::CentralLocation locate(BufferedFile &file)
{
    amx::CentralLocation at = amx::locateCentralDirectory(
        [&file](uint64_t pos, void *dst, size_t n) {
            return file.readAt(pos, dst, n);
        },
        file.size());
    if (at.fault == amx::LocateFault::MultiPart && amx::isSpannedSet(file.fd()))
        at.fault = amx::LocateFault::None;
    return at;
}

// Reads the central directory as extraction does and hands each record to
// visit. Returns why the directory cannot be read, or "" when it can; the
// records before a fault have been visited.
template <typename Visit> std::string scanCentralDirectory(BufferedFile &file, Visit visit)
{
    const amx::CentralLocation at = locate(file);
    switch (at.fault) {
    case amx::LocateFault::None:
        break;
    case amx::LocateFault::NoEndRecord:
        return kNoEndRecord;
    case amx::LocateFault::MultiPart:
        return "multi-part archive";
    case amx::LocateFault::NoZip64End:
        return "ZIP64 end record not found";
    case amx::LocateFault::OutOfRange:
        return "directory offset or size out of range";
    }
    const uint64_t recordPos = at.recordsPos;
    const bool spanned = amx::isSpannedSet(file.fd());
    const uint64_t shift = spanned ? 0 : at.shift();

    const uint64_t saved = file.pos();
    file.seek(at.start);
    uint64_t seen = 0;
    std::string name;
    std::string extra;
    std::string fault;
    for (;;) {
        uint8_t h[46];
        if (file.pos() + sizeof h > recordPos || !file.readAt(file.pos(), h, sizeof h)
            || get32(h) != amx::sigCentral)
            break;
        const uint16_t nameLen = get16(h + 28), extraLen = get16(h + 30),
                       commentLen = get16(h + 32);
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
        amx::Zip64Values v { get32(h + 24), get32(h + 20), get32(h + 42), get16(h + 34) };
        const amx::Zip64Read z64 = amx::readZip64Extra(extra, v, false);
        r.uncompressed = v.usize;
        r.compressed = v.csize;
        const uint64_t local = v.offset;
        r.zip64 = z64.used;
        r.bad = z64.missing;
        r.madeBy = get16(h + 4);
        r.attributes = get32(h + 38);
        uint64_t onDisk = local;
        if (spanned) {
            // On its own part: where that part begins in the whole.
            if (amx::diskPosition(file.fd(), v.disk, local, onDisk) && onDisk < at.start)
                r.localOffset = onDisk;
            else
                r.bad = true;
        } else if (local < at.storedOffset) {
            r.localOffset = local + shift;
        } else {
            r.bad = true;
        }
        r.name = name;
        visit(r);
        ++seen;
    }
    file.seek(saved);
    if (!fault.empty())
        return fault;
    if (!amx::countMatches(seen, at.entries))
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

// Room for the members the directory announces, so that a large list is not
// held twice while its vector grows. The count is only trusted as far as the
// directory's size allows.
void reserveForDirectory(BufferedFile &file, std::vector<ArchiveMember> &entries)
{
    const amx::CentralLocation at = locate(file);
    if (at.fault == amx::LocateFault::None)
        entries.reserve(size_t(std::min<uint64_t>(at.entries, at.size / amx::centralHeaderSize)));
}

// Searches for the first local header byte by byte. Only bytes examined as
// a possible 'P' count towards the limit.
bool findFirstHeader(BufferedFile &file, TZipEngine &engine)
{
    static const uint8_t sig[4] = { 'P', 'K', 3, 4 };
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
    const uint32_t v = get32(b);
    if (v == amx::sigLocal || v == amx::sigCentral || v == amx::sigEnd)
        return;
    const uint64_t body = zip64 ? 20 : 12;
    const uint64_t next = start + (v == amx::sigDescriptor ? 4 : 0) + body;
    uint8_t n[4];
    if (file.readAt(next, n, 4)) {
        const uint32_t w = get32(n);
        if (w == amx::sigLocal || w == amx::sigCentral || w == amx::sigEnd || w == amx::sigEnd64)
            file.seek(next);
    }
}

// A member's MS-DOS local time as a point in time, as this system's time
// zone reads it; unknown when it is no real date and time. Members written
// together share their time, so each value is converted once.
class DosTimes
{
public:
    int64_t toTime(uint32_t dos)
    {
        auto it = m_seen.find(dos);
        if (it == m_seen.end())
            it = m_seen.emplace(dos, convert(dos)).first;
        return it->second;
    }

private:
    static int64_t convert(uint32_t dos)
    {
        std::tm t {};
        t.tm_year = static_cast<int>((dos >> 25) & 0x7F) + 80;
        t.tm_mon = static_cast<int>((dos >> 21) & 0x0F) - 1;
        t.tm_mday = static_cast<int>((dos >> 16) & 0x1F);
        t.tm_hour = static_cast<int>((dos >> 11) & 0x1F);
        t.tm_min = static_cast<int>((dos >> 5) & 0x3F);
        t.tm_sec = static_cast<int>(dos & 0x1F) * 2;
        t.tm_isdst = -1;
        if (t.tm_mon < 0 || t.tm_mon > 11 || t.tm_mday < 1 || t.tm_hour > 23 || t.tm_min > 59
            || t.tm_sec > 59)
            return ArchiveMember::kUnknownTime;
        const int month = t.tm_mon, day = t.tm_mday;
        const std::time_t when = std::mktime(&t);
        // mktime moves a 31st of a shorter month on; such a date is none.
        if (when == -1 || t.tm_mon != month || t.tm_mday != day)
            return ArchiveMember::kUnknownTime;
        return static_cast<int64_t>(when);
    }

    std::unordered_map<uint32_t, int64_t> m_seen;
};

// The UTF-8 names of Unicode Path fields that hold for their member, by
// the member's index.
using UnicodePaths = std::unordered_map<size_t, std::string>;

void walkLocalHeaders(BufferedFile &file, std::vector<ArchiveMember> &entries, TZipEngine &engine,
    UnicodePaths &unicodePaths)
{
    if (!findFirstHeader(file, engine))
        return;
    std::optional<CentralIndex> central;
    DosTimes times;
    std::string extra;
    std::string raw;
    uint32_t signature = amx::sigLocal;
    for (;;) {
        if (signature == amx::sigCentral || signature == amx::sigEnd)
            return;
        if (signature == amx::sigLocal) {
            ArchiveMember m;
            ZipDirEntry &e = m.zip;
            e.HeaderOffset = file.pos() - 4;
            uint8_t h[26];
            if (file.read(h, sizeof h) != sizeof h)
                throw EngineError("Error 2 reading Zip file");
            e.Version = get16(h);
            e.Flag = get16(h + 2);
            e.CompressionMethod = get16(h + 4);
            e.DateTime = get32(h + 6);
            e.CRC32 = get32(h + 10);
            e.CompressedSize = static_cast<int32_t>(get32(h + 14));
            e.UncompressedSize = static_cast<int32_t>(get32(h + 18));
            e.FileNameLength = get16(h + 22);
            e.ExtraFieldLength = get16(h + 24);
            raw.resize(e.FileNameLength);
            if (file.read(raw.data(), e.FileNameLength) != e.FileNameLength)
                throw EngineError("Error 2 reading Zip file");
            // The name ends at a zero byte; the whole is kept as stored.
            const std::string_view shown = std::string_view(raw).substr(0, raw.find('\0'));
            m.setName(amx::decodeName(shown, e.isUtf8()), raw);
            // A name not marked UTF-8 may have its UTF-8 form beside it
            // (a writer puts '?' where its code page had no character).
            if (!e.isUtf8() && e.ExtraFieldLength > 0) {
                extra.resize(e.ExtraFieldLength);
                std::string path;
                if (file.readAt(file.pos(), extra.data(), extra.size())
                    && amx::unicodePathName(extra, shown, path))
                    unicodePaths.emplace(entries.size(), std::move(path));
            }
            if (!shown.empty() && shown.back() == '/')
                m.kind = MemberKind::Folder;
            m.method = e.CompressionMethod;
            m.encrypted = e.Flag & amx::flagEncrypted;
            m.modified = times.toTime(e.DateTime);
            m.packed = get32(h + 14);
            m.size = get32(h + 18);

            const uint64_t p = file.pos();
            bool fromCentral = false, zip64 = false;
            if (m.packed == 0xFFFFFFFF || m.size == 0xFFFFFFFF) {
                extra.resize(e.ExtraFieldLength);
                amx::Zip64Values v { m.size, m.packed };
                if (file.readAt(p, extra.data(), extra.size())) {
                    const amx::Zip64Read z64 = amx::readZip64Extra(extra, v, true);
                    zip64 = z64.present && !z64.missing;
                }
                if (zip64) {
                    m.size = v.usize;
                    m.packed = v.csize;
                }
            }
            if ((e.Flag & amx::flagDescriptor) || (!zip64 && m.packed == 0xFFFFFFFF)) {
                if (!central)
                    central = readCentralIndex(file);
                if (auto it = central->find(e.HeaderOffset); it != central->end()) {
                    m.packed = it->second.compressed;
                    m.size = it->second.uncompressed;
                    zip64 = it->second.zip64;
                    fromCentral = true;
                }
            }
            entries.push_back(std::move(m));
            const ArchiveMember &last = entries.back();
            const uint16_t extraLength = last.zip.ExtraFieldLength;

            const uint64_t size = file.size();
            const uint64_t limit = size >= amx::endSize ? size - amx::endSize : 0;
            if (size < amx::endSize || p + extraLength > limit
                || last.packed > limit - p - extraLength)
                throw EngineError("Error 3 reading Zip file");
            // The positions below cannot pass the end after that check; the
            // tests stay as guards for the reader's invariants.
            const uint64_t q = p + extraLength;
            if (q > size)
                throw EngineError("Error 4 reading Zip file");
            file.seek(q);
            if (q + last.packed > size)
                throw EngineError("Error 5 reading Zip file");
            file.seek(q + last.packed);
            if (fromCentral && (last.zip.Flag & amx::flagDescriptor))
                skipDescriptor(file, zip64);
        }
        uint8_t s[4];
        if (file.read(s, 4) != 4)
            return;
        signature = get32(s);
    }
}

// A Unix writer keeps the file's mode in the high half of the attributes.
void takeUnixMode(ArchiveMember &m, const CentralRecord &r)
{
    constexpr uint16_t unixSystem = 3;
    const uint32_t mode = r.attributes >> 16;
    if (r.madeBy >> 8 != unixSystem || mode == 0)
        return;
    m.permissions = static_cast<uint16_t>(mode & 07777);
    if (m.kind == MemberKind::File && S_ISLNK(mode))
        m.kind = MemberKind::Link;
}

struct DirectoryCheck
{
    int mismatches = 0;
    std::string damage;
};

// Compares what the walk saw with the central directory, which extraction
// follows: members only one of them has, and names that differ at the same
// offset, each count once. Takes what only the directory says (a Unix
// writer's permissions, links) into the members it matches.
DirectoryCheck compareWithDirectory(BufferedFile &file, std::vector<ArchiveMember> &entries)
{
    DirectoryCheck check;
    std::vector<bool> matched(entries.size());
    uint64_t differ = 0;
    check.damage = scanCentralDirectory(file, [&](const CentralRecord &r) {
        // The walk only moves forward, so its entries are in offset order.
        auto it = std::lower_bound(entries.begin(), entries.end(), r.localOffset,
            [](const ArchiveMember &e, uint64_t offset) {
                return e.zip.HeaderOffset < offset;
            });
        const size_t i = static_cast<size_t>(it - entries.begin());
        if (it == entries.end() || it->zip.HeaderOffset != r.localOffset || matched[i]) {
            ++differ;
            return;
        }
        matched[i] = true;
        if (r.bad || it->rawName() != r.name)
            ++differ;
        takeUnixMode(*it, r);
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

// Decodes the names again in the code page chosen or judged from all of
// them together; returns that code page. The walk read them as CP437.
std::string decodeNames(std::vector<ArchiveMember> &entries, const std::string &choice,
    const UnicodePaths &unicodePaths)
{
    auto shownPart = [](std::string_view raw) {
        return raw.substr(0, raw.find('\0'));
    };
    amx::NameDecoder names(choice);
    for (const ArchiveMember &m : entries)
        names.consider(shownPart(m.rawName()), m.zip.isUtf8());
    const std::string page = names.codePage();
    // Every name the walk took for UTF-8 or CP437 is right already.
    if (names.automatic() && (page == "UTF-8" || page == "CP437") && unicodePaths.empty())
        return page;
    std::string raw;
    for (size_t i = 0; i < entries.size(); ++i) {
        ArchiveMember &m = entries[i];
        raw.assign(m.rawName());
        auto it = unicodePaths.find(i);
        m.setName(
            it != unicodePaths.end() ? it->second : names.decode(shownPart(raw), m.zip.isUtf8()),
            raw);
    }
    return page;
}

// The archive comment as the end record gives it ("" when there is none).
std::string readComment(BufferedFile &file)
{
    const amx::CentralLocation at = locate(file);
    std::string comment;
    if (at.fault == amx::LocateFault::None) {
        comment.resize(static_cast<size_t>(at.commentLength));
        if (!file.readAt(at.commentPos, comment.data(), comment.size()))
            comment.clear();
    }
    return comment;
}

std::string openErrorText(const std::string &name, int err)
{
    return "Cannot open file \"" + name + "\". " + std::strerror(err) + ".";
}

} // namespace

std::string TZipEngine::CommentText() const
{
    // The end record has no UTF-8 flag: the comment is read in the names' code
    // page, or judged by itself when the names were all UTF-8.
    amx::NameDecoder decoder(m_nameCodePage == "UTF-8" ? std::string() : m_nameCodePage);
    decoder.consider(m_comment, false);
    return decoder.decode(m_comment, false);
}

void TZipEngine::List()
{
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_directoryMismatchCount = 0;
    m_directoryDamage.clear();
    m_nameCodePage.clear();
    m_comment.clear();
    m_format = ArchiveFormat::Zip;
    m_formatName.clear();
    m_split = false;
    m_streamDamage.clear();

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
    // A part of a split archive opens the whole set, read as one file.
    std::string missingPart;
    const int fd = amx::openArchiveRead(
        AT_FDCWD, m_zipFilename, O_RDONLY | O_CLOEXEC | O_NONBLOCK, &missingPart);
    if (fd < 0 && !missingPart.empty())
        throw EngineError("Cannot open file \"" + m_zipFilename
            + "\". A part of the split archive is missing: "
            + missingPart.substr(missingPart.rfind('/') + 1) + ".");
    uint64_t size = 0;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !amx::archiveReadSize(fd, size)) {
        int err = errno;
        amx::closeArchiveRead(fd);
        throw EngineError(openErrorText(m_zipFilename, err));
    }
    if (!S_ISREG(st.st_mode)) {
        amx::closeArchiveRead(fd);
        throw EngineError(m_zipFilename + " is not a regular file");
    }
    m_split = amx::isSplitArchive(AT_FDCWD, m_zipFilename);

    std::optional<EngineError> failure;
    if (amx::archiveFamilyOfFd(fd) == amx::ArchiveFamily::Other) {
        m_format = ArchiveFormat::Other;
        const std::string damage = listOther(fd);
        amx::closeArchiveRead(fd);
        // Nothing readable at all is no archive; damage after some members
        // is told with them, and extraction keeps what comes before it.
        if (!damage.empty() && m_entries.empty()) {
            if (OnDirUpdate)
                OnDirUpdate(*this);
            throw EngineError(m_zipFilename + " cannot be read (" + damage + ")");
        }
        m_streamDamage = damage;
        if (OnDirUpdate)
            OnDirUpdate(*this);
        return;
    }
    {
        BufferedFile file(fd, size);
        UnicodePaths unicodePaths;
        try {
            reserveForDirectory(file, m_entries);
            walkLocalHeaders(file, m_entries, *this, unicodePaths);
            const DirectoryCheck check = compareWithDirectory(file, m_entries);
            m_directoryMismatchCount = check.mismatches;
            m_directoryDamage = check.damage;
            m_comment = readComment(file);
        } catch (const EngineError &e) {
            failure = e;
        }
        m_nameCodePage = decodeNames(m_entries, effectiveNameCodePage(), unicodePaths);
    }
    if (OnDirUpdate)
        OnDirUpdate(*this);
    if (failure)
        throw *failure;
}
