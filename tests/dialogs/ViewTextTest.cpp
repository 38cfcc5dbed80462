// The viewer's decoding and limits, and the Delete dialog's decisions.

#include "ViewText.h"
#include "DeleteLogic.h"
#include "TestDir.h"

#include <gtest/gtest.h>

using namespace amxtest;

namespace {

struct DecodeCase
{
    const char *name;
    std::string bytes;
    uint64_t fileBytes; // 0: the bytes are the whole file
    QString text;
    ViewEncoding encoding;
    uint64_t shownBytes;
    bool stoppedAtBinary;
};

const std::string kEuroUtf8 = "\xE2\x82\xAC"; // U+20AC

std::vector<DecodeCase> decodeCases()
{
    return {
        { "Empty", "", 0, "", ViewEncoding::Utf8, 0, false },
        { "WindowsLines", "a\r\nb\r\n", 0, "a\nb\n", ViewEncoding::Utf8, 6, false },
        { "OldMacLines", "a\rb\r", 0, "a\nb\n", ViewEncoding::Utf8, 4, false },
        { "Utf8", "gr\xC3\xBC\xC3\x9F " + kEuroUtf8, 0, QString::fromUtf8("grüß €"),
            ViewEncoding::Utf8, 10, false },
        { "Utf8WithBom", "\xEF\xBB\xBFok", 0, "ok", ViewEncoding::Utf8, 5, false },
        { "Latin1", "gr\xFC\xDF", 0, QString::fromUtf8("grüß"), ViewEncoding::Latin1, 4, false },
        { "WindowsQuotesInLatin1", "\x93quoted\x94 \x80", 0, QString::fromUtf8("“quoted” €"),
            ViewEncoding::Latin1, 10, false },
        { "OverlongUtf8IsLatin1", "\xC0\xAF", 0, QString::fromUtf8("À¯"), ViewEncoding::Latin1, 2,
            false },
        { "SurrogateInUtf8IsLatin1", "\xED\xA0\x80", 0, QString::fromUtf8("í\u00A0€"),
            ViewEncoding::Latin1, 3, false },
        { "TabsFormFeedEscape", "a\tb\fc\x1b[0m", 0, "a\tb\fc\x1b[0m", ViewEncoding::Utf8, 9,
            false },
        { "BinaryStopsAtNul", std::string("text\0\x01\x02more", 11), 0, "text", ViewEncoding::Utf8,
            4, true },
        { "BinaryStopsAtControl", "head\x01tail", 0, "head", ViewEncoding::Utf8, 4, true },
        // DEL is text, the bytes after the signature are not.
        { "ElfHeader", std::string("\x7F\x45LF\x02\x01\x01\0", 8), 0, "\x7F\x45LF",
            ViewEncoding::Utf8, 4, true },
        { "LimitCutsUtf8Sequence", "ab" + kEuroUtf8.substr(0, 2), 100, "ab", ViewEncoding::Utf8, 2,
            false },
        { "LimitKeepsWholeSequence", "ab" + kEuroUtf8, 100, QString::fromUtf8("ab€"),
            ViewEncoding::Utf8, 5, false },
        { "CutSequenceInWholeFileIsLatin1", "ab\xE2\x82", 0, QString::fromUtf8("abâ‚"),
            ViewEncoding::Latin1, 4, false },
        { "Utf16LittleEndian", std::string("\xFF\xFEh\0i\0\r\0\n\0", 10), 0, "hi\n",
            ViewEncoding::Utf16LE, 10, false },
        { "Utf16BigEndian", std::string("\xFE\xFF\0h\0i", 6), 0, "hi", ViewEncoding::Utf16BE, 6,
            false },
        { "Utf16StopsAtNulUnit", std::string("\xFF\xFEh\0\0\0x\0", 8), 0, "h",
            ViewEncoding::Utf16LE, 4, true },
    };
}

} // namespace

TEST(DecodeTest, Decodes)
{
    for (const DecodeCase &c : decodeCases()) {
        SCOPED_TRACE(c.name);
        const uint64_t size = c.fileBytes ? c.fileBytes : c.bytes.size();
        const ViewText text = decodeViewText(c.bytes, size);
        EXPECT_EQ(text.text, c.text) << text.text.toStdString();
        EXPECT_TRUE(text.encoding == c.encoding && text.shownBytes == c.shownBytes);
        EXPECT_TRUE(text.stoppedAtBinary == c.stoppedAtBinary && text.fileBytes == size);
        EXPECT_EQ(text.complete(), !c.stoppedAtBinary && c.shownBytes == size);
    }
}

TEST(ViewText, LoadReadsAtMostTheLimitAndNoFolder)
{
    TestDir dir;
    const auto file = dir.createFile("big.txt", std::string(10000, 'x'));
    const ViewText text = loadViewText(file.string(), 4096);
    EXPECT_TRUE(text.text.size() == 4096 && text.shownBytes == 4096 && text.fileBytes == 10000);
    EXPECT_FALSE(text.complete());
    const ViewText whole = loadViewText(file.string());
    EXPECT_TRUE(whole.text.size() == 10000 && whole.complete());
    // A missing file, and the message, are the text viewer's test.
    EXPECT_THROW(loadViewText(dir.createDir("sub").string()), ViewFileError);
}

TEST(ViewText, CaptionNotesWhatIsLeftOut)
{
    // A whole file's caption is the text viewer's test.
    ViewText cut;
    cut.shownBytes = 4 * 1024 * 1024;
    cut.fileBytes = 50u * 1024 * 1024;
    EXPECT_EQ(viewCaption("big.log", cut),
        QStringLiteral("View: big.log (only the first 4096 kB of 50 MB shown)"));
    ViewText binary;
    binary.shownBytes = 4;
    binary.fileBytes = 20000;
    binary.stoppedAtBinary = true;
    EXPECT_EQ(viewCaption("prog", binary),
        QStringLiteral("View: prog (not a text file: only the first 4 bytes of 19 kB shown)"));
}

// The radios' choice by the selection is the Delete dialog's test.
TEST(DeleteLogic, Specs)
{
    const std::vector<std::string> selected { "b/two.txt", "one.txt" };
    using V = std::vector<std::string>;
    EXPECT_EQ(deleteSpecs(DeleteWhat::Entire, selected, "x"), V { "*.*" });
    EXPECT_EQ(deleteSpecs(DeleteWhat::Selected, selected, "x"), selected);
    EXPECT_EQ(deleteSpecs(DeleteWhat::Selected, {}, "x"), V {});
    EXPECT_EQ(deleteSpecs(DeleteWhat::Files, selected, "*.txt"), V { "*.txt" });
    EXPECT_EQ(deleteSpecs(DeleteWhat::Files, selected, " a b "), V { " a b " });
    EXPECT_EQ(deleteSpecs(DeleteWhat::Files, selected, ""), V {});
}
