// TZipEngine::List for archives that are not ZIP: every member as libarchive
// reads it, the sizes it knows, the rest marked unknown.
#include "ArcOpen.h"
#include "ZipEngine.h"

#include <archive.h>
#include <archive_entry.h>
#include <ctime>

namespace {

// The list shows a member's time the way ZIP stores it: MS-DOS local time.
uint32_t dosTime(int64_t seconds)
{
    const time_t t = static_cast<time_t>(seconds);
    struct tm local
    {
    };
    if (!::localtime_r(&t, &local) || local.tm_year < 80)
        return (1u << 21) | (1u << 16); // 1980-01-01, the first day it can hold
    if (local.tm_year > 207)
        local.tm_year = 207;
    return uint32_t(local.tm_year - 80) << 25 | uint32_t(local.tm_mon + 1) << 21
        | uint32_t(local.tm_mday) << 16 | uint32_t(local.tm_hour) << 11
        | uint32_t(local.tm_min) << 5 | uint32_t(local.tm_sec / 2);
}

MemberKind kindOf(archive_entry *entry)
{
    if (archive_entry_hardlink(entry))
        return MemberKind::HardLink;
    switch (archive_entry_filetype(entry)) {
    case AE_IFDIR:
        return MemberKind::Folder;
    case AE_IFLNK:
        return MemberKind::Link;
    case AE_IFCHR:
    case AE_IFBLK:
        return MemberKind::Device;
    case AE_IFIFO:
        return MemberKind::Fifo;
    case AE_IFSOCK:
        return MemberKind::Socket;
    default:
        return MemberKind::File;
    }
}

} // namespace

std::string TZipEngine::listOther(int fd)
{
    std::string error;
    amx::ArchivePtr reader = amx::openArchiveReader(fd, error);
    if (!reader)
        return error;
    archive *a = reader.get();
    for (;;) {
        archive_entry *entry = nullptr;
        const int rc = archive_read_next_header(a, &entry);
        if (rc == ARCHIVE_EOF)
            break;
        if (rc < ARCHIVE_WARN) {
            const char *why = archive_error_string(a);
            error = why && *why ? why : "unreadable data";
            break;
        }
        if (m_formatName.empty())
            m_formatName = amx::formatLabel(a);
        ArchiveMember m;
        m.format = ArchiveFormat::Other;
        m.kind = kindOf(entry);
        std::string name =
            amx::isRawStream(a) ? amx::rawMemberName(m_zipFilename) : amx::entryName(entry);
        if (m.kind == MemberKind::Folder && !name.empty() && name.back() != '/')
            name += '/';
        m.setName(name, name);
        // A stream format learns a size only from the data; a lone
        // compressed file never says how large it will be.
        m.size = archive_entry_size_is_set(entry) && !amx::isRawStream(a)
            ? static_cast<uint64_t>(archive_entry_size(entry))
            : ArchiveMember::kUnknownSize;
        if (m.kind != MemberKind::File)
            m.size = 0;
        m.packed = m.size == 0 ? 0 : ArchiveMember::kUnknownSize;
        if (archive_entry_mtime_is_set(entry)) {
            m.modified = archive_entry_mtime(entry);
            m.zip.DateTime = dosTime(m.modified);
        }
        m.permissions = static_cast<uint16_t>(archive_entry_perm(entry) & 07777);
        m.encrypted = archive_entry_is_data_encrypted(entry);
        m_entries.push_back(std::move(m));
        if (QuickOtherListing)
            break;
    }
    if (m_formatName.empty())
        m_formatName = amx::formatLabel(a);
    return error;
}
