// Finds the files an add request names: specifications relative to the
// base folder, wildcards (backslash escapes), recursion, hidden files, links
// followed.
#pragma once

#include "AddOptions.h"
#include "Reporter.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace amx {

// Texts kept end to end in blocks that never move: a million paths as a
// million strings would each cost a heap chunk on top of the bytes.
class TextBlocks
{
public:
    // A copy of the texts, each followed by a NUL, that stays put as long as
    // this lives.
    const char *keep(std::string_view first, std::string_view second = {});
    // Gives back the room of the last keep().
    void dropLast();

private:
    static constexpr size_t blockSize = 256u << 10;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_used = 0; // in the last block
    size_t m_size = 0; // of the last block
    size_t m_last = 0; // bytes taken by the last keep()
};

// One file or folder found. A million of them are held at once, so it keeps
// only what the archive needs: where its path and member name lie in the
// collection's text, the mode, size and time.
class Source
{
public:
    Source(TextBlocks &text, const std::string &path, const std::string &stored,
        const struct stat &st);

    // As opened, relative to the base folder or absolute.
    std::string_view path() const { return std::string_view(m_text, m_pathLength); }
    // The path for a system call: the text after it starts past its NUL.
    const char *cpath() const { return m_text; }
    // The member name, '/'-separated, folders ending in '/'.
    std::string_view stored() const
    {
        return m_storedLength == 0 ? path()
                                   : std::string_view(m_text + m_pathLength + 1, m_storedLength);
    }
    uint32_t mode() const { return m_mode; }
    uint64_t size() const { return m_size; }
    int64_t mtime() const { return m_mtime; }
    bool isDir() const { return S_ISDIR(m_mode); }

private:
    const char *m_text; // the path, then a NUL and the member name when they differ
    uint32_t m_pathLength = 0;
    uint32_t m_storedLength = 0; // 0 when the member name is the path
    uint32_t m_mode = 0;
    uint64_t m_size = 0;
    int64_t m_mtime = 0;
};

// Member names of sources, as indices into them rather than copies of the
// names. Open addressing in one array: a node per name would leave a million
// small holes in the heap once the table is gone.
class NameTable
{
public:
    // Room for `count` names at once: grown step by step, the table would
    // at its last step hold its old cells beside twice as many new ones.
    void reserve(const std::vector<Source> &sources, size_t count);
    // False when a source already in the table has the same member name.
    bool insert(const std::vector<Source> &sources, size_t index);
    // The index of the source with that member name, or SIZE_MAX.
    size_t find(const std::vector<Source> &sources, std::string_view name) const;

private:
    size_t cellOf(std::string_view name) const;
    void grow(const std::vector<Source> &sources, size_t cells);

    std::vector<size_t> m_cells; // a source's index + 1, 0 when free; a power of two long
    size_t m_used = 0;
};

struct Collection
{
    TextBlocks text; // the sources' paths and names
    std::vector<Source> sources;
    // Every folder walked, parents first: the folders a move may leave empty.
    std::vector<std::string> walkedDirs;
};

// `self` is the archive's own file (device, inode), never added; pass
// st_ino 0 when it does not exist yet.
Collection collectSources(const AddOptions &options, const struct stat &self, Reporter &reporter);

// The member name stored for a path: relative, without "." and "..".
std::string storedName(const std::string &path, bool isDir, bool discardDirs, bool forceDos);
// An 8.3 upper-case form of one name component.
std::string dosComponent(const std::string &name);

} // namespace amx
