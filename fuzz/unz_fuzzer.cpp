// libFuzzer target: any bytes as an archive, extracted into a scratch folder,
// then tested with the password "fuzz" for encrypted members (the seeds in
// seeds/encrypted use it). The library must neither crash nor write outside
// that folder.
#include "AmxRequest.h"
#include "Extractor.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

extern "C" int32_t AmxUnzRun1(const AmxRequest *request, AmxResult *result);

static int32_t quietCallback(void *, AmxEvent *)
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
    const int folder = ::open(base.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        std::abort();
    AmxRequest request {};
    request.size = sizeof request;
    request.operation = AMX_OP_EXTRACT;
    request.folder = folder;
    request.flags = AMX_FLAG_DIR_NAMES | AMX_FLAG_OVERWRITE;
    request.archive = name.c_str();
    request.callback = quietCallback;
    AmxUnzRun1(&request, nullptr);
    ::close(folder);
    {
        amx::ExtractOptions options;
        options.archive = name;
        options.testOnly = true;
        options.askPassword = [](const std::string &, bool wrong) {
            using Kind = amx::PasswordReply::Kind;
            return wrong ? amx::PasswordReply {}
                         : amx::PasswordReply { Kind::Password, amx::Secret("fuzz") };
        };
        amx::Reporter reporter(quietCallback, nullptr, false);
        amx::ZipError error {};
        amx::runReported(reporter, error, [&] {
            return amx::extractArchive(options, reporter);
        });
    }
    // Anything beside the input and the base folder was written outside.
    for (auto &e : fs::directory_iterator(scratch))
        if (e.path() != archive && e.path() != base)
            std::abort();
    return 0;
}
