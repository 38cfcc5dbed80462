// Entry points of libamxunz.
#include "AmxBlocks.h"
#include "AmxRequest.h"
#include "Extractor.h"
#include "FileUtil.h"
#include "Request.h"

namespace {

constexpr int32_t unzVersion = 100;

int32_t extractOrTest(const amx::RequestCall &call, amx::Reporter &reporter)
{
    const AmxRequest &r = call.request;
    amx::ExtractOptions o { amx::extractChoice(call), {}, {} };
    if (r.nameCodePage)
        o.codePage = r.nameCodePage;
    if (call.asks)
        o.askPassword = [&reporter, attempt = 0](
                            const std::string &member, bool afterWrongOne) mutable {
            attempt = afterWrongOne ? attempt + 1 : 0;
            amx::PasswordReply reply;
            switch (reporter.askPassword(member, attempt, reply.password)) {
            case AMX_ANSWERED:
                reply.kind = amx::PasswordReply::Kind::Password;
                break;
            case AMX_ANSWERED_ONCE:
                reply.kind = amx::PasswordReply::Kind::Password;
                reply.keep = false;
                break;
            case AMX_GO_ON:
                reply.kind = amx::PasswordReply::Kind::Skip;
                break;
            default:
                reply.kind = amx::PasswordReply::Kind::Cancel;
                break;
            }
            return reply;
        };
    amx::checkArchivePath(o.base, o.archive, false);
    // No names means every member; only empty ones mean none.
    if (call.onlyEmptyNames)
        throw amx::ZipFailure(amx::ZipError::NothingToDo, o.archive + " (only empty names given)");
    return amx::extractArchive(o, reporter);
}

uint32_t blockFlags(const AmxUnzParams &p)
{
    auto flag = [](int32_t field, uint32_t bit) {
        return field ? bit : 0u;
    };
    return flag(p.dirNamesFlag, AMX_FLAG_DIR_NAMES) | flag(p.overwriteFlag, AMX_FLAG_OVERWRITE)
        | flag(p.updateFlag, AMX_FLAG_UPDATE) | flag(p.freshenFlag, AMX_FLAG_FRESHEN);
}

} // namespace

extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxUnzRun1(const AmxRequest *request, AmxResult *result)
{
    return amx::runRequest(request, result, { AMX_OP_EXTRACT, AMX_OP_TEST }, &extractOrTest);
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxUnzExec(AmxUnzParams *params)
{
    return params ? amx::runBlock(*params, AMX_OP_EXTRACT, blockFlags(*params), 0, &extractOrTest)
                  : 0;
}

// The same block as AmxUnzExec; returns the members found sound.
extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxUnzTest(AmxUnzParams *params)
{
    return params ? amx::runBlock(*params, AMX_OP_TEST, blockFlags(*params), 0, &extractOrTest) : 0;
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL GetAmxUnzVersion(void)
{
    return unzVersion;
}
