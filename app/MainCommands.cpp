// TMainForm, second part: the commands of the menus, pop-ups and toolbar
// buttons, the view and toolbar options, the list's clicks, and the pieces
// the operation dialogs share with the window (output log, status-line
// progress, interrupting a running operation).
#include "MainCommands.h"
#include "AmbxUnit.h"

#include "dialogs/EntryCopy.h"

#include "platform/FileIcons.h"
#include "platform/Guard.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "widgets/FileListView.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <functional>
#include <map>

namespace {

// Forwards the events of the watched objects to a function; the window's own
// event filter stays as it is.
class EventHook : public QObject
{
public:
    EventHook(QObject *parent, std::function<bool(QObject *, QEvent *)> handler)
        : QObject(parent)
        , m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override { return m_handler(watched, event); }

private:
    std::function<bool(QObject *, QEvent *)> m_handler;
};

// The highlighted copy of a toolbar image: tinted with the selection colour,
// so the button under the mouse stands out in flat and raised style alike.
QIcon hotImage(const QIcon &icon)
{
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor tint = QApplication::palette().color(QPalette::Highlight);
    tint.setAlpha(150);
    painter.fillRect(image.rect(), tint);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

std::array<int, 6> defaultColumnWidths(int listWidth)
{
    return { 100, 110, 65, 40, 65, listWidth - 400 };
}

int commandBarSpacerWidth(const QToolBar *bar, const QWidget *spacer)
{
    // The menu buttons' widths depend on the font, so they are measured.
    const QStyle *style = bar->style();
    const int spacing = style->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, bar);
    const int margin = style->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, bar)
        + style->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, bar);
    int used = 2 * margin;
    for (QAction *a : bar->actions()) {
        const QWidget *w = bar->widgetForAction(a);
        // Hidden ones too: the bar hides what it folded away.
        if (w && w != spacer)
            used += w->sizeHint().width() + spacing;
    }
    // A little slack, or the bar folds the picture away into its extension menu.
    return std::max(0, bar->width() - used - spacing - 4);
}

void TMainForm::buildCommands()
{
    std::map<QString, QWidget *> places { { QStringLiteral("ToolBar2"), ToolBar2 } };
    const std::pair<QMenu **, const char *> popUps[] = { { &FilePopUp, "FilePopUp" },
        { &SortPopUp, "SortPopUp" }, { &ToolBarPopUp, "ToolBarPopUp" }, { &TopMenu, "TopMenu" } };
    for (const auto &[menu, name] : popUps) {
        *menu = new QMenu(this);
        (*menu)->setObjectName(QString::fromLatin1(name));
        places[(*menu)->objectName()] = *menu;
    }
    m_styleGroup = new QActionGroup(this);
    // A stored style outside 0..3 leaves no item checked.
    m_styleGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const MenuButton &item : menuButtons())
        places[QString::fromLatin1(item.name)] = findChild<QMenu *>(QString::fromLatin1(item.name));

    for (const Command &command : commandTable()) {
        QWidget *place = places.at(QString::fromLatin1(command.place));
        auto *menu = qobject_cast<QMenu *>(place);
        const QString name = QString::fromLatin1(command.name);
        const QString caption = QString::fromLatin1(command.caption);
        QAction *action;
        if (command.kind == Kind::Separator) {
            action = menu ? menu->addSeparator() : ToolBar2->addSeparator();
            action->setObjectName(name);
            continue;
        }
        if (command.kind == Kind::Submenu) {
            QMenu *submenu = menu->addMenu(caption);
            submenu->setObjectName(QString(name).replace(QLatin1Char('1'), QStringLiteral("Menu")));
            places[submenu->objectName()] = submenu;
            action = submenu->menuAction();
        } else {
            action = new QAction(caption, menu ? static_cast<QObject *>(menu) : this);
            place->addAction(action);
        }
        action->setObjectName(name);
        if (*command.icon)
            action->setIcon(FileIcons::themed(QString::fromLatin1(command.icon)));
        if (*command.hint)
            action->setToolTip(QString::fromLatin1(command.hint));
        if (*command.shortcut) {
            action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
            // The menus drop down from toolbar buttons, so the window must own the shortcuts.
            addAction(action);
        }
        action->setCheckable(command.kind == Kind::Check || command.kind == Kind::Checked);
        action->setChecked(command.kind == Kind::Checked);
        m_commands.emplace_back(action, command.needs);
        bindGroup(action, command.group, command.index);
        if (menu == nullptr)
            m_buttons.push_back(action);
    }
    m_recentSeparator = findChild<QAction *>(QStringLiteral("RecentSeparator"));
    m_viewLastOutput = findChild<QAction *>(QStringLiteral("ViewLastOutput2"));
    m_closeArchive = findChild<QAction *>(QStringLiteral("CloseArchive2"));
    FilePopUp->setDefaultAction(findChild<QAction *>(QStringLiteral("Open1")));
    connect(SortPopUp, &QMenu::aboutToShow, this, [this] {
        for (int i = 0; i < 8; ++i)
            m_sortPopItems[static_cast<size_t>(i)]->setChecked(i + 1 == m_settings.SortOrder);
    });
    connect(TopMenu, &QMenu::aboutToShow, this, guarded(this, &TMainForm::TopMenuPopup));
}

void TMainForm::bindGroup(QAction *action, Group group, int index)
{
    const size_t i = static_cast<size_t>(index);
    auto onTrigger = [this, action](auto handler) {
        connect(action, &QAction::triggered, this, [this, handler](bool on) {
            guard([=, this] {
                handler(on);
            });
        });
    };
    switch (group) {
    case Group::None:
        break;
    case Group::Recent:
    case Group::TopItem:
        (group == Group::Recent ? m_recentItems : m_topItems)[i - 1] = action;
        action->setVisible(group == Group::Recent);
        onTrigger([this, index](bool) {
            RecentItemClick(index);
        });
        break;
    case Group::ViewStyle:
        m_styleItems[i] = action;
        m_styleGroup->addAction(action);
        onTrigger([this, index](bool) {
            setViewStyle(index);
        });
        break;
    case Group::Sort:
    case Group::SortPopUp:
        (group == Group::Sort ? m_sortItems : m_sortPopItems)[i - 1] = action;
        onTrigger([this, index](bool) {
            setSortOrder(index);
        });
        // The menu's item flipped its own check mark; the order decides it.
        if (group == Group::Sort)
            connect(action, &QAction::triggered, this, &TMainForm::checkSortItem);
        break;
    case Group::Option:
        // Triggering flips the check mark first: the handler gets the new state.
        onTrigger([this, index](bool on) {
            (this
                    ->*std::array { &TMainForm::FlatButtonsClick, &TMainForm::ShowTextClick,
                        &TMainForm::ShowToolTipsClick }[static_cast<size_t>(index)])(on);
        });
        break;
    }
}

void TMainForm::connectCommands()
{
    auto bind = [this](const char *name, void (TMainForm::*handler)()) {
        auto *a = findChild<QAction *>(QString::fromLatin1(name));
        if (!a)
            qFatal("no command %s", name);
        connect(a, &QAction::triggered, this, [this, handler] {
            guard([=, this] {
                (this->*handler)();
            });
        });
    };

    m_msgForm = std::make_unique<TMsgForm>(this);
    m_operations = std::make_unique<Operations>(
        *m_msgForm, m_viewLastOutput, StatusLine { SPanel1, SPanel2, ProgressBar1, LedOn, LedOff });

    const std::pair<const char *, void (TMainForm::*)()> handlers[] = {
        { "OpenArchive2", &TMainForm::OpenArchive2Click },
        { "OpenButton", &TMainForm::OpenArchive2Click },
        { "CloseArchive2", &TMainForm::CloseArchiveCommand },
        { "Exit1", &TMainForm::ExitClick },
        { "SelectAll1", &TMainForm::SelectAllClick },
        { "SelectAll2", &TMainForm::SelectAllClick },
        { "InvertSelection1", &TMainForm::InvertSelectionClick },
        { "InvertSelection2", &TMainForm::InvertSelectionClick },
        // Pop-up "&Open" and the list's clicks open one entry.
        { "Open1", &TMainForm::OpenEntryClick },
        { "View1", &TMainForm::ViewCommandClick },
        { "View2", &TMainForm::ViewCommandClick },
        { "ViewButton", &TMainForm::ViewCommandClick },
        { "ViewLastOutput2", &TMainForm::ViewLastOutputClick },
        { "Toolbar1", &TMainForm::ToolbarClick },
        { "StatusBar1", &TMainForm::StatusBarClick },
        { "AsWebPage1", &TMainForm::AsWebPageClick },
        { "BestFit1", &TMainForm::BestFitClick },
        { "DefaultColumns1", &TMainForm::DefaultColumnsClick },
        { "Contents1", &TMainForm::ContentsClick },
        { "BriefTutorial1", &TMainForm::BriefTutorialClick },
        { "FrequentlyAskedQuestions1", &TMainForm::FaqClick },
        { "HomePage1", &TMainForm::HomePageClick },
        { "Properties1", &TMainForm::ShowArchiveProperties },
        { "Properties2", &TMainForm::ShowArchiveProperties },
        { "Add1", &TMainForm::AddClick },
        { "Add2", &TMainForm::AddClick },
        { "AddButton", &TMainForm::AddClick },
        { "Extract1", &TMainForm::ExtractClick },
        { "Extract2", &TMainForm::ExtractClick },
        { "ExtractButton", &TMainForm::ExtractClick },
        { "Delete1", &TMainForm::DeleteClick },
        { "Delete2", &TMainForm::DeleteClick },
        { "DeleteButton", &TMainForm::DeleteClick },
    };
    // New, Favorites and CheckOut open windows that do not exist yet.
    for (const auto &[name, handler] : handlers)
        bind(name, handler);

    connectDock();
    setupToolButtons();

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
    for (QToolBar *bar : { m_commandBar, ToolBar2 }) {
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, this, [this, bar](const QPoint &pos) {
            ToolBarPopUp->popup(bar->mapToGlobal(pos));
        });
    }
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (pos.y() < centralWidget()->y())
            ToolBarPopUp->popup(mapToGlobal(pos));
    });
}

void TMainForm::TopMenuPopup()
{
    const History &recent = m_settings.ActiveFile;
    for (int n = 0; n < History::kSize; ++n) {
        QAction *item = m_topItems[static_cast<size_t>(n)];
        item->setVisible(!recent[n].empty());
        item->setText(QStringLiteral("&%1 ").arg(n + 1) + qs(recent[n]));
    }
}

void TMainForm::setupToolButtons()
{
    auto *hook = new EventHook(this, [this](QObject *watched, QEvent *event) {
        return commandEvent(watched, event);
    });
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        QAction *a = m_buttons[i];
        m_images.push_back(a->icon());
        m_hotImages.push_back(hotImage(a->icon()));
        if (QWidget *button = ToolBar2->widgetForAction(a)) {
            button->setObjectName(a->objectName());
            button->setProperty("imageIndex", static_cast<int>(i));
            button->installEventFilter(hook);
        }
    }
    // The Open button's arrow drops down the recent archives.
    auto *openAction = findChild<QAction *>(QStringLiteral("OpenButton"));
    if (auto *open = qobject_cast<QToolButton *>(ToolBar2->widgetForAction(openAction))) {
        open->setMenu(TopMenu);
        open->setPopupMode(QToolButton::MenuButtonPopup);
        // Aligned to the button's right edge.
        TopMenu->installEventFilter(new EventHook(this, [this, open](QObject *, QEvent *event) {
            if (event->type() == QEvent::Show)
                TopMenu->move(
                    open->mapToGlobal(QPoint(open->width() - TopMenu->width(), open->height())));
            return false;
        }));
    }
}

bool TMainForm::commandEvent(QObject *watched, QEvent *event)
{
    const QVariant index = watched->property("imageIndex");
    if (!index.isValid())
        return false;
    const size_t i = static_cast<size_t>(index.toInt());
    switch (event->type()) {
    case QEvent::Enter:
        m_buttons[i]->setIcon(m_hotImages[i]);
        break;
    case QEvent::Leave:
        m_buttons[i]->setIcon(m_images[i]);
        break;
    case QEvent::ToolTip:
        return !m_showToolTips;
    default:
        break;
    }
    return false;
}

void TMainForm::FlatButtonsClick(bool on)
{
    m_settings.FlatButtons = on ? 1 : 0;
    findChild<QAction *>(QStringLiteral("FlatButtons1"))->setChecked(on);
    for (QAction *a : m_buttons)
        if (auto *button = qobject_cast<QToolButton *>(ToolBar2->widgetForAction(a)))
            button->setAutoRaise(on);
}

void TMainForm::ShowTextClick(bool on)
{
    m_settings.ShowToolbarText = on ? 1 : 0;
    findChild<QAction *>(QStringLiteral("ShowText1"))->setChecked(on);
    ToolBar2->setToolButtonStyle(on ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    for (QAction *a : m_buttons) {
        QWidget *button = ToolBar2->widgetForAction(a);
        if (!button)
            continue;
        if (on)
            button->setFixedSize(65, 42);
        else
            button->setFixedSize(a->objectName() == QLatin1String("OpenButton") ? 35 : 26, 26);
    }
}

void TMainForm::ShowToolTipsClick(bool on)
{
    m_settings.ToolbarTips = on ? 1 : 0;
    findChild<QAction *>(QStringLiteral("ShowToolTips1"))->setChecked(on);
    m_showToolTips = on;
}

void TMainForm::ToolbarClick()
{
    const bool on = m_settings.ViewToolbar != 1;
    m_settings.ViewToolbar = on ? 1 : 0;
    ToolBar2->setVisible(on);
    findChild<QAction *>(QStringLiteral("Toolbar1"))->setChecked(on);
}

void TMainForm::StatusBarClick()
{
    const bool on = m_settings.ViewStatusLine != 1;
    m_settings.ViewStatusLine = on ? 1 : 0;
    m_statusPanel->setVisible(on);
    findChild<QAction *>(QStringLiteral("StatusBar1"))->setChecked(on);
}

void TMainForm::AsWebPageClick()
{
    const bool on = m_settings.AsWebPage != 1;
    m_settings.AsWebPage = on ? 1 : 0;
    FileList->setHotTracking(on);
    findChild<QAction *>(QStringLiteral("AsWebPage1"))->setChecked(on);
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

void TMainForm::CloseArchiveCommand()
{
    if (!refuseWhileOperationRuns())
        CloseArchive2Click();
}

void TMainForm::ExitClick()
{
    close();
}

void TMainForm::SelectAllClick()
{
    FileList->selectAllRows();
}

void TMainForm::InvertSelectionClick()
{
    FileList->invertSelection();
}

void TMainForm::StatusPanelClick()
{
    if (m_closeArchive->isEnabled())
        ShowArchiveProperties();
}

void TMainForm::ShowArchiveProperties()
{
    // The archive properties window hooks in here.
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

void TMainForm::ViewLastOutputClick()
{
    m_msgForm->exec();
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

void TMainForm::ContentsClick()
{
    const QString folder = qs(programFolder());
    Shell::instance().openFile(folder + QStringLiteral("help/index.html"),
        folder + QStringLiteral("help/"), Shell::Show::Maximized);
}

void TMainForm::BriefTutorialClick()
{
    const QString folder = qs(programFolder());
    Shell::instance().openFile(
        folder + QStringLiteral("help/tutor.html"), folder + QStringLiteral("help/"));
}

void TMainForm::FaqClick()
{
    const QString folder = qs(programFolder());
    Shell::instance().openFile(
        folder + QStringLiteral("help/faq.html"), folder + QStringLiteral("help/"));
}

void TMainForm::HomePageClick()
{
    const QString folder = qs(programFolder());
    Shell::instance().openFile(folder + QStringLiteral("Visit Ambermox's Home Page.url"), folder,
        Shell::Show::Normal, QStringLiteral("/max"));
}
