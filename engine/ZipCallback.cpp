// What the engine makes of the libraries' events: messages trimmed of their
// line ends, and the wait for another writer of the archive.
#include "LibraryBinding.h"
#include "ZipEngine.h"

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
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
