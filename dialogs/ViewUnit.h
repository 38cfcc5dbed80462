// TViewForm: "View", extracts the first selected member of the main list into
// the temporary folder and opens it with the associated program, the
// built-in text viewer or the viewer program the user chose.
#pragma once

#include "AmxDialog.h"
#include "MainWindowLink.h"

#include "ZipEngine.h"

#include <QPointer>

#include <optional>
#include <string>

class QLineEdit;
class QPushButton;
class QRadioButton;
class TAsciview;

enum class ViewWay { Associated, TextViewer, Viewer };

class TViewForm : public AmxDialog
{
    Q_OBJECT
public:
    TViewForm();
    ~TViewForm() override;

    void setLink(MainWindowLink &link)
    {
        m_link = &link;
        setOwner(link.ownerWindow());
    }
    // The text viewer "&Internal ASCII text viewer" shows.
    void setTextViewer(TAsciview *viewer);
    TAsciview *textViewer() const;

    TZipEngine ZipEngine1;
    QRadioButton *RadioButton1; // "&Associated program"
    QRadioButton *RadioButton2; // "&Internal ASCII text viewer"
    QRadioButton *RadioButton3; // "&Viewer: "
    QLineEdit *Edit1; // the viewer program
    QPushButton *Button3; // "..."
    QPushButton *Button1; // "View"
    QPushButton *Button2; // "&Cancel"

    ViewWay way() const;

    void FormShow() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Edit971Change();

private:
    MainWindowLink *m_link = nullptr;
    // Cleared when the viewer goes first.
    QPointer<TAsciview> m_textViewer;
};
