// The disk search's walk on its own, for bench/search_bench.py: walks each
// root given and prints the collected folders and the two counters.

#include "DiskSearch.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    std::vector<std::string> folders;
    DiskSearch search(folders);
    for (int i = 1; i < argc; ++i) {
        std::string root = argv[i];
        if (root.empty() || root.back() != '/')
            root += '/';
        search.search(root);
    }
    for (const std::string &folder : folders)
        std::printf("%s\n", folder.c_str());
    std::fprintf(stderr, "%lld folders searched, %lld archives, %zu folders collected\n",
        static_cast<long long>(search.foldersSearched()),
        static_cast<long long>(search.archivesFound()), folders.size());
    return 0;
}
