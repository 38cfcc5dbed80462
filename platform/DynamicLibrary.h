// Loading shared libraries at run time, and calling into one without letting
// its crash take the program down. Plain C++, no Qt: the engine uses it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace amx {

class DynamicLibrary
{
public:
    // Loads fileName from the lookup folder (the program's own folder unless a
    // test set another), then by the system's search. Returns null when both
    // fail; *error, when given, receives the loader's reason.
    static std::unique_ptr<DynamicLibrary> open(
        const std::string &fileName, std::string *error = nullptr);

    // The address of an exported symbol, or null.
    void *symbol(const char *name) const;

    // The file that was loaded, as it was asked for.
    const std::string &path() const { return m_path; }

    // Gives up the handle without closing it. For a library that crashed:
    // running its destructors or unmapping it could crash again, and calling
    // into it again is not safe, so it stays mapped until the process ends.
    void abandon() { (void)m_handle.release(); }

    // Where open() looks first. An empty folder restores the program's folder.
    static void setLookupFolder(const std::string &folder);
    static std::string lookupFolder();

private:
    struct Closer
    {
        void operator()(void *handle) const noexcept;
    };
    DynamicLibrary(void *handle, std::string path);

    std::unique_ptr<void, Closer> m_handle;
    std::string m_path;
};

// How a contained call ended.
struct ContainedResult
{
    enum class Outcome { Returned, Threw, Crashed };
    Outcome outcome = Outcome::Returned;
    int32_t value = 0; // the function's result when it returned
    int signal = 0; // the fatal signal when it crashed
    std::string what; // the exception's text when it threw a std::exception
};

// Runs fn(context) on the calling thread and contains what goes wrong inside:
// a C++ exception leaving fn, or a fatal signal (SIGSEGV, SIGBUS, SIGFPE,
// SIGILL, SIGABRT, also a stack overflow) raised on this thread while fn runs.
// The signal handlers are installed only for the duration of the outermost
// call and the previous ones restored afterwards; calls may nest.
//
// What cannot be contained: a crash on another thread (it goes to the handler
// that was installed before, normally ending the process); a crash while fn
// held a lock shared with the program (malloc's, stdio's), which stays held;
// memory fn overwrote before it crashed. After a crash the frames of fn are
// abandoned without running destructors, so the caller must treat whatever fn
// used as broken and not call into it again.
ContainedResult callContained(int32_t (*fn)(void *context), void *context);

// While alive, a crash on this thread is not contained but handled as if no
// contained call were running. Used around callbacks from a library into the
// program: a fault in the program's own code is the program's, and jumping
// over its frames would skip their destructors.
class ContainmentPause
{
public:
    ContainmentPause();
    ~ContainmentPause();
    ContainmentPause(const ContainmentPause &) = delete;
    ContainmentPause &operator=(const ContainmentPause &) = delete;

private:
    void *m_saved;
};

} // namespace amx
