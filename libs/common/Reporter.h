// The libraries' only way to talk to the program: the callback of the block.
// Every call happens on the thread that entered the library.
#pragma once

#include "AmxBlocks.h"
#include "ZipError.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace amx {

class Reporter
{
public:
    Reporter(void *caller, AmxCallback callback, bool verbose);

    // Each of these throws Cancelled when the callback answers -1; after that
    // the callback is not called again.
    void newFile(const std::string &name, uint64_t size);
    // Reports the 32 KiB steps crossed when a member's count of processed
    // bytes goes from `before` to `after`.
    void progress(uint64_t before, uint64_t after);
    void endFile();
    // Tells that the call waits for another writer of this archive.
    void waiting(const std::string &archive);
    // A line shown only in verbose mode.
    void info(const std::string &line);
    void problem(ZipError code, const std::string &detail);
    bool verbose() const { return m_verbose; }
    bool cancelled() const { return m_cancelled; }

private:
    void call(int32_t action, int32_t code, uint64_t size, const std::string &text);

    void *m_caller;
    AmxCallback m_callback;
    bool m_verbose;
    bool m_cancelled = false;
    std::unique_ptr<AmxCallbackRecord> m_record;
};

constexpr uint64_t stepSize = 32768;

// The body of an entry point: whatever goes wrong becomes one message through
// the reporter and a count of 0; nothing escapes across the C boundary.
template <typename Work> int32_t runReported(Reporter &reporter, Work &&work) noexcept
{
    auto report = [&reporter](ZipError code, const std::string &detail) {
        try {
            reporter.problem(code, detail);
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
