// Self-extractors built from real archives with the real stub, then run.

#include "sfx/SfxWriter.h"
#include "tests/support/Peers.h"
#include "tests/support/Table.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(SfxWriter, installedStubPlace)
{
    // The output name and the stub beside the program: the dialog's test.
    TestDir dir;
    dir.createDir("bin");
    dir.createFile("lib/ambermox/ROVURA.DAT");
    EXPECT_EQ(
        sfxStubPath((dir / "bin").string()), (dir / "bin/../lib/ambermox/ROVURA.DAT").string());
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

TEST(SfxWriter, stubLeavesRoomForTheHeaderWithinTheListingSearch)
{
    // The program lists a file only when its archive starts in the first 60000 bytes.
    EXPECT_LE(fs::file_size(kStub) + 255, 60000u);
}

TEST(SfxWriter, builtProgramExtractsRunsItsCommandAndIsListed)
{
    Built b({ "%temp%/%SFX_SUB%", "Setup", "ls src > marker.txt" });
    const std::string temp = (b.dir / "temp").string();
    fs::create_directory(temp);
    const RunResult r = run({ "env", "TMPDIR=" + temp, "SFX_SUB=unpacked", b.output });
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out.substr(0, 7), "Setup\n\n");
    const fs::path out = fs::path(temp) / "unpacked";
    EXPECT_EQ(readFile(out / "src/data/big.bin"), readFile(b.dir / "src/data/big.bin"));
    EXPECT_EQ(readFile(out / "marker.txt"), "data\nreadme.txt\n");

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
};
AMX_ROW_PRINTS_NAME(StubRow)

class StubSafety : public ::testing::TestWithParam<StubRow>
{
};

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
    fs::create_directories(dir / "outside");
    if (row.planted)
        fs::create_directory_symlink(dir / "outside", dir / "out" / row.planted);

    const RunResult r = run({ output, "-d", (dir / "out").string() });
    EXPECT_EQ(r.exitCode, 1) << r.out;
    EXPECT_NE(r.out.find(row.message), std::string::npos) << r.out;
    EXPECT_TRUE(fs::is_empty(dir / "outside"));
    // Every member is checked before the first is written; a damaged one is removed.
    for (const auto &e : fs::directory_iterator(dir / "out"))
        EXPECT_TRUE(row.planted && e.path().filename() == row.planted) << e.path();
}

INSTANTIATE_TEST_SUITE_P(Rows, StubSafety,
    ::testing::Values(StubRow { "parentComponent",
                          "z.writestr('ok.txt','x'); z.writestr('../outside/evil.txt','x')",
                          "unsafe member name refused: ../outside/evil.txt" },
        StubRow { "absoluteName", "z.writestr('/tmp/evil.txt','x')", "unsafe member name" },
        StubRow {
            "backslashes", "z.writestr('..\\\\outside\\\\evil.txt','x')", "unsafe member name" },
        StubRow { "throughPlantedLink", "z.writestr('link/evil.txt','x')",
            "cannot enter the folder", 0, "link" },
        // The stored CRC of a member that reads back fine otherwise.
        StubRow { "badCrc",
            "i=zipfile.ZipInfo('a.txt'); z.writestr(i,'hello'*100)\n"
            "z.close(); b=bytearray(open(sys.argv[1],'rb').read())\n"
            "c=b.rfind(b'PK\\x01\\x02'); b[c+16]^=1; open(sys.argv[1],'wb').write(b); "
            "z=zipfile.ZipFile(sys.argv[1])",
            "CRC error: a.txt" },
        StubRow { "truncated", "z.writestr('a.txt','hello')", "damaged archive", 30 },
        StubRow { "unsupportedMethod",
            "z.writestr('a.txt','hello',compress_type=zipfile.ZIP_BZIP2)",
            "compression method not supported: a.txt" }),
    RowName());

} // namespace
