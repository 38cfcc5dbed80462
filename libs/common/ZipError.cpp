#include "ZipError.h"

namespace amx {

namespace {

struct ErrorText
{
    ZipError code;
    const char *text;
};

const ErrorText errorTexts[] = {
    { ZipError::None, "%s" },
    { ZipError::NotMatched, "name not matched: %s" },
    { ZipError::NotReadable, "could not open for reading: %s" },
    { ZipError::ArchiveOpen, "cannot open zip file: %s" },
    { ZipError::NotZip, "not a zip file (end of central directory not found): %s" },
    { ZipError::Corrupt, "archive corrupt: %s" },
    { ZipError::Truncated, "archive truncated: %s" },
    { ZipError::BadCrc, "bad CRC: %s" },
    { ZipError::BadSize, "bad size: %s" },
    { ZipError::Unsupported, "skipping: %s" },
    { ZipError::Encrypted, "skipping: %s (encrypted, no password)" },
    { ZipError::UnsafePath, "warning: unsafe path neutralised: %s" },
    { ZipError::UnsafeLink, "skipping: %s (link target leaves the folder)" },
    { ZipError::Exists, "skipping: %s (file exists)" },
    { ZipError::WriteFailed, "write error (disk full?): %s" },
    { ZipError::CreateFailed, "cannot create %s" },
    { ZipError::Overlap, "skipping: %s (overlaps another member, possible zip bomb)" },
    { ZipError::Cancelled, "operation cancelled%s" },
    { ZipError::LinkLoop, "skipping: %s (symbolic link loop)" },
    { ZipError::NothingToDo, "nothing to do: %s" },
    { ZipError::HiddenSkipped, "skipping hidden file: %s" },
    { ZipError::ReplaceFailed, "cannot replace %s" },
    { ZipError::BadData, "invalid compressed data: %s" },
    { ZipError::Internal, "internal error: %s" },
    { ZipError::NotRegular, "%s is not a regular file" },
    { ZipError::ReadOnly, "%s is read-only" },
    { ZipError::WrongPassword, "skipping: %s (wrong password)" },
    { ZipError::Unauthentic, "skipping: %s (authentication failed: altered or damaged data)" },
    { ZipError::Refused, "refused: %s" },
};

} // namespace

std::string errorMessage(ZipError code, const std::string &detail)
{
    const char *text = "error %s";
    for (const auto &e : errorTexts)
        if (e.code == code)
            text = e.text;
    std::string out = text;
    auto at = out.find("%s");
    if (at != std::string::npos)
        out.replace(at, 2, detail);
    return out;
}

std::string shortName(std::string_view name)
{
    constexpr size_t shown = 200;
    if (name.size() <= shown)
        return std::string(name);
    size_t n = shown;
    // Never cut a UTF-8 sequence in half.
    while (n > 0 && (static_cast<unsigned char>(name[n]) & 0xc0) == 0x80)
        --n;
    return std::string(name.substr(0, n)) + "...";
}

} // namespace amx
