#pragma once

#include "FileRows.h"

#include <cstdio>
#include <string>
#include <string_view>

// "ambermox -l ARCHIVE": prints the rows of the list, one per line, fields
// separated by tabs (Name, Modified, Size, Ratio, Packed, Path), in the given
// sort order, names escaped (escapeListText). Returns the process exit code:
// 0; 1 when the list could not be written; 2 when the archive is missing,
// is no regular file, cannot be read or is no archive at all; 3 when the
// archive's directory disagrees with its members or is damaged (after
// listing). dateText writes the Modified column.
int runListVerb(const std::string &archive, int sortOrder, const FileRows::DateText &dateText,
    std::FILE *out, std::FILE *err);

// "-l ARCHIVE [--charset NAME] [--verbose]": the code page of the names not
// marked UTF-8 ("" detects it); --verbose tells on err which one they were
// read in.
struct ListArgs
{
    std::string archive;
    std::string codePage;
    bool verbose = false;
};
// Reads the words after "-l"; false with why when they make no sense.
bool parseListArgs(int argc, char **argv, ListArgs &args, std::string &why);
int runListVerb(const ListArgs &args, int sortOrder, const FileRows::DateText &dateText,
    std::FILE *out, std::FILE *err);
extern const char *const kListUsage;

// The value of --charset as the engine takes it: "" for automatic; false
// with why when iconv knows no such code page.
bool readCharset(const std::string &value, std::string &codePage, std::string &why);
// "ambermox -l ARCHIVE --comment": prints the archive comment, each of its
// lines escaped as names are (nothing when there is none). Exit status as
// runListVerb's, without 3.
int runCommentVerb(const std::string &archive, std::FILE *out, std::FILE *err);

// Why path cannot be the archive a verb reads, before anything reads it: ""
// when it names a regular file (or a link to one), else "no such archive",
// "a folder, not an archive" or "not a regular file" (to follow "PATH: ").
std::string archivePathProblem(const std::string &path);

// After the engine listed path without finding a member: whether the file
// holds no end-of-directory record either, the one record even an empty
// archive has. The engine lists such a file as an empty archive.
bool holdsNoArchive(const std::string &path);

// The list's sort order as stored by the last session in the settings file
// (1 when none is stored or it is not a number).
int storedSortOrder();

// A name made safe for one line of a terminal: a backslash as "\\", tab,
// newline and carriage return as "\t", "\n", "\r", other control bytes and
// bytes that are not UTF-8 as "\xHH"; C1 controls, line and paragraph
// separators and the bidirectional embeddings, overrides and isolates as
// "\u{XXXX}".
std::string escapeListText(std::string_view utf8);
