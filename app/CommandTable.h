// The main window's commands as one table: where each appears, its object
// name, caption, shortcut, icon, hint, and the states that enable it. The
// window builds its menus, pop-ups and toolbar buttons from it.
#pragma once

#include <QString>

#include <optional>
#include <span>

// What a command needs before it can run.
enum class Needs {
    Nothing, // always enabled
    Archive, // an open archive
    Writable, // an open archive we may change
    ZipWritable, // an open ZIP archive we may change: its members are written
    Zip, // an open ZIP archive: the command knows ZIP only
    Output, // an operation's output: an operation enables it, closing disables it
};

enum class ArchiveState { None, ReadOnly, Writable };

// The enabled state a command takes when the archive state becomes state;
// none when that change leaves it as it is. zip: the open archive is a ZIP
// archive, not one of the formats that are only read.
std::optional<bool> enabledIn(Needs needs, ArchiveState state, bool zip = true);

// Why a command that needs a ZIP archive is off on another format, naming it
// ("tar.xz"); empty for commands that work on every format.
QString notOnZipHint(const char *name, const QString &format);

enum class Kind {
    Action,
    Check, // checkable, starts unchecked
    Checked, // checkable, starts checked
    Separator,
    Submenu, // a menu of its own: "ArrangeIcons1" opens "ArrangeIconsMenu"
};

// Commands that come in numbered rows: the row's number is Command::index.
enum class Group { None, Recent, TopItem, ViewStyle, Sort, SortPopUp, Option };

struct Command
{
    const char *place; // the menu's, pop-up's or toolbar's object name
    const char *name; // the action's object name; may be empty for separators
    const char *caption = "";
    const char *shortcut = ""; // portable text: "Ctrl+N"
    const char *icon = ""; // theme icon name
    const char *hint = ""; // tooltip
    Needs needs = Needs::Nothing;
    Kind kind = Kind::Action;
    Group group = Group::None;
    int index = 0;
};

// The menu buttons of the first toolbar, left to right.
struct MenuButton
{
    const char *name;
    const char *caption;
};
std::span<const MenuButton> menuButtons();

// Every command in the order it appears in its place.
std::span<const Command> commandTable();
