#include "DynamicLibrary.h"
#include "Paths.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <setjmp.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <iterator>
#include <mutex>
#include <utility>

namespace amx {

namespace {

std::mutex &lookupMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::string &lookupOverride()
{
    static std::string folder;
    return folder;
}

} // namespace

DynamicLibrary::DynamicLibrary(void *handle, std::string path)
    : m_handle(handle)
    , m_path(std::move(path))
{
}

void DynamicLibrary::Closer::operator()(void *handle) const noexcept
{
    if (handle)
        dlclose(handle);
}

std::unique_ptr<DynamicLibrary> DynamicLibrary::open(
    const std::string &fileName, std::string *error)
{
    std::string reason;
    const std::string folder = lookupFolder();
    // Beside the program first, then where an installation puts them.
    const std::string program = executableFolder();
    for (const std::string &place :
        { folder, program.empty() ? std::string() : program + "/../lib/ambermox" }) {
        if (place.empty())
            continue;
        const std::string local = place + "/" + fileName;
        // Only a file that is there counts: the reason then names the real problem.
        if (access(local.c_str(), F_OK) == 0) {
            if (void *handle = dlopen(local.c_str(), RTLD_NOW | RTLD_LOCAL))
                return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle, local));
            if (const char *text = dlerror(); text && reason.empty())
                reason = text;
        }
    }
    if (void *handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL))
        return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle, fileName));
    const char *text = dlerror();
    if (reason.empty() && text)
        reason = text;
    if (error)
        *error = reason;
    return nullptr;
}

void *DynamicLibrary::symbol(const char *name) const
{
    return m_handle ? dlsym(m_handle.get(), name) : nullptr;
}

void DynamicLibrary::setLookupFolder(const std::string &folder)
{
    std::lock_guard lock(lookupMutex());
    lookupOverride() = folder;
}

std::string DynamicLibrary::lookupFolder()
{
    {
        std::lock_guard lock(lookupMutex());
        if (!lookupOverride().empty())
            return lookupOverride();
    }
    return executableFolder();
}

// --- Contained calls ---

namespace {

struct Guard
{
    sigjmp_buf env;
    volatile sig_atomic_t signal = 0;
};

// The innermost contained call of this thread, or null. Read in the signal
// handler, hence initial-exec TLS (no lazy allocation there).
__attribute__((tls_model("initial-exec"))) thread_local Guard *t_guard = nullptr;
thread_local int t_depth = 0;

constexpr int kFatalSignals[] = { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT };
constexpr size_t kSignalCount = std::size(kFatalSignals);
// Big enough for the handler and the frames of siglongjmp.
constexpr size_t kAltStackSize = 256 * 1024;

std::mutex g_installMutex;
int g_installDepth = 0;
struct sigaction g_previous[kSignalCount];

int signalIndex(int sig)
{
    for (size_t i = 0; i < kSignalCount; ++i)
        if (kFatalSignals[i] == sig)
            return static_cast<int>(i);
    return -1;
}

// A fatal signal that is not ours (another thread, or a paused guard) goes on
// as if our handler were not there.
void forwardSignal(int sig, siginfo_t *info, void *ucontext)
{
    const int index = signalIndex(sig);
    if (index >= 0) {
        const struct sigaction &previous = g_previous[index];
        if (previous.sa_flags & SA_SIGINFO) {
            if (previous.sa_sigaction) {
                previous.sa_sigaction(sig, info, ucontext);
                return;
            }
        } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
            previous.sa_handler(sig);
            return;
        }
    }
    // Default action: the signal stays blocked until the handler returns, then
    // the raised copy is delivered (a faulting instruction would fault again).
    struct sigaction defaults = {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    sigaction(sig, &defaults, nullptr);
    raise(sig);
}

extern "C" void onFatalSignal(int sig, siginfo_t *info, void *ucontext)
{
    if (Guard *guard = t_guard) {
        guard->signal = sig;
        siglongjmp(guard->env, 1);
    }
    forwardSignal(sig, info, ucontext);
}

// Installs the handlers for the outermost contained call of the process, and
// an alternate signal stack (so a stack overflow can be caught) and unblocked
// fatal signals for the outermost call of this thread.
class HandlerScope
{
public:
    HandlerScope()
    {
        if (t_depth++ == 0) {
            sigset_t fatal;
            sigemptyset(&fatal);
            for (int sig : kFatalSignals)
                sigaddset(&fatal, sig);
            pthread_sigmask(SIG_UNBLOCK, &fatal, &m_savedMask);
            m_outermostOnThread = true;

            stack_t current = {};
            if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE)) {
                m_altStack = std::make_unique<char[]>(kAltStackSize);
                stack_t ours = {};
                ours.ss_sp = m_altStack.get();
                ours.ss_size = kAltStackSize;
                if (sigaltstack(&ours, nullptr) != 0)
                    m_altStack.reset();
            }
        }
        std::lock_guard lock(g_installMutex);
        if (g_installDepth++ == 0) {
            struct sigaction action = {};
            action.sa_sigaction = onFatalSignal;
            action.sa_flags = SA_SIGINFO | SA_ONSTACK;
            sigemptyset(&action.sa_mask);
            for (size_t i = 0; i < kSignalCount; ++i)
                sigaction(kFatalSignals[i], &action, &g_previous[i]);
        }
    }

    ~HandlerScope()
    {
        {
            std::lock_guard lock(g_installMutex);
            if (--g_installDepth == 0)
                for (size_t i = 0; i < kSignalCount; ++i)
                    sigaction(kFatalSignals[i], &g_previous[i], nullptr);
        }
        --t_depth;
        if (m_outermostOnThread) {
            if (m_altStack) {
                stack_t off = {};
                off.ss_flags = SS_DISABLE;
                sigaltstack(&off, nullptr);
            }
            pthread_sigmask(SIG_SETMASK, &m_savedMask, nullptr);
        }
    }

    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;

private:
    bool m_outermostOnThread = false;
    sigset_t m_savedMask;
    std::unique_ptr<char[]> m_altStack;
};

} // namespace

ContainedResult callContained(int32_t (*fn)(void *context), void *context)
{
    HandlerScope handlers;
    // Everything with a destructor is made before sigsetjmp and left alone
    // until fn is done, so a jump back skips no live object of ours.
    ContainedResult result;
    Guard guard;
    Guard *const outer = t_guard;
    if (sigsetjmp(guard.env, 1) != 0) {
        t_guard = outer;
        result.outcome = ContainedResult::Outcome::Crashed;
        result.signal = guard.signal;
        return result;
    }
    t_guard = &guard;
    try {
        const int32_t value = fn(context);
        result.value = value;
    } catch (abi::__forced_unwind &) {
        // Thread cancellation must go on unwinding.
        t_guard = outer;
        throw;
    } catch (const std::exception &e) {
        t_guard = outer;
        result.outcome = ContainedResult::Outcome::Threw;
        result.what = e.what();
    } catch (...) {
        t_guard = outer;
        result.outcome = ContainedResult::Outcome::Threw;
    }
    t_guard = outer;
    return result;
}

ContainmentPause::ContainmentPause()
    : m_saved(t_guard)
{
    t_guard = nullptr;
}

ContainmentPause::~ContainmentPause()
{
    t_guard = static_cast<Guard *>(m_saved);
}

} // namespace amx
