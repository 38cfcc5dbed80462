#include "CFolderUnit1.h"

#include "SelFolderUnit.h"

#include "FolderTree.h"
#include "Guard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

std::string newFolderPath(const std::string &current, const std::string &typed)
{
    std::string path = current;
    if (path.empty() || path.back() != '/')
        path += '/';
    path += typed.starts_with('/') ? typed.substr(1) : typed;
    if (path.back() != '/')
        path += '/';
    return path;
}

bool createFolders(const std::string &path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

CreateFolderForm::CreateFolderForm(QWidget *owner)
    : AmxDialog(Qt::Dialog)
{
    setWindowTitle(tr("Create Folder"));
    // Opened from the modal chooser, it must take the input itself.
    setWindowModality(Qt::ApplicationModal);
    auto *controls = new QWidget(this);
    auto *form = new QFormLayout(controls);
    Label2 = new QLabel(controls);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setMinimumWidth(260);
    Edit1 = new QLineEdit(controls);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    form->addRow(tr("Current folder:"), Label2);
    auto *nameLabel = new QLabel(tr("&Name:"), controls);
    nameLabel->setBuddy(Edit1);
    form->addRow(nameLabel, Edit1);
    layOutWithButtons(controls, tr("OK"), Button1, Button2);
    Button2->setText(tr("Cancel"));
    connect(Button1, &QPushButton::clicked, this, [this] {
        guard([this] {
            Button1Click();
        });
    });
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    setOwner(owner);
}

void CreateFolderForm::FormShow()
{
    Edit1->clear();
    Edit1->setFocus();
}

TNFolderForm1::TNFolderForm1(TSelDirForm &chooser)
    : CreateFolderForm(&chooser)
    , m_chooser(chooser)
{
}

void TNFolderForm1::FormShow()
{
    CreateFolderForm::FormShow();
    Label2->setText(m_chooser.Destination->currentText());
}

void TNFolderForm1::Button1Click()
{
    std::string path = newFolderPath(Label2->text().toStdString(), Edit1->text().toStdString());
    // Nothing is reported: the walk below simply ends on the deepest
    // folder that exists.
    createFolders(path);
    if (path.size() > 1)
        path.pop_back();
    m_chooser.showFolder(QString::fromStdString(path));
    close();
    m_chooser.TreeList->setFocus();
}
