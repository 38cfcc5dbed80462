// "ambermox -l" against archives written by peers.

#include "ListVerb.h"
#include "Peers.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <map>

using namespace amxtest;

namespace {

std::vector<std::vector<std::string>> parse(const std::string &out)
{
    std::vector<std::vector<std::string>> rows;
    for (const QString &line : QString::fromStdString(out).split('\n', Qt::SkipEmptyParts)) {
        rows.emplace_back();
        for (const QString &field : line.split('\t'))
            rows.back().push_back(field.toStdString());
    }
    return rows;
}

// With no stored settings of the user's: the default order, by name.
RunResult list(const TestDir &dir, const std::string &archive)
{
    return run(
        { "env", "XDG_CONFIG_HOME=" + (dir / "no-config").string(), kProgram, "-l", archive });
}

} // namespace

// By name (compared lowered) without stored settings, else in the stored
// order; the figures are the ones a peer reads.
TEST(ListVerb, PrintsEveryFileMemberInTheChosenOrder)
{
    TestDir dir;
    dir.createFile("src/Zeta.txt", sampleBytes(3000));
    dir.createFile("src/alpha/beta.bin", sampleBytes(70000, 3));
    dir.createFile("src/empty", "");
    const std::string archive = (dir / "a.zip").string();
    runOk({ "zip", "-q", "-r", archive, "src" }, dir.str());
    std::map<std::string, PeerMember> peer;
    for (const auto &m : pythonListing(archive))
        peer[m.name] = m;

    RunResult r = list(dir, archive);
    ASSERT_EQ(r.exitCode, 0) << r.out;
    std::vector<std::string> names;
    for (const auto &row : parse(r.out)) {
        ASSERT_EQ(row.size(), 6u) << r.out;
        const PeerMember &m = peer.at(row[5] + row[0]);
        EXPECT_EQ(row[2], std::to_string(m.size));
        EXPECT_EQ(row[4], std::to_string(m.packed));
        EXPECT_FALSE(row[1].empty()) << "modified";
        EXPECT_EQ(row[3].back(), '%');
        names.push_back(row[0]);
    }
    EXPECT_EQ(names, (std::vector<std::string> { "beta.bin", "empty", "Zeta.txt" }));

    dir.createFile("config/Ambermox/Ambermox.conf", "[Ambermox]\nSort%20order=4\n");
    r = run({ "env", "XDG_CONFIG_HOME=" + (dir / "config").string(), kProgram, "-l", archive });
    ASSERT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(parse(r.out)[1][0], "Zeta.txt") << "size order, largest first";
}

// Printable text stays; controls, bidirectional overrides, line separators and
// invalid bytes are escaped.
TEST(ListVerb, Escapes)
{
    const std::pair<std::string, std::string> rows[] = {
        { "docs/caf\xC3\xA9 \xE6\x97\xA5.txt", "docs/caf\xC3\xA9 \xE6\x97\xA5.txt" },
        { "a\\b", "a\\\\b" },
        { "a\tb\nc\rd", "a\\tb\\nc\\rd" },
        { "\x1B]0;x\x07\x7F", "\\x1B]0;x\\x07\\x7F" },
        { std::string("\0\x1F", 2), "\\x00\\x1F" },
        { "\xC2\x80\xC2\x9B\xC2\x9F\xC2\xA0", "\\u{0080}\\u{009B}\\u{009F}\xC2\xA0" },
        { "\xE2\x80\xA8\xE2\x80\xA9", "\\u{2028}\\u{2029}" },
        { "\xE2\x80\xAA\xE2\x80\xAE\xE2\x80\xAF", "\\u{202A}\\u{202E}\xE2\x80\xAF" },
        { "\xE2\x81\xA5\xE2\x81\xA6\xE2\x81\xA9", "\xE2\x81\xA5\\u{2066}\\u{2069}" },
        { "a\xFF\xC0\xAF\xE2\x80", "a\\xFF\\xC0\\xAF\\xE2\\x80" },
        { "\xED\xA0\x80", "\\xED\\xA0\\x80" },
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(escapeListText(in), out) << out;
}

// "-l" over archives of every kind the reader meets, against output recorded
// once: a change in how members are read or shown must not change a byte.
// The rows hold names to escape (one line per member), directories that
// disagree (exit 3), damaged and missing archives (exit 2).
// AMX_RECORD_LISTINGS=1 writes the recorded file anew.
TEST(ListVerb, ListingsStayAsRecorded)
{
    TestDir dir;
    dir.createFile("src/readme.txt", sampleBytes(5000, 1));
    dir.createFile("src/Zeta.TXT", sampleBytes(1536, 2));
    dir.createFile("src/sub/data.bin", sampleBytes(70000, 3));
    dir.createFile("src/sub/deeper/empty");
    dir.createDir("src/emptydir");
    runOk({ "sh", "-c", "find src -exec touch -d '2021-03-04 05:06:07' {} +" }, dir.str());
    // Names with escapes, a folder, a legacy CP437 name, a zero byte, stored
    // and deflated members; zip64 forces ZIP64 headers on every member.
    const char *zipfile = R"(
import sys, zipfile
zip64 = sys.argv[2] == 'zip64'
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    if sys.argv[2] == 'empty':
        sys.exit(0)
    def put(name, data, when, method=zipfile.ZIP_STORED):
        i = zipfile.ZipInfo(name, when)
        i.compress_type = method
        with z.open(i, 'w', force_zip64=zip64) as out:
            out.write(data)
    put('folder/', b'', (1999, 12, 31, 23, 59, 58))
    put('folder/Text.md', b'text ' * 900, (2024, 2, 29, 12, 0, 0), zipfile.ZIP_DEFLATED)
    put('tab\there\nnew\x1b[31m\\back', b'x', (1980, 1, 1, 0, 0, 0))
    put('rtl\u202etxt.exe', b'abc', (2107, 12, 31, 23, 59, 58))
    put('caf\u00e9/na\u00efve.txt', b'utf-8' * 300, (2010, 6, 7, 8, 9, 10), zipfile.ZIP_DEFLATED)
    put('cp437-XX.txt', b'legacy', (2001, 2, 3, 4, 5, 6))
    put('NULcut.txt', b'cut', (2002, 2, 2, 2, 2, 2))
    put('baddate.txt', b'month 0', (2003, 3, 3, 3, 3, 3))
d = open(sys.argv[1], 'rb').read().replace(b'cp437-XX', b'cp437-\x81\x94').replace(b'NULcut', b'\x00ULcut')
i, j = d.index(b'baddate') - 30, d.rindex(b'baddate') - 46
d = d[:i + 10] + bytes(4) + d[i + 14:j + 12] + bytes(4) + d[j + 16:]
if sys.argv[2] == 'rename':
    i = d.rindex(b'rtl')
    d = d[:i] + b'RTL' + d[i + 3:]
elif sys.argv[2] == 'count':
    e = d.rindex(b'PK\x05\x06')
    d = d[:e + 8] + b'\x09\x00\x09\x00' + d[e + 12:]
elif sys.argv[2] == 'cut':
    d = d[:d.index(b'legacy') - 10]
open(sys.argv[1], 'wb').write(d)
)";
    const std::string py = std::string("python3 -c \"$1\" ");
    const struct
    {
        const char *archive;
        std::string command; // run by sh in the test folder, $1 the zipfile script
        int order = 1; // the stored sort order
    } cases[] = {
        { "own.zip", std::string(kProgram) + " -a own.zip --level 0 src" },
        { "infozip.zip", "zip -q -X -r -9 infozip.zip src" },
        { "sevenzip.zip", "7z a -tzip -mx=0 -bd -bso0 sevenzip.zip src" },
        { "descriptors.zip",
            "bsdtar --format zip --options zip:compression=store -cf - src > "
            "descriptors.zip" },
        { "zipfile.zip", py + "zipfile.zip plain" },
        { "zipfile.zip", "true", 7 },
        { "zip64.zip", py + "zip64.zip zip64", 8 },
        { "renamed.zip", py + "renamed.zip rename" },
        { "miscounted.zip", py + "miscounted.zip count" },
        { "cut.zip", py + "cut.zip cut" },
        { "empty.zip", py + "empty.zip empty" },
        { "text.zip", "printf 'no archive here' > text.zip" },
        { "missing.zip", "true" },
    };
    std::string listings;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.archive);
        runOk({ "env", "TZ=UTC", "sh", "-c", c.command, "sh", zipfile }, dir.str());
        const std::string config = "config" + std::to_string(c.order);
        dir.createFile(config + "/Ambermox/Ambermox.conf",
            "[Ambermox]\nSort%20order=" + std::to_string(c.order) + "\n");
        const ApartResult r =
            runApart({ "env", "LC_ALL=C", "TZ=UTC", "XDG_CONFIG_HOME=" + (dir / config).string(),
                         kProgram, "-l", c.archive },
                dir.str());
        listings += std::string("== ") + c.archive + ", order " + std::to_string(c.order)
            + ", exit " + std::to_string(r.exitCode) + "\n" + r.out + "-- stderr\n" + r.err;
    }
    const std::string recorded = std::string(AMX_SOURCE_DIR) + "/tests/cli/data/listings.txt";
    if (std::getenv("AMX_RECORD_LISTINGS"))
        writeFile(recorded, listings);
    EXPECT_EQ(listings, readFile(recorded));
}
