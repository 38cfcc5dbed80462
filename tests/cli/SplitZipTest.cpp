// ZIP archives in parts, as 7-Zip (name.zip.001, .002, ...) and Info-ZIP
// (name.z01, .z02, ..., name.zip) make them: listed, tested and extracted as
// one archive from any of their parts, against the same archive made whole.
// That they are never written is the command line's table of refusals.

#include "Peers.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

struct SplitCase
{
    const char *name;
    const char *whole; // the same files in one archive, by the same tool
    const char *split; // makes s.zip.001 ... or s.z01 ... s.zip
    bool lastGone; // the missing-part check takes the last part away, else the second
};

void PrintTo(const SplitCase &c, std::ostream *out)
{
    *out << c.name;
}

// 7-Zip cuts bytes; Info-ZIP spans, each record on its own part. Stored
// members (-0, -mx0) cross the part boundaries as they are.
const SplitCase cases[] = {
    { "SevenZipVolumes", "7z a -tzip -bd w.zip src >/dev/null",
        "7z a -tzip -bd -v100k s.zip src >/dev/null", false },
    { "SevenZipVolumesLastGone", "7z a -tzip -bd -mx0 w.zip src >/dev/null",
        "7z a -tzip -bd -mx0 -v120k s.zip src >/dev/null", true },
    { "InfoZipSpanned", "zip -qr w.zip src", "zip -qr -s 100k s.zip src", false },
    { "InfoZipSpannedStored", "zip -qr0 w.zip src", "zip -qr0 -s 64k s.zip src", true },
};

class SplitZip : public testing::TestWithParam<SplitCase>
{
};

} // namespace

TEST_P(SplitZip, ReadAsOneFromAnyPart)
{
    const SplitCase &c = GetParam();
    TestDir dir;
    dir.createFile("src/a.txt", "hello\n");
    // Random bytes do not compress: the parts hold them across their ends.
    std::string bin;
    uint32_t x = 12345;
    for (int i = 0; i < 300000; ++i) {
        x = x * 1103515245u + 12345u;
        bin += char(x >> 24);
    }
    dir.createFile("src/sub/b.bin", bin);
    ASSERT_EQ(run({ "sh", "-c", c.whole }, dir.str()).exitCode, 0);
    ASSERT_EQ(run({ "sh", "-c", c.split }, dir.str()).exitCode, 0);
    // The parts in order: .001 < .002 ..., and .z01 < .z02 ... < .zip.
    std::vector<std::string> parts;
    for (const fs::directory_entry &e : fs::directory_iterator(dir.path()))
        if (e.path().filename().string().starts_with("s."))
            parts.push_back(e.path().filename().string());
    std::sort(parts.begin(), parts.end());
    ASSERT_GE(parts.size(), size_t(3));
    const std::string missing = c.lastGone ? parts.back() : parts[1];

    const RunResult whole = ambermox({ "-l", "w.zip" }, dir.str());
    ASSERT_EQ(whole.exitCode, 0) << whole.out;
    for (const std::string &part : parts) {
        SCOPED_TRACE(part);
        const RunResult list = ambermox({ "-l", part }, dir.str());
        EXPECT_EQ(list.exitCode, 0) << list.out;
        EXPECT_EQ(list.out, whole.out);
        const RunResult test = ambermox({ "-t", part }, dir.str());
        EXPECT_EQ(test.exitCode, 0) << test.out;
        EXPECT_TRUE(has(test.out, "No errors detected in")) << test.out;
        fs::remove_all(dir / "out");
        const RunResult extract = ambermox({ "-x", part, "-o", "out" }, dir.str());
        EXPECT_EQ(extract.exitCode, 0) << extract.out;
        EXPECT_EQ(readFile(dir / "out/src/a.txt"), "hello\n");
        EXPECT_EQ(readFile(dir / "out/src/sub/b.bin"), bin);
    }

    // A part that is not there is named, from whichever part is opened.
    fs::rename(dir / missing, dir / "aside");
    for (const std::string &part : parts) {
        if (part == missing)
            continue;
        for (const std::vector<std::string> &args :
            { std::vector<std::string> { "-l", part }, std::vector<std::string> { "-t", part },
                std::vector<std::string> { "-x", part, "-o", "gone" } }) {
            const RunResult gone = ambermox(args, dir.str());
            EXPECT_EQ(gone.exitCode, 2) << args[0] << " " << part << ": " << gone.out;
            EXPECT_TRUE(has(gone.out, "missing: " + missing))
                << args[0] << " " << part << ": " << gone.out;
        }
    }
    EXPECT_FALSE(fs::exists(dir / "gone"));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SplitZip, testing::ValuesIn(cases), [](const testing::TestParamInfo<SplitCase> &info) {
        return std::string(info.param.name);
    });
