// TDeleteForm: "Delete", removes the whole contents, the selected members or
// the members matching a typed specification from the open archive, then
// has the main list reloaded.
#pragma once

#include "AmxDialog.h"
#include "DeleteLogic.h"

#include "engine/ZipEngine.h"

#include <functional>
#include <string>
#include <vector>

class Operations;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the dialog reads from and asks of the main window.
struct DeleteHost
{
    // Centred over, and disabled while the dialog is shown.
    QWidget *mainWindow = nullptr;
    // The output log, and the add or extraction that may be running.
    Operations *operations = nullptr;
    std::function<std::string()> currentArchive;
    // The selected rows' members (Path + Name), in list order.
    std::function<std::vector<std::string>()> selectedMembers;
    std::function<void()> loadFileList;
};

class TDeleteForm : public AmxDialog
{
    Q_OBJECT
public:
    TDeleteForm();
    ~TDeleteForm() override;

    void setHost(const DeleteHost &host)
    {
        m_host = host;
        setOwner(host.mainWindow);
    }
    const DeleteHost &host() const { return m_host; }

    TZipEngine ZipEngine1;
    QRadioButton *RadioButton1; // "&Entire archive"
    QRadioButton *RadioButton2; // "&Selected files"
    QRadioButton *RadioButton3; // "&Files:"
    QLineEdit *Edit1;
    QPushButton *Button1; // "Delete"
    QPushButton *Button2; // "&Cancel"

    DeleteWhat what() const;

    void FormShow() override;
    void RadioButton3Click();
    void Edit1Change();
    void Button1Click();
    void Button2Click();
    void ZipEngine1Message(TZipEngine &sender, int32_t errCode, const std::string &message);

private:
    DeleteHost m_host;
};
