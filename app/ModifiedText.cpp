#include "ModifiedText.h"

#include <QDateTime>
#include <QLocale>

std::string modifiedText(uint32_t dosDateTime)
{
    const int time = static_cast<int>(dosDateTime & 0xFFFF);
    const int date = static_cast<int>(dosDateTime >> 16);
    const QDate d(1980 + (date >> 9), (date >> 5) & 0x0F, date & 0x1F);
    const QTime t((time >> 11) & 0x1F, (time >> 5) & 0x3F, (time & 0x1F) * 2);
    if (!d.isValid() || !t.isValid())
        return {};
    const QLocale locale;
    return (locale.toString(d, QLocale::ShortFormat) + QStringLiteral("  ")
        + locale.toString(t, QLocale::ShortFormat))
        .toStdString();
}
