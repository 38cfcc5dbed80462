/*
 * AmxBlocks.h - the binary interface between the program and its two
 * compression libraries (libamxzip: add/delete, libamxunz: extract).
 *
 * Both sides include this header. The blocks are passed by address to the
 * libraries' Exec entry points; the libraries report back through the
 * callback stored in the block, on the calling thread, inside the Exec call.
 *
 * Value and flag fields are 32-bit; flags hold -1 for true and 0 for false.
 * Address fields are native pointers, so on a 32-bit build the layout is the
 * historic one (16520 and 16464 bytes) and on 64-bit each address field is
 * pointer-wide in the same order. The static_asserts at the end pin it.
 */
#ifndef AMX_BLOCKS_H
#define AMX_BLOCKS_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define AMX_STDCALL __stdcall
#else
#define AMX_STDCALL
#endif

#if defined(_WIN32)
#define AMX_EXPORT __declspec(dllexport)
#else
#define AMX_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define AMX_MAX_SPECS 4097
#define AMX_CB_TEXT_SIZE 8192

/* Action codes of the callback record. */
enum {
    AMX_ACTION_NEW_FILE = 1, /* text: member or file name, fileSize/fileSizeHigh: its size */
    AMX_ACTION_STEP = 2, /* 32 KiB of data processed */
    AMX_ACTION_END = 3, /* the current file is done */
    AMX_ACTION_MESSAGE = 4, /* text: one line, errorCode: 0 for information */
    /* Another program is writing the archive and this call waits for it to
     * finish; repeated every tenth of a second or so while it waits. text: the
     * archive's name. Answering -1 stops waiting (and the call, which then
     * leaves the archive unchanged). */
    AMX_ACTION_WAIT = 6
};

/*
 * The record a library passes to the callback. The program reads caller,
 * action, errorCode, fileSize and text. fileSizeHigh carries the upper 32 bits
 * of the file size, so that members over 2 GiB report their real size.
 */
typedef struct AmxCallbackRecord
{
    int32_t reserved0;
    void *caller; /* the caller field of the parameter block, handed back */
    int32_t reserved8;
    int32_t fileSizeHigh;
    int32_t action;
    int32_t errorCode;
    int32_t fileSize; /* lower 32 bits */
    char text[AMX_CB_TEXT_SIZE]; /* NUL-terminated */
} AmxCallbackRecord;

/* Returns -1 to ask the library to stop at once, 0 to go on. */
typedef int32_t(AMX_STDCALL *AmxCallback)(AmxCallbackRecord *record);

/* Parameter block of AmxZipExec (add and delete). */
typedef struct AmxZipParams
{
    int32_t first; /* 0 */
    void *caller;
    int32_t const120; /* 120 */
    AmxCallback callback;
    int32_t traceFlag;
    int32_t reserved20;
    int32_t reserved24;
    int32_t reserved28;
    int32_t hiddenFilesFlag;
    int32_t reserved36;
    int32_t reserved40;
    int32_t alwaysTrue44; /* -1 */
    int32_t reserved48;
    int32_t verboseFlag;
    int32_t alwaysTrue56; /* -1 */
    int32_t compLevel; /* 0 stores, 1..9 deflate */
    int32_t reserved64;
    int32_t reserved68;
    int32_t discardDirNamesFlag;
    int32_t recurseFlag;
    int32_t notDeleteFlag; /* -1, 0 for delete */
    int32_t forceDosFlag;
    int32_t moveFlag;
    int32_t deleteFlag;
    int32_t updateFlag;
    int32_t freshenFlag;
    int32_t reserved104;
    int32_t archiveTimeFlag;
    int32_t reserved112;
    int32_t reserved116;
    int32_t specCount;
    char *archiveName;
    int32_t const7; /* 7 */
    char *specs[AMX_MAX_SPECS];
} AmxZipParams;

/* Parameter block of AmxUnzExec (extract). */
typedef struct AmxUnzParams
{
    int32_t first; /* 0 */
    void *caller;
    int32_t const120; /* 120 */
    AmxCallback callback;
    int32_t traceFlag;
    int32_t reserved20;
    int32_t reserved24;
    int32_t reserved28;
    int32_t reserved32;
    int32_t reserved36;
    int32_t alwaysTrue40; /* -1 */
    int32_t verboseFlag;
    int32_t updateFlag;
    int32_t freshenFlag;
    int32_t dirNamesFlag;
    int32_t overwriteFlag;
    int32_t specCount;
    char *archiveName;
    int32_t const7; /* 7 */
    char *specs[AMX_MAX_SPECS];
} AmxUnzParams;

/*
 * Entry points. Exec returns the number of files processed successfully
 * (added/replaced, removed, or extracted and verified); 0 when cancelled.
 * The block and its strings belong to the caller and are only read.
 */
typedef int32_t(AMX_STDCALL *AmxZipExecFn)(AmxZipParams *params);
typedef int32_t(AMX_STDCALL *AmxUnzExecFn)(AmxUnzParams *params);
typedef int32_t(AMX_STDCALL *AmxVersionFn)(void);

#define AMX_ZIP_EXEC_NAME "AmxZipExec"
#define AMX_ZIP_VERSION_NAME "GetAmxZipVersion"
#define AMX_UNZ_EXEC_NAME "AmxUnzExec"
#define AMX_UNZ_VERSION_NAME "GetAmxUnzVersion"
/* Optional: takes the extraction block, inflates and checks the selected
 * members, writes nothing; returns the members found sound. */
#define AMX_UNZ_TEST_NAME "AmxUnzTest"

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus)
#include <cstddef>
#define AMX_OFFSETOF(t, f) offsetof(t, f)
#define AMX_STATIC_ASSERT(c, m) static_assert(c, m)
#else
#include <stddef.h>
#define AMX_OFFSETOF(t, f) offsetof(t, f)
#define AMX_STATIC_ASSERT(c, m) _Static_assert(c, m)
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
AMX_STATIC_ASSERT(sizeof(AmxZipParams) == 16520, "compression block size");
AMX_STATIC_ASSERT(sizeof(AmxUnzParams) == 16464, "decompression block size");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxCallbackRecord, text) == 28, "callback text offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxCallbackRecord, action) == 16, "callback action offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxCallbackRecord, fileSize) == 24, "callback size offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, callback) == 12, "zip callback offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, hiddenFilesFlag) == 32, "zip hidden offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, verboseFlag) == 52, "zip verbose offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, compLevel) == 60, "zip level offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, discardDirNamesFlag) == 72, "zip dirnames offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, notDeleteFlag) == 80, "zip field 80 offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, deleteFlag) == 92, "zip delete offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, freshenFlag) == 100, "zip freshen offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, archiveTimeFlag) == 108, "zip archive time offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, specCount) == 120, "zip count offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, archiveName) == 124, "zip name offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, const7) == 128, "zip const 7 offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxZipParams, specs) == 132, "zip specs offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxUnzParams, alwaysTrue40) == 40, "unz field 40 offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxUnzParams, verboseFlag) == 44, "unz verbose offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxUnzParams, overwriteFlag) == 60, "unz overwrite offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxUnzParams, specCount) == 64, "unz count offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxUnzParams, archiveName) == 68, "unz name offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxUnzParams, specs) == 76, "unz specs offset");
#endif

#endif /* AMX_BLOCKS_H */
