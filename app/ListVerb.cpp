#include "ListVerb.h"

#include "FileRows.h"

#include "engine/ZipEngine.h"
#include "platform/SettingsStore.h"

#include <sys/stat.h>

namespace {

class CollectNotices : public EngineNotices
{
public:
    void showNotice(const std::string &text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

} // namespace

int runListVerb(const std::string &archive, int sortOrder, std::FILE *out, std::FILE *err)
{
    struct stat st;
    if (::stat(archive.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fprintf(err, "%s: no such archive\n", archive.c_str());
        return 2;
    }
    TZipEngine engine;
    CollectNotices notices;
    engine.setNotices(&notices);
    FileRows rows;
    try {
        engine.setZipFilename(archive);
    } catch (const std::exception &e) {
        std::fprintf(err, "%s\n", e.what());
        return 1;
    }
    for (const auto &text : notices.texts)
        std::fprintf(err, "%s\n", text.c_str());
    if (!notices.texts.empty())
        return 1;
    rows.load(engine.takeEntries());
    rows.sort(sortOrder);

    std::string line;
    for (const FileRow &r : rows.rows()) {
        line.clear();
        for (const std::string_view *field : {&r.Name, &r.Modified, &r.Size, &r.Ratio, &r.Packed, &r.Path}) {
            if (!line.empty() || field != &r.Name)
                line += '\t';
            line += *field;
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), out);
    }
    return std::fflush(out) == 0 ? 0 : 1;
}

int storedSortOrder()
{
    IniSettingsStore store;
    try {
        return store.keyExists() ? store.readInteger("Sort order") : 1;
    } catch (const SettingsError &) {
        return 1;
    }
}
