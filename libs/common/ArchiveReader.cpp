#include "ArchiveReader.h"

#include "ZipError.h"
#include "format/NameCodec.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <numeric>
#include <sys/stat.h>

namespace amx {

ArchiveReader::ArchiveReader(const std::string &path, int base, bool keepGoing)
    : m_path(path)
{
    // Never wait on a FIFO: it is refused below as not a regular file.
    m_fd.reset(::openat(base, path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!m_fd.valid())
        throw ZipFailure(ZipError::ArchiveOpen, path + " (" + errnoText(errno) + ")");
    struct stat st
    {
    };
    if (fstat(m_fd.get(), &st) != 0)
        throw ZipFailure(ZipError::ArchiveOpen, path + " (" + errnoText(errno) + ")");
    if (!S_ISREG(st.st_mode))
        throw ZipFailure(ZipError::NotRegular, path);
    m_fileSize = uint64_t(st.st_size);
    readDirectory(keepGoing);
}

void ArchiveReader::readDirectory(bool keepGoing)
{
    // The end record sits in the last 22 + 65535 bytes, before the comment.
    uint64_t tailSize = std::min<uint64_t>(m_fileSize, endSize + 0xffff + locator64Size);
    std::string tail(tailSize, '\0');
    if (tailSize < endSize || !preadFull(m_fd.get(), tail.data(), tailSize, m_fileSize - tailSize))
        throw ZipFailure(ZipError::NotZip, m_path);
    auto t = reinterpret_cast<const unsigned char *>(tail.data());
    int64_t endAt = -1, lastSig = -1;
    for (int64_t i = int64_t(tailSize - endSize); i >= 0; --i) {
        if (get32(t + i) != sigEnd)
            continue;
        if (lastSig < 0)
            lastSig = i;
        uint16_t commentLen = get16(t + i + 20);
        if (uint64_t(i) + endSize + commentLen <= tailSize) {
            endAt = i;
            break;
        }
    }
    // A comment said to run past the end of the file is taken as cut short.
    if (endAt < 0)
        endAt = lastSig;
    if (endAt < 0)
        throw ZipFailure(ZipError::NotZip, m_path);
    const unsigned char *e = t + endAt;
    uint64_t endPos = m_fileSize - tailSize + uint64_t(endAt);
    uint64_t count = get16(e + 10);
    uint64_t cdSize = get32(e + 12);
    uint64_t cdOffset = get32(e + 16);
    m_comment.assign(tail, size_t(endAt) + endSize,
        std::min<size_t>(get16(e + 20), tailSize - size_t(endAt) - endSize));
    if (get16(e + 4) != 0 && get16(e + 4) != 0xffff)
        throw ZipFailure(ZipError::Unsupported, m_path + " (multi-part archive)");

    uint64_t cdEnd = endPos;
    if (endAt >= int64_t(locator64Size) && get32(e - locator64Size) == sigLocator64) {
        uint64_t z64At = get64(e - locator64Size + 8);
        uint64_t expected = endPos - locator64Size - end64Size;
        unsigned char z[end64Size];
        // A prefix added after the archive was written shifts the record.
        if (!(z64At + end64Size <= m_fileSize && preadFull(m_fd.get(), z, end64Size, z64At)
                && get32(z) == sigEnd64)) {
            if (endPos < locator64Size + end64Size || !preadFull(m_fd.get(), z, end64Size, expected)
                || get32(z) != sigEnd64)
                throw ZipFailure(ZipError::Corrupt, m_path + " (ZIP64 end record)");
            z64At = expected;
        }
        count = get64(z + 32);
        cdSize = get64(z + 40);
        cdOffset = get64(z + 48);
        cdEnd = z64At;
    }
    if (cdSize > cdEnd)
        throw ZipFailure(ZipError::Truncated, m_path);
    m_centralStart = cdEnd - cdSize;
    if (cdOffset > m_centralStart)
        throw ZipFailure(ZipError::Truncated, m_path);
    // Offsets written before a prefix was prepended count from the archive start.
    uint64_t shift = m_centralStart - cdOffset;

    std::string cd(cdSize, '\0');
    if (cdSize && !preadFull(m_fd.get(), cd.data(), cdSize, m_centralStart))
        throw ZipFailure(ZipError::Truncated, m_path);
    auto c = reinterpret_cast<const unsigned char *>(cd.data());
    size_t pos = 0;
    m_entries.reserve(size_t(std::min<uint64_t>(count, cdSize / centralHeaderSize)));
    auto setAside = [&](ZipError code, const std::string &detail) {
        if (!keepGoing)
            throw ZipFailure(code, detail);
        m_bad.push_back({ code, detail });
    };
    while (pos + centralHeaderSize <= cdSize && get32(c + pos) == sigCentral) {
        const unsigned char *h = c + pos;
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
        size_t nameLen = get16(h + 28), extraLen = get16(h + 30), commentLen = get16(h + 32);
        uint16_t disk = get16(h + 34);
        en.internalAttr = get16(h + 36);
        en.externalAttr = get32(h + 38);
        en.localOffset = get32(h + 42);
        if (pos + centralHeaderSize + nameLen + extraLen + commentLen > cdSize)
            throw ZipFailure(ZipError::Corrupt, m_path + " (central directory)");
        const char *v = cd.data() + pos + centralHeaderSize;
        en.rawName.assign(v, nameLen);
        std::string_view extra(v + nameLen, extraLen);
        en.comment.assign(v + nameLen + extraLen, commentLen);
        pos += centralHeaderSize + nameLen + extraLen + commentLen;
        std::string_view z64;
        bool missing = false;
        if (findExtra(extra, extraZip64, z64)) {
            auto zp = reinterpret_cast<const unsigned char *>(z64.data());
            size_t zi = 0;
            auto take = [&](uint64_t &field) {
                if (zi + 8 > z64.size()) {
                    missing = true;
                    return;
                }
                field = get64(zp + zi);
                zi += 8;
            };
            if (en.usize == 0xffffffffu)
                take(en.usize);
            if (en.csize == 0xffffffffu)
                take(en.csize);
            if (en.localOffset == 0xffffffffu)
                take(en.localOffset);
            if (disk == 0xffff && zi + 4 <= z64.size())
                disk = 0;
        }
        if (disk != 0)
            throw ZipFailure(ZipError::Unsupported, m_path + " (multi-part archive)");
        en.extra = removeExtra(extra, extraZip64);
        en.hasUnixTime = readExtraTime(extra, en.mtime);
        if (!en.hasUnixTime)
            en.mtime = fromDosTime(en.dosTime, en.dosDate);
        en.name = decodeName(en.rawName, en.flags & flagUtf8);
        if (missing) {
            setAside(ZipError::Corrupt, m_path + " (ZIP64 field of " + shortName(en.name) + ")");
            continue;
        }
        if (en.localOffset > m_centralStart - shift) {
            setAside(ZipError::Corrupt, m_path + " (offset of " + shortName(en.name) + ")");
            continue;
        }
        en.localOffset += shift;
        m_entries.push_back(std::move(en));
    }
    // Old writers wrapped the 16-bit count past 65535 members.
    const uint64_t records = m_entries.size() + m_bad.size();
    if (records < count || (records - count) % 65536 != 0)
        throw ZipFailure(ZipError::Corrupt, m_path + " (central directory count)");

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

MemberSpan ArchiveReader::span(size_t i) const
{
    const Entry &en = m_entries.at(i);
    if (m_sharedStart[i])
        throw ZipFailure(ZipError::Overlap, en.name);
    // One read usually brings the header with its name and extra field.
    if (en.localOffset + localHeaderSize > m_centralStart)
        throw ZipFailure(ZipError::Corrupt, "local header of " + en.name + " missing");
    std::string head(size_t(std::min<uint64_t>(localHeaderSize + en.rawName.size() + 512,
                         m_centralStart - en.localOffset)),
        '\0');
    auto h = reinterpret_cast<const unsigned char *>(head.data());
    if (!preadFull(m_fd.get(), head.data(), head.size(), en.localOffset) || get32(h) != sigLocal)
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
    if (localName != en.rawName) {
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
