#include "ViewUnit.h"
#include "MainWindowLink.h"

#include "AViewUnit.h"
#include "EntryCopy.h"
#include "Operations.h"
#include "ViewText.h"

#include "Guard.h"
#include "Prompter.h"
#include "Shell.h"
#include "Text.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// A program given with a folder must be an executable file there; a bare
// name is looked up on PATH, as starting it would.
bool programExists(const QString &program)
{
    if (program.trimmed().isEmpty())
        return false;
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

TViewForm::TViewForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ViewForm"));
    setWindowTitle(tr("View"));

    auto *using_ = new QGroupBox(tr(" Using "), this);
    RadioButton1 = new QRadioButton(tr("&Associated program"), using_);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(tr("&Internal ASCII text viewer"), using_);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton(tr("&Viewer: "), using_);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    Edit1 = new QLineEdit(using_);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(220);
    Edit1->setAccessibleName(tr("Viewer"));
    Button3 = new QPushButton(QStringLiteral("..."), using_);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setFixedWidth(28);
    Button3->setAutoDefault(false);
    Button3->setToolTip(tr("Browse for the viewer program"));
    Button3->setAccessibleName(tr("Browse"));
    Button3->setAccessibleDescription(Button3->toolTip());
    auto *usingLayout = new QGridLayout(using_);
    usingLayout->addWidget(RadioButton1, 0, 0, 1, 3);
    usingLayout->addWidget(RadioButton2, 1, 0, 1, 3);
    usingLayout->addWidget(RadioButton3, 2, 0);
    usingLayout->addWidget(Edit1, 2, 1);
    usingLayout->addWidget(Button3, 2, 2);

    layOutWithButtons(using_, tr("View"), Button1, Button2);

    ZipEngine1.Verbose = false;
    ZipEngine1.Trace = false;

    connect(Button1, &QPushButton::clicked, this, guarded(this, &TViewForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TViewForm::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(this, &TViewForm::Button3Click));
    connect(Edit1, &QLineEdit::textChanged, this, guarded(this, &TViewForm::Edit971Change));
}

TViewForm::~TViewForm() = default;

void TViewForm::setTextViewer(TAsciview *viewer)
{
    m_textViewer = viewer;
}

TAsciview *TViewForm::textViewer() const
{
    return m_textViewer;
}

ViewWay TViewForm::way() const
{
    if (RadioButton1->isChecked())
        return ViewWay::Associated;
    if (RadioButton3->isChecked())
        return ViewWay::Viewer;
    return ViewWay::TextViewer;
}

void TViewForm::FormShow()
{
    // Filling the box checks "&Viewer: " through its change handler; the
    // text viewer is checked again right after, whatever was used last.
    Edit1->setText(qs(m_link ? m_link->viewer() : std::string()));
    RadioButton2->setChecked(true);
    RadioButton2->setFocus();
}

void TViewForm::Edit971Change()
{
    if (m_link)
        m_link->setViewer(Edit1->text().toStdString());
    RadioButton3->setChecked(true);
}

void TViewForm::Button3Click()
{
    const QFileInfo current(Edit1->text());
    const QString dir = current.isAbsolute() && current.dir().exists() ? current.absolutePath()
                                                                       : QStringLiteral("/usr/bin");
    // Linux programs carry no name extension to filter on.
    const QString chosen = Prompter::instance().openFile(tr("Browse"), dir, tr("Programs|*"));
    if (!chosen.isEmpty())
        Edit1->setText(chosen);
}

void TViewForm::Button2Click()
{
    close();
}

void TViewForm::Button1Click()
{
    if (ZipEngine1.UnzipLibBusy)
        return;
    // An add that lets events run may be rewriting the archive right now.
    if (refuseWhileOperationRuns())
        return;
    const std::optional<ViewEntry> entry = m_link ? m_link->selectedEntry() : std::nullopt;
    if (!entry) {
        close();
        return;
    }
    const std::string temp = m_link ? m_link->temp() : std::string();
    const std::string folder = withTrailingSlash(temp);
    if (folder != temp && m_link)
        m_link->setTemp(folder);

    const ViewWay chosen = way();
    const QString viewer = Edit1->text();
    if (chosen == ViewWay::Viewer && !programExists(viewer)) {
        Prompter::instance().notice(
            tr("Cannot find the viewer program \"%1\".").arg(viewer), Prompter::Icon::Warning);
        return;
    }

    // The library reads the directory itself; the window has it already.
    ZipEngine1.useArchive(m_link ? m_link->currentArchive() : std::string());
    const std::string copy = extractEntryCopy(ZipEngine1, entry->path, entry->name, folder);
    if (copy.empty())
        return;

    const QString file = qs(copy);
    switch (chosen) {
    case ViewWay::Associated:
        Shell::instance().open(file, qs(folder), Shell::Show::Normal);
        if (m_link)
            m_link->watchOpenedCopy(entry->path + entry->name, copy);
        break;
    case ViewWay::TextViewer:
        if (m_textViewer)
            m_textViewer->view(copy.substr(folder.size()));
        break;
    case ViewWay::Viewer:
        Shell::instance().startProgram(viewer, { file }, qs(folder));
        break;
    }
    close();
}
