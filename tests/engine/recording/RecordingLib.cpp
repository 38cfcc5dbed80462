// A stand-in for the compression libraries, built only for the tests. It
// writes the block it receives to the file named by AMX_REC_LOG, then plays
// the script named by AMX_REC_SCRIPT: callbacks, its return value, an
// exception or a crash.
//
// Built as libamxzip.so (REC_ZIP) or libamxunz.so (REC_UNZ); REC_NO_VERSION
// and REC_NO_EXEC leave out an entry point.
//
// Script lines, one command each:
//   cb ACTION ERRCODE SIZE SIZEHIGH [TEXT]  callback; \r \n \\ escapes in TEXT
//   foreign                                 callback with a caller no engine has
//   return N                                the count to return (default: specCount)
//   nostop                                  go on after an answer of -1
//   throw | segv | abort | trap | fpe | overflow | raise SIGNAL
// After an answer of -1 the library stops and returns its count, unless told
// to go on.
#include "AmxBlocks.h"

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

using Fields = std::initializer_list<std::pair<const char *, long long>>;
#define F(field)                                                                                   \
    {                                                                                              \
#field, b.field                                                                            \
    }

// One line of the block's numbers that are not zero, then its strings.
template <typename Block> void logBlock(const Block &b, const char *kind, Fields own)
{
    logLine(std::string("begin=") + kind);
    logLine("caller=" + hex(b.caller));
    logLine("callback=" + hex(reinterpret_cast<const void *>(b.callback)));
    const int count = b.specCount < 0 ? 0 : std::min(b.specCount, AMX_MAX_SPECS);
    long long slotsPastCount = 0;
    for (int i = count; i < AMX_MAX_SPECS; ++i)
        slotsPastCount += b.specs[i] != nullptr;
    std::string fields = "fields=";
    for (const Fields &list :
        { Fields { F(first), F(const120), F(traceFlag), F(reserved20), F(reserved24), F(reserved28),
              F(const7), { "slotsPastCount", slotsPastCount } },
            own })
        for (const auto &[name, value] : list)
            if (value)
                fields += std::string(name) + ":" + std::to_string(value) + " ";
    logLine(fields);
    logLine("specCount=" + std::to_string(b.specCount));
    logLine(std::string("archiveName=") + (b.archiveName ? b.archiveName : "(null)"));
    for (int i = 0; i < count; ++i)
        logLine(std::string("spec=") + (b.specs[i] ? b.specs[i] : "(null)"));
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

template <typename Block> int32_t play(Block *b)
{
    int32_t result = b->specCount;
    bool stopOnCancel = true;
    std::ifstream script(std::getenv("AMX_REC_SCRIPT") ? std::getenv("AMX_REC_SCRIPT") : "");
    for (std::string line; std::getline(script, line);) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "cb" || command == "foreign") {
            AmxCallbackRecord record;
            std::memset(&record, 0, sizeof record);
            record.reserved0 = 0x11;
            record.reserved8 = 0x22;
            record.caller = b->caller;
            if (command == "foreign") {
                static int stranger;
                record.caller = &stranger;
                record.action = AMX_ACTION_MESSAGE;
                std::strcpy(record.text, "stray");
            } else {
                in >> record.action >> record.errorCode >> record.fileSize >> record.fileSizeHigh;
                std::string text;
                std::getline(in >> std::ws, text);
                std::strncpy(record.text, unescape(text).c_str(), sizeof record.text - 1);
            }
            const int32_t answer = b->callback(&record);
            logLine("answer=" + std::to_string(answer));
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

} // namespace

extern "C" {

#if defined(REC_ZIP)

#if !defined(REC_NO_EXEC)
AMX_EXPORT int32_t AMX_STDCALL AmxZipExec(AmxZipParams *block)
{
    const AmxZipParams &b = *block;
    logBlock(b, "zip",
        { F(hiddenFilesFlag), F(reserved36), F(reserved40), F(alwaysTrue44), F(reserved48),
            F(verboseFlag), F(alwaysTrue56), F(compLevel), F(reserved64), F(reserved68),
            F(discardDirNamesFlag), F(recurseFlag), F(notDeleteFlag), F(forceDosFlag), F(moveFlag),
            F(deleteFlag), F(updateFlag), F(freshenFlag), F(reserved104), F(archiveTimeFlag),
            F(reserved112), F(reserved116) });
    return play(block);
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
AMX_EXPORT int32_t AMX_STDCALL AmxUnzExec(AmxUnzParams *block)
{
    const AmxUnzParams &b = *block;
    logBlock(b, "unz",
        { F(reserved32), F(reserved36), F(alwaysTrue40), F(verboseFlag), F(updateFlag),
            F(freshenFlag), F(dirNamesFlag), F(overwriteFlag) });
    return play(block);
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
