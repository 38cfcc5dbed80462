#pragma once

#include "FileRows.h"

#include <cstdio>
#include <string>
#include <string_view>

// "ambermox -l ARCHIVE": prints the rows of the list, one per line, fields
// separated by tabs (Name, Modified, Size, Ratio, Packed, Path), in the given
// sort order, names escaped (escapeListText). Returns the process exit code:
// 0, 1 for an error, 2 for a missing archive or one that is not a regular
// file, 3 when the archive's directory disagrees with its members or is
// damaged (after listing). dateText writes the Modified column.
int runListVerb(const std::string &archive, int sortOrder, const FileRows::DateText &dateText,
    std::FILE *out, std::FILE *err);

// The list's sort order as stored by the last session in the settings file
// (1 when none is stored or it is not a number).
int storedSortOrder();

// A name made safe for one line of a terminal: a backslash as "\\", tab,
// newline and carriage return as "\t", "\n", "\r", other control bytes and
// bytes that are not UTF-8 as "\xHH"; C1 controls, line and paragraph
// separators and the bidirectional embeddings, overrides and isolates as
// "\u{XXXX}".
std::string escapeListText(std::string_view utf8);
