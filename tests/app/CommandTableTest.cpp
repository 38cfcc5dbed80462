// The command table: which archive states enable each command.

#include "app/CommandTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

TEST(CommandTable, EnablingPerArchiveState)
{
    using S = ArchiveState;
    struct Row
    {
        Needs needs;
        std::optional<bool> none, readOnly, writable;
    };
    const Row rows[] = {
        { Needs::Nothing, std::nullopt, std::nullopt, std::nullopt },
        { Needs::Archive, false, true, true },
        { Needs::Writable, false, false, true },
        // Only an operation enables its output; closing the archive drops it.
        { Needs::Output, false, std::nullopt, std::nullopt },
    };
    for (const Row &row : rows) {
        EXPECT_EQ(enabledIn(row.needs, S::None), row.none);
        EXPECT_EQ(enabledIn(row.needs, S::ReadOnly), row.readOnly);
        EXPECT_EQ(enabledIn(row.needs, S::Writable), row.writable);
    }
}

TEST(CommandTable, WhatEachCommandNeeds)
{
    const std::map<Needs, std::set<std::string>> expected {
        { Needs::Archive,
            { "CloseArchive2", "Properties1", "CreateShortcut1", "CopyArchive1", "FindFiles1",
                "ArrangeIcons1", "Extract1", "View1", "CheckOut1", "MakeExeFile1", "SelectAll1",
                "InvertSelection1", "ExtractButton", "ViewButton", "CheckOutButton",
                "TestArchive1" } },
        { Needs::Writable,
            { "MoveArchive1", "RenameArchive1", "DeleteArchive1", "Add1", "Delete1", "Add2",
                "Delete2", "AddButton", "DeleteButton" } },
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
