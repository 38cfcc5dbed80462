// TMainForm, second part: what the commands of the menus, pop-ups and toolbar
// buttons do, the view and toolbar options, and the list's clicks.
#include "AmbxUnit.h"
#include "ButtonBar.h"
#include "CommandActions.h"
#include "EventHook.h"
#include "StatusPanel.h"
#include "WindowPlacement.h"

#include "dialogs/EntryCopy.h"

#include "platform/Guard.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "widgets/FileListView.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QToolBar>
#include <QTreeView>

#include <functional>

void TMainForm::bindGroups()
{
    for (const auto &[action, command] : m_actions->all()) {
        const int n = command->index;
        auto onTrigger = [this, action](auto handler) {
            connect(action, &QAction::triggered, this, [this, handler](bool on) {
                guard([=, this] {
                    handler(on);
                });
            });
        };
        switch (command->group) {
        case Group::None:
            break;
        case Group::Recent:
        case Group::TopItem:
            onTrigger([this, n](bool) {
                RecentItemClick(n);
            });
            break;
        case Group::ViewStyle:
            onTrigger([this, n](bool) {
                setViewStyle(n);
            });
            break;
        case Group::Sort:
        case Group::SortPopUp:
            onTrigger([this, n](bool) {
                setSortOrder(n);
            });
            // The menu's item flipped its own check mark; the order decides it.
            if (command->group == Group::Sort)
                connect(action, &QAction::triggered, this, &TMainForm::checkSortItem);
            break;
        case Group::Option:
            // Triggering flips the check mark first: the handler gets the new state.
            onTrigger([this, n](bool on) {
                (this
                        ->*std::array { &TMainForm::FlatButtonsClick, &TMainForm::ShowTextClick,
                            &TMainForm::ShowToolTipsClick }[static_cast<size_t>(n)])(on);
            });
            break;
        }
    }
    connect(m_actions->menu("SortPopUp"), &QMenu::aboutToShow, this, [this] {
        for (int i = 0; i < 8; ++i)
            m_actions->numbered(Group::SortPopUp, i + 1)->setChecked(i + 1 == m_settings.SortOrder);
    });
    connect(m_actions->menu("TopMenu"), &QMenu::aboutToShow, this,
        guarded(this, &TMainForm::TopMenuPopup));
}

void TMainForm::connectCommands()
{
    m_msgForm = std::make_unique<TMsgForm>(this);
    m_operations = std::make_unique<Operations>(*m_msgForm, m_actions->action("ViewLastOutput2"),
        StatusLine { SPanel1, SPanel2, ProgressBar1, LedOn, LedOff });

    struct Binding
    {
        std::vector<const char *> names;
        std::function<void()> handler;
    };
    auto to = [this](void (TMainForm::*handler)()) {
        return [this, handler] {
            (this->*handler)();
        };
    };
    const auto folder = [] {
        return qs(programFolder());
    };
    // New and Favorites open windows that do not exist yet.
    const Binding bindings[] = {
        { { "OpenArchive2", "OpenButton" }, to(&TMainForm::OpenArchive2Click) },
        { { "CloseArchive2" },
            [this] {
                if (!refuseWhileOperationRuns())
                    CloseArchive2Click();
            } },
        { { "Exit1" },
            [this] {
                close();
            } },
        { { "SelectAll1", "SelectAll2" },
            [this] {
                FileList->selectAllRows();
            } },
        { { "InvertSelection1", "InvertSelection2" },
            [this] {
                FileList->invertSelection();
            } },
        // Pop-up "&Open" and the list's clicks open one entry.
        { { "Open1" }, to(&TMainForm::OpenEntryClick) },
        { { "View1", "View2", "ViewButton" }, to(&TMainForm::ViewCommandClick) },
        { { "ViewLastOutput2" },
            [this] {
                m_msgForm->exec();
            } },
        { { "Toolbar1" }, to(&TMainForm::ToolbarClick) },
        { { "StatusBar1" }, to(&TMainForm::StatusBarClick) },
        { { "AsWebPage1" }, to(&TMainForm::AsWebPageClick) },
        { { "BestFit1" }, to(&TMainForm::BestFitClick) },
        { { "DefaultColumns1" }, to(&TMainForm::DefaultColumnsClick) },
        { { "Contents1" },
            [folder] {
                Shell::instance().openFile(folder() + QStringLiteral("help/index.html"),
                    folder() + QStringLiteral("help/"), Shell::Show::Maximized);
            } },
        { { "BriefTutorial1" },
            [folder] {
                Shell::instance().openFile(folder() + QStringLiteral("help/tutor.html"),
                    folder() + QStringLiteral("help/"));
            } },
        { { "FrequentlyAskedQuestions1" },
            [folder] {
                Shell::instance().openFile(
                    folder() + QStringLiteral("help/faq.html"), folder() + QStringLiteral("help/"));
            } },
        { { "HomePage1" },
            [folder] {
                Shell::instance().openFile(
                    folder() + QStringLiteral("Visit Ambermox's Home Page.url"), folder(),
                    Shell::Show::Normal, QStringLiteral("/max"));
            } },
        { { "Properties1", "Properties2" }, to(&TMainForm::ShowArchiveProperties) },
        { { "Add1", "Add2", "AddButton" }, to(&TMainForm::AddClick) },
        { { "Extract1", "Extract2", "ExtractButton" }, to(&TMainForm::ExtractClick) },
        { { "Delete1", "Delete2", "DeleteButton" }, to(&TMainForm::DeleteClick) },
        { { "CheckOut1", "CheckOutButton" }, to(&TMainForm::CheckOutClick) },
        { { "MakeExeFile1" }, to(&TMainForm::MakeExeFileClick) },
        { { "Configuration1" }, to(&TMainForm::ConfigurationClick) },
        { { "TipOfTheDay1" }, to(&TMainForm::TipOfTheDayClick) },
        { { "AboutAmbermox1" }, to(&TMainForm::AboutClick) },
        { { "TestArchive1", "TestArchive2" }, to(&TMainForm::TestArchiveClick) },
    };
    for (const Binding &binding : bindings)
        for (const char *name : binding.names)
            connect(m_actions->action(name), &QAction::triggered, this, [this, binding] {
                guard(binding.handler);
            });

    bindGroups();
    bindFileCommands();
    connectDock();
    ToolBar2->setupButtons(m_actions->action("OpenButton"), m_actions->menu("TopMenu"));

    // The list's clicks, on the viewport of every view style.
    auto *listHook = new EventHook(this, [this](QObject *, QEvent *event) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            m_afterDoubleClick = true;
            guard([this] {
                FileListDblClick();
            });
        } else if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            // The release that ends a double click is not another click.
            if (!std::exchange(m_afterDoubleClick, false))
                guard([this] {
                    FileListClick();
                });
        }
        return false;
    });
    FileList->detailsView()->viewport()->installEventFilter(listHook);
    if (auto *icons = FileList->findChild<QListView *>(QStringLiteral("iconView")))
        icons->viewport()->installEventFilter(listHook);

    auto *panelHook = new EventHook(this, [this](QObject *, QEvent *event) {
        if (event->type() == QEvent::MouseButtonRelease)
            guard([this] {
                StatusPanelClick();
            });
        return false;
    });
    SPanel1->installEventFilter(panelHook);
    SPanel2->installEventFilter(panelHook);
}

void TMainForm::connectDock()
{
    // The dock's context menu: both toolbars and the window's edge between them.
    for (QToolBar *bar : { m_commandBar, static_cast<QToolBar *>(ToolBar2) }) {
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, this, [this, bar](const QPoint &pos) {
            m_actions->menu("ToolBarPopUp")->popup(bar->mapToGlobal(pos));
        });
    }
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (pos.y() < centralWidget()->y())
            m_actions->menu("ToolBarPopUp")->popup(mapToGlobal(pos));
    });
}

void TMainForm::TopMenuPopup()
{
    const History &recent = m_settings.ActiveFile;
    for (int n = 0; n < History::kSize; ++n) {
        QAction *item = m_actions->numbered(Group::TopItem, n + 1);
        item->setVisible(!recent[n].empty());
        item->setText(QStringLiteral("&%1 ").arg(n + 1) + qs(recent[n]));
    }
}

// A check item's option: the setting and the check mark follow the state.
bool TMainForm::setOption(int &setting, const char *item, bool on)
{
    setting = on ? 1 : 0;
    m_actions->action(item)->setChecked(on);
    return on;
}

void TMainForm::FlatButtonsClick(bool on)
{
    ToolBar2->setFlat(setOption(m_settings.FlatButtons, "FlatButtons1", on));
}

void TMainForm::ShowTextClick(bool on)
{
    ToolBar2->setShowText(setOption(m_settings.ShowToolbarText, "ShowText1", on));
}

void TMainForm::ShowToolTipsClick(bool on)
{
    ToolBar2->setShowTips(setOption(m_settings.ToolbarTips, "ShowToolTips1", on));
}

void TMainForm::ToolbarClick()
{
    ToolBar2->setVisible(
        setOption(m_settings.ViewToolbar, "Toolbar1", m_settings.ViewToolbar != 1));
}

void TMainForm::StatusBarClick()
{
    m_statusPanel->setVisible(
        setOption(m_settings.ViewStatusLine, "StatusBar1", m_settings.ViewStatusLine != 1));
}

void TMainForm::AsWebPageClick()
{
    FileList->setHotTracking(
        setOption(m_settings.AsWebPage, "AsWebPage1", m_settings.AsWebPage != 1));
}

void TMainForm::BestFitClick()
{
    QTreeView *tree = FileList->detailsView();
    // Every row counts, not only those on screen; the header does not.
    tree->header()->setResizeContentsPrecision(-1);
    const QAbstractItemView *view = tree;
    for (int c = 0; c < 6; ++c)
        FileList->setColumnWidth(c, std::max(view->sizeHintForColumn(c), 8));
}

void TMainForm::DefaultColumnsClick()
{
    const std::array<int, 6> widths = defaultColumnWidths(FileList->width());
    for (int c = 0; c < 6; ++c)
        FileList->setColumnWidth(c, std::max(widths[static_cast<size_t>(c)], 0));
}

void TMainForm::StatusPanelClick()
{
    if (m_actions->action("CloseArchive2")->isEnabled())
        ShowArchiveProperties();
}

void TMainForm::ShowArchiveProperties()
{
    m_zipPropForm->setValues(QStringList(6, QString()));
    m_zipPropForm->showOnTop();
    m_zipPropForm->setValues(
        zipPropertyTexts(m_session.CurrentArchive, m_rows.size(), ArchiveRatio));
}

void TMainForm::bindFileCommands()
{
    m_fileCommands = std::make_unique<ArchiveFileCommands>(
        m_settings, m_session,
        [this](const std::string &path) {
            m_engine.setZipFilename(path);
        },
        [this] {
            RefreshRecentMenu();
        });
    m_selDirForm = std::make_unique<TSelDirForm>(m_settings.SelDir);
    m_fileCommands->chooseFolder = [this](const QString &title, const QString &prompt) {
        m_selDirForm->SelDirTitle = title;
        m_selDirForm->SelDirPrompt = prompt;
        m_selDirForm->SelDirCaller = this;
        return m_selDirForm->run();
    };
    m_renameForm = std::make_unique<TRenameForm>(this);
    m_renameForm->renameTo = [this](const std::string &base) {
        if (!m_fileCommands->rename(base))
            return false;
        setWindowTitle(QStringLiteral("Ambermox (Beta test) - ")
            + QString::fromStdString(fileNameOf(m_session.CurrentArchive)));
        return true;
    };
    m_zipPropForm = std::make_unique<TZipPropForm>(this);
    m_filePropForm = std::make_unique<TFilePropForm>(this);

    const std::pair<const char *, std::function<void()>> bindings[] = {
        { "NewArchive1",
            [this] {
                if (m_fileCommands->newArchive())
                    FileList->setFocus();
            } },
        { "NewButton",
            [this] {
                if (m_fileCommands->newArchive())
                    FileList->setFocus();
            } },
        { "CopyArchive1",
            [this] {
                m_fileCommands->copyOrMove(false);
            } },
        { "MoveArchive1",
            [this] {
                m_fileCommands->copyOrMove(true);
            } },
        { "DeleteArchive1",
            [this] {
                m_fileCommands->deleteArchive();
            } },
        { "RenameArchive1",
            [this] {
                if (refuseWhileOperationRuns())
                    return;
                m_renameForm->setFileName(fileNameOf(m_session.CurrentArchive));
                m_renameForm->showOnTop();
            } },
        { "CreateShortcut1",
            [this] {
                m_fileCommands->createShortcut(
                    QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                        .toStdString());
            } },
        { "FileProperties1",
            [this] {
                const std::vector<int> rows = FileList->selectedRows();
                if (rows.empty())
                    return;
                m_filePropForm->setValues(
                    filePropertyTexts(m_rows[static_cast<size_t>(rows.front())]));
                m_filePropForm->exec();
            } },
    };
    for (const auto &[name, handler] : bindings)
        connect(m_actions->action(name), &QAction::triggered, this, [this, handler] {
            guard(handler);
        });
}

void TMainForm::ViewCommandClick()
{
    if (FileList->selectedCount() == 0) {
        Prompter::instance().notice(
            QStringLiteral("No file selected for viewing."), Prompter::Icon::Information);
        return;
    }
    showViewForm();
}

void TMainForm::OpenEntryClick()
{
    const std::vector<int> rows = FileList->selectedRows();
    if (rows.empty() || refuseWhileOperationRuns())
        return;
    const FileRow &row = m_rows[static_cast<size_t>(rows.front())];
    std::string temp = m_settings.Temp;
    if (temp.empty() || temp.back() != '/')
        temp += '/';
    m_settings.Temp = temp;

    const std::string copy =
        extractEntryCopy(m_engine, std::string(row.Path), std::string(row.Name), temp);
    if (!copy.empty())
        Shell::instance().openFile(qs(copy), qs(temp));
}

void TMainForm::FileListClick()
{
    // A click while an operation pumps events from its progress handler
    // only asks whether to go on with it.
    if (m_operations->interruptRunning())
        return;
    if (m_settings.AsWebPage == 1 && FileList->selectedCount() > 0)
        OpenEntryClick();
}

void TMainForm::FileListDblClick()
{
    if (m_settings.AsWebPage != 1 && FileList->selectedCount() > 0)
        OpenEntryClick();
}
