// The command line for scripts: -t, -x, -a, --delete, -h/--help, --version.
// Runs without Qt, a window or a display, through the engine and the two
// libraries like the windows do.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Whether argv[1] names one of these verbs (exactly).
bool isScriptVerb(const char *option);

// Runs the verb of argv[1]. Member lines go to out, problems to err; a
// progress line goes to err only when err is a terminal. Returns the exit
// status: 0 when all that was asked was done, 1 when some members failed or
// a name matched nothing, 2 on bad usage, an archive that is missing,
// unreadable or no archive, or an output folder that cannot be written.
int runScriptVerb(int argc, char **argv, std::FILE *out, std::FILE *err);

// The progress line: the percentage of total done and, once half a second
// has passed, the rate in MB/s (10^6 bytes) from the start.
std::string progressText(uint64_t done, uint64_t total, double seconds);

// For a command line that is not one of these verbs: why the window program
// would not understand it, or "" when it would (none, an archive, a file
// manager's verb with its path). An unknown option, a verb out of place or
// a file manager's verb without its path is bad usage.
std::string windowCommandLineProblem(int argc, char **argv);

// What --help prints; the README's table lists the same verbs.
extern const char *const kScriptUsage;
