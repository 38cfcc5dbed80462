// TDragForm: "Drag and Drop", shown after files are dropped on the main
// window: where to add them and how, then the add itself.
#pragma once

#include "AmxDialog.h"
#include "DropRun.h"
#include "MainWindowLink.h"

#include "ZipEngine.h"

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// How the dialog switches the main window to another archive.
class ArchiveSwitcher
{
public:
    virtual ~ArchiveSwitcher() = default;
    virtual std::string lastOpenDir() const = 0;
    // The main window's New command; true when an archive is open afterwards.
    virtual bool newArchive() = 0;
    // Opens the archive in the main window and lists it.
    virtual void openAndLoad(const std::string &path) = 0;
};

class TDragForm : public AmxDialog
{
    Q_OBJECT
public:
    TDragForm();

    void setLink(MainWindowLink &link, ArchiveSwitcher &switcher);
    // Shows the dialog for the names of one drop.
    void showDrop(const std::vector<std::string> &paths);

    QLabel *Label1;
    QLineEdit *Edit1;
    QPushButton *Button3; // New...
    QPushButton *Button4; // Open...
    QComboBox *ComboBox1; // action
    QComboBox *ComboBox2; // compression
    QCheckBox *CheckBox1; // "&Save extra folder info"
    QCheckBox *CheckBox2; // hidden files
    QCheckBox *CheckBox3; // zip time
    QCheckBox *CheckBox4; // 8.3 names
    QPushButton *Button1;
    QPushButton *Button2;
    TZipEngine ZipEngine1;

    AddChoices choices() const;
    bool running() const { return m_running; }
    // The library calls of the last run: current directory, options, specifications.
    const std::vector<AddPass> &lastCalls() const { return m_calls; }

    void FormShow() override;
    void Button1Click();
    void Button2Click() { close(); }
    void Button3Click();
    void Button4Click();

private:
    MainWindowLink *m_link = nullptr;
    ArchiveSwitcher *m_switcher = nullptr;
    std::vector<std::string> m_paths;
    bool m_running = false;
    std::vector<AddPass> m_calls;
};
