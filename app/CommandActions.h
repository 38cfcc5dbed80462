// The command table made into actions: the menu buttons of a menu bar, the
// pop-ups, the submenus and the buttons of a toolbar, all owned by the window.
#pragma once

#include "CommandTable.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <map>
#include <vector>

class QAction;
class QObject;
class QWidget;
class QMainWindow;
class QMenu;
class QToolBar;

// The width of the menu bar's spacer: what the menu buttons and the
// animated picture leave of the bar, so the picture sits at its right end.
int commandBarSpacerWidth(const QToolBar *bar, const QWidget *spacer);

class CommandActions
{
public:
    // Menu buttons go on menuBar, toolbar commands on buttonBar; the window
    // owns the shortcuts, since the menus drop down from toolbar buttons.
    CommandActions(QMainWindow &window, QToolBar &menuBar, QToolBar &buttonBar);

    // The command or menu of that object name; a missing one ends the program.
    QAction *action(const char *name) const;
    QMenu *menu(const char *name) const;
    // A command of a numbered group by its number.
    QAction *numbered(Group group, int index) const;
    std::vector<QAction *> group(Group group) const;
    const std::vector<QAction *> &buttons() const { return m_buttons; }
    const std::vector<std::pair<QAction *, const Command *>> &all() const { return m_actions; }

    // Runs handler, guarded, when any of the named commands is triggered;
    // the connection ends with context.
    void bind(QObject *context, std::initializer_list<const char *> names,
        std::function<void()> handler) const;

    // Enables and disables every command as the archive state asks. An
    // archive of another format than ZIP (format: its short name, "tar.xz";
    // empty for ZIP) turns off what writes it, with hints that say why.
    void applyArchiveState(ArchiveState state, const QString &format = {});

private:
    std::map<QString, QMenu *> m_menus;
    std::vector<std::pair<QAction *, const Command *>> m_actions;
    std::vector<QAction *> m_buttons;
};
