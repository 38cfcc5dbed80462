// Text as the engine keeps it (UTF-8 in std::string) shown in Qt.
#pragma once

#include <QString>

#include <string_view>

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
