#include "DropRun.h"
#include "Paths.h"

#include <QCoreApplication>
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
    if (dropped.empty())
        return {};
    std::vector<AddItem> items;
    for (const DroppedName &d : dropped)
        items.push_back({ d.path, d.path, d.folder });
    return planAddPasses(folderOf(dropped.front().path), items, choices);
}

int64_t droppedTotal(const std::vector<DroppedName> &dropped, const WalkStop &stop)
{
    int64_t total = 0;
    for (const DroppedName &d : dropped)
        total += d.folder ? folderSize(d.path + '/', stop) : fileLength(d.path);
    return total;
}

std::string droppedCaption(const std::vector<std::string> &paths)
{
    if (paths.size() == 1)
        return QCoreApplication::translate("TDragForm", "File dragged: %1")
            .arg(QString::fromStdString(paths.front()))
            .toStdString();
    return QCoreApplication::translate("TDragForm", "Files dragged: %1")
        .arg(paths.size())
        .toStdString();
}
