#pragma once

#include <cstdio>
#include <string>

// "ambermox -l ARCHIVE": prints the rows of the list, one per line, fields
// separated by tabs (Name, Modified, Size, Ratio, Packed, Path), in the given
// sort order. Returns the process exit code.
int runListVerb(const std::string &archive, int sortOrder, std::FILE *out, std::FILE *err);

// The list's sort order as stored by the last session (1 when none is stored).
int storedSortOrder();
