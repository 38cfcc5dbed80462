#include "CentralDirectory.h"

#include "amx_locate.h"

namespace amx {

static_assert(int(LocateFault::None) == AMX_LOCATE_OK
    && int(LocateFault::OutOfRange) == AMX_LOCATE_OUT_OF_RANGE);

namespace {

int readThrough(void *ctx, uint64_t pos, void *dst, size_t n)
{
    return (*static_cast<const ReadAt *>(ctx))(pos, dst, n) ? 1 : 0;
}

} // namespace

CentralLocation locateCentralDirectory(const ReadAt &read, uint64_t fileSize)
{
    amx_central_location c;
    amx_locate_central(readThrough, const_cast<ReadAt *>(&read), fileSize, &c);
    CentralLocation at;
    at.fault = static_cast<LocateFault>(c.fault);
    at.endPos = c.end_pos;
    at.recordsPos = c.records_pos;
    at.start = c.start;
    at.size = c.size;
    at.storedOffset = c.stored_offset;
    at.entries = c.entries;
    at.commentPos = c.comment_pos;
    at.commentLength = c.comment_length;
    at.zip64 = c.zip64 != 0;
    at.disk = c.disk;
    at.cdDisk = c.cd_disk;
    return at;
}

Zip64Read readZip64Extra(std::string_view extra, Zip64Values &v, bool localHeader)
{
    amx_zip64_values c { v.usize, v.csize, v.offset, v.disk };
    const int flags = amx_zip64_extra(reinterpret_cast<const unsigned char *>(extra.data()),
        extra.size(), &c, localHeader ? 1 : 0);
    v = Zip64Values { c.usize, c.csize, c.offset, c.disk };
    return Zip64Read { (flags & AMX_ZIP64_PRESENT) != 0, (flags & AMX_ZIP64_MISSING) != 0,
        (flags & AMX_ZIP64_USED) != 0 };
}

} // namespace amx
