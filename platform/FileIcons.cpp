#include "FileIcons.h"

#include <QHash>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// A padlock filling a square of side `side`: a shackle over a body, dark
// outlines so that it shows on light and dark icons alike.
QPixmap drawnLock(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    const qreal pen = std::max<qreal>(1.0, s / 10);
    const QRectF body(s * 0.12, s * 0.45, s * 0.76, s * 0.5);
    QPainterPath shackle;
    shackle.moveTo(s * 0.28, s * 0.47);
    shackle.lineTo(s * 0.28, s * 0.32);
    shackle.arcTo(QRectF(s * 0.28, s * 0.06, s * 0.44, s * 0.48), 180, -180);
    shackle.lineTo(s * 0.72, s * 0.47);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 60), pen * 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(shackle);
    p.setPen(QPen(QColor(200, 200, 200), pen * 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(shackle);
    p.setPen(QPen(QColor(90, 60, 0), pen * 0.8));
    p.setBrush(QColor(240, 190, 40));
    p.drawRoundedRect(body, s * 0.08, s * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 0));
    p.drawEllipse(QPointF(s * 0.5, s * 0.66), s * 0.07, s * 0.07);
    return pixmap;
}

QPixmap lockEmblem(int side)
{
    for (const char *name : { "emblem-locked", "object-locked" })
        if (QIcon::hasThemeIcon(QLatin1String(name)))
            return QIcon::fromTheme(QLatin1String(name)).pixmap(QSize(side, side), 1.0);
    return drawnLock(side);
}

} // namespace

namespace FileIcons {

const QIcon &withLock(const QIcon &base)
{
    // Keyed by the base icon: a list has few distinct ones.
    static QHash<qint64, QIcon> cache;
    auto it = cache.find(base.cacheKey());
    if (it != cache.end())
        return *it;
    QIcon locked;
    for (const int side : { 16, 22, 24, 32, 48, 64 }) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        const QPixmap own = base.pixmap(QSize(side, side), 1.0);
        p.drawPixmap((side - own.width()) / 2, (side - own.height()) / 2, own);
        const int emblem = side * 5 / 8;
        p.drawPixmap(0, side - emblem, lockEmblem(emblem));
        p.end();
        locked.addPixmap(pixmap);
    }
    return *cache.insert(base.cacheKey(), locked);
}

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
