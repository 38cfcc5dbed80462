// What the Extract dialog decides without a window: which radio button a
// selection gives, the file specifications and the byte total of a run, the
// folder a run extracts into, the extraction-folder history, and the
// folders a locate walks through.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One row of the main list as the dialog sees it.
struct ExtractRow
{
    std::string member; // name in the archive: Path followed by Name
    uint64_t size = 0;
    bool selected = false;
};

enum class ExtractWhat { Selected, All, Files };

struct RadioState
{
    bool selectedEnabled = false;
    ExtractWhat checked = ExtractWhat::All;
};

using ExtractHistory = std::array<std::string, 5>;

// "&Selected files" is offered and checked only when rows are selected.
RadioState initialRadios(size_t selectedCount);

// The engine's specifications: the selected members in row order (escaped,
// so that a selected name is never a pattern), "*.*", or the typed text
// unchanged (possibly empty).
std::vector<std::string> extractSpecs(
    ExtractWhat what, const std::vector<ExtractRow> &rows, const std::string &files);

// Bytes the progress display counts: the selected rows for a selection,
// otherwise every row of the list.
int64_t extractTotal(ExtractWhat what, const std::vector<ExtractRow> &rows);

std::string withoutLeadingBlanks(const std::string &text);

bool isExistingFolder(const std::string &path);

// The destination check that enables "&Extract": the text without leading
// blanks names an existing folder.
bool destinationValid(const std::string &text);

// The folder a run extracts into and stores in the history: leading blanks
// gone, trailing '/' gone unless it is the root, letter case kept. A
// relative folder is made absolute, because the engine changes the current
// folder and the history would later point elsewhere.
std::string runFolder(const std::string &text, const std::string &currentFolder);

// Gaps closed, then folder moved or pushed to the front (the oldest lost).
void updateExtractHistory(ExtractHistory &history, const std::string &folder);

// The typed folder when it exists, otherwise its nearest existing parent;
// empty when no part of it exists.
std::string nearestExistingFolder(const std::string &typed);

// The folders a locate expands on its way to target, outermost first and
// ending with target itself: "/a/b" gives "/", "/a", "/a/b".
std::vector<std::string> locateSteps(const std::string &target);

// An absolute, lexically clean form of a typed folder for the tree, which
// knows only absolute folders without a trailing '/'.
std::string treeFolder(const std::string &typed, const std::string &currentFolder);
