// TMsgForm: "View Last Output", the lines the compression libraries reported
// during the last operation.
#pragma once

#include "AmxDialog.h"
#include "OutputLog.h"

class QPushButton;
class QWidget;

class TMsgForm : public AmxDialog
{
    Q_OBJECT
public:
    // mainWindow: centred over, and disabled while this window is shown.
    explicit TMsgForm(QWidget *mainWindow);

    void clearLines();
    void appendLine(const QString &line);
    // A batch of lines at once (the buffers are taken over).
    void appendLines(LogLines &&lines);
    QStringList lines() const;

    OutputLogView *RichEdit1;
    QWidget *BottomPanel;
    QPushButton *OKButton;

    void FormShow() override;
    void FormResize();
    void OKButtonClick();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void escapePressed() override { OKButtonClick(); }
};
