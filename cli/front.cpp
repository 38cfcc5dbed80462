// Ambermox: the program started from a shell or the desktop. The listing and
// the verbs for scripts run here, without Qt, so that they start as quickly
// as other command-line tools; everything else is the window program's,
// ambermox-gui beside this one, which gets the command line unchanged.

#include "DateStyle.h"
#include "ListVerb.h"
#include "Paths.h"
#include "ScriptVerbs.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int startWindowProgram(char **argv)
{
    const std::string folder = executableFolder();
    // Never a program of the current folder: only the one installed with this.
    if (folder.empty()) {
        std::fprintf(stderr,
            "ambermox: cannot find the folder of this program to start the "
            "window program from\n");
        return 1;
    }
    const std::string program = folder + "/ambermox-gui";
    ::execv(program.c_str(), argv);
    std::fprintf(stderr, "ambermox: cannot start the window program %s: %s\n", program.c_str(),
        std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "-l") == 0) {
        if (argc == 4
            && (std::strcmp(argv[2], "--comment") == 0 || std::strcmp(argv[3], "--comment") == 0))
            return runCommentVerb(
                std::strcmp(argv[2], "--comment") == 0 ? argv[3] : argv[2], stdout, stderr);
        ListArgs args;
        if (std::string why; !parseListArgs(argc, argv, args, why)) {
            std::fprintf(stderr, "ambermox: %s\n%s", why.c_str(), kListUsage);
            return 2;
        }
        // A locale the table does not hold is left to Qt in the window program.
        if (const DateStyle *style = environmentDateStyle())
            return runListVerb(
                args, storedSortOrder(),
                [style](uint32_t dosDateTime) {
                    return dosDateTimeText(dosDateTime, *style);
                },
                stdout, stderr);
        return startWindowProgram(argv);
    }
    if (argc >= 2 && isScriptVerb(argv[1]))
        return runScriptVerb(argc, argv, stdout, stderr);
    // What neither program knows is told here, without starting a window.
    if (const std::string problem = windowCommandLineProblem(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "ambermox: %s\n%s", problem.c_str(), kScriptUsage);
        return 2;
    }
    return startWindowProgram(argv);
}
