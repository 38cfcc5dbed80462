// The command line for scripts: -t, -x, -a, --delete, --help, --version.
// Runs without Qt, a window or a display, through the engine and the two
// libraries like the windows do.
#pragma once

#include <cstdio>

// Whether argv[1] names one of these verbs (exactly).
bool isScriptVerb(const char *option);

// Runs the verb of argv[1]. Member lines go to out, problems to err; a
// progress line goes to err only when err is a terminal. Returns the exit
// status: 0 on success, 1 when some members failed, 2 on bad usage or an
// archive that cannot be read.
int runScriptVerb(int argc, char **argv, std::FILE *out, std::FILE *err);

// What --help prints; the README's table lists the same verbs.
extern const char *const kScriptUsage;
