#include "Request.h"

#include "FileUtil.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace amx {

bool readRequest(const AmxRequest *given, AmxRequest &out)
{
    if (!given || given->size < AMX_REQUEST_MIN_SIZE)
        return false;
    out = {};
    const size_t known = sizeof out;
    std::memcpy(&out, given, std::min<size_t>(given->size, known));
    // A newer caller's fields must all be unused: this version would leave
    // out whatever they ask for.
    const auto *bytes = reinterpret_cast<const unsigned char *>(given);
    for (size_t i = known; i < given->size; ++i)
        if (bytes[i] != 0)
            return false;
    out.size = uint32_t(known);
    if (out.flags & ~AMX_FLAGS_KNOWN)
        return false;
    if (out.nameCount > 0 && !out.names)
        return false;
    if (out.encryption < AMX_ENCRYPT_NONE || out.encryption > AMX_ENCRYPT_ZIPCRYPTO
        || out.reserved != 0 || out.reserved2 != 0)
        return false;
    if (out.operation == AMX_OP_COMMENT ? (out.commentSize > 0 && !out.comment)
                                        : (out.comment || out.commentSize))
        return false;
    // Renames come in pairs of exact names.
    if (out.operation == AMX_OP_RENAME) {
        if (out.nameCount % 2 != 0)
            return false;
        for (uint32_t i = 0; i < out.nameCount; ++i)
            if (out.names[i].match != AMX_NAME_EXACT || !out.names[i].text)
                return false;
    }
    for (uint32_t i = 0; i < out.nameCount; ++i)
        if ((out.names[i].match != AMX_NAME_EXACT && out.names[i].match != AMX_NAME_PATTERN)
            || out.names[i].reserved != 0)
            return false;
    return true;
}

namespace {

// The request's folder for the call: the caller's descriptor, checked, or
// the current folder opened once.
int openBase(const AmxRequest &r, Fd &owned)
{
    if (r.folder == AMX_CURRENT_FOLDER) {
        owned = openCurrentFolder();
        return owned.get();
    }
    struct stat st
    {
    };
    if (::fstat(r.folder, &st) != 0)
        throw ZipFailure(ZipError::NotReadable, "the request's folder (" + errnoText(errno) + ")");
    if (!S_ISDIR(st.st_mode))
        throw ZipFailure(ZipError::NotReadable, "the request's folder (not a folder)");
    return r.folder;
}

} // namespace

int32_t runRequest(const AmxRequest *given, AmxResult *result,
    std::initializer_list<int32_t> operations, RequestBody body) noexcept
{
    AmxRequest r;
    if (!readRequest(given, r))
        return AMX_RUN_INVALID;
    if (std::find(operations.begin(), operations.end(), r.operation) == operations.end())
        return AMX_RUN_UNSUPPORTED;
    const bool asks = r.callback && r.callback != &BlockRelay::relay;
    // An encrypted add needs someone to give the password.
    if (r.operation == AMX_OP_ADD && r.encryption != AMX_ENCRYPT_NONE && !asks)
        return AMX_RUN_INVALID;
    // A test exists to say which members are sound, so it always tells.
    Reporter reporter(
        r.callback, r.context, (r.flags & AMX_FLAG_VERBOSE) || r.operation == AMX_OP_TEST);
    ZipError error = ZipError::None;
    const int32_t done = runReported(reporter, error, [&]() -> int32_t {
        Fd owned;
        RequestCall call { r, openBase(r, owned), r.archive ? r.archive : "", {}, false, asks };
        for (uint32_t i = 0; i < r.nameCount; ++i)
            if (const char *text = r.names[i].text; text && *text)
                call.names.push_back({ text, r.names[i].match == AMX_NAME_PATTERN });
        call.onlyEmptyNames = r.nameCount > 0 && call.names.empty();
        if (call.archive.empty())
            throw ZipFailure(ZipError::ArchiveOpen, "(no name)");
        return body(call, reporter);
    });
    if (result && result->size >= sizeof(uint32_t)) {
        const AmxResult full { sizeof full, int32_t(error), done, reporter.failed(),
            reporter.skipped(), reporter.cancelled() ? 1 : 0 };
        const uint32_t room = result->size;
        std::memcpy(reinterpret_cast<char *>(result) + sizeof full.size,
            reinterpret_cast<const char *>(&full) + sizeof full.size,
            std::min<size_t>(room, sizeof full) - sizeof full.size);
    }
    return AMX_RUN_DONE;
}

int32_t AMX_STDCALL BlockRelay::relay(void *context, AmxEvent *event)
{
    auto *self = static_cast<BlockRelay *>(context);
    // The block's callback knows no questions, nor an add's total.
    if (event->action == AMX_ACTION_PASSWORD || event->action == AMX_ACTION_TOTAL)
        return AMX_GO_ON;
    AmxCallbackRecord *record = self->record.get();
    std::memset(record, 0, offsetof(AmxCallbackRecord, text));
    record->caller = self->caller;
    record->action = event->action;
    record->errorCode = event->errorCode;
    record->fileSize = int32_t(uint32_t(event->fileSize));
    record->fileSizeHigh = int32_t(uint32_t(event->fileSize >> 32));
    const std::string_view text = event->text ? event->text : "";
    size_t n = std::min(text.size(), sizeof record->text - 1);
    // Never cut a UTF-8 sequence in half.
    while (n < text.size() && n > 0 && (static_cast<unsigned char>(text[n]) & 0xc0) == 0x80)
        --n;
    std::memcpy(record->text, text.data(), n);
    record->text[n] = '\0';
    return self->callback(record) == -1 ? AMX_STOP : AMX_GO_ON;
}

} // namespace amx
