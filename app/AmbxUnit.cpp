#include "AmbxUnit.h"

#include "ButtonBar.h"
#include "CommandActions.h"
#include "NameEncodingMenu.h"
#include "SettingsFiles.h"
#include "StatusPanel.h"
#include "ViewOptions.h"
#include "WindowPlacement.h"

#include "AnimatedPicture.h"
#include "FavoritesFile.h"
#include "FileIcons.h"
#include "FileListView.h"
#include "Guard.h"
#include "MemberEdits.h"
#include "Prompter.h"
#include "SettingsStore.h"
#include "StatusLamp.h"
#include "TempFolder.h"
#include "Text.h"
#include "Tips.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

const char *kOpenFilter =
    QT_TRANSLATE_NOOP("TMainForm", "Zip files|*.zip|Archives and .exe files|*.zip;*.exe");
const char *kNoArchiveText =
    QT_TRANSLATE_NOOP("TMainForm", "Choose \"New\" to create or \"Open\" to open an archive.");
const char *kNoSelectionText = QT_TRANSLATE_NOOP("TMainForm", "No file(s) selected.");

// The status line's counts; the translation picks the plural form by the
// count, shown with its digits grouped.
QString totalLine(size_t count, const FileRowTotals &totals)
{
    const int n = static_cast<int>(count);
    const QString size = qs(kilobytes(totals.size)), packed = qs(kilobytes(totals.packed));
    if (count == 1)
        return QCoreApplication::translate("TMainForm", "Total 1 file, %1 kB [%2 kB]")
            .arg(size, packed);
    return QCoreApplication::translate("TMainForm", "Total %1 files, %2 kB [%3 kB]", nullptr, n)
        .arg(qs(GroupDigits(static_cast<int64_t>(count))), size, packed);
}

QString selectedLine(size_t count, uint64_t bytes)
{
    const int n = static_cast<int>(count);
    if (count == 1)
        return QCoreApplication::translate("TMainForm", "Selected 1 file, %1 kB")
            .arg(qs(kilobytes(bytes)));
    return QCoreApplication::translate("TMainForm", "Selected %1 files, %2 kB", nullptr, n)
        .arg(qs(GroupDigits(static_cast<int64_t>(count))), qs(kilobytes(bytes)));
}

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

QString recentItemText(int n, const std::string &path)
{
    return QStringLiteral("&%1 ").arg(n + 1)
        + qs(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

TMainForm::TMainForm(const QStringList &args, QWidget *parent)
    : QMainWindow(parent)
    , m_args(args)
    , m_model(new FileRowModel(m_rows, this))
{
    setObjectName(QStringLiteral("MainForm"));
    FileIcons::ensureTheme();
    setMinimumSize(359, 200);
    setWindowIcon(FileIcons::themed(QStringLiteral("package-x-generic")));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FileList = new FileListView(central);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setModel(m_model);
    FileList->setDropHiddenDetails(true);
    FileList->setAccessibleText(tr("Archive contents"), tr("The files in the open archive"));
    // The details columns start at their designed widths; Path takes the rest.
    const std::array<int, 6> designed = fittedColumnWidths(*FileList);
    for (int c = 0; c < 5; ++c)
        FileList->setColumnWidth(c, designed[static_cast<size_t>(c)]);
    layout->addWidget(FileList, 1);
    m_statusPanel = new StatusPanel(this);
    SPanel1 = m_statusPanel->SPanel1;
    SPanel2 = m_statusPanel->SPanel2;
    ProgressBar1 = m_statusPanel->ProgressBar1;
    LedOn = m_statusPanel->LedOn;
    LedOff = m_statusPanel->LedOff;
    layout->addWidget(m_statusPanel);
    setCentralWidget(central);

    m_commandBar = addToolBar(tr("Menu"));
    m_commandBar->setObjectName(QStringLiteral("ToolBar1"));
    m_commandBar->setMovable(false);
    m_commandBar->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar2 = new ButtonBar(this);
    m_actions = std::make_unique<CommandActions>(*this, *m_commandBar, *ToolBar2);
    m_nameEncoding = std::make_unique<NameEncodingMenu>(
        *m_actions->menu("NameEncodingMenu"), m_settings, [this] {
            LoadFileList();
        });
    m_picture = new AnimatedPicture(m_commandBar);
    m_picture->setObjectName(QStringLiteral("Animate1"));
    m_picture->setAccessibleName(tr("Ambermox"));
    m_picture->setAccessibleDescription(tr("The program's turning picture"));
    m_spacer = new QToolButton(m_commandBar);
    m_spacer->setObjectName(QStringLiteral("SpacerButton"));
    m_spacer->setEnabled(false);
    m_spacer->setAutoRaise(true);
    m_commandBar->addWidget(m_spacer);
    m_commandBar->addWidget(m_picture);
    addToolBarBreak();
    addToolBar(ToolBar2);
    // Tab reads the window top down: the menu buttons, then the list (the
    // view that shows of its two).
    QWidget *lastMenu = m_commandBar->findChild<QWidget *>(
        QString::fromLatin1(menuButtons().back().name) + QStringLiteral("Button"));
    QWidget *icons = FileList->findChild<QListView *>(QStringLiteral("iconView"));
    setTabOrder(lastMenu, icons);
    setTabOrder(icons, FileList->detailsView());
    m_recentSeparator = findChild<QAction *>(QStringLiteral("RecentSeparator"));

    connect(
        FileList, &FileListView::selectionChanged, this, guarded(this, &TMainForm::FileListChange));
    connect(FileList, &FileListView::contextMenuRequested, this,
        guarded(this, &TMainForm::showListMenu));
    FileList->installEventFilter(this);
    m_statusPanel->installEventFilter(this);

    Timer1 = new QTimer(this);
    // The buttons stay off for a moment after an archive is chosen, once.
    Timer1->setInterval(100);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, guarded(this, &TMainForm::Timer1Timer));
    Timer2 = new QTimer(this);
    Timer2->setInterval(220);
    connect(Timer2, &QTimer::timeout, this, guarded(this, &TMainForm::Timer2Timer));
    Timer2->start();

    connectCommands();
    guard([this] {
        FormCreate();
    });
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    FirstPaintPending = true;
    m_session.SkipHistoryUpdate = false;

    LoadSettings();

    CloseArchive2Click();

    std::string start;
    for (const QString &arg : m_args)
        if (!arg.startsWith(QLatin1Char('-')) && !arg.isEmpty())
            start = QFileInfo(arg).absoluteFilePath().toStdString();
    if (!start.empty()) {
        m_session.openAndLoad(start);
    } else {
        RefreshRecentMenu();
    }
}

void TMainForm::showArchive(const std::string &path, bool readOnly)
{
    // Copies of another archive's members are no longer offered back.
    if (m_edits)
        m_edits->stopWatching(path);
    FileList->setEnabled(true);
    m_otherFormat.clear();
    m_actions->applyArchiveState(readOnly ? ArchiveState::ReadOnly : ArchiveState::Writable);
    SPanel1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    SPanel2->show();
    m_archiveOpen = true;
    // Names are shown as stored: on this system letter case is part of the name.
    setWindowTitle(tr("Ambermox - %1").arg(qs(fileNameOf(path))));
    FormResize();
    SPanel1->clear();
    SPanel2->clear();
    LedOn->setLit(true);
    LedOff->setLit(false);
}

void TMainForm::showNoArchive()
{
    if (m_edits)
        m_edits->stopWatching();
    m_archiveOpen = false;
    m_otherFormat.clear();
    SPanel2->hide();
    FormResize();
    SPanel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FileList->hide();
    m_model->beginChange();
    m_rows.clear();
    m_model->endChange();
    FileList->show();
    setWindowTitle(tr("Ambermox "));
    SPanel1->setText(tr(kNoArchiveText));
    m_actions->applyArchiveState(ArchiveState::None);
    LedOn->setLit(true);
    LedOff->setLit(false);
    FileList->setEnabled(false);
}

void TMainForm::RefreshRecentMenu()
{
    const History &recent = m_settings.ActiveFile;
    m_recentSeparator->setVisible(recent.anySet());
    for (int n = 0; n < History::kSize; ++n) {
        QAction *item = m_actions->numbered(Group::Recent, n + 1);
        item->setVisible(!recent[n].empty());
        item->setText(recentItemText(n, recent[n]));
    }
}

void TMainForm::OpenArchive2Click()
{
    if (refuseWhileOperationRuns())
        return;
    const QString file =
        Prompter::instance().openFile(tr("Open"), qs(m_settings.LastOpenDir), tr(kOpenFilter));
    if (file.isEmpty())
        return;
    ToolBar2->setEnabled(false);
    Timer1->start();
    m_session.openAndLoad(QFileInfo(file).absoluteFilePath().toStdString());
    FileList->currentView()->setFocus();
}

void TMainForm::LoadFileList()
{
    WaitCursor wait;
    SPanel1->setText(tr("Reading directory..."));
    SPanel2->clear();
    SPanel1->repaint();
    SPanel2->repaint();

    // The rows read the engine's entries, which reading the archive replaces:
    // nothing may paint them in between.
    m_model->beginChange();
    m_rows.clear();
    m_model->endChange();
    m_nameEncoding->applyTo(m_session.CurrentArchive);
    try {
        m_engine.setZipFilename(m_session.CurrentArchive);
        showListingState();
    } catch (...) {
        // A damaged archive: no list, and the error goes to the error box.
        SPanel1->clear();
        throw;
    }

    FileList->hide();
    m_model->beginChange();
    ProgressBar1->setGeometry(SPanel2->geometry());
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    SPanel2->hide();

    m_rows.load(m_engine.Entries());
    SPanel1->setText(tr("Sorting files..."));
    SPanel1->repaint();
    if (m_settings.SortOrder < 8 && m_rows.size() >= 2)
        m_rows.sort(m_settings.SortOrder);
    showLoadedRows();
}

void TMainForm::loadFileList()
{
    const std::string archive = m_session.CurrentArchive;
    const int order = m_settings.SortOrder;
    WaitCursor wait;
    SPanel1->setText(tr("Reading directory..."));
    SPanel2->hide();
    // A busy bar: it runs by itself while the events go on.
    ProgressBar1->setGeometry(SPanel2->geometry());
    ProgressBar1->setRange(0, 0);
    ProgressBar1->show();
    m_nameEncoding->applyTo(archive);
    TZipEngine reader;
    // Its notices wait for the window's thread.
    struct KeptNotices : EngineNotices
    {
        std::vector<std::string> texts;
        void showNotice(const std::string &text) override { texts.push_back(text); }
    } notices;
    reader.setNotices(&notices);
    FileRows rows { modifiedText };
    try {
        TZipEngine::runHostedWork([&] {
            reader.setZipFilename(archive);
            rows.load(reader.Entries());
            if (order < 8 && rows.size() >= 2)
                rows.sort(order);
        });
    } catch (...) {
        // A damaged archive: read again here, which tells it as an open does.
        ProgressBar1->hide();
        ProgressBar1->setRange(0, 100);
        SPanel2->show();
        LoadFileList();
        return;
    }
    for (const std::string &text : notices.texts)
        m_engine.notice(text);

    FileList->hide();
    m_model->beginChange();
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    // The new entries move into the engine with their storage, so the new
    // rows read them there; the old ones go with the reader.
    m_engine.swapListing(reader);
    m_rows.swap(rows);
    m_rows.readFrom(m_engine.Entries());
    rows.clear();
    // The user may have chosen another order while the archive was read.
    if (m_settings.SortOrder != order)
        m_rows.sort(m_settings.SortOrder);
    showListingState();
    showLoadedRows();
}

void TMainForm::showListingState()
{
    m_nameEncoding->showListed(m_engine.ListedCodePage());
    // What writes the archive is for ZIP only; the list shows the others.
    if (m_archiveOpen) {
        m_otherFormat = m_engine.IsSplit() ? QStringLiteral("split ZIP")
            : m_engine.IsZip()             ? QString()
                                           : qs(m_engine.FormatName());
        m_actions->applyArchiveState(
            m_session.readOnly() ? ArchiveState::ReadOnly : ArchiveState::Writable, m_otherFormat);
    }
}

void TMainForm::showLoadedRows()
{
    SPanel1->setText(tr("Loading file list..."));
    SPanel1->repaint();
    // Icons are looked up here, once per type, so the list paints without
    // delay; a type seen before costs no text of its own.
    const size_t count = m_rows.size();
    std::unordered_set<std::string_view> types;
    int shown = 0;
    for (size_t k = 0; k < count; ++k) {
        const std::string_view name = m_rows[k].Name;
        const size_t dot = name.rfind('.');
        if (types.insert(dot == std::string_view::npos ? name : name.substr(dot)).second)
            FileIcons::forName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        const int percent = static_cast<int>((k + 1) * 100 / count);
        if (percent != shown) {
            shown = percent;
            ProgressBar1->setValue(percent);
            ProgressBar1->repaint();
        }
    }
    m_model->endChange();
    FileList->show();
    ProgressBar1->setValue(100);
    ProgressBar1->hide();
    SPanel2->show();

    SPanel2->setText(totalLine(count, m_rows.totals()));
    // A mark for an archive with a comment; the Comment command shows it.
    if (!m_engine.Comment().empty())
        SPanel2->setText(SPanel2->text() + QStringLiteral("   ") + tr("[Comment]"));
    SPanel1->setText(tr(kNoSelectionText));
    if (m_rows.totals().packed > 0)
        ArchiveRatio = ratioNumber(m_rows.totals().packed, m_rows.totals().size);
    checkSortItem();

    // Once per archive, not again at every reload after an operation.
    const std::string directoryNotice = m_engine.DirectoryNotice();
    if (!directoryNotice.empty() && m_directoryNoticeShown != m_session.CurrentArchive) {
        m_directoryNoticeShown = m_session.CurrentArchive;
        Prompter::instance().notice(qs(directoryNotice), Prompter::Icon::Warning);
    }
}

void TMainForm::checkSortItem()
{
    for (int i = 0; i < 8; ++i)
        m_actions->numbered(Group::Sort, i + 1)->setChecked(i + 1 == m_settings.SortOrder);
}

void TMainForm::setSortOrder(int order)
{
    if (order == m_settings.SortOrder)
        return;
    m_settings.SortOrder = order;
    checkSortItem();
    if (!m_archiveOpen)
        return;
    // The rows in memory are all a sort needs; the archive is not read again.
    WaitCursor wait;
    m_model->beginChange();
    m_rows.sort(order);
    m_model->endChange();
    SPanel1->setText(tr(kNoSelectionText));
}

void TMainForm::setViewStyle(int style)
{
    if (style < 0 || style > 3)
        return;
    m_settings.ViewStyle = style;
    m_actions->numbered(Group::ViewStyle, style)->setChecked(true);
    FileList->setViewStyle(static_cast<FileListView::ViewStyle>(style));
}

void TMainForm::FileListChange()
{
    if (!m_archiveOpen) {
        SPanel1->setText(tr(kNoSelectionText));
        return;
    }
    const std::vector<int> rows = FileList->selectedRows();
    if (rows.empty()) {
        SPanel1->setText(tr(kNoSelectionText));
        return;
    }
    uint64_t bytes = 0;
    for (int row : rows)
        if (const uint64_t size = m_rows[static_cast<size_t>(row)].size;
            size != ArchiveMember::kUnknownSize)
            bytes += size;
    SPanel1->setText(selectedLine(rows.size(), bytes));
}

void TMainForm::showListMenu(const QPoint &globalPos)
{
    if (!m_archiveOpen)
        return;
    m_actions->menu(FileList->selectedCount() > 0 ? "FilePopUp" : "SortPopUp")->popup(globalPos);
}

void TMainForm::FormResize()
{
    m_statusPanel->arrange(m_archiveOpen);
    int fixed = 0;
    for (int c = 0; c < 5; ++c)
        fixed += FileList->columnWidth(c);
    FileList->setColumnWidth(5, std::max(20, FileList->width() - fixed - 20));
    m_spacer->setFixedWidth(commandBarSpacerWidth(m_commandBar, m_spacer));
}

void TMainForm::FormPaint()
{
    if (!FirstPaintPending)
        return;
    FirstPaintPending = false;
    // The shell verbs never reach here: they end before any window shows.
    if (m_args.size() <= 1
        && showTipAtStart(m_settings.TipOfTheDay, !m_session.CurrentArchive.empty()))
        m_dialogs->showTip();
}

void TMainForm::Timer1Timer()
{
    ToolBar2->setEnabled(true);
}

void TMainForm::Timer2Timer()
{
    m_picture->showFrame(m_picture->frame() % AnimatedPicture::kFrames + 1);
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (FirstPaintPending)
        QTimer::singleShot(0, this, [this] {
            guard([this] {
                FormPaint();
            });
        });
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (TZipEngine::anyOperationRunning()) {
        // The library stops at its next event and nothing new starts; the
        // window closes once the operation has come back.
        TZipEngine::stopAllOperations();
        m_operations->stopAll();
        event->ignore();
        if (!m_closeWhenIdle) {
            m_closeWhenIdle = new QTimer(this);
            connect(m_closeWhenIdle, &QTimer::timeout, this, [this] {
                if (!TZipEngine::anyOperationRunning()) {
                    m_closeWhenIdle->stop();
                    close();
                }
            });
            m_closeWhenIdle->start(50);
        }
        return;
    }
    TZipEngine::allowOperations();
    guard([this] {
        SaveSettings();
    });
    event->accept();
    removeTempCopies();
    // The program ends with its main window, whatever other windows are open.
    QCoreApplication::quit();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && (watched == m_statusPanel || watched == FileList))
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::LoadSettings()
{
    m_keepFavoritesFile = false;
    bool favoritesRead = false;
    auto readFavorites = [&] {
        favoritesRead = true;
        const SettingsFiles::FavoritesProblem problem = SettingsFiles::readFavorites(m_settings);
        if (problem.keepFile)
            m_keepFavoritesFile = true;
        if (!problem.text.empty())
            Prompter::instance().notice(qs(problem.text), Prompter::Icon::Warning);
    };

    m_settings = Settings::firstRun();
    const bool firstStart = SettingsFiles::firstStart();
    if (firstStart) {
        // A first start for this user. A favourites file that exists already
        // (shared beside the program) keeps its folders through the first save.
        if (SettingsFiles::favoritesFileExists())
            readFavorites();
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QPoint topLeft = centredIn(
                screen->availableGeometry(), { m_settings.MainWidth, m_settings.MainHeight });
            m_settings.MainLeft = topLeft.x();
            m_settings.MainTop = topLeft.y();
        }
        resize(m_settings.MainWidth, m_settings.MainHeight);
        move(m_settings.MainLeft, m_settings.MainTop);
        SaveSettings();
    }
    // A value another program left unreadable: say so, go on with the rest as they are.
    const std::string problem = SettingsFiles::readValues(m_settings);
    if (!problem.empty())
        Prompter::instance().error(qs(problem));
    applySettings();
    if (firstStart)
        fitButtonBar();
    if (!favoritesRead)
        readFavorites();
}

void TMainForm::fitButtonBar()
{
    // The designed width holds every button with its English caption; longer
    // captions (another language) widen the first window rather than fold
    // the last buttons away into the bar's extension menu.
    int wanted = ToolBar2->sizeHint().width();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        wanted = std::min(wanted, screen->availableGeometry().width());
    if (wanted > width()) {
        resize(wanted, height());
        SaveSettings();
    }
}

void TMainForm::applySettings()
{
    if (m_settings.ViewStyle >= 0 && m_settings.ViewStyle <= 3) {
        setViewStyle(m_settings.ViewStyle);
    } else {
        for (QAction *item : m_actions->group(Group::ViewStyle))
            item->setChecked(false);
    }
    restoreGeometry();
    m_viewOptions->apply();
    checkSortItem();
}

void TMainForm::restoreGeometry()
{
    const QRect stored(
        m_settings.MainLeft, m_settings.MainTop, m_settings.MainWidth, m_settings.MainHeight);
    QScreen *screen = QGuiApplication::screenAt(grabPoint(stored));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QRect placed = placedIn(stored, minimumSize(), screen ? &area : nullptr);
    resize(placed.size());
    move(placed.topLeft());
}

void TMainForm::SaveSettings()
{
    // A maximised or minimised window stores the place it returns to.
    const QRect frame = (isMaximized() || isMinimized()) ? normalGeometry() : QRect(pos(), size());
    m_settings.MainTop = frame.top();
    m_settings.MainLeft = frame.left();
    m_settings.MainHeight = frame.height();
    m_settings.MainWidth = frame.width();

    const std::string notice = SettingsFiles::write(m_settings, m_keepFavoritesFile);
    if (!notice.empty())
        Prompter::instance().notice(qs(notice), Prompter::Icon::Warning);
}
