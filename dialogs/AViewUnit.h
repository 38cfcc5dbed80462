// TAsciview: the built-in text viewer, showing a file of the temporary
// folder as text.
#pragma once

#include "AmxDialog.h"
#include "MainWindowLink.h"
#include "ViewText.h"

#include <string>

class QFont;
class QPlainTextEdit;
class QPushButton;
class QWidget;

class TAsciview : public AmxDialog
{
    Q_OBJECT
public:
    TAsciview();
    ~TAsciview() override;

    // The viewer is not moved over the main window, only disables it.
    void setLink(MainWindowLink &link)
    {
        m_link = &link;
        setOwner(link.ownerWindow(), Placement::Unmoved);
    }

    // Shows the file name of the temporary folder (again, when the viewer
    // is already open).
    void view(const std::string &name);
    const std::string &fileName() const { return m_name; }
    // What the last load showed of the file.
    const ViewText &shown() const { return m_text; }

    QPlainTextEdit *Memo1;
    QWidget *BottomPanel;
    QPushButton *Button1; // "OK"
    QPushButton *Button2; // "&Clipboard Copy"
    QPushButton *Button3; // "&Font"

    void FormShow() override;
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    void setMemoFont(const QFont &font);

    MainWindowLink *m_link = nullptr;
    std::string m_name;
    ViewText m_text;
};
