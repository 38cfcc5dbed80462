// Entry points of libamxunz.
#include "Extractor.h"
#include "engine/AmxBlocks.h"


namespace {

constexpr int32_t unzVersion = 100;

amx::ExtractOptions readBlock(const AmxUnzParams &p)
{
    amx::ExtractOptions o;
    amx::readNames(p, o.archive, o.specs);
    o.dirNames = p.dirNamesFlag != 0;
    o.overwrite = p.overwriteFlag != 0;
    o.update = p.updateFlag != 0;
    o.freshen = p.freshenFlag != 0 && !o.update;
    return o;
}

} // namespace

extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxUnzExec(AmxUnzParams *params)
{
    if (!params)
        return 0;
    amx::Reporter reporter(
        params->caller, params->callback, params->verboseFlag || params->traceFlag);
    return amx::runReported(reporter, [&]() -> int32_t {
        amx::ExtractOptions options = readBlock(*params);
        if (options.archive.empty())
            throw amx::ZipFailure(amx::ZipError::ArchiveOpen, "(no name)");
        return amx::extractArchive(options, reporter);
    });
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL GetAmxUnzVersion(void)
{
    return unzVersion;
}
