#include "ZipFormat.h"

#include <algorithm>
#include <sys/stat.h>

namespace amx {

void Entry::setBytes(
    std::string_view raw, bool rawSame, std::string_view extra, std::string_view comment)
{
    // Built apart first: the views may point into m_bytes or name.
    std::string bytes;
    bytes.reserve((rawSame ? 0 : raw.size()) + extra.size() + comment.size());
    if (!rawSame)
        bytes.append(raw);
    bytes.append(extra);
    bytes.append(comment);
    m_bytes = std::move(bytes);
    m_rawSame = rawSame;
    m_rawLength = rawSame ? 0 : uint32_t(raw.size());
    m_extraLength = uint32_t(extra.size());
}

void Entry::setFields(
    std::string decoded, std::string_view raw, std::string_view extra, std::string_view comment)
{
    setBytes(raw, raw == decoded, extra, comment);
    name = std::move(decoded);
}

void Entry::setNames(std::string decoded, std::string_view raw)
{
    setFields(std::move(decoded), raw, extra(), comment());
}

void Entry::setExtra(std::string_view extra)
{
    setBytes(rawName(), m_rawSame, extra, comment());
}

bool Entry::isDir() const
{
    if (!name.empty() && (name.back() == '/' || name.back() == '\\'))
        return true;
    uint32_t mode = unixMode();
    if (mode)
        return S_ISDIR(mode);
    return (externalAttr & 0x10) != 0 && usize == 0;
}

bool Entry::isSymlink() const
{
    uint32_t mode = unixMode();
    return mode && S_ISLNK(mode);
}

void toDosTime(int64_t t, uint16_t &dosTime, uint16_t &dosDate)
{
    time_t tt = static_cast<time_t>(t);
    struct tm tm
    {
    };
    if (!localtime_r(&tt, &tm) || tm.tm_year < 80) {
        dosTime = 0;
        dosDate = (1 << 5) | 1; // 1980-01-01
        return;
    }
    if (tm.tm_year > 207)
        tm = { 0, 58, 23, 31, 11, 207, 0, 0, 0, 0, nullptr };
    dosTime = uint16_t((tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2));
    dosDate = uint16_t(((tm.tm_year - 80) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday);
}

int64_t fromDosTime(uint16_t dosTime, uint16_t dosDate)
{
    struct tm tm
    {
    };
    tm.tm_year = ((dosDate >> 9) & 0x7f) + 80;
    tm.tm_mon = ((dosDate >> 5) & 0x0f) - 1;
    tm.tm_mday = dosDate & 0x1f;
    tm.tm_hour = (dosTime >> 11) & 0x1f;
    tm.tm_min = (dosTime >> 5) & 0x3f;
    tm.tm_sec = (dosTime & 0x1f) * 2;
    tm.tm_isdst = -1;
    time_t t = mktime(&tm);
    return t == time_t(-1) ? 0 : int64_t(t);
}

bool findExtra(std::string_view extra, uint16_t id, std::string_view &data)
{
    size_t pos = 0;
    while (pos + 4 <= extra.size()) {
        auto p = reinterpret_cast<const unsigned char *>(extra.data() + pos);
        uint16_t tag = get16(p);
        uint16_t len = get16(p + 2);
        if (pos + 4 + len > extra.size())
            return false;
        if (tag == id) {
            data = extra.substr(pos + 4, len);
            return true;
        }
        pos += 4 + len;
    }
    return false;
}

std::string removeExtra(std::string_view extra, uint16_t id)
{
    std::string out;
    size_t pos = 0;
    while (pos + 4 <= extra.size()) {
        auto p = reinterpret_cast<const unsigned char *>(extra.data() + pos);
        uint16_t tag = get16(p);
        uint16_t len = get16(p + 2);
        if (pos + 4 + len > extra.size())
            break; // a malformed tail is dropped rather than copied on
        if (tag != id)
            out.append(extra.substr(pos, 4 + len));
        pos += 4 + len;
    }
    return out;
}

bool readExtraTime(std::string_view extra, int64_t &mtime)
{
    std::string_view d;
    if (!findExtra(extra, extraTime, d) || d.size() < 5 || !(d[0] & 1))
        return false;
    mtime = int32_t(get32(reinterpret_cast<const unsigned char *>(d.data() + 1)));
    return true;
}

std::string makeExtraTime(int64_t mtime)
{
    std::string out;
    if (mtime < INT32_MIN || mtime > INT32_MAX)
        return out;
    put16(out, extraTime);
    put16(out, 5);
    out += char(1);
    put32(out, uint32_t(int32_t(mtime)));
    return out;
}

bool readExtraAes(std::string_view extra, AesRecord &aes)
{
    std::string_view d;
    if (!findExtra(extra, extraAes, d) || d.size() != 7 || d.substr(2, 2) != "AE")
        return false;
    auto p = reinterpret_cast<const unsigned char *>(d.data());
    aes.version = get16(p);
    aes.strength = p[4];
    aes.method = get16(p + 5);
    return true;
}

std::string makeExtraAes(const AesRecord &aes)
{
    std::string out;
    put16(out, extraAes);
    put16(out, 7);
    put16(out, aes.version);
    out += "AE";
    out += char(aes.strength);
    put16(out, aes.method);
    return out;
}

std::string makeExtraPieces(uint32_t piece, const std::vector<uint64_t> &packed)
{
    constexpr size_t maxSpans = 4096;
    std::string out;
    if (packed.size() < 2)
        return out;
    const size_t group = (packed.size() + maxSpans - 1) / maxSpans;
    if (uint64_t(piece) * group > maxPieceSpan)
        return out;
    std::string sizes;
    for (size_t i = 0; i < packed.size(); i += group) {
        uint64_t sum = 0;
        for (size_t j = i; j < std::min(packed.size(), i + group); ++j)
            sum += packed[j];
        if (sum > 0xffffffffu)
            return out;
        put32(sizes, uint32_t(sum));
    }
    put16(out, extraPieces);
    put16(out, uint16_t(4 + sizes.size()));
    put32(out, uint32_t(piece * group));
    out += sizes;
    return out;
}

bool readExtraPieces(std::string_view extra, uint64_t usize, uint64_t csize, PieceMap &map)
{
    std::string_view d;
    if (!findExtra(extra, extraPieces, d) || d.size() < 12 || d.size() % 4 != 0)
        return false;
    auto p = reinterpret_cast<const unsigned char *>(d.data());
    map.span = get32(p);
    const size_t count = d.size() / 4 - 1;
    if (map.span < 4096 || map.span > maxPieceSpan || usize == 0
        || (usize + map.span - 1) / map.span != count)
        return false;
    map.packed.clear();
    uint64_t sum = 0;
    for (size_t i = 0; i < count; ++i) {
        uint32_t n = get32(p + 4 + 4 * i);
        // Stored blocks are the worst case: 5 bytes for each 64 KiB.
        if (n == 0 || n > map.span + map.span / 8192 + 64)
            return false;
        map.packed.push_back(n);
        sum += n;
    }
    return sum == csize;
}

bool needsZip64(const Entry &e)
{
    return e.usize >= 0xffffffffu || e.csize >= 0xffffffffu || e.localOffset >= 0xffffffffu;
}

std::string makeCentralHeader(const Entry &e, uint64_t localOffset)
{
    std::string z64;
    if (e.usize >= 0xffffffffu)
        put64(z64, e.usize);
    if (e.csize >= 0xffffffffu)
        put64(z64, e.csize);
    if (localOffset >= 0xffffffffu)
        put64(z64, localOffset);
    std::string extra;
    if (!z64.empty()) {
        put16(extra, extraZip64);
        put16(extra, uint16_t(z64.size()));
        extra += z64;
    }
    extra += e.extra();
    if (extra.size() > 0xffff)
        extra.resize(0); // cannot happen for fields we read, which were 16-bit sized

    std::string out;
    out.reserve(centralHeaderSize + e.rawName().size() + extra.size() + e.comment().size());
    put32(out, sigCentral);
    put16(out, e.madeBy);
    uint16_t needed = e.versionNeeded;
    if (!z64.empty() && needed < 45)
        needed = 45;
    put16(out, needed);
    put16(out, e.flags);
    put16(out, e.method);
    put16(out, e.dosTime);
    put16(out, e.dosDate);
    put32(out, e.crc);
    put32(out, e.csize >= 0xffffffffu ? 0xffffffffu : uint32_t(e.csize));
    put32(out, e.usize >= 0xffffffffu ? 0xffffffffu : uint32_t(e.usize));
    put16(out, uint16_t(e.rawName().size()));
    put16(out, uint16_t(extra.size()));
    put16(out, uint16_t(e.comment().size()));
    put16(out, 0); // disk
    put16(out, e.internalAttr);
    put32(out, e.externalAttr);
    put32(out, localOffset >= 0xffffffffu ? 0xffffffffu : uint32_t(localOffset));
    out += e.rawName();
    out += extra;
    out += e.comment();
    return out;
}

std::string makeLocalHeader(const Entry &e, bool zip64)
{
    std::string extra;
    if (zip64) {
        put16(extra, extraZip64);
        put16(extra, 16);
        put64(extra, e.usize);
        put64(extra, e.csize);
    }
    extra += e.extra();
    std::string out;
    put32(out, sigLocal);
    put16(out, zip64 && e.versionNeeded < 45 ? 45 : e.versionNeeded);
    put16(out, e.flags);
    put16(out, e.method);
    put16(out, e.dosTime);
    put16(out, e.dosDate);
    put32(out, e.crc);
    put32(out, zip64 ? 0xffffffffu : uint32_t(e.csize));
    put32(out, zip64 ? 0xffffffffu : uint32_t(e.usize));
    put16(out, uint16_t(e.rawName().size()));
    put16(out, uint16_t(extra.size()));
    out += e.rawName();
    out += extra;
    return out;
}

} // namespace amx
