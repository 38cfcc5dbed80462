#include "ArchiveReader.h"

#include "CentralDirectory.h"
#include "NameCodec.h"
#include "ZipError.h"
#include "amx_sys.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <numeric>
#include <sys/stat.h>

namespace amx {

namespace {

// The central directory, read a window at a time: at a million members the
// whole of it would sit in memory beside the entries made from it.
class DirectoryWindow
{
public:
    DirectoryWindow(int fd, uint64_t start, uint64_t size, const std::string &path)
        : m_fd(fd)
        , m_start(start)
        , m_size(size)
        , m_path(path)
    {
    }

    // Bytes [pos, pos + n) of the directory, which the caller has checked
    // lie within it; valid until the next call.
    const unsigned char *at(uint64_t pos, size_t n)
    {
        if (pos < m_pos || pos + n > m_pos + m_buf.size()) {
            const size_t want = size_t(std::min<uint64_t>(std::max(n, kWindow), m_size - pos));
            m_buf.resize(want);
            m_pos = pos;
            if (!preadFull(m_fd, m_buf.data(), want, m_start + pos))
                throw ZipFailure(ZipError::Truncated, m_path);
        }
        return reinterpret_cast<const unsigned char *>(m_buf.data()) + (pos - m_pos);
    }

private:
    static constexpr size_t kWindow = 1 << 20;
    int m_fd;
    uint64_t m_start;
    uint64_t m_size;
    const std::string &m_path;
    std::string m_buf;
    uint64_t m_pos = 0;
};

} // namespace

ArchiveReader::ArchiveReader(
    const std::string &path, int base, bool keepGoing, const std::string &codePage)
    : m_path(path)
{
    // Never wait on a FIFO: it is refused below as not a regular file. A
    // part of a split archive opens every part.
    std::string missing;
    m_fd.reset(openArchiveRead(base, path, O_RDONLY | O_NONBLOCK | O_CLOEXEC, &missing));
    if (!m_fd.valid())
        throw ZipFailure(ZipError::ArchiveOpen,
            path + " ("
                + (missing.empty() ? errnoText(errno)
                                   : "a part of the split archive is missing: "
                            + missing.substr(missing.rfind('/') + 1))
                + ")");
    m_parts.fd = m_fd.get();
    struct stat st
    {
    };
    if (fstat(m_fd.get(), &st) != 0)
        throw ZipFailure(ZipError::ArchiveOpen, path + " (" + errnoText(errno) + ")");
    if (!S_ISREG(st.st_mode))
        throw ZipFailure(ZipError::NotRegular, path);
    if (!archiveReadSize(m_fd.get(), m_fileSize))
        throw ZipFailure(ZipError::ArchiveOpen, path + " (" + errnoText(errno) + ")");
    readDirectory(keepGoing, codePage);
}

void ArchiveReader::readDirectory(bool keepGoing, const std::string &codePage)
{
    const CentralLocation at = locateCentralDirectory(
        [this](uint64_t pos, void *dst, size_t n) {
            return preadFull(m_fd.get(), dst, n, pos);
        },
        m_fileSize);
    switch (at.fault) {
    case LocateFault::None:
        break;
    case LocateFault::NoEndRecord:
        throw ZipFailure(ZipError::NotZip, m_path);
    case LocateFault::MultiPart:
        // The parts of a spanned archive are all here: read as one.
        if (isSpannedSet(m_fd.get()))
            break;
        throw ZipFailure(ZipError::Unsupported, m_path + " (multi-part archive)");
    case LocateFault::NoZip64End:
        throw ZipFailure(ZipError::Corrupt, m_path + " (ZIP64 end record)");
    case LocateFault::OutOfRange:
        throw ZipFailure(ZipError::Truncated, m_path);
    }
    m_comment.assign(size_t(at.commentLength), '\0');
    if (!preadFull(m_fd.get(), m_comment.data(), m_comment.size(), at.commentPos))
        throw ZipFailure(ZipError::Truncated, m_path);
    m_centralStart = at.start;
    m_endRecord = at.endPos;
    const uint64_t cdSize = at.size, count = at.entries;
    // A spanned archive's offsets count from the start of their part.
    const bool spanned = isSpannedSet(m_fd.get());
    const uint64_t shift = spanned ? 0 : at.shift();

    DirectoryWindow cd(m_fd.get(), m_centralStart, cdSize, m_path);
    size_t pos = 0;
    m_entries.reserve(size_t(std::min<uint64_t>(count, cdSize / centralHeaderSize)));
    auto setAside = [&](ZipError code, const std::string &detail, const std::string &member) {
        if (!keepGoing)
            throw ZipFailure(code, detail);
        m_bad.push_back({ code, detail, member });
    };
    while (pos + centralHeaderSize <= cdSize) {
        const unsigned char *h = cd.at(pos, centralHeaderSize);
        if (get32(h) != sigCentral)
            break;
        size_t nameLen = get16(h + 28), extraLen = get16(h + 30), commentLen = get16(h + 32);
        if (pos + centralHeaderSize + nameLen + extraLen + commentLen > cdSize)
            throw ZipFailure(ZipError::Corrupt, m_path + " (central directory)");
        h = cd.at(pos, centralHeaderSize + nameLen + extraLen + commentLen);
        Entry en;
        en.madeBy = get16(h + 4);
        en.versionNeeded = get16(h + 6);
        en.flags = get16(h + 8);
        en.method = get16(h + 10);
        en.dosTime = get16(h + 12);
        en.dosDate = get16(h + 14);
        en.crc = get32(h + 16);
        en.csize = get32(h + 20);
        en.usize = get32(h + 24);
        uint32_t disk = get16(h + 34);
        en.internalAttr = get16(h + 36);
        en.externalAttr = get32(h + 38);
        en.localOffset = get32(h + 42);
        const char *v = reinterpret_cast<const char *>(h) + centralHeaderSize;
        const std::string_view raw(v, nameLen), extra(v + nameLen, extraLen);
        const std::string_view comment(v + nameLen + extraLen, commentLen);
        pos += centralHeaderSize + nameLen + extraLen + commentLen;
        Zip64Values z64 { en.usize, en.csize, en.localOffset, disk };
        const bool missing = readZip64Extra(extra, z64, false).missing;
        en.usize = z64.usize;
        en.csize = z64.csize;
        en.localOffset = z64.offset;
        disk = z64.disk;
        if (disk != 0 && !spanned)
            throw ZipFailure(ZipError::Unsupported, m_path + " (multi-part archive)");
        en.setFields(
            decodeName(raw, en.flags & flagUtf8), raw, removeExtra(extra, extraZip64), comment);
        en.hasUnixTime = readExtraTime(extra, en.mtime);
        if (!en.hasUnixTime)
            en.mtime = fromDosTime(en.dosTime, en.dosDate);
        if (missing) {
            setAside(ZipError::Corrupt, m_path + " (ZIP64 field of " + shortName(en.name) + ")",
                en.name);
            continue;
        }
        if (spanned && !diskPosition(m_fd.get(), disk, en.localOffset, en.localOffset)) {
            setAside(ZipError::Corrupt, m_path + " (part of " + shortName(en.name) + ")", en.name);
            continue;
        }
        if (en.localOffset > m_centralStart - shift) {
            setAside(
                ZipError::Corrupt, m_path + " (offset of " + shortName(en.name) + ")", en.name);
            continue;
        }
        en.localOffset += shift;
        m_entries.push_back(std::move(en));
    }
    if (!countMatches(m_entries.size() + m_bad.size(), count))
        throw ZipFailure(ZipError::Corrupt, m_path + " (central directory count)");

    // The code page is judged from all the names together, so the names
    // read above as CP437 are decoded again now that they are known.
    NameDecoder names(codePage);
    for (const Entry &e : m_entries)
        names.consider(e.rawName(), e.flags & flagUtf8);
    for (Entry &e : m_entries)
        if (std::string decoded = names.decode(e.rawName(), e.flags & flagUtf8, e.extra());
            decoded != e.name)
            e.setNames(std::move(decoded), e.rawName());

    // For the overlap check: the next member start after each entry.
    size_t n = m_entries.size();
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return m_entries[a].localOffset < m_entries[b].localOffset;
    });
    m_limit.assign(n, m_centralStart);
    m_sharedStart.assign(n, false);
    m_firstMember = n ? m_entries[order[0]].localOffset : m_centralStart;
    for (size_t k = 0; k < n; ++k) {
        size_t j = k + 1;
        while (j < n && m_entries[order[j]].localOffset == m_entries[order[k]].localOffset) {
            m_sharedStart[order[j]] = true;
            ++j;
        }
        if (j < n)
            m_limit[order[k]] = m_entries[order[j]].localOffset;
    }
}

bool ArchiveReader::readLocal(uint64_t at, std::string &out) const
{
    constexpr uint64_t window = 64u << 10;
    std::lock_guard<std::mutex> lock(m_aheadLock);
    if (at < m_aheadAt || at + out.size() > m_aheadAt + m_ahead.size()) {
        m_ahead.resize(
            size_t(std::min(std::max<uint64_t>(window, out.size()), m_centralStart - at)));
        if (!preadFull(m_fd.get(), m_ahead.data(), m_ahead.size(), at)) {
            m_ahead.clear();
            return preadFull(m_fd.get(), out.data(), out.size(), at);
        }
        m_aheadAt = at;
    }
    std::memcpy(out.data(), m_ahead.data() + (at - m_aheadAt), out.size());
    return true;
}

MemberSpan ArchiveReader::span(size_t i) const
{
    const Entry &en = m_entries.at(i);
    if (m_sharedStart[i])
        throw ZipFailure(ZipError::Overlap, en.name);
    // One read usually brings the header with its name and extra field.
    if (en.localOffset + localHeaderSize > m_centralStart)
        throw ZipFailure(ZipError::Corrupt, "local header of " + en.name + " missing");
    std::string head(size_t(std::min<uint64_t>(localHeaderSize + en.rawName().size() + 512,
                         m_centralStart - en.localOffset)),
        '\0');
    auto h = reinterpret_cast<const unsigned char *>(head.data());
    if (!readLocal(en.localOffset, head) || get32(h) != sigLocal)
        throw ZipFailure(ZipError::Corrupt, "local header of " + en.name + " missing");
    const uint16_t flags = get16(h + 6);
    const size_t nameLen = get16(h + 26), extraLen = get16(h + 28);
    MemberSpan s;
    s.dataOffset = en.localOffset + localHeaderSize + nameLen + extraLen;
    if (s.dataOffset > m_centralStart)
        throw ZipFailure(ZipError::Truncated, en.name);
    if (localHeaderSize + nameLen + extraLen > head.size()) {
        head.resize(localHeaderSize + nameLen + extraLen);
        if (!preadFull(m_fd.get(), head.data() + localHeaderSize, nameLen + extraLen,
                en.localOffset + localHeaderSize))
            throw ZipFailure(ZipError::Truncated, en.name);
    }
    const std::string_view fields = std::string_view(head).substr(localHeaderSize);
    const std::string_view localName = fields.substr(0, nameLen);
    if (localName != en.rawName()) {
        s.nameDiffers = true;
        s.localName = decodeName(localName, flags & flagUtf8);
    }
    std::string_view z;
    s.zip64Local = findExtra(fields.substr(nameLen, extraLen), extraZip64, z);
    if (s.dataOffset > m_centralStart || en.csize > m_centralStart - s.dataOffset)
        throw ZipFailure(ZipError::Truncated, en.name);
    s.end = s.dataOffset + en.csize;
    if (s.end > m_limit[i])
        throw ZipFailure(ZipError::Overlap, en.name);
    if (en.flags & flagDescriptor) {
        uint64_t len = s.zip64Local || en.usize >= 0xffffffffu || en.csize >= 0xffffffffu ? 20 : 12;
        unsigned char sig[4];
        if (s.end + 4 <= m_centralStart && preadFull(m_fd.get(), sig, 4, s.end)
            && get32(sig) == sigDescriptor)
            len += 4;
        // Some writers leave the descriptor out; never count what is not there.
        s.end = std::min(s.end + len, m_limit[i]);
    }
    return s;
}

} // namespace amx
