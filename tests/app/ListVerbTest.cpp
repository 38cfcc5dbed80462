// "ambermox -l" against archives written by peers.

#include "tests/support/Peers.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

using namespace amxtest;

namespace {

const std::string kProgram = std::string(AMX_BIN_DIR) + "/ambermox";

std::vector<std::vector<std::string>> parse(const std::string &out)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(line.substr(start, tab - start));
        fields.push_back(line.substr(start));
        rows.push_back(fields);
    }
    return rows;
}

// With no stored settings of the user's: the default order, by name.
RunResult list(const TestDir &dir, const std::string &archive)
{
    return run({"env", "XDG_CONFIG_HOME=" + (dir / "no-config").string(), kProgram, "-l", archive});
}

} // namespace

TEST(ListVerb, PrintsEveryFileMemberSortedByName)
{
    TestDir dir;
    dir.createFile("src/Zeta.txt", sampleBytes(3000));
    dir.createFile("src/alpha/beta.bin", sampleBytes(70000, 3));
    dir.createFile("src/empty", "");
    runOk({"zip", "-q", "-r", (dir / "a.zip").string(), "src"}, dir.str());

    RunResult r = list(dir, (dir / "a.zip").string());
    ASSERT_EQ(r.exitCode, 0) << r.out;
    auto rows = parse(r.out);
    ASSERT_EQ(rows.size(), 3u) << r.out;
    // Name order, compared lowered: beta.bin, empty, Zeta.txt.
    EXPECT_EQ(rows[0][0], "beta.bin");
    EXPECT_EQ(rows[1][0], "empty");
    EXPECT_EQ(rows[2][0], "Zeta.txt");

    std::map<std::string, PeerMember> peer;
    for (const auto &m : pythonListing((dir / "a.zip").string()))
        peer[m.name] = m;
    for (const auto &row : rows) {
        ASSERT_EQ(row.size(), 6u);
        const PeerMember &m = peer.at(row[5] + row[0]);
        EXPECT_EQ(row[2], std::to_string(m.size));
        EXPECT_EQ(row[4], std::to_string(m.packed));
        EXPECT_FALSE(row[1].empty()) << "modified";
        EXPECT_EQ(row[3].back(), '%');
    }
}

TEST(ListVerb, DamagedAndMissingArchivesFail)
{
    TestDir dir;
    dir.createFile("x.txt", sampleBytes(5000));
    runOk({"zip", "-q", "-0", (dir / "a.zip").string(), "x.txt"}, dir.str());
    const std::string whole = readFile(dir / "a.zip");
    writeFile(dir / "cut.zip", whole.substr(0, 2000));

    RunResult cut = list(dir, (dir / "cut.zip").string());
    EXPECT_NE(cut.exitCode, 0);
    EXPECT_NE(cut.out.find("Error 3 reading Zip file"), std::string::npos) << cut.out;

    RunResult missing = list(dir, (dir / "none.zip").string());
    EXPECT_NE(missing.exitCode, 0);

    writeFile(dir / "text.zip", std::string(70000, 't'));
    RunResult notZip = list(dir, (dir / "text.zip").string());
    EXPECT_NE(notZip.exitCode, 0);
    EXPECT_NE(notZip.out.find("No valid zip entries found"), std::string::npos);
}

TEST(ListVerb, FollowsTheStoredSortOrder)
{
    TestDir dir;
    dir.createFile("src/small.txt", "s");
    dir.createFile("src/big.txt", sampleBytes(9000));
    runOk({"zip", "-q", "-r", (dir / "a.zip").string(), "src"}, dir.str());
    dir.createFile("config/Ambermox/Ambermox.conf", "[Ambermox]\nSort%20order=4\n");
    RunResult r = run({"env", "XDG_CONFIG_HOME=" + (dir / "config").string(), kProgram, "-l",
        (dir / "a.zip").string()});
    ASSERT_EQ(r.exitCode, 0) << r.out;
    auto rows = parse(r.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "big.txt") << "size order, largest first";
}
