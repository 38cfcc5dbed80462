#include "CheckOutUnit.h"

#include "CheckOutLogic.h"
#include "ExtractLogic.h"
#include "Operations.h"

#include "Guard.h"
#include "Prompter.h"
#include "Shell.h"
#include "Text.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeDatabase>
#include <QPushButton>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QVBoxLayout>

TCheckOut::TCheckOut()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CheckOut"));
    setWindowTitle(tr("CheckOut"));

    auto *controls = new QWidget(this);
    auto *text = new QLabel(tr("All files will be extracted to the specified folder, "
                               "and a program group will be build."),
        controls);
    text->setWordWrap(true);
    Edit1 = new QLineEdit(controls);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);
    Edit2 = new QLineEdit(controls);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit3 = new QLineEdit(controls);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    CheckBox1 = new QCheckBox(tr("&Create icons for programs and documents only"), controls);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    auto *form = new QFormLayout;
    form->addRow(tr("&Folder:"), Edit1);
    form->addRow(tr("&Group name:"), Edit2);
    form->addRow(tr("&Maximum icons:"), Edit3);
    auto *layout = new QVBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(CheckBox1);

    layOutWithButtons(controls, tr("OK"), Button1, Button2);
    Button2->setText(tr("Cancel"));

    connect(Button1, &QPushButton::clicked, this, guarded(this, &TCheckOut::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TCheckOut::Button2Click));
}

void TCheckOut::setLink(MainWindowLink &link)
{
    m_link = &link;
    setOwner(link.ownerWindow());
    link.operations().wire(ZipEngine1, tr("Extracting"));
}

std::string TCheckOut::applicationsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation).toStdString();
}

void TCheckOut::FormShow()
{
    CheckBox1->setChecked(true);
    Edit3->setText(QStringLiteral("50"));
    const std::string archive = m_link ? m_link->currentArchive() : std::string();
    const std::string base = archiveBaseName(archive);
    const QFileInfo info(qs(archive));
    const QString root = QStorageInfo(info.absolutePath()).rootPath();
    // The volume's root is rarely writable on this platform; home serves
    // as the fallback drive did.
    const bool useHome = !info.isWritable() || !QFileInfo(root).isWritable();
    Edit1->setText(qs(
        proposedCheckOutFolder(base, root.toStdString(), useHome, QDir::homePath().toStdString())));
    Edit2->setText(qs(base));
    Edit1->setFocus();
}

void TCheckOut::Button2Click()
{
    close();
}

void TCheckOut::Button1Click()
{
    if (ZipEngine1.UnzipLibBusy || refuseWhileOperationRuns())
        return;
    // Checked before extracting, so a typing slip costs no extraction.
    const std::optional<int> maxIcons = parseMaxIcons(Edit3->text().toStdString());
    if (!maxIcons) {
        Prompter::instance().notice(
            tr("'%1' is not a valid integer value").arg(Edit3->text()), Prompter::Icon::Critical);
        return;
    }
    const std::string folder = Edit1->text().toStdString();
    if (const std::string problem = checkOutFolderProblem(folder); !problem.empty()) {
        Prompter::instance().notice(
            tr("Cannot check out into \"%1\": %2.").arg(Edit1->text(), qs(problem)),
            Prompter::Icon::Warning);
        return;
    }
    const std::string groupName = Edit2->text().toStdString();
    if (const std::string problem = groupNameProblem(groupName); !problem.empty()) {
        Prompter::instance().notice(
            tr("\"%1\" cannot be the group name: %2.").arg(Edit2->text(), qs(problem)),
            Prompter::Icon::Warning);
        return;
    }
    if (m_link)
        m_link->operations().startLog();
    close();

    QDir().mkpath(qs(folder));
    // The bar counts against what the list holds; the group is made from it.
    const std::vector<ExtractRow> rows = m_link ? m_link->listRows() : std::vector<ExtractRow>();
    // The library reads the directory itself; the window has it already.
    ZipEngine1.useArchive(m_link ? m_link->currentArchive() : std::string());
    ZipEngine1.ExtrBaseDir = folder;
    ZipEngine1.FSpecArgs = { "*.*" };
    ZipEngine1.ExtrOptions = { ExtrOptsEnum::ExtrDirNames };
    if (m_link) {
        Operations::Running running(
            m_link->operations(), ZipEngine1, extractTotal(ExtractWhat::All, rows));
        ZipEngine1.Extract();
    } else {
        ZipEngine1.Extract();
    }
    if (m_link)
        m_link->operations().reportFailures();

    std::vector<std::string> members;
    for (const ExtractRow &row : rows)
        members.push_back(row.member);
    const std::vector<GroupEntry> entries =
        groupEntries(members, folder, CheckBox1->isChecked(), *maxIcons, [](const std::string &t) {
            const QFileInfo info(qs(t));
            if (!info.exists())
                return TargetKind::Missing;
            return info.isFile() && info.isExecutable() ? TargetKind::Executable
                                                        : TargetKind::Plain;
        });
    const std::string applications = applicationsFolder();
    static const QMimeDatabase mimes;
    const std::vector<std::string> problems =
        writeProgramGroup(applications, groupName, entries, [](const std::string &target) {
            return mimes.mimeTypeForFile(qs(target)).iconName().toStdString();
        });
    if (!problems.empty()) {
        QStringList lines;
        for (const std::string &line : problems)
            lines << qs(line);
        Prompter::instance().notice(lines.join(QLatin1Char('\n')), Prompter::Icon::Warning);
    }
    Shell::instance().open(QDir::cleanPath(qs(applications + "/" + groupName)), QString());
}
