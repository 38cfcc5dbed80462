// Problems the libraries report. Each has one code and one message, so that
// what the user reads and what a caller tests come from the same table.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace amx {

enum class ZipError : int32_t {
    None = 0,
    NotMatched = 1,
    NotReadable = 2,
    ArchiveOpen = 3,
    NotZip = 4,
    Corrupt = 5,
    Truncated = 6,
    BadCrc = 7,
    BadSize = 8,
    Unsupported = 9,
    Encrypted = 10,
    UnsafePath = 11,
    UnsafeLink = 12,
    Exists = 13,
    WriteFailed = 14,
    CreateFailed = 15,
    Overlap = 16,
    Cancelled = 17,
    LinkLoop = 18,
    NothingToDo = 19,
    HiddenSkipped = 20,
    ReplaceFailed = 21,
    BadData = 22,
    Internal = 23,
    NotRegular = 24,
    ReadOnly = 25,
    WrongPassword = 26,
    Unauthentic = 27,
    Refused = 28,
};

// The message for a code; "%s" in the table is replaced by detail.
std::string errorMessage(ZipError code, const std::string &detail = {});
// A name as a message shows it: names of any length are cut after 200 bytes.
std::string shortName(std::string_view name);

// Thrown inside the libraries for a problem that ends the current step
// (a member, or the whole operation when nothing else can go on).
class ZipFailure : public std::exception
{
public:
    ZipFailure(ZipError code, std::string detail)
        : m_code(code)
        , m_detail(std::move(detail))
    {
    }
    ZipError code() const { return m_code; }
    const std::string &detail() const { return m_detail; }
    const char *what() const noexcept override { return "zip failure"; }

private:
    ZipError m_code;
    std::string m_detail;
};

// Thrown when the callback asks to stop.
struct Cancelled : std::exception
{
    const char *what() const noexcept override { return "cancelled"; }
};

} // namespace amx
