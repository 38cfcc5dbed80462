// "ambermox -l" against archives written by peers.

#include "ListVerb.h"
#include "Peers.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <map>
#include <set>

using namespace amxtest;

namespace {

const std::string kProgram = std::string(AMX_BIN_DIR) + "/ambermox";

std::vector<std::vector<std::string>> parse(const std::string &out)
{
    std::vector<std::vector<std::string>> rows;
    for (const QString &line : QString::fromStdString(out).split('\n', Qt::SkipEmptyParts)) {
        rows.emplace_back();
        for (const QString &field : line.split('\t'))
            rows.back().push_back(field.toStdString());
    }
    return rows;
}

// With no stored settings of the user's: the default order, by name.
RunResult list(const TestDir &dir, const std::string &archive)
{
    return run(
        { "env", "XDG_CONFIG_HOME=" + (dir / "no-config").string(), kProgram, "-l", archive });
}

} // namespace

// By name (compared lowered) without stored settings, else in the stored
// order; the figures are the ones a peer reads.
TEST(ListVerb, PrintsEveryFileMemberInTheChosenOrder)
{
    TestDir dir;
    dir.createFile("src/Zeta.txt", sampleBytes(3000));
    dir.createFile("src/alpha/beta.bin", sampleBytes(70000, 3));
    dir.createFile("src/empty", "");
    const std::string archive = (dir / "a.zip").string();
    runOk({ "zip", "-q", "-r", archive, "src" }, dir.str());
    std::map<std::string, PeerMember> peer;
    for (const auto &m : pythonListing(archive))
        peer[m.name] = m;

    RunResult r = list(dir, archive);
    ASSERT_EQ(r.exitCode, 0) << r.out;
    std::vector<std::string> names;
    for (const auto &row : parse(r.out)) {
        ASSERT_EQ(row.size(), 6u) << r.out;
        const PeerMember &m = peer.at(row[5] + row[0]);
        EXPECT_EQ(row[2], std::to_string(m.size));
        EXPECT_EQ(row[4], std::to_string(m.packed));
        EXPECT_FALSE(row[1].empty()) << "modified";
        EXPECT_EQ(row[3].back(), '%');
        names.push_back(row[0]);
    }
    EXPECT_EQ(names, (std::vector<std::string> { "beta.bin", "empty", "Zeta.txt" }));

    dir.createFile("config/Ambermox/Ambermox.conf", "[Ambermox]\nSort%20order=4\n");
    r = run({ "env", "XDG_CONFIG_HOME=" + (dir / "config").string(), kProgram, "-l", archive });
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(parse(r.out)[1][0], "Zeta.txt") << "size order, largest first";
}

TEST(ListVerb, DamagedAndMissingArchivesFail)
{
    TestDir dir;
    dir.createFile("x.txt", sampleBytes(5000));
    runOk({ "zip", "-q", "-0", (dir / "a.zip").string(), "x.txt" }, dir.str());
    const std::string whole = readFile(dir / "a.zip");
    writeFile(dir / "cut.zip", whole.substr(0, 2000));

    RunResult cut = list(dir, (dir / "cut.zip").string());
    EXPECT_EQ(cut.exitCode, 2) << "nothing of it can be listed";
    EXPECT_NE(
        cut.out.find((dir / "cut.zip").string() + ": Error 3 reading Zip file"), std::string::npos)
        << cut.out;

    // Which archives the reader refuses (a pipe, no archive at all) is its own tests'.
    EXPECT_NE(list(dir, (dir / "none.zip").string()).exitCode, 0);
}

TEST(ListVerb, DirectoryThatDisagreesWarnsAndExitsThree)
{
    TestDir dir;
    // Renames the second occurrence of a name (the directory's), or makes the
    // end record promise more members than the directory holds.
    const char *script = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    z.writestr('readme.txt', b'hello')
    z.writestr('b.txt', b'b')
d = open(sys.argv[1], 'rb').read()
if sys.argv[2] == 'rename':
    i = d.rindex(b'readme.txt')
    d = d[:i] + b'payload.sh' + d[i + 10:]
else:
    e = d.rindex(b'PK\x05\x06')
    d = d[:e + 8] + b'\x03\x00\x03\x00' + d[e + 12:]
open(sys.argv[1], 'wb').write(d)
)";
    const struct
    {
        const char *how;
        const char *warning;
    } cases[] = {
        { "rename",
            ": The archive's directory does not match its contents: 1 member differs. Extraction "
            "follows the directory.\n" },
        { "count", ": The archive's directory is damaged (member count does not match)" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        const std::string archive = (dir / (std::string(c.how) + ".zip")).string();
        ASSERT_EQ(python(script, { archive, c.how }).exitCode, 0);
        RunResult r = list(dir, archive);
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_NE(r.out.find(archive + c.warning), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("readme.txt\t"), std::string::npos) << "still listed";
    }
}

TEST(ListVerb, NamesAreEscapedOneLinePerMember)
{
    TestDir dir;
    // The first name starts with a zero byte, so it is listed as an empty name.
    const char *script = R"(
import sys, zipfile
names = ['EMPTY', 'tab\there', 'new\nline', '\x1b[31mred', 'rtl\u202etxt.exe', 'dir\x07/x.txt']
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    for n in names:
        z.writestr(n, b'x')
d = open(sys.argv[1], 'rb').read().replace(b'EMPTY', b'\x00MPTY')
open(sys.argv[1], 'wb').write(d)
)";
    const std::string archive = (dir / "names.zip").string();
    ASSERT_EQ(python(script, { archive }).exitCode, 0);
    RunResult r = list(dir, archive);
    ASSERT_EQ(r.exitCode, 0) << r.out;
    std::set<std::string> shown;
    for (const auto &row : parse(r.out)) {
        ASSERT_EQ(row.size(), 6u) << r.out;
        shown.insert(row[5] + row[0]);
    }
    EXPECT_EQ(shown,
        (std::set<std::string> { "", "tab\\there", "new\\nline", "\\x1B[31mred",
            "rtl\\u{202E}txt.exe", "dir\\x07/x.txt" }));
}

// Printable text stays; controls, bidirectional overrides, line separators and
// invalid bytes are escaped.
TEST(ListVerb, Escapes)
{
    const std::pair<std::string, std::string> rows[] = {
        { "docs/caf\xC3\xA9 \xE6\x97\xA5.txt", "docs/caf\xC3\xA9 \xE6\x97\xA5.txt" },
        { "a\\b", "a\\\\b" },
        { "a\tb\nc\rd", "a\\tb\\nc\\rd" },
        { "\x1B]0;x\x07\x7F", "\\x1B]0;x\\x07\\x7F" },
        { std::string("\0\x1F", 2), "\\x00\\x1F" },
        { "\xC2\x80\xC2\x9B\xC2\x9F\xC2\xA0", "\\u{0080}\\u{009B}\\u{009F}\xC2\xA0" },
        { "\xE2\x80\xA8\xE2\x80\xA9", "\\u{2028}\\u{2029}" },
        { "\xE2\x80\xAA\xE2\x80\xAE\xE2\x80\xAF", "\\u{202A}\\u{202E}\xE2\x80\xAF" },
        { "\xE2\x81\xA5\xE2\x81\xA6\xE2\x81\xA9", "\xE2\x81\xA5\\u{2066}\\u{2069}" },
        { "a\xFF\xC0\xAF\xE2\x80", "a\\xFF\\xC0\\xAF\\xE2\\x80" },
        { "\xED\xA0\x80", "\\xED\\xA0\\x80" },
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(escapeListText(in), out) << out;
}
