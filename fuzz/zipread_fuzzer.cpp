// libFuzzer target: any bytes as the archive that add and delete rewrite.
// The reader must neither crash nor hang, and whatever the delete writes
// must read back with the members it kept.
#include "AmxBlocks.h"
#include "ArchiveReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

extern "C" int32_t AmxZipExec(AmxZipParams *params);

static int32_t quietCallback(AmxCallbackRecord *)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    namespace fs = std::filesystem;
    static const fs::path scratch = [] {
        std::string pattern = (fs::temp_directory_path() / "amxzipfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern);
    }();
    // Absolute, so that the corpus paths libFuzzer was given stay valid.
    const std::string archive = (scratch / "input.zip").string();
    if (FILE *f = std::fopen(archive.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    size_t members = 0, kept = 0;
    try {
        amx::ArchiveReader reader(archive);
        members = reader.entries().size();
        for (size_t i = 0; i < members; ++i) {
            try {
                reader.span(i);
            } catch (const amx::ZipFailure &) {
            }
            if (reader.entries()[i].name.rfind("a", 0) != 0)
                ++kept;
        }
    } catch (const amx::ZipFailure &) {
        return 0;
    }

    std::string spec = "a*";
    auto params = std::make_unique<AmxZipParams>();
    *params = {};
    params->const120 = 120;
    params->callback = quietCallback;
    params->alwaysTrue44 = -1;
    params->alwaysTrue56 = -1;
    params->deleteFlag = -1;
    params->archiveName = const_cast<char *>(archive.c_str());
    params->const7 = 7;
    params->specCount = 1;
    params->specs[0] = spec.data();
    if (AmxZipExec(params.get()) > 0) {
        try {
            if (amx::ArchiveReader(archive).entries().size() != kept)
                std::abort();
        } catch (const amx::ZipFailure &) {
            std::abort();
        }
    }
    // Nothing but the archive itself, not even a temporary file, is left.
    for (auto &e : fs::directory_iterator(scratch))
        if (e.path() != archive)
            std::abort();
    return 0;
}
