#include "CommandTable.h"

namespace {

using enum Needs;
using enum Kind;

const MenuButton kMenuButtons[] = { { "FileMenu", "   &Files   " }, { "EditMenu", " &Edit  " },
    { "ViewMenu", "&View" }, { "ActionsMenu", "&Actions" }, { "OptionsMenu", "&Options" },
    { "HelpMenu", "&Help" } };

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
    { "FileMenu", "NewArchive1", "&New Archive ", "Ctrl+N" },
    { "FileMenu", "OpenArchive2", "&Open Archive ", "Ctrl+O" },
    { "FileMenu", "FavoriteZipFolders1", "&Favorite Zip Folders...", "Shift+F" },
    { "FileMenu", "CloseArchive2", "&Close Archive", "Shift+L", "", "", Archive },
    separator("FileMenu"),
    { "FileMenu", "Properties1", "&Properties...", "", "", "", Archive },
    { "FileMenu", "CreateShortcut1", "Create &Shortcut", "", "", "", Archive },
    separator("FileMenu"),
    { "FileMenu", "MoveArchive1", "&Move Archive", "F7", "", "", Writable },
    { "FileMenu", "CopyArchive1", "Cop&y Archive ", "F8", "", "", Archive },
    { "FileMenu", "RenameArchive1", "&Rename Archive", "Shift+R", "", "", Writable },
    { "FileMenu", "DeleteArchive1", "&Delete Archive...", "", "", "", Writable },
    separator("FileMenu"),
    { "FileMenu", "Exit1", "E&xit ", "Alt+F4" },
    separator("FileMenu", "RecentSeparator"),
    numbered("FileMenu", "Recent1", "", Action, Group::Recent, 1),
    numbered("FileMenu", "Recent2", "", Action, Group::Recent, 2),
    numbered("FileMenu", "Recent3", "", Action, Group::Recent, 3),
    numbered("FileMenu", "Recent4", "", Action, Group::Recent, 4),
    numbered("FileMenu", "Recent5", "", Action, Group::Recent, 5),

    { "EditMenu", "SelectAll1", "Select &All", "Ctrl+A", "", "", Archive },
    { "EditMenu", "InvertSelection1", "&Invert Selection", "", "", "", Archive },
    { "EditMenu", "FindFiles1", "&Find File(s) ", "F2", "", "", Archive },

    { "ViewMenu", "Toolbar1", "&Toolbar", "", "", "", Nothing, Check },
    { "ViewMenu", "StatusBar1", "&Status Bar", "", "", "", Nothing, Check },
    separator("ViewMenu"),
    { "ViewMenu", "BestFit1", "&Best Fit Column Widths" },
    { "ViewMenu", "DefaultColumns1", "Default &Columns Widths" },
    separator("ViewMenu"),
    { "ViewMenu", "AsWebPage1", "as &Web Page", "", "", "", Nothing, Check },
    separator("ViewMenu"),
    numbered("ViewMenu", "LargeIcons1", "Lar&ge Icons", Check, Group::ViewStyle, 0),
    numbered("ViewMenu", "SmallIcons1", "S&mall Icons", Check, Group::ViewStyle, 1),
    numbered("ViewMenu", "List1", "&List", Check, Group::ViewStyle, 2),
    numbered("ViewMenu", "Details1", "&Details", Check, Group::ViewStyle, 3),
    separator("ViewMenu"),
    { "ViewMenu", "ArrangeIcons1", "Arrange &Icons", "", "", "", Archive, Submenu },
    numbered("ArrangeIconsMenu", "byName1", "by &Name", Check, Group::Sort, 1),
    numbered("ArrangeIconsMenu", "byPath1", "by Pat&h", Check, Group::Sort, 2),
    numbered("ArrangeIconsMenu", "byType1", "by &Type", Check, Group::Sort, 3),
    numbered("ArrangeIconsMenu", "bySize1", "by &Size", Check, Group::Sort, 4),
    numbered("ArrangeIconsMenu", "byPackedSize1", "by P&acked Size", Check, Group::Sort, 5),
    numbered(
        "ArrangeIconsMenu", "byCompressionRatio1", "by &Compression Ratio", Check, Group::Sort, 6),
    numbered("ArrangeIconsMenu", "byDate1", "by &Date", Check, Group::Sort, 7),
    numbered("ArrangeIconsMenu", "byOrginalOrder1", "by &Original Order", Check, Group::Sort, 8),

    { "ActionsMenu", "Add1", "&Add...", "Shift+A", "", "", Writable },
    { "ActionsMenu", "Delete1", "&Delete...", "Shift+D", "", "", Writable },
    { "ActionsMenu", "Extract1", "&Extract...", "Shift+E", "", "", Archive },
    { "ActionsMenu", "View1", "&View...", "Shift+V", "", "", Archive },
    { "ActionsMenu", "TestArchive1", "&Test Archive", "Shift+T", "", "", Archive },
    separator("ActionsMenu"),
    { "ActionsMenu", "CheckOut1", "&CheckOut", "Shift+C", "", "", Archive },
    { "ActionsMenu", "MakeExeFile1", "Ma&ke .EXE File", "Shift+K", "", "", Archive },

    { "OptionsMenu", "Configuration1", "&Configuration" },
    separator("OptionsMenu"),
    { "OptionsMenu", "ViewLastOutput2", "Vie&w Last Output...", "", "", "", Output },

    { "HelpMenu", "Contents1", "&Contents", "F1" },
    { "HelpMenu", "BriefTutorial1", "&Brief Tutorial" },
    { "HelpMenu", "TipOfTheDay1", "&Tip of the Day" },
    separator("HelpMenu"),
    { "HelpMenu", "FrequentlyAskedQuestions1", "&Frequently Asked Questions" },
    separator("HelpMenu"),
    { "HelpMenu", "HomePage1", "Ambermox's &Home Page" },
    { "HelpMenu", "AboutAmbermox1", "&About Ambermox..." },

    // The list's pop-up over selected rows; its first item is the default.
    { "FilePopUp", "Open1", "&Open" },
    { "FilePopUp", "Add2", "&Add...", "", "", "", Writable },
    { "FilePopUp", "Delete2", "&Delete...", "", "", "", Writable },
    { "FilePopUp", "Extract2", "&Extract..." },
    { "FilePopUp", "View2", "&View..." },
    { "FilePopUp", "TestArchive2", "&Test Archive" },
    separator("FilePopUp"),
    { "FilePopUp", "SelectAll2", "&Select All" },
    { "FilePopUp", "InvertSelection2", "Invert Selection" },
    separator("FilePopUp"),
    { "FilePopUp", "FileProperties1", "File &Properties" },

    // The list's pop-up when nothing is selected.
    numbered("SortPopUp", "SortbyName1", "Sort by &Name", Check, Group::SortPopUp, 1),
    numbered("SortPopUp", "SortbyPath1", "Sort by Pat&h", Check, Group::SortPopUp, 2),
    numbered("SortPopUp", "SortbyType1", "Sort by &Type", Check, Group::SortPopUp, 3),
    numbered("SortPopUp", "SortbySize1", "Sort by &Size", Check, Group::SortPopUp, 4),
    numbered("SortPopUp", "SortbyPackedSize1", "Sort by P&acked Size", Check, Group::SortPopUp, 5),
    numbered("SortPopUp", "SortbyCompressionRatio1", "Sort by &Compression Ratio", Check,
        Group::SortPopUp, 6),
    numbered("SortPopUp", "SortbyDate1", "Sort by &Date", Check, Group::SortPopUp, 7),
    numbered(
        "SortPopUp", "SortbyOrginalOrder1", "Sort by &Original Order", Check, Group::SortPopUp, 8),
    separator("SortPopUp"),
    { "SortPopUp", "Properties2", "&Properties..." },

    // The toolbars' pop-up.
    numbered("ToolBarPopUp", "FlatButtons1", "Flat Buttons", Checked, Group::Option, 0),
    numbered("ToolBarPopUp", "ShowText1", "Show Text", Checked, Group::Option, 1),
    numbered("ToolBarPopUp", "ShowToolTips1", "Show Tool Tips", Checked, Group::Option, 2),

    // The recent archives under the Open button's arrow.
    numbered("TopMenu", "TopItem1", "", Action, Group::TopItem, 1),
    numbered("TopMenu", "TopItem2", "", Action, Group::TopItem, 2),
    numbered("TopMenu", "TopItem3", "", Action, Group::TopItem, 3),
    numbered("TopMenu", "TopItem4", "", Action, Group::TopItem, 4),
    numbered("TopMenu", "TopItem5", "", Action, Group::TopItem, 5),

    { "ToolBar2", "NewButton", "New", "", "document-new", "Create a new archive" },
    { "ToolBar2", "OpenButton", "Open", "", "document-open", "Open an existing archive" },
    { "ToolBar2", "FavoritesButton", "Favorites", "", "starred",
        "List archives in your Favorite Zip Folders" },
    separator("ToolBar2"),
    { "ToolBar2", "AddButton", "Add", "", "list-add", "Add files to the archive", Writable },
    { "ToolBar2", "ExtractButton", "Extract", "", "document-save", "Extract files from the archive",
        Archive },
    { "ToolBar2", "DeleteButton", "Delete", "", "edit-delete", "Delete selected file(s)",
        Writable },
    { "ToolBar2", "ViewButton", "View", "", "edit-find", "View files inside the archive", Archive },
    separator("ToolBar2"),
    { "ToolBar2", "CheckOutButton", "CheckOut", "", "emblem-default",
        "Create icons for files in the archive", Archive },
};

} // namespace

std::optional<bool> enabledIn(Needs needs, ArchiveState state)
{
    switch (needs) {
    case Nothing:
        return std::nullopt;
    case Archive:
        return state != ArchiveState::None;
    case Writable:
        return state == ArchiveState::Writable;
    case Output:
        if (state == ArchiveState::None)
            return false;
        return std::nullopt;
    }
    return std::nullopt;
}

std::span<const MenuButton> menuButtons()
{
    return kMenuButtons;
}

std::span<const Command> commandTable()
{
    return kCommands;
}
