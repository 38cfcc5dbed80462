#include "AmbxUnit.h"

#include "MainCommands.h"
#include "SettingsIO.h"

#include "dialogs/AddUnit.h"
#include "discovery/FavoritesFile.h"
#include "platform/FileIcons.h"
#include "platform/Guard.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/TempFolder.h"
#include "platform/Text.h"
#include "widgets/AnimatedPicture.h"
#include "widgets/FileListView.h"
#include "widgets/StatusLamp.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *kOpenFilter = "Zip files|*.zip|Archives and .exe files|*.zip;*.exe";
const char *kNoArchiveText = "Choose \"New\" to create or \"Open\" to open an archive.";
const char *kNoSelectionText = "No file(s) selected.";

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Read-only for us: no write permission at all, or the system refuses writing
// (root passes access() for any file, so the bits are looked at too).
bool isReadOnlyFile(const std::string &path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

std::string settingsPathOverride;
std::string favoritesPathOverride;

std::string settingsPath()
{
    return settingsPathOverride.empty() ? IniSettingsStore::defaultPath() : settingsPathOverride;
}

std::string favoritesPath()
{
    return favoritesPathOverride.empty() ? FavoritesFile::defaultPath() : favoritesPathOverride;
}

const char *kSortCaptions[8] = { "&Name", "Pat&h", "&Type", "&Size", "P&acked Size",
    "&Compression Ratio", "&Date", "&Original Order" };

} // namespace

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
    // The details columns start at their designed widths; Path takes the rest.
    const std::array<int, 6> designed = defaultColumnWidths(0);
    for (int c = 0; c < 5; ++c)
        FileList->setColumnWidth(c, designed[static_cast<size_t>(c)]);
    layout->addWidget(FileList, 1);
    buildStatusBar();
    layout->addWidget(m_statusPanel);
    setCentralWidget(central);
    buildCommandBar();
    buildToolBar2();

    connect(
        FileList, &FileListView::selectionChanged, this, guarded(this, &TMainForm::FileListChange));
    connect(FileList, &FileListView::contextMenuRequested, this,
        guarded(this, &TMainForm::showListMenu));
    FileList->installEventFilter(this);
    m_statusPanel->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
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
    SkipHistoryUpdate = false;

    LoadSettings();

    CloseArchive2Click();

    for (const QString &arg : m_args)
        if (!arg.startsWith(QLatin1Char('-')) && !arg.isEmpty())
            CurrentArchive = QFileInfo(arg).absoluteFilePath().toStdString();
    if (!CurrentArchive.empty()) {
        ListAlreadyLoaded = false;
        OpenArchive(CurrentArchive);
        if (!ListAlreadyLoaded)
            LoadFileList();
    } else {
        RefreshRecentMenu();
    }
}

QAction *TMainForm::addCommand(
    QMenu *menu, const QString &caption, const char *name, const QKeySequence &shortcut)
{
    auto *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // The menus drop down from toolbar buttons, so the window must own the shortcuts.
        addAction(action);
    }
    return action;
}

void TMainForm::buildCommandBar()
{
    m_commandBar = addToolBar(QStringLiteral("Menu"));
    m_commandBar->setObjectName(QStringLiteral("ToolBar1"));
    m_commandBar->setMovable(false);
    m_commandBar->setContextMenuPolicy(Qt::PreventContextMenu);

    auto menuButton = [this](const QString &caption, const char *name) {
        auto *menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        auto *button = new QToolButton(m_commandBar);
        button->setText(caption);
        button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(true);
        button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
        m_commandBar->addWidget(button);
        return menu;
    };
    FileMenu = menuButton(QStringLiteral("   &Files   "), "FileMenu");
    EditMenu = menuButton(QStringLiteral(" &Edit  "), "EditMenu");
    ViewMenu = menuButton(QStringLiteral("&View"), "ViewMenu");
    ActionsMenu = menuButton(QStringLiteral("&Actions"), "ActionsMenu");
    OptionsMenu = menuButton(QStringLiteral("&Options"), "OptionsMenu");
    HelpMenu = menuButton(QStringLiteral("&Help"), "HelpMenu");
    m_picture = new AnimatedPicture(m_commandBar);
    m_picture->setObjectName(QStringLiteral("Animate1"));
    m_spacer = new QToolButton(m_commandBar);
    m_spacer->setObjectName(QStringLiteral("SpacerButton"));
    m_spacer->setEnabled(false);
    m_spacer->setAutoRaise(true);
    m_commandBar->addWidget(m_spacer);
    m_commandBar->addWidget(m_picture);

    // Files
    addCommand(FileMenu, QStringLiteral("&New Archive "), "NewArchive1",
        QKeySequence(Qt::CTRL | Qt::Key_N));
    auto *open = addCommand(FileMenu, QStringLiteral("&Open Archive "), "OpenArchive2",
        QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] {
        guard([this] {
            OpenArchive2Click();
        });
    });
    addCommand(FileMenu, QStringLiteral("&Favorite Zip Folders..."), "FavoriteZipFolders1",
        QKeySequence(Qt::SHIFT | Qt::Key_F));
    m_closeArchive = addCommand(FileMenu, QStringLiteral("&Close Archive"), "CloseArchive2",
        QKeySequence(Qt::SHIFT | Qt::Key_L));
    connect(m_closeArchive, &QAction::triggered, this, [this] {
        guard([this] {
            if (!refuseWhileOperationRuns())
                CloseArchive2Click();
        });
    });
    FileMenu->addSeparator();
    auto *properties = addCommand(FileMenu, QStringLiteral("Properties..."), "Properties1");
    auto *shortcut = addCommand(FileMenu, QStringLiteral("Create &Shortcut"), "CreateShortcut1");
    FileMenu->addSeparator();
    auto *move = addCommand(
        FileMenu, QStringLiteral("&Move Archive"), "MoveArchive1", QKeySequence(Qt::Key_F7));
    auto *copy = addCommand(
        FileMenu, QStringLiteral("Cop&y Archive "), "CopyArchive1", QKeySequence(Qt::Key_F8));
    auto *rename = addCommand(FileMenu, QStringLiteral("&Rename Archive"), "RenameArchive1",
        QKeySequence(Qt::SHIFT | Qt::Key_R));
    auto *deleteArchive =
        addCommand(FileMenu, QStringLiteral("&Delete Archive..."), "DeleteArchive1");
    FileMenu->addSeparator();
    auto *exit =
        addCommand(FileMenu, QStringLiteral("E&xit "), "Exit1", QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    m_recentSeparator = FileMenu->addSeparator();
    for (int n = 1; n <= 5; ++n) {
        auto *item = FileMenu->addAction(QString());
        item->setObjectName(QStringLiteral("Recent%1").arg(n));
        connect(item, &QAction::triggered, this, [this, n] {
            guard([=, this] {
                RecentItemClick(n);
            });
        });
        m_recentItems[static_cast<size_t>(n - 1)] = item;
    }

    // Edit
    auto *selectAll = addCommand(
        EditMenu, QStringLiteral("Select &All"), "SelectAll1", QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(selectAll, &QAction::triggered, FileList, &FileListView::selectAllRows);
    auto *invert = addCommand(EditMenu, QStringLiteral("&Invert Selection"), "InvertSelection1");
    connect(invert, &QAction::triggered, FileList, &FileListView::invertSelection);
    auto *find = addCommand(
        EditMenu, QStringLiteral("&Find File(s) "), "FindFiles1", QKeySequence(Qt::Key_F2));

    // View
    auto *toolbar = addCommand(ViewMenu, QStringLiteral("&Toolbar"), "Toolbar1");
    toolbar->setCheckable(true);
    auto *statusBar = addCommand(ViewMenu, QStringLiteral("&Status Bar"), "StatusBar1");
    statusBar->setCheckable(true);
    ViewMenu->addSeparator();
    addCommand(ViewMenu, QStringLiteral("&Best Fit Column Widths"), "BestFit1");
    addCommand(ViewMenu, QStringLiteral("Default &Columns Widths"), "DefaultColumns1");
    ViewMenu->addSeparator();
    auto *web = addCommand(ViewMenu, QStringLiteral("as &Web Page"), "AsWebPage1");
    web->setCheckable(true);
    ViewMenu->addSeparator();
    m_styleGroup = new QActionGroup(this);
    // A stored style outside 0..3 leaves no item checked.
    m_styleGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const char *styles[4][2] = { { "Lar&ge Icons", "LargeIcons1" },
        { "S&mall Icons", "SmallIcons1" }, { "&List", "List1" }, { "&Details", "Details1" } };
    for (int i = 0; i < 4; ++i) {
        auto *item = addCommand(ViewMenu, QString::fromLatin1(styles[i][0]), styles[i][1]);
        item->setCheckable(true);
        m_styleGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] {
            guard([=, this] {
                setViewStyle(i);
            });
        });
        m_styleItems[static_cast<size_t>(i)] = item;
    }
    ViewMenu->addSeparator();
    ArrangeIconsMenu = ViewMenu->addMenu(QStringLiteral("Arrange &Icons"));
    ArrangeIconsMenu->setObjectName(QStringLiteral("ArrangeIconsMenu"));
    m_arrangeIcons = ArrangeIconsMenu->menuAction();
    m_arrangeIcons->setObjectName(QStringLiteral("ArrangeIcons1"));
    const char *sortNames[8] = { "byName1", "byPath1", "byType1", "bySize1", "byPackedSize1",
        "byCompressionRatio1", "byDate1", "byOrginalOrder1" };
    for (int i = 0; i < 8; ++i) {
        auto *item = addCommand(ArrangeIconsMenu,
            QStringLiteral("by ") + QString::fromLatin1(kSortCaptions[i]), sortNames[i]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] {
            guard([=, this] {
                setSortOrder(i + 1);
            });
            checkSortItem();
        });
        m_sortItems[static_cast<size_t>(i)] = item;
    }

    // Actions
    auto *add = addCommand(
        ActionsMenu, QStringLiteral("&Add..."), "Add1", QKeySequence(Qt::SHIFT | Qt::Key_A));
    auto *del = addCommand(
        ActionsMenu, QStringLiteral("&Delete..."), "Delete1", QKeySequence(Qt::SHIFT | Qt::Key_D));
    auto *extract = addCommand(ActionsMenu, QStringLiteral("&Extract..."), "Extract1",
        QKeySequence(Qt::SHIFT | Qt::Key_E));
    auto *view = addCommand(
        ActionsMenu, QStringLiteral("&View..."), "View1", QKeySequence(Qt::SHIFT | Qt::Key_V));
    ActionsMenu->addSeparator();
    m_checkOut = addCommand(
        ActionsMenu, QStringLiteral("&CheckOut"), "CheckOut1", QKeySequence(Qt::SHIFT | Qt::Key_C));
    m_makeExe = addCommand(ActionsMenu, QStringLiteral("Ma&ke .EXE File"), "MakeExeFile1",
        QKeySequence(Qt::SHIFT | Qt::Key_K));

    // Options
    addCommand(OptionsMenu, QStringLiteral("&Configuration"), "Configuration1");
    OptionsMenu->addSeparator();
    m_viewLastOutput =
        addCommand(OptionsMenu, QStringLiteral("Vie&w Last Output..."), "ViewLastOutput2");

    // Help
    addCommand(HelpMenu, QStringLiteral("&Contents"), "Contents1", QKeySequence(Qt::Key_F1));
    addCommand(HelpMenu, QStringLiteral("&Brief Tutorial"), "BriefTutorial1");
    addCommand(HelpMenu, QStringLiteral("&Tip of the Day"), "TipOfTheDay1");
    HelpMenu->addSeparator();
    addCommand(
        HelpMenu, QStringLiteral("&Frequently Asked Questions"), "FrequentlyAskedQuestions1");
    HelpMenu->addSeparator();
    addCommand(HelpMenu, QStringLiteral("&Ambermox's Home Page"), "HomePage1");
    addCommand(HelpMenu, QStringLiteral("&About Ambermox..."), "AboutAmbermox1");

    // The list's two context menus.
    FilePopUp = new QMenu(this);
    FilePopUp->setObjectName(QStringLiteral("FilePopUp"));
    auto *openEntry = addCommand(FilePopUp, QStringLiteral("&Open"), "Open1");
    FilePopUp->setDefaultAction(openEntry);
    auto *add2 = addCommand(FilePopUp, QStringLiteral("&Add..."), "Add2");
    auto *del2 = addCommand(FilePopUp, QStringLiteral("&Delete..."), "Delete2");
    addCommand(FilePopUp, QStringLiteral("&Extract..."), "Extract2");
    addCommand(FilePopUp, QStringLiteral("&View..."), "View2");
    FilePopUp->addSeparator();
    auto *selectAll2 = addCommand(FilePopUp, QStringLiteral("&Select All"), "SelectAll2");
    connect(selectAll2, &QAction::triggered, FileList, &FileListView::selectAllRows);
    auto *invert2 = addCommand(FilePopUp, QStringLiteral("Invert Selection"), "InvertSelection2");
    connect(invert2, &QAction::triggered, FileList, &FileListView::invertSelection);
    FilePopUp->addSeparator();
    addCommand(FilePopUp, QStringLiteral("File &Properties"), "FileProperties1");

    SortPopUp = new QMenu(this);
    SortPopUp->setObjectName(QStringLiteral("SortPopUp"));
    const char *popNames[8] = { "SortbyName1", "SortbyPath1", "SortbyType1", "SortbySize1",
        "SortbyPackedSize1", "SortbyCompressionRatio1", "SortbyDate1", "SortbyOrginalOrder1" };
    for (int i = 0; i < 8; ++i) {
        auto *item = addCommand(SortPopUp,
            QStringLiteral("Sort by ") + QString::fromLatin1(kSortCaptions[i]), popNames[i]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] {
            guard([=, this] {
                setSortOrder(i + 1);
            });
        });
        m_sortPopItems[static_cast<size_t>(i)] = item;
    }
    SortPopUp->addSeparator();
    addCommand(SortPopUp, QStringLiteral("&Properties..."), "Properties2");
    connect(SortPopUp, &QMenu::aboutToShow, this, [this] {
        for (int i = 0; i < 8; ++i)
            m_sortPopItems[static_cast<size_t>(i)]->setChecked(i + 1 == m_settings.SortOrder);
    });

    m_archiveCommands = { m_closeArchive, properties, shortcut, copy, find, m_arrangeIcons, extract,
        view, m_checkOut, m_makeExe, selectAll, invert };
    m_writableCommands = { move, rename, deleteArchive, add, del, add2, del2 };
}

void TMainForm::buildToolBar2()
{
    ToolBar2 = addToolBar(QStringLiteral("Toolbar"));
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setMovable(false);
    ToolBar2->setIconSize(QSize(22, 22));
    ToolBar2->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    insertToolBarBreak(ToolBar2);

    struct Button
    {
        const char *name, *caption, *tip, *icon;
    };
    const Button buttons[8] = {
        { "NewButton", "New", "Create a new archive", "document-new" },
        { "OpenButton", "Open", "Open an existing archive", "document-open" },
        { "FavoritesButton", "Favorites", "List archives in your Favorite Zip Folders", "starred" },
        { "AddButton", "Add", "Add files to the archive", "list-add" },
        { "ExtractButton", "Extract", "Extract files from the archive", "document-save" },
        { "DeleteButton", "Delete", "Delete selected file(s)", "edit-delete" },
        { "ViewButton", "View", "View files inside the archive", "edit-find" },
        { "CheckOutButton", "CheckOut", "Create icons for files in the archive", "emblem-default" },
    };
    for (int i = 0; i < 8; ++i) {
        auto *action = new QAction(FileIcons::themed(QString::fromLatin1(buttons[i].icon)),
            QString::fromLatin1(buttons[i].caption), this);
        action->setObjectName(QString::fromLatin1(buttons[i].name));
        action->setToolTip(QString::fromLatin1(buttons[i].tip));
        ToolBar2->addAction(action);
        if (i == 2 || i == 6)
            ToolBar2->addSeparator();
        if (i == 1)
            connect(action, &QAction::triggered, this, [this] {
                guard([this] {
                    OpenArchive2Click();
                });
            });
        if (i == 3 || i == 5)
            m_writableCommands.push_back(action);
        else if (i >= 4)
            m_archiveCommands.push_back(action);
    }
}

void TMainForm::buildStatusBar()
{
    m_statusPanel = new QFrame(this);
    m_statusPanel->setObjectName(QStringLiteral("StatusPanel"));
    m_statusPanel->setFixedHeight(23);
    auto makePanel = [this](const char *name) {
        auto *label = new QLabel(m_statusPanel);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(3, 0, 3, 0);
        return label;
    };
    SPanel1 = makePanel("SPanel1");
    SPanel2 = makePanel("SPanel2");
    ProgressBar1 = new QProgressBar(m_statusPanel);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    m_bevel = new QFrame(m_statusPanel);
    m_bevel->setFrameShape(QFrame::Panel);
    m_bevel->setFrameShadow(QFrame::Sunken);
    LedOn = new StatusLamp(QColor(40, 200, 40), m_statusPanel);
    LedOn->setObjectName(QStringLiteral("LedOn"));
    LedOff = new StatusLamp(QColor(220, 40, 30), m_statusPanel);
    LedOff->setObjectName(QStringLiteral("LedOff"));
    LedOn->setLit(true);
}

void TMainForm::setArchiveCommandsEnabled(bool enabled)
{
    for (QAction *a : m_archiveCommands)
        a->setEnabled(enabled);
}

void TMainForm::setWritableCommandsEnabled(bool enabled)
{
    for (QAction *a : m_writableCommands)
        a->setEnabled(enabled);
}

void TMainForm::OpenArchive(const std::string &path)
{
    FileList->setEnabled(true);
    setArchiveCommandsEnabled(true);
    setWritableCommandsEnabled(true);
    SPanel1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    SPanel2->show();
    m_archiveOpen = true;

    // Names are shown as stored: on this system letter case is part of the name.
    setWindowTitle(QStringLiteral("Ambermox - ") + qs(fileNameOf(path)));

    FormResize();
    SPanel1->clear();
    SPanel2->clear();
    LedOn->setLit(true);
    LedOff->setLit(false);

    CurrentArchive = path;
    m_readOnly = isReadOnlyFile(path);
    if (m_readOnly)
        setWritableCommandsEnabled(false);

    if (!SkipHistoryUpdate) {
        History &recent = m_settings.ActiveFile;
        const int n = recent.indexOf(path);
        if (n > 0) {
            RecentItemClick(n + 1);
            ListAlreadyLoaded = true;
            // That opening has done the rest, the favourites question included.
            if (CurrentArchive == path)
                return;
        } else if (n < 0) {
            recent.pushFront(path);
        }
    }
    RefreshRecentMenu();
    setAcceptDrops(true);
    m_settings.LastOpenDir = folderOf(path);

    const std::string folder = folderOf(path);
    bool known = false;
    for (const auto &f : m_settings.FavoriteFolders)
        known |= f == folder;
    if (!known && !folder.empty()) {
        if (m_settings.FavoriteAddMode == 0)
            addFavoriteFolder(folder);
        else if (m_settings.FavoriteAddMode == 1
            && Prompter::instance().question(QStringLiteral("Add \"") + qs(LowerAscii(folder))
                + QStringLiteral("\" to favorite Zip Folders?")))
            addFavoriteFolder(folder);
    }
}

void TMainForm::addFavoriteFolder(const std::string &folder)
{
    if (m_settings.FavoriteFolders.size() < 1000)
        m_settings.FavoriteFolders.push_back(folder);
}

void TMainForm::RefreshRecentMenu()
{
    const History &recent = m_settings.ActiveFile;
    m_recentSeparator->setVisible(recent.anySet());
    for (int n = 0; n < History::kSize; ++n) {
        QAction *item = m_recentItems[static_cast<size_t>(n)];
        item->setVisible(!recent[n].empty());
        item->setText(QStringLiteral("&%1 ").arg(n + 1) + qs(recent[n]));
    }
}

void TMainForm::RecentItemClick(int n)
{
    History &recent = m_settings.ActiveFile;
    const std::string path = recent[n - 1];
    if (path.empty() || refuseWhileOperationRuns())
        return;
    if (!QFileInfo(qs(path)).isFile()) {
        recent.remove(n - 1);
        RefreshRecentMenu();
        return;
    }
    SkipHistoryUpdate = true;
    struct Clear
    {
        bool &flag;
        ~Clear() { flag = false; }
    } clear { SkipHistoryUpdate };
    recent.moveToFront(n - 1);
    CloseArchive2Click();
    OpenArchive(recent[0]);
    LoadFileList();
}

void TMainForm::CloseArchive2Click()
{
    CurrentArchive.clear();
    m_archiveOpen = false;
    m_checkOut->setEnabled(false);
    m_makeExe->setEnabled(false);
    m_viewLastOutput->setEnabled(false);
    m_arrangeIcons->setEnabled(false);
    SPanel2->hide();
    FormResize();
    SPanel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    FileList->hide();
    m_model->beginChange();
    m_rows.clear();
    m_model->endChange();
    FileList->show();

    setWindowTitle(QStringLiteral("Ambermox "));
    SPanel1->setText(QString::fromLatin1(kNoArchiveText));
    setArchiveCommandsEnabled(false);
    setWritableCommandsEnabled(false);
    LedOn->setLit(true);
    LedOff->setLit(false);
    setAcceptDrops(false);
    FileList->setEnabled(false);
}

void TMainForm::OpenArchive2Click()
{
    if (refuseWhileOperationRuns())
        return;
    const QString file = Prompter::instance().openFile(
        QStringLiteral("Open"), qs(m_settings.LastOpenDir), QString::fromLatin1(kOpenFilter));
    if (file.isEmpty())
        return;
    ToolBar2->setEnabled(false);
    Timer1->start();
    ListAlreadyLoaded = false;
    OpenArchive(QFileInfo(file).absoluteFilePath().toStdString());
    if (!ListAlreadyLoaded)
        LoadFileList();
    FileList->currentView()->setFocus();
}

void TMainForm::LoadFileList()
{
    WaitCursor wait;
    SPanel1->setText(QStringLiteral("Reading directory..."));
    SPanel2->clear();
    SPanel1->repaint();
    SPanel2->repaint();

    try {
        m_engine.setZipFilename(CurrentArchive);
    } catch (...) {
        // A damaged archive: no half list, and the error goes to the error box.
        m_model->beginChange();
        m_rows.clear();
        m_model->endChange();
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
    SPanel1->setText(QStringLiteral("Sorting files..."));
    SPanel1->repaint();
    if (m_settings.SortOrder < 8 && m_rows.size() >= 2)
        m_rows.sort(m_settings.SortOrder);

    SPanel1->setText(QStringLiteral("Loading file list..."));
    SPanel1->repaint();
    // Icons are looked up here, once per type, so the list paints without delay.
    const size_t count = m_rows.size();
    int shown = 0;
    for (size_t k = 0; k < count; ++k) {
        FileIcons::forName(QString::fromUtf8(
            m_rows[k].Name.data(), static_cast<qsizetype>(m_rows[k].Name.size())));
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

    SPanel2->setText(qs(totalText(count, m_rows.totals())));
    SPanel1->setText(QString::fromLatin1(kNoSelectionText));
    if (m_rows.totals().packed > 0)
        ArchiveRatio = ratioNumber(m_rows.totals().packed, m_rows.totals().size);
    checkSortItem();

    // Once per archive, not again at every reload after an operation.
    const std::string directoryNotice = m_engine.DirectoryNotice();
    if (!directoryNotice.empty() && m_directoryNoticeShown != CurrentArchive) {
        m_directoryNoticeShown = CurrentArchive;
        Prompter::instance().notice(qs(directoryNotice), Prompter::Icon::Warning);
    }
}

void TMainForm::checkSortItem()
{
    for (int i = 0; i < 8; ++i)
        m_sortItems[static_cast<size_t>(i)]->setChecked(i + 1 == m_settings.SortOrder);
}

void TMainForm::setSortOrder(int order)
{
    if (order == m_settings.SortOrder)
        return;
    m_settings.SortOrder = order;
    checkSortItem();
    if (m_archiveOpen)
        LoadFileList();
}

void TMainForm::setViewStyle(int style)
{
    if (style < 0 || style > 3)
        return;
    m_settings.ViewStyle = style;
    m_styleItems[static_cast<size_t>(style)]->setChecked(true);
    FileList->setViewStyle(static_cast<FileListView::ViewStyle>(style));
}

std::vector<std::string> TMainForm::selectedEntries() const
{
    std::vector<std::string> out;
    for (int row : FileList->selectedRows())
        out.push_back(m_rows[static_cast<size_t>(row)].member());
    return out;
}

void TMainForm::FileListChange()
{
    if (!m_archiveOpen) {
        SPanel1->setText(QString::fromLatin1(kNoSelectionText));
        return;
    }
    const std::vector<int> rows = FileList->selectedRows();
    if (rows.empty()) {
        SPanel1->setText(QString::fromLatin1(kNoSelectionText));
        return;
    }
    uint64_t bytes = 0;
    for (int row : rows)
        bytes += m_rows[static_cast<size_t>(row)].size;
    SPanel1->setText(qs(selectedText(rows.size(), bytes)));
}

void TMainForm::showListMenu(const QPoint &globalPos)
{
    if (!m_archiveOpen)
        return;
    (FileList->selectedCount() > 0 ? FilePopUp : SortPopUp)->popup(globalPos);
}

void TMainForm::FormResize()
{
    const int width = m_statusPanel->width();
    const int height = m_statusPanel->height();
    const int lamp2 = width - 19;
    const int lamp1 = lamp2 - 18;
    const int lampTop = (height - LedOn->height()) / 2;
    LedOff->move(lamp2, lampTop);
    LedOn->move(lamp1, lampTop);
    m_bevel->setGeometry(lamp1 - 3, 3, 20 + 18, 17);
    if (m_archiveOpen) {
        const int panel = std::max(0, lamp1 / 2 - 8);
        SPanel1->setGeometry(0, 0, panel, height);
        SPanel2->setGeometry(panel + 10, 0, panel, height);
    } else {
        SPanel1->setGeometry(0, 0, std::max(0, lamp1 - 10), height);
    }
    if (ProgressBar1->isVisible())
        ProgressBar1->setGeometry(SPanel2->geometry());

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
    // The tip of the day and the shell verbs hook in here.
}

void TMainForm::Timer1Timer()
{
    ToolBar2->setEnabled(true);
}

void TMainForm::Timer2Timer()
{
    m_picture->showFrame(m_picture->frame() % AnimatedPicture::kFrames + 1);
}

QString TMainForm::leftStatus() const
{
    return SPanel1->text();
}

QString TMainForm::rightStatus() const
{
    return SPanel2->text();
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

void TMainForm::setStorePaths(const std::string &settingsFile, const std::string &favoritesFile)
{
    settingsPathOverride = settingsFile;
    favoritesPathOverride = favoritesFile;
}

void TMainForm::LoadSettings()
{
    IniSettingsStore store(settingsPath());
    const std::string favoritesFile = favoritesPath();
    bool favoritesRead = false;
    auto readFavorites = [&] {
        Favorites favorites;
        const FavoritesReadResult result = FavoritesFile::read(favoritesFile, favorites);
        m_settings.FavoriteFolders = favorites.folders;
        m_settings.FavoriteSortOrder = favorites.sortOrder;
        m_settings.FavoriteAddMode = favorites.addMode;
        favoritesRead = true;
        return result;
    };

    m_settings = Settings::firstRun();
    if (!store.keyExists()) {
        // A first start for this user. A favourites file that exists already
        // (shared beside the program) keeps its folders through the first save.
        if (QFileInfo::exists(QString::fromStdString(favoritesFile))) {
            const FavoritesReadResult result = readFavorites();
            if (!result.ok) {
                m_keepFavoritesFile = true;
                Prompter::instance().notice(
                    QString::fromStdString(
                        "The favourite folders could not be read completely. " + result.problem),
                    Prompter::Icon::Warning);
            }
        }
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            m_settings.MainLeft = area.x() + area.width() / 2 - m_settings.MainWidth / 2;
            m_settings.MainTop = area.y() + area.height() / 2 - m_settings.MainHeight / 2;
        }
        resize(m_settings.MainWidth, m_settings.MainHeight);
        move(m_settings.MainLeft, m_settings.MainTop);
        SaveSettings();
        m_keepFavoritesFile = false;
    }

    try {
        SettingsIO::readValues(store, m_settings);
    } catch (const SettingsError &e) {
        // A value another program left unreadable: say so, go on with the rest as they are.
        Prompter::instance().error(QString::fromUtf8(e.what()));
    }
    applySettings();

    if (!favoritesRead) {
        const FavoritesReadResult result = readFavorites();
        if (!result.ok)
            Prompter::instance().notice(
                QString::fromStdString(
                    "The favourite folders could not be read completely. " + result.problem),
                Prompter::Icon::Warning);
    }
}

void TMainForm::applySettings()
{
    auto action = [this](const char *name) {
        return findChild<QAction *>(QString::fromLatin1(name));
    };
    auto toggle = [&](int value, const char *item, auto apply) {
        if (value != 0 && value != 1)
            return;
        apply(value == 1);
        if (QAction *a = action(item))
            a->setChecked(value == 1);
    };
    toggle(m_settings.AsWebPage, "AsWebPage1", [this](bool on) {
        FileList->setHotTracking(on);
    });
    toggle(m_settings.ViewStatusLine, "StatusBar1", [this](bool on) {
        m_statusPanel->setVisible(on);
    });
    toggle(m_settings.ViewToolbar, "Toolbar1", [this](bool on) {
        ToolBar2->setVisible(on);
    });
    if (m_settings.ViewStyle >= 0 && m_settings.ViewStyle <= 3) {
        setViewStyle(m_settings.ViewStyle);
    } else {
        for (QAction *item : m_styleItems)
            item->setChecked(false);
    }
    restoreGeometry();
    FileList->setGridLines(m_settings.GridLines == 1);
    FileList->setFullRowSelect(m_settings.FullRow == 1);
    // Each option's own command applies it, starting from the opposite check mark.
    const std::pair<int, const char *> options[] = { { m_settings.FlatButtons, "FlatButtons1" },
        { m_settings.ShowToolbarText, "ShowText1" }, { m_settings.ToolbarTips, "ShowToolTips1" } };
    for (const auto &[value, name] : options) {
        if (QAction *a = action(name)) {
            a->setChecked(value != 1);
            a->trigger();
        }
    }
    checkSortItem();
}

void TMainForm::restoreGeometry()
{
    QRect wanted(
        m_settings.MainLeft, m_settings.MainTop, m_settings.MainWidth, m_settings.MainHeight);
    wanted.setSize(wanted.size().expandedTo(minimumSize()));
    // A window stored off-screen (another monitor, a larger desktop) comes back
    // where it can be seen and grabbed.
    QScreen *screen = QGuiApplication::screenAt(wanted.topLeft() + QPoint(40, 10));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        wanted.setSize(wanted.size().boundedTo(area.size()));
        if (!area.contains(wanted.topLeft() + QPoint(40, 10)))
            wanted.moveCenter(area.center());
        if (wanted.right() > area.right())
            wanted.moveRight(area.right());
        if (wanted.bottom() > area.bottom())
            wanted.moveBottom(area.bottom());
        if (wanted.left() < area.left())
            wanted.moveLeft(area.left());
        if (wanted.top() < area.top())
            wanted.moveTop(area.top());
    }
    resize(wanted.size());
    move(wanted.topLeft());
}

void TMainForm::SaveSettings()
{
    // A maximised or minimised window stores the place it returns to.
    const QRect frame = (isMaximized() || isMinimized()) ? normalGeometry() : QRect(pos(), size());
    m_settings.MainTop = frame.top();
    m_settings.MainLeft = frame.left();
    m_settings.MainHeight = frame.height();
    m_settings.MainWidth = frame.width();

    IniSettingsStore store(settingsPath());
    SettingsIO::writeValues(store, m_settings);
    if (!m_keepFavoritesFile)
        FavoritesFile::write(favoritesPath(),
            { m_settings.FavoriteFolders, m_settings.FavoriteSortOrder,
                m_settings.FavoriteAddMode });
}

TAddForm *TMainForm::addForm() const
{
    return m_addForm;
}

void TMainForm::setAddForm(TAddForm *form)
{
    m_addForm = form;
    if (!form)
        return;
    AddFormHost host;
    host.mainWindow = this;
    host.operations = m_operations.get();
    host.currentArchive = [this] {
        return CurrentArchive;
    };
    host.lastAddDir = [this] {
        return m_settings.LastAddDir;
    };
    host.setLastAddDir = [this](const std::string &dir) {
        m_settings.LastAddDir = dir;
    };
    host.loadFileList = [this] {
        LoadFileList();
    };
    form->attach(host);
    for (const char *name : { "Add1", "Add2", "AddButton" })
        if (auto *action = findChild<QAction *>(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, guarded(this, &TMainForm::AddClick));
}

void TMainForm::AddClick()
{
    // While its add runs the dialog stays closed: the list must stay
    // clickable to interrupt it.
    if (!m_addForm || m_addForm->running() || CurrentArchive.empty())
        return;
    m_addForm->showOnTop();
}
