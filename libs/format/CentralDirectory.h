// Finding an archive's central directory from the records at its end, and
// reading the ZIP64 extra field. Every reader of an archive goes through here,
// so they all agree on where the directory is and on the 64-bit values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace amx {

// Reads exactly n bytes at pos; false when they are not all there.
using ReadAt = std::function<bool(uint64_t pos, void *dst, size_t n)>;

// In the order of amx_locate_fault, which the locator's core reports.
enum class LocateFault {
    None,
    NoEndRecord,
    MultiPart,
    NoZip64End, // a ZIP64 locator whose end record is nowhere to be found
    OutOfRange, // the directory's offset or size points outside the file
};

struct CentralLocation
{
    LocateFault fault = LocateFault::None;
    uint64_t endPos = 0; // the end record
    uint64_t recordsPos = 0; // where the end records start: the directory stops here
    uint64_t start = 0; // the directory's first byte in the file
    uint64_t size = 0;
    uint64_t storedOffset = 0; // the directory's offset as the archive gives it
    uint64_t entries = 0; // the count the archive gives (the 16-bit one may have wrapped)
    uint64_t commentPos = 0;
    uint64_t commentLength = 0; // cut at the end of the file
    bool zip64 = false;
    uint32_t disk = 0; // the part the end record is on (MultiPart when not 0)
    uint32_t cdDisk = 0; // the part the directory starts on

    // Bytes in front of the archive (a self-extractor stub) shift every stored offset.
    uint64_t shift() const { return start - storedOffset; }
};

// Finds the end record: the last one whose comment fits the file, else the
// last one at all (a comment said to run past the end is taken as cut short).
// Then the ZIP64 end record through its locator, or just before the locator
// when a prefix has shifted it. Only the fields are checked against the file,
// not the records between them.
CentralLocation locateCentralDirectory(const ReadAt &read, uint64_t fileSize);

// Whether `seen` directory records agree with the count the archive gives:
// old writers wrapped the 16-bit count past 65535 members.
inline bool countMatches(uint64_t seen, uint64_t stated)
{
    return seen >= stated && (seen - stated) % 65536 == 0;
}

// The 32-bit values of a header; those the ZIP64 record replaces.
struct Zip64Values
{
    uint64_t usize = 0;
    uint64_t csize = 0;
    uint64_t offset = 0;
    uint32_t disk = 0;
};

struct Zip64Read
{
    bool present = false; // the extra field has a well-formed ZIP64 record
    bool missing = false; // ... which lacks a value the header needs
    bool used = false; // some value came from it
};

// In a directory record only the saturated values are present, in the order
// of Zip64Values; a local header's record holds both sizes, always.
Zip64Read readZip64Extra(std::string_view extra, Zip64Values &v, bool localHeader);

} // namespace amx
