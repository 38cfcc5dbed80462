// "ambermox -t/-x/-a/--delete" end to end, on archives made in the test.

#include "Peers.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

using namespace amxtest;

namespace {

const std::string kProgram = std::string(AMX_BIN_DIR) + "/ambermox";

RunResult amx(const std::vector<std::string> &args, const std::string &cwd = {})
{
    std::vector<std::string> argv { kProgram };
    argv.insert(argv.end(), args.begin(), args.end());
    return run(argv, cwd);
}

bool has(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// Writes an archive by hand: a sound stored member, then "b.txt" made as the
// kind asks.
void writeArchive(const std::string &path, const std::string &kind)
{
    const char *script = R"(
import sys, struct, zlib, random
good = b'good ' * 2000
b = random.Random(1).randbytes(40000)
z = zlib.compressobj(9, zlib.DEFLATED, -15)
packed = z.compress(b) + z.flush()
crc = zlib.crc32(b)
kind = sys.argv[2]
method = 8
if kind == 'badcrc': crc ^= 1
if kind == 'truncated': packed = packed[:len(packed) // 2]
if kind == 'unsupported': method = 12
members = [('a/good.txt', 0, good, zlib.crc32(good), len(good)),
           ('a/b.txt', method, packed, crc, len(b))]
out, cd = b'', b''
for name, m, data, c, size in members:
    n = name.encode()
    cd += struct.pack('<IHHHHHHIIIHHHHHII', 0x02014b50, 20, 20, 0, m, 0, 0x21, c, len(data),
                      size, len(n), 0, 0, 0, 0, 0, len(out)) + n
    out += struct.pack('<IHHHHHIIIHH', 0x04034b50, 20, 0, m, 0, 0x21, c, len(data), size,
                       len(n), 0) + n + data
out += cd + struct.pack('<IHHHHIIH', 0x06054b50, 0, 0, 2, 2, len(cd), len(out), 0)
open(sys.argv[1], 'wb').write(out)
)";
    RunResult r = python(script, { path, kind });
    ASSERT_EQ(r.exitCode, 0) << r.out;
}

} // namespace

TEST(ScriptVerbs, TestsEveryMemberAndWritesNothing)
{
    const struct
    {
        const char *kind;
        int exitCode;
        const char *message; // beside the sound member's line
    } cases[] = {
        { "sound", 0, "No errors detected in 2 members." },
        { "badcrc", 1, "bad CRC: a/b.txt" },
        { "truncated", 1, "invalid compressed data: a/b.txt" },
        { "unsupported", 1, "skipping: a/b.txt (compression method 12 not supported)" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        TestDir dir;
        const std::string archive = (dir / "a.zip").string();
        writeArchive(archive, c.kind);
        RunResult r = amx({ "-t", archive }, dir.str());
        EXPECT_EQ(r.exitCode, c.exitCode) << r.out;
        EXPECT_TRUE(has(r.out, "    testing: a/good.txt   OK\n")) << r.out;
        EXPECT_TRUE(has(r.out, c.message)) << r.out;
        EXPECT_EQ(has(r.out, "Errors detected in 1 member; 1 sound."), c.exitCode != 0) << r.out;
        EXPECT_FALSE(std::filesystem::exists(dir / "a")) << "a test writes nothing";
    }
}

TEST(ScriptVerbs, AddExtractDeleteExactNamesAndFolders)
{
    TestDir dir;
    dir.createFile("src/star*.txt", "star");
    dir.createFile("src/starX.txt", "x");
    dir.createFile("src/what?.txt", "what");
    dir.createFile("src/whatY.txt", "y");
    dir.createFile("src/deep/.hidden", "h");
    dir.createFile("loose.txt", "loose");
    const std::string archive = (dir / "a.zip").string();

    // A folder named by an absolute path keeps only what lies below its parent.
    RunResult add = amx({ "-a", archive, "--level", "6", (dir / "src").string() }, "/");
    ASSERT_EQ(add.exitCode, 0) << add.out;
    RunResult move = amx({ "-a", "a.zip", "--move", "loose.txt" }, dir.str());
    ASSERT_EQ(move.exitCode, 0) << move.out;
    EXPECT_FALSE(std::filesystem::exists(dir / "loose.txt"));
    EXPECT_EQ(sortedNames(archive),
        (std::vector<std::string> { "loose.txt", "src/", "src/deep/", "src/deep/.hidden",
            "src/star*.txt", "src/starX.txt", "src/what?.txt", "src/whatY.txt" }));
    EXPECT_EQ(run({ "unzip", "-tq", archive }).exitCode, 0) << "the peer reads it";

    // Exact names match only themselves; --pattern makes them wildcards.
    RunResult exact =
        amx({ "-x", "a.zip", "-o", "out", "src/star*.txt", "src/what?.txt" }, dir.str());
    ASSERT_EQ(exact.exitCode, 0) << exact.out;
    EXPECT_EQ(readFile(dir / "out/src/star*.txt"), "star");
    EXPECT_EQ(readFile(dir / "out/src/what?.txt"), "what");
    EXPECT_FALSE(std::filesystem::exists(dir / "out/src/starX.txt"));
    RunResult kept = amx({ "-x", "a.zip", "-o", "out", "--pattern", "src/star*" }, dir.str());
    EXPECT_EQ(kept.exitCode, 0) << kept.out;
    EXPECT_TRUE(std::filesystem::exists(dir / "out/src/starX.txt"));
    EXPECT_TRUE(has(kept.out, "src/star*.txt")) << "an existing file is kept and named";

    RunResult del = amx({ "--delete", "a.zip", "src/what?.txt" }, dir.str());
    ASSERT_EQ(del.exitCode, 0) << del.out;
    EXPECT_EQ(sortedNames(archive).size(), 7u);
    EXPECT_TRUE(has(run({ "unzip", "-l", archive }).out, "src/whatY.txt"));
    RunResult missing = amx({ "--delete", "a.zip", "src/what?.txt" }, dir.str());
    EXPECT_EQ(missing.exitCode, 1) << missing.out;
    EXPECT_TRUE(has(missing.out, "name not matched")) << missing.out;
}

TEST(ScriptVerbs, RefusalsExitTwoAndLeaveTheArchiveAlone)
{
    TestDir dir;
    dir.createFile("x.txt", sampleBytes(5000));
    runOk({ "zip", "-q", "a.zip", "x.txt" }, dir.str());
    const std::string whole = readFile(dir / "a.zip");
    writeFile(dir / "cut.zip", whole.substr(0, whole.size() - 30));
    const std::vector<std::vector<std::string>> cases = {
        { "-a", "cut.zip", "x.txt" },
        { "-t", "cut.zip" },
        { "-x", "none.zip" },
        { "-x" },
        { "-a", "a.zip" },
        { "-a", "a.zip", "--level", "10", "x.txt" },
        { "-t", "a.zip", "--bogus" },
    };
    for (const auto &args : cases) {
        RunResult r = amx(args, dir.str());
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "") << r.out;
        EXPECT_FALSE(r.out.empty());
    }
    EXPECT_EQ(readFile(dir / "cut.zip"), whole.substr(0, whole.size() - 30));
    for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string()[0], '.') << "no temporary file left";
}

// The README's table and the manual pages show the very forms --help shows.
TEST(ScriptVerbs, HelpMatchesTheReadmeAndTheManualPages)
{
    RunResult help = amx({ "--help" });
    ASSERT_EQ(help.exitCode, 0);
    std::set<std::string> inHelp, inReadme;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("  ambermox", 0) == 0)
            inHelp.insert(line.substr(2, line.find("  ", 2) - 2));
    std::ifstream in(std::string(AMX_SOURCE_DIR) + "/README.md");
    const std::regex row(R"(^\| `(ambermox[^`]*)` \|)");
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, row))
            inReadme.insert(std::regex_replace(m[1].str(), std::regex(R"(\\\|)"), "|"));
    }
    EXPECT_EQ(inHelp, inReadme);
    EXPECT_EQ(inHelp.size(), 12u) << help.out;

    // A page's forms are the tags of its COMMANDS section, in roff.
    for (const std::string page : { "ambermox", "ambermox-gui" }) {
        std::ifstream man(std::string(AMX_MAN_DIR) + "/" + page + ".1");
        ASSERT_TRUE(man) << page;
        std::set<std::string> inPage;
        bool inCommands = false, tag = false;
        for (std::string line; std::getline(man, line);) {
            if (line.rfind(".SH", 0) == 0)
                inCommands = line == ".SH COMMANDS";
            else if (tag) {
                // "\fBambermox\-gui\fR \fB\-l\fR ..." is "ambermox -l ..."
                std::string form = std::regex_replace(line, std::regex(R"(\\f[BIR])"), "");
                form = std::regex_replace(form, std::regex(R"(\\-)"), "-");
                inPage.insert("ambermox" + form.substr(std::min(page.size(), form.size())));
            }
            tag = inCommands && line == ".TP";
        }
        EXPECT_EQ(inPage, inHelp) << page;
    }
}
