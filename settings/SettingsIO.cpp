#include "SettingsIO.h"

#include <variant>

namespace SettingsIO {

namespace {

using IntField = int Settings::*;
using StringField = std::string Settings::*;
using HistoryField = History Settings::*;
// The code page chosen for recent archive n (0-based), beside its path.
struct RecentCodePage
{
    int n;
};

struct Value
{
    std::string name;
    std::variant<IntField, StringField, std::pair<HistoryField, int>, RecentCodePage> field;
};

// The one list of stored values; reading and writing both follow it.
const std::vector<Value> &table()
{
    static const std::vector<Value> values = [] {
        std::vector<Value> v;
        auto history = [&v](const char *prefix, HistoryField field) {
            for (int i = 0; i < History::kSize; ++i)
                v.push_back({ prefix + std::to_string(i + 1), std::make_pair(field, i) });
        };
        v.push_back({ "Sort order", &Settings::SortOrder });
        v.push_back({ "Last open dir", &Settings::LastOpenDir });
        v.push_back({ "Last add dir", &Settings::LastAddDir });
        history("Extract", &Settings::Extract);
        history("SelDir", &Settings::SelDir);
        v.push_back({ "Temp", &Settings::Temp });
        v.push_back({ "Viewer", &Settings::Viewer });
        history("Active_File", &Settings::ActiveFile);
        for (int i = 0; i < History::kSize; ++i)
            v.push_back({ "Active_Charset" + std::to_string(i + 1), RecentCodePage { i } });
        v.push_back({ "FullRow", &Settings::FullRow });
        v.push_back({ "GridLines", &Settings::GridLines });
        v.push_back({ "ToolbarTips", &Settings::ToolbarTips });
        v.push_back({ "FlatButtons", &Settings::FlatButtons });
        v.push_back({ "ShowToolbarText", &Settings::ShowToolbarText });
        v.push_back({ "AlignToolbar", &Settings::AlignToolbar });
        v.push_back({ "ViewToolbar", &Settings::ViewToolbar });
        v.push_back({ "ViewStatusLine", &Settings::ViewStatusLine });
        v.push_back({ "ViewStyle", &Settings::ViewStyle });
        v.push_back({ "AsWebPage", &Settings::AsWebPage });
        v.push_back({ "MainTop", &Settings::MainTop });
        v.push_back({ "MainLeft", &Settings::MainLeft });
        v.push_back({ "MainHeight", &Settings::MainHeight });
        v.push_back({ "MainWidth", &Settings::MainWidth });
        v.push_back({ "Tip of the day", &Settings::TipOfTheDay });
        return v;
    }();
    return values;
}

} // namespace

std::vector<std::string> valueNames()
{
    std::vector<std::string> names;
    for (const Value &v : table())
        names.push_back(v.name);
    return names;
}

void readValues(SettingsStore &store, Settings &settings)
{
    for (const Value &v : table()) {
        if (auto *i = std::get_if<IntField>(&v.field))
            settings.*(*i) = store.readInteger(v.name);
        else if (auto *s = std::get_if<StringField>(&v.field))
            settings.*(*s) = store.readString(v.name);
        else if (auto *h = std::get_if<std::pair<HistoryField, int>>(&v.field))
            (settings.*(h->first))[h->second] = store.readString(v.name);
        else if (auto *c = std::get_if<RecentCodePage>(&v.field)) {
            // The archives come first in the table: each one's path is known here.
            const std::string page = store.readString(v.name);
            const std::string &archive = settings.ActiveFile[c->n];
            if (!page.empty() && !archive.empty())
                settings.NameCodePages[archive] = page;
        }
    }
}

void writeValues(SettingsStore &store, const Settings &settings)
{
    store.recreateKey();
    for (const Value &v : table()) {
        if (auto *i = std::get_if<IntField>(&v.field))
            store.writeInteger(v.name, settings.*(*i));
        else if (auto *s = std::get_if<StringField>(&v.field))
            store.writeString(v.name, settings.*(*s));
        else if (auto *h = std::get_if<std::pair<HistoryField, int>>(&v.field))
            store.writeString(v.name, (settings.*(h->first))[h->second]);
        else if (auto *c = std::get_if<RecentCodePage>(&v.field)) {
            auto it = settings.NameCodePages.find(settings.ActiveFile[c->n]);
            store.writeString(v.name,
                it == settings.NameCodePages.end() || settings.ActiveFile[c->n].empty()
                    ? std::string()
                    : it->second);
        }
    }
    store.commit();
}

} // namespace SettingsIO
