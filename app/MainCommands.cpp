// TMainForm, second part: the commands bound to the window, the list's
// clicks, and what the dialogs reach of the window.
#include "AmbxUnit.h"
#include "ButtonBar.h"
#include "CommandActions.h"
#include "EventHook.h"
#include "MemberEdits.h"
#include "StatusPanel.h"
#include "ViewOptions.h"

#include "EntryCopy.h"

#include "FileListView.h"
#include "Guard.h"
#include "Shell.h"
#include "Text.h"
#include "ZipPropUnit.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
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
        case Group::Option:
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

    QObject *context = this;
    m_actions->bind(context, { "OpenArchive2", "OpenButton" }, [this] {
        OpenArchive2Click();
    });
    m_actions->bind(context, { "CloseArchive2" }, [this] {
        if (!refuseWhileOperationRuns())
            CloseArchive2Click();
    });
    m_actions->bind(context, { "Exit1" }, [this] {
        close();
    });
    m_actions->bind(context, { "SelectAll1", "SelectAll2" }, [this] {
        FileList->selectAllRows();
    });
    m_actions->bind(context, { "InvertSelection1", "InvertSelection2" }, [this] {
        FileList->invertSelection();
    });
    // Pop-up "&Open" and the list's clicks open one entry.
    m_actions->bind(context, { "Open1" }, [this] {
        OpenEntryClick();
    });
    m_actions->bind(context, { "ViewLastOutput2" }, [this] {
        m_msgForm->exec();
    });
    m_viewOptions =
        std::make_unique<ViewOptions>(m_settings, *m_actions, *ToolBar2, *m_statusPanel, *FileList);
    m_viewOptions->bind(context);
    m_fileMenu = std::make_unique<ArchiveFileMenu>(*this, *m_actions);
    m_dialogs = std::make_unique<DialogCommands>(*this, *m_actions);
    m_edits = new MemberEdits(*this);
    m_actions->bind(context, { "Comment1" }, [this] {
        m_edits->comment();
    });
    m_actions->bind(context, { "RenameMember1", "RenameMember2" }, [this] {
        m_edits->rename();
    });
    connect(&m_fileMenu->zipPropForm(), &TZipPropForm::commentClicked, this, [this] {
        m_actions->action("Comment1")->trigger();
    });

    bindGroups();
    connectDock();
    ToolBar2->setupButtons(m_actions->action("OpenButton"), m_actions->menu("TopMenu"));
    // A button whose menu was open never hears that the pointer left it
    // meanwhile; once the menu has gone, it is told.
    for (QMenu *menu : findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, &TMainForm::clearStaleHover);
        });

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

    // The list's keys, as in every file manager: Del deletes the selection
    // through the Delete dialog, Enter opens it as a double click does.
    auto *keyHook = new EventHook(this, [this](QObject *, QEvent *event) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier
            || FileList->selectedCount() == 0)
            return false;
        if (key->key() == Qt::Key_Delete) {
            QAction *remove = m_actions->action("Delete1");
            if (remove->isEnabled())
                remove->trigger();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            guard([this] {
                OpenEntryClick();
            });
            return true;
        }
        return false;
    });
    FileList->detailsView()->installEventFilter(keyHook);
    if (auto *icons = FileList->findChild<QListView *>(QStringLiteral("iconView")))
        icons->installEventFilter(keyHook);

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

void TMainForm::clearStaleHover()
{
    const QPoint pointer = QCursor::pos();
    for (QToolButton *button : findChildren<QToolButton *>()) {
        if (!button->underMouse() || button->rect().contains(button->mapFromGlobal(pointer)))
            continue;
        button->setAttribute(Qt::WA_UnderMouse, false);
        // The toolbar takes its normal image back on the same event.
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        button->update();
    }
}

void TMainForm::TopMenuPopup()
{
    const History &recent = m_settings.ActiveFile;
    for (int n = 0; n < History::kSize; ++n) {
        QAction *item = m_actions->numbered(Group::TopItem, n + 1);
        item->setVisible(!recent[n].empty());
        item->setText(recentItemText(n, recent[n]));
    }
}

void TMainForm::StatusPanelClick()
{
    if (m_actions->action("CloseArchive2")->isEnabled())
        m_fileMenu->showArchiveProperties();
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
    if (copy.empty())
        return;
    Shell::instance().open(qs(copy), qs(temp));
    watchOpenedCopy(row.member(), copy);
}

void TMainForm::watchOpenedCopy(const std::string &member, const std::string &copy)
{
    if (!archiveReadOnly())
        m_edits->watch(member, copy);
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

std::vector<std::string> TMainForm::selectedMembers() const
{
    std::vector<std::string> out;
    for (int row : FileList->selectedRows())
        out.push_back(m_rows[static_cast<size_t>(row)].member());
    return out;
}

std::optional<ViewEntry> TMainForm::selectedEntry() const
{
    const std::vector<int> rows = FileList->selectedRows();
    if (rows.empty() || rows.front() < 0 || static_cast<size_t>(rows.front()) >= m_rows.size())
        return std::nullopt;
    const FileRow &row = m_rows[static_cast<size_t>(rows.front())];
    return ViewEntry { std::string(row.Path), std::string(row.Name) };
}

std::vector<ExtractRow> TMainForm::listRows() const
{
    std::vector<ExtractRow> rows;
    rows.reserve(m_rows.size());
    for (const FileRow &row : m_rows.rows())
        rows.push_back({ row.member(), row.size, false });
    for (int index : FileList->selectedRows())
        if (index >= 0 && static_cast<size_t>(index) < rows.size())
            rows[static_cast<size_t>(index)].selected = true;
    return rows;
}

ExtractHistory TMainForm::extractHistory() const
{
    ExtractHistory history;
    for (int i = 0; i < History::kSize; ++i)
        history[static_cast<size_t>(i)] = m_settings.Extract[i];
    return history;
}

void TMainForm::setExtractHistory(const ExtractHistory &history)
{
    for (int i = 0; i < History::kSize; ++i)
        m_settings.Extract[i] = history[static_cast<size_t>(i)];
}
void TMainForm::saveAndReloadSettings()
{
    SaveSettings();
    LoadSettings();
}
std::string TMainForm::helpRoot() const
{
    return programFolder();
}
