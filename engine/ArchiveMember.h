// One archive member as the list, Find, the properties windows and "-l" see
// it, whatever the archive's format; the format's own fields stay beside it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// A ZIP member's own fields: the local header's bytes 4 to 29, and where that
// header lies. The sizes here are the header's 32-bit fields as stored; the
// member's real sizes (ZIP64, data descriptors) are the ArchiveMember's.
struct ZipDirEntry
{
    uint16_t Version = 0;
    uint16_t Flag = 0;
    uint16_t CompressionMethod = 0;
    uint32_t DateTime = 0; // MS-DOS time in the low 16 bits, date in the high 16, local time
    uint32_t CRC32 = 0;
    int32_t CompressedSize = 0;
    int32_t UncompressedSize = 0;
    uint16_t FileNameLength = 0;
    uint16_t ExtraFieldLength = 0;
    uint64_t HeaderOffset = 0; // file position of the local header

    bool isUtf8() const { return Flag & 0x0800; }
};

// Zip: our own libraries read and write it; Other: read through libarchive
// (tar, 7z, RAR, ISO, cpio, ...), never changed.
enum class ArchiveFormat : uint8_t { Zip, Other };

// What a member is; a format that knows none says File.
enum class MemberKind : uint8_t { File, Folder, Link, HardLink, Device, Fifo, Socket };

class ArchiveMember
{
public:
    // A size a stream format does not know before its data is read.
    static constexpr uint64_t kUnknownSize = UINT64_MAX;
    static constexpr int64_t kUnknownTime = INT64_MIN;

    // The name as shown, UTF-8, '/' between folders ("a/b/" for a folder);
    // and the bytes as the archive stores them, which may differ: another
    // code page, or more bytes after a zero byte.
    std::string_view name() const { return std::string_view(m_names).substr(0, m_nameLength); }
    std::string_view rawName() const
    {
        return m_nameLength == m_names.size() ? name()
                                              : std::string_view(m_names).substr(m_nameLength);
    }
    void setName(std::string decoded, std::string_view raw)
    {
        m_names = std::move(decoded);
        m_nameLength = static_cast<uint32_t>(m_names.size());
        if (raw != name())
            m_names.append(raw);
    }
    bool isFolder() const { return kind == MemberKind::Folder; }
    bool sizeKnown() const { return size != kUnknownSize; }
    bool packedKnown() const { return packed != kUnknownSize; }
    bool timeKnown() const { return modified != kUnknownTime; }

    uint64_t size = 0; // uncompressed
    uint64_t packed = 0; // as stored in the archive, headers left out
    int64_t modified = kUnknownTime; // seconds since 1970-01-01 UTC
    // The ZIP part: meaningful when format is Zip. Its DateTime is what the
    // list shows, as the local time it was written in.
    ZipDirEntry zip;
    // ZIP's numbering (0 stored, 8 deflated, 12 bzip2, 14 LZMA, 93 Zstandard,
    // 95 xz, 98 PPMd, 99 AES), which other formats' methods map onto.
    uint16_t method = 0;
    uint16_t permissions = 0; // rwx bits with set-id and sticky (07777); 0 when unknown
    MemberKind kind = MemberKind::File;
    ArchiveFormat format = ArchiveFormat::Zip;
    bool encrypted = false;

private:
    uint32_t m_nameLength = 0;
    std::string m_names; // the shown name, then the stored bytes when they differ
};
