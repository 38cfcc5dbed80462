#include "DeleteLogic.h"

#include "ZipEngine.h"

#include <QCoreApplication>

DeleteRadios deleteRadios(size_t selectedCount)
{
    if (selectedCount > 0)
        return { true, DeleteWhat::Selected };
    return { false, DeleteWhat::Entire };
}

std::vector<std::string> deleteSpecs(
    DeleteWhat what, const std::vector<std::string> &selectedMembers, const std::string &typed)
{
    switch (what) {
    case DeleteWhat::Entire:
        return { "*.*" };
    case DeleteWhat::Selected: {
        std::vector<std::string> specs;
        specs.reserve(selectedMembers.size());
        for (const std::string &member : selectedMembers)
            specs.push_back(escapeSpec(member));
        return specs;
    }
    case DeleteWhat::Files:
        if (typed.empty())
            return {};
        return { typed };
    }
    return {};
}

std::string deleteAllQuestion(size_t members, const std::string &archiveName)
{
    if (members == 0)
        return {};
    const int n = static_cast<int>(members);
    if (members == 1)
        return QCoreApplication::translate("TDeleteForm", "Delete the only member of %1?")
            .arg(QString::fromStdString(archiveName))
            .toStdString();
    return QCoreApplication::translate("TDeleteForm", "Delete all %n members of %1?", nullptr, n)
        .arg(QString::fromStdString(archiveName))
        .toStdString();
}
