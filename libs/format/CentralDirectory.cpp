#include "CentralDirectory.h"

#include "ZipFormat.h"

#include <algorithm>
#include <vector>

namespace amx {

namespace {

constexpr uint64_t maxComment = 0xffff;

// The offset of the end record in the file, or fileSize when there is none.
uint64_t findEndRecord(const ReadAt &read, uint64_t fileSize)
{
    if (fileSize < endSize)
        return fileSize;
    const uint64_t tailLen = std::min<uint64_t>(fileSize, endSize + maxComment);
    const uint64_t tailPos = fileSize - tailLen;
    std::vector<unsigned char> tail(tailLen);
    if (!read(tailPos, tail.data(), tailLen))
        return fileSize;
    uint64_t overlong = fileSize;
    for (uint64_t i = tailLen - endSize + 1; i-- > 0;) {
        const unsigned char *p = tail.data() + i;
        if (get32(p) != sigEnd)
            continue;
        if (i + endSize + get16(p + 20) <= tailLen)
            return tailPos + i;
        if (overlong == fileSize)
            overlong = tailPos + i;
    }
    return overlong;
}

} // namespace

CentralLocation locateCentralDirectory(const ReadAt &read, uint64_t fileSize)
{
    CentralLocation at;
    at.endPos = findEndRecord(read, fileSize);
    unsigned char end[endSize];
    if (at.endPos == fileSize || !read(at.endPos, end, endSize)) {
        at.fault = LocateFault::NoEndRecord;
        return at;
    }
    at.commentPos = at.endPos + endSize;
    at.commentLength = std::min<uint64_t>(get16(end + 20), fileSize - at.commentPos);
    const uint16_t disk = get16(end + 4);
    if (disk != 0 && disk != 0xffff) {
        at.fault = LocateFault::MultiPart;
        return at;
    }
    at.entries = get16(end + 10);
    at.size = get32(end + 12);
    at.storedOffset = get32(end + 16);
    at.recordsPos = at.endPos;

    unsigned char locator[locator64Size];
    if (at.endPos >= locator64Size && read(at.endPos - locator64Size, locator, locator64Size)
        && get32(locator) == sigLocator64) {
        // The record must lie before its locator. Where the locator says, or,
        // when a prefix was added after writing, right before the locator.
        const uint64_t latest = at.endPos >= locator64Size + end64Size
            ? at.endPos - locator64Size - end64Size
            : UINT64_MAX;
        unsigned char z[end64Size];
        uint64_t found = UINT64_MAX;
        for (uint64_t candidate : { get64(locator + 8), latest }) {
            if (latest != UINT64_MAX && candidate <= latest && read(candidate, z, end64Size)
                && get32(z) == sigEnd64) {
                found = candidate;
                break;
            }
        }
        if (found == UINT64_MAX) {
            at.fault = LocateFault::NoZip64End;
            return at;
        }
        at.zip64 = true;
        at.entries = get64(z + 32);
        at.size = get64(z + 40);
        at.storedOffset = get64(z + 48);
        at.recordsPos = found;
    }
    if (at.size > at.recordsPos || at.storedOffset > at.recordsPos - at.size) {
        at.fault = LocateFault::OutOfRange;
        return at;
    }
    at.start = at.recordsPos - at.size;
    return at;
}

Zip64Read readZip64Extra(std::string_view extra, Zip64Values &v, bool localHeader)
{
    Zip64Read r;
    std::string_view data;
    if (!findExtra(extra, extraZip64, data))
        return r;
    r.present = true;
    auto p = reinterpret_cast<const unsigned char *>(data.data());
    size_t at = 0;
    auto take = [&](uint64_t &value, bool needed) {
        if (!needed)
            return;
        if (at + 8 > data.size()) {
            r.missing = true;
            return;
        }
        value = get64(p + at);
        at += 8;
        r.used = true;
    };
    take(v.usize, localHeader || v.usize == 0xffffffffu);
    take(v.csize, localHeader || v.csize == 0xffffffffu);
    if (localHeader)
        return r;
    take(v.offset, v.offset == 0xffffffffu);
    if (v.disk == 0xffff && at + 4 <= data.size())
        v.disk = get32(p + at);
    return r;
}

} // namespace amx
