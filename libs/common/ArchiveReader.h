// Reads the central directory of an archive and locates member data, checking
// every length and offset against the file before it is used.
#pragma once

#include "FileUtil.h"
#include "SplitArchive.h"
#include "ZipError.h"
#include "ZipFormat.h"

#include <fcntl.h>
#include <mutex>
#include <string>
#include <vector>

namespace amx {

struct MemberSpan
{
    uint64_t dataOffset = 0; // first byte of the compressed data
    uint64_t end = 0; // first byte after the data and any data descriptor
    bool zip64Local = false;
    // The name in the local header; set only when it is not the directory's.
    bool nameDiffers = false;
    std::string localName;
};

// A directory record that could not be used; the others still can.
struct BadEntry
{
    ZipError code;
    std::string detail;
    std::string member;
};

class ArchiveReader
{
public:
    // Opens and reads the directory; throws ZipFailure when the file cannot be
    // read or is not a valid archive. A relative path starts from folder `base`.
    // With keepGoing a record whose offset or ZIP64 field is unusable is set
    // aside in badEntries() instead. codePage is that of the names not
    // marked UTF-8: "" detects it (NameCodec.h).
    explicit ArchiveReader(const std::string &path, int base = AT_FDCWD, bool keepGoing = false,
        const std::string &codePage = {});

    int fd() const { return m_fd.get(); }
    uint64_t fileSize() const { return m_fileSize; }
    const std::vector<Entry> &entries() const { return m_entries; }
    // For a rewrite: member i's record, to be changed into the one written
    // for it, so that a million members need no second list. span(i) no
    // longer applies once it has changed.
    Entry &entryToRewrite(size_t i) { return m_entries.at(i); }
    // Where the central directory starts: member data never reaches past it.
    uint64_t centralStart() const { return m_centralStart; }
    // First byte of the first member (or the directory): what precedes is a prefix.
    uint64_t firstMember() const { return m_firstMember; }
    const std::string &comment() const { return m_comment; }
    // Where the end record starts (the comment follows its 22 bytes).
    uint64_t endRecord() const { return m_endRecord; }
    const std::vector<BadEntry> &badEntries() const { return m_bad; }

    // The data of entry i, after checking its local header and that it does
    // not run into the next member or the directory. Throws ZipFailure.
    MemberSpan span(size_t i) const;

private:
    void readDirectory(bool keepGoing, const std::string &codePage);
    bool readLocal(uint64_t at, std::string &out) const;

    Fd m_fd;
    // Lets the other parts of a split archive go before m_fd closes.
    struct Parts
    {
        int fd = -1;
        ~Parts() { releaseArchiveParts(fd); }
    } m_parts;
    std::string m_path;
    uint64_t m_fileSize = 0;
    uint64_t m_centralStart = 0;
    uint64_t m_firstMember = 0;
    uint64_t m_endRecord = 0;
    std::string m_comment;
    std::vector<Entry> m_entries;
    std::vector<BadEntry> m_bad;
    // For each entry, where the next member (or the directory) begins.
    std::vector<uint64_t> m_limit;
    std::vector<bool> m_sharedStart;
    // Members are mostly read in order: one read brings the local headers of
    // the next small ones too.
    mutable std::mutex m_aheadLock;
    mutable uint64_t m_aheadAt = 0;
    mutable std::string m_ahead;
};

} // namespace amx
