// A folder tree as a comparable value: type, content, time and mode of
// every entry, so two extractions can be compared in one assertion.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace amxtest {

struct TreeItem
{
    char type = '?'; // 'f' file, 'd' folder, 'l' link
    std::string content; // file bytes (hashed when large) or link target
    long long mtime = 0;
    unsigned mode = 0;
    bool operator==(const TreeItem &) const = default;
};

struct SnapshotOptions
{
    bool followLinks = false; // as an archiver that follows links sees the tree
    bool times = true;
    bool folderTimes = false;
};

using Tree = std::map<std::string, TreeItem>;

Tree snapshot(const std::filesystem::path &root, const SnapshotOptions &options = {});
// Empty when equal, else a readable list of differences.
std::string diffTrees(const Tree &expected, const Tree &actual);

} // namespace amxtest
