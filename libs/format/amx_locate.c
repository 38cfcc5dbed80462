#include "amx_locate.h"

#define SIG_END 0x06054b50u
#define SIG_END64 0x06064b50u
#define SIG_LOCATOR64 0x07064b50u
#define END_SIZE 22u
#define END64_SIZE 56u
#define LOCATOR64_SIZE 20u
#define MAX_COMMENT 0xffffu
#define NONE UINT64_MAX

static uint16_t get16(const unsigned char *p)
{
    return (uint16_t)(p[0] | (p[1] << 8));
}

static uint32_t get32(const unsigned char *p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static uint64_t get64(const unsigned char *p)
{
    return get32(p) | ((uint64_t)get32(p + 4) << 32);
}

/* The offset of the end record, or NONE. The tail is scanned backwards in
 * windows that overlap by a record, so no allocation is needed. */
static uint64_t find_end_record(amx_read_at read, void *ctx, uint64_t file_size)
{
    unsigned char buf[4096];
    const size_t step = sizeof buf - END_SIZE;
    uint64_t lowest, next, overlong = NONE;

    if (file_size < END_SIZE)
        return NONE;
    lowest = file_size - END_SIZE > MAX_COMMENT ? file_size - END_SIZE - MAX_COMMENT : 0;
    /* Candidates lie in [lowest, next]; each window holds whole records. */
    next = file_size - END_SIZE;
    for (;;) {
        const uint64_t first = next - lowest >= step ? next - step + 1 : lowest;
        const size_t len = (size_t)(next - first) + END_SIZE;
        size_t i;
        if (!read(ctx, first, buf, len))
            return NONE;
        for (i = len - END_SIZE + 1; i-- > 0;) {
            const unsigned char *p = buf + i;
            if (get32(p) != SIG_END)
                continue;
            if (first + i + END_SIZE + get16(p + 20) <= file_size)
                return first + i;
            if (overlong == NONE)
                overlong = first + i;
        }
        if (first == lowest)
            return overlong;
        next = first - 1;
    }
}

void amx_locate_central(
    amx_read_at read, void *ctx, uint64_t file_size, struct amx_central_location *at)
{
    unsigned char end[END_SIZE];
    unsigned char locator[LOCATOR64_SIZE];
    int multi;

    *at = (struct amx_central_location) { AMX_LOCATE_OK, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    at->end_pos = find_end_record(read, ctx, file_size);
    if (at->end_pos == NONE || !read(ctx, at->end_pos, end, END_SIZE)) {
        at->end_pos = file_size;
        at->fault = AMX_LOCATE_NO_END_RECORD;
        return;
    }
    at->comment_pos = at->end_pos + END_SIZE;
    at->comment_length = get16(end + 20);
    if (at->comment_length > file_size - at->comment_pos)
        at->comment_length = file_size - at->comment_pos;
    at->disk = get16(end + 4);
    at->cd_disk = get16(end + 6);
    multi = at->disk != 0 && at->disk != 0xffff;
    at->entries = get16(end + 10);
    at->size = get32(end + 12);
    at->stored_offset = get32(end + 16);
    at->records_pos = at->end_pos;

    if (at->end_pos >= LOCATOR64_SIZE
        && read(ctx, at->end_pos - LOCATOR64_SIZE, locator, LOCATOR64_SIZE)
        && get32(locator) == SIG_LOCATOR64) {
        /* The record lies before its locator: where the locator says, or,
         * when a prefix was added after writing, right before the locator. */
        const uint64_t latest = at->end_pos >= LOCATOR64_SIZE + END64_SIZE
            ? at->end_pos - LOCATOR64_SIZE - END64_SIZE
            : NONE;
        const uint64_t candidates[2] = { get64(locator + 8), latest };
        unsigned char z[END64_SIZE];
        uint64_t found = NONE;
        int k;
        for (k = 0; k < 2 && latest != NONE; ++k) {
            if (candidates[k] <= latest && read(ctx, candidates[k], z, END64_SIZE)
                && get32(z) == SIG_END64) {
                found = candidates[k];
                break;
            }
        }
        if (found == NONE) {
            at->fault = multi ? AMX_LOCATE_MULTI_PART : AMX_LOCATE_NO_ZIP64_END;
            return;
        }
        at->zip64 = 1;
        at->disk = get32(z + 16);
        at->cd_disk = get32(z + 20);
        multi = multi || at->disk != 0;
        at->entries = get64(z + 32);
        at->size = get64(z + 40);
        at->stored_offset = get64(z + 48);
        at->records_pos = found;
    }
    if (at->size > at->records_pos || at->stored_offset > at->records_pos - at->size) {
        at->fault = multi ? AMX_LOCATE_MULTI_PART : AMX_LOCATE_OUT_OF_RANGE;
        return;
    }
    at->start = at->records_pos - at->size;
    if (multi)
        at->fault = AMX_LOCATE_MULTI_PART;
}

int amx_zip64_extra(
    const unsigned char *extra, size_t len, struct amx_zip64_values *v, int local_header)
{
    const unsigned char *data = 0;
    size_t pos = 0, size = 0, at = 0;
    int flags = 0;

    while (pos + 4 <= len) {
        const uint16_t tag = get16(extra + pos), n = get16(extra + pos + 2);
        if (n > len - pos - 4)
            return 0;
        if (tag == 0x0001) {
            data = extra + pos + 4;
            size = n;
            break;
        }
        pos += 4 + (size_t)n;
    }
    if (!data)
        return 0;
    flags = AMX_ZIP64_PRESENT;
#define TAKE(field, needed)                                                                        \
    if (needed) {                                                                                  \
        if (at + 8 > size)                                                                         \
            flags |= AMX_ZIP64_MISSING;                                                            \
        else {                                                                                     \
            v->field = get64(data + at);                                                           \
            at += 8;                                                                               \
            flags |= AMX_ZIP64_USED;                                                               \
        }                                                                                          \
    }
    TAKE(usize, local_header || v->usize == 0xffffffffu)
    TAKE(csize, local_header || v->csize == 0xffffffffu)
    if (local_header)
        return flags;
    TAKE(offset, v->offset == 0xffffffffu)
#undef TAKE
    if (v->disk == 0xffff && at + 4 <= size)
        v->disk = get32(data + at);
    return flags;
}
