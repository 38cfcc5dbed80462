// Icons and type names for file names, from the MIME database and the icon
// theme. Nothing is written to disk to find them.
#pragma once

#include <QIcon>
#include <QString>

struct FileTypeInfo
{
    QIcon icon;
    QString typeName;
};

namespace FileIcons {

// Makes sure an icon theme is set: outside a desktop session Qt knows none.
void ensureTheme();

// By name only, for archive members (the file need not exist).
const FileTypeInfo &forName(const QString &fileName);

// For a real file: by name, and by content where the name does not tell.
FileTypeInfo forFile(const QString &path);

// base with a padlock in its lower left corner: the theme's emblem, or one
// drawn where the theme has none. Made once per base icon and kept, so a
// long list of encrypted members costs no pixmap per row.
const QIcon &withLock(const QIcon &base);

// A theme icon, or the generic fallback when the theme lacks it.
QIcon themed(const QString &name, const QString &fallback = QStringLiteral("text-x-generic"));

} // namespace FileIcons
