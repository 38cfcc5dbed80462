// A stand-in for the compression libraries, built only for the tests. It
// writes every field of the block it receives to the file named by
// AMX_REC_LOG, then plays the script named by AMX_REC_SCRIPT: callbacks,
// its return value, an exception or a crash.
//
// Built as libamxzip.so (REC_ZIP) or libamxunz.so (REC_UNZ); REC_NO_VERSION
// and REC_NO_EXEC leave out an entry point.
//
// Script lines, one command each:
//   cb ACTION ERRCODE SIZE SIZEHIGH [TEXT]  callback; \r \n \\ escapes in TEXT
//   foreign                                 callback with a caller no engine has
//   return N                                the count to return (default: specCount)
//   copy FROM TO                            copy a file (to change the archive)
//   nostop                                  go on after an answer of -1
//   throw | segv | abort | trap | fpe | overflow | raise SIGNAL
// After an answer of -1 the library stops and returns its count, unless told
// to go on.
#include "format/AmxBlocks.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

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

[[maybe_unused]] void logField(const char *name, long long value)
{
    logLine(std::string(name) + "=" + std::to_string(value));
}

void logPointer(const char *name, const void *p)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s=%llx", name,
        static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(p)));
    logLine(text);
}

std::string unescape(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

[[maybe_unused]] std::string escape(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

std::vector<std::string> readScript()
{
    std::vector<std::string> lines;
    const char *path = std::getenv("AMX_REC_SCRIPT");
    if (!path)
        return lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

int overflow(int depth)
{
    if (depth == -1) // never: keeps the compiler from calling it endless
        return 0;
    volatile char frame[4096];
    frame[0] = static_cast<char>(depth);
    return overflow(depth + 1) + frame[0];
}

template <typename Block> void logCommon(const Block &b, const char *kind)
{
    logLine(std::string("begin=") + kind);
    logField("first", b.first);
    logPointer("caller", b.caller);
    logField("const120", b.const120);
    logPointer("callback", reinterpret_cast<const void *>(b.callback));
    logField("traceFlag", b.traceFlag);
}

template <typename Block> void logStrings(const Block &b)
{
    logField("specCount", b.specCount);
    logLine(std::string("archiveName=") + (b.archiveName ? escape(b.archiveName) : "(null)"));
    logField("const7", b.const7);
    const int count = b.specCount < 0 ? 0
        : b.specCount > AMX_MAX_SPECS ? AMX_MAX_SPECS
                                      : b.specCount;
    for (int i = 0; i < count; ++i)
        logLine(std::string("spec=") + (b.specs[i] ? escape(b.specs[i]) : "(null)"));
    int unused = 0;
    for (int i = count; i < AMX_MAX_SPECS; ++i)
        if (b.specs[i])
            ++unused;
    logField("usedSlotsPastCount", unused);
    char cwd[8192];
    logLine(std::string("cwd=") + (getcwd(cwd, sizeof cwd) ? cwd : "?"));
}

template <typename Block> int32_t play(Block *b)
{
    int32_t result = b->specCount;
    bool stopOnCancel = true;
    AmxCallbackRecord record;
    for (const std::string &line : readScript()) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "cb" || command == "foreign") {
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
                std::getline(in, text);
                if (!text.empty() && text[0] == ' ')
                    text.erase(0, 1);
                text = unescape(text);
                std::strncpy(record.text, text.c_str(), sizeof record.text - 1);
            }
            const int32_t answer = b->callback(&record);
            logField("answer", answer);
            if (answer == -1 && stopOnCancel) {
                logLine("stopped");
                break;
            }
        } else if (command == "nostop") {
            stopOnCancel = false;
        } else if (command == "return") {
            in >> result;
        } else if (command == "copy") {
            std::string from, to;
            in >> from >> to;
            std::ifstream src(from, std::ios::binary);
            std::ofstream dst(to, std::ios::binary | std::ios::trunc);
            dst << src.rdbuf();
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
    logField("return", result);
    logLine("end");
    return result;
}

} // namespace

extern "C" {

#if defined(REC_ZIP)

#if !defined(REC_NO_EXEC)
AMX_EXPORT int32_t AMX_STDCALL AmxZipExec(AmxZipParams *b)
{
    logCommon(*b, "zip");
    logField("reserved20", b->reserved20);
    logField("reserved24", b->reserved24);
    logField("reserved28", b->reserved28);
    logField("hiddenFilesFlag", b->hiddenFilesFlag);
    logField("reserved36", b->reserved36);
    logField("reserved40", b->reserved40);
    logField("alwaysTrue44", b->alwaysTrue44);
    logField("reserved48", b->reserved48);
    logField("verboseFlag", b->verboseFlag);
    logField("alwaysTrue56", b->alwaysTrue56);
    logField("compLevel", b->compLevel);
    logField("reserved64", b->reserved64);
    logField("reserved68", b->reserved68);
    logField("discardDirNamesFlag", b->discardDirNamesFlag);
    logField("recurseFlag", b->recurseFlag);
    logField("notDeleteFlag", b->notDeleteFlag);
    logField("forceDosFlag", b->forceDosFlag);
    logField("moveFlag", b->moveFlag);
    logField("deleteFlag", b->deleteFlag);
    logField("updateFlag", b->updateFlag);
    logField("freshenFlag", b->freshenFlag);
    logField("reserved104", b->reserved104);
    logField("archiveTimeFlag", b->archiveTimeFlag);
    logField("reserved112", b->reserved112);
    logField("reserved116", b->reserved116);
    logStrings(*b);
    return play(b);
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
AMX_EXPORT int32_t AMX_STDCALL AmxUnzExec(AmxUnzParams *b)
{
    logCommon(*b, "unz");
    logField("reserved20", b->reserved20);
    logField("reserved24", b->reserved24);
    logField("reserved28", b->reserved28);
    logField("reserved32", b->reserved32);
    logField("reserved36", b->reserved36);
    logField("alwaysTrue40", b->alwaysTrue40);
    logField("verboseFlag", b->verboseFlag);
    logField("updateFlag", b->updateFlag);
    logField("freshenFlag", b->freshenFlag);
    logField("dirNamesFlag", b->dirNamesFlag);
    logField("overwriteFlag", b->overwriteFlag);
    logStrings(*b);
    return play(b);
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
