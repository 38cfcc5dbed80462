#include "ZipPropUnit.h"

TZipPropForm::TZipPropForm(QWidget *mainWindow)
    : PropertyForm(QStringLiteral("Zip Properties"),
        { QStringLiteral("Path:"), QStringLiteral("Name:"), QStringLiteral("File size:"),
            QStringLiteral("Files"), QStringLiteral("Compression:"), QStringLiteral("Date/time:") },
        mainWindow)
{
}
