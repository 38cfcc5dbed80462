// The file manager's verbs on archives and folders: "Extract Here" (-e),
// "Extract to subfolder" (-es) and "Save to ZIP" (-ad). Each runs one library
// operation without the main window and ends the process.
#pragma once

#include <optional>
#include <string>

enum class ShellVerb { ExtractHere, ExtractToSubfolder, SaveToZip };

// The verb a command-line switch names (exactly, case-sensitively), if any.
std::optional<ShellVerb> shellVerb(const char *option);

// The folder "Extract to subfolder" extracts into: the archive's name without
// its extension when it ends in a dot and three more characters, else the
// whole name followed by "_files"; beside the archive.
std::string subfolderFor(const std::string &archive);

// The archive "Save to ZIP" writes: the folder's path followed by ".zip".
std::string archiveForFolder(const std::string &folder);

// Runs the verb on path (needs the application object). Failures are told
// once in a notice. Returns the process exit status: 0 on success, 1 when
// the operation failed, 2 when path names no usable archive or folder.
int runShellVerb(ShellVerb verb, const std::string &path);

// Whether the environment names a display or a Qt platform to show windows on.
bool displayGiven();

// Before the application object exists: with no display to show windows on,
// the verbs run on the offscreen platform, so they work from scripts and ssh.
void useOffscreenWithoutDisplay();
