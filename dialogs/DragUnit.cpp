#include "DragUnit.h"

#include "Operations.h"

#include "Guard.h"
#include "Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

struct ClearOnExit
{
    bool &flag;
    ~ClearOnExit() { flag = false; }
};

} // namespace

TDragForm::TDragForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DragForm"));
    setWindowTitle(tr("Drag and Drop"));
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);

    Label1 = new QLabel(page);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(Label1, 0, 0, 1, 4);

    Edit1 = new QLineEdit(page);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    // The add always goes to the open archive: New... and Open... change it.
    Edit1->setReadOnly(true);
    auto *archiveLabel = new QLabel(tr("A&dd to archive:"), page);
    archiveLabel->setBuddy(Edit1);
    Button3 = new QPushButton(tr("&New..."), page);
    Button4 = new QPushButton(tr("&Open..."), page);
    grid->addWidget(archiveLabel, 1, 0);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(Button3, 1, 2);
    grid->addWidget(Button4, 1, 3);

    ComboBox1 = new QComboBox(page);
    ComboBox1->addItems({ tr("Add (and replace) files"), tr("Freshen existing files"),
        tr("Move files"), tr("Update (and add) files") });
    ComboBox2 = new QComboBox(page);
    ComboBox2->addItems(
        { tr("Maximum (slowest)"), tr("Normal"), tr("Fast"), tr("Super fast"), tr("None") });
    auto *actionLabel = new QLabel(tr("Ac&tion:"), page);
    actionLabel->setBuddy(ComboBox1);
    auto *compressionLabel = new QLabel(tr("&Compression:"), page);
    compressionLabel->setBuddy(ComboBox2);
    grid->addWidget(actionLabel, 2, 0);
    grid->addWidget(ComboBox1, 2, 1);
    grid->addWidget(compressionLabel, 3, 0);
    grid->addWidget(ComboBox2, 3, 1);

    auto *folders = new QGroupBox(tr(" Folders "), page);
    auto *folderLayout = new QVBoxLayout(folders);
    CheckBox1 = new QCheckBox(tr("&Save extra folder info"), folders);
    folderLayout->addWidget(CheckBox1);
    grid->addWidget(folders, 2, 2, 2, 2);
    CheckBox2 = new QCheckBox(tr("Include system and hidden files"), page);
    CheckBox3 = new QCheckBox(tr("Add Zip time"), page);
    CheckBox4 = new QCheckBox(tr("Store filenames in &8.3 format"), page);
    grid->addWidget(CheckBox2, 4, 0, 1, 2);
    grid->addWidget(CheckBox3, 5, 0, 1, 2);
    grid->addWidget(CheckBox4, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 200);

    int n = 1;
    for (QComboBox *box : { ComboBox1, ComboBox2 })
        box->setObjectName(QStringLiteral("ComboBox%1").arg(n++));
    n = 1;
    for (QCheckBox *box : { CheckBox1, CheckBox2, CheckBox3, CheckBox4 })
        box->setObjectName(QStringLiteral("CheckBox%1").arg(n++));
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4->setObjectName(QStringLiteral("Button4"));
    layOutWithPages(page, Button1, Button2);

    ZipEngine1.Verbose = false;
    ZipEngine1.AddCompLevel = 9;

    connect(Button1, &QPushButton::clicked, this, guarded(this, &TDragForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TDragForm::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(this, &TDragForm::Button3Click));
    connect(Button4, &QPushButton::clicked, this, guarded(this, &TDragForm::Button4Click));
}

void TDragForm::setLink(MainWindowLink &link, ArchiveSwitcher &switcher)
{
    m_link = &link;
    m_switcher = &switcher;
    setOwner(link.ownerWindow());
    link.operations().wire(ZipEngine1, tr("Adding"));
}

void TDragForm::showDrop(const std::vector<std::string> &paths)
{
    m_paths = paths;
    showOnTop();
}

void TDragForm::FormShow()
{
    Label1->setText(qs(droppedCaption(m_paths)));
    Edit1->setText(m_link ? qs(m_link->currentArchive()) : QString());
    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(0);
    CheckBox2->setChecked(true);
    Button1->setFocus();
}

AddChoices TDragForm::choices() const
{
    AddChoices c;
    c.action = ComboBox1->currentIndex();
    c.compression = ComboBox2->currentIndex();
    c.folderInfo = CheckBox1->isChecked();
    c.hidden = CheckBox2->isChecked();
    c.zipTime = CheckBox3->isChecked();
    c.dosNames = CheckBox4->isChecked();
    return c;
}

void TDragForm::Button3Click()
{
    if (m_switcher && m_link && m_switcher->newArchive())
        Edit1->setText(qs(m_link->currentArchive()));
}

void TDragForm::Button4Click()
{
    if (!m_switcher || refuseWhileOperationRuns())
        return;
    const QString file = Prompter::instance().openFile(tr("Open"), qs(m_switcher->lastOpenDir()),
        tr("Zip files|*.zip|Archives and .exe files|*.exe;*.zip"));
    if (file.isEmpty())
        return;
    const std::string path = QFileInfo(file).absoluteFilePath().toStdString();
    m_switcher->openAndLoad(path);
    Edit1->setText(qs(path));
}

void TDragForm::Button1Click()
{
    // The library lets events through while it works: OK can come again.
    if (m_running || ZipEngine1.ZipLibBusy || !m_link || !m_switcher || refuseWhileOperationRuns())
        return;
    const std::string archive = m_link->currentArchive();
    if (archive.empty())
        return;
    m_running = true;
    ClearOnExit done { m_running };
    m_calls.clear();
    m_link->operations().startLog();
    // A failure here leaves the dialog open and nothing added.
    NewArchiveKeeper newArchive(archive);
    close();

    const AddChoices c = choices();
    const std::vector<DroppedName> dropped = classifyDropped(m_paths);
    const std::vector<AddPass> passes = dropPasses(dropped, c);
    // A folder that cannot be opened stops the run before the archive changes.
    for (const AddPass &pass : passes)
        checkFolder(pass.currentDir);
    ZipEngine1.AddCompLevel = compressionLevel(c.compression);
    // The library reads the directory itself; the window has it already.
    ZipEngine1.useArchive(archive);
    const auto check = [&dropped](const WalkStop &stop) {
        checkDroppedFiles(dropped, stop);
    };
    if (runAddPasses(ZipEngine1, m_link->operations(), passes, check, m_calls))
        m_link->operations().appendLog(cancelledLine(m_calls.size()));
    newArchive.restore();
    // The archive added to is read again off the window's thread; another
    // name in the box is opened as any archive is.
    const std::string shown = Edit1->text().toStdString();
    std::error_code error;
    if (shown == archive && std::filesystem::is_regular_file(archive, error))
        m_link->loadFileList();
    else
        m_switcher->openAndLoad(shown);
    m_link->operations().reportFailures();
}
