// The listing without Qt: its dates and sort order read as the window's do.

#include "app/DateStyle.h"
#include "app/ListVerb.h"
#include "app/ModifiedText.h"
#include "platform/IniValue.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cstdlib>

using namespace amxtest;

namespace {

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
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    EXPECT_EQ(storedSortOrder(), 1) << "no file";
    const std::string path = dir.createFile("config/Ambermox/Ambermox.conf").string();
    auto qtOrder = [&] {
        IniSettingsStore store(path);
        try {
            return store.keyExists() ? store.readInteger("Sort order") : 1;
        } catch (const SettingsError &) {
            return 1;
        }
    };
    EXPECT_EQ(storedSortOrder(), 1) << "empty file";
    const char *files[] = {
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
    for (const char *text : files) {
        writeFile(path, text);
        EXPECT_EQ(storedSortOrder(), qtOrder()) << text;
    }
    ::unsetenv("XDG_CONFIG_HOME");
}
