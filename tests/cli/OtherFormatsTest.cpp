// "ambermox -l/-t/-x" and the shell verbs on archives that are not ZIP: made
// by the usual tools, read through libarchive; that they are never written is
// the command line's table of refusals.

#include "Peers.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

RunResult shell(const std::string &command, const std::string &cwd)
{
    return run({ "sh", "-c", command }, cwd);
}

struct FormatCase
{
    const char *name;
    const char *archive;
    const char *make; // run in the folder that holds src/
    const char *root; // where src's files land ("src/", or "" for ISO)
};

// src/ holds a text file, a random binary one below a folder, and a link.
void makeSource(TestDir &dir)
{
    dir.createFile("src/a.txt", "hello\n");
    std::string bin;
    for (uint32_t i = 0; i < 300000; ++i)
        bin += char((i * 7919) >> 3);
    dir.createFile("src/sub/b.bin", bin);
    fs::create_symlink("a.txt", dir / "src/link");
}

const FormatCase formats[] = {
    { "TarGz", "t.tar.gz", "tar czf t.tar.gz src", "src/" },
    { "TarXz", "t.tar.xz", "tar cJf t.tar.xz src", "src/" },
    { "TarZst", "t.tar.zst", "tar --zstd -cf t.tar.zst src", "src/" },
    { "TarBz2", "t.tar.bz2", "tar cjf t.tar.bz2 src", "src/" },
    { "TarLz4", "t.tar.lz4", "tar cf - src | lz4 -q > t.tar.lz4", "src/" },
    { "SevenZip", "t.7z", "7z a -bd -snl t.7z src >/dev/null", "src/" },
    { "Cpio", "t.cpio", "bsdtar --format cpio -cf t.cpio src", "src/" },
    { "Iso", "t.iso", "bsdtar --format iso9660 -cf t.iso -C src .", "" },
    // The content decides, not the name.
    { "TarNamedZip", "tar-inside.zip", "tar czf tar-inside.zip src", "src/" },
};

class OtherFormats : public testing::TestWithParam<FormatCase>
{
};

TEST_P(OtherFormats, ListTestExtract)
{
    const FormatCase &c = GetParam();
    TestDir dir;
    makeSource(dir);
    ASSERT_EQ(shell(c.make, dir.str()).exitCode, 0);
    const std::string root = c.root;

    RunResult list = ambermox({ "-l", c.archive }, dir.str());
    EXPECT_EQ(list.exitCode, 0) << list.out;
    EXPECT_TRUE(has(list.out, "a.txt\t")) << list.out;
    EXPECT_TRUE(has(list.out, "\t300000\t?\t?\t" + root + "sub/\n")) << list.out;

    RunResult test = ambermox({ "-t", c.archive }, dir.str());
    EXPECT_EQ(test.exitCode, 0) << test.out;
    EXPECT_TRUE(has(test.out, "No errors detected in")) << test.out;

    RunResult extract = ambermox({ "-x", c.archive, "-o", "out" }, dir.str());
    EXPECT_EQ(extract.exitCode, 0) << extract.out;
    EXPECT_EQ(readFile(dir / ("out/" + root + "a.txt")), "hello\n");
    EXPECT_EQ(readFile(dir / ("out/" + root + "sub/b.bin")), readFile(dir / "src/sub/b.bin"));
    EXPECT_EQ(fs::read_symlink(dir / ("out/" + root + "link")), "a.txt");

    // Selected by pattern, without folder names, then kept unless overwriting:
    // the engine's steps, the same for every format.
    if (c.name != std::string("TarXz"))
        return;
    RunResult picked =
        ambermox({ "-x", c.archive, "-o", "picked", "--pattern", "*.bin" }, dir.str());
    EXPECT_EQ(picked.exitCode, 0) << picked.out;
    EXPECT_TRUE(fs::exists(dir / ("picked/" + root + "sub/b.bin")));
    EXPECT_FALSE(fs::exists(dir / ("picked/" + root + "a.txt")));
    dir.createFile("picked/" + root + "sub/b.bin", "mine");
    RunResult kept = ambermox({ "-x", c.archive, "-o", "picked", "--pattern", "*.bin" }, dir.str());
    EXPECT_TRUE(has(kept.out, "(file exists)")) << kept.out;
    EXPECT_EQ(readFile(dir / ("picked/" + root + "sub/b.bin")), "mine");
    EXPECT_EQ(ambermox({ "-x", c.archive, "-o", "picked", "--overwrite", "--pattern", "*.bin" },
                  dir.str())
                  .exitCode,
        0);
    EXPECT_EQ(readFile(dir / ("picked/" + root + "sub/b.bin")), readFile(dir / "src/sub/b.bin"));
}

INSTANTIATE_TEST_SUITE_P(Formats, OtherFormats, testing::ValuesIn(formats),
    [](const testing::TestParamInfo<FormatCase> &info) {
        return std::string(info.param.name);
    });

TEST(OtherFormatsTest, RarWrittenByHand)
{
    TestDir dir;
    ASSERT_EQ(
        run({ "python3", std::string(AMX_SOURCE_DIR) + "/tests/cli/data/make_rar5.py", "x.rar" },
            dir.str())
            .exitCode,
        0);
    RunResult list = ambermox({ "-l", "x.rar" }, dir.str());
    EXPECT_EQ(list.exitCode, 0) << list.out;
    EXPECT_TRUE(has(list.out, "readme.txt\t")) << list.out;
    EXPECT_EQ(ambermox({ "-t", "x.rar" }, dir.str()).exitCode, 0);
    EXPECT_EQ(ambermox({ "-x", "x.rar", "-o", "out", "docs/readme.txt" }, dir.str()).exitCode, 0);
    EXPECT_EQ(readFile(dir / "out/docs/readme.txt"), "hello from rar\n");
    EXPECT_FALSE(fs::exists(dir / "out/docs/data.bin"));
}

TEST(OtherFormatsTest, LoneCompressedFileIsOneMember)
{
    TestDir dir;
    dir.createFile("notes.txt", "a few notes\n");
    ASSERT_EQ(shell("xz -k notes.txt && zstd -q notes.txt -o notes.txt.zst && mkdir in && mv "
                    "notes.txt.xz notes.txt.zst in/",
                  dir.str())
                  .exitCode,
        0);
    for (const char *archive : { "in/notes.txt.xz", "in/notes.txt.zst" }) {
        RunResult list = ambermox({ "-l", archive }, dir.str());
        EXPECT_EQ(list.exitCode, 0) << list.out;
        EXPECT_TRUE(has(list.out, "notes.txt\t")) << list.out;
        EXPECT_TRUE(has(list.out, "\t?\t?\t?\t")) << "a stream does not say its size: " << list.out;
        fs::remove_all(dir / "out");
        EXPECT_EQ(ambermox({ "-x", archive, "-o", "out" }, dir.str()).exitCode, 0);
        EXPECT_EQ(readFile(dir / "out/notes.txt"), "a few notes\n");
    }
}

TEST(OtherFormatsTest, ShellVerbsExtractNextToTheArchive)
{
    TestDir dir;
    makeSource(dir);
    ASSERT_EQ(
        shell("tar cJf src.tar.xz src && mkdir -p here && cp src.tar.xz here/", dir.str()).exitCode,
        0);
    RunResult sub =
        run({ "env", "QT_QPA_PLATFORM=offscreen", kProgram, "-es", "src.tar.xz" }, dir.str());
    EXPECT_EQ(sub.exitCode, 0) << sub.out;
    EXPECT_EQ(readFile(dir / "src/src/a.txt"), "hello\n");
    RunResult here =
        run({ "env", "QT_QPA_PLATFORM=offscreen", kProgram, "-e", "here/src.tar.xz" }, dir.str());
    EXPECT_EQ(here.exitCode, 0) << here.out;
    EXPECT_EQ(readFile(dir / "here/src/sub/b.bin"), readFile(dir / "src/sub/b.bin"));
}

TEST(OtherFormatsTest, DamageIsToldAndWhatCameBeforeIsKept)
{
    TestDir dir;
    makeSource(dir);
    dir.createFile("src/zz-last.bin", std::string(2 << 20, 'z'));
    ASSERT_EQ(shell("tar cf t.tar src/a.txt src/sub src/zz-last.bin && head -c 1500000 t.tar > "
                    "cut.tar && 7z a -bd -pSECRET enc.7z src/a.txt >/dev/null",
                  dir.str())
                  .exitCode,
        0);
    RunResult cut = ambermox({ "-x", "cut.tar", "-o", "out" }, dir.str());
    EXPECT_NE(cut.exitCode, 0);
    EXPECT_TRUE(has(cut.out, "cut.tar (Truncated tar archive)")) << cut.out;
    EXPECT_EQ(readFile(dir / "out/src/a.txt"), "hello\n");
    EXPECT_FALSE(fs::exists(dir / "out/src/zz-last.bin"));

    // Encrypted 7z data: libarchive cannot decrypt it, and says so per member.
    RunResult enc = ambermox({ "-x", "enc.7z", "-o", "enc" }, dir.str());
    EXPECT_EQ(enc.exitCode, 1);
    EXPECT_TRUE(has(enc.out, "encrypted in a way this program cannot read")) << enc.out;
}

} // namespace

// Nothing in the archive can be extracted: a failure with the reason, never a success.
TEST(OtherFormatsTest, OnlyDevicesIsAFailure)
{
    TestDir dir;
    ASSERT_EQ(
        run({ "python3", "-c",
                "import tarfile\n"
                "with tarfile.open('dev.tar', 'w') as t:\n"
                "    i = tarfile.TarInfo('null'); i.type = tarfile.CHRTYPE\n"
                "    i.devmajor, i.devminor = 1, 3; t.addfile(i)\n"
                "    i = tarfile.TarInfo('fifo'); i.type = tarfile.FIFOTYPE; t.addfile(i)\n" },
            dir.str())
            .exitCode,
        0);
    for (const char *verb : { "-x", "-e", "-es" }) {
        const RunResult r = run({ "env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                                    "QT_QPA_PLATFORM=offscreen", kProgram, verb, "dev.tar" },
            dir.str());
        EXPECT_EQ(r.exitCode, 1) << verb << ": " << r.out;
        EXPECT_TRUE(has(r.out, "null (a device, FIFO or socket: not extracted)"))
            << verb << ": " << r.out;
    }
    EXPECT_FALSE(fs::exists(dir / "null"));
    EXPECT_FALSE(fs::exists(dir / "dev/null"));
}
