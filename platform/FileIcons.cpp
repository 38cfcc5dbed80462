#include "FileIcons.h"

#include <QHash>
#include <QMimeDatabase>

namespace FileIcons {

void ensureTheme()
{
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

QIcon themed(const QString &name, const QString &fallback)
{
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    if (QIcon::hasThemeIcon(fallback))
        return QIcon::fromTheme(fallback);
    return QIcon(QStringLiteral(":/icons/") + fallback + QStringLiteral(".png"));
}

FileTypeInfo forFile(const QString &path)
{
    static QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(path);
    return { themed(type.iconName(), type.genericIconName()), type.comment() };
}

const FileTypeInfo &forName(const QString &fileName)
{
    // Keyed by extension: a large archive has few distinct types.
    static QHash<QString, FileTypeInfo> cache;
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString key = dot < 0 ? fileName.toLower() : fileName.mid(dot).toLower();
    auto it = cache.find(key);
    if (it != cache.end())
        return *it;

    static QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    FileTypeInfo info;
    info.typeName = type.comment();
    info.icon = themed(type.iconName(), type.genericIconName());
    if (info.icon.isNull())
        info.icon = themed(QStringLiteral("text-x-generic"));
    return *cache.insert(key, info);
}

} // namespace FileIcons
