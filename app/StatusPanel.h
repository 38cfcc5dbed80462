// The status line under the list: two text panels, the progress bar that
// covers the second one while a list loads, and the two lamps at the right.
#pragma once

#include <QCoreApplication>
#include <QFrame>

class QLabel;
class QProgressBar;
class StatusLamp;

class StatusPanel : public QFrame
{
    Q_DECLARE_TR_FUNCTIONS(StatusPanel)

public:
    explicit StatusPanel(QWidget *parent);

    // With an archive open the line is split into two panels, else the first
    // takes all of it.
    void arrange(bool archiveOpen);

    QLabel *SPanel1;
    QLabel *SPanel2;
    QProgressBar *ProgressBar1;
    StatusLamp *LedOn;
    StatusLamp *LedOff;

private:
    QFrame *m_bevel;
};
