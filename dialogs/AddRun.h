// What an add from the Add dialog does, without the dialog: the option sets,
// the library calls it makes and the sizes its progress display counts.
#pragma once

#include "ZipEngine.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The dialog's choices, as the controls hold them.
struct AddChoices
{
    int action = 0; // "Add (and replace) files", "Freshen ...", "Move files", "Update ..."
    int compression = 0; // "Maximum (slowest)", "Normal", "Fast", "Super fast", "None"
    bool dosNames = false; // "Store filenames in &8.3 format"
    bool zipTime = false; // "Add Zip time"
    bool hidden = true; // "Include system and hidden files"
    bool folderInfo = false; // "&Save extra folder info"
};

struct AddSelected
{
    std::string name; // as listed in the browsed folder
    bool folder = false;
};

// One library call: the current directory it runs in (the library reads
// relative specifications from there), its options and its specifications.
struct AddPass
{
    std::string currentDir;
    AddOpts options;
    std::vector<std::string> specs;
    bool operator==(const AddPass &) const = default;
};

// The action's set before the check boxes.
AddOpts actionOptions(int action);
// The check boxes on top of the action; folder names always for folders,
// for files only with "&Save extra folder info".
AddOpts folderPassOptions(const AddChoices &choices);
AddOpts filePassOptions(const AddChoices &choices);
// "None" stores the members as they are, like "Super fast".
int compressionLevel(int item);

// One name to add: its full path (without a trailing '/') and, for a folder,
// how a call from the base folder names it.
struct AddItem
{
    std::string path;
    std::string named;
    bool folder = false;
};

// The calls that add items. Folders come first: with "&Save extra folder
// info" one call from base naming each folder, else one call per folder run
// inside it, since a single call has only one current directory. Then one
// call from base for all files, by full path. Every name is exact, never a
// pattern; empty groups make no call.
std::vector<AddPass> planAddPasses(
    const std::string &base, const std::vector<AddItem> &items, const AddChoices &choices);

// The calls for the selection of the browsed folder addFolder (ending in
// '/'): folders named relative to it.
std::vector<AddPass> addPasses(const std::string &addFolder,
    const std::vector<AddSelected> &selected, const AddChoices &choices);

// The length of a file, by opening it. Throws EngineError with the system's
// message when it cannot be opened.
int64_t fileLength(const std::string &path);
// Asked between files: true stops the work early.
using WalkStop = std::function<bool()>;
// Opens each selected file (not the folders, which the library walks), so
// that one that cannot be read stops the add with the system's message.
void checkSelectedFiles(const std::string &addFolder, const std::vector<AddSelected> &selected,
    const WalkStop &stop = {});

// A new archive is an empty file; the library writes a real one only where
// none exists. Throws EngineError when the file cannot be opened; true when
// the file was deleted.
bool deleteIfEmpty(const std::string &archive);

// Deletes a new (empty) archive before an add, as deleteIfEmpty does, and
// puts the empty file back when the add leaves no archive (it was
// cancelled or failed), so that the archive the window shows still exists.
class NewArchiveKeeper
{
public:
    explicit NewArchiveKeeper(std::string archive);
    ~NewArchiveKeeper() { restore(); }
    NewArchiveKeeper(const NewArchiveKeeper &) = delete;
    NewArchiveKeeper &operator=(const NewArchiveKeeper &) = delete;
    void restore();

private:
    std::string m_archive;
    bool m_deleted;
};
// Throws EngineError when the folder cannot be opened to add from: checked
// before a run, so that it stops while the archive is untouched.
void checkFolder(const std::string &folder);

// The log's last line after the user cancelled the last of callsMade
// library calls: that call added nothing (the library leaves the archive as
// it was), the calls before it are done.
std::string cancelledLine(size_t callsMade);

class Operations;

// Checks made before the first pass, in its library job, off the window's
// thread: what they throw ends the add. They may end early once stop()
// turns true.
using AddCheck = std::function<void(const WalkStop &stop)>;

// Runs the passes on the engine in order, each in its folder, shown by the
// window's operations (which a click on the list interrupts), and records
// each call as made in `calls`. The bar counts against the bytes each pass's
// library finds to add. A pass the user interrupted, also while its files
// were looked for, ends the run, so the folders after it are not added
// either; returns true then.
bool runAddPasses(TZipEngine &engine, Operations &operations, const std::vector<AddPass> &passes,
    const AddCheck &check, std::vector<AddPass> &calls);
