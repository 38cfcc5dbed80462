#include "ConfigurationUnit.h"

#include "ConfigurationLogic.h"
#include "SettingsLink.h"

#include "Guard.h"
#include "Prompter.h"
#include "Settings.h"
#include "Text.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QCheckBox *checkBox(const QString &caption, const char *name, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// spoken: what a screen reader calls the edit; browse: what its "..." does.
QWidget *pathRow(QLineEdit *&edit, const char *editName, QToolButton *&button,
    const char *buttonName, const QString &spoken, const QString &browse, QWidget *parent)
{
    auto *row = new QWidget(parent);
    edit = new QLineEdit(row);
    edit->setObjectName(QLatin1String(editName));
    edit->setMinimumWidth(260);
    edit->setAccessibleName(spoken);
    button = new QToolButton(row);
    button->setObjectName(QLatin1String(buttonName));
    button->setText(QStringLiteral("..."));
    button->setAccessibleName(QCoreApplication::translate("TConfigurationForm", "Browse"));
    button->setAccessibleDescription(browse);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    return row;
}

} // namespace

FolderChooser &folderChooser()
{
    // The desktop's folder dialog, until the program hooks in its own chooser.
    static FolderChooser chooser = [](const QString &title, const QString &prompt,
                                       const QString &start) {
        Q_UNUSED(prompt);
        return QFileDialog::getExistingDirectory(nullptr, title, start);
    };
    return chooser;
}

TConfigurationForm::TConfigurationForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ConfigurationForm"));
    setWindowTitle(tr("Configuration"));

    TabbedNotebook1 = new QTabWidget(this);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));

    auto *view = new QWidget;
    CheckBox7 = checkBox(tr("View &Toolbar"), "CheckBox7", view);
    CheckBox8 = checkBox(tr("View &StatusBar"), "CheckBox8", view);
    auto *general = new QGroupBox(tr(" General "), view);
    CheckBox1 = checkBox(tr("&Full row select"), "CheckBox1", general);
    CheckBox2 = checkBox(tr("&Grid lines"), "CheckBox2", general);
    CheckBox6 = checkBox(tr("As &Web page"), "CheckBox6", general);
    auto *generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(CheckBox1);
    generalLayout->addWidget(CheckBox2);
    generalLayout->addWidget(CheckBox6);
    auto *style = new QGroupBox(tr(" Filelist view style "), view);
    style->setObjectName(QStringLiteral("RadioGroup1"));
    auto *styleLayout = new QVBoxLayout(style);
    const QString styles[] = { tr("Large Icons"), tr("Small Icons"), tr("List"), tr("Details") };
    for (int i = 0; i < 4; ++i) {
        RadioGroup1[i] = new QRadioButton(styles[i], style);
        styleLayout->addWidget(RadioGroup1[i]);
    }
    auto *viewLayout = new QHBoxLayout(view);
    auto *viewLeft = new QVBoxLayout;
    viewLeft->addWidget(CheckBox7);
    viewLeft->addWidget(CheckBox8);
    viewLeft->addWidget(general);
    viewLeft->addStretch(1);
    viewLayout->addLayout(viewLeft);
    viewLayout->addWidget(style);
    TabbedNotebook1->addTab(view, tr("View"));

    auto *toolbar = new QWidget;
    auto *toolbarGroup = new QGroupBox(tr(" Toolbar Configuration "), toolbar);
    CheckBox3 = checkBox(tr("Show button &text"), "CheckBox3", toolbarGroup);
    CheckBox4 = checkBox(tr("Show tool &tips"), "CheckBox4", toolbarGroup);
    CheckBox5 = checkBox(tr("&Flat toolbar buttons"), "CheckBox5", toolbarGroup);
    auto *toolbarGroupLayout = new QVBoxLayout(toolbarGroup);
    toolbarGroupLayout->addWidget(CheckBox3);
    toolbarGroupLayout->addWidget(CheckBox4);
    toolbarGroupLayout->addWidget(CheckBox5);
    auto *toolbarLayout = new QVBoxLayout(toolbar);
    toolbarLayout->addWidget(toolbarGroup);
    toolbarLayout->addStretch(1);
    TabbedNotebook1->addTab(toolbar, tr("Toolbar"));

    auto *folders = new QWidget;
    auto *tempGroup = new QGroupBox(tr(" &Temp folder "), folders);
    auto *tempLayout = new QVBoxLayout(tempGroup);
    tempLayout->addWidget(pathRow(Edit1, "Edit1", SpeedButton1, "SpeedButton1", tr("Temp folder"),
        tr("Choose the temp folder"), tempGroup));
    auto *foldersLayout = new QVBoxLayout(folders);
    foldersLayout->addWidget(tempGroup);
    foldersLayout->addStretch(1);
    TabbedNotebook1->addTab(folders, tr("Folders"));

    auto *programs = new QWidget;
    auto *viewerLabel = new QLabel(tr("&Viewer:"), programs);
    auto *programsLayout = new QVBoxLayout(programs);
    programsLayout->addWidget(viewerLabel);
    programsLayout->addWidget(pathRow(Edit2, "Edit2", SpeedButton2, "SpeedButton2", tr("Viewer"),
        tr("Choose the viewer program"), programs));
    programsLayout->addStretch(1);
    viewerLabel->setBuddy(Edit2);
    TabbedNotebook1->addTab(programs, tr("Program Locations"));

    layOutWithPages(TabbedNotebook1, Button1, Button2);

    connect(SpeedButton1, &QToolButton::clicked, this,
        guarded(this, &TConfigurationForm::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this,
        guarded(this, &TConfigurationForm::SpeedButton2Click));
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TConfigurationForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TConfigurationForm::Button2Click));
}

void TConfigurationForm::setLink(SettingsLink &link)
{
    m_link = &link;
    setOwner(link.ownerWindow());
}

void TConfigurationForm::FormShow()
{
    TabbedNotebook1->setCurrentIndex(0);
    if (!m_link)
        return;
    const Settings &s = m_link->settings();
    Edit2->setText(qs(s.Viewer));
    Edit1->setText(qs(shownTempFolder(s.Temp)));
    const std::pair<QCheckBox *, int> boxes[] = { { CheckBox1, s.FullRow },
        { CheckBox2, s.GridLines }, { CheckBox3, s.ShowToolbarText }, { CheckBox4, s.ToolbarTips },
        { CheckBox5, s.FlatButtons }, { CheckBox6, s.AsWebPage }, { CheckBox7, s.ViewToolbar },
        { CheckBox8, s.ViewStatusLine } };
    for (const auto &[box, value] : boxes)
        box->setChecked(value == 1);
    for (int i = 0; i < 4; ++i)
        RadioGroup1[i]->setChecked(i == s.ViewStyle);
}

void TConfigurationForm::SpeedButton1Click()
{
    const QString folder =
        folderChooser()(tr("Temporary folder"), tr("Select &temporary folder:"), Edit1->text());
    if (!folder.isEmpty())
        Edit1->setText(folder);
}

void TConfigurationForm::SpeedButton2Click()
{
    const QString program =
        Prompter::instance().openFile(tr("Browse"), Edit2->text(), tr("Programs|*"));
    if (!program.isEmpty())
        Edit2->setText(program);
}

int TConfigurationForm::viewStyle() const
{
    for (int i = 0; i < 4; ++i)
        if (RadioGroup1[i]->isChecked())
            return i;
    return -1;
}

void TConfigurationForm::Button1Click()
{
    if (!m_link)
        return;
    Settings &s = m_link->settings();
    s.Viewer = Edit2->text().toStdString();
    const std::string typed = Edit1->text().toStdString();
    if (typed.empty())
        Prompter::instance().notice(tr("The temporary folder cannot be empty; it stays %1.")
                                        .arg(qs(shownTempFolder(s.Temp))),
            Prompter::Icon::Information);
    s.Temp = storedTempFolder(typed, s.Temp);
    const std::pair<QCheckBox *, int *> boxes[] = { { CheckBox1, &s.FullRow },
        { CheckBox2, &s.GridLines }, { CheckBox3, &s.ShowToolbarText },
        { CheckBox4, &s.ToolbarTips }, { CheckBox5, &s.FlatButtons }, { CheckBox6, &s.AsWebPage },
        { CheckBox7, &s.ViewToolbar }, { CheckBox8, &s.ViewStatusLine } };
    for (const auto &[box, value] : boxes)
        *value = box->isChecked() ? 1 : 0;
    // An out-of-range style checks no item; the stored value stays.
    if (viewStyle() >= 0)
        s.ViewStyle = viewStyle();
    m_link->saveAndReloadSettings();
    close();
}

void TConfigurationForm::Button2Click()
{
    close();
}
