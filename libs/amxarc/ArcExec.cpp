// Entry points of libamxarc.
#include "AmxRequest.h"
#include "ArcExtractor.h"
#include "FileUtil.h"
#include "Request.h"

namespace {

constexpr int32_t arcVersion = 100;

int32_t extractOrTest(const amx::RequestCall &call, amx::Reporter &reporter)
{
    amx::ArcExtractOptions o { amx::extractChoice(call) };
    amx::checkArchivePath(o.base, o.archive, false);
    if (call.onlyEmptyNames)
        throw amx::ZipFailure(amx::ZipError::NothingToDo, o.archive + " (only empty names given)");
    return amx::extractOther(o, reporter);
}

} // namespace

extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxArcRun1(const AmxRequest *request, AmxResult *result)
{
    return amx::runRequest(request, result, { AMX_OP_EXTRACT, AMX_OP_TEST }, &extractOrTest);
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL GetAmxArcVersion(void)
{
    return arcVersion;
}
