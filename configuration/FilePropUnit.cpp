#include "FilePropUnit.h"

#include <QMimeDatabase>

TFilePropForm::TFilePropForm(QWidget *mainWindow)
    : PropertyForm(QStringLiteral("File Properties"),
        { QStringLiteral("Name:"), QStringLiteral("Type:"), QStringLiteral("File size:"),
            QStringLiteral("Packed size:"), QStringLiteral("Ratio:"), QStringLiteral("Modified:"),
            QStringLiteral("Path:") },
        mainWindow)
{
}

QString typeNameOf(const QString &name)
{
    // By name only: no probe file is needed, so nothing is written.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    if (!type.isDefault() && !type.comment().isEmpty())
        return type.comment();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        return name.mid(dot + 1) + QStringLiteral(" File");
    return QStringLiteral("File");
}
