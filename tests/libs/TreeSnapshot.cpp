#include "TreeSnapshot.h"

#include "TestDir.h"

#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace fs = std::filesystem;

namespace amxtest {

static std::string fileDigest(const fs::path &p, long long size)
{
    if (size <= (1 << 20))
        return readFile(p);
    // Large files: size and CRC of the whole content.
    int fd = ::open(p.c_str(), O_RDONLY);
    uLong crc = crc32(0, nullptr, 0);
    std::string buf(1 << 20, '\0');
    ssize_t n;
    while (fd >= 0 && (n = ::read(fd, buf.data(), buf.size())) > 0)
        crc = crc32(crc, reinterpret_cast<const Bytef *>(buf.data()), uInt(n));
    if (fd >= 0)
        ::close(fd);
    return "size " + std::to_string(size) + " crc " + std::to_string(crc);
}

Tree snapshot(const fs::path &root, const SnapshotOptions &o)
{
    Tree tree;
    auto opts = o.followLinks ? fs::directory_options::follow_directory_symlink
                              : fs::directory_options::none;
    for (auto it = fs::recursive_directory_iterator(root, opts); it != fs::end(it); ++it) {
        std::string rel = it->path().lexically_relative(root).string();
        struct stat st
        {
        };
        int rc = o.followLinks ? ::stat(it->path().c_str(), &st) : ::lstat(it->path().c_str(), &st);
        if (rc != 0)
            continue;
        TreeItem item;
        if (S_ISLNK(st.st_mode)) {
            item.type = 'l';
            item.content = fs::read_symlink(it->path()).string();
        } else if (S_ISDIR(st.st_mode)) {
            item.type = 'd';
        } else {
            item.type = 'f';
            item.content = fileDigest(it->path(), st.st_size);
        }
        if (o.times && (item.type != 'd' || o.folderTimes) && item.type != 'l')
            item.mtime = st.st_mtim.tv_sec;
        if (item.type != 'l')
            item.mode = st.st_mode & 07777;
        tree[rel] = item;
    }
    return tree;
}

static std::string describe(const TreeItem &i)
{
    std::ostringstream out;
    out << i.type << " " << i.content.size() << " bytes, time " << i.mtime << ", mode " << std::oct
        << i.mode;
    return out.str();
}

std::string diffTrees(const Tree &expected, const Tree &actual)
{
    std::ostringstream out;
    for (const auto &[name, item] : expected) {
        auto it = actual.find(name);
        if (it == actual.end())
            out << "missing: " << name << "\n";
        else if (!(it->second == item))
            out << "differs: " << name << ": " << describe(item) << " vs " << describe(it->second)
                << (it->second.content == item.content ? "" : ", other content") << "\n";
    }
    for (const auto &[name, item] : actual)
        if (!expected.count(name))
            out << "unexpected: " << name << "\n";
    return out.str();
}

} // namespace amxtest
