// TAboutForm: "About Ambermox", the version of the program and of its two
// libraries, contact points and credits, the FAQ page and the home page.
#pragma once

#include "AmxDialog.h"

class QLabel;
class QPushButton;
class SettingsLink;

class TAboutForm : public AmxDialog
{
    Q_OBJECT
public:
    TAboutForm();

    void setLink(SettingsLink &link);

    QLabel *Label1;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8; // the home page
    QLabel *Label9; // the e-mail address
    QLabel *Label10;
    QLabel *Label11;
    QLabel *versions;
    QPushButton *Button1;
    QPushButton *Button2; // "&FAQs"
    QPushButton *Button3; // "&Web Site"

    void FormShow() override;
    void Button2Click();
    void Button3Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void colour(QLabel *label, Qt::GlobalColor colour);

    SettingsLink *m_link = nullptr;
};
