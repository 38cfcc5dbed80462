// "Zip Properties": facts about the open archive file.
#pragma once

#include "PropertyForm.h"

class TZipPropForm : public PropertyForm
{
    Q_OBJECT
public:
    // Values: path, name, file size, files, compression, date/time.
    explicit TZipPropForm(QWidget *mainWindow);

Q_SIGNALS:
    // "Comment...": the main window's Comment command.
    void commentClicked();
};
