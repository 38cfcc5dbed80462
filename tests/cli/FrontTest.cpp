// The Qt-free ambermox: its dates and sort order read as the window's do, its
// listing is the window program's byte for byte, and it hands every other
// command line to the window program beside it.

#include "DateStyle.h"
#include "DesktopRegistration.h"
#include "IniValue.h"
#include "ListVerb.h"
#include "ModifiedText.h"
#include "Peers.h"
#include "SettingsStore.h"
#include "TestDir.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cstdlib>
#include <filesystem>

using namespace amxtest;

namespace {

const std::string kBin = AMX_BIN_DIR;

uint32_t dos(int year, int month, int day, int hour, int minute, int second)
{
    return (uint32_t((year - 1980) << 9 | month << 5 | day) << 16)
        | uint32_t(hour << 11 | minute << 5 | second / 2);
}

} // namespace

// Every locale Qt knows, for dates across the whole DOS range, each hour of
// the day, and fields that make no date.
TEST(DateStyles, WriteWhatQtWrites)
{
    std::vector<uint32_t> values { dos(1980, 1, 1, 0, 0, 0), dos(2107, 12, 31, 23, 59, 58),
        dos(2024, 3, 31, 2, 30, 0), dos(2024, 10, 27, 2, 30, 0), dos(2000, 2, 29, 12, 0, 0),
        dos(2001, 2, 29, 12, 0, 0), dos(2024, 0, 5, 1, 0, 0), dos(2024, 4, 31, 1, 0, 0),
        dos(2024, 5, 5, 24, 0, 0), dos(2024, 5, 5, 23, 60, 0), dos(2024, 5, 5, 23, 0, 60), 0 };
    for (int month = 1; month <= 12; ++month)
        for (int hour = 0; hour < 24; hour += 5)
            values.push_back(
                dos(1990 + month * 9, month, month * 2 + 3, hour, month * 4, hour * 2));
    std::vector<QString> names { QStringLiteral("C"), QStringLiteral("POSIX") };
    for (const QLocale &l :
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
        names.push_back(l.name());
    int checked = 0;
    for (const QString &name : names) {
        const DateStyle *style = dateStyleNamed(name.toStdString());
        if (!style)
            continue;
        ++checked;
        QLocale::setDefault(QLocale(name));
        for (const uint32_t v : values)
            ASSERT_EQ(dosDateTimeText(v, *style), modifiedText(v))
                << name.toStdString() << " " << v;
    }
    QLocale::setDefault(QLocale::c());
    EXPECT_GT(checked, 500);
    EXPECT_EQ(dateStyleNamed("xx_YY"), nullptr);
}

// The one value "-l" reads, as the settings store reads it.
TEST(StoredSortOrder, ReadsLikeTheSettingsStore)
{
    TestDir dir;
    ::setenv("XDG_CONFIG_HOME", (dir / "none").c_str(), 1);
    EXPECT_EQ(storedSortOrder(), 1) << "no file";
    const char *files[] = {
        "",
        "[Ambermox]\nSort%20order=4\n",
        "; saved\r\n[Other]\nSort%20order=3\r\n[Ambermox]\r\nWidth=5\r\nSort%20order = 6 \r\n",
        "[Ambermox]\nSort%20order=\"5\"\n",
        "[Ambermox]\nSort%20order=+7\n",
        "[Ambermox]\nSort%20order=-2\n",
        "[Ambermox]\nSort%20order=2\nSort%20order=3\n",
        "[Ambermox]\nSort%20order=4, 5\n",
        "[Ambermox]\nSort%20order=x\n",
        "[Ambermox]\nSort%20order=99999999999\n",
        "[Ambermox]\nSort%20order=\n",
        "[Ambermox]\nWidth=5\n",
        "[General]\nSort%20order=4\n",
    };
    // A folder each: QSettings keeps a file it has read while its size and time stay.
    int n = 0;
    for (const char *text : files) {
        const std::string config = (dir / ("config" + std::to_string(++n))).string();
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        IniSettingsStore store(dir.createFile(config + "/Ambermox/Ambermox.conf", text).string());
        int qtOrder = 1;
        try {
            qtOrder = store.keyExists() ? store.readInteger("Sort order") : 1;
        } catch (const SettingsError &) {
        }
        EXPECT_EQ(storedSortOrder(), qtOrder) << text;
    }
    ::unsetenv("XDG_CONFIG_HOME");
}

// The same archive listed by both programs in several locales: a German, an
// American (12-hour), an Arabic (own digits) one, C, and one with a modifier
// that ambermox leaves to the window program; sorted by date from the settings.
TEST(FrontProgram, ListsLikeTheWindowProgram)
{
    TestDir dir;
    const char *script = R"(
import sys, zipfile
stamps = [(1980, 1, 1, 0, 0, 0), (2024, 3, 31, 2, 30, 0), (2024, 10, 27, 2, 30, 10),
          (2107, 12, 31, 23, 59, 58), (2009, 7, 4, 12, 5, 0)]
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    for i, t in enumerate(stamps):
        z.writestr(zipfile.ZipInfo('dir/m%d.txt' % i, t), b'x' * (i * 700))
)";
    const std::string archive = (dir / "dates.zip").string();
    ASSERT_EQ(python(script, { archive }).exitCode, 0);
    dir.createFile("config/Ambermox/Ambermox.conf", "[Ambermox]\nSort%20order=7\n");
    const char *locales[] = { "LC_ALL=de_DE.UTF-8", "LANG=en_US.UTF-8", "LC_TIME=ar_EG.UTF-8",
        "LANG=C.UTF-8", "LANG=sr_RS@latin" };
    for (const char *locale : locales) {
        SCOPED_TRACE(locale);
        auto list = [&](const std::string &program) {
            return run({ "env", "-u", "LC_ALL", "-u", "LC_TIME", "-u", "LANG", locale,
                "TZ=Europe/Berlin", "XDG_CONFIG_HOME=" + (dir / "config").string(),
                kBin + "/" + program, "-l", archive });
        };
        const RunResult front = list("ambermox");
        const RunResult window = list("ambermox-gui");
        EXPECT_EQ(front.exitCode, 0) << front.out;
        EXPECT_EQ(front.out, window.out);
        EXPECT_NE(front.out.find("m3.txt"), std::string::npos) << front.out;
    }
}

// Alone in a folder, ambermox still runs the verbs for scripts, and says so
// plainly when the window program it hands over to is not there.
TEST(FrontProgram, WithoutTheWindowProgram)
{
    TestDir dir;
    const std::filesystem::path alone = dir / "bin/ambermox";
    std::filesystem::create_directories(alone.parent_path());
    std::filesystem::copy_file(kBin + "/ambermox", alone);

    const RunResult version = run({ alone.string(), "--version" });
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("ambermox ", 0), 0u) << version.out;

    const RunResult window = run({ alone.string(), (dir / "some.zip").string() });
    EXPECT_EQ(window.exitCode, 1);
    EXPECT_NE(window.out.find("ambermox: cannot start the window program "
                  + (dir / "bin/ambermox-gui").string() + ": No such file or directory"),
        std::string::npos)
        << window.out;
}

// What neither program knows is a usage error told without a window, and a
// window without a display is refused plainly, never by Qt's abort.
TEST(FrontProgram, UnknownOptionsAndNoDisplay)
{
    TestDir dir;
    const struct
    {
        const char *program;
        std::vector<std::string> args;
        int status;
        const char *out;
        const char *err;
    } cases[] = {
        { "ambermox", { "-v" }, 2, "", "ambermox: unknown option -v\nusage:\n" },
        { "ambermox", { "--bogus" }, 2, "", "ambermox: unknown option --bogus\nusage:\n" },
        { "ambermox", { "-e" }, 2, "", "ambermox: -e needs an archive\nusage:\n" },
        { "ambermox", { "-es" }, 2, "", "ambermox: -es needs an archive\nusage:\n" },
        { "ambermox", { "-ad" }, 2, "", "ambermox: -ad needs a folder\nusage:\n" },
        { "ambermox", { "a.zip", "-x" }, 2, "", "ambermox: -x must come first\nusage:\n" },
        { "ambermox", { "-e", "a.zip", "--bogus" }, 2, "", "unknown option --bogus\n" },
        { "ambermox", { "-h" }, 0, "usage:\n", "" },
        { "ambermox", {}, 2, "", "ambermox: no display: " },
        { "ambermox", { "a.zip" }, 2, "", "ambermox: no display: " },
        { "ambermox-gui", { "--bogus" }, 2, "", "ambermox: unknown option --bogus\nusage:\n" },
        { "ambermox-gui", {}, 2, "", "ambermox: no display: " },
        { "ambermox-gui", { "-e", "none.zip" }, 2, "", "none.zip: no such archive" },
    };
    for (const auto &c : cases) {
        std::vector<std::string> argv { "env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
            "QT_QPA_PLATFORM", "XDG_DATA_HOME=" + (dir / "data").string(),
            "XDG_CONFIG_HOME=" + (dir / "config").string(), kBin + "/" + c.program };
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.program + std::string(" ") + (c.args.empty() ? "" : c.args[0]));
        const ApartResult r = runApart(argv, dir.str());
        EXPECT_EQ(r.exitCode, c.status) << r.err;
        EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "data")) << "no window program registered itself";
}

// The desktop gets ambermox's path, which hands over to the window program.
TEST(FrontProgram, IsWhatTheDesktopStarts)
{
    TestDir dir;
    const QString window = QString::fromStdString(kBin + "/ambermox-gui");
    EXPECT_EQ(startingProgram(QString::fromStdString(kBin), window),
        QString::fromStdString(kBin + "/ambermox"));
    const QString alone = QString::fromStdString(dir.createFile("bin/ambermox-gui").string());
    dir.createFile("bin/ambermox"); // not executable
    EXPECT_EQ(startingProgram(QString::fromStdString((dir / "bin").string()), alone), alone);
}
