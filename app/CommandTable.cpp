#include "CommandTable.h"

#include <QCoreApplication>

#include <string_view>

namespace {

using enum Needs;
using enum Kind;

const MenuButton kMenuButtons[] = { { "FileMenu",
                                        QT_TRANSLATE_NOOP("CommandTable", "   &Files   ") },
    { "EditMenu", QT_TRANSLATE_NOOP("CommandTable", " &Edit  ") },
    { "ViewMenu", QT_TRANSLATE_NOOP("CommandTable", "&View") },
    { "ActionsMenu", QT_TRANSLATE_NOOP("CommandTable", "&Actions") },
    { "OptionsMenu", QT_TRANSLATE_NOOP("CommandTable", "&Options") },
    { "HelpMenu", QT_TRANSLATE_NOOP("CommandTable", "&Help") } };

constexpr Command separator(const char *place, const char *name = "")
{
    return { place, name, "", "", "", "", Nothing, Separator };
}

constexpr Command numbered(
    const char *place, const char *name, const char *caption, Kind kind, Group group, int index)
{
    return { place, name, caption, "", "", "", Nothing, kind, group, index };
}

const Command kCommands[] = {
    { "FileMenu", "NewArchive1", QT_TRANSLATE_NOOP("CommandTable", "&New Archive "), "Ctrl+N" },
    { "FileMenu", "OpenArchive2", QT_TRANSLATE_NOOP("CommandTable", "&Open Archive "), "Ctrl+O" },
    { "FileMenu", "FavoriteZipFolders1",
        QT_TRANSLATE_NOOP("CommandTable", "&Favorite Zip Folders..."), "Shift+F" },
    { "FileMenu", "CloseArchive2", QT_TRANSLATE_NOOP("CommandTable", "&Close Archive"), "Shift+L",
        "", "", Archive },
    separator("FileMenu"),
    { "FileMenu", "Properties1", QT_TRANSLATE_NOOP("CommandTable", "&Properties..."), "", "", "",
        Archive },
    { "FileMenu", "CreateShortcut1", QT_TRANSLATE_NOOP("CommandTable", "Create &Shortcut"), "", "",
        "", Archive },
    separator("FileMenu"),
    { "FileMenu", "MoveArchive1", QT_TRANSLATE_NOOP("CommandTable", "&Move Archive"), "F7", "", "",
        Writable },
    { "FileMenu", "CopyArchive1", QT_TRANSLATE_NOOP("CommandTable", "Cop&y Archive "), "F8", "", "",
        Archive },
    { "FileMenu", "RenameArchive1", QT_TRANSLATE_NOOP("CommandTable", "&Rename Archive"), "Shift+R",
        "", "", Writable },
    { "FileMenu", "DeleteArchive1", QT_TRANSLATE_NOOP("CommandTable", "&Delete Archive..."), "", "",
        "", Writable },
    separator("FileMenu"),
    { "FileMenu", "Exit1", QT_TRANSLATE_NOOP("CommandTable", "E&xit "), "Alt+F4" },
    separator("FileMenu", "RecentSeparator"),
    numbered("FileMenu", "Recent1", "", Action, Group::Recent, 1),
    numbered("FileMenu", "Recent2", "", Action, Group::Recent, 2),
    numbered("FileMenu", "Recent3", "", Action, Group::Recent, 3),
    numbered("FileMenu", "Recent4", "", Action, Group::Recent, 4),
    numbered("FileMenu", "Recent5", "", Action, Group::Recent, 5),

    { "EditMenu", "SelectAll1", QT_TRANSLATE_NOOP("CommandTable", "Select &All"), "Ctrl+A", "", "",
        Archive },
    { "EditMenu", "InvertSelection1", QT_TRANSLATE_NOOP("CommandTable", "&Invert Selection"), "",
        "", "", Archive },
    { "EditMenu", "FindFiles1", QT_TRANSLATE_NOOP("CommandTable", "&Find File(s) "), "F2", "", "",
        Archive },

    { "ViewMenu", "Toolbar1", QT_TRANSLATE_NOOP("CommandTable", "&Toolbar"), "", "", "", Nothing,
        Check },
    { "ViewMenu", "StatusBar1", QT_TRANSLATE_NOOP("CommandTable", "&Status Bar"), "", "", "",
        Nothing, Check },
    separator("ViewMenu"),
    { "ViewMenu", "BestFit1", QT_TRANSLATE_NOOP("CommandTable", "&Best Fit Column Widths") },
    { "ViewMenu", "DefaultColumns1", QT_TRANSLATE_NOOP("CommandTable", "Default &Columns Widths") },
    separator("ViewMenu"),
    { "ViewMenu", "AsWebPage1", QT_TRANSLATE_NOOP("CommandTable", "as &Web Page"), "", "", "",
        Nothing, Check },
    separator("ViewMenu"),
    numbered("ViewMenu", "LargeIcons1", QT_TRANSLATE_NOOP("CommandTable", "Lar&ge Icons"), Check,
        Group::ViewStyle, 0),
    numbered("ViewMenu", "SmallIcons1", QT_TRANSLATE_NOOP("CommandTable", "S&mall Icons"), Check,
        Group::ViewStyle, 1),
    numbered("ViewMenu", "List1", QT_TRANSLATE_NOOP("CommandTable", "&List"), Check,
        Group::ViewStyle, 2),
    numbered("ViewMenu", "Details1", QT_TRANSLATE_NOOP("CommandTable", "&Details"), Check,
        Group::ViewStyle, 3),
    separator("ViewMenu"),
    { "ViewMenu", "ArrangeIcons1", QT_TRANSLATE_NOOP("CommandTable", "Arrange &Icons"), "", "", "",
        Archive, Submenu },
    numbered("ArrangeIconsMenu", "byName1", QT_TRANSLATE_NOOP("CommandTable", "by &Name"), Check,
        Group::Sort, 1),
    numbered("ArrangeIconsMenu", "byPath1", QT_TRANSLATE_NOOP("CommandTable", "by Pat&h"), Check,
        Group::Sort, 2),
    numbered("ArrangeIconsMenu", "byType1", QT_TRANSLATE_NOOP("CommandTable", "by &Type"), Check,
        Group::Sort, 3),
    numbered("ArrangeIconsMenu", "bySize1", QT_TRANSLATE_NOOP("CommandTable", "by &Size"), Check,
        Group::Sort, 4),
    numbered("ArrangeIconsMenu", "byPackedSize1",
        QT_TRANSLATE_NOOP("CommandTable", "by P&acked Size"), Check, Group::Sort, 5),
    numbered("ArrangeIconsMenu", "byCompressionRatio1",
        QT_TRANSLATE_NOOP("CommandTable", "by &Compression Ratio"), Check, Group::Sort, 6),
    numbered("ArrangeIconsMenu", "byDate1", QT_TRANSLATE_NOOP("CommandTable", "by &Date"), Check,
        Group::Sort, 7),
    numbered("ArrangeIconsMenu", "byOrginalOrder1",
        QT_TRANSLATE_NOOP("CommandTable", "by &Original Order"), Check, Group::Sort, 8),
    // Its items are the code pages this system converts (NameEncodingMenu).
    { "ViewMenu", "NameEncoding1", QT_TRANSLATE_NOOP("CommandTable", "Name &Encoding"), "", "", "",
        Archive, Submenu },

    { "ActionsMenu", "Add1", QT_TRANSLATE_NOOP("CommandTable", "&Add..."), "Shift+A", "", "",
        ZipWritable },
    { "ActionsMenu", "Delete1", QT_TRANSLATE_NOOP("CommandTable", "&Delete..."), "Shift+D", "", "",
        ZipWritable },
    { "ActionsMenu", "Extract1", QT_TRANSLATE_NOOP("CommandTable", "&Extract..."), "Shift+E", "",
        "", Archive },
    { "ActionsMenu", "View1", QT_TRANSLATE_NOOP("CommandTable", "&View..."), "Shift+V", "", "",
        Archive },
    { "ActionsMenu", "TestArchive1", QT_TRANSLATE_NOOP("CommandTable", "&Test Archive"), "Shift+T",
        "", "", Archive },
    { "ActionsMenu", "RenameMember1", QT_TRANSLATE_NOOP("CommandTable", "&Rename Member..."), "F2",
        "", "", ZipWritable },
    { "ActionsMenu", "Comment1", QT_TRANSLATE_NOOP("CommandTable", "Co&mment..."), "", "", "",
        Zip },
    separator("ActionsMenu"),
    { "ActionsMenu", "CheckOut1", QT_TRANSLATE_NOOP("CommandTable", "&CheckOut"), "Shift+C", "", "",
        Archive },
    { "ActionsMenu", "MakeExeFile1", QT_TRANSLATE_NOOP("CommandTable", "Ma&ke .EXE File"),
        "Shift+K", "", "", Zip },

    { "OptionsMenu", "Configuration1", QT_TRANSLATE_NOOP("CommandTable", "&Configuration") },
    separator("OptionsMenu"),
    { "OptionsMenu", "ViewLastOutput2", QT_TRANSLATE_NOOP("CommandTable", "Vie&w Last Output..."),
        "", "", "", Output },

    { "HelpMenu", "Contents1", QT_TRANSLATE_NOOP("CommandTable", "&Contents"), "F1" },
    { "HelpMenu", "BriefTutorial1", QT_TRANSLATE_NOOP("CommandTable", "&Brief Tutorial") },
    { "HelpMenu", "TipOfTheDay1", QT_TRANSLATE_NOOP("CommandTable", "&Tip of the Day") },
    separator("HelpMenu"),
    { "HelpMenu", "FrequentlyAskedQuestions1",
        QT_TRANSLATE_NOOP("CommandTable", "&Frequently Asked Questions") },
    separator("HelpMenu"),
    { "HelpMenu", "HomePage1", QT_TRANSLATE_NOOP("CommandTable", "Ambermox's &Home Page") },
    { "HelpMenu", "AboutAmbermox1", QT_TRANSLATE_NOOP("CommandTable", "&About Ambermox...") },

    // The list's pop-up over selected rows; its first item is the default.
    { "FilePopUp", "Open1", QT_TRANSLATE_NOOP("CommandTable", "&Open") },
    { "FilePopUp", "Add2", QT_TRANSLATE_NOOP("CommandTable", "&Add..."), "", "", "", ZipWritable },
    { "FilePopUp", "Delete2", QT_TRANSLATE_NOOP("CommandTable", "&Delete..."), "", "", "",
        ZipWritable },
    { "FilePopUp", "Extract2", QT_TRANSLATE_NOOP("CommandTable", "&Extract...") },
    { "FilePopUp", "View2", QT_TRANSLATE_NOOP("CommandTable", "&View...") },
    { "FilePopUp", "TestArchive2", QT_TRANSLATE_NOOP("CommandTable", "&Test Archive") },
    { "FilePopUp", "RenameMember2", QT_TRANSLATE_NOOP("CommandTable", "&Rename Member..."), "", "",
        "", ZipWritable },
    separator("FilePopUp"),
    { "FilePopUp", "SelectAll2", QT_TRANSLATE_NOOP("CommandTable", "&Select All") },
    { "FilePopUp", "InvertSelection2", QT_TRANSLATE_NOOP("CommandTable", "Invert Selection") },
    separator("FilePopUp"),
    { "FilePopUp", "FileProperties1", QT_TRANSLATE_NOOP("CommandTable", "File &Properties") },

    // The list's pop-up when nothing is selected.
    numbered("SortPopUp", "SortbyName1", QT_TRANSLATE_NOOP("CommandTable", "Sort by &Name"), Check,
        Group::SortPopUp, 1),
    numbered("SortPopUp", "SortbyPath1", QT_TRANSLATE_NOOP("CommandTable", "Sort by Pat&h"), Check,
        Group::SortPopUp, 2),
    numbered("SortPopUp", "SortbyType1", QT_TRANSLATE_NOOP("CommandTable", "Sort by &Type"), Check,
        Group::SortPopUp, 3),
    numbered("SortPopUp", "SortbySize1", QT_TRANSLATE_NOOP("CommandTable", "Sort by &Size"), Check,
        Group::SortPopUp, 4),
    numbered("SortPopUp", "SortbyPackedSize1",
        QT_TRANSLATE_NOOP("CommandTable", "Sort by P&acked Size"), Check, Group::SortPopUp, 5),
    numbered("SortPopUp", "SortbyCompressionRatio1",
        QT_TRANSLATE_NOOP("CommandTable", "Sort by &Compression Ratio"), Check, Group::SortPopUp,
        6),
    numbered("SortPopUp", "SortbyDate1", QT_TRANSLATE_NOOP("CommandTable", "Sort by &Date"), Check,
        Group::SortPopUp, 7),
    numbered("SortPopUp", "SortbyOrginalOrder1",
        QT_TRANSLATE_NOOP("CommandTable", "Sort by &Original Order"), Check, Group::SortPopUp, 8),
    separator("SortPopUp"),
    { "SortPopUp", "Properties2", QT_TRANSLATE_NOOP("CommandTable", "&Properties...") },

    // The toolbars' pop-up.
    numbered("ToolBarPopUp", "FlatButtons1", QT_TRANSLATE_NOOP("CommandTable", "Flat Buttons"),
        Checked, Group::Option, 0),
    numbered("ToolBarPopUp", "ShowText1", QT_TRANSLATE_NOOP("CommandTable", "Show Text"), Checked,
        Group::Option, 1),
    numbered("ToolBarPopUp", "ShowToolTips1", QT_TRANSLATE_NOOP("CommandTable", "Show Tool Tips"),
        Checked, Group::Option, 2),

    // The recent archives under the Open button's arrow.
    numbered("TopMenu", "TopItem1", "", Action, Group::TopItem, 1),
    numbered("TopMenu", "TopItem2", "", Action, Group::TopItem, 2),
    numbered("TopMenu", "TopItem3", "", Action, Group::TopItem, 3),
    numbered("TopMenu", "TopItem4", "", Action, Group::TopItem, 4),
    numbered("TopMenu", "TopItem5", "", Action, Group::TopItem, 5),

    { "ToolBar2", "NewButton", QT_TRANSLATE_NOOP("CommandTable", "New"), "", "document-new",
        QT_TRANSLATE_NOOP("CommandTable", "Create a new archive") },
    { "ToolBar2", "OpenButton", QT_TRANSLATE_NOOP("CommandTable", "Open"), "", "document-open",
        QT_TRANSLATE_NOOP("CommandTable", "Open an existing archive") },
    { "ToolBar2", "FavoritesButton", QT_TRANSLATE_NOOP("CommandTable", "Favorites"), "", "starred",
        QT_TRANSLATE_NOOP("CommandTable", "List archives in your Favorite Zip Folders") },
    separator("ToolBar2"),
    { "ToolBar2", "AddButton", QT_TRANSLATE_NOOP("CommandTable", "Add"), "", "list-add",
        QT_TRANSLATE_NOOP("CommandTable", "Add files to the archive"), ZipWritable },
    { "ToolBar2", "ExtractButton", QT_TRANSLATE_NOOP("CommandTable", "Extract"), "",
        "document-save", QT_TRANSLATE_NOOP("CommandTable", "Extract files from the archive"),
        Archive },
    { "ToolBar2", "DeleteButton", QT_TRANSLATE_NOOP("CommandTable", "Delete"), "", "edit-delete",
        QT_TRANSLATE_NOOP("CommandTable", "Delete selected file(s)"), ZipWritable },
    { "ToolBar2", "ViewButton", QT_TRANSLATE_NOOP("CommandTable", "View"), "", "edit-find",
        QT_TRANSLATE_NOOP("CommandTable", "View files inside the archive"), Archive },
    separator("ToolBar2"),
    { "ToolBar2", "CheckOutButton", QT_TRANSLATE_NOOP("CommandTable", "CheckOut"), "",
        "emblem-default",
        QT_TRANSLATE_NOOP("CommandTable", "Create icons for files in the archive"), Archive },
};

} // namespace

std::optional<bool> enabledIn(Needs needs, ArchiveState state, bool zip)
{
    switch (needs) {
    case Nothing:
        return std::nullopt;
    case Archive:
        return state != ArchiveState::None;
    case Writable:
        return state == ArchiveState::Writable;
    case ZipWritable:
        return zip && state == ArchiveState::Writable;
    case Zip:
        return zip && state != ArchiveState::None;
    case Output:
        if (state == ArchiveState::None)
            return false;
        return std::nullopt;
    }
    return std::nullopt;
}

QString notOnZipHint(const char *name, const QString &format)
{
    // By the command's own name without its number: "Add1", "Add2" and "AddButton" alike.
    static const std::pair<const char *, const char *> kHints[] = {
        { "Add",
            QT_TRANSLATE_NOOP(
                "CommandTable", "Adding works on ZIP archives only; this is a %1 archive") },
        { "Delete",
            QT_TRANSLATE_NOOP(
                "CommandTable", "Deleting works on ZIP archives only; this is a %1 archive") },
        { "RenameMember",
            QT_TRANSLATE_NOOP("CommandTable",
                "Renaming members works on ZIP archives only; this is a %1 archive") },
        { "Comment",
            QT_TRANSLATE_NOOP(
                "CommandTable", "Comments belong to ZIP archives only; this is a %1 archive") },
        { "MakeExeFile",
            QT_TRANSLATE_NOOP("CommandTable",
                "Self-extractors are made of ZIP archives only; this is a %1 archive") },
    };
    const std::string_view command(name);
    for (const auto &[prefix, hint] : kHints) {
        const std::string_view start(prefix);
        if (!command.starts_with(start) || command.size() == start.size())
            continue;
        const std::string_view rest = command.substr(start.size());
        if ((rest[0] >= '0' && rest[0] <= '9') || rest == "Button")
            return QCoreApplication::translate("CommandTable", hint).arg(format);
    }
    return {};
}

std::span<const MenuButton> menuButtons()
{
    return kMenuButtons;
}

std::span<const Command> commandTable()
{
    return kCommands;
}
