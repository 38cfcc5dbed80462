// TFindForm: adds the main list's rows that match a name pattern, and
// optionally a date range and a size bound, to the list's selection.
#pragma once

#include "FindLogic.h"

#include "AmxDialog.h"

class DiscoveryHost;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

class TFindForm : public AmxDialog
{
    Q_OBJECT
public:
    TFindForm();

    void setHost(DiscoveryHost *host) { m_host = host; }

    void FormShow() override;
    FindCriteria criteria() const;

private:
    void Button1Click();

    DiscoveryHost *m_host = nullptr;
    QTabWidget *TabNote;
    QLineEdit *FType;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QSpinBox *Day1, *Month1, *Year1, *Day2, *Month2, *Year2;
    QRadioButton *RadioButton3;
    QRadioButton *RadioButton4;
    QLineEdit *MaskEdit1;
    QComboBox *ComboBox1;
    QPushButton *Button1;
    QPushButton *Button2;
};
