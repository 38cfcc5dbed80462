#include "LinkTarget.h"

#include "PathParts.h"

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace amx {

namespace {

// As many links as the system follows in one path.
constexpr int maxHops = 40;

class Follower
{
public:
    explicit Follower(const PathLookup &lookup)
        : m_lookup(lookup)
    {
    }

    LinkEnd follow(std::vector<std::string> &at, std::string_view target)
    {
        if (target.empty() || target.front() == '/' || target.find('\0') != std::string_view::npos)
            return LinkEnd::Leaves;
        // Whether every name so far in this target was a real folder: only
        // then does ".." mean the same thing tomorrow.
        bool solid = true;
        LinkEnd end = LinkEnd::Inside;
        forEachPathPart(target, [&](std::string_view part) {
            if (end != LinkEnd::Inside)
                return;
            if (part == "..") {
                if (!solid || at.empty())
                    end = LinkEnd::Leaves;
                else
                    at.pop_back();
                return;
            }
            at.emplace_back(part);
            PathNode node = m_lookup(at);
            if (node.kind == PathNode::Kind::Folder)
                return;
            solid = false;
            if (node.kind != PathNode::Kind::Link)
                return;
            if (++m_hops > maxHops) {
                end = LinkEnd::Loop;
                return;
            }
            at.pop_back();
            end = follow(at, node.target);
        });
        return end;
    }

private:
    const PathLookup &m_lookup;
    int m_hops = 0;
};

} // namespace

LinkEnd followLink(std::vector<std::string> &at, std::string_view target, const PathLookup &lookup)
{
    return Follower(lookup).follow(at, target);
}

LinkEnd checkNewLink(
    const std::vector<std::string> &parent, std::string_view target, const PathLookup &lookup)
{
    std::vector<std::string> at;
    for (const std::string &part : parent) {
        at.push_back(part);
        PathNode node = lookup(at);
        if (node.kind == PathNode::Kind::Missing)
            break;
        if (node.kind != PathNode::Kind::Folder)
            return LinkEnd::Leaves;
    }
    at = parent;
    return followLink(at, target, lookup);
}

PathLookup lookupBelow(int root)
{
    return [root](const std::vector<std::string> &path) {
        std::string joined;
        for (const std::string &part : path)
            joined += (joined.empty() ? "" : "/") + part;
        PathNode node;
        struct stat st
        {
        };
        if (joined.empty()) {
            node.kind = PathNode::Kind::Folder;
        } else if (::fstatat(root, joined.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            node.kind = PathNode::Kind::Missing;
        } else if (S_ISDIR(st.st_mode)) {
            node.kind = PathNode::Kind::Folder;
        } else if (S_ISLNK(st.st_mode)) {
            char buf[PATH_MAX];
            ssize_t n = ::readlinkat(root, joined.c_str(), buf, sizeof buf);
            // A link that cannot be read whole keeps an empty target, which leads nowhere safe.
            node.kind = PathNode::Kind::Link;
            if (n > 0 && size_t(n) < sizeof buf)
                node.target.assign(buf, size_t(n));
        } else {
            node.kind = PathNode::Kind::Other;
        }
        return node;
    };
}

} // namespace amx
