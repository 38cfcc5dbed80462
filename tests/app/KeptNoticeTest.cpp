// "Extract to subfolder" into a folder that is already there keeps its files
// and says how many, in a sentence for one and another for more.

#include "Peers.h"
#include "TestDir.h"

#include <gtest/gtest.h>

using namespace amxtest;

TEST(KeptNotice, NamesTheFolderAndTheCount)
{
    const struct
    {
        int kept;
        const char *text;
    } cases[] = {
        { 1, "1 file already in \"%s/t\" was kept as it was." },
        { 2, "2 files already in \"%s/t\" were kept as they were." },
    };
    for (const auto &c : cases) {
        TestDir dir;
        dir.createFile("a.txt", "new a");
        dir.createFile("b.txt", "new b");
        runOk({ "zip", "-q", "t.zip", "a.txt", "b.txt" }, dir.str());
        dir.createFile("t/a.txt", "mine");
        if (c.kept == 2)
            dir.createFile("t/b.txt", "mine");
        const RunResult r =
            run({ "env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                    std::string(AMX_BIN_DIR) + "/ambermox", "-es", "t.zip" },
                dir.str());
        char expected[512];
        std::snprintf(expected, sizeof expected, c.text, dir.str().c_str());
        EXPECT_EQ(r.exitCode, 0) << r.out;
        EXPECT_NE(r.out.find(expected), std::string::npos) << r.out;
        EXPECT_EQ(readFile(dir / "t/a.txt"), "mine");
    }
}
