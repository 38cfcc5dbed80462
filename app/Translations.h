// The window program in the user's language.
#pragma once

#include <QLocale>
#include <QString>

// Installs the program's translation for locale ("ambermox_<lang>.qm" from
// folder, the embedded ones by default) and Qt's own for its standard
// buttons and dialogs, each when there is one; English needs none. Returns
// how many it installed. Call once, after the application object exists.
int installTranslations(const QLocale &locale, const QString &folder = QStringLiteral(":/i18n"));
