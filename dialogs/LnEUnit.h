// TLnEForm: "Ambermox - Extracting", the percentage gauge shown while the
// file manager's "Extract Here" and "Extract to subfolder" run without the
// main window; "Ambermox - Adding" for its "Save to ZIP".
#pragma once

#include "AmxDialog.h"
#include "ProgressCounters.h"

#include "ZipEngine.h"

#include <chrono>
#include <functional>

class QFrame;
class QProgressBar;
class QPushButton;

class TLnEForm : public AmxDialog
{
    Q_OBJECT
public:
    explicit TLnEForm(QWidget *parent = nullptr);

    // Before the extraction: total = the uncompressed sizes of what is
    // extracted; the gauge goes back to 0.
    void start(int64_t totalBytes);
    // Until the library reports work the gauge runs as busy: reading the
    // directory or walking the folder shows no percentage.
    void reading();
    // From the library's thread: the total an add tells as it finds the
    // files, before the first is written.
    void measured(int64_t totalBytes);
    // The title and description of "Save to ZIP".
    void forAdding();
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
    // Esc is Cancel: it ends the program, not only the window.
    void escapePressed() override { CancelButtClick(); }

private:
    // Where the bar stands for what is done, in the gauge's steps.
    int gaugeStep() const;
    // On the window's thread: the bar at step, the gauge leaving busy.
    void showStep(int step);

    ExtractGauge m_gauge;
    ByteProgress m_bytes;
    std::chrono::steady_clock::time_point m_lastShown;
};
