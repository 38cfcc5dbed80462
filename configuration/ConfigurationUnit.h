// TConfigurationForm: "Configuration", the list and toolbar options, the
// temporary folder and the viewer program, stored at once on OK.
#pragma once

#include "AmxDialog.h"

#include <QString>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class SettingsLink;

// Chooses a folder: title, prompt, the folder to start in. Empty when
// cancelled.
using FolderChooser = std::function<QString(const QString &, const QString &, const QString &)>;

// The program's folder chooser; tests and the tree chooser put theirs here.
FolderChooser &folderChooser();

class TConfigurationForm : public AmxDialog
{
    Q_OBJECT
public:
    TConfigurationForm();

    void setLink(SettingsLink &link);

    QTabWidget *TabbedNotebook1;
    QCheckBox *CheckBox1; // "&Full row select"
    QCheckBox *CheckBox2; // "&Grid lines"
    QCheckBox *CheckBox3; // "Show button &text"
    QCheckBox *CheckBox4; // "Show tool &tips"
    QCheckBox *CheckBox5; // "&Flat toolbar buttons"
    QCheckBox *CheckBox6; // "As &Web page"
    QCheckBox *CheckBox7; // "View &Toolbar"
    QCheckBox *CheckBox8; // "View &StatusBar"
    QRadioButton *RadioGroup1[4];
    QLineEdit *Edit1; // temporary folder
    QLineEdit *Edit2; // viewer
    QToolButton *SpeedButton1;
    QToolButton *SpeedButton2;
    QPushButton *Button1;
    QPushButton *Button2;

    void FormShow() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button1Click();
    void Button2Click();

private:
    int viewStyle() const;

    SettingsLink *m_link = nullptr;
};
