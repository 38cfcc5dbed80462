// "ambermox -t/-x/-a/--delete" end to end, on archives made in the test.

#include "ScriptVerbs.h"
#include "Peers.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace amxtest;

namespace {

// Standard output and error apart; as another user when the test runs as
// root, for whom no permission stands in the way.
ApartResult amxApart(
    const std::vector<std::string> &args, const std::string &cwd, bool otherUser = false)
{
    std::vector<std::string> argv;
    if (otherUser && ::geteuid() == 0)
        argv = { "setpriv", "--reuid=65534", "--regid=65534", "--clear-groups" };
    argv.push_back(kProgram);
    argv.insert(argv.end(), args.begin(), args.end());
    return runApart(argv, cwd);
}

// Writes an archive by hand: a sound stored member, then "b.txt" made as the
// kind asks; the two names may be given.
void writeArchive(const std::string &path, const std::string &kind,
    const std::string &goodName = "a/good.txt", const std::string &badName = "a/b.txt")
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
members = [(sys.argv[3], 0, good, zlib.crc32(good), len(good)),
           (sys.argv[4], method, packed, crc, len(b))]
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
    RunResult r = python(script, { path, kind, goodName, badName });
    ASSERT_EQ(r.exitCode, 0) << r.out;
}

} // namespace

// The member lines and the closing count on stdout, as unzip -t has them;
// the damaged member on stderr.
TEST(ScriptVerbs, TestsEveryMemberAndWritesNothing)
{
    const struct
    {
        const char *kind;
        int exitCode;
        const char *summary;
        const char *error;
    } cases[] = {
        { "sound", 0, "No errors detected in 2 members.\n", "" },
        { "badcrc", 1, "Errors detected in 1 member; 1 sound.\n", "bad CRC: a/b.txt (" },
        { "truncated", 1, "Errors detected in 1 member; 1 sound.\n",
            "invalid compressed data: a/b.txt\n" },
        { "unsupported", 1, "Errors detected in 1 member; 1 sound.\n",
            "skipping: a/b.txt (compression method 12 not supported)\n" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        TestDir dir;
        const std::string archive = (dir / "a.zip").string();
        writeArchive(archive, c.kind);
        ApartResult r = amxApart({ "-t", archive }, dir.str());
        EXPECT_EQ(r.exitCode, c.exitCode) << r.out << r.err;
        EXPECT_EQ(r.out,
            std::string("    testing: a/good.txt   OK\n")
                + (c.exitCode == 0 ? "    testing: a/b.txt   OK\n" : "") + c.summary);
        EXPECT_EQ(r.err.rfind(c.error, 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), *c.error ? 1 : 0) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "a")) << "a test writes nothing";
    }
}

// Member names from the archive reach the terminal as -l shows them, in the
// member lines and the error lines alike.
TEST(ScriptVerbs, ControlCharactersInNamesAreEscaped)
{
    TestDir dir;
    const std::string archive = (dir / "a.zip").string();
    writeArchive(archive, "badcrc", "ok\x1b[31m.txt", "\x1b]0;evil\x07.txt");
    const struct
    {
        std::vector<std::string> args;
        const char *out;
        const char *err;
    } cases[] = {
        { { "-t", "a.zip" }, "    testing: ok\\x1B[31m.txt   OK\n",
            "bad CRC: \\x1B]0;evil\\x07.txt (" },
        { { "-x", "a.zip", "-o", "out" }, "", "bad CRC: \\x1B]0;evil\\x07.txt (" },
        { { "-x", "a.zip", "-o", "out" }, "", "skipping: ok\\x1B[31m.txt (file exists)\n" },
        { { "-x", "a.zip", "-o", "out", "\x1b[2J" }, "", "name not matched: \\x1B[2J\n" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.back());
        ApartResult r = amxApart(c.args, dir.str());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(has(r.out, c.out)) << r.out;
        EXPECT_TRUE(has(r.err, c.err)) << r.err;
        EXPECT_EQ((r.out + r.err).find_first_of("\x1b\x07"), std::string::npos) << r.out << r.err;
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
    auto ok = [&](const std::vector<std::string> &args, const std::string &cwd) {
        const RunResult r = ambermox(args, cwd);
        EXPECT_EQ(r.exitCode, 0) << r.out;
        return r.out;
    };

    // A folder named by an absolute path keeps only what lies below its parent.
    ok({ "-a", archive, "--level", "6", (dir / "src").string() }, "/");
    ok({ "-a", "a.zip", "--move", "loose.txt" }, dir.str());
    EXPECT_FALSE(std::filesystem::exists(dir / "loose.txt"));
    EXPECT_EQ(sortedNames(archive),
        (std::vector<std::string> { "loose.txt", "src/", "src/deep/", "src/deep/.hidden",
            "src/star*.txt", "src/starX.txt", "src/what?.txt", "src/whatY.txt" }));
    EXPECT_EQ(run({ "unzip", "-tq", archive }).exitCode, 0) << "the peer reads it";

    // "." has no name of its own: what it holds is stored relative to it, as zip -r stores it.
    ok({ "-a", "../dot.zip", "." }, (dir / "src").string());
    EXPECT_EQ(sortedNames((dir / "dot.zip").string()),
        (std::vector<std::string> {
            "deep/", "deep/.hidden", "star*.txt", "starX.txt", "what?.txt", "whatY.txt" }));

    // Exact names match only themselves; --pattern makes them wildcards.
    ok({ "-x", "a.zip", "-o", "out", "src/star*.txt", "src/what?.txt" }, dir.str());
    EXPECT_EQ(readFile(dir / "out/src/star*.txt"), "star");
    EXPECT_EQ(readFile(dir / "out/src/what?.txt"), "what");
    EXPECT_FALSE(std::filesystem::exists(dir / "out/src/starX.txt"));
    const std::string kept =
        ok({ "-x", "a.zip", "-o", "out", "--pattern", "src/star*" }, dir.str());
    EXPECT_TRUE(std::filesystem::exists(dir / "out/src/starX.txt"));
    EXPECT_TRUE(has(kept, "src/star*.txt")) << "an existing file is kept and named";

    ok({ "--delete", "a.zip", "src/what?.txt" }, dir.str());
    EXPECT_EQ(sortedNames(archive).size(), 7u);
    EXPECT_TRUE(has(run({ "unzip", "-l", archive }).out, "src/whatY.txt"));
    RunResult missing = ambermox({ "--delete", "a.zip", "src/what?.txt" }, dir.str());
    EXPECT_EQ(missing.exitCode, 1) << missing.out;
    EXPECT_TRUE(has(missing.out, "name not matched")) << missing.out;
}

// 2 when the request cannot be carried out at all, whatever the verb; 1 when
// some of it failed or matched nothing; 0 only when all of it was done.
TEST(ScriptVerbs, ExitStatusSaysWhatWasDone)
{
    // Another user must reach it: in /tmp, not in the test's private folder.
    TestDir dir("/tmp");
    dir.createFile("x.txt", sampleBytes(5000));
    runOk({ "zip", "-q", "ok.zip", "x.txt" }, dir.str());
    const std::string okZip = readFile(dir / "ok.zip");
    writeFile(dir / "cut.zip", okZip.substr(0, 100));
    writeFile(dir / "noend.zip", okZip.substr(0, okZip.size() - 30));
    dir.createFile("text.txt", "not an archive\n");
    dir.createFile("empty.zip");
    dir.createDir("folder");
    dir.createDir("empty");
    dir.createDir("ro");
    dir.createFile("secret.zip", readFile(dir / "ok.zip"));
    runOk({ "zip", "-q", "-P", "pw", "enc.zip", "x.txt" }, dir.str());
    dir.createFile("pw.txt", "pw\n");
    dir.createFile("bad.txt", "nope\r\n");
    // Another user reaches these from the test's folder, but may not write or read them.
    ::chmod(dir.path().c_str(), 0755);
    ::chmod((dir / "ro").c_str(), 0555);
    ::chmod((dir / "secret.zip").c_str(), 0);
    for (const char *file : { "ok.zip", "x.txt" })
        ::chmod((dir / file).c_str(), 0644);

    const struct
    {
        std::vector<std::string> args;
        int status;
        const char *err; // part of stderr; stdout is empty and stderr not whenever the status is 2
        const char *cwd = "";
        bool otherUser = false;
    } cases[] = {
        { { "-l", "text.txt" }, 2, "text.txt: not a ZIP archive\n" },
        { { "-l", "empty.zip" }, 2, "empty.zip: not a ZIP archive\n" },
        { { "-l", "folder" }, 2, "folder: a folder, not an archive\n" },
        { { "-l", "cut.zip" }, 2, "Error 3 reading Zip file" },
        { { "-l", "secret.zip" }, 2, "Permission denied", "", true },
        { { "-t", "text.txt" }, 2, "ambermox: text.txt: not a ZIP archive\n" },
        { { "-x", "text.txt", "-o", "out" }, 2, "ambermox: text.txt: not a ZIP archive\n" },
        { { "-a", "text.txt", "x.txt" }, 2, "ambermox: text.txt: not a ZIP archive\n" },
        { { "--delete", "text.txt", "x.txt" }, 2, "ambermox: text.txt: not a ZIP archive\n" },
        { { "-t", "folder" }, 2, "ambermox: folder: a folder, not an archive\n" },
        { { "-x", "folder" }, 2, "ambermox: folder: a folder, not an archive\n" },
        { { "-a", "folder", "x.txt" }, 2, "ambermox: folder: a folder, not an archive\n" },
        { { "--delete", "folder", "x.txt" }, 2, "ambermox: folder: a folder, not an archive\n" },
        { { "-t", "secret.zip" }, 2, "Permission denied", "", true },
        { { "-a", "--freshen", "none.zip", "x.txt" }, 2, "ambermox: none.zip: no such archive\n" },
        { { "-a", "noend.zip", "x.txt" }, 2, "" },
        { { "-t", "noend.zip" }, 2, "" },
        { { "-x", "none.zip" }, 2, "" },
        { { "-x" }, 2, "" },
        { { "-a", "ok.zip" }, 2, "" },
        { { "-a", "ok.zip", "--level", "10", "x.txt" }, 2, "" },
        { { "-t", "ok.zip", "--bogus" }, 2, "" },
        { { "-a", "root.zip", "/" }, 2, "ambermox: /: the root folder is not added" },
        { { "-x", "ok.zip", "-o", "x.txt" }, 2, "ambermox: x.txt is not a folder\n" },
        { { "-x", "ok.zip", "-o", "ro" }, 2, "ambermox: cannot write into ro: Permission denied\n",
            "", true },
        { { "-x", "ok.zip", "-o", "out", "" }, 1, "an empty name matches nothing\n" },
        { { "-x", "ok.zip", "-o", "out", "none.txt" }, 1, "name not matched: none.txt\n" },
        { { "--delete", "ok.zip", "" }, 1, "an empty name matches nothing\n" },
        { { "-a", "new.zip", "" }, 1, "an empty name matches nothing\n" },
        { { "-a", "new.zip", "none.txt" }, 1, "none.txt: no such file or folder\n" },
        { { "-a", "../new.zip", "." }, 1, "nothing to do", "empty" },
        { { "-a", "--update", "ok.zip", "x.txt" }, 0, "" },
        { { "-a", "empty.zip", "x.txt" }, 0, "" },
        { { "-t", "ok.zip" }, 0, "" },
        { { "-t", "enc.zip", "--password-file", "pw.txt" }, 0, "" },
        { { "-x", "enc.zip", "-o", "wrong", "--password-file", "bad.txt" }, 1,
            "skipping: x.txt (wrong password)\n" },
        { { "-x", "enc.zip", "--password-file", "none.txt" }, 2,
            "ambermox: cannot read none.txt: No such file or directory\n" },
        { { "-a", "new.zip", "--password=pw", "x.txt" }, 2, "no password on the command line" },
        { { "-a", "new.zip", "--password-file", "pw.txt", "x.txt" }, 2,
            "--password-file with -a needs --encrypt" },
    };
    for (const auto &c : cases) {
        std::string line;
        for (const std::string &arg : c.args)
            line += "'" + arg + "' ";
        SCOPED_TRACE(line);
        ApartResult r = amxApart(c.args, (dir / c.cwd).string(), c.otherUser);
        EXPECT_EQ(r.exitCode, c.status) << r.out << r.err;
        EXPECT_TRUE(has(r.err, c.err)) << r.err;
        if (c.status == 2) {
            EXPECT_EQ(r.out, "");
            EXPECT_NE(r.err, "");
        }
    }
    // Refused and failed requests wrote nothing, left no temporary file;
    // nothing was extracted for an empty name.
    EXPECT_EQ(readFile(dir / "noend.zip"), okZip.substr(0, okZip.size() - 30));
    for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename().string()[0], '.') << "no temporary file left";
    EXPECT_EQ(readFile(dir / "text.txt"), "not an archive\n");
    EXPECT_EQ(sortedNames((dir / "empty.zip").string()), std::vector<std::string> { "x.txt" });
    EXPECT_EQ(readFile(dir / "ok.zip"), okZip);
    for (const char *none :
        { "new.zip", "root.zip", "none.zip", "out/x.txt", "folder/x.txt", "wrong/x.txt" })
        EXPECT_FALSE(std::filesystem::exists(dir / none)) << none;
}

// Runs a program on a pseudo-terminal, answering each prompt as it appears
// with the next of the '|'-separated answers ("^D" ends the input); prints
// what the terminal showed and exits as the program did.
const char *const kOnATerminal = R"(
import os, pty, sys
answers = sys.argv[1].split('|') if sys.argv[1] else []
pid, fd = pty.fork()
if pid == 0:
    os.execv(sys.argv[2], sys.argv[2:])
seen = pending = b''
while True:
    try:
        chunk = os.read(fd, 65536)
    except OSError:
        break
    if not chunk:
        break
    seen += chunk
    pending += chunk
    if answers and pending.rstrip(b' ').endswith(b':'):
        pending = b''
        a = answers.pop(0)
        os.write(fd, b'\x04' if a == '^D' else a.encode() + b'\n')
status = os.waitpid(pid, 0)[1]
sys.stdout.buffer.write(seen)
sys.exit(os.waitstatus_to_exitcode(status))
)";

// The progress line is cleared before the verb ends: the shell's prompt that
// follows starts on a clean line of the terminal.
TEST(ScriptVerbs, ProgressLineIsClearedOnATerminal)
{
    TestDir dir;
    dir.createFile("src/big.bin", sampleBytes(3 << 20));
    dir.createFile("src/small.txt", "small");
    const std::vector<std::vector<std::string>> cases = {
        { "", kProgram, "-a", "a.zip", "src" },
        { "", kProgram, "-t", "a.zip" },
        { "", kProgram, "--delete", "a.zip", "src/small.txt" },
    };
    for (const auto &args : cases) {
        SCOPED_TRACE(args[2]);
        RunResult r = python(kOnATerminal, args, dir.str());
        ASSERT_EQ(r.exitCode, 0) << r.out;
        EXPECT_TRUE(has(r.out, "%")) << "a progress line was drawn: " << r.out;
        // What the terminal's last line shows: each carriage return starts over.
        std::string last = r.out.substr(r.out.rfind('\n') + 1), shown;
        size_t column = 0;
        for (char ch : last) {
            if (ch == '\r') {
                column = 0;
                continue;
            }
            if (column < shown.size())
                shown[column] = ch;
            else
                shown += ch;
            ++column;
        }
        EXPECT_EQ(shown.find_first_not_of(' '), std::string::npos) << "left: " << shown;
    }
}

// Passwords are typed on the terminal without echo: a wrong one is named and
// asked again, the end of input skips the member, and an encrypting add asks
// twice; 7-Zip reads what it wrote.
TEST(ScriptVerbs, PasswordPromptOnATerminal)
{
    TestDir dir;
    dir.createFile("src/a.txt", sampleBytes(5000));
    dir.createFile("src/b.txt", "second");
    const struct
    {
        const char *answers;
        std::vector<std::string> args;
        int status;
        std::vector<const char *> shown;
    } cases[] = {
        { "pw one|pw one", { "-a", "a.zip", "--encrypt", "src" }, 0,
            { "Password for a.zip: ", "Repeat the password: " } },
        { "pw one|other", { "-a", "b.zip", "--encrypt", "src" }, 1,
            { "the passwords do not match" } },
        { "nope|pw one", { "-x", "a.zip", "-o", "out" }, 0,
            { "Password for src/a.txt: ", "Wrong password for src/a.txt" } },
        { "^D|", { "-t", "a.zip" }, 1,
            { "Password for src/a.txt: ", "skipping: src/a.txt (encrypted, no password)" } },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answers);
        std::vector<std::string> args { c.answers, kProgram };
        args.insert(args.end(), c.args.begin(), c.args.end());
        RunResult r = python(kOnATerminal, args, dir.str());
        EXPECT_EQ(r.exitCode, c.status) << r.out;
        for (const char *part : c.shown)
            EXPECT_TRUE(has(r.out, part)) << part << "\n" << r.out;
        EXPECT_FALSE(has(r.out, "pw one")) << "echoed: " << r.out;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "b.zip"));
    EXPECT_EQ(readFile(dir / "out/src/a.txt"), readFile(dir / "src/a.txt"));
    runOk({ "7z", "x", "-bd", "-ppw one", "-oseven", "a.zip" }, dir.str());
    EXPECT_EQ(readFile(dir / "seven/src/b.txt"), "second");
}

// The rate is the bytes done over the time taken, once there is time to speak of.
TEST(ScriptVerbs, ProgressText)
{
    const struct
    {
        uint64_t done, total;
        double seconds;
        const char *text;
    } rows[] = {
        { 0, 100, 0.0, "  0%" },
        { 32768, 1 << 20, 0.001, "  3%" },
        { 50'000'000, 100'000'000, 2.0, " 50%  25.0 MB/s" },
        { 3'000'000'000, 3'000'000'000, 10.0, "100%  300.0 MB/s" },
        { 7, 5, 1.0, "100%  0.0 MB/s" },
        { 5'000'000, 0, 0.5, "  0%  10.0 MB/s" },
    };
    for (const auto &r : rows)
        EXPECT_EQ(progressText(r.done, r.total, r.seconds), r.text) << r.done;
}

// --rename, -a --comment-file and -l --comment done as asked; what they
// refuse is the table of refusals.
TEST(ScriptVerbs, RenameAndComment)
{
    TestDir dir;
    const std::string comment = "line one\n\x1b[31mred\tend";
    dir.createFile("comment.txt", comment);
    dir.createFile("largest.txt", std::string(65535, 'x'));
    const struct
    {
        const char *name;
        std::vector<std::string> args;
        const char *names; // afterwards
    } rows[] = {
        { "member", { "--rename", "a.zip", "a/good.txt", "g.txt" }, "a/b.txt g.txt" },
        { "folder", { "--rename", "a.zip", "a", "z/y" }, "z/y/b.txt z/y/good.txt" },
        { "comment", { "-a", "a.zip", "--comment-file", "comment.txt" }, "a/b.txt a/good.txt" },
        { "largest comment", { "-a", "a.zip", "--comment-file", "largest.txt" },
            "a/b.txt a/good.txt" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string zip = (dir / "a.zip").string();
        writeArchive(zip, "good");
        const ApartResult r = amxApart(row.args, dir.str());
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::string names;
        for (const std::string &n : sortedNames(zip))
            names += (names.empty() ? "" : " ") + n;
        EXPECT_EQ(names, row.names);
        EXPECT_EQ(run({ "unzip", "-tq", zip }).exitCode, 0);
        EXPECT_EQ(run({ "7z", "t", zip }).exitCode, 0);
    }
    // The comment set last is what the peers and -l --comment read.
    const std::string zip = (dir / "a.zip").string();
    ASSERT_EQ(amxApart({ "-a", "a.zip", "--comment-file", "comment.txt" }, dir.str()).exitCode, 0);
    EXPECT_EQ(
        python("import sys, zipfile\nsys.stdout.write(repr(zipfile.ZipFile(sys.argv[1]).comment))",
            { zip })
            .out,
        "b'line one\\n\\x1b[31mred\\tend'");
    const ApartResult listed = amxApart({ "-l", "a.zip", "--comment" }, dir.str());
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.out, "line one\n\\x1B[31mred\\tend\n");
}

// The README's table and the manual pages show the very forms --help shows.
TEST(ScriptVerbs, HelpMatchesTheReadmeAndTheManualPages)
{
    RunResult help = ambermox({ "--help" });
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
    EXPECT_EQ(inHelp.size(), 15u) << help.out;

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
    EXPECT_EQ(ambermox({ "-h" }).out, help.out);
}
