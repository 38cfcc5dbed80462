// TTipForm: "Ambermox Tip of the Day", one tip at a time and the choice of
// when tips show at start.
#pragma once

#include "AmxDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class SettingsLink;

class TTipForm : public AmxDialog
{
    Q_OBJECT
public:
    TTipForm();

    void setLink(SettingsLink &link);

    QLabel *Label2;
    QComboBox *ComboBox1;
    QPushButton *CloseButton;
    QPushButton *NextTipButton;

    // For the run only: each run starts at tip 1, and the window goes on
    // where it left off when shown again.
    int currentTip() const { return m_current; }

    void FormShow() override;
    void FormClose() override;
    void NextTipClick();

private:
    void showTip();

    SettingsLink *m_link = nullptr;
    int m_current = 1;
};
