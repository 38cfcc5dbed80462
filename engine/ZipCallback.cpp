// The function the libraries call while they run: progress and messages
// become the engine's events, and the answer carries the cancel request.
#include "LibraryBinding.h"
#include "ZipEngine.h"

#include "DynamicLibrary.h"

#include <cstring>

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

std::string recordText(const AmxCallbackRecord &record)
{
    // The library should terminate the text; never read past the buffer if not.
    return std::string(record.text, strnlen(record.text, sizeof record.text));
}

int64_t recordFileSize(const AmxCallbackRecord &record)
{
    const uint64_t high = static_cast<uint32_t>(record.fileSizeHigh);
    const uint64_t low = static_cast<uint32_t>(record.fileSize);
    return static_cast<int64_t>(high << 32 | low);
}

} // namespace

namespace amx {

std::string trimLibraryMessage(std::string_view text)
{
    // Only these two positions of the original are looked at: "a\r\n" and
    // "a\n" lose their line end, and so does "a\nb" from its second-to-last.
    const size_t n = text.size();
    size_t end = n;
    if (n >= 1 && isLineEnd(text[n - 1]))
        end = n - 1;
    if (n > 1 && isLineEnd(text[n - 2]))
        end = n - 2;
    return std::string(text.substr(0, end));
}

} // namespace amx

int32_t TZipEngine::libraryCallbackEntry(AmxCallbackRecord *record) noexcept
{
    if (!record || !amx::isEngineInLibraryCall(record->caller))
        return 0;
    // Faults from here on are the program's own, not the library's.
    amx::ContainmentPause pause;
    return static_cast<TZipEngine *>(record->caller)->libraryCallback(*record);
}

int32_t TZipEngine::libraryCallback(const AmxCallbackRecord &record)
{
    // An exception must not unwind through the library's frames: keep the
    // first one for the caller and ask the library to stop.
    if (m_handlerError)
        return -1;
    try {
        switch (record.action) {
        case AMX_ACTION_NEW_FILE:
            if (OnProgress)
                OnProgress(*this, ProgressType::ProgressNewFile, recordText(record),
                    recordFileSize(record));
            break;
        case AMX_ACTION_STEP:
            if (OnProgress)
                OnProgress(*this, ProgressType::ProgressStep, " ", 0);
            break;
        case AMX_ACTION_END:
            if (OnProgress)
                OnProgress(*this, ProgressType::ProgressEnd, " ", 0);
            break;
        case AMX_ACTION_WAIT:
            waitingForWriter(recordText(record));
            break;
        case AMX_ACTION_MESSAGE:
            if (isFailureMessage(record.errorCode))
                ++FailureCount;
            if (OnMessage)
                OnMessage(*this, record.errorCode, amx::trimLibraryMessage(recordText(record)));
            break;
        default:
            break;
        }
    } catch (...) {
        m_handlerError = std::current_exception();
        CancelRequested = true; // no further batches either
        return -1;
    }
    return CancelRequested ? -1 : 0;
}

void TZipEngine::waitingForWriter(const std::string &archive)
{
    if (OnProgress)
        OnProgress(*this, ProgressType::ProgressWait, archive, 0);
    if (WriterWaitSeconds <= 0 || CancelRequested)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!m_waitStart)
        m_waitStart = now;
    else if (now - *m_waitStart >= std::chrono::seconds(WriterWaitSeconds)) {
        notice("Another program is still writing " + archive + "; gave up after "
            + std::to_string(WriterWaitSeconds)
            + (WriterWaitSeconds == 1 ? " second." : " seconds."));
        CancelRequested = true;
    }
}
