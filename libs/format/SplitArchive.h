// Archives in parts, read as one: a ZIP file cut into name.zip.001, .002, ...
// (bytes only), and a spanned one, name.z01, .z02, ..., name.zip, whose
// records give each offset on its own part ("disk"). Any part opens the whole
// set behind the first part's descriptor; reads through readArchiveAt cross
// the parts as if they were one file. A plain file reads as itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace amx {

struct SplitParts
{
    std::vector<std::string> paths; // in order; empty when the path is no part of a set
    bool spanned = false; // name.z01 ... name.zip: offsets per part
};

// The set that path (relative to folder base) belongs to, by its name and the
// files beside it; the parts named need not all be there.
SplitParts splitPartsOf(int base, const std::string &path);

// Whether path is a part of a set: such archives are only read.
inline bool isSplitArchive(int base, const std::string &path)
{
    return !splitPartsOf(base, path).paths.empty();
}

// Opens path for reading, a set as a whole. -1 with errno when a file cannot
// be opened; a part of the set that is not there sets errno to ENOENT and
// names itself in missing.
int openArchiveRead(int base, const std::string &path, int flags, std::string *missing = nullptr);
// Ends what openArchiveRead began and closes the descriptor.
void closeArchiveRead(int fd);
// The same, but leaves the descriptor itself to its owner.
void releaseArchiveParts(int fd);

// The set's size, or the file's; false when fstat fails.
bool archiveReadSize(int fd, uint64_t &size);
// A pread over the set (or the file): fewer bytes only at its end.
ssize_t readArchiveAt(int fd, void *buf, size_t n, uint64_t pos);

// Whether fd reads a spanned set, whose offsets belong to their parts.
bool isSpannedSet(int fd);
// Where offset on part number disk lies in the whole set; false when the set
// has no such part. A plain file has only part 0.
bool diskPosition(int fd, uint32_t disk, uint64_t offset, uint64_t &pos);

} // namespace amx
