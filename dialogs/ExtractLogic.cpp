#include "ExtractLogic.h"

#include "History.h"
#include "ZipEngine.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

RadioState initialRadios(size_t selectedCount)
{
    if (selectedCount >= 1)
        return { true, ExtractWhat::Selected };
    return { false, ExtractWhat::All };
}

std::vector<std::string> extractSpecs(
    ExtractWhat what, const std::vector<ExtractRow> &rows, const std::string &files)
{
    std::vector<std::string> specs;
    switch (what) {
    case ExtractWhat::Selected:
        for (const ExtractRow &row : rows)
            if (row.selected)
                specs.push_back(escapeSpec(row.member));
        break;
    case ExtractWhat::All:
        specs.push_back("*.*");
        break;
    case ExtractWhat::Files:
        specs.push_back(files);
        break;
    }
    return specs;
}

int64_t extractTotal(ExtractWhat what, const std::vector<ExtractRow> &rows)
{
    uint64_t total = 0;
    for (const ExtractRow &row : rows)
        if (what != ExtractWhat::Selected || row.selected)
            total += row.size;
    return static_cast<int64_t>(total);
}

std::string withoutLeadingBlanks(const std::string &text)
{
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

bool isExistingFolder(const std::string &path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool destinationValid(const std::string &text)
{
    return isExistingFolder(withoutLeadingBlanks(text));
}

std::string runFolder(const std::string &text, const std::string &currentFolder)
{
    std::string folder = withoutLeadingBlanks(text);
    if (folder.empty())
        return folder;
    if (folder.front() != '/' && !currentFolder.empty()) {
        std::string base = currentFolder;
        if (base.back() != '/')
            base += '/';
        folder = base + folder;
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

void updateExtractHistory(ExtractHistory &history, const std::string &folder)
{
    rememberEntry(history, folder);
}

std::string nearestExistingFolder(const std::string &typed)
{
    if (isExistingFolder(typed))
        return typed;
    for (size_t i = typed.size(); i-- > 0;) {
        if (typed[i] != '/')
            continue;
        // The separator at the very start stands for the root itself.
        const std::string prefix = i == 0 ? std::string("/") : typed.substr(0, i);
        if (isExistingFolder(prefix))
            return prefix;
    }
    return {};
}

std::vector<std::string> locateSteps(const std::string &target)
{
    std::vector<std::string> steps;
    if (target.empty() || target.front() != '/')
        return steps;
    steps.push_back("/");
    for (size_t i = 1; i <= target.size(); ++i)
        if (i == target.size() || target[i] == '/')
            if (i > 1 && target[i - 1] != '/')
                steps.push_back(target.substr(0, i));
    return steps;
}

std::string treeFolder(const std::string &typed, const std::string &currentFolder)
{
    std::string folder = withoutLeadingBlanks(typed);
    if (folder.empty())
        return folder;
    fs::path path(folder);
    if (path.is_relative() && !currentFolder.empty())
        path = fs::path(currentFolder) / path;
    std::string clean = path.lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean;
}
