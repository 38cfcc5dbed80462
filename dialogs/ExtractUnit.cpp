#include "ExtractUnit.h"
#include "MainWindowLink.h"

#include "FolderTree.h"
#include "Operations.h"

#include "Guard.h"
#include "Prompter.h"
#include "Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

std::string currentFolder()
{
    return QDir::currentPath().toStdString();
}

} // namespace

TExtractForm::TExtractForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ExtractForm"));
    setWindowTitle(tr("Extract"));
    resize(540, 370);

    auto *destinationLabel = new QLabel(tr("E&xtract to:"), this);
    Destination = new QComboBox(this);
    Destination->setObjectName(QStringLiteral("Destination"));
    Destination->setEditable(true);
    Destination->setInsertPolicy(QComboBox::NoInsert);
    destinationLabel->setBuddy(Destination);
    Button1 = new QPushButton(QStringLiteral("->"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedWidth(32);
    Button1->setAutoDefault(false);
    Button1->setToolTip(tr("Show the folder in the tree"));

    auto *treeLabel = new QLabel(tr("&Folders/drives:"), this);
    TreeList = new FolderTree(this);
    TreeList->setObjectName(QStringLiteral("TreeList"));
    treeLabel->setBuddy(TreeList);

    Button2 = new QPushButton(tr("&Extract"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    CancelButton = new QPushButton(tr("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    Button4 = new QPushButton(tr("&New Folder..."), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setAutoDefault(false);
    Button4->setEnabled(false);

    auto *files = new QGroupBox(tr("Files"), this);
    RadioButton1 = new QRadioButton(tr("&Selected files"), files);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(tr("&All files"), files);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton(tr("F&iles:"), files);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    Edit1 = new QLineEdit(files);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    auto *filesLayout = new QGridLayout(files);
    filesLayout->addWidget(RadioButton1, 0, 0, 1, 2);
    filesLayout->addWidget(RadioButton2, 1, 0, 1, 2);
    filesLayout->addWidget(RadioButton3, 2, 0);
    filesLayout->addWidget(Edit1, 2, 1);

    CheckBox1 = new QCheckBox(tr("&Overwrite Existing Files"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(tr("S&kip Older Files"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));

    auto *left = new QVBoxLayout;
    left->addWidget(destinationLabel);
    auto *destinationRow = new QHBoxLayout;
    destinationRow->addWidget(Destination, 1);
    destinationRow->addWidget(Button1);
    left->addLayout(destinationRow);
    left->addWidget(treeLabel);
    left->addWidget(TreeList, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(Button2);
    right->addWidget(CancelButton);
    right->addSpacing(8);
    right->addWidget(files);
    right->addWidget(CheckBox1);
    right->addWidget(CheckBox2);
    right->addStretch(1);
    right->addWidget(Button4);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(Button2, &QPushButton::clicked, this, guarded(this, &TExtractForm::Button2Click));
    connect(
        CancelButton, &QPushButton::clicked, this, guarded(this, &TExtractForm::CancelButtonClick));
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TExtractForm::LocateButtonClick));
    connect(Button4, &QPushButton::clicked, this, guarded(this, &TExtractForm::Button4Click));
    connect(RadioButton3, &QRadioButton::clicked, this,
        guarded(this, &TExtractForm::RadioButton3Click));
    connect(Destination, &QComboBox::editTextChanged, this,
        guarded(this, &TExtractForm::DestinationChange));
    // The selection, not the current item: focusing the tree makes its
    // first node current without the user choosing it.
    connect(TreeList, &QTreeWidget::itemSelectionChanged, this, [this] {
        guard([this] {
            TreeListChange(TreeList->selectedItems().value(0));
        });
    });
    Edit1->installEventFilter(this);
}

void TExtractForm::setLink(MainWindowLink &link)
{
    m_link = &link;
    setOwner(link.ownerWindow());
    link.operations().wire(ZipEngine1, tr("Extracting"));
}

ExtractWhat TExtractForm::what() const
{
    if (RadioButton1->isChecked())
        return ExtractWhat::Selected;
    if (RadioButton3->isChecked())
        return ExtractWhat::Files;
    return ExtractWhat::All;
}

void TExtractForm::FormShow()
{
    Destination->clear();
    const ExtractHistory history = m_link ? m_link->extractHistory() : ExtractHistory {};
    for (const std::string &entry : history)
        if (!entry.empty())
            Destination->addItem(qs(entry));
    if (Destination->count() > 0)
        Destination->setCurrentIndex(0);

    size_t selected = 0;
    if (m_link)
        for (const ExtractRow &row : m_link->listRows())
            selected += row.selected ? 1 : 0;
    const RadioState radios = initialRadios(selected);
    RadioButton1->setEnabled(radios.selectedEnabled);
    (radios.checked == ExtractWhat::Selected ? RadioButton1 : RadioButton2)->setChecked(true);

    Edit1->clear();
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);

    {
        // Building the tree selects nothing the user chose: Destination stays.
        const QSignalBlocker quiet(TreeList);
        TreeList->rebuild();
    }
    Destination->setFocus();
    DestinationChange();
}

void TExtractForm::DestinationChange()
{
    const bool valid = destinationValid(Destination->currentText().toStdString());
    Button2->setEnabled(valid);
    Button4->setEnabled(valid && showNewFolder);
}

void TExtractForm::TreeListChange(QTreeWidgetItem *current)
{
    if (current && FolderTree::kindOf(current) != FolderTree::ComputerNode)
        Destination->setEditText(FolderTree::folderOf(current));
    DestinationChange();
}

void TExtractForm::locate(const std::string &folder)
{
    TreeList->locate(qs(treeFolder(folder, currentFolder())));
    TreeList->setFocus();
}

void TExtractForm::LocateButtonClick()
{
    const std::string typed = withoutLeadingBlanks(Destination->currentText().toStdString());
    const std::string found = nearestExistingFolder(typed);
    if (found.empty()) {
        Prompter::instance().notice(
            tr("Could not find the folder \"%1\".").arg(qs(typed)), Prompter::Icon::Critical);
        return;
    }
    locate(found);
}

void TExtractForm::Button1Click()
{
    const std::string typed = Destination->currentText().toStdString();
    if (typed.empty())
        return;
    locate(typed);
}

void TExtractForm::Edit1Enter()
{
    RadioButton3->setChecked(true);
}

void TExtractForm::RadioButton3Click()
{
    Edit1->setFocus();
}

void TExtractForm::Button4Click()
{
    if (showNewFolder)
        showNewFolder();
}

void TExtractForm::CancelButtonClick()
{
    close();
}

void TExtractForm::Button2Click()
{
    // The dialog can be shown again while its extraction still runs.
    if (ZipEngine1.UnzipLibBusy || refuseWhileOperationRuns())
        return;
    const std::string typed = Destination->currentText().toStdString();
    if (withoutLeadingBlanks(typed).empty())
        return;
    const std::string folder = runFolder(typed, currentFolder());
    // Checked again here: with no folder the engine would extract into
    // whatever folder happens to be current.
    if (!isExistingFolder(folder)) {
        Prompter::instance().notice(
            tr("Could not find the folder \"%1\".").arg(qs(folder)), Prompter::Icon::Critical);
        return;
    }
    const ExtractWhat selection = what();
    const std::string files = Edit1->text().toStdString();
    // The engine reads no specification at all as "every member".
    if (selection == ExtractWhat::Files && files.empty()) {
        Prompter::instance().notice(
            tr("Error - no files selected for extraction"), Prompter::Icon::Information);
        return;
    }
    if (m_link)
        m_link->operations().startLog();
    close();
    run(folder, selection, files);
}

void TExtractForm::run(const std::string &folder, ExtractWhat selection, const std::string &files)
{
    const std::vector<ExtractRow> rows = m_link ? m_link->listRows() : std::vector<ExtractRow>();
    // The library reads the directory itself.
    ZipEngine1.useArchive(m_link ? m_link->currentArchive() : std::string());
    ZipEngine1.ExtrBaseDir = folder;
    m_lastSpecs = extractSpecs(selection, rows, files);
    ZipEngine1.FSpecArgs = m_lastSpecs;
    ExtrOpts options { ExtrOptsEnum::ExtrDirNames };
    if (CheckBox1->isChecked())
        options.insert(ExtrOptsEnum::ExtrOverWrite);
    if (CheckBox2->isChecked())
        options.insert(ExtrOptsEnum::ExtrUpdate);
    ZipEngine1.ExtrOptions = options;

    if (m_link) {
        // A click on the list can interrupt it while it runs.
        Operations::Running running(
            m_link->operations(), ZipEngine1, extractTotal(selection, rows));
        // Synchronous: the busy flag is clear again when it returns.
        ZipEngine1.Extract();
    } else {
        ZipEngine1.Extract();
    }

    if (m_link) {
        ExtractHistory history = m_link->extractHistory();
        updateExtractHistory(history, folder);
        m_link->setExtractHistory(history);
    }
    if (m_link)
        m_link->operations().reportFailures();
}

bool TExtractForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusIn)
        guard([this] {
            Edit1Enter();
        });
    return QDialog::eventFilter(watched, event);
}
