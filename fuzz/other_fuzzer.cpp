// libFuzzer target: any bytes as an archive of another format than ZIP (tar
// and its compressions, 7z, cpio, ISO, ...), listed by the directory reader
// through libarchive. The listing must neither crash nor hang, and must raise
// only its own errors; what it lists must hold together.
#include "InputFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A name with a compression suffix: a lone compressed file names its member after it.
    static const amxfuzz::InputFile input("amxotherfuzz", "input.tar.gz");
    const std::filesystem::path &archive = input.write(data, size);
    static amxfuzz::QuietNotices quiet;
    TZipEngine engine;
    engine.setNotices(&quiet);
    try {
        engine.setZipFilename(archive.string());
    } catch (const EngineError &) {
        // Nothing readable at all: no member may be left behind.
        if (!engine.IsZip() && !engine.Entries().empty())
            std::abort();
        return 0;
    }
    if (engine.IsZip())
        return 0;
    if (!engine.Entries().empty() && engine.FormatName().empty())
        std::abort();
    for (const ArchiveMember &m : engine.Entries()) {
        if (m.format != ArchiveFormat::Other)
            std::abort();
        // Only files have data; a folder's name ends in '/'.
        if (m.kind != MemberKind::File && m.size != 0)
            std::abort();
        if (m.kind == MemberKind::Folder && !m.name().empty() && m.name().back() != '/')
            std::abort();
        if (m.size == 0 && m.packed != 0)
            std::abort();
    }
    return 0;
}
