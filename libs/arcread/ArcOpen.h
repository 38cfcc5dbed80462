// Archives other than ZIP, read through libarchive: which reader an archive
// goes to (by its content, never its name), and opening it for reading.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct archive;
struct archive_entry;

namespace amx {

enum class ArchiveFamily {
    Zip, // our own libraries; also whatever nothing else recognises, to be told why
    Other // a format or compression libarchive reads
};

// Reads the archive's start (and for ZIP's sake its end) to decide. A path
// that cannot be opened counts as Zip: its reader names the problem.
ArchiveFamily archiveFamily(int folder, const std::string &path);
ArchiveFamily archiveFamilyOfFd(int fd);

struct ArchiveCloser
{
    void operator()(archive *a) const;
};
using ArchivePtr = std::unique_ptr<archive, ArchiveCloser>;

// A reader over the open file (not taken over; it stays the caller's) with
// every format and compression, and for a lone compressed file the raw
// format. Null when libarchive cannot even start; `error` says why.
ArchivePtr openArchiveReader(int fd, std::string &error);

// The same for reading every member's data once: an xz stream is decoded
// on every core where it holds several blocks (xz -T0 writes them), and
// libarchive reads the decoded bytes. Listing keeps openArchiveReader, which
// also knows the compression's name.
ArchivePtr openArchiveReaderForData(int fd, std::string &error);

// The name a lone compressed file's one member gets: the archive's own file
// name without its compression suffix ("notes.txt.gz" gives "notes.txt").
std::string rawMemberName(const std::string &archivePath);

// Whether the reader delivers one compressed file rather than an archive.
bool isRawStream(archive *a);

// The short name people know the archive by, from its format and compression
// once a header has been read: "tar.xz", "7z", "RAR", "ISO", "gz".
std::string formatLabel(archive *a);

// The member's name as the archive stores it (UTF-8 where known).
std::string entryName(archive_entry *entry);

} // namespace amx
