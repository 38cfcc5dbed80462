// Archives whose names are in a legacy code page, written byte by byte: what
// the detector chooses, what --charset chooses, the names extraction writes,
// the Unicode Path field, patterns and a delete that keeps the others' bytes.

#include "LegacyZip.h"
#include "NameCodec.h"
#include "Peers.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

// Text in a code page, through iconv as Python has it.
std::string encoded(const std::string &utf8, const std::string &codec)
{
    RunResult r = python(
        "import sys; sys.stdout.buffer.write(sys.argv[1].encode(sys.argv[2]))", { utf8, codec });
    EXPECT_EQ(r.exitCode, 0) << r.out;
    return r.out;
}

std::vector<LegacyMember> named(const std::vector<std::string> &utf8, const std::string &codec)
{
    std::string all;
    for (const std::string &n : utf8)
        all += n + '\n';
    const std::string bytes = encoded(all, codec);
    std::vector<LegacyMember> out;
    for (size_t at = 0, end; (end = bytes.find('\n', at)) != std::string::npos; at = end + 1)
        out.push_back({ bytes.substr(at, end - at), false, {} });
    return out;
}

// The names "-l" prints, first column.
std::set<std::string> listedNames(const std::string &stdoutText)
{
    std::set<std::string> names;
    size_t at = 0;
    while (at < stdoutText.size()) {
        size_t end = stdoutText.find('\n', at);
        if (end == std::string::npos)
            end = stdoutText.size();
        const std::string line = stdoutText.substr(at, end - at);
        const size_t tab1 = line.find('\t');
        const size_t tabLast = line.rfind('\t');
        if (tab1 != std::string::npos) {
            // Name and path together: the path column holds the folder.
            const std::string path = line.substr(tabLast + 1);
            names.insert(path + line.substr(0, tab1));
        }
        at = end + 1;
    }
    return names;
}

std::set<std::string> namesBelow(const fs::path &root)
{
    std::set<std::string> out;
    for (const auto &e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            out.insert(fs::relative(e.path(), root).string());
    return out;
}

ApartResult amxApart(const std::vector<std::string> &args, const std::string &cwd = {})
{
    std::vector<std::string> argv { kProgram };
    argv.insert(argv.end(), args.begin(), args.end());
    return runApart(argv, cwd);
}

struct Case
{
    const char *name;
    std::vector<std::string> names; // UTF-8
    const char *codec; // Python's name of the code page they are stored in
    const char *detected; // what the detector should say
};

const Case kCases[] = {
    { "Cp866", { "Привет.txt", "Документы/Отчёт за год.doc", "Документы/Письмо.txt" }, "cp866",
        "CP866" },
    { "ShiftJis", { "日本語のファイル.txt", "資料/表計算.xls", "資料/会議の議事録.doc" }, "cp932",
        "Shift-JIS" },
    { "Gbk", { "中文文件.txt", "资料/报告.doc", "资料/会议记录.txt" }, "gbk", "GB18030" },
    { "Cp437Box", { "╔═══╗.txt", "║box║/╚═╝.dat" }, "cp437", "CP437" },
    { "Windows1252", { "café.txt", "Résumé/naïve.doc" }, "cp1252", "Windows-1252" },
    { "Cp437Accents", { "Größe.txt", "Übersicht/Menü.doc" }, "cp437", "CP437" },
};

} // namespace

TEST(NameEncodingTest, DetectsTheCodePageAndExtractsUtf8Names)
{
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        TestDir dir;
        writeFile(dir / "a.zip", zipOf(named(c.names, c.codec)));

        const ApartResult listed = amxApart({ "-l", (dir / "a.zip").string(), "--verbose" });
        EXPECT_EQ(listed.exitCode, 0) << listed.err;
        EXPECT_NE(listed.err.find(std::string("names in ") + c.detected + " (detected)"),
            std::string::npos)
            << listed.err;
        const std::set<std::string> want(c.names.begin(), c.names.end());
        EXPECT_EQ(listedNames(listed.out), want) << listed.out;

        const ApartResult x =
            amxApart({ "-x", (dir / "a.zip").string(), "-o", (dir / "out").string() });
        EXPECT_EQ(x.exitCode, 0) << x.err;
        EXPECT_EQ(namesBelow(dir / "out"), want);
    }
}

TEST(NameEncodingTest, ChosenCodePageWins)
{
    // Two Japanese names the detector could take for something else: the
    // choice decides, for the list, the test and the extraction alike.
    TestDir dir;
    const std::vector<std::string> names = { "表.txt", "ソ.txt" };
    writeFile(dir / "a.zip", zipOf(named(names, "cp932")));
    const std::string zip = (dir / "a.zip").string();

    const ApartResult asDos = amxApart({ "-l", zip, "--charset", "CP437", "--verbose" });
    EXPECT_NE(asDos.err.find("names in CP437 (chosen)"), std::string::npos) << asDos.err;
    // Their second bytes are backslashes in CP437, which the list escapes.
    EXPECT_EQ(listedNames(asDos.out), std::set<std::string>({ "ò\\\\.txt", "â\\\\.txt" }));

    const ApartResult asJis = amxApart({ "-l", zip, "--charset=Shift-JIS" });
    EXPECT_EQ(listedNames(asJis.out), std::set<std::string>(names.begin(), names.end()));

    const ApartResult t = amxApart({ "-t", zip, "--charset", "sjis" });
    EXPECT_EQ(t.exitCode, 0) << t.err;
    EXPECT_NE(t.out.find("表.txt"), std::string::npos) << t.out;

    const ApartResult x =
        amxApart({ "-x", zip, "--charset", "Shift-JIS", "-o", (dir / "out").string(), "表.txt" });
    EXPECT_EQ(x.exitCode, 0) << x.err;
    EXPECT_EQ(namesBelow(dir / "out"), std::set<std::string>({ "表.txt" }));

    const ApartResult bad = amxApart({ "-l", zip, "--charset", "NO-SUCH-PAGE" });
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("unknown code page NO-SUCH-PAGE"), std::string::npos) << bad.err;
}

TEST(NameEncodingTest, UnicodePathFieldHoldsOnlyWithItsCrc)
{
    TestDir dir;
    const std::string raw = encoded("Größe.txt", "cp437");
    const std::string other = encoded("Über.txt", "cp437");
    // A writer whose code page lacks a character stores '?' and the field.
    writeFile(dir / "a.zip",
        zipOf({ { raw, false, unicodePath(raw, "Size ✓.txt") },
            { other, false, unicodePath(other, "Wrong.txt", 1) },
            { "??.txt", false, unicodePath("??.txt", "日本.txt") } }));
    const std::set<std::string> want { "Size ✓.txt", "Über.txt", "日本.txt" };
    const ApartResult listed = amxApart({ "-l", (dir / "a.zip").string() });
    EXPECT_EQ(listedNames(listed.out), want);
    const ApartResult x =
        amxApart({ "-x", (dir / "a.zip").string(), "-o", (dir / "out").string() });
    EXPECT_EQ(x.exitCode, 0) << x.err;
    EXPECT_EQ(namesBelow(dir / "out"), want);
}

TEST(NameEncodingTest, UndecodableBytesNeverLoseAMember)
{
    // 0x81 is no character in Windows-1252, 0xFF no lead byte in Shift-JIS.
    TestDir dir;
    writeFile(dir / "a.zip", zipOf({ { "a\x81.txt", false, {} }, { "b\xff.txt", false, {} } }));
    const std::string zip = (dir / "a.zip").string();
    const ApartResult x =
        amxApart({ "-x", zip, "--charset", "Windows-1252", "-o", (dir / "w").string() });
    EXPECT_EQ(x.exitCode, 0) << x.err;
    EXPECT_EQ(namesBelow(dir / "w"), std::set<std::string>({ "a\uFFFD.txt", "bÿ.txt" }));
    const ApartResult j =
        amxApart({ "-x", zip, "--charset", "Shift-JIS", "-o", (dir / "j").string() });
    EXPECT_EQ(j.exitCode, 0) << j.err;
    EXPECT_EQ(namesBelow(dir / "j").size(), 2u);
}

TEST(NameEncodingTest, QuestionMarkIsOneCharacter)
{
    TestDir dir;
    writeFile(dir / "a.zip",
        zipOf({ { encoded("café.txt", "cp1252"), false, {} }, { "cafe.doc", false, {} } }));
    const std::string zip = (dir / "a.zip").string();
    const ApartResult x = amxApart({ "-x", zip, "--charset", "Windows-1252", "-o",
        (dir / "out").string(), "--pattern", "caf?.txt" });
    EXPECT_EQ(x.exitCode, 0) << x.err;
    EXPECT_EQ(namesBelow(dir / "out"), std::set<std::string>({ "café.txt" }));
}

TEST(NameEncodingTest, DeleteKeepsTheOtherMembersBytes)
{
    TestDir dir;
    std::vector<LegacyMember> members = named({ "Привет.txt", "Отчёт.doc", "Письмо.txt" }, "cp866");
    // One of them with a field of its own, which must travel along unchanged.
    members[2].extra = unicodePath(members[2].raw, "Письмо.txt");
    writeFile(dir / "a.zip", zipOf(members));
    const std::string zip = (dir / "a.zip").string();

    const ApartResult d = amxApart({ "--delete", zip, "Отчёт.doc" });
    EXPECT_EQ(d.exitCode, 0) << d.err;
    // Python reads the names as CP437 when bit 11 is clear: compare the bytes.
    const RunResult raw = python(R"(
import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    print(i.orig_filename.encode('cp437').hex(), i.flag_bits, i.extra.hex())
)",
        { zip });
    ASSERT_EQ(raw.exitCode, 0) << raw.out;
    auto hex = [](const std::string &s) {
        static const char digits[] = "0123456789abcdef";
        std::string out;
        for (unsigned char c : s)
            out.append(1, digits[c >> 4]).append(1, digits[c & 15]);
        return out;
    };
    EXPECT_EQ(raw.out,
        hex(members[0].raw) + " 0 \n" + hex(members[2].raw) + " 0 " + hex(members[2].extra) + "\n");
}
