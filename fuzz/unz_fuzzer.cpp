// libFuzzer target: any bytes as an archive, extracted into a scratch folder,
// then tested with the password "fuzz" for encrypted members (the seeds in
// seeds/encrypted use it). The library must neither crash nor write outside
// that folder.
#include "AmxBlocks.h"
#include "Extractor.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

extern "C" int32_t AmxUnzExec(AmxUnzParams *params);

static int32_t quietCallback(AmxCallbackRecord *)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    namespace fs = std::filesystem;
    static const fs::path scratch = [] {
        std::string pattern = (fs::temp_directory_path() / "amxfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern);
    }();
    fs::path archive = scratch / "input.zip";
    fs::path base = scratch / "base";
    fs::remove_all(base);
    fs::create_directories(base);
    if (FILE *f = std::fopen(archive.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    std::string name = archive.string();
    auto params = std::make_unique<AmxUnzParams>();
    *params = {};
    params->const120 = 120;
    params->callback = quietCallback;
    params->alwaysTrue40 = -1;
    params->dirNamesFlag = -1;
    params->overwriteFlag = -1;
    params->archiveName = name.data();
    params->const7 = 7;
    fs::path saved = fs::current_path();
    fs::current_path(base);
    AmxUnzExec(params.get());
    fs::current_path(saved);
    {
        amx::ExtractOptions options;
        options.archive = name;
        options.testOnly = true;
        options.askPassword = [](const std::string &, bool wrong) {
            using Kind = amx::PasswordReply::Kind;
            return wrong ? amx::PasswordReply {}
                         : amx::PasswordReply { Kind::Password, amx::Secret("fuzz") };
        };
        amx::Reporter reporter(nullptr, quietCallback, false);
        amx::runReported(reporter, [&] {
            return amx::extractArchive(options, reporter);
        });
    }
    // Anything beside the input and the base folder was written outside.
    for (auto &e : fs::directory_iterator(scratch))
        if (e.path() != archive && e.path() != base)
            std::abort();
    return 0;
}
