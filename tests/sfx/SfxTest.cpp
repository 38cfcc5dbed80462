// Self-extractors built from real archives with the real stub, then run.

#include "Peers.h"
#include "SfxWriter.h"
#include "Table.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <unistd.h>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

const std::string kStub = AMX_SFX_STUB;

TEST(SfxWriter, headerIsLaidOutByteForByte)
{
    const std::pair<SfxSettings, std::string> rows[] = {
        { {}, std::string("AMX\x07\xff\xff\xff", 7) },
        { { "%temp%", "Setup", "" }, std::string("AMX\x12\x05\x06\xff", 7) + "Setup%temp%" },
        { { "d", "cc", "x y" }, std::string("AMX\x0d\x02\x01\x03", 7) + "ccdx y" },
    };
    for (const auto &[settings, header] : rows)
        EXPECT_EQ(sfxHeader(settings), header);
}

// The three texts share 255 bytes; an archive named .exe is refused in any case.
TEST(SfxWriter, refusesBeforeAnythingIsWritten)
{
    const struct
    {
        size_t folder, caption, command; // lengths
        std::string archive;
        bool refused;
    } rows[] = {
        { 100, 100, 48, "/d/a.zip", false },
        { 100, 100, 49, "/d/a.zip", true },
        { 0, 255, 0, "/d/a.zip", true },
        { 6, 0, 0, "/d/setup.exe", true },
        { 6, 0, 0, "/d/setup.EXE", true },
        { 6, 0, 0, "/d/setupexe", false },
    };
    for (const auto &row : rows) {
        const SfxSettings s { std::string(row.folder, 'f'), std::string(row.caption, 'c'),
            std::string(row.command, 'x') };
        EXPECT_EQ(!sfxRefusal(s, row.archive).empty(), row.refused) << row.command << row.archive;
    }
}

// Always beside the archive, whatever its name.
TEST(SfxWriter, outputNameStaysInTheArchivesFolder)
{
    const std::pair<std::string, std::string> rows[] = {
        { "/d/tools.zip", "/d/tools.EXE" },
        { "docs/ab", "docs/ab.EXE" },
        { "ab", "ab.EXE" },
        { "/d.x/ab", "/d.x/ab.EXE" },
        { "/d/a.tar.gz", "/d/a.tar.gz.EXE" },
        { "/d/a.zipx", "/d/a.zipx.EXE" },
        { "/d/.zip", "/d/.zip.EXE" },
        { "/d/..zip", "/d/..zip.EXE" },
    };
    for (const auto &[archive, output] : rows)
        EXPECT_EQ(sfxOutputName(archive), output);
}

// The output name and the stub beside the program: the dialog's test. The
// program lists a file only when its archive starts in the first 60000 bytes.
TEST(SfxWriter, installedStubPlaceAndSize)
{
    TestDir dir;
    dir.createDir("bin");
    dir.createFile("lib/ambermox/ROVURA.DAT");
    EXPECT_EQ(
        sfxStubPath((dir / "bin").string()), (dir / "bin/../lib/ambermox/ROVURA.DAT").string());
    EXPECT_LE(fs::file_size(kStub) + 255, 60000u);
}

// An archive of a few files, its self-extractor beside it.
struct Built
{
    TestDir dir;
    std::string archive = (dir / "setup.zip").string();
    std::string output = (dir / "setup.EXE").string();

    explicit Built(const SfxSettings &settings)
    {
        dir.createFile("src/readme.txt", "read me\n");
        dir.createFile("src/data/big.bin", sampleBytes(300000));
        runOk({ "zip", "-q", "-r", archive, "src" }, dir.str());
        writeSelfExtractor(kStub, settings, archive, output);
    }
};

TEST(SfxWriter, writesStubHeaderAndArchiveReplacingTheOldOutput)
{
    Built b({ "%temp%", "Setup", "" });
    EXPECT_EQ(readFile(b.output),
        readFile(kStub) + sfxHeader({ "%temp%", "Setup", "" }) + readFile(b.archive));
    // Executable: the built program's test runs it.

    writeSelfExtractor(kStub, {}, b.archive, b.output);
    EXPECT_EQ(fs::file_size(b.output), fs::file_size(kStub) + 7 + fs::file_size(b.archive));

    // A failed build leaves the last complete output and no partial one.
    EXPECT_THROW(writeSelfExtractor(kStub + ".missing", {}, b.archive, b.output), SfxError);
    EXPECT_THROW(writeSelfExtractor(kStub, {}, b.archive + ".missing", b.output), SfxError);
    EXPECT_EQ(fs::file_size(b.output), fs::file_size(kStub) + 7 + fs::file_size(b.archive));
    EXPECT_EQ(std::distance(fs::directory_iterator(b.dir.path()), fs::directory_iterator()), 3);
}

// The folders directly inside folder.
std::vector<fs::path> subfolders(const fs::path &folder)
{
    std::vector<fs::path> found;
    for (const auto &e : fs::directory_iterator(folder))
        if (e.is_directory() && !e.is_symlink())
            found.push_back(e.path());
    return found;
}

TEST(SfxWriter, builtProgramExtractsRunsItsCommandAndIsListed)
{
    // "%temp%" is a new private folder for each run; the header's folder may
    // be written with backslashes.
    Built b({ "%temp%\\%SFX_SUB%", "Setup", "ls src > marker.txt" });
    const std::string temp = (b.dir / "temp").string();
    fs::create_directory(temp);
    for (int i = 0; i < 2; ++i) {
        const RunResult r = run({ "env", "TMPDIR=" + temp, "SFX_SUB=unpacked", b.output });
        ASSERT_EQ(r.exitCode, 0) << r.out;
        EXPECT_EQ(r.out.substr(0, 7), "Setup\n\n");
    }
    const std::vector<fs::path> runs = subfolders(temp);
    ASSERT_EQ(runs.size(), 2u);
    for (const fs::path &made : runs) {
        EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all);
        const fs::path out = made / "unpacked";
        EXPECT_EQ(readFile(out / "src/data/big.bin"), readFile(b.dir / "src/data/big.bin"));
        EXPECT_EQ(readFile(out / "marker.txt"), "data\nreadme.txt\n");
    }

    // -d overrides the folder; the command runs there.
    const RunResult d = run({ b.output, "-d", (b.dir / "chosen").string() });
    ASSERT_EQ(d.exitCode, 0) << d.out;
    EXPECT_EQ(readFile(b.dir / "chosen/src/readme.txt"), "read me\n");
    EXPECT_EQ(readFile(b.dir / "chosen/marker.txt"), "data\nreadme.txt\n");

    const RunResult listed = run({ "env", "XDG_CONFIG_HOME=" + (b.dir / "cfg").string(),
        std::string(AMX_BIN_DIR) + "/ambermox", "-l", b.output });
    ASSERT_EQ(listed.exitCode, 0) << listed.out;
    EXPECT_NE(listed.out.find("big.bin\t"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("readme.txt\t"), std::string::npos) << listed.out;
}

// Hostile and damaged archives: the stub says why, exits non-zero and leaves
// nothing behind, inside its folder or outside.
struct StubRow
{
    const char *name;
    const char *script; // writes the archive sys.argv[1] with Python's zipfile
    const char *message;
    long cutBytes = 0; // from the end of the built program
    const char *planted = nullptr; // a link in the folder, to the outside
    const char *left = ""; // what the folder holds afterwards
    int exitCode = 1;
};
AMX_ROW_PRINTS_NAME(StubRow)

class StubSafety : public ::testing::TestWithParam<StubRow>
{
};

// The paths below folder, sorted, separated by blanks; links are not entered.
std::string listing(const fs::path &folder, bool recursive = true)
{
    std::vector<std::string> names;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::end(it); ++it) {
        names.push_back(it->path().lexically_relative(folder).string());
        if (!recursive)
            it.disable_recursion_pending();
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string &name : names)
        joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

TEST_P(StubSafety, refusesWithAMessage)
{
    const StubRow &row = GetParam();
    TestDir dir;
    const std::string archive = (dir / "a.zip").string(), output = (dir / "a.EXE").string();
    runOk({ "python3", "-c",
        std::string("import zipfile,sys\n"
                    "z=zipfile.ZipFile(sys.argv[1],'w',zipfile.ZIP_DEFLATED)\n")
            + row.script + "\nz.close()\n",
        archive });
    writeSelfExtractor(kStub, {}, archive, output);
    if (row.cutBytes)
        fs::resize_file(output, fs::file_size(output) - row.cutBytes);
    fs::create_directories(dir / "out");
    fs::permissions(dir / "out", fs::perms(0755)); // the user's alone, whatever the umask
    fs::create_directories(dir / "outside");
    if (row.planted)
        fs::create_directory_symlink(dir / "outside", dir / "out" / row.planted);

    const RunResult r = run({ output, "-d", (dir / "out").string() });
    EXPECT_EQ(r.exitCode, row.exitCode) << r.out;
    EXPECT_NE(r.out.find(row.message), std::string::npos) << r.out;
    EXPECT_TRUE(fs::is_empty(dir / "outside"));
    EXPECT_EQ(listing(dir.path(), false), "a.EXE a.zip out outside");
    // Every member is checked before the first is written; a damaged one is removed.
    EXPECT_EQ(listing(dir / "out"), row.left);
    // Names from the archive reach the terminal escaped.
    EXPECT_TRUE(std::all_of(r.out.begin(), r.out.end(), [](char c) {
        return c == '\n' || static_cast<unsigned char>(c) >= 0x20;
    })) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Rows, StubSafety,
    ::testing::Values(StubRow { "parentComponent",
                          "z.writestr('ok.txt','x'); z.writestr('../outside/evil.txt','x')",
                          "unsafe member name refused: ../outside/evil.txt" },
        StubRow { "absoluteName", "z.writestr('/tmp/evil.txt','x')", "unsafe member name" },
        StubRow {
            "backslashes", "z.writestr('..\\\\outside\\\\evil.txt','x')", "unsafe member name" },
        StubRow { "throughPlantedLink", "z.writestr('link/evil.txt','x')",
            "cannot enter the folder", 0, "link", "link" },
        StubRow { "truncated", "z.writestr('a.txt','hello')", "damaged archive", 30 },
        StubRow { "unsupportedMethod",
            "z.writestr('a.txt','hello',compress_type=zipfile.ZIP_BZIP2)",
            "compression method not supported: a.txt" },
        // Five records of one member's data would write it five times over.
        StubRow { "overlapSameData",
            "z.writestr('a.txt','hello'*20000)\n"
            "z.close(); b=open(sys.argv[1],'rb').read()\n"
            "c=b.rfind(b'PK\\x01\\x02'); e=b.rfind(b'PK\\x05\\x06')\n"
            "d=b''.join(b[c:e].replace(b'a.txt',n+b'.txt') for n in (b'a',b'b',b'c',b'd',b'e'))\n"
            "t=bytearray(b[e:]); t[8:10]=t[10:12]=(5).to_bytes(2,'little')\n"
            "t[12:16]=len(d).to_bytes(4,'little'); open(sys.argv[1],'wb').write(b[:c]+d+t)\n"
            "z=zipfile.ZipFile(sys.argv[1])",
            "overlaps another member, possible zip bomb: b.txt" },
        // A member's data running into the next member's header.
        StubRow { "overlapIntoNext",
            "z.writestr('a.txt','x'*50,compress_type=zipfile.ZIP_STORED)\n"
            "z.writestr('b.txt','y'*50,compress_type=zipfile.ZIP_STORED)\n"
            "z.close(); b=bytearray(open(sys.argv[1],'rb').read()); c=b.find(b'PK\\x01\\x02')\n"
            "b[c+20]+=10; b[c+24]+=10; open(sys.argv[1],'wb').write(b); "
            "z=zipfile.ZipFile(sys.argv[1])",
            "overlaps another member, possible zip bomb: a.txt" },
        // The stored CRC of a member that reads back fine otherwise.
        StubRow { "badCrcNameEscaped",
            "i=zipfile.ZipInfo('bad\\x1b]0;x\\x07\\n\\u202e.txt'); z.writestr(i,'hello'*100)\n"
            "z.close(); b=bytearray(open(sys.argv[1],'rb').read())\n"
            "c=b.rfind(b'PK\\x01\\x02'); b[c+16]^=1; open(sys.argv[1],'wb').write(b); "
            "z=zipfile.ZipFile(sys.argv[1])",
            "CRC error: bad\\x1B]0;x\\x07\\n\\u{202E}.txt" },
        // Links are not extracted, so a chain of them leads nowhere: "e/x"
        // is written into a real folder "e" inside.
        StubRow { "linkChain",
            "def link(n,t):\n"
            "  i=zipfile.ZipInfo(n); i.create_system=3; i.external_attr=0o120777<<16\n"
            "  z.writestr(i,t)\n"
            "link('sub/d','..'); link('e','sub/d/..'); z.writestr('e/x','x')",
            "link not extracted: e", 0, nullptr, "e e/x", 0 },
        // Temporary names cannot collide with a member's name.
        StubRow { "memberNamedLikeATemporaryFile",
            "z.writestr('.amxsfx-00000000002','x'); z.writestr('b.txt','y')", "  b.txt", 0, nullptr,
            ".amxsfx-00000000002 b.txt", 0 }),
    RowName());

// The folder the files go to and the command runs in, when another user
// might control it. "@" stands for the temporary folder: sticky and
// writable by all, like /tmp, holding "myapp" of the row's mode (made by
// another user where the row says so) and a file another user left there.
struct FolderRow
{
    const char *name;
    const char *folder; // in the header, or given with -d
    bool option; // -d
    unsigned mode; // of @/myapp
    bool otherUser; // owns @/myapp and the link @/link when the test runs as root
    const char *message; // empty: extracted, into a new folder of its own
};
AMX_ROW_PRINTS_NAME(FolderRow)

class StubFolder : public ::testing::TestWithParam<FolderRow>
{
};

TEST_P(StubFolder, writesOnlyWhereNobodyElseCan)
{
    const FolderRow &row = GetParam();
    constexpr uid_t kNobody = 65534;
    if (row.otherUser && *row.message && ::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a folder to another user";
    TestDir dir;
    const fs::path temp = dir.createDir("tmp"), shared = dir.createDir("tmp/myapp");
    fs::permissions(temp, fs::perms(01777));
    fs::permissions(shared, fs::perms(row.mode));
    const fs::path stray = dir.createFile("tmp/.amxsfx-00000000001", "left by another user");
    fs::create_directory_symlink(dir.createDir("own"), temp / "link");
    if (::geteuid() == 0) {
        EXPECT_EQ(::lchown(stray.c_str(), kNobody, kNobody), 0);
        if (row.otherUser) { // what another user made first
            EXPECT_EQ(::chown(shared.c_str(), kNobody, kNobody), 0);
            EXPECT_EQ(::lchown((temp / "link").c_str(), kNobody, kNobody), 0);
        }
    }
    std::string folder = row.folder;
    if (folder[0] == '@')
        folder.replace(0, 1, temp.string());
    const std::string archive = zipFiles(dir / "a.zip", { { "note.txt", "note" } });
    const std::string output = (dir / "a.EXE").string(), marker = (dir / "ran").string();
    writeSelfExtractor(
        kStub, { row.option ? "" : folder, "", "touch \"$SFX_MARK\"" }, archive, output);
    std::vector<std::string> argv { "env", "TMPDIR=" + temp.string(), "SFX_MARK=" + marker,
        "SFX_SHARED=" + shared.string(), output };
    if (row.option)
        argv.insert(argv.end(), { "-d", folder });
    const RunResult r = run(argv);

    EXPECT_TRUE(fs::is_empty(shared));
    if (*row.message) {
        EXPECT_EQ(r.exitCode, 1) << r.out;
        const std::string named = folder == "%SFX_SHARED%" ? shared.string() : folder;
        EXPECT_NE(r.out.find(std::string(row.message) + ": " + named), std::string::npos) << r.out;
        EXPECT_EQ(std::tuple(fs::exists(marker), listing(temp), fs::is_empty(dir / "own")),
            std::tuple(false, ".amxsfx-00000000001 link myapp", true));
        return;
    }
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_TRUE(fs::exists(marker));
    const std::vector<fs::path> made = subfolders(temp);
    ASSERT_EQ(made.size(), 2u); // myapp and the new one
    const fs::path mine = made[0] == shared ? made[1] : made[0];
    EXPECT_EQ(fs::status(mine).permissions(), fs::perms::owner_all);
    EXPECT_EQ(readFile(mine / "myapp/note.txt"), "note");
}

INSTANTIATE_TEST_SUITE_P(Rows, StubFolder,
    ::testing::Values(FolderRow { "tempIsAPrivateFolder", "%temp%\\myapp", false, 0777, true, "" },
        FolderRow { "sharedFolderInTheHeader", "@/myapp", false, 0777, false,
            "refused, other users can write to the folder" },
        FolderRow { "sharedFolderGiven", "@/myapp", true, 0777, false,
            "refused, other users can write to the folder" },
        FolderRow { "groupWritableAfterExpansion", "%SFX_SHARED%", false, 0775, false,
            "refused, other users can write to the folder" },
        FolderRow { "sharedParentGiven", "@", true, 0755, false,
            "refused, other users can write to the folder" },
        FolderRow { "folderOfAnotherUser", "@/myapp", true, 0755, true,
            "refused, the folder belongs to another user" },
        FolderRow { "linkOfAnotherUser", "@/link", false, 0755, true,
            "refused, a link of another user in the path of the folder" }),
    RowName());

// A member of a few hundred megabytes in a small archive: inflated in
// pieces, never held whole. A run killed in the middle blocks no rerun.
TEST(SfxStub, largeMemberInBoundedMemoryAndAKilledRunBlocksNoRerun)
{
    constexpr long kMember = 256L << 20;
    TestDir dir;
    const std::string archive = (dir / "big.zip").string(), output = (dir / "big.EXE").string();
    const fs::path out = dir.createDir("out");
    fs::permissions(out, fs::perms(0755));
    runOk({ "python3", "-c",
        "import zipfile,sys,random\n"
        "block=random.Random(1).randbytes(4096)\n"
        "with zipfile.ZipFile(sys.argv[1],'w',zipfile.ZIP_DEFLATED) as z:\n"
        "  with z.open('big.bin','w') as f:\n"
        "    for i in range(int(sys.argv[2])//4096): f.write(block)\n",
        archive, std::to_string(kMember) });
    ASSERT_LT(fs::file_size(archive), 8u << 20);
    writeSelfExtractor(kStub, {}, archive, output);

    // Peak memory, measured by a parent of its own.
    const RunResult r = run({ "python3", "-c",
        "import resource,subprocess,sys\n"
        "r=subprocess.run(sys.argv[1:],stdout=subprocess.DEVNULL,stderr=subprocess.PIPE)\n"
        "print(r.returncode, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)\n"
        "sys.stdout.write(r.stderr.decode())",
        output, "-d", out.string() });
    int exitCode = -1;
    long maxKiB = 0;
    ASSERT_EQ(std::sscanf(r.out.c_str(), "%d %ld", &exitCode, &maxKiB), 2) << r.out;
    EXPECT_EQ(exitCode, 0) << r.out;
    EXPECT_LT(maxKiB, 64L << 10);

    // Run again, killed once its member's name is out, while it writes.
    Started killed({ output, "-d", out.string() });
    EXPECT_TRUE(killed.waitFor("  big.bin\n"));
    killed.kill();
    killed.finish();

    const RunResult rerun = run({ output, "-d", out.string() });
    EXPECT_EQ(rerun.exitCode, 0) << rerun.out;
    EXPECT_EQ(std::pair(listing(out), long(fs::file_size(out / "big.bin"))),
        std::pair(std::string("big.bin"), kMember));
}

} // namespace
