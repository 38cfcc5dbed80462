// Changes the command line refuses, whatever the archive: a ZIP archive in
// parts, one that is not ZIP, a rename the library will not write and a
// comment too long. Each is told with its reason, and every file in the
// folder stays byte for byte as it was, with no temporary file left.

#include "Peers.h"
#include "Table.h"
#include "TestDir.h"

#include <gtest/gtest.h>

using namespace amxtest;

namespace {

struct RefusedCase
{
    const char *name;
    std::vector<std::string> args;
    int status;
    const char *message; // part of what the program says
};
AMX_ROW_PRINTS_NAME(RefusedCase)

class RefusedChanges : public testing::TestWithParam<RefusedCase>
{
protected:
    // Made once: the rows change nothing, and each checks that.
    static void SetUpTestSuite()
    {
        s_dir = new TestDir;
        TestDir &dir = *s_dir;
        editSample(dir / "a.zip");
        dir.createFile("src/a.txt", "hello\n");
        // Stored random bytes cross the parts' ends as they are.
        dir.createFile("src/b.bin", randomBytes(300000, 1));
        dir.createFile("plain.txt", "not an archive\n");
        dir.createFile("long.txt", std::string(65536, 'x'));
        runOk({ "sh", "-c",
                  "7z a -tzip -bd -mx0 -v120k s7.zip src >/dev/null && zip -qr0 -s 64k sz.zip src "
                  "&& tar cf t.tar src && 7z a -bd t.7z src >/dev/null" },
            dir.str());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static TestDir *s_dir;
};
TestDir *RefusedChanges::s_dir = nullptr;

TEST_P(RefusedChanges, ToldAndNothingWritten)
{
    const RefusedCase &c = GetParam();
    const auto before = filesBelow(s_dir->path());
    const RunResult r = ambermox(c.args, s_dir->str());
    EXPECT_EQ(r.exitCode, c.status) << r.out;
    EXPECT_TRUE(has(r.out, c.message)) << r.out;
    EXPECT_TRUE(filesBelow(s_dir->path()) == before) << "a file changed or was left";
}

const char *const kInParts = "an archive in parts cannot be changed";
const char *const kNotZip = "only ZIP archives can be changed";

INSTANTIATE_TEST_SUITE_P(Cases, RefusedChanges,
    testing::Values(
        // 7-Zip's volumes (s7.zip.001 ...) and Info-ZIP's spanned set (sz.z01 ... sz.zip).
        RefusedCase { "AddToVolumes", { "-a", "s7.zip.001", "plain.txt" }, 2, kInParts },
        RefusedCase { "DeleteInVolumes", { "--delete", "s7.zip.003", "src/a.txt" }, 2, kInParts },
        RefusedCase {
            "RenameInVolumes", { "--rename", "s7.zip.002", "src/a.txt", "z" }, 2, kInParts },
        RefusedCase { "AddToSpanned", { "-a", "sz.z01", "plain.txt" }, 2, kInParts },
        RefusedCase { "DeleteInSpanned", { "--delete", "sz.zip", "src/a.txt" }, 2, kInParts },
        RefusedCase { "RenameInSpanned", { "--rename", "sz.z01", "src/a.txt", "z" }, 2, kInParts },
        // Read through libarchive, never written.
        RefusedCase { "AddToTar", { "-a", "t.tar", "plain.txt" }, 2, kNotZip },
        RefusedCase { "DeleteIn7z", { "--delete", "t.7z", "src/a.txt" }, 2, kNotZip },
        RefusedCase { "RenameInTar", { "--rename", "t.tar", "src/a.txt", "z" }, 2, kNotZip },
        // Renames the library refuses as a whole.
        RefusedCase { "OntoMember", { "--rename", "a.zip", "readme.txt", "docs/one.txt" }, 1,
            "docs/one.txt (a member of that name exists)" },
        RefusedCase { "FolderOntoMember", { "--rename", "a.zip", "other", "docs/two.txt" }, 1,
            "docs/two.txt/three.txt (a file has the name of its folder)" },
        RefusedCase { "DotDot", { "--rename", "a.zip", "readme.txt", "../escape.txt" }, 1,
            "\"..\" in the path" },
        RefusedCase { "DotDotInFolder", { "--rename", "a.zip", "docs", "a/../../b" }, 1,
            "\"..\" in the path" },
        RefusedCase {
            "Absolute", { "--rename", "a.zip", "readme.txt", "/etc/passwd" }, 1, "absolute path" },
        RefusedCase { "Empty", { "--rename", "a.zip", "readme.txt", "" }, 1, "empty name" },
        RefusedCase { "Newline", { "--rename", "a.zip", "readme.txt", "a\nb.txt" }, 1,
            "line break or NUL in the name" },
        RefusedCase { "Missing", { "--rename", "a.zip", "nothing.txt", "b.txt" }, 1,
            "name not matched: nothing.txt" },
        RefusedCase { "OneName", { "--rename", "a.zip", "readme.txt" }, 2,
            "--rename needs the old name and the new one" },
        // Comments.
        RefusedCase {
            "CommentTooLong", { "-a", "a.zip", "--comment-file", "long.txt" }, 2, "65535" },
        RefusedCase { "NoCommentFile", { "-a", "a.zip", "--comment-file", "none.txt" }, 2,
            "none.txt: No such file or directory" }),
    RowName());

} // namespace
