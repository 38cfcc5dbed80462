#include "CommandActions.h"

#include "FileIcons.h"
#include "Guard.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

CommandActions::CommandActions(QMainWindow &window, QToolBar &menuBar, QToolBar &buttonBar)
{
    for (const MenuButton &item : menuButtons()) {
        auto *menu = new QMenu(&window);
        menu->setObjectName(QString::fromLatin1(item.name));
        auto *button = new QToolButton(&menuBar);
        button->setText(QCoreApplication::translate("CommandTable", item.caption));
        button->setObjectName(menu->objectName() + QStringLiteral("Button"));
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(true);
        button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
        menuBar.addWidget(button);
        m_menus[menu->objectName()] = menu;
    }
    for (const char *name : { "FilePopUp", "SortPopUp", "ToolBarPopUp", "TopMenu" }) {
        auto *menu = new QMenu(&window);
        menu->setObjectName(QString::fromLatin1(name));
        m_menus[menu->objectName()] = menu;
    }
    auto *styles = new QActionGroup(&window);
    // A stored style outside 0..3 leaves no item checked.
    styles->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

    for (const Command &command : commandTable()) {
        QMenu *menu = buttonBar.objectName() == QLatin1String(command.place)
            ? nullptr
            : m_menus.at(QString::fromLatin1(command.place));
        const QString name = QString::fromLatin1(command.name);
        const QString caption = *command.caption
            ? QCoreApplication::translate("CommandTable", command.caption)
            : QString();
        QAction *action;
        if (command.kind == Kind::Separator) {
            action = menu ? menu->addSeparator() : buttonBar.addSeparator();
            action->setObjectName(name);
            continue;
        }
        if (command.kind == Kind::Submenu) {
            QMenu *submenu = menu->addMenu(caption);
            submenu->setObjectName(QString(name).replace(QLatin1Char('1'), QStringLiteral("Menu")));
            m_menus[submenu->objectName()] = submenu;
            action = submenu->menuAction();
        } else if (menu) {
            action = menu->addAction(caption);
        } else {
            action = new QAction(caption, &window);
            buttonBar.addAction(action);
            m_buttons.push_back(action);
        }
        action->setObjectName(name);
        if (*command.icon)
            action->setIcon(FileIcons::themed(QString::fromLatin1(command.icon)));
        if (*command.hint)
            action->setToolTip(QCoreApplication::translate("CommandTable", command.hint));
        if (*command.shortcut) {
            action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
            window.addAction(action);
        }
        action->setCheckable(command.kind == Kind::Check || command.kind == Kind::Checked);
        action->setChecked(command.kind == Kind::Checked);
        if (command.group == Group::ViewStyle)
            styles->addAction(action);
        // Shown when the drop-down is about to show them.
        if (command.group == Group::TopItem)
            action->setVisible(false);
        m_actions.emplace_back(action, &command);
    }
    menu("FilePopUp")->setDefaultAction(action("Open1"));
    // Their disabled items say why when pointed at.
    menu("ActionsMenu")->setToolTipsVisible(true);
    menu("FilePopUp")->setToolTipsVisible(true);
}

QAction *CommandActions::action(const char *name) const
{
    for (const auto &[action, command] : m_actions)
        if (qstrcmp(command->name, name) == 0)
            return action;
    qFatal("no command %s", name);
}

QMenu *CommandActions::menu(const char *name) const
{
    const auto found = m_menus.find(QString::fromLatin1(name));
    if (found == m_menus.end())
        qFatal("no menu %s", name);
    return found->second;
}

QAction *CommandActions::numbered(Group group, int index) const
{
    for (const auto &[action, command] : m_actions)
        if (command->group == group && command->index == index)
            return action;
    qFatal("no command %d in group %d", index, static_cast<int>(group));
}

std::vector<QAction *> CommandActions::group(Group group) const
{
    std::vector<QAction *> out;
    for (const auto &[action, command] : m_actions)
        if (command->group == group)
            out.push_back(action);
    return out;
}

void CommandActions::bind(QObject *context, std::initializer_list<const char *> names,
    std::function<void()> handler) const
{
    for (const char *name : names)
        QObject::connect(action(name), &QAction::triggered, context, [handler] {
            guard(handler);
        });
}

void CommandActions::applyArchiveState(ArchiveState state, const QString &format)
{
    const bool zip = format.isEmpty();
    for (const auto &[action, command] : m_actions) {
        if (command->needs == Needs::Zip || command->needs == Needs::ZipWritable) {
            // A disabled menu item shows no tooltip; the status tip reaches the status line.
            const QString why = zip || state == ArchiveState::None
                ? QString()
                : notOnZipHint(command->name, format);
            const QString own = *command->hint
                ? QCoreApplication::translate("CommandTable", command->hint)
                : QString();
            action->setToolTip(why.isEmpty() ? own : why);
            action->setStatusTip(why);
        }
        if (const std::optional<bool> on = enabledIn(command->needs, state, zip)) {
            action->setEnabled(*on);
            // A submenu's item follows its menu: the menu enables it again
            // whenever the window is enabled again (after every dialog).
            if (QMenu *submenu = action->menu<QMenu *>())
                submenu->setEnabled(*on);
        }
    }
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
