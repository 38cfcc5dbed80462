// Archives written by other tools extract to exactly what Info-ZIP unzip
// extracts from them: names, content, links, times and modes.
#include "LibHarness.h"
#include "Peers.h"
#include "TestDir.h"
#include "TreeSnapshot.h"

#include "Table.h"
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace amxtest;

namespace {

struct PeerCase
{
    const char *name;
    // Run by the shell in "src"; writes "../a.zip" from the tree there.
    const char *make;
    // Info-ZIP unzip is the reference, except where it mis-reads the archive:
    // it ignores the UTF-8 flag in fastjar's archives, which 7-Zip honours.
    bool referenceIs7z = false;
};
AMX_ROW_PRINTS_NAME(PeerCase)

const char kZip[] = "zip -q -r -y ../a.zip .";
const char kBsdtar[] = "bsdtar --format zip -cf ../a.zip .";
const char kJar[] = "$JAR cf ../a.zip .";
// An archive appended to a program, offsets not adjusted.
const char kSelfExtractor[] = "zip -q -r -y ../p.zip . && cat /bin/true ../p.zip > ../a.zip";

const PeerCase kPeers[] = {
    { "InfoZip", kZip },
    { "SevenZip", "7z a -tzip -bd ../a.zip ." },
    { "PythonZip64", R"(python3 -c '
import os, zipfile
with zipfile.ZipFile("../a.zip", "w", zipfile.ZIP_DEFLATED) as z:
    for root, dirs, files in sorted(os.walk(".")):
        for name in sorted(files):
            info = zipfile.ZipInfo.from_file(os.path.join(root, name))
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(root, name), "rb") as f, z.open(info, "w", force_zip64=True) as o:
                o.write(f.read())
')" },
    { "Jar", kJar, true },
    { "BsdtarDescriptors", kBsdtar },
    { "SelfExtractor", kSelfExtractor },
    // Offsets adjusted to the file start, as zip -A does.
    { "AdjustedSelfExtractor",
        "zip -q -r -y ../p.zip . && cat /bin/true ../p.zip > ../a.zip "
        "&& zip -q -A ../a.zip" },
};

std::string zipPath(TestDir &dir)
{
    return (dir / "a.zip").string();
}

void make(TestDir &dir, const char *command)
{
    runOk({ "sh", "-c", std::string("JAR=") + jarProgram() + "; " + command },
        (dir / "src").string());
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
    make(dir, GetParam().make);

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

INSTANTIATE_TEST_SUITE_P(Peers, PeerArchiveTest, testing::ValuesIn(kPeers), amxtest::RowName());

// Members we copy unchanged into a peer's archive stay readable by the peers.
TEST(PeerArchiveEditTest, AddToAndDeleteFromPeerArchives)
{
    for (const char *command : { kZip, kBsdtar, kJar, kSelfExtractor }) {
        TestDir dir;
        dir.createFile("src/a.txt", sampleBytes(40000, 1));
        dir.createFile("src/b/c.txt", sampleBytes(40000, 2));
        make(dir, command);
        dir.createFile("new.txt", "new member");
        Recorder rec;
        ASSERT_EQ(runAdd(dir.str(), { .archive = zipPath(dir), .specs = { "new.txt" } }, rec), 1)
            << rec.dump();
        EXPECT_EQ(runDelete(zipPath(dir), { "a.txt", "./a.txt" }, rec), 1) << rec.dump();
        expectPeersAccept(zipPath(dir));
    }
}

} // namespace
