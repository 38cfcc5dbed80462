#include "CFolderUnit2.h"

#include "ExtractUnit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

TNFolderForm2::TNFolderForm2(TExtractForm &extract)
    : CreateFolderForm(&extract)
    , m_extract(extract)
{
    extract.showNewFolder = [this] {
        showOnTop();
    };
}

void TNFolderForm2::FormShow()
{
    CreateFolderForm::FormShow();
    std::string current = m_extract.Destination->currentText().toStdString();
    current.erase(0, current.find_first_not_of(' '));
    // Shown without its final '/', except for the root.
    while (current.size() > 1 && current.back() == '/')
        current.pop_back();
    Label2->setText(QString::fromStdString(current));
}

void TNFolderForm2::Button1Click()
{
    const std::string path =
        newFolderPath(Label2->text().toStdString(), Edit1->text().toStdString());
    createFolders(path);
    m_extract.Destination->setEditText(QString::fromStdString(path));
    m_extract.Button1Click();
    close();
}
