#include "ZipPropUnit.h"

TZipPropForm::TZipPropForm(QWidget *mainWindow)
    : PropertyForm(tr("Zip Properties"),
        { tr("Path:"), tr("Name:"), tr("File size:"), tr("Files"), tr("Compression:"),
            tr("Date/time:") },
        mainWindow)
{
}
