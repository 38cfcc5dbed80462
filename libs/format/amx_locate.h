/*
 * amx_locate.h - where an archive's central directory is, in plain C
 *
 * The one locator of the program: the engine and both libraries reach it
 * through CentralDirectory.h, and the self-extractor stub, a small static
 * C program, calls it directly. It needs no allocation and no libc beyond
 * <stdint.h> and <stddef.h>.
 */
#ifndef AMX_LOCATE_H
#define AMX_LOCATE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Reads exactly n bytes at pos into dst; returns nonzero only when all of
 * them were there. */
typedef int (*amx_read_at)(void *ctx, uint64_t pos, void *dst, size_t n);

enum amx_locate_fault {
    AMX_LOCATE_OK,
    AMX_LOCATE_NO_END_RECORD,
    AMX_LOCATE_MULTI_PART,
    AMX_LOCATE_NO_ZIP64_END, /* a ZIP64 locator whose end record is nowhere */
    AMX_LOCATE_OUT_OF_RANGE, /* the directory's offset or size points outside */
};

struct amx_central_location
{
    enum amx_locate_fault fault;
    uint64_t end_pos; /* the end record */
    uint64_t records_pos; /* where the end records start: the directory stops here */
    uint64_t start; /* the directory's first byte in the file */
    uint64_t size;
    uint64_t stored_offset; /* the directory's offset as the archive gives it */
    uint64_t entries; /* as given (the 16-bit count may have wrapped) */
    uint64_t comment_pos;
    uint64_t comment_length; /* cut at the end of the file */
    int zip64;
    /* The part ("disk") the end record is on, and the one the directory
     * starts on: nonzero only in an archive of several parts, which is
     * reported as AMX_LOCATE_MULTI_PART with the other fields filled in. */
    uint32_t disk;
    uint32_t cd_disk;
};

/*
 * Finds the end record: the last one whose comment fits the file, else the
 * last one at all (a comment said to run past the end is taken as cut short).
 * Then the ZIP64 end record through its locator, or just before the locator
 * when a prefix has shifted it. Only the fields are checked against the file,
 * not the records between them. Bytes put in front of the archive (a
 * self-extractor stub) shift every stored offset by start - stored_offset.
 */
void amx_locate_central(
    amx_read_at read, void *ctx, uint64_t file_size, struct amx_central_location *at);

/* The 32-bit values of a header; those the ZIP64 record replaces. */
struct amx_zip64_values
{
    uint64_t usize;
    uint64_t csize;
    uint64_t offset;
    uint32_t disk;
};

enum {
    AMX_ZIP64_PRESENT = 1, /* the extra field has a well-formed ZIP64 record */
    AMX_ZIP64_MISSING = 2, /* ... which lacks a value the header needs */
    AMX_ZIP64_USED = 4, /* some value came from it */
};

/*
 * Reads the ZIP64 record of an extra field into v and returns AMX_ZIP64_*
 * flags. In a directory record only the saturated values are present, in
 * the order of amx_zip64_values; a local header's record holds both sizes.
 */
int amx_zip64_extra(
    const unsigned char *extra, size_t len, struct amx_zip64_values *v, int local_header);

#ifdef __cplusplus
}
#endif

#endif
