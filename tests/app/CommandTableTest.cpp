// The command table: what each command needs, and no name twice.

#include "CommandTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

// How each need maps to the archive states is applied and checked through the
// window, command by command (MainCommandsTest's enabling table); what each
// command needs is pinned here.
TEST(CommandTable, WhatEachCommandNeeds)
{
    const std::map<Needs, std::set<std::string>> expected {
        { Needs::Archive,
            { "CloseArchive2", "Properties1", "CreateShortcut1", "CopyArchive1", "FindFiles1",
                "ArrangeIcons1", "NameEncoding1", "Extract1", "View1", "CheckOut1", "MakeExeFile1",
                "SelectAll1", "InvertSelection1", "ExtractButton", "ViewButton", "CheckOutButton",
                "TestArchive1", "Comment1" } },
        { Needs::Writable,
            { "MoveArchive1", "RenameArchive1", "DeleteArchive1", "Add1", "Delete1", "Add2",
                "Delete2", "AddButton", "DeleteButton", "RenameMember1", "RenameMember2" } },
        { Needs::Output, { "ViewLastOutput2" } },
    };
    std::map<Needs, std::set<std::string>> actual;
    std::set<std::string> names;
    for (const Command &command : commandTable()) {
        if (command.kind == Kind::Separator)
            continue;
        EXPECT_TRUE(names.insert(command.name).second) << command.name << " twice";
        if (command.needs != Needs::Nothing)
            actual[command.needs].insert(command.name);
    }
    EXPECT_EQ(actual, expected);
}
