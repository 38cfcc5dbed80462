// Entry points of libamxzip.
#include "AmxBlocks.h"
#include "BlockNames.h"
#include "FileUtil.h"
#include "Updater.h"

namespace {

constexpr int32_t zipVersion = 100;

amx::AddOptions readBlock(const AmxZipParams &p, int32_t &given)
{
    amx::AddOptions o;
    given = amx::readNames(p, o.archive, o.specs);
    o.level = p.compLevel < 0 ? 0 : p.compLevel > 9 ? 9 : p.compLevel;
    o.discardDirNames = p.discardDirNamesFlag != 0;
    o.recurse = p.recurseFlag != 0;
    o.hidden = p.hiddenFilesFlag != 0;
    o.forceDos = p.forceDosFlag != 0;
    o.move = p.moveFlag != 0;
    o.update = p.updateFlag != 0;
    o.freshen = p.freshenFlag != 0 && !o.update;
    o.archiveTime = p.archiveTimeFlag != 0;
    return o;
}

} // namespace

extern "C" AMX_EXPORT int32_t AMX_STDCALL AmxZipExec(AmxZipParams *params)
{
    if (!params)
        return 0;
    amx::Reporter reporter(
        params->caller, params->callback, params->verboseFlag || params->traceFlag);
    return amx::runReported(reporter, [&]() -> int32_t {
        amx::Fd base = amx::openCurrentFolder();
        int32_t given = 0;
        amx::AddOptions options = readBlock(*params, given);
        options.base = base.get();
        if (options.archive.empty())
            throw amx::ZipFailure(amx::ZipError::ArchiveOpen, "(no name)");
        amx::checkArchivePath(base.get(), options.archive, true);
        if (options.specs.empty())
            throw amx::ZipFailure(amx::ZipError::NothingToDo,
                options.archive + (given > 0 ? " (only empty names given)" : ""));
        if (params->deleteFlag)
            return amx::deleteMembers(options, reporter);
        return amx::addFiles(options, reporter);
    });
}

extern "C" AMX_EXPORT int32_t AMX_STDCALL GetAmxZipVersion(void)
{
    return zipVersion;
}
