#include "DeleteUnit.h"
#include "MainWindowLink.h"

#include "Operations.h"

#include "Guard.h"
#include "Prompter.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>
#include <optional>

TDeleteForm::TDeleteForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DeleteForm"));
    setWindowTitle(tr("Delete"));

    auto *files = new QGroupBox(this);
    RadioButton1 = new QRadioButton(tr("&Entire archive"), files);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(tr("&Selected files"), files);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton(tr("&Files:"), files);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    Edit1 = new QLineEdit(files);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(180);
    // Its label is the radio button before it.
    Edit1->setAccessibleName(tr("Files"));
    Edit1->setAccessibleDescription(tr("Names of the files to delete; * and ? match any"));
    auto *filesLayout = new QGridLayout(files);
    filesLayout->addWidget(RadioButton1, 0, 0, 1, 2);
    filesLayout->addWidget(RadioButton2, 1, 0, 1, 2);
    filesLayout->addWidget(RadioButton3, 2, 0);
    filesLayout->addWidget(Edit1, 2, 1);

    layOutWithButtons(files, tr("Delete"), Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, guarded(this, &TDeleteForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TDeleteForm::Button2Click));
    connect(
        RadioButton3, &QRadioButton::clicked, this, guarded(this, &TDeleteForm::RadioButton3Click));
    connect(Edit1, &QLineEdit::textChanged, this, guarded(this, &TDeleteForm::Edit1Change));
}

TDeleteForm::~TDeleteForm() = default;

void TDeleteForm::setLink(MainWindowLink &link)
{
    m_link = &link;
    setOwner(link.ownerWindow());
    link.operations().wireWaiting(ZipEngine1);
}

DeleteWhat TDeleteForm::what() const
{
    if (RadioButton2->isChecked())
        return DeleteWhat::Selected;
    if (RadioButton3->isChecked())
        return DeleteWhat::Files;
    return DeleteWhat::Entire;
}

void TDeleteForm::FormShow()
{
    Edit1->clear();
    const size_t selected = m_link ? m_link->selectedMembers().size() : 0;
    const DeleteRadios radios = deleteRadios(selected);
    RadioButton2->setEnabled(radios.selectedEnabled);
    (radios.checked == DeleteWhat::Selected ? RadioButton2 : RadioButton1)->setChecked(true);
}

void TDeleteForm::RadioButton3Click()
{
    Edit1->setFocus();
}

void TDeleteForm::Edit1Change()
{
    RadioButton3->setChecked(true);
}

void TDeleteForm::Button2Click()
{
    if (ZipEngine1.ZipLibBusy) {
        ZipEngine1.CancelRequested = true;
        return;
    }
    close();
}

void TDeleteForm::closeEvent(QCloseEvent *event)
{
    if (ZipEngine1.ZipLibBusy) {
        ZipEngine1.CancelRequested = true;
        event->ignore();
        return;
    }
    AmxDialog::closeEvent(event);
}

void TDeleteForm::Button1Click()
{
    if (ZipEngine1.ZipLibBusy)
        return;
    // An add or extraction that lets events run can still be at work on
    // this archive; deleting under it would corrupt what it writes.
    if (refuseWhileOperationRuns())
        return;
    // "&Entire archive" is checked whenever nothing is selected and Delete
    // is the default button: two keys would empty the archive unasked.
    if (what() == DeleteWhat::Entire && m_link) {
        const std::string archive = m_link->currentArchive();
        const std::string question =
            deleteAllQuestion(m_link->memberCount(), archive.substr(archive.rfind('/') + 1));
        if (!question.empty()
            && !Prompter::instance().question(
                QString::fromStdString(question), Prompter::Icon::Warning, Prompter::Default::No))
            return;
    }
    if (m_link)
        m_link->operations().startLog();
    const std::vector<std::string> selected =
        m_link ? m_link->selectedMembers() : std::vector<std::string>();
    // The library reads the directory itself, and the main window reads the
    // archive back afterwards: no list of this engine's own.
    ZipEngine1.useArchive(m_link ? m_link->currentArchive() : std::string());
    ZipEngine1.FSpecArgs = deleteSpecs(what(), selected, Edit1->text().toStdString());

    // The list shows what the archive holds afterwards, however the run ended.
    std::exception_ptr failure;
    try {
        // A delete reports nothing as it goes: the bar runs as busy, and
        // other commands wait until it is done.
        std::optional<Operations::Running> running;
        if (m_link)
            running.emplace(m_link->operations(), ZipEngine1, 0);
        ZipEngine1.Delete();
    } catch (...) {
        failure = std::current_exception();
    }
    if (m_link)
        m_link->operations().progress().endWaiting();
    close();
    if (m_link)
        m_link->loadFileList();
    if (failure)
        std::rethrow_exception(failure);
}
