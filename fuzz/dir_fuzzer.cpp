// libFuzzer target: any bytes as an archive, listed by the directory reader.
// The reader must neither crash nor hang, and must raise only its own errors.
#include "InputFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const amxfuzz::InputFile input("amxdirfuzz", "input.zip");
    const std::filesystem::path &archive = input.write(data, size);
    static amxfuzz::QuietNotices quiet;
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
