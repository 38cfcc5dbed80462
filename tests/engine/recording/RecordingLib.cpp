// A stand-in for the compression libraries, built only for the tests. It
// writes the request it receives to the file named by AMX_REC_LOG, then
// plays the script named by AMX_REC_SCRIPT: callbacks, its count, an
// exception or a crash.
//
// Built as libamxzip.so (REC_ZIP) or libamxunz.so (REC_UNZ); REC_NO_VERSION
// and REC_NO_EXEC leave out an entry point. The extraction stand-in knows no
// test: it refuses that operation before it logs anything.
//
// Script lines, one command each:
//   cb ACTION ERRCODE SIZE SIZEHIGH [TEXT]  callback; \r \n \\ escapes in TEXT;
//                                           a question (7) takes SIZE as its attempt
//                                           and logs the answer it gets
//   foreign                                 callback with a context no call has
//   return N                                the count of done members (default: nameCount)
//   nostop                                  go on after an answer of -1
//   throw | segv | abort | trap | fpe | overflow | raise SIGNAL
// After an answer of -1 the library stops and returns its count, unless told
// to go on.
#include "AmxRequest.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

void logLine(const std::string &line)
{
    const char *path = std::getenv("AMX_REC_LOG");
    if (!path)
        return;
    // Opened per line: survives re-entrant calls and a scripted crash.
    if (FILE *f = std::fopen(path, "a")) {
        std::fputs(line.c_str(), f);
        std::fputc('\n', f);
        std::fclose(f);
    }
}

std::string hex(const void *p)
{
    char text[32];
    std::snprintf(
        text, sizeof text, "%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(p)));
    return text;
}

int overflow(int depth)
{
    if (depth == -1) // never: keeps the compiler from calling it endless
        return 0;
    volatile char frame[4096];
    frame[0] = static_cast<char>(depth);
    return overflow(depth + 1) + frame[0];
}

const char *const flagNames[] = { "verbose", "update", "freshen", "dirNames", "overwrite",
    "recurse", "hidden", "dosNames", "move", "archiveTime" };

std::string folderPath(int folder)
{
    char path[8192];
    if (folder == AMX_CURRENT_FOLDER)
        return getcwd(path, sizeof path) ? path : "?";
    const std::string link = "/proc/self/fd/" + std::to_string(folder);
    const ssize_t n = readlink(link.c_str(), path, sizeof path - 1);
    return n < 0 ? "?" : std::string(path, size_t(n));
}

// One line of the request's numbers that are not zero (each flag by its
// name), then its strings and its folder.
void logRequest(const AmxRequest &r, const char *kind)
{
    logLine(std::string("begin=") + kind);
    logLine("context=" + hex(r.context));
    logLine("callback=" + hex(reinterpret_cast<const void *>(r.callback)));
    std::string fields = "fields=";
    for (const auto &[name, value] :
        { std::pair<const char *, long long> { "operation", r.operation }, { "level", r.level },
            { "size", r.size == sizeof r ? 0 : r.size }, { "encryption", r.encryption },
            { "unknownFlags", r.flags & ~AMX_FLAGS_KNOWN } })
        if (value)
            fields += std::string(name) + ":" + std::to_string(value) + " ";
    for (size_t bit = 0; bit < sizeof flagNames / sizeof *flagNames; ++bit)
        if (r.flags & (1u << bit))
            fields += std::string(flagNames[bit]) + ":1 ";
    logLine(fields);
    logLine("nameCount=" + std::to_string(r.nameCount));
    logLine(std::string("archive=") + (r.archive ? r.archive : "(null)"));
    for (uint32_t i = 0; i < r.nameCount; ++i)
        logLine(std::string(r.names[i].match == AMX_NAME_PATTERN ? "spec=" : "exact=")
            + (r.names[i].text ? r.names[i].text : "(null)"));
    logLine(std::string("codePage=") + (r.nameCodePage ? r.nameCodePage : "(null)"));
    logLine("folder=" + folderPath(r.folder));
    char cwd[8192];
    logLine(std::string("cwd=") + (getcwd(cwd, sizeof cwd) ? cwd : "?"));
}

std::string unescape(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

int32_t play(const AmxRequest *r)
{
    int32_t result = int32_t(r->nameCount);
    bool stopOnCancel = true;
    std::ifstream script(std::getenv("AMX_REC_SCRIPT") ? std::getenv("AMX_REC_SCRIPT") : "");
    for (std::string line; std::getline(script, line);) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "cb" || command == "foreign") {
            AmxEvent event {};
            event.size = sizeof event;
            void *context = r->context;
            std::string text;
            if (command == "foreign") {
                static int stranger;
                context = &stranger;
                event.action = AMX_ACTION_MESSAGE;
                text = "stray";
            } else {
                uint32_t low = 0, high = 0;
                in >> event.action >> event.errorCode >> low >> high;
                event.fileSize = uint64_t(high) << 32 | low;
                std::getline(in >> std::ws, text);
                text = unescape(text);
            }
            event.kind = amxErrorKind(event.errorCode);
            event.text = text.c_str();
            event.subject = "";
            char reply[16] = {};
            if (event.action == AMX_ACTION_PASSWORD) {
                event.attempt = int32_t(event.fileSize);
                event.fileSize = 0;
                event.answer = reply;
                event.answerSize = sizeof reply;
            }
            const int32_t answer = r->callback(context, &event);
            logLine("answer=" + std::to_string(answer));
            if (answer == AMX_ANSWERED)
                logLine(
                    std::string("password=") + std::string(reply, strnlen(reply, sizeof reply)));
            if (answer == -1 && stopOnCancel) {
                logLine("stopped");
                break;
            }
        } else if (command == "nostop") {
            stopOnCancel = false;
        } else if (command == "return") {
            in >> result;
        } else if (command == "sleep") {
            int milliseconds = 0;
            in >> milliseconds;
            usleep(useconds_t(milliseconds) * 1000);
        } else if (command == "throw") {
            throw std::runtime_error("scripted failure");
        } else if (command == "segv") {
            int *volatile nowhere = nullptr;
            *nowhere = 1;
        } else if (command == "abort") {
            std::abort();
        } else if (command == "trap") {
            __builtin_trap();
        } else if (command == "fpe") {
            volatile int zero = 0, seven = 7;
            volatile int x = seven / zero;
            (void)x;
        } else if (command == "overflow") {
            result = overflow(0);
        } else if (command == "raise") {
            int sig = 0;
            in >> sig;
            raise(sig);
        }
    }
    logLine("return=" + std::to_string(result));
    logLine("end");
    return result;
}

int32_t runRecorded(const AmxRequest *request, AmxResult *result, const char *kind)
{
    logRequest(*request, kind);
    const int32_t done = play(request);
    if (result)
        result->done = done;
    return AMX_RUN_DONE;
}

} // namespace

extern "C" {

#if defined(REC_ZIP)

#if !defined(REC_NO_EXEC)
AMX_EXPORT int32_t AMX_STDCALL AmxZipRun1(const AmxRequest *request, AmxResult *result)
{
    return runRecorded(request, result, "zip");
}
#endif

#if !defined(REC_NO_VERSION)
AMX_EXPORT int32_t AMX_STDCALL GetAmxZipVersion(void)
{
    logLine("version");
    return 100;
}
#endif

#elif defined(REC_UNZ)

#if !defined(REC_NO_EXEC)
AMX_EXPORT int32_t AMX_STDCALL AmxUnzRun1(const AmxRequest *request, AmxResult *result)
{
    if (request->operation == AMX_OP_TEST)
        return AMX_RUN_UNSUPPORTED;
    return runRecorded(request, result, "unz");
}
#endif

#if !defined(REC_NO_VERSION)
AMX_EXPORT int32_t AMX_STDCALL GetAmxUnzVersion(void)
{
    logLine("version");
    return 100;
}
#endif

#else
#error "define REC_ZIP or REC_UNZ"
#endif

} // extern "C"
