// libFuzzer target: any bytes as an archive, listed by the directory reader.
// The reader must neither crash nor hang, and must raise only its own errors.
#include "ZipEngine.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class QuietNotices : public EngineNotices
{
public:
    void showNotice(const std::string &) override { }
};

// The input's file, in a folder of its own that goes when the run ends.
struct InputFile
{
    std::filesystem::path folder;
    InputFile()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "amxdirfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
    }
    ~InputFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::filesystem::path path() const { return folder / "input.zip"; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const InputFile input;
    const std::filesystem::path archive = input.path();
    if (FILE *f = std::fopen(archive.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    static QuietNotices quiet;
    TZipEngine engine;
    engine.setNotices(&quiet);
    try {
        engine.setZipFilename(archive.string());
    } catch (const EngineError &) {
    }
    uint64_t previous = 0;
    for (const ArchiveMember &m : engine.Entries()) {
        // The ZIP walk only moves forward, and a name holds at most what was
        // stored. (Other formats come through libarchive: no ZIP records.)
        if (!engine.IsZip())
            break;
        if (&m != &engine.Entries().front() && m.zip.HeaderOffset <= previous)
            std::abort();
        previous = m.zip.HeaderOffset;
        if (m.rawName().size() != m.zip.FileNameLength)
            std::abort();
    }
    if (engine.DirectoryMismatchCount() < 0
        || (!engine.DirectoryDamage().empty() && engine.DirectoryMismatchCount() != 0))
        std::abort();
    return 0;
}
