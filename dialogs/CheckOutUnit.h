// TCheckOut: "CheckOut", extracts the whole open archive into a folder and
// makes a program group of desktop entries to its members, then opens it.
#pragma once

#include "AmxDialog.h"
#include "MainWindowLink.h"

#include "ZipEngine.h"

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TCheckOut : public AmxDialog
{
    Q_OBJECT
public:
    TCheckOut();

    void setLink(MainWindowLink &link);

    // The folder the program groups go in; the user's applications folder
    // unless a test set another.
    static std::string applicationsFolder();

    TZipEngine ZipEngine1;
    QLineEdit *Edit1; // "&Folder:"
    QLineEdit *Edit2; // "&Group name:"
    QLineEdit *Edit3; // "&Maximum icons:"
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QPushButton *Button2;

    void FormShow() override;
    void Button1Click();
    void Button2Click();

private:
    MainWindowLink *m_link = nullptr;
};
