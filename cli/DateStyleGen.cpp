// Writes the table of date styles (DateStyles.inc) from the Qt it is built
// with. A locale whose texts the Qt-free formatter would not reproduce for
// every sample is left out, so that its listing falls back to Qt.

#include "DateStyle.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

std::string cString(const QString &text)
{
    std::string out = "\"";
    for (const unsigned char c : text.toStdString()) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02X\"\"", c);
        out += c >= 0x20 && c < 0x7F && c != '"' && c != '\\' ? std::string(1, char(c)) : buf;
    }
    return out + "\"";
}

uint32_t dos(int year, int month, int day, int hour, int minute, int second)
{
    return (uint32_t((year - 1980) << 9 | month << 5 | day) << 16)
        | uint32_t(hour << 11 | minute << 5 | second / 2);
}

std::vector<uint32_t> samples()
{
    std::vector<uint32_t> out;
    const int days[][3] = { { 1980, 1, 1 }, { 1999, 12, 31 }, { 2000, 2, 29 }, { 2007, 10, 9 },
        { 2024, 7, 13 }, { 2086, 3, 30 }, { 2107, 12, 31 } };
    int k = 0;
    for (const auto &d : days)
        for (int hour = 0; hour < 24; ++hour, ++k)
            out.push_back(dos(d[0], d[1], d[2], hour, (k * 7) % 60, (k * 2) % 60));
    return out;
}

std::string qtText(const QLocale &locale, uint32_t value)
{
    const int time = int(value & 0xFFFF);
    const int date = int(value >> 16);
    const QDate d(1980 + (date >> 9), (date >> 5) & 0x0F, date & 0x1F);
    const QTime t((time >> 11) & 0x1F, (time >> 5) & 0x3F, (time & 0x1F) * 2);
    return (locale.toString(d, QLocale::ShortFormat) + QStringLiteral("  ")
        + locale.toString(t, QLocale::ShortFormat))
        .toStdString();
}

} // namespace

int main()
{
    // The names a locale variable gives: each locale's, its language's alone, and C's.
    std::set<QString> names { QStringLiteral("C"), QStringLiteral("POSIX") };
    for (const QLocale &l :
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        names.insert(l.name());
        names.insert(l.name().section(QLatin1Char('_'), 0, 0));
    }
    const std::vector<uint32_t> tests = samples();
    std::map<std::string, int> styles; // its initializer -> index
    std::vector<std::string> order;
    std::vector<std::pair<std::string, int>> rows;
    int dropped = 0;
    for (const QString &name : names) {
        const QLocale l(name);
        const QString date = l.dateFormat(QLocale::ShortFormat);
        const QString time = l.timeFormat(QLocale::ShortFormat);
        QString months;
        if (date.contains(QStringLiteral("MMM")) || time.contains(QStringLiteral("MMM")))
            for (int m = 1; m <= 12; ++m)
                months += l.monthName(m, QLocale::ShortFormat) + QLatin1Char('\n');
        const QTime am(1, 0), pm(13, 0);
        const std::string fields[] = { date.toStdString(), time.toStdString(),
            l.toString(am, QStringLiteral("AP")).toStdString(),
            l.toString(pm, QStringLiteral("AP")).toStdString(),
            l.toString(am, QStringLiteral("ap")).toStdString(),
            l.toString(pm, QStringLiteral("ap")).toStdString(), months.toStdString() };
        const DateStyle style { fields[0].c_str(), fields[1].c_str(), fields[2].c_str(),
            fields[3].c_str(), fields[4].c_str(), fields[5].c_str(), fields[6].c_str(),
            l.zeroDigit().toUcs4().value(0) };
        bool same = true;
        for (const uint32_t value : tests)
            same = same && dosDateTimeText(value, style) == qtText(l, value);
        if (!same) {
            ++dropped;
            continue;
        }
        std::string init = "{ ";
        for (const std::string &f : fields)
            init += cString(QString::fromStdString(f)) + ", ";
        init += std::to_string(style.zeroDigit) + "u }";
        auto [it, added] = styles.emplace(init, int(order.size()));
        if (added)
            order.push_back(init);
        rows.emplace_back(name.toStdString(), it->second);
    }
    std::printf("// Generated at build time from Qt %s; %d locale names left to Qt.\n", qVersion(),
        dropped);
    std::printf("static const DateStyle kStyles[] = {\n");
    for (const std::string &s : order)
        std::printf("    %s,\n", s.c_str());
    std::printf("};\n\nstatic const NamedStyle kNamed[] = {\n");
    for (const auto &[name, index] : rows)
        std::printf("    { \"%s\", %d },\n", name.c_str(), index);
    std::printf("};\n");
    return 0;
}
