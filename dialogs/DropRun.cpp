#include "DropRun.h"
#include "Paths.h"

#include <filesystem>

std::vector<DroppedName> classifyDropped(const std::vector<std::string> &paths)
{
    std::vector<DroppedName> out;
    for (const std::string &path : paths) {
        std::error_code error;
        out.push_back({ path, std::filesystem::is_directory(path, error) });
    }
    return out;
}

std::vector<AddPass> dropPasses(const std::vector<DroppedName> &dropped, const AddChoices &choices)
{
    std::vector<AddPass> passes;
    if (dropped.empty())
        return passes;
    const std::string base = folderOf(dropped.front().path);
    const AddOpts folderOptions = folderPassOptions(choices);
    AddPass named { base, folderOptions, {} };
    for (const DroppedName &d : dropped) {
        if (!d.folder)
            continue;
        if (choices.folderInfo)
            named.specs.push_back(escapeSpec(d.path) + "/*.*");
        else
            passes.push_back({ d.path + '/', folderOptions, { "*.*" } });
    }
    if (!named.specs.empty())
        passes.push_back(std::move(named));

    AddPass files { base, filePassOptions(choices), {} };
    for (const DroppedName &d : dropped)
        if (!d.folder)
            files.specs.push_back(escapeSpec(d.path));
    if (!files.specs.empty())
        passes.push_back(std::move(files));
    return passes;
}

int64_t droppedTotal(const std::vector<DroppedName> &dropped)
{
    int64_t total = 0;
    for (const DroppedName &d : dropped)
        total += d.folder ? folderSize(d.path + '/') : fileLength(d.path);
    return total;
}

std::string droppedCaption(const std::vector<std::string> &paths)
{
    if (paths.size() == 1)
        return "File dragged: " + paths.front();
    return "Files dragged: " + std::to_string(paths.size());
}
