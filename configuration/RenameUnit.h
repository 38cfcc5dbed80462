// "Rename": a new base name for the open archive; the extension part stays.
#pragma once

#include "AmxDialog.h"

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

class TRenameForm : public AmxDialog
{
    Q_OBJECT
public:
    explicit TRenameForm(QWidget *mainWindow);

    // The archive's file name, split at its first dot into the two parts.
    void setFileName(const std::string &fileName);
    // Renames to base + extension part; false when refused (the window
    // then stays open on the old name).
    std::function<bool(const std::string &)> renameTo;

    QLabel *Label3; // old base name
    QLabel *Label4; // old extension part
    QLineEdit *Edit1; // new base name
    QLabel *Label5; // extension part, not editable
    QPushButton *Button1;
    QPushButton *Button2;

    void FormShow() override;
    void Button1Click();
};
