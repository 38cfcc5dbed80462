// The two "Create Folder" windows: one opened from the folder chooser, one
// from the Extract dialog. Both create the typed folder with every missing
// folder above it, then make their caller show it.
#pragma once

#include "AmxDialog.h"

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class TSelDirForm;

// current + "/" + typed without one leading "/" + "/": "\new" typed in a
// folder makes new below it, not at the root.
std::string newFolderPath(const std::string &current, const std::string &typed);
// Creates path and the folders above it; false when it is not a folder
// afterwards. Folders that exist already are fine.
bool createFolders(const std::string &path);

class CreateFolderForm : public AmxDialog
{
    Q_OBJECT
public:
    explicit CreateFolderForm(QWidget *owner);

    QLabel *Label2; // the current folder
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;

    void FormShow() override;

protected:
    virtual void Button1Click() = 0;
};

// Opened from the chooser's "&New...": the new folder ends up selected there.
class TNFolderForm1 : public CreateFolderForm
{
    Q_OBJECT
public:
    explicit TNFolderForm1(TSelDirForm &chooser);
    void FormShow() override;

protected:
    void Button1Click() override;

private:
    TSelDirForm &m_chooser;
};
