#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Owned by the application object, so they live as long as the texts they serve.
bool install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    // Tries the locale's languages in the user's order (de_AT, de, ...).
    if (translator->load(locale, name, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

int installTranslations(const QLocale &locale, const QString &folder)
{
    if (!install(locale, QStringLiteral("ambermox"), folder))
        return 0;
    // Qt's own texts only with ours: a window half in one language and half
    // in another reads worse than English throughout.
    return 1
        + install(
            locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
