// "File Properties": one entry of the archive list.
#pragma once

#include "PropertyForm.h"

class TFilePropForm : public PropertyForm
{
    Q_OBJECT
public:
    // Values: name, type, file size, packed size, ratio, modified, path.
    explicit TFilePropForm(QWidget *mainWindow);
};

// The type name of a file called name, by its name only; "qqq File" for an
// extension nobody knows, "File" without one.
QString typeNameOf(const QString &name);
