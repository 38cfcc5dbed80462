#include "ZipPropUnit.h"

#include <QPushButton>

TZipPropForm::TZipPropForm(QWidget *mainWindow)
    : PropertyForm(tr("Zip Properties"),
        { tr("Path:"), tr("Name:"), tr("File size:"), tr("Files"), tr("Compression:"),
            tr("Date/time:") },
        mainWindow)
{
    if (Button2) {
        Button2->setText(tr("Co&mment..."));
        Button2->show();
        connect(Button2, &QPushButton::clicked, this, [this] {
            close();
            Q_EMIT commentClicked();
        });
    }
}
