// Archives written by other tools extract to exactly what Info-ZIP unzip
// extracts from them: names, content, links, times and modes.
#include "LibHarness.h"
#include "TreeSnapshot.h"
#include "tests/support/Peers.h"
#include "tests/support/TestDir.h"

#include "tests/support/Table.h"
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

struct PeerCase
{
    const char *name;
    // Makes "a.zip" in the test folder from the tree in "src".
    void (*make)(TestDir &dir);
    // Info-ZIP unzip is the reference, except where it mis-reads the archive:
    // it ignores the UTF-8 flag in fastjar's archives, which 7-Zip honours.
    bool referenceIs7z = false;
};
AMX_ROW_PRINTS_NAME(PeerCase)

std::string src(TestDir &dir)
{
    return (dir / "src").string();
}
std::string zipPath(TestDir &dir)
{
    return (dir / "a.zip").string();
}

void makeWithZip(TestDir &dir)
{
    runOk({ "zip", "-q", "-r", "-y", zipPath(dir), "." }, src(dir));
}
void makeWith7z(TestDir &dir)
{
    runOk({ "7z", "a", "-tzip", "-bd", zipPath(dir), "." }, src(dir));
}
void makeWithJar(TestDir &dir)
{
    runOk({ jarProgram(), "cf", zipPath(dir), "-C", src(dir), "." });
}
void makeWithBsdtar(TestDir &dir)
{
    runOk({ "bsdtar", "--format", "zip", "-cf", zipPath(dir), "." }, src(dir));
}

void makeWithPython(TestDir &dir)
{
    const char *script = R"(
import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    for root, dirs, files in os.walk('.'):
        dirs.sort()
        for name in sorted(files) + [d for d in dirs if not os.listdir(os.path.join(root, d))]:
            path = os.path.join(root, name)
            if os.path.islink(path):
                continue
            info = zipfile.ZipInfo.from_file(path)
            if info.is_dir():
                z.writestr(info, b'')
                continue
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, 'rb') as f, z.open(info, 'w', force_zip64=True) as out:
                out.write(f.read())
)";
    RunResult r = python(script, { zipPath(dir) }, src(dir));
    ASSERT_EQ(r.exitCode, 0) << r.out;
}

// An archive appended to a program, offsets not adjusted.
void makeSelfExtractor(TestDir &dir)
{
    std::string plain = (dir / "plain.zip").string();
    runOk({ "zip", "-q", "-r", "-y", plain, "." }, src(dir));
    writeFile(dir / "a.zip", readFile("/bin/true") + readFile(plain));
}

// The same, offsets adjusted to the file start as zip -A does.
void makeAdjustedSelfExtractor(TestDir &dir)
{
    makeSelfExtractor(dir);
    runOk({ "zip", "-q", "-A", zipPath(dir) });
}

class PeerArchiveTest : public testing::TestWithParam<PeerCase>
{
};

TEST_P(PeerArchiveTest, ExtractsWhatUnzipExtracts)
{
    TestDir dir;
    dir.createFile("src/plain.txt", sampleBytes(50000, 1));
    dir.createFile("src/empty");
    dir.createFile("src/sub/deep/data.bin", sampleBytes(200000, 2));
    dir.createFile("src/sub/Grüße ☃.txt", "hello");
    dir.createFile("src/big.bin", sampleBytes(17 << 20, 3)); // streamed, not whole
    dir.createDir("src/emptydir");
    fs::create_symlink("plain.txt", dir / "src/link");
    fs::permissions(dir / "src/plain.txt", fs::perms(0600));
    GetParam().make(dir);

    dir.createDir("ref");
    RunResult ref = GetParam().referenceIs7z
        ? run({ "7z", "x", "-bd", "-o" + (dir / "ref").string(), zipPath(dir) })
        : run({ "unzip", "-q", "-o", zipPath(dir), "-d", (dir / "ref").string() });
    ASSERT_LE(ref.exitCode, 1) << ref.out; // 1: warnings only

    dir.createDir("ours");
    Recorder rec;
    EXPECT_GT(runExtract((dir / "ours").string(), { .archive = zipPath(dir) }, rec), 0)
        << rec.dump();
    EXPECT_TRUE(rec.errorCodes().empty()) << rec.dump();
    EXPECT_EQ(diffTrees(snapshot(dir / "ref"), snapshot(dir / "ours")), "");
}

INSTANTIATE_TEST_SUITE_P(Peers, PeerArchiveTest,
    testing::Values(PeerCase { "InfoZip", makeWithZip }, PeerCase { "SevenZip", makeWith7z },
        PeerCase { "PythonZip64", makeWithPython }, PeerCase { "Jar", makeWithJar, true },
        PeerCase { "BsdtarDescriptors", makeWithBsdtar },
        PeerCase { "SelfExtractor", makeSelfExtractor },
        PeerCase { "AdjustedSelfExtractor", makeAdjustedSelfExtractor }),
    amxtest::RowName());

// Members we copy unchanged into a peer's archive stay readable by the peers.
TEST(PeerArchiveEditTest, AddToAndDeleteFromPeerArchives)
{
    for (auto make : { makeWithZip, makeWithBsdtar, makeWithJar, makeSelfExtractor }) {
        TestDir dir;
        dir.createFile("src/a.txt", sampleBytes(40000, 1));
        dir.createFile("src/b/c.txt", sampleBytes(40000, 2));
        make(dir);
        dir.createFile("new.txt", "new member");
        Recorder rec;
        CurrentDir cd(dir.str());
        ASSERT_EQ(runAdd({ .archive = zipPath(dir), .specs = { "new.txt" } }, rec), 1)
            << rec.dump();
        EXPECT_EQ(runDelete(zipPath(dir), { "a.txt", "./a.txt" }, rec), 1) << rec.dump();
        expectPeersAccept(zipPath(dir));
    }
}

} // namespace
