/*
 * AmxRequest.h - the request interface of the two compression libraries,
 * version 1: one entry point per library (AmxZipRun1 in libamxzip: add,
 * delete; AmxUnzRun1 in libamxunz: extract, test), one request structure and
 * one callback. The parameter blocks of AmxBlocks.h remain for callers of
 * the older entry points, which run through this one.
 *
 * Growth: AmxRequest, AmxEvent and AmxResult begin with their size as the
 * side that fills them knows it. A library reads a shorter request as one of
 * an older caller (the fields it lacks count as zero) as long as it covers
 * AMX_REQUEST_MIN_SIZE, and a longer one only when every byte past the
 * fields it knows is zero; an unknown operation, flag bit or name match is
 * refused as well, so that nothing a newer caller asks for is silently
 * left out. A caller reads of an event only what event->size covers, and a
 * library fills of a result only what result->size covers.
 *
 * The callback runs on the thread that called the entry point, inside the
 * call. Everything the request points to belongs to the caller and is only
 * read, until the call returns.
 */
#ifndef AMX_REQUEST_H
#define AMX_REQUEST_H

#include "AmxBlocks.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Operations. Each library refuses those of the other (AMX_RUN_UNSUPPORTED). */
enum {
    AMX_OP_ADD = 1, /* libamxzip: names are files and folders below the folder */
    AMX_OP_DELETE = 2, /* libamxzip: names are members */
    AMX_OP_EXTRACT = 3, /* libamxunz: members written below the folder */
    AMX_OP_TEST = 4, /* libamxunz: members inflated and checked, nothing written */
    /* libamxzip: names come in pairs, a member's name and its new one (both
     * AMX_NAME_EXACT). A name that is no file member, or ends in '/', is a
     * folder: every member under it moves under the new folder name. The
     * new names are checked all together (not empty, not absolute, no ".."
     * part, no control line breaks, none that another member keeps or that
     * two members would share); one refused leaves the archive unchanged. */
    AMX_OP_RENAME = 5,
    /* libamxzip: the archive comment becomes comment/commentSize (at most
     * 65535 bytes; 0 removes it); only the end record is rewritten. */
    AMX_OP_COMMENT = 6
};

/* The folder field's value for the process's current folder, opened once
 * when the call starts (so that a later change of it redirects nothing). */
#define AMX_CURRENT_FOLDER (-100)

/* How a name selects (AmxName.match). */
enum {
    AMX_NAME_EXACT = 0, /* this name and nothing else: no character is special */
    AMX_NAME_PATTERN = 1 /* '*' and '?' are wildcards, a backslash escapes (Wildcard.h) */
};

typedef struct AmxName
{
    const char *text; /* NUL-terminated; an empty name matches nothing */
    int32_t match; /* AMX_NAME_EXACT or AMX_NAME_PATTERN */
    int32_t reserved; /* 0 */
} AmxName;

/* Option bits of AmxRequest.flags; each operation ignores the bits that do
 * not concern it. */
enum {
    AMX_FLAG_VERBOSE = 1 << 0, /* a message for every member, not only problems */
    AMX_FLAG_UPDATE = 1 << 1, /* add, extract: new files, and those newer than their copy */
    AMX_FLAG_FRESHEN = 1 << 2, /* add, extract: only files newer than their copy; not with UPDATE */
    AMX_FLAG_DIR_NAMES = 1 << 3, /* add: store folder names; extract: write them */
    AMX_FLAG_OVERWRITE = 1 << 4, /* extract: replace existing files */
    AMX_FLAG_RECURSE = 1 << 5, /* add: a folder with everything below it */
    AMX_FLAG_HIDDEN = 1 << 6, /* add: hidden files too */
    AMX_FLAG_DOS_NAMES = 1 << 7, /* add: names in 8.3 upper case */
    AMX_FLAG_MOVE = 1 << 8, /* add: delete the files once the new archive is in place */
    AMX_FLAG_ARCHIVE_TIME = 1 << 9 /* add: the archive takes its newest member's time */
};
#define AMX_FLAGS_KNOWN 0x3ffu

/* The codes of messages (AmxEvent.errorCode, AmxCallbackRecord.errorCode). */
enum {
    AMX_ERROR_NONE = 0, /* information */
    AMX_ERROR_NOT_MATCHED = 1,
    AMX_ERROR_NOT_READABLE = 2,
    AMX_ERROR_ARCHIVE_OPEN = 3,
    AMX_ERROR_NOT_ZIP = 4,
    AMX_ERROR_CORRUPT = 5,
    AMX_ERROR_TRUNCATED = 6,
    AMX_ERROR_BAD_CRC = 7,
    AMX_ERROR_BAD_SIZE = 8,
    AMX_ERROR_UNSUPPORTED = 9,
    AMX_ERROR_ENCRYPTED = 10,
    AMX_ERROR_UNSAFE_PATH = 11,
    AMX_ERROR_UNSAFE_LINK = 12,
    AMX_ERROR_EXISTS = 13,
    AMX_ERROR_WRITE_FAILED = 14,
    AMX_ERROR_CREATE_FAILED = 15,
    AMX_ERROR_OVERLAP = 16,
    AMX_ERROR_CANCELLED = 17,
    AMX_ERROR_LINK_LOOP = 18,
    AMX_ERROR_NOTHING_TO_DO = 19,
    AMX_ERROR_HIDDEN_SKIPPED = 20,
    AMX_ERROR_REPLACE_FAILED = 21,
    AMX_ERROR_BAD_DATA = 22,
    AMX_ERROR_INTERNAL = 23,
    AMX_ERROR_NOT_REGULAR = 24,
    AMX_ERROR_READ_ONLY = 25,
    AMX_ERROR_WRONG_PASSWORD = 26, /* no answer given fits, or the data disagree with it */
    AMX_ERROR_UNAUTHENTIC = 27, /* an AES member's authentication code does not fit its data */
    AMX_ERROR_REFUSED = 28 /* a new name or comment that cannot be written */
};

/* What a message means for the operation (AmxEvent.kind). */
enum {
    AMX_KIND_INFO = 0, /* nothing went wrong */
    AMX_KIND_SKIPPED = 1, /* a member or file left alone on purpose (it exists, it is hidden) */
    AMX_KIND_FAILED = 2 /* a member, a file or the whole call failed */
};

/* The one rule that sorts the codes into kinds. */
static inline int32_t amxErrorKind(int32_t code)
{
    switch (code) {
    case AMX_ERROR_NONE:
    case AMX_ERROR_CANCELLED:
    case AMX_ERROR_NOTHING_TO_DO:
        return AMX_KIND_INFO;
    case AMX_ERROR_EXISTS:
    case AMX_ERROR_HIDDEN_SKIPPED:
        return AMX_KIND_SKIPPED;
    default:
        return AMX_KIND_FAILED;
    }
}

/* Actions of an event: AMX_ACTION_NEW_FILE, _STEP, _END, _MESSAGE and _WAIT
 * as in the callback record of AmxBlocks.h, the total of an add, and
 * questions: */
enum {
    /* Add: fileSize is the bytes of the files found to add so far. Sent
     * while the files are looked for (answering AMX_STOP ends the call, the
     * archive unchanged), and once more, with the bytes of the files that
     * will be written, before the first new file; not sent when nothing is
     * to be added. The callback of the parameter blocks never sees it. */
    AMX_ACTION_TOTAL = 5,
    /* A password. Extract and test ask it for the encrypted member named in
     * text when none of the passwords answered so far in this call opens it
     * (they are kept for the members after it until the call returns);
     * attempt is 0, then 1, 2, ... while the answers for that member prove
     * wrong. Add asks it once, before anything is written, with the archive
     * in text, when the request asks for encryption. The replies:
     *   AMX_ANSWERED  the password is in answer, NUL-terminated (at most
     *                 answerSize bytes with the NUL); "" is a password too;
     *   AMX_ANSWERED_ONCE  extract, test: the same, for this member only: it
     *                 is not kept, and the next member asks again;
     *   AMX_GO_ON     extract, test: none for this member, which is skipped
     *                 (AMX_ERROR_ENCRYPTED, or AMX_ERROR_WRONG_PASSWORD after
     *                 a wrong one); the next member that needs one asks again;
     *   AMX_STOP      extract, test: none for any member: this one and every
     *                 later one that needs a password are skipped without a
     *                 question, the members without encryption go on.
     * Add without AMX_ANSWERED ends as cancelled, the archive unchanged.
     * The library wipes answer once it has read it; the caller wipes its own
     * copies. Callers of the parameter blocks are never asked. */
    AMX_ACTION_PASSWORD = 7
};

/* The encryption of the members an add writes (AmxRequest.encryption). */
enum {
    AMX_ENCRYPT_NONE = 0,
    AMX_ENCRYPT_AES256 = 1, /* WinZip AES with a 256-bit key */
    AMX_ENCRYPT_ZIPCRYPTO = 2 /* the traditional PKWARE cipher: weak, for old tools only */
};

/* The size of the buffer a password question offers for its answer. */
#define AMX_PASSWORD_ANSWER_SIZE 1024

typedef struct AmxEvent
{
    uint32_t size; /* sizeof(AmxEvent) as the library knows it */
    int32_t action; /* AMX_ACTION_* */
    int32_t errorCode; /* message: AMX_ERROR_* */
    int32_t kind; /* message: AMX_KIND_* */
    uint64_t fileSize; /* new file: its size */
    /* Never NULL: the name (new file), the line (message), the archive
     * (wait), the member (question); "" otherwise. */
    const char *text;
    /* Message: the member or file it is about, "" when it is about the call. */
    const char *subject;
    char *answer; /* question: the buffer for the answer; NULL otherwise */
    uint32_t answerSize;
    int32_t attempt; /* question: 0, then one more after each wrong answer */
} AmxEvent;

/* Answers of the callback. */
#define AMX_GO_ON 0
#define AMX_STOP (-1) /* stop at once; the archive stays as it was */
#define AMX_ANSWERED 1 /* a question answered in event->answer */
#define AMX_ANSWERED_ONCE 2 /* a password answered for the member asked about only */

typedef int32_t(AMX_STDCALL *AmxEventCallback)(void *context, AmxEvent *event);

typedef struct AmxRequest
{
    uint32_t size; /* sizeof(AmxRequest) as the caller knows it */
    int32_t operation; /* AMX_OP_* */
    /* An open descriptor of the folder that every relative path resolves
     * against: the archive, the files to add, where members are written.
     * Not closed by the library. Or AMX_CURRENT_FOLDER. */
    int32_t folder;
    uint32_t flags; /* AMX_FLAG_* */
    int32_t level; /* add: 0 stores, 1 to 9 deflate */
    /* No names: every member for extract and test; nothing to do for add
     * and delete. */
    uint32_t nameCount;
    const char *archive;
    const AmxName *names;
    AmxEventCallback callback; /* may be NULL */
    void *context; /* handed back to the callback */
    /* The code page of names not marked UTF-8: NULL or "" detects it from
     * all the archive's names, "UTF-8" or an iconv name chooses it. The
     * names are matched and written (extraction) decoded this way. */
    const char *nameCodePage;
    /* Add: AMX_ENCRYPT_*; the password is asked through the callback
     * (AMX_ACTION_PASSWORD), so a request for encryption needs one. Members
     * copied from the archive keep their own encryption. Ignored by the
     * other operations. A library older than this field refuses a request
     * that sets it. */
    int32_t encryption;
    uint32_t reserved; /* 0 */
    /* Comment: the new archive comment, commentSize bytes (any bytes). Zero
     * for the other operations. A library older than these fields refuses
     * a request that sets them. */
    const char *comment;
    uint32_t commentSize;
    uint32_t reserved2; /* 0 */
} AmxRequest;

/* A request must reach at least this far; the fields after it may be left out. */
#define AMX_REQUEST_MIN_SIZE (AMX_OFFSETOF(AmxRequest, context) + sizeof(void *))

typedef struct AmxResult
{
    uint32_t size; /* sizeof(AmxResult) as the caller knows it */
    int32_t error; /* the AMX_ERROR_* that ended the whole call early, or 0 */
    int32_t done; /* members added or replaced, removed, extracted, or found sound */
    int32_t failed; /* messages of kind AMX_KIND_FAILED */
    int32_t skipped; /* messages of kind AMX_KIND_SKIPPED */
    int32_t cancelled; /* 1 when the callback asked to stop */
} AmxResult;

/* What the entry points return. */
enum {
    AMX_RUN_DONE = 0, /* the request was carried out as far as it could be: see the result */
    AMX_RUN_INVALID = -1, /* the request is not understood (size, flags, names); nothing done */
    AMX_RUN_UNSUPPORTED = -2 /* the operation is not this library's; nothing done */
};

/* result may be NULL. */
typedef int32_t(AMX_STDCALL *AmxRunFn)(const AmxRequest *request, AmxResult *result);

#define AMX_ZIP_RUN_NAME "AmxZipRun1"
#define AMX_UNZ_RUN_NAME "AmxUnzRun1"
/* libamxarc: extract and test for the archives that are not ZIP, read by libarchive. */
#define AMX_ARC_RUN_NAME "AmxArcRun1"
#define AMX_ARC_VERSION_NAME "GetAmxArcVersion"

#ifdef __cplusplus
}
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
AMX_STATIC_ASSERT(sizeof(AmxName) == 12, "name size");
AMX_STATIC_ASSERT(sizeof(AmxRequest) == 64, "request size");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, nameCount) == 20, "request count offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, archive) == 24, "request archive offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, callback) == 32, "request callback offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, nameCodePage) == 40, "request code page offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, encryption) == 44, "request encryption offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, comment) == 52, "request comment offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, commentSize) == 56, "request comment size offset");
AMX_STATIC_ASSERT(sizeof(AmxEvent) == 44, "event size");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxEvent, fileSize) == 16, "event size offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxEvent, text) == 24, "event text offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxEvent, answer) == 32, "event answer offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxEvent, attempt) == 40, "event attempt offset");
#elif UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
AMX_STATIC_ASSERT(sizeof(AmxName) == 16, "name size");
AMX_STATIC_ASSERT(sizeof(AmxRequest) == 88, "request size");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, archive) == 24, "request archive offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, callback) == 40, "request callback offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, nameCodePage) == 56, "request code page offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, encryption) == 64, "request encryption offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, comment) == 72, "request comment offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxRequest, commentSize) == 80, "request comment size offset");
AMX_STATIC_ASSERT(sizeof(AmxEvent) == 56, "event size");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxEvent, text) == 24, "event text offset");
AMX_STATIC_ASSERT(AMX_OFFSETOF(AmxEvent, attempt) == 52, "event attempt offset");
#endif
AMX_STATIC_ASSERT(sizeof(AmxResult) == 24, "result size");

#endif /* AMX_REQUEST_H */
