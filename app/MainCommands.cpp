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

void TMainForm::connectCommands()
{
    auto action = [this](const char *name) {
        auto *a = findChild<QAction *>(QString::fromLatin1(name));
        if (!a)
            qFatal("no command %s", name);
        return a;
    };
    auto bind = [&](const char *name, void (TMainForm::*handler)()) {
        connect(action(name), &QAction::triggered, this, [this, handler] {
            guard([=, this] {
                (this->*handler)();
            });
        });
    };

    m_msgForm = std::make_unique<TMsgForm>(this);
    m_operations = std::make_unique<Operations>(
        *m_msgForm, m_viewLastOutput, StatusLine { SPanel1, SPanel2, ProgressBar1, LedOn, LedOff });

    // Pop-up "&Open" and the list's clicks open one entry.
    bind("Open1", &TMainForm::OpenEntryClick);
    for (const char *name : { "View1", "View2", "ViewButton" })
        bind(name, &TMainForm::ViewCommandClick);
    bind("ViewLastOutput2", &TMainForm::ViewLastOutputClick);
    bind("Toolbar1", &TMainForm::ToolbarClick);
    bind("StatusBar1", &TMainForm::StatusBarClick);
    bind("AsWebPage1", &TMainForm::AsWebPageClick);
    bind("BestFit1", &TMainForm::BestFitClick);
    bind("DefaultColumns1", &TMainForm::DefaultColumnsClick);
    bind("Contents1", &TMainForm::ContentsClick);
    bind("BriefTutorial1", &TMainForm::BriefTutorialClick);
    bind("FrequentlyAskedQuestions1", &TMainForm::FaqClick);
    bind("HomePage1", &TMainForm::HomePageClick);
    for (const char *name : { "Properties1", "Properties2" })
        bind(name, &TMainForm::ShowArchiveProperties);
    // The Select All and Invert Selection buttons of the pop-up and the Edit
    // menu are bound where they are made; New, Favorites, Add, Extract,
    // Delete and CheckOut open windows that do not exist yet.

    buildToolBarPopUp();
    buildTopMenu();
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

void TMainForm::buildToolBarPopUp()
{
    ToolBarPopUp = new QMenu(this);
    ToolBarPopUp->setObjectName(QStringLiteral("ToolBarPopUp"));
    const struct
    {
        const char *caption, *name;
        void (TMainForm::*handler)(bool);
    } items[] = { { "Flat Buttons", "FlatButtons1", &TMainForm::FlatButtonsClick },
        { "Show Text", "ShowText1", &TMainForm::ShowTextClick },
        { "Show Tool Tips", "ShowToolTips1", &TMainForm::ShowToolTipsClick } };
    for (const auto &item : items) {
        QAction *a = addCommand(ToolBarPopUp, QString::fromLatin1(item.caption), item.name);
        a->setCheckable(true);
        a->setChecked(true);
        // Triggering flips the check mark first: the handler gets the new state.
        connect(a, &QAction::triggered, this, [this, handler = item.handler](bool on) {
            guard([=, this] {
                (this->*handler)(on);
            });
        });
    }

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

void TMainForm::buildTopMenu()
{
    TopMenu = new QMenu(this);
    TopMenu->setObjectName(QStringLiteral("TopMenu"));
    for (int n = 1; n <= 5; ++n) {
        QAction *item = TopMenu->addAction(QString());
        item->setObjectName(QStringLiteral("TopItem%1").arg(n));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, n] {
            guard([=, this] {
                RecentItemClick(n);
            });
        });
        m_topItems[static_cast<size_t>(n - 1)] = item;
    }
    connect(TopMenu, &QMenu::aboutToShow, this, guarded(this, &TMainForm::TopMenuPopup));
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
    const char *names[8] = { "NewButton", "OpenButton", "FavoritesButton", "AddButton",
        "ExtractButton", "DeleteButton", "ViewButton", "CheckOutButton" };
    auto *hook = new EventHook(this, [this](QObject *watched, QEvent *event) {
        return commandEvent(watched, event);
    });
    for (size_t i = 0; i < 8; ++i) {
        QAction *a = findChild<QAction *>(QString::fromLatin1(names[i]));
        m_buttons[i] = a;
        m_images[i] = a->icon();
        m_hotImages[i] = hotImage(a->icon());
        if (QWidget *button = ToolBar2->widgetForAction(a)) {
            button->setObjectName(QString::fromLatin1(names[i]));
            button->setProperty("imageIndex", static_cast<int>(i));
            button->installEventFilter(hook);
        }
    }
    // The Open button's arrow drops down the recent archives.
    if (auto *open = qobject_cast<QToolButton *>(ToolBar2->widgetForAction(m_buttons[1]))) {
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
            button->setFixedSize(a == m_buttons[1] ? 35 : 26, 26);
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
