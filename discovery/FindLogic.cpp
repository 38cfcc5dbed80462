#include "FindLogic.h"

#include "FindWildcard.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <limits>
#include <tuple>

bool dateInRange(const CalendarDay &day, const CalendarDay &start, const CalendarDay &end)
{
    const auto key = [](const CalendarDay &d) {
        return std::tie(d.year, d.month, d.day);
    };
    return key(start) <= key(day) && key(day) < key(end);
}

bool sizePasses(uint64_t size, int64_t bound, SizeCompare compare)
{
    const uint64_t b = bound < 0 ? 0 : static_cast<uint64_t>(bound);
    switch (compare) {
    case SizeCompare::Below:
        return size <= b;
    case SizeCompare::Above:
        return size >= b;
    case SizeCompare::Exact:
        return size == b;
    }
    return false;
}

int64_t parseSizeBound(std::string_view text)
{
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        const int digit = c - '0';
        if (value > (max - digit) / 10)
            return max;
        value = value * 10 + digit;
    }
    return value;
}

std::optional<CalendarDay> listDate(std::string_view modified)
{
    const size_t gap = modified.find("  ");
    const QString text =
        QString::fromUtf8(modified.data(), static_cast<qsizetype>(modified.substr(0, gap).size()));
    QDate date = QLocale().toDate(text, QLocale::ShortFormat);
    if (!date.isValid())
        return std::nullopt;
    // A two-digit year reads as 19yy; archive dates start in 1980.
    if (date.year() < 1980
        && !QLocale().dateFormat(QLocale::ShortFormat).contains(QStringLiteral("yyyy")))
        date = date.addYears(100);
    return CalendarDay { date.year(), date.month(), date.day() };
}

FindResult findRows(size_t count, const FindRowSource &source, const FindCriteria &criteria)
{
    FindResult result;
    for (size_t i = 0; i < count; ++i) {
        const FindRow row = source(i);
        if (!WildcardMatch(row.name, criteria.pattern))
            continue;
        if (criteria.dateTest) {
            // A member without a valid date has an empty Modified text: it
            // has no day to lie in the range, which is no reason to stop.
            if (row.modified.empty())
                continue;
            const std::optional<CalendarDay> day = listDate(row.modified);
            if (!day) {
                result.error =
                    QCoreApplication::translate("TFindForm", "'%1' is not a valid date and time")
                        .arg(QString::fromStdString(std::string(row.modified)))
                        .toStdString();
                return result;
            }
            if (!dateInRange(*day, criteria.start, criteria.end))
                continue;
        }
        if (criteria.sizeTest && !sizePasses(row.size, criteria.bound, criteria.compare))
            continue;
        result.matches.push_back(i);
    }
    return result;
}
