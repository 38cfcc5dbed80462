#include "SfxWriter.h"

#include "ReplacingFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Fd
{
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

[[noreturn]] void fail(const std::string &what, const std::string &path)
{
    throw SfxError(what + " \"" + path + "\": " + std::strerror(errno));
}

std::string upperAscii(std::string text)
{
    for (char &c : text)
        c = char(c >= 'a' && c <= 'z' ? c - 32 : c);
    return text;
}

} // namespace

std::string sfxHeader(const SfxSettings &settings)
{
    const std::string *texts[] = { &settings.caption, &settings.folder, &settings.command };
    std::string header = "AMX0";
    for (const std::string *text : texts)
        header += char(text->empty() ? 255 : text->size());
    for (const std::string *text : texts)
        header += *text;
    header[3] = char(header.size());
    return header;
}

std::string sfxOutputName(const std::string &archive)
{
    // Only the file name changes, never the folder: a dot before the name
    // or a name of dots only ("..zip") is no extension.
    const size_t slash = archive.rfind('/');
    const size_t name = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = archive.rfind('.');
    if (dot != std::string::npos && dot >= name && archive.size() - dot == 4
        && archive.find_first_not_of('.', name) < dot)
        return archive.substr(0, dot + 1) + "EXE";
    return archive + ".EXE";
}

std::string sfxRefusal(const SfxSettings &settings, const std::string &archive)
{
    if (settings.folder.size() + settings.caption.size() + settings.command.size() > kSfxMaxText)
        return "The folder, caption and command line may hold at most "
            + std::to_string(kSfxMaxText) + " bytes together.";
    // Compared without case: the file may lie on a file system that ignores it.
    if (upperAscii(sfxOutputName(archive)) == upperAscii(archive))
        return "The self-extractor would replace the archive itself: \"" + sfxOutputName(archive)
            + "\". Give the archive a name that does not end in \".exe\".";
    return {};
}

std::string sfxStubPath(const std::string &programFolder)
{
    std::string folder = programFolder;
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    const std::string beside = folder + "ROVURA.DAT";
    const std::string installed = folder + "../lib/ambermox/ROVURA.DAT";
    return ::access(beside.c_str(), F_OK) != 0 && ::access(installed.c_str(), F_OK) == 0 ? installed
                                                                                         : beside;
}

void writeSelfExtractor(const std::string &stub, const SfxSettings &settings,
    const std::string &archive, const std::string &output)
{
    // The stub is opened first: without it nothing is written.
    Fd in { ::open(stub.c_str(), O_RDONLY | O_CLOEXEC) };
    if (in.fd < 0)
        fail("Cannot read the self-extractor stub", stub);
    Fd zip { ::open(archive.c_str(), O_RDONLY | O_CLOEXEC) };
    if (zip.fd < 0)
        fail("Cannot read", archive);

    ReplacingFile out(output, ".ambermox-sfx-XXXXXX");
    if (!out.ok())
        fail("Cannot create", output);
    off_t copied = 0;
    auto copy = [&](int from, const std::string &path) {
        bool readFailed = false;
        if (!out.copyFrom(from, copied, readFailed))
            fail(readFailed ? "Cannot read" : "Cannot write", readFailed ? path : output);
    };
    copy(in.fd, stub);
    const std::string header = sfxHeader(settings);
    if (!out.write(header.data(), header.size()))
        fail("Cannot write", output);
    copy(zip.fd, archive);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (!out.commit(0777 & ~mask))
        fail("Cannot create", output);
}
