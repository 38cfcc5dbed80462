// Record layouts of the ZIP format and the member record both libraries use.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace amx {

constexpr uint32_t sigLocal = 0x04034b50;
constexpr uint32_t sigCentral = 0x02014b50;
constexpr uint32_t sigEnd = 0x06054b50;
constexpr uint32_t sigEnd64 = 0x06064b50;
constexpr uint32_t sigLocator64 = 0x07064b50;
constexpr uint32_t sigDescriptor = 0x08074b50;

constexpr size_t localHeaderSize = 30;
constexpr size_t centralHeaderSize = 46;
constexpr size_t endSize = 22;
constexpr size_t end64Size = 56;
constexpr size_t locator64Size = 20;

constexpr uint16_t flagEncrypted = 1u << 0;
constexpr uint16_t flagDescriptor = 1u << 3;
constexpr uint16_t flagStrongEncryption = 1u << 6;
constexpr uint16_t flagUtf8 = 1u << 11;

constexpr uint16_t methodStored = 0;
constexpr uint16_t methodDeflated = 8;
// WinZip AES: the real method is in the member's AES record.
constexpr uint16_t methodAes = 99;

constexpr uint16_t extraZip64 = 0x0001;
constexpr uint16_t extraTime = 0x5455;
// Our own record: where the independent pieces of a large deflated member
// start, so that they can be inflated on all cores. Other readers skip it.
constexpr uint16_t extraPieces = 0x6d78;
constexpr uint32_t maxPieceSpan = 16u << 20;
constexpr uint16_t extraAes = 0x9901;
// Info-ZIP's UTF-8 copy of the name; stale once the name changes.
constexpr uint16_t extraUnicodePath = 0x7075;

constexpr uint16_t hostFat = 0;
constexpr uint16_t hostUnix = 3;

// Deflate cannot expand data by more than about 1032:1.
constexpr uint64_t maxDeflateRatio = 1032;

inline uint16_t get16(const unsigned char *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}
inline uint32_t get32(const unsigned char *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline uint64_t get64(const unsigned char *p)
{
    return get32(p) | (uint64_t(get32(p + 4)) << 32);
}

inline void put16(std::string &out, uint16_t v)
{
    out += char(v & 0xff);
    out += char(v >> 8);
}
inline void put32(std::string &out, uint32_t v)
{
    put16(out, uint16_t(v));
    put16(out, uint16_t(v >> 16));
}
inline void put64(std::string &out, uint64_t v)
{
    put32(out, uint32_t(v));
    put32(out, uint32_t(v >> 32));
}

// One member as the central directory describes it. Offsets are absolute
// positions in the file (any prefix already accounted for). An archive may
// hold a million of these: the stored name, the extra field and the comment
// share one string, and the stored name is kept only when it is not `name`.
struct Entry
{
    std::string name; // decoded as the program shows it; change it through setNames
    uint64_t csize = 0;
    uint64_t usize = 0;
    uint64_t localOffset = 0;
    int64_t mtime = 0; // seconds since the epoch
    uint32_t externalAttr = 0;
    uint32_t crc = 0;
    uint16_t madeBy = 0;
    uint16_t versionNeeded = 20;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint16_t internalAttr = 0;
    bool hasUnixTime = false;

    // The name's bytes as stored, which differ from `name` when they were
    // decoded from another code page.
    std::string_view rawName() const
    {
        return m_rawSame ? std::string_view(name)
                         : std::string_view(m_bytes).substr(0, m_rawLength);
    }
    // The central extra field without the ZIP64 record.
    std::string_view extra() const
    {
        return std::string_view(m_bytes).substr(m_rawLength, m_extraLength);
    }
    std::string_view comment() const
    {
        return std::string_view(m_bytes).substr(m_rawLength + m_extraLength);
    }
    // The arguments may be views of this entry's own fields.
    void setFields(std::string decoded, std::string_view raw, std::string_view extra,
        std::string_view comment);
    void setNames(std::string decoded, std::string_view raw);
    void setExtra(std::string_view extra);

    uint16_t host() const { return madeBy >> 8; }
    // The Unix mode when the writer stored one, else 0.
    uint32_t unixMode() const { return host() == hostUnix ? externalAttr >> 16 : 0; }
    bool isDir() const;
    bool isSymlink() const;

private:
    void setBytes(
        std::string_view raw, bool rawSame, std::string_view extra, std::string_view comment);

    std::string m_bytes; // the stored name unless m_rawSame, the extra field, the comment
    uint32_t m_rawLength = 0;
    uint32_t m_extraLength = 0;
    bool m_rawSame = true;
};

// DOS date and time (local time, 2-second steps) and back.
void toDosTime(int64_t t, uint16_t &dosTime, uint16_t &dosDate);
int64_t fromDosTime(uint16_t dosTime, uint16_t dosDate);

// Finds a record in an extra field; returns false when absent or malformed.
bool findExtra(std::string_view extra, uint16_t id, std::string_view &data);
// The extra field without the records of the given id.
std::string removeExtra(std::string_view extra, uint16_t id);
// Reads the modification time from an extended-timestamp record.
bool readExtraTime(std::string_view extra, int64_t &mtime);
// An extended-timestamp record holding the modification time (empty when the
// time does not fit 32 bits).
std::string makeExtraTime(int64_t mtime);

// WinZip's AES record: its version (1 for AE-1, 2 for AE-2, which leaves the
// CRC out), the key strength (1, 2, 3 for 128, 192, 256 bits) and the
// compression method under the encryption.
struct AesRecord
{
    uint16_t version = 0;
    uint8_t strength = 0;
    uint16_t method = 0;
};
// False when the record is absent or not WinZip's ("AE", 7 bytes); the
// values themselves are the caller's to judge.
bool readExtraAes(std::string_view extra, AesRecord &aes);
std::string makeExtraAes(const AesRecord &aes);

// The pieces of a deflated member: every piece but the last inflates, on its
// own, to `span` bytes; `packed` holds each piece's compressed size.
struct PieceMap
{
    uint32_t span = 0;
    std::vector<uint32_t> packed;
};
// The record for pieces of `piece` bytes with the given compressed sizes;
// neighbours are merged so that the record stays small. Empty for one piece.
std::string makeExtraPieces(uint32_t piece, const std::vector<uint64_t> &packed);
// Reads the record and checks it against the member's sizes, so that a
// damaged or hostile one is ignored rather than trusted.
bool readExtraPieces(std::string_view extra, uint64_t usize, uint64_t csize, PieceMap &map);

// The central directory record of an entry whose local header is at
// localOffset, with a ZIP64 record added where a size or the offset needs it.
std::string makeCentralHeader(const Entry &e, uint64_t localOffset);
// A local header for a new member; reserveZip64 keeps room for 64-bit sizes
// when they are not known yet.
std::string makeLocalHeader(const Entry &e, bool zip64);
bool needsZip64(const Entry &e);

} // namespace amx
