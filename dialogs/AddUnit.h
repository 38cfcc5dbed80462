// TAddForm: "Add", the dialog that adds files and folders from disk to the
// open archive, with its own small browser.
#pragma once

#include "AddBrowser.h"
#include "AddRun.h"
#include "AmxDialog.h"
#include "MainWindowLink.h"

#include "ZipEngine.h"

#include <array>
#include <string>

class FileListView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TAddForm : public AmxDialog
{
    Q_OBJECT
public:
    explicit TAddForm(AddBrowser::VolumeSource volumes = mountedVolumes);
    ~TAddForm() override;

    // Binds the form to the main window and registers ZipEngine1 as the
    // engine a click on the main list can interrupt.
    void setLink(MainWindowLink &link);

    QLabel *StaticText1;
    FileListView *filelist;
    QToolButton *Up;
    QToolButton *SpeedButton2; // list style
    QToolButton *SpeedButton3; // details style
    QComboBox *ComboBox1; // action
    QComboBox *ComboBox2; // compression
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QCheckBox *CheckBox3;
    QCheckBox *CheckBox4;
    // Encryption of the members added: the password typed twice, AES-256
    // unless the weak traditional cipher is chosen.
    QCheckBox *encryptBox;
    QComboBox *encryptionMethod;
    QLineEdit *passwordEdit;
    QLineEdit *repeatEdit;
    QPushButton *Button1;
    QPushButton *Button2;
    TZipEngine ZipEngine1;

    const AddBrowser &browser() const { return m_browser; }
    // The folder-mode column widths, kept while the drive list shows its own.
    const std::array<int, 4> &savedWidths() const { return m_savedWidths; }
    AddChoices choices() const;
    std::vector<AddSelected> selectedRows() const;
    // True from the start of a run to its end; a second run is refused meanwhile.
    bool running() const { return m_running; }
    // The last run stopped early because the user interrupted it.
    bool lastRunInterrupted() const { return m_interrupted; }
    // The library calls of the last run as the engine made them: the
    // current directory, options and specifications of each.
    const std::vector<AddPass> &lastCalls() const { return m_calls; }

    void FormShow() override;
    // However the dialog goes, the typed passwords go with it.
    void FormClose() override { clearPasswords(); }
    void Button2Click();
    void filelistDblClick(int row);
    void UpClick();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void filelistChange();
    void Button1Click();

protected:
    void escapePressed() override { Button2Click(); }

private:
    void fill(const std::string &folder);
    void encryptToggled(bool on);
    // AMX_ENCRYPT_*, with the password when one is asked for; false, told,
    // when the two typed do not make one.
    bool encryptionChoice(int32_t &encryption, amx::SecretText &password);
    void clearPasswords();
    void applyColumns();

    MainWindowLink *m_link = nullptr;
    AddBrowser m_browser;
    AddListModel *m_model;
    std::array<int, 4> m_savedWidths { 190, 85, 110, 114 };
    bool m_driveColumns = false;
    bool m_columnsSet = false; // the saved widths hold until a first fill shows them
    bool m_running = false;
    bool m_interrupted = false;
    std::vector<AddPass> m_calls;
};
