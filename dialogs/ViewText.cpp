#include "ViewText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <filesystem>
#include <string>

namespace {

// Control characters that plain text files do hold; any other one (NUL
// above all) means the bytes from there on are not text.
bool isTextCode(char32_t c)
{
    if (c >= 0x20)
        return true;
    switch (c) {
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
    case '\b': // overstrike in formatted manual pages
    case 0x1a: // end-of-file mark of old DOS editors
    case 0x1b: // colour escapes in logs
        return true;
    default:
        return false;
    }
}

// Length of the leading part that is valid UTF-8 (no overlong forms, no
// surrogates, nothing past U+10FFFF). cutAtEnd: what stops it is a sequence
// that the end of the bytes cut short.
size_t validUtf8(std::string_view s, bool &cutAtEnd)
{
    cutAtEnd = false;
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t length;
        unsigned char low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return i;
        }
        for (size_t k = 1; k < length; ++k) {
            if (i + k >= s.size()) {
                cutAtEnd = true;
                return i;
            }
            const auto next = static_cast<unsigned char>(s[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return i;
        }
        i += length;
    }
    return i;
}

// Latin-1, except that 0x80..0x9F, control characters there, are read the
// way Windows writes them (curly quotes, dashes, the euro sign): the same
// choice browsers make for text labelled Latin-1.
constexpr std::array<char16_t, 32> kWindowsHigh { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026,
    0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018,
    0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D,
    0x017E, 0x0178 };

QString fromLatin1(std::string_view s)
{
    QString out(static_cast<qsizetype>(s.size()), Qt::Uninitialized);
    QChar *at = out.data();
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        *at++ = QChar(c >= 0x80 && c <= 0x9F ? kWindowsHigh[c - 0x80] : char16_t(c));
    }
    return out;
}

QString withUnixLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

ViewText decodeUtf16(std::string_view bytes, uint64_t fileBytes, bool bigEndian)
{
    ViewText out;
    out.fileBytes = fileBytes;
    out.encoding = bigEndian ? ViewEncoding::Utf16BE : ViewEncoding::Utf16LE;
    std::u16string units;
    size_t i = 2;
    for (; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        const char16_t unit = bigEndian ? char16_t(a << 8 | b) : char16_t(b << 8 | a);
        if (!isTextCode(unit)) {
            out.stoppedAtBinary = true;
            break;
        }
        units.push_back(unit);
    }
    // Half of a surrogate pair cut off by the limit is left for the note.
    if (!out.stoppedAtBinary && bytes.size() < fileBytes && !units.empty() && units.back() >= 0xD800
        && units.back() <= 0xDBFF) {
        units.pop_back();
        i -= 2;
    }
    out.shownBytes = i;
    out.text = withUnixLines(QString::fromUtf16(units.data(), qsizetype(units.size())));
    return out;
}

QString sizeText(uint64_t bytes)
{
    if (bytes < 10 * 1024)
        return QCoreApplication::translate("ViewText", "%1 bytes").arg(bytes);
    if (bytes < 10 * 1024 * 1024)
        return QCoreApplication::translate("ViewText", "%1 kB").arg(bytes / 1024);
    return QCoreApplication::translate("ViewText", "%1 MB").arg(bytes / (1024 * 1024));
}

} // namespace

ViewText decodeViewText(std::string_view bytes, uint64_t fileBytes)
{
    if (fileBytes < bytes.size())
        fileBytes = bytes.size();
    if (bytes.size() >= 2) {
        if (bytes[0] == '\xFF' && bytes[1] == '\xFE')
            return decodeUtf16(bytes, fileBytes, false);
        if (bytes[0] == '\xFE' && bytes[1] == '\xFF')
            return decodeUtf16(bytes, fileBytes, true);
    }

    ViewText out;
    out.fileBytes = fileBytes;
    size_t start = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        start = 3;
    size_t end = start;
    while (end < bytes.size() && isTextCode(static_cast<unsigned char>(bytes[end])))
        ++end;
    out.stoppedAtBinary = end < bytes.size();
    std::string_view text = bytes.substr(start, end - start);

    bool cutAtEnd = false;
    const size_t valid = validUtf8(text, cutAtEnd);
    const bool cutByLimit = !out.stoppedAtBinary && bytes.size() < fileBytes;
    if (valid == text.size() || (cutAtEnd && cutByLimit)) {
        text = text.substr(0, valid);
        out.encoding = ViewEncoding::Utf8;
        out.text = withUnixLines(QString::fromUtf8(text.data(), qsizetype(text.size())));
    } else {
        out.encoding = ViewEncoding::Latin1;
        out.text = withUnixLines(fromLatin1(text));
    }
    out.shownBytes = start + text.size();
    return out;
}

ViewText loadViewText(const std::string &path, size_t limit)
{
    const QString name = QString::fromStdString(path);
    QFile file(name);
    if (QFileInfo(name).isDir() || !file.open(QIODevice::ReadOnly))
        throw ViewFileError(
            QCoreApplication::translate("ViewText", "Cannot open file \"%1\". %2")
                .arg(name,
                    QFileInfo(name).isDir() ? QCoreApplication::translate("ViewText", "Is a folder")
                                            : file.errorString())
                .toStdString());
    const uint64_t size = uint64_t(std::max<qint64>(file.size(), 0));
    const QByteArray bytes = file.read(qint64(limit));
    if (bytes.isEmpty() && size > 0 && file.error() != QFileDevice::NoError)
        throw ViewFileError(QCoreApplication::translate("ViewText", "Cannot read file \"%1\". %2")
                                .arg(name, file.errorString())
                                .toStdString());
    return decodeViewText(std::string_view(bytes.constData(), size_t(bytes.size())), size);
}

QString viewCaption(const QString &name, const ViewText &text)
{
    if (text.stoppedAtBinary)
        return QCoreApplication::translate(
            "ViewText", "View: %1 (not a text file: only the first %2 of %3 shown)")
            .arg(name, sizeText(text.shownBytes), sizeText(text.fileBytes));
    if (text.shownBytes < text.fileBytes)
        return QCoreApplication::translate("ViewText", "View: %1 (only the first %2 of %3 shown)")
            .arg(name, sizeText(text.shownBytes), sizeText(text.fileBytes));
    return QCoreApplication::translate("ViewText", "View: %1").arg(name);
}

std::string withTrailingSlash(const std::string &folder)
{
    if (!folder.empty() && folder.back() == '/')
        return folder;
    return folder + '/';
}
