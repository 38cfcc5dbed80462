// TViewForm: "View", extracts the first selected member of the main list into
// the temporary folder and opens it with the associated program, the
// built-in text viewer or the viewer program the user chose.
#pragma once

#include "AmxDialog.h"

#include "engine/ZipEngine.h"

#include <functional>
#include <optional>
#include <string>

class Operations;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TAsciview;

// A member as the main list shows it.
struct ViewEntry
{
    std::string path; // up to and including the last '/'
    std::string name;
};

enum class ViewWay { Associated, TextViewer, Viewer };

// What the dialog reads from and writes to the main window.
struct ViewHost
{
    // Centred over, and disabled while the dialog is shown.
    QWidget *mainWindow = nullptr;
    // The add or extraction that may be running.
    Operations *operations = nullptr;
    std::function<std::string()> currentArchive;
    // The first selected row in list order; none when nothing is selected.
    std::function<std::optional<ViewEntry>()> selectedEntry;
    // The "Temp" and "Viewer" settings.
    std::function<std::string()> temp;
    std::function<void(const std::string &)> setTemp;
    std::function<std::string()> viewer;
    std::function<void(const std::string &)> setViewer;
};

class TViewForm : public AmxDialog
{
    Q_OBJECT
public:
    TViewForm();
    ~TViewForm() override;

    void setHost(const ViewHost &host)
    {
        m_host = host;
        setOwner(host.mainWindow);
    }
    const ViewHost &host() const { return m_host; }
    // The text viewer "&Internal ASCII text viewer" shows.
    void setTextViewer(TAsciview *viewer) { m_textViewer = viewer; }
    TAsciview *textViewer() const { return m_textViewer; }

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
    ViewHost m_host;
    TAsciview *m_textViewer = nullptr;
};
