// Entry points of libamxunz.
#include "Extractor.h"
#include "common/FileUtil.h"
#include "format/AmxBlocks.h"
#include "format/BlockNames.h"

namespace {

constexpr int32_t unzVersion = 100;

amx::ExtractOptions readBlock(const AmxUnzParams &p, int32_t &given)
{
    amx::ExtractOptions o;
    given = amx::readNames(p, o.archive, o.specs);
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
        amx::Fd base = amx::openCurrentFolder();
        int32_t given = 0;
        amx::ExtractOptions options = readBlock(*params, given);
        options.base = base.get();
        if (options.archive.empty())
            throw amx::ZipFailure(amx::ZipError::ArchiveOpen, "(no name)");
        amx::checkArchivePath(base.get(), options.archive, false);
        // No names means every member; only empty ones mean none.
        if (given > 0 && options.specs.empty())
            throw amx::ZipFailure(
                amx::ZipError::NothingToDo, options.archive + " (only empty names given)");
        return amx::extractArchive(options, reporter);
    });
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL GetAmxUnzVersion(void)
{
    return unzVersion;
}
