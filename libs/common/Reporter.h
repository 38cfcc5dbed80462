// The libraries' only way to talk to the program: the callback of the request.
// Every call happens on the thread that entered the library.
#pragma once

#include "AmxRequest.h"
#include "Crypto.h"
#include "ZipError.h"

#include <cstdint>
#include <new>
#include <string>

namespace amx {

class Reporter
{
public:
    Reporter(AmxEventCallback callback, void *context, bool verbose);

    // Each of these throws Cancelled when the callback answers AMX_STOP; after
    // that the callback is not called again.
    void newFile(const std::string &name, uint64_t size);
    // Reports the 32 KiB steps crossed when a member's count of processed
    // bytes goes from `before` to `after`.
    void progress(uint64_t before, uint64_t after);
    void endFile();
    // An add's bytes to write: found so far, or in the end the whole.
    void total(uint64_t bytes);
    // Tells that the call waits for another writer of this archive.
    void waiting(const std::string &archive);
    // A line shown only in verbose mode.
    void info(const std::string &line);
    // A problem about `subject`, the member or file it concerns ("" for the
    // whole call); the detail is what the message says.
    void problem(ZipError code, const std::string &detail, const std::string &subject);
    // A problem whose detail is the name of what it concerns.
    void problem(ZipError code, const std::string &name) { problem(code, name, name); }
    // Asks the callback for a password (AMX_ACTION_PASSWORD) about `subject`;
    // returns its reply: AMX_ANSWERED or AMX_ANSWERED_ONCE with `out` filled, AMX_GO_ON or
    // AMX_STOP (also without a callback, or once cancelled). The reply is
    // the caller's to act on: this never throws Cancelled.
    int32_t askPassword(const std::string &subject, int32_t attempt, Secret &out);
    // Ends the call as cancelled by the caller.
    [[noreturn]] void cancel();
    bool verbose() const { return m_verbose; }
    bool cancelled() const { return m_cancelled; }
    // The problems so far, by their kind (AMX_KIND_FAILED, AMX_KIND_SKIPPED).
    int32_t failed() const { return m_failed; }
    int32_t skipped() const { return m_skipped; }

private:
    void call(AmxEvent &event);
    void call(int32_t action, uint64_t size, const std::string &text);

    AmxEventCallback m_callback;
    void *m_context;
    bool m_verbose;
    bool m_cancelled = false;
    int32_t m_failed = 0;
    int32_t m_skipped = 0;
};

constexpr uint64_t stepSize = 32768;

// The body of an entry point: whatever goes wrong becomes one message through
// the reporter and a count of 0; nothing escapes across the C boundary.
// `error` receives the code of a failure that ended the call.
template <typename Work>
int32_t runReported(Reporter &reporter, ZipError &error, Work &&work) noexcept
{
    auto report = [&](ZipError code, const std::string &detail) {
        error = code;
        try {
            reporter.problem(code, detail, {});
        } catch (...) {
        }
    };
    try {
        return work();
    } catch (const Cancelled &) {
    } catch (const ZipFailure &f) {
        report(f.code(), f.detail());
    } catch (const std::bad_alloc &) {
        report(ZipError::Internal, "out of memory");
    } catch (...) {
        report(ZipError::Internal, "unexpected failure");
    }
    return 0;
}

} // namespace amx
