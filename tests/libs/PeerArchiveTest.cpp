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

// One large deflated member from each peer, at several levels: other tools
// record no map of pieces, so the member is inflated on all cores from block
// starts found in the stream. Text, incompressible parts (stored blocks) and
// zeros come back byte for byte; damage in the middle is reported, not written.
// (zlib's own streams at every level are the parallel inflater's unit cases.)
struct LargeMemberCase
{
    const char *name;
    const char *make; // in "src", from big.bin to ../a.zip
};
AMX_ROW_PRINTS_NAME(LargeMemberCase)

class LargeMemberTest : public testing::TestWithParam<LargeMemberCase>
{
};

TEST_P(LargeMemberTest, InflatesOnAllCores)
{
    // Chunks of a few hundred KiB, so that a few MiB make many of them.
    setenv("AMX_BUFFER_BUDGET", "524288", 1);
    TestDir dir;
    std::string data;
    for (unsigned i = 0; data.size() < (6u << 20); ++i)
        data +=
            sampleBytes(900000, i) + randomBytes(300000 + 1000 * i, i) + std::string(200000, '\0');
    dir.createFile("src/big.bin", data);
    dir.createDir("out");
    dir.createDir("bad");
    make(dir, GetParam().make);
    const std::string archive = zipPath(dir);
    Recorder rec;
    EXPECT_EQ(runExtract((dir / "out").string(), { .archive = archive }, rec), 1) << rec.dump();
    EXPECT_TRUE(readFile(dir / "out/big.bin") == data);

    std::string bytes = readFile(archive);
    for (size_t at : { bytes.size() / 3, bytes.size() / 2 })
        for (size_t k = 0; k < 8; ++k)
            bytes[at + k] = char(bytes[at + k] ^ (0x5a + k));
    writeFile(archive, bytes);
    Recorder damaged;
    EXPECT_EQ(runExtract((dir / "bad").string(), { .archive = archive }, damaged), 0);
    const auto codes = damaged.errorCodes();
    ASSERT_EQ(codes.size(), 1u) << damaged.dump();
    EXPECT_TRUE(codes[0] == 22 || codes[0] == 7 || codes[0] == 8) << damaged.dump();
    EXPECT_TRUE(listing(dir / "bad").empty());
    unsetenv("AMX_BUFFER_BUDGET");
}

INSTANTIATE_TEST_SUITE_P(Peers, LargeMemberTest,
    testing::Values(LargeMemberCase { "InfoZipFast", "zip -q -1 ../a.zip big.bin" },
        LargeMemberCase { "InfoZipDefault", "zip -q -6 ../a.zip big.bin" },
        LargeMemberCase { "InfoZipBest", "zip -q -9 ../a.zip big.bin" },
        LargeMemberCase { "SevenZip", "7z a -tzip -bd -mx=5 ../a.zip big.bin" },
        LargeMemberCase { "SevenZipUltra", "7z a -tzip -bd -mx=9 ../a.zip big.bin" }),
    amxtest::RowName());

} // namespace
