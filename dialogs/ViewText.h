// What the text viewer shows of a file: decoded without garbling (UTF-8 when
// the bytes are valid UTF-8, otherwise Latin-1; UTF-16 only with its byte
// order mark), cut where the file stops being text and after a few
// megabytes, so a binary or huge member cannot freeze the window.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// The most the viewer reads of one file.
inline constexpr size_t kViewLimit = 4 * 1024 * 1024;

enum class ViewEncoding { Utf8, Latin1, Utf16LE, Utf16BE };

struct ViewText
{
    QString text; // lines separated by '\n'
    ViewEncoding encoding = ViewEncoding::Utf8;
    uint64_t shownBytes = 0; // leading bytes of the file the text covers
    uint64_t fileBytes = 0;
    // The file goes on with bytes that are not text (a NUL or a control
    // character no text file holds).
    bool stoppedAtBinary = false;

    bool complete() const { return !stoppedAtBinary && shownBytes >= fileBytes; }
};

// Decodes bytes, the first bytes of a file of fileBytes bytes (the reader
// applies the limit; a UTF-8 sequence cut by it is left out).
ViewText decodeViewText(std::string_view bytes, uint64_t fileBytes);

class ViewFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads at most limit bytes of the file and decodes them. Throws
// ViewFileError with a text for the user when the file cannot be read.
ViewText loadViewText(const std::string &path, size_t limit = kViewLimit);

// "View: " + name, followed by a note when the text is not the whole file.
QString viewCaption(const QString &name, const ViewText &text);

// The folder with its trailing '/'.
std::string withTrailingSlash(const std::string &folder);
