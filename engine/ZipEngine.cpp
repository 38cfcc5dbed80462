#include "ZipEngine.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <utility>

namespace {

class StderrNotices : public EngineNotices
{
public:
    void showNotice(const std::string &text) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
};

StderrNotices stderrNotices;
EngineNotices *defaultNotices = &stderrNotices;

} // namespace

namespace {

std::mutex g_codePagesLock;
std::map<std::string, std::string> g_codePages; // by the archive's absolute path

std::string archiveKey(const std::string &archive)
{
    std::error_code error;
    const std::filesystem::path p = std::filesystem::absolute(archive, error);
    return error ? archive : p.lexically_normal().string();
}

} // namespace

void TZipEngine::chooseNameCodePage(const std::string &archive, const std::string &codePage)
{
    const std::lock_guard lock(g_codePagesLock);
    if (codePage.empty())
        g_codePages.erase(archiveKey(archive));
    else
        g_codePages[archiveKey(archive)] = codePage;
}

std::string TZipEngine::chosenNameCodePage(const std::string &archive)
{
    const std::lock_guard lock(g_codePagesLock);
    auto it = g_codePages.find(archiveKey(archive));
    return it == g_codePages.end() ? std::string() : it->second;
}

std::string TZipEngine::effectiveNameCodePage() const
{
    return NameCodePage.empty() ? chosenNameCodePage(m_zipFilename) : NameCodePage;
}

std::string escapeSpec(const std::string &name)
{
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        if (c == '*' || c == '?' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

bool isFailureMessage(int32_t errCode)
{
    // The libraries' codes for the messages that are only information.
    constexpr int32_t kCancelled = 17, kExists = 13, kNothingToDo = 19, kHiddenSkipped = 20;
    switch (errCode) {
    case 0:
    case kCancelled:
    case kExists:
    case kNothingToDo:
    case kHiddenSkipped:
        return false;
    default:
        return true;
    }
}

TZipEngine::TZipEngine() = default;
TZipEngine::~TZipEngine() = default;

void TZipEngine::setDefaultNotices(EngineNotices *sink)
{
    defaultNotices = sink ? sink : &stderrNotices;
}

void TZipEngine::notice(const std::string &text)
{
    (m_notices ? m_notices : defaultNotices)->showNotice(text);
}

void TZipEngine::setZipFilename(const std::string &name)
{
    m_zipFilename = name;
    m_listing = true;
    List();
}

void TZipEngine::swapListing(TZipEngine &other) noexcept
{
    using std::swap;
    swap(m_zipFilename, other.m_zipFilename);
    swap(m_listing, other.m_listing);
    swap(m_entries, other.m_entries);
    swap(m_directoryMismatchCount, other.m_directoryMismatchCount);
    swap(m_directoryDamage, other.m_directoryDamage);
    swap(m_nameCodePage, other.m_nameCodePage);
    swap(m_comment, other.m_comment);
    swap(m_format, other.m_format);
    swap(m_split, other.m_split);
    swap(m_formatName, other.m_formatName);
    swap(m_streamDamage, other.m_streamDamage);
}

void TZipEngine::useArchive(const std::string &name)
{
    m_zipFilename = name;
    m_listing = false;
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_directoryMismatchCount = 0;
    m_directoryDamage.clear();
}

int TZipEngine::EntryCount() const
{
    return m_zipFilename.empty() ? 0 : static_cast<int>(m_entries.size());
}

std::string TZipEngine::DirectoryNotice() const
{
    if (!m_streamDamage.empty())
        return "The archive cannot be read to its end (" + m_streamDamage
            + "). The members before the damage are listed.";
    if (!m_directoryDamage.empty())
        return "The archive's directory is damaged (" + m_directoryDamage
            + "). Extraction follows the directory.";
    if (m_directoryMismatchCount == 0)
        return {};
    return "The archive's directory does not match its contents: "
        + std::to_string(m_directoryMismatchCount)
        + (m_directoryMismatchCount == 1 ? " member differs" : " members differ")
        + ". Extraction follows the directory.";
}
