// Entry points of libamxunz.
#include "Extractor.h"
#include "engine/AmxBlocks.h"

#include <new>

namespace {

constexpr int32_t unzVersion = 100;

amx::ExtractOptions readBlock(const AmxUnzParams &p)
{
    amx::ExtractOptions o;
    o.archive = p.archiveName ? p.archiveName : "";
    int32_t count = p.specCount < 0 ? 0 : std::min<int32_t>(p.specCount, AMX_MAX_SPECS);
    for (int32_t i = 0; i < count; ++i)
        if (p.specs[i] && *p.specs[i])
            o.specs.emplace_back(p.specs[i]);
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
    try {
        amx::ExtractOptions options = readBlock(*params);
        if (options.archive.empty())
            throw amx::ZipFailure(amx::ZipError::ArchiveOpen, "(no name)");
        return amx::extractArchive(options, reporter);
    } catch (const amx::Cancelled &) {
        return 0;
    } catch (const amx::ZipFailure &f) {
        try {
            reporter.problem(f.code(), f.detail());
        } catch (...) {
        }
    } catch (const std::bad_alloc &) {
        try {
            reporter.problem(amx::ZipError::Internal, "out of memory");
        } catch (...) {
        }
    } catch (...) {
        try {
            reporter.problem(amx::ZipError::Internal, "unexpected failure");
        } catch (...) {
        }
    }
    return 0;
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL GetAmxUnzVersion(void)
{
    return unzVersion;
}
