// Entry points of libamxunz.
#include "AmxBlocks.h"
#include "BlockNames.h"
#include "Extractor.h"
#include "FileUtil.h"

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

namespace {

int32_t runUnz(AmxUnzParams *params, bool testOnly)
{
    if (!params)
        return 0;
    // A test exists to say which members are sound, so it always tells.
    amx::Reporter reporter(
        params->caller, params->callback, testOnly || params->verboseFlag || params->traceFlag);
    return amx::runReported(reporter, [&]() -> int32_t {
        amx::Fd base = amx::openCurrentFolder();
        int32_t given = 0;
        amx::ExtractOptions options = readBlock(*params, given);
        options.base = base.get();
        options.testOnly = testOnly;
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

} // namespace

extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxUnzExec(AmxUnzParams *params)
{
    return runUnz(params, false);
}

// The same block as AmxUnzExec; returns the members found sound.
extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxUnzTest(AmxUnzParams *params)
{
    return runUnz(params, true);
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL GetAmxUnzVersion(void)
{
    return unzVersion;
}
