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
                "ArrangeIcons1", "NameEncoding1", "Extract1", "View1", "CheckOut1", "SelectAll1",
                "InvertSelection1", "ExtractButton", "ViewButton", "CheckOutButton",
                "TestArchive1" } },
        { Needs::Writable, { "MoveArchive1", "RenameArchive1", "DeleteArchive1" } },
        { Needs::ZipWritable,
            { "Add1", "Delete1", "Add2", "Delete2", "AddButton", "DeleteButton", "RenameMember1",
                "RenameMember2" } },
        { Needs::Zip, { "MakeExeFile1", "Comment1" } },
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

// Every command that is off on an archive of another format says why.
TEST(CommandTable, ZipOnlyCommandsHaveHints)
{
    for (const Command &command : commandTable()) {
        const bool zipOnly = command.needs == Needs::Zip || command.needs == Needs::ZipWritable;
        const QString hint = notOnZipHint(command.name, QStringLiteral("tar.xz"));
        EXPECT_EQ(zipOnly, hint.contains(QLatin1String("this is a tar.xz archive")))
            << command.name << ": " << hint.toStdString();
    }
}
