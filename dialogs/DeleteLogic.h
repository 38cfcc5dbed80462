// What the Delete dialog decides without a window: the radio buttons a
// selection gives and the specifications a run passes to the engine.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

enum class DeleteWhat { Entire, Selected, Files };

struct DeleteRadios
{
    bool selectedEnabled = false;
    DeleteWhat checked = DeleteWhat::Entire;
};

// "&Selected files" is offered and checked only when rows are selected;
// otherwise "&Entire archive" is checked.
DeleteRadios deleteRadios(size_t selectedCount);

// "*.*" for the whole archive, the selected members in row order (escaped:
// a selected name is never a pattern), or the
// typed specification unchanged. An empty typed text gives no
// specification at all, so the engine says that nothing was chosen instead
// of handing the library an empty name.
std::vector<std::string> deleteSpecs(
    DeleteWhat what, const std::vector<std::string> &selectedMembers, const std::string &typed);

// The question asked before "&Entire archive" empties an archive of that
// many members; empty when there is nothing to lose.
std::string deleteAllQuestion(size_t members, const std::string &archiveName);
