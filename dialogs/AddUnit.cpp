#include "AddUnit.h"
#include "MainWindowLink.h"

#include "Operations.h"
#include "PasswordDialog.h"
#include "Prompter.h"

#include "FileIcons.h"
#include "FileListView.h"
#include "Guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <numeric>
#include <utility>

namespace {

QToolButton *flatButton(QWidget *parent, const char *name, const QString &hint,
    const QString &description, const QIcon &icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setAccessibleDescription(description);
    b->setIcon(icon);
    if (icon.isNull())
        b->setText(hint);
    return b;
}

// Clears a flag however the scope is left.
struct ClearOnExit
{
    bool &flag;
    ~ClearOnExit() { flag = false; }
};

} // namespace

TAddForm::TAddForm(AddBrowser::VolumeSource volumes)
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_browser(std::move(volumes))
{
    setObjectName(QStringLiteral("AddForm"));
    setWindowTitle(tr("Add"));
    FileIcons::ensureTheme();

    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setTextFormat(Qt::PlainText);
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StaticText1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    top->addWidget(StaticText1, 1);
    Up = flatButton(this, "Up", tr("Up"), tr("Go up one folder"),
        FileIcons::themed(QStringLiteral("go-up"), QStringLiteral("go-up-symbolic")));
    SpeedButton2 = flatButton(this, "SpeedButton2", tr("List"), tr("Show the files as a list"),
        FileIcons::themed(
            QStringLiteral("view-list"), QStringLiteral("view-list-bullet-symbolic")));
    SpeedButton3 = flatButton(this, "SpeedButton3", tr("Details"),
        tr("Show the files with their size, type and date"),
        FileIcons::themed(
            QStringLiteral("view-list-details"), QStringLiteral("view-list-symbolic")));
    top->addWidget(Up);
    top->addWidget(SpeedButton2);
    top->addWidget(SpeedButton3);
    layout->addLayout(top);

    filelist = new FileListView(this);
    filelist->setAccessibleText(tr("Files"), tr("The files and folders of the folder shown above"));
    filelist->setObjectName(QStringLiteral("filelist"));
    m_model = new AddListModel(m_browser, this);
    filelist->setModel(m_model);
    filelist->setViewStyle(FileListView::Details);
    filelist->setFullRowSelect(true);
    filelist->setMinimumHeight(180);
    layout->addWidget(filelist, 1);
    // The Modified column holds a date and a time with seconds in the
    // system's formats: wide enough for a wide one in this font (a 12-hour
    // clock adds its AM/PM).
    const QString wideTime = QString::fromStdString(
        dateTimeText(QDateTime(QDate(2088, 12, 28), QTime(12, 58, 58), Qt::LocalTime)));
    m_savedWidths[3] = std::max(
        m_savedWidths[3], filelist->detailsView()->fontMetrics().horizontalAdvance(wideTime) + 16);
    // Room for the four columns side by side, so none starts cut off.
    const QTreeView *details = filelist->detailsView();
    filelist->setMinimumWidth(std::accumulate(m_savedWidths.begin(), m_savedWidths.end(), 0)
        + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * details->frameWidth() + 2);

    auto *options = new QGridLayout;
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({ tr("Add (and replace) files"), tr("Freshen existing files"),
        tr("Move files"), tr("Update (and add) files") });
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems(
        { tr("Maximum (slowest)"), tr("Normal"), tr("Fast"), tr("Super fast"), tr("None") });
    auto *actionLabel = new QLabel(tr("Ac&tion:"), this);
    actionLabel->setBuddy(ComboBox1);
    auto *compressionLabel = new QLabel(tr("&Compression:"), this);
    compressionLabel->setBuddy(ComboBox2);
    options->addWidget(actionLabel, 0, 0);
    options->addWidget(ComboBox1, 0, 1);
    options->addWidget(compressionLabel, 1, 0);
    options->addWidget(ComboBox2, 1, 1);

    CheckBox1 = new QCheckBox(tr("Store filenames in &8.3 format"), this);
    CheckBox2 = new QCheckBox(tr("Add Zip time"), this);
    CheckBox3 = new QCheckBox(tr("Include system and hidden files"), this);
    CheckBox4 = new QCheckBox(tr("&Save extra folder info"), this);
    int n = 1;
    for (QCheckBox *box : { CheckBox1, CheckBox2, CheckBox3, CheckBox4 })
        box->setObjectName(QStringLiteral("CheckBox%1").arg(n++));
    options->addWidget(CheckBox1, 0, 2);
    options->addWidget(CheckBox2, 1, 2);
    options->addWidget(CheckBox3, 2, 2);
    options->addWidget(CheckBox4, 3, 2);
    options->setColumnStretch(1, 1);
    options->setColumnMinimumWidth(1, 170);
    layout->addLayout(options);

    auto *encryption = new QGridLayout;
    encryptBox = new QCheckBox(tr("&Encrypt with password"), this);
    encryptBox->setObjectName(QStringLiteral("encryptBox"));
    encryptionMethod = new QComboBox(this);
    encryptionMethod->setObjectName(QStringLiteral("encryptionMethod"));
    encryptionMethod->addItem(tr("AES-256"), AMX_ENCRYPT_AES256);
    encryptionMethod->addItem(
        tr("ZipCrypto (compatible with old tools, weak)"), AMX_ENCRYPT_ZIPCRYPTO);
    encryptionMethod->setAccessibleName(tr("Encryption method"));
    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    repeatEdit = new QLineEdit(this);
    repeatEdit->setObjectName(QStringLiteral("repeatEdit"));
    for (QLineEdit *edit : { passwordEdit, repeatEdit })
        edit->setEchoMode(QLineEdit::Password);
    auto *passwordLabel = new QLabel(tr("&Password:"), this);
    passwordLabel->setBuddy(passwordEdit);
    auto *repeatLabel = new QLabel(tr("&Repeat:"), this);
    repeatLabel->setBuddy(repeatEdit);
    encryption->addWidget(encryptBox, 0, 0, 1, 2);
    encryption->addWidget(encryptionMethod, 0, 2, 1, 2);
    encryption->addWidget(passwordLabel, 1, 0);
    encryption->addWidget(passwordEdit, 1, 1);
    encryption->addWidget(repeatLabel, 1, 2);
    encryption->addWidget(repeatEdit, 1, 3);
    encryption->setColumnStretch(1, 1);
    encryption->setColumnStretch(3, 1);
    layout->addLayout(encryption);
    encryptToggled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Button1 = new QPushButton(tr("&Add"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Button2 = new QPushButton(tr("&Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    resize(560, 430);

    ZipEngine1.Verbose = true;
    ZipEngine1.Trace = false;

    connect(Up, &QToolButton::clicked, this, guarded(this, &TAddForm::UpClick));
    connect(SpeedButton2, &QToolButton::clicked, this, guarded(this, &TAddForm::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, guarded(this, &TAddForm::SpeedButton3Click));
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TAddForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TAddForm::Button2Click));
    connect(encryptBox, &QCheckBox::toggled, this, guarded(this, &TAddForm::encryptToggled));
    connect(
        filelist, &FileListView::selectionChanged, this, guarded(this, &TAddForm::filelistChange));
    connect(filelist, &FileListView::rowDoubleClicked, this,
        guarded(this, &TAddForm::filelistDblClick));
}

TAddForm::~TAddForm()
{
    // The list and its model read the browser, which goes before the children.
    delete filelist;
    delete m_model;
}

void TAddForm::setLink(MainWindowLink &link)
{
    m_link = &link;
    setOwner(link.ownerWindow());
    // The name as stored: on this system case tells files apart.
    link.operations().wire(ZipEngine1, tr("Adding"));
}

AddChoices TAddForm::choices() const
{
    AddChoices c;
    c.action = ComboBox1->currentIndex();
    c.compression = ComboBox2->currentIndex();
    c.dosNames = CheckBox1->isChecked();
    c.zipTime = CheckBox2->isChecked();
    c.hidden = CheckBox3->isChecked();
    c.folderInfo = CheckBox4->isChecked();
    return c;
}

std::vector<AddSelected> TAddForm::selectedRows() const
{
    std::vector<AddSelected> out;
    if (m_browser.driveMode())
        return out;
    for (int row : filelist->selectedRows()) {
        const AddRow &r = m_browser.rows()[size_t(row)];
        out.push_back({ r.name, r.folder });
    }
    return out;
}

void TAddForm::fill(const std::string &folder)
{
    if (m_columnsSet && !m_driveColumns)
        for (int i = 0; i < 4; ++i)
            m_savedWidths[size_t(i)] = filelist->columnWidth(i);
    m_browser.fill(folder);
    StaticText1->setText(m_browser.caption());
    m_model->reload();
    applyColumns();
    Up->setEnabled(!m_browser.driveMode());
    filelistChange();
}

void TAddForm::applyColumns()
{
    // The columns always follow what is listed, so a folder never shows
    // under the drive captions.
    m_driveColumns = m_browser.driveMode();
    m_columnsSet = true;
    QTreeView *details = filelist->detailsView();
    if (m_driveColumns) {
        const int widths[4] = { 110, 128, 127, 0 };
        for (int i = 0; i < 4; ++i)
            filelist->setColumnWidth(i, widths[i]);
        details->setColumnHidden(3, true);
    } else {
        details->setColumnHidden(3, false);
        for (int i = 0; i < 4; ++i)
            filelist->setColumnWidth(i, m_savedWidths[size_t(i)]);
    }
}

void TAddForm::FormShow()
{
    std::string folder = m_link ? m_link->lastAddDir() : std::string();
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    fill(folder);
    ComboBox1->setCurrentIndex(0);
    ComboBox2->setCurrentIndex(0);
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    CheckBox3->setChecked(true);
    CheckBox4->setChecked(false);
    encryptBox->setChecked(false);
    encryptionMethod->setCurrentIndex(0);
    clearPasswords();
    filelist->setFocus();
}

void TAddForm::Button2Click()
{
    close();
}

void TAddForm::encryptToggled(bool on)
{
    for (QWidget *w :
        std::initializer_list<QWidget *> { encryptionMethod, passwordEdit, repeatEdit })
        w->setEnabled(on);
    if (on)
        passwordEdit->setFocus();
}

void TAddForm::clearPasswords()
{
    passwordEdit->clear();
    repeatEdit->clear();
}

bool TAddForm::encryptionChoice(int32_t &encryption, amx::SecretText &password)
{
    encryption = AMX_ENCRYPT_NONE;
    if (!encryptBox->isChecked())
        return true;
    QByteArray typed = passwordEdit->text().toUtf8();
    QByteArray again = repeatEdit->text().toUtf8();
    const bool empty = typed.isEmpty();
    const bool same = typed == again;
    if (!empty && same)
        password = amx::SecretText(std::string_view(typed.constData(), size_t(typed.size())));
    wipeBytes(typed);
    wipeBytes(again);
    if (empty || !same) {
        clearPasswords();
        passwordEdit->setFocus();
        Prompter::instance().notice(empty
                ? tr("Please type the password to encrypt with: an empty one protects nothing.")
                : tr("The two passwords differ. Please type the same password twice."),
            Prompter::Icon::Warning);
        return false;
    }
    encryption = encryptionMethod->currentData().toInt();
    return true;
}

void TAddForm::filelistDblClick(int row)
{
    if (row < 0 || size_t(row) >= m_browser.rows().size())
        return;
    if (!m_browser.driveMode() && !m_browser.rows()[size_t(row)].folder) {
        Button1Click();
        return;
    }
    AddBrowser probe = m_browser;
    probe.open(size_t(row));
    fill(probe.AddFolder());
}

void TAddForm::UpClick()
{
    AddBrowser probe = m_browser;
    probe.up();
    fill(probe.AddFolder());
}

void TAddForm::SpeedButton2Click()
{
    if (filelist->viewStyle() != FileListView::List)
        filelist->setViewStyle(FileListView::List);
}

void TAddForm::SpeedButton3Click()
{
    if (filelist->viewStyle() != FileListView::Details)
        filelist->setViewStyle(FileListView::Details);
}

void TAddForm::filelistChange()
{
    Button1->setEnabled(!m_browser.driveMode() && filelist->selectedCount() > 0);
}

void TAddForm::Button1Click()
{
    // The library runs inside this call and lets events through: the dialog
    // can be shown and clicked again before it returns.
    if (m_running || ZipEngine1.ZipLibBusy || refuseWhileOperationRuns())
        return;
    const std::vector<AddSelected> selected = selectedRows();
    if (selected.empty() || !m_link)
        return;
    const AddChoices c = choices();
    int32_t encryption = AMX_ENCRYPT_NONE;
    amx::SecretText password;
    if (!encryptionChoice(encryption, password))
        return;
    clearPasswords();
    const std::string folder = m_browser.AddFolder();
    std::string archive = m_link ? m_link->currentArchive() : std::string();
    // Absolute: the add passes work in other folders.
    if (!archive.empty())
        archive = QFileInfo(QString::fromStdString(archive)).absoluteFilePath().toStdString();

    m_running = true;
    m_interrupted = false;
    m_calls.clear();
    ClearOnExit done { m_running };
    m_link->operations().startLog();
    NewArchiveKeeper newArchive(archive);
    close();

    const std::vector<AddPass> passes = addPasses(folder, selected, c);
    // Every folder is opened once before anything is added, so that one
    // that cannot be opened stops the run while the archive is untouched.
    checkFolder(folder);
    for (const AddPass &pass : passes)
        checkFolder(pass.currentDir);
    ZipEngine1.AddCompLevel = compressionLevel(c.compression);
    // The library reads the directory itself; the window has it already.
    ZipEngine1.useArchive(archive);
    // Every pass encrypts with the same password, which goes with the run.
    struct Encryption
    {
        TZipEngine &engine;
        TPasswordEvent saved = std::exchange(engine.OnPassword, {});
        ~Encryption()
        {
            engine.AddEncryption = AMX_ENCRYPT_NONE;
            engine.OnPassword = std::move(saved);
        }
    } encrypting { ZipEngine1 };
    ZipEngine1.AddEncryption = encryption;
    if (encryption != AMX_ENCRYPT_NONE)
        ZipEngine1.OnPassword = [&password](TZipEngine &, const std::string &, int) {
            return amx::PasswordAnswer { amx::PasswordAnswer::Kind::Password, password, false };
        };
    const auto check = [&folder, &selected](const WalkStop &stop) {
        checkSelectedFiles(folder, selected, stop);
    };
    m_interrupted = runAddPasses(ZipEngine1, m_link->operations(), passes, check, m_calls);
    newArchive.restore();
    if (m_interrupted)
        m_link->operations().appendLog(cancelledLine(m_calls.size()));
    m_link->loadFileList();
    m_link->setLastAddDir(folder);
    m_link->operations().reportFailures();
}
