// TExtractForm: "Extract", extracts the selected members, all members or a
// typed specification of the open archive into a folder chosen by typing,
// from the last five extraction folders, or in a tree of folders.
#pragma once

#include "AmxDialog.h"
#include "ExtractLogic.h"
#include "MainWindowLink.h"

#include "ZipEngine.h"

#include <functional>
#include <string>
#include <vector>

class FolderTree;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidgetItem;

class TExtractForm : public AmxDialog
{
    Q_OBJECT
public:
    TExtractForm();

    // Binds the form to the main window, which shows its extractions.
    void setLink(MainWindowLink &link);

    // Shows the new-folder window; until one is set "&New Folder..." stays
    // disabled.
    std::function<void()> showNewFolder;

    TZipEngine ZipEngine1;
    QComboBox *Destination;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QLineEdit *Edit1;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    FolderTree *TreeList;
    QPushButton *Button2; // "&Extract"
    QPushButton *CancelButton;
    QPushButton *Button1; // "->"
    QPushButton *Button4; // "&New Folder..."

    void FormShow() override;
    void Button2Click();
    // "->": the typed folder, or its nearest existing parent, in the tree.
    void LocateButtonClick();
    // The folder in Destination in the tree, without checks or messages
    // (the new-folder window calls it after creating the folder).
    void Button1Click();
    void TreeListChange(QTreeWidgetItem *current);
    void DestinationChange();
    void Edit1Enter();
    void RadioButton3Click();
    void Button4Click();
    void CancelButtonClick();

    ExtractWhat what() const;
    // The specifications the last run handed to the engine (which empties
    // its own list once the library has them).
    const std::vector<std::string> &lastSpecs() const { return m_lastSpecs; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void locate(const std::string &folder);
    void run(const std::string &folder, ExtractWhat what, const std::string &files);

    MainWindowLink *m_link = nullptr;
    std::vector<std::string> m_lastSpecs;
};
