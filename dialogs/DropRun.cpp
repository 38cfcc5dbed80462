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

void checkDroppedFiles(const std::vector<DroppedName> &dropped, const WalkStop &stop)
{
    for (const DroppedName &d : dropped) {
        if (stop && stop())
            return;
        if (!d.folder)
            fileLength(d.path);
    }
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
