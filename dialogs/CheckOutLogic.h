// What the check-out decides without a window: the folder and group it
// proposes, which members get an entry in the program group, the entries'
// file names, and the desktop entries themselves.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The archive's file name without folder, up to its last '.'; "archive" when
// that leaves nothing but dots (".zip", "..zip"), so that neither the folder
// nor the group proposed is the home or applications folder itself.
std::string archiveBaseName(const std::string &archive);

// Why the "&Folder:" text cannot be checked out into, or empty.
std::string checkOutFolderProblem(const std::string &folder);

// Why the "&Group name:" text cannot name a program group, or empty: the
// group is a folder of its own below the applications folder.
std::string groupNameProblem(const std::string &group);

// Where the extraction library writes a member, relative to the folder:
// backslashes separate folders; a drive prefix, leading slashes, "." and ".."
// parts are dropped.
std::string extractedPath(const std::string &member);

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
    std::string stem; // the entry's file name without ".desktop"
    std::string target; // the extracted file
    std::string description; // the member's name
};

enum class TargetKind { Missing, Plain, Executable };

// One entry per member (given as Path + Name) that the extraction wrote, in
// list order. An entry is named after the member's name, without leading
// dots, up to its first '.'; a name taken earlier in the same group gets the
// rest of the name, then a number, so that no entry replaces another.
// maxIcons 0 means no limit.
std::vector<GroupEntry> groupEntries(const std::vector<std::string> &members,
    const std::string &folder, bool onlyProgramsAndDocuments, int maxIcons,
    const std::function<TargetKind(const std::string &target)> &kindOf);

// A freedesktop link entry opening the target, marked as the check-out's.
std::string desktopEntryText(const GroupEntry &entry, const std::string &icon);

// Creates the group folder below the applications folder, or reuses it and
// removes the entries an earlier check-out wrote there, then writes every
// entry. A file of the user's is never replaced (the entry takes a free
// name) and no symbolic link is followed below the applications folder.
// Throws EngineError with the user's text when the group cannot be made;
// returns a line for each entry that could not be written.
std::vector<std::string> writeProgramGroup(const std::string &applications,
    const std::string &group, const std::vector<GroupEntry> &entries,
    const std::function<std::string(const std::string &target)> &iconFor);
