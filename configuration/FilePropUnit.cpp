#include "FilePropUnit.h"

#include <QCoreApplication>
#include <QMimeDatabase>

TFilePropForm::TFilePropForm(QWidget *mainWindow)
    : PropertyForm(tr("File Properties"),
        { tr("Name:"), tr("Type:"), tr("File size:"), tr("Packed size:"), tr("Ratio:"),
            tr("Modified:"), tr("Path:") },
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
        return QCoreApplication::translate("TFilePropForm", "%1 File").arg(name.mid(dot + 1));
    return QCoreApplication::translate("TFilePropForm", "File");
}
