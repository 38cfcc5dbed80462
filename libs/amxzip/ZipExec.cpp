// Entry points of libamxzip.
#include "AmxBlocks.h"
#include "AmxRequest.h"
#include "FileUtil.h"
#include "Request.h"
#include "Updater.h"

namespace {

constexpr int32_t zipVersion = 100;

int32_t addOrDelete(const amx::RequestCall &call, amx::Reporter &reporter)
{
    const AmxRequest &r = call.request;
    amx::AddOptions o;
    o.archive = call.archive;
    o.specs = call.names;
    o.base = call.base;
    o.level = r.level < 0 ? 0 : r.level > 9 ? 9 : r.level;
    o.discardDirNames = !(r.flags & AMX_FLAG_DIR_NAMES);
    o.recurse = r.flags & AMX_FLAG_RECURSE;
    o.hidden = r.flags & AMX_FLAG_HIDDEN;
    o.forceDos = r.flags & AMX_FLAG_DOS_NAMES;
    o.move = r.flags & AMX_FLAG_MOVE;
    o.update = r.flags & AMX_FLAG_UPDATE;
    o.freshen = (r.flags & AMX_FLAG_FRESHEN) && !o.update;
    o.archiveTime = r.flags & AMX_FLAG_ARCHIVE_TIME;
    if (r.nameCodePage)
        o.codePage = r.nameCodePage;
    amx::checkArchivePath(o.base, o.archive, true);
    if (r.operation == AMX_OP_COMMENT) {
        amx::setComment(o, std::string_view(r.comment ? r.comment : "", r.commentSize), reporter);
        return 1;
    }
    if (r.operation == AMX_OP_RENAME) {
        std::vector<amx::RenamePair> pairs;
        for (uint32_t i = 0; i + 1 < r.nameCount; i += 2)
            pairs.push_back({ r.names[i].text, r.names[i + 1].text });
        if (pairs.empty())
            throw amx::ZipFailure(amx::ZipError::NothingToDo, o.archive);
        return amx::renameMembers(o, pairs, reporter);
    }
    if (o.specs.empty())
        throw amx::ZipFailure(amx::ZipError::NothingToDo,
            o.archive + (call.onlyEmptyNames ? " (only empty names given)" : ""));
    if (r.operation == AMX_OP_DELETE)
        return amx::deleteMembers(o, reporter);
    if (r.encryption != AMX_ENCRYPT_NONE) {
        o.encryption = r.encryption == AMX_ENCRYPT_AES256 ? amx::Encryption::Aes256
                                                          : amx::Encryption::ZipCrypto;
        const int32_t reply = reporter.askPassword(o.archive, 0, o.password);
        if (reply != AMX_ANSWERED && reply != AMX_ANSWERED_ONCE)
            reporter.cancel();
    }
    return amx::addFiles(o, reporter);
}

uint32_t flag(int32_t field, uint32_t bit)
{
    return field ? bit : 0u;
}

} // namespace

extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxZipRun1(const AmxRequest *request, AmxResult *result)
{
    return amx::runRequest(request, result,
        { AMX_OP_ADD, AMX_OP_DELETE, AMX_OP_RENAME, AMX_OP_COMMENT }, &addOrDelete);
}

// The block of the first interface: its delete flag chooses the operation,
// and a cleared discard flag keeps folder names.
extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxZipExec(AmxZipParams *params)
{
    if (!params)
        return 0;
    const AmxZipParams &p = *params;
    const uint32_t flags = flag(!p.discardDirNamesFlag, AMX_FLAG_DIR_NAMES)
        | flag(p.recurseFlag, AMX_FLAG_RECURSE) | flag(p.hiddenFilesFlag, AMX_FLAG_HIDDEN)
        | flag(p.forceDosFlag, AMX_FLAG_DOS_NAMES) | flag(p.moveFlag, AMX_FLAG_MOVE)
        | flag(p.updateFlag, AMX_FLAG_UPDATE) | flag(p.freshenFlag, AMX_FLAG_FRESHEN)
        | flag(p.archiveTimeFlag, AMX_FLAG_ARCHIVE_TIME);
    return amx::runBlock(
        p, p.deleteFlag ? AMX_OP_DELETE : AMX_OP_ADD, flags, p.compLevel, &addOrDelete);
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL GetAmxZipVersion(void)
{
    return zipVersion;
}
