// Writing extracted members below a base folder without ever following a
// link: folders opened one level at a time, files created next to what they
// replace and put in place at the end, links made last and only when they
// lead to a place inside the base folder. Every extracting library writes
// through here.
#pragma once

#include "FileUtil.h"
#include "Reporter.h"

#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

namespace amx {

// Open folders below the base, reached without following any link, so that a
// link planted in the tree can never redirect a write.
class DirCache
{
public:
    explicit DirCache(int base);

    // The folder of the first `count` parts, reached one level at a time;
    // made when missing and `create`. `made` tells whether this cache made
    // that folder, so that nothing but this extraction's own files is in it.
    std::shared_ptr<Fd> get(
        const std::vector<std::string> &parts, size_t count, bool create, bool *made = nullptr);

private:
    struct Node
    {
        uint64_t id;
        std::shared_ptr<Fd> dir;
        bool made = false;
    };

    std::shared_ptr<Fd> m_root;
    uint64_t m_lastId = 0;
    std::unordered_map<std::string, Node> m_dirs;
};

enum class WriteMode { CreateNew, CreateOrReplace, Replace };

// A file being written: removed again unless committed, so a failed check or
// a cancel never leaves a half-written file or touches the one it replaces.
// Where the file system allows, it is written unnamed and gets a name only
// when published, so that not even a crash leaves a half-written file behind.
class OutputFile
{
public:
    // An unnamed file gets its name when published; a named one is renamed
    // from `name` to `target` then.
    OutputFile(std::shared_ptr<Fd> dir, std::string name, std::string target, Fd fd, WriteMode mode,
        bool unnamed = false);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Writes in order; blocks of zeros become holes.
    void write(const char *p, size_t n, const std::string &display);
    // Leaves a hole up to `offset` (a sparse member's gap); never goes back.
    void skipTo(uint64_t offset, const std::string &display);
    uint64_t size() const { return m_pos; }
    // Starts the file again, for a second way of producing its data.
    void rewind(const std::string &display);
    // Everything but the final rename, so that it can run on a worker.
    void complete(mode_t mode, bool setMode, int64_t mtime, const std::string &display);
    // Puts the file in place. Runs only after the member was reported, so a
    // cancel answered to that report leaves the file it would replace alone.
    // False when the name was taken and the file there is to be kept.
    bool publish(const std::string &display);
    const std::string &target() const { return m_target; }

private:
    std::shared_ptr<Fd> m_dir;
    std::string m_name;
    std::string m_target;
    Fd m_fd;
    uint64_t m_pos = 0;
    uint64_t m_dataEnd = 0;
    WriteMode m_mode;
    bool m_unnamed = false;
    bool m_committed = false;
};

// Opens the file to write: the name itself when it is new, a temporary name
// beside it when an existing file is to be replaced. Returns null when the
// file exists and must be kept. In a folder this extraction made
// (`madeDir`), no file is looked for: a name taken meanwhile shows when the
// file is published.
std::unique_ptr<OutputFile> openOutput(std::shared_ptr<Fd> dir, const std::string &leaf,
    WriteMode mode, mode_t createMode, const std::string &display, bool madeDir = false);

// The bytes the folder's file system still has for the user.
uint64_t freeSpace(int folder);

// A symbolic link member, made after every file of the archive.
struct DeferredLink
{
    std::vector<std::string> parts;
    std::string target;
    std::string display;
    int64_t mtime;
};

struct LinkOptions
{
    bool overwrite = false;
    bool onlyNewer = false; // freshen, update: replace an older one only
};

// Makes the link when its target, followed through the links already there
// (this run's and those found in the base folder), stays inside the base
// folder; a chain of links each harmless on its own cannot lead out. True
// when it was made; problems are reported.
bool writeLink(int base, DirCache &dirs, const DeferredLink &link, const LinkOptions &options,
    Reporter &reporter);

} // namespace amx
