// TLnEForm: "Ambermox - Extracting", the percentage gauge shown while the
// file manager's "Extract Here" and "Extract to subfolder" run without the
// main window.
#pragma once

#include "ProgressCounters.h"

#include "engine/ZipEngine.h"

#include <QDialog>

#include <functional>

class QFrame;
class QProgressBar;
class QPushButton;

class TLnEForm : public QDialog
{
    Q_OBJECT
public:
    explicit TLnEForm(QWidget *parent = nullptr);

    // Before the extraction: total = the uncompressed sizes of what is
    // extracted; the gauge goes back to 0.
    void start(int64_t totalBytes);
    const ExtractGauge &gauge() const { return m_gauge; }

    TZipEngine ZipEngine1;
    QFrame *Panel1;
    QProgressBar *Gauge2;
    QPushButton *CancelButt;

    void ZipEngine1Progress(
        TZipEngine &sender, ProgressType progrType, const std::string &filename, int64_t fileSize);
    void CancelButtClick();

    // How Cancel ends the program: at once, in the middle of the library
    // call, without any window's close handling. Tests replace it.
    std::function<void()> endProgram;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    ExtractGauge m_gauge;
};
