#include "FileCollector.h"

#include "FileUtil.h"
#include "LinkTarget.h"
#include "PathParts.h"
#include "Wildcard.h"
#include "amx_sys.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>

namespace amx {

const char *TextBlocks::keep(std::string_view first, std::string_view second)
{
    const size_t need = first.size() + 1 + (second.empty() ? 0 : second.size() + 1);
    if (m_blocks.empty() || m_size - m_used < need) {
        m_size = std::max(blockSize, need);
        m_blocks.push_back(std::make_unique<char[]>(m_size));
        m_used = 0;
    }
    char *at = m_blocks.back().get() + m_used;
    char *p = std::copy(first.begin(), first.end(), at);
    *p++ = '\0';
    if (!second.empty()) {
        p = std::copy(second.begin(), second.end(), p);
        *p++ = '\0';
    }
    m_used += need;
    m_last = need;
    return at;
}

void TextBlocks::dropLast()
{
    m_used -= m_last;
    m_last = 0;
}

Source::Source(
    TextBlocks &text, const std::string &path, const std::string &stored, const struct stat &st)
    : m_text(text.keep(path, stored != path ? std::string_view(stored) : std::string_view()))
    , m_pathLength(uint32_t(path.size()))
    , m_storedLength(stored != path ? uint32_t(stored.size()) : 0)
    , m_mode(st.st_mode)
    // A folder's own size is that of its listing on disk: its member holds nothing.
    , m_size(S_ISDIR(st.st_mode) ? 0 : uint64_t(st.st_size))
    , m_mtime(st.st_mtim.tv_sec)
{
}

bool NameTable::insert(const std::vector<Source> &sources, size_t index)
{
    if ((m_used + 1) * 2 > m_cells.size())
        grow(sources, std::max<size_t>(1024, m_cells.size() * 2));
    const std::string_view name = sources[index].stored();
    for (size_t i = cellOf(name);; i = (i + 1) & (m_cells.size() - 1)) {
        if (m_cells[i] == 0) {
            m_cells[i] = index + 1;
            ++m_used;
            return true;
        }
        if (sources[m_cells[i] - 1].stored() == name)
            return false;
    }
}

size_t NameTable::find(const std::vector<Source> &sources, std::string_view name) const
{
    if (m_cells.empty())
        return SIZE_MAX;
    for (size_t i = cellOf(name);; i = (i + 1) & (m_cells.size() - 1)) {
        if (m_cells[i] == 0)
            return SIZE_MAX;
        if (sources[m_cells[i] - 1].stored() == name)
            return m_cells[i] - 1;
    }
}

size_t NameTable::cellOf(std::string_view name) const
{
    return std::hash<std::string_view>()(name) & (m_cells.size() - 1);
}

void NameTable::reserve(const std::vector<Source> &sources, size_t count)
{
    size_t cells = std::max<size_t>(1024, m_cells.size());
    while ((count + 1) * 2 > cells)
        cells *= 2;
    if (cells > m_cells.size())
        grow(sources, cells);
}

void NameTable::grow(const std::vector<Source> &sources, size_t cells)
{
    std::vector<size_t> old(cells, 0);
    old.swap(m_cells);
    for (size_t taken : old) {
        if (taken == 0)
            continue;
        size_t i = cellOf(sources[taken - 1].stored());
        while (m_cells[i] != 0)
            i = (i + 1) & (m_cells.size() - 1);
        m_cells[i] = taken;
    }
}

std::string dosComponent(const std::string &name)
{
    std::string base = name, ext;
    while (!base.empty() && base.front() == '.')
        base.erase(0, 1);
    size_t dot = base.rfind('.');
    if (dot != std::string::npos) {
        ext = base.substr(dot + 1);
        base.erase(dot);
    }
    auto clean = [](std::string s, size_t max) {
        std::string out;
        for (char c : s) {
            if (out.size() == max)
                break;
            auto u = static_cast<unsigned char>(c);
            if (u >= 'a' && u <= 'z')
                out += char(u - 'a' + 'A');
            else if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')
                || std::string_view("!#$%&'()-@^_`{}~").find(c) != std::string_view::npos)
                out += c;
            else if (u >= 0x80 && (u & 0xc0) == 0x80)
                continue; // the rest of a UTF-8 sequence already replaced
            else
                out += '_';
        }
        return out;
    };
    base = clean(base, 8);
    ext = clean(ext, 3);
    if (base.empty())
        base.push_back('_');
    return ext.empty() ? base : base + "." + ext;
}

std::string storedName(const std::string &path, bool isDir, bool discardDirs, bool forceDos)
{
    std::vector<std::string> parts;
    forEachPathPart(path, [&](std::string_view part) {
        // "a/../b" is stored as "b"; a ".." leading out of the folder is dropped.
        if (part != "..")
            parts.push_back(forceDos ? dosComponent(std::string(part)) : std::string(part));
        else if (!parts.empty())
            parts.pop_back();
    });
    if (discardDirs && !parts.empty())
        parts.erase(parts.begin(), parts.end() - 1);
    std::string out;
    for (const auto &p : parts)
        out += (out.empty() ? "" : "/") + p;
    if (isDir && !out.empty())
        out += '/';
    return out;
}

namespace {

struct DirCloser
{
    void operator()(DIR *d) const { closedir(d); }
};

bool isHidden(const std::string &name)
{
    return !name.empty() && name[0] == '.' && name != "." && name != "..";
}

std::string baseName(const std::string &path)
{
    std::string p = path;
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    size_t slash = p.rfind('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

class Collector
{
public:
    Collector(const AddOptions &o, const struct stat &self, Reporter &rep)
        : m_opt(o)
        , m_self(self)
        , m_rep(rep)
    {
    }

    Collection run()
    {
        for (const NameSpec &spec : m_opt.specs)
            collectSpec(spec);
        return std::move(m_out);
    }

private:
    // Links are followed; a relative path starts from the base folder.
    bool statAt(const std::string &path, struct stat &st) const
    {
        return ::fstatat(m_opt.base, path.c_str(), &st, 0) == 0;
    }

    bool isSelf(const struct stat &st) const
    {
        return m_self.st_ino != 0 && st.st_dev == m_self.st_dev && st.st_ino == m_self.st_ino;
    }

    bool add(const std::string &path, const struct stat &st)
    {
        if (isSelf(st))
            return true;
        bool dir = S_ISDIR(st.st_mode);
        if (dir && m_opt.discardDirNames)
            return true;
        std::string stored = storedName(path, dir, m_opt.discardDirNames, m_opt.forceDos);
        if (stored.empty())
            return true;
        m_out.sources.emplace_back(m_out.text, path, stored, st);
        if (!m_seen.insert(m_out.sources, m_out.sources.size() - 1)) {
            m_out.sources.pop_back();
            m_out.text.dropLast();
        } else {
            m_found += m_out.sources.back().size();
        }
        return true;
    }

    void collectSpec(const NameSpec &named)
    {
        const std::string &spec = named.text;
        if (spec.empty())
            return;
        size_t slash = spec.rfind('/');
        std::string dirPart = slash == std::string::npos ? "" : spec.substr(0, slash + 1);
        std::string namePart = spec.substr(dirPart.size());
        if (named.pattern && hasWildcard(namePart)) {
            std::string dir = unescapeName(dirPart);
            std::string pattern = namePart == "*.*" ? "*" : namePart;
            size_t before = m_out.sources.size();
            std::vector<std::pair<dev_t, ino_t>> ancestors;
            struct stat st
            {
            };
            if (statAt(dir.empty() ? "." : dir, st) && S_ISDIR(st.st_mode)) {
                ancestors.emplace_back(st.st_dev, st.st_ino);
                walkFrom(dir, pattern, ancestors);
            }
            if (m_out.sources.size() == before)
                m_rep.problem(ZipError::NotMatched, spec);
            return;
        }
        // Without a wildcard the specification names one path exactly.
        const std::string path = named.pattern ? unescapeName(spec) : spec;
        struct stat st
        {
        };
        if (!statAt(path, st)) {
            m_rep.problem(ZipError::NotMatched, path);
            return;
        }
        if (!m_opt.hidden && isHidden(baseName(path))) {
            m_rep.problem(ZipError::HiddenSkipped, path);
            return;
        }
        if (S_ISDIR(st.st_mode)) {
            std::string dir = path;
            if (dir.back() != '/')
                dir += '/';
            add(dir, st);
            if (m_opt.recurse) {
                m_out.walkedDirs.push_back(dir);
                std::vector<std::pair<dev_t, ino_t>> ancestors { { st.st_dev, st.st_ino } };
                walkFrom(dir, "*", ancestors);
            }
        } else if (S_ISREG(st.st_mode)) {
            add(path, st);
        } else {
            m_rep.problem(ZipError::NotReadable, path + " (not a regular file)", path);
        }
    }

    // A path the user named is taken as given, a link included. Inside the
    // folder it names, a link is followed only where it stays in that folder:
    // a link out of it (to the home folder, say) would pack files the user
    // never chose; it is skipped with a message naming it.
    void walkFrom(const std::string &top, const std::string &pattern,
        std::vector<std::pair<dev_t, ino_t>> &ancestors)
    {
        Fd topFd(amx_openat(
            m_opt.base, top.empty() ? "." : top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!topFd.valid()) {
            m_rep.problem(ZipError::NotReadable, top.empty() ? "." : top);
            return;
        }
        const PathLookup lookup = lookupBelow(topFd.get());
        walk(top, pattern, ancestors, lookup, {});
    }

    // dir is "" for the current directory or ends with '/'; `at` is where it
    // really lies below the folder the walk started from.
    void walk(const std::string &dir, const std::string &pattern,
        std::vector<std::pair<dev_t, ino_t>> &ancestors, const PathLookup &lookup,
        const std::vector<std::string> &at)
    {
        Fd fd(amx_openat(
            m_opt.base, dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        std::unique_ptr<DIR, DirCloser> d(fd.valid() ? fdopendir(fd.get()) : nullptr);
        if (!d) {
            m_rep.problem(ZipError::NotReadable, dir.empty() ? "." : dir);
            return;
        }
        fd.release(); // the stream owns it now
        std::vector<std::pair<std::string, unsigned char>> names;
        while (dirent *e = readdir(d.get())) {
            std::string n = e->d_name;
            if (n != "." && n != "..")
                names.emplace_back(std::move(n), e->d_type);
        }
        d.reset();
        std::sort(names.begin(), names.end());
        bool all = pattern == "*";
        for (const auto &[name, type] : names) {
            if (!m_opt.hidden && isHidden(name))
                continue;
            std::string path = dir + name;
            struct stat st
            {
            };
            // A walk of many files tells how far it got now and then: the
            // caller's bar has its total early, and a cancel is heard.
            if (++m_looked % kLookedPerReport == 0)
                m_rep.total(m_found);
            if (!statAt(path, st)) {
                m_rep.problem(ZipError::NotReadable, path);
                continue;
            }
            const bool folder = S_ISDIR(st.st_mode);
            // The archive itself is left out silently, also through a link.
            if (isSelf(st) || (folder ? !m_opt.recurse : !wildcardMatch(pattern, name, false)))
                continue;
            std::vector<std::string> where = at;
            if (!stepInto(path, name, type, lookup, where))
                continue;
            if (folder) {
                auto id = std::make_pair(st.st_dev, st.st_ino);
                if (std::find(ancestors.begin(), ancestors.end(), id) != ancestors.end()) {
                    m_rep.problem(ZipError::LinkLoop, path);
                    continue;
                }
                if (all)
                    add(path + "/", st);
                m_out.walkedDirs.push_back(path + "/");
                ancestors.push_back(id);
                walk(path + "/", pattern, ancestors, lookup, where);
                ancestors.pop_back();
            } else if (S_ISREG(st.st_mode)) {
                add(path, st);
            } else {
                m_rep.problem(ZipError::NotReadable, path + " (not a regular file)", path);
            }
        }
    }

    // Moves `where` to the entry `name` of that folder: down one level, or
    // where the entry leads when it is a link. False, with a message, for a
    // link out of the walk's folder.
    bool stepInto(const std::string &path, const std::string &name, unsigned char type,
        const PathLookup &lookup, std::vector<std::string> &where)
    {
        bool link = type == DT_LNK;
        struct stat st
        {
        };
        if (type == DT_UNKNOWN)
            link = ::fstatat(m_opt.base, path.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISLNK(st.st_mode);
        where.push_back(name);
        if (!link)
            return true;
        const std::string target = lookup(where).target;
        where.pop_back();
        const LinkEnd end = followLink(where, target, lookup);
        if (end == LinkEnd::Inside)
            return true;
        m_rep.problem(end == LinkEnd::Loop ? ZipError::LinkLoop : ZipError::UnsafeLink,
            path + " -> " + target, path);
        return false;
    }

    const AddOptions &m_opt;
    const struct stat &m_self;
    Reporter &m_rep;
    Collection m_out;
    NameTable m_seen;
    static constexpr uint64_t kLookedPerReport = 4096;
    uint64_t m_looked = 0;
    uint64_t m_found = 0; // bytes of the files collected
};

} // namespace

Collection collectSources(const AddOptions &options, const struct stat &self, Reporter &reporter)
{
    return Collector(options, self, reporter).run();
}

} // namespace amx
