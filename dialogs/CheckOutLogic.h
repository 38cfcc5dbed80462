// What the check-out decides without a window: the folder and group it
// proposes, which members get an entry in the program group, the entries'
// file names, and the desktop entries themselves.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The archive's file name without folder, up to its last '.'.
std::string archiveBaseName(const std::string &archive);

// base inside the archive's volume root, or inside home when the archive is
// read-only or the root cannot be written (where "c:\" served before).
std::string proposedCheckOutFolder(
    const std::string &base, const std::string &volumeRoot, bool useHome, const std::string &home);

// Programs and documents: the known extensions (compared lowered) and
// anything with an execute bit.
bool isProgramOrDocument(const std::string &name, bool executable);

// "&Maximum icons:": empty counts as 0 (no limit); none for a text that is
// not a non-negative integer.
std::optional<int> parseMaxIcons(const std::string &text);

struct GroupEntry
{
    std::string fileName; // inside the group folder
    std::string target; // the extracted file
    std::string description; // the member's name
};

// One entry per member (given as Path + Name), in list order. An entry is
// named after the member's name up to its first '.'; a name taken earlier in
// the same group gets the rest of the name, then a number, so that no entry
// replaces another. maxIcons 0 means no limit.
std::vector<GroupEntry> groupEntries(const std::vector<std::string> &members,
    const std::string &folder, bool onlyProgramsAndDocuments, int maxIcons,
    const std::function<bool(const std::string &target)> &isExecutable);

// A freedesktop link entry opening the target.
std::string desktopEntryText(const GroupEntry &entry, const std::string &icon);

// Creates the group folder, or reuses it and removes the entries an earlier
// check-out wrote there, then writes every entry. Throws EngineError with
// the user's text when the folder or an entry cannot be written.
void writeProgramGroup(const std::string &group, const std::vector<GroupEntry> &entries,
    const std::function<std::string(const std::string &target)> &iconFor);
