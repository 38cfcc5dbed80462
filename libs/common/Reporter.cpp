#include "Reporter.h"

#include <cstring>
#include <memory>
#include <openssl/crypto.h>

namespace amx {

Reporter::Reporter(AmxEventCallback callback, void *context, bool verbose)
    : m_callback(callback)
    , m_context(context)
    , m_verbose(verbose)
{
}

void Reporter::call(AmxEvent &event)
{
    if (!m_callback || m_cancelled)
        return;
    event.size = sizeof event;
    if (m_callback(m_context, &event) == AMX_STOP) {
        m_cancelled = true;
        throw Cancelled();
    }
}

void Reporter::call(int32_t action, uint64_t size, const std::string &text)
{
    AmxEvent event {};
    event.action = action;
    event.fileSize = size;
    event.text = text.c_str();
    event.subject = "";
    call(event);
}

void Reporter::newFile(const std::string &name, uint64_t size)
{
    call(AMX_ACTION_NEW_FILE, size, name);
}

void Reporter::progress(uint64_t before, uint64_t after)
{
    for (uint64_t n = after / stepSize - before / stepSize; n > 0; --n)
        call(AMX_ACTION_STEP, 0, {});
}

void Reporter::endFile()
{
    call(AMX_ACTION_END, 0, {});
}

void Reporter::total(uint64_t bytes)
{
    call(AMX_ACTION_TOTAL, bytes, {});
}

void Reporter::waiting(const std::string &archive)
{
    call(AMX_ACTION_WAIT, 0, archive);
}

void Reporter::info(const std::string &line)
{
    if (m_verbose)
        call(AMX_ACTION_MESSAGE, 0, line);
}

int32_t Reporter::askPassword(const std::string &subject, int32_t attempt, Secret &out)
{
    if (!m_callback || m_cancelled)
        return AMX_STOP;
    // One byte more than offered, so that an answer without its NUL still ends.
    auto buffer = std::make_unique<char[]>(AMX_PASSWORD_ANSWER_SIZE + 1);
    AmxEvent event {};
    event.size = sizeof event;
    event.action = AMX_ACTION_PASSWORD;
    event.text = subject.c_str();
    event.subject = subject.c_str();
    event.answer = buffer.get();
    event.answerSize = AMX_PASSWORD_ANSWER_SIZE;
    event.attempt = attempt;
    int32_t reply = m_callback(m_context, &event);
    if (reply == AMX_ANSWERED || reply == AMX_ANSWERED_ONCE)
        out = Secret(
            std::string_view(buffer.get(), ::strnlen(buffer.get(), AMX_PASSWORD_ANSWER_SIZE)));
    else if (reply != AMX_STOP)
        reply = AMX_GO_ON;
    OPENSSL_cleanse(buffer.get(), AMX_PASSWORD_ANSWER_SIZE + 1);
    return reply;
}

void Reporter::cancel()
{
    m_cancelled = true;
    throw Cancelled();
}

void Reporter::problem(ZipError code, const std::string &detail, const std::string &subject)
{
    const int32_t kind = amxErrorKind(int32_t(code));
    m_failed += kind == AMX_KIND_FAILED;
    m_skipped += kind == AMX_KIND_SKIPPED;
    const std::string text = errorMessage(code, detail);
    AmxEvent event {};
    event.action = AMX_ACTION_MESSAGE;
    event.errorCode = int32_t(code);
    event.kind = kind;
    event.text = text.c_str();
    event.subject = subject.c_str();
    call(event);
}

} // namespace amx
