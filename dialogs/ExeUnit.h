// TEXEForm: "Ambermox Self-Extractor", turns the open archive into a
// self-extracting program beside it.
#pragma once

#include "AmxDialog.h"

class MainWindowLink;
class QLineEdit;
class QPushButton;

class TEXEForm : public AmxDialog
{
    Q_OBJECT
public:
    TEXEForm();

    void setLink(MainWindowLink &link);

    QLineEdit *Edit1; // the default folder
    QLineEdit *Edit2; // the caption
    QLineEdit *Edit3; // the command line
    QPushButton *Button1;
    QPushButton *Button2;

    void FormShow() override;
    void Button1Click();
    void Button2Click();

private:
    void testRun(const QString &program);

    MainWindowLink *m_link = nullptr;
};
