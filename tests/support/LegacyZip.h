// Archives written byte by byte as DOS-era writers made them: stored
// members whose names are bytes in some code page, bit 11 only when asked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace amxtest {

struct LegacyMember
{
    std::string raw; // the name's bytes as stored
    bool utf8Flag = false;
    std::string extra; // the extra field, central and local alike
    std::string data = "x";
};

inline uint32_t legacyCrc32(std::string_view bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (char ch : bytes) {
        crc ^= static_cast<uint8_t>(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void put(std::string &out, uint64_t v, int bytes)
{
    // Runs of zeros longer than the value are written with one call.
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(i < 8 ? (v >> (8 * i)) & 0xFF : 0);
}

// Stored members, as a DOS-era writer made them (no bit 11 unless asked).
inline std::string zipOf(const std::vector<LegacyMember> &members)
{
    std::string out, central;
    for (const LegacyMember &m : members) {
        const uint32_t offset = uint32_t(out.size());
        const uint16_t flags = m.utf8Flag ? 0x0800 : 0;
        auto header = [&](std::string &to, bool local) {
            put(to, local ? 0x04034b50 : 0x02014b50, 4);
            if (!local)
                put(to, 20, 2); // made by: MS-DOS
            put(to, 20, 2);
            put(to, flags, 2);
            put(to, 0, 2); // stored
            put(to, 0x6000, 2);
            put(to, 0x5921, 2);
            put(to, legacyCrc32(m.data), 4);
            put(to, m.data.size(), 4);
            put(to, m.data.size(), 4);
            put(to, m.raw.size(), 2);
            put(to, m.extra.size(), 2);
            if (!local) {
                put(to, 0, 2 + 2 + 2 + 4); // comment, disk, attributes
                put(to, offset, 4);
            }
            to += m.raw + m.extra;
        };
        header(out, true);
        out += m.data;
        header(central, false);
    }
    const size_t cdStart = out.size();
    out += central;
    put(out, 0x06054b50, 4);
    put(out, 0, 4);
    put(out, members.size(), 2);
    put(out, members.size(), 2);
    put(out, central.size(), 4);
    put(out, cdStart, 4);
    put(out, 0, 2);
    return out;
}

// A Unicode Path field for the stored name raw, naming utf8.
inline std::string unicodePath(const std::string &raw, const std::string &utf8, uint32_t crcXor = 0)
{
    std::string field;
    put(field, 0x7075, 2);
    put(field, 5 + utf8.size(), 2);
    field += '\x01';
    put(field, legacyCrc32(raw) ^ crcXor, 4);
    return field + utf8;
}

} // namespace amxtest
