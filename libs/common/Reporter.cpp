#include "Reporter.h"

#include <cstring>

namespace amx {

Reporter::Reporter(void *caller, AmxCallback callback, bool verbose)
    : m_caller(caller)
    , m_callback(callback)
    , m_verbose(verbose)
    , m_record(std::make_unique<AmxCallbackRecord>())
{
}

void Reporter::call(int32_t action, int32_t code, uint64_t size, const std::string &text)
{
    if (!m_callback || m_cancelled)
        return;
    AmxCallbackRecord &r = *m_record;
    std::memset(&r, 0, offsetof(AmxCallbackRecord, text));
    r.caller = m_caller;
    r.action = action;
    r.errorCode = code;
    r.fileSize = int32_t(uint32_t(size));
    r.fileSizeHigh = int32_t(uint32_t(size >> 32));
    size_t n = std::min(text.size(), sizeof r.text - 1);
    // Never cut a UTF-8 sequence in half.
    while (n < text.size() && n > 0 && (static_cast<unsigned char>(text[n]) & 0xc0) == 0x80)
        --n;
    std::memcpy(r.text, text.data(), n);
    r.text[n] = '\0';
    if (m_callback(&r) == -1) {
        m_cancelled = true;
        throw Cancelled();
    }
}

void Reporter::newFile(const std::string &name, uint64_t size)
{
    call(AMX_ACTION_NEW_FILE, 0, size, name);
}

void Reporter::progress(uint64_t before, uint64_t after)
{
    for (uint64_t n = after / stepSize - before / stepSize; n > 0; --n)
        call(AMX_ACTION_STEP, 0, 0, {});
}

void Reporter::endFile()
{
    call(AMX_ACTION_END, 0, 0, {});
}

void Reporter::waiting(const std::string &archive)
{
    call(AMX_ACTION_WAIT, 0, 0, archive);
}

void Reporter::info(const std::string &line)
{
    if (m_verbose)
        call(AMX_ACTION_MESSAGE, 0, 0, line);
}

void Reporter::problem(ZipError code, const std::string &detail)
{
    call(AMX_ACTION_MESSAGE, int32_t(code), 0, errorMessage(code, detail));
}

} // namespace amx
