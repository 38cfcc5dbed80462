// TDeleteForm: "Delete", removes the whole contents, the selected members or
// the members matching a typed specification from the open archive, then
// has the main list reloaded.
#pragma once

#include "AmxDialog.h"
#include "DeleteLogic.h"
#include "MainWindowLink.h"

#include "ZipEngine.h"

#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QRadioButton;

class TDeleteForm : public AmxDialog
{
    Q_OBJECT
public:
    TDeleteForm();
    ~TDeleteForm() override;

    // A delete shows no progress in the main window, only that it waits for
    // another program writing the archive (Cancel then stops the wait), and
    // reports nothing into the output log.
    void setLink(MainWindowLink &link);

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

protected:
    // While a delete waits for another writer, Esc and the frame's close
    // button stop the wait as Cancel does; the dialog closes when it returns.
    void escapePressed() override { Button2Click(); }
    void closeEvent(QCloseEvent *event) override;

private:
    MainWindowLink *m_link = nullptr;
};
