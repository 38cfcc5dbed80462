#include "SearchUnit.h"

#include "DiscoveryHost.h"
#include "FavoriteScan.h"

#include "Guard.h"
#include "Prompter.h"
#include "Text.h"
#include "Volumes.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

QStringList fixedVolumeRoots()
{
    static const QStringList remote = { "nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs",
        "sshfs", "9p", "afs", "ceph", "glusterfs", "fuse.rclone", "davfs" };
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        QString root = volume.rootPath();
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        const QString type = QString::fromUtf8(volume.fileSystemType());
        if (!volume.isValid() || !volume.isReady() || !isUserVolume(root, type)
            || remote.contains(type) || root.startsWith(QStringLiteral("/media/"))
            || root.startsWith(QStringLiteral("/run/media/")) || roots.contains(root))
            continue;
        roots.append(root);
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

TSearchForm::TSearchForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(tr("Ambermox Search"));

    auto *controls = new QWidget(this);
    Label1 = new QLabel(tr("Ambermox can automatically search for Zip files,  or, if  "
                           "you want  to  search  for  a file yourselft, click "
                           "\"Let me find it\"."),
        controls);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setFixedWidth(360);
    SAll = new QRadioButton(tr("&Search hard disk(s) on this PC"), controls);
    SAll->setObjectName(QStringLiteral("SAll"));
    SDisk = new QRadioButton(tr("Search &disk:"), controls);
    SDisk->setObjectName(QStringLiteral("SDisk"));
    ComboBox1 = new QComboBox(controls);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    SMan = new QRadioButton(tr("&Let me find it (not automatic)"), controls);
    SMan->setObjectName(QStringLiteral("SMan"));
    Label2 = new QLabel(controls);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(controls);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    // Fixed: a long folder name is elided rather than widening the window.
    Label3->setFixedWidth(360);
    Animate1 = new QProgressBar(controls);
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->setAccessibleName(tr("Searching"));
    Animate1->setAccessibleDescription(tr("Moves while the search runs"));
    Animate1->setRange(0, 0); // turns by itself while shown
    Animate1->setTextVisible(false);
    Animate1->setMaximumHeight(12);
    Animate1->hide();

    auto *grid = new QGridLayout(controls);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(SAll, 1, 0, 1, 2);
    grid->addWidget(SDisk, 2, 0);
    grid->addWidget(ComboBox1, 2, 1);
    grid->addWidget(SMan, 3, 0, 1, 2);
    grid->addWidget(Animate1, 4, 0, 1, 2);
    grid->addWidget(Label2, 5, 0, 1, 2);
    grid->addWidget(Label3, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    layOutWithButtons(controls, tr("OK"), Button1, Button2);

    m_repaint = new QTimer(this);
    m_repaint->setInterval(100);
    connect(m_repaint, &QTimer::timeout, this, guarded(this, &TSearchForm::showProgress));
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TSearchForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TSearchForm::Button2Click));
    connect(SDisk, &QRadioButton::clicked, ComboBox1, [this] {
        ComboBox1->setFocus();
    });
}

TSearchForm::~TSearchForm()
{
    if (m_thread) {
        m_search->cancel();
        m_thread->wait();
    }
}

void TSearchForm::FormShow()
{
    Animate1->hide();
    SAll->setChecked(true);
    Label2->clear();
    Label3->clear();
    SAll->setFocus();
    ComboBox1->clear();
    for (const Volume &volume : mountedVolumes())
        ComboBox1->addItem(volume.displayName, volume.root);
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
}

void TSearchForm::Button1Click()
{
    if (!m_host || m_thread)
        return;
    std::vector<std::string> &favorites = m_host->favoriteFolders();
    favorites.clear();
    m_found.clear();
    if (SMan->isChecked()) {
        const QString file = Prompter::instance().openFile(tr("Ambermox Wizard - Select Zip File"),
            qs(m_host->lastOpenDir()), tr("Zip files|*.zip"));
        if (!file.isEmpty()) {
            QString folder = QFileInfo(file).absolutePath();
            if (!folder.endsWith(QLatin1Char('/')))
                folder += QLatin1Char('/'); // the root is "/" already
            addFolder(favorites, folder.toStdString());
        }
        close();
        Q_EMIT searched();
        return;
    }
    QStringList roots;
    if (SAll->isChecked())
        roots = fixedVolumeRoots();
    else if (ComboBox1->currentIndex() >= 0)
        roots.append(ComboBox1->currentData().toString());
    startWalk(roots);
}

void TSearchForm::startWalk(const QStringList &roots)
{
    m_search = std::make_unique<DiskSearch>(m_found);
    std::vector<std::string> paths;
    for (const QString &root : roots)
        paths.push_back(root.toStdString());
    m_thread = QThread::create([search = m_search.get(), paths] {
        for (const std::string &root : paths)
            if (!search->search(root))
                break;
    });
    connect(m_thread, &QThread::finished, this, guarded(this, &TSearchForm::walkFinished));
    for (QWidget *w : std::initializer_list<QWidget *> { SAll, SDisk, ComboBox1, SMan, Button1 })
        w->setEnabled(false);
    Animate1->show();
    m_repaint->start();
    m_thread->start();
}

void TSearchForm::showProgress()
{
    if (!m_search)
        return;
    Label3->setText(Label3->fontMetrics().elidedText(
        tr("Searching %1").arg(qs(m_search->currentFolder())), Qt::ElideMiddle, Label3->width()));
    Label2->setText(
        tr("Searched %1, %n file(s) found...", nullptr, static_cast<int>(m_search->archivesFound()))
            .arg(m_search->foldersSearched()));
}

void TSearchForm::walkFinished()
{
    m_repaint->stop();
    showProgress();
    m_thread->deleteLater();
    m_thread = nullptr;
    for (QWidget *w : std::initializer_list<QWidget *> { SAll, SDisk, ComboBox1, SMan, Button1 })
        w->setEnabled(true);
    if (m_host)
        m_host->favoriteFolders() = m_found;
    m_search.reset();
    close();
    Q_EMIT searched();
}

void TSearchForm::Button2Click()
{
    // During a walk the button stops it; what was found is kept.
    if (m_thread)
        m_search->cancel();
    else
        close();
}

void TSearchForm::escapePressed()
{
    Button2Click();
}

void TSearchForm::closeEvent(QCloseEvent *event)
{
    if (m_thread) {
        m_search->cancel();
        event->ignore();
        return;
    }
    AmxDialog::closeEvent(event);
}
