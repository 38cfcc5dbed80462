#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace amxtest {

struct RunResult
{
    int exitCode = -1;
    std::string out; // standard output and error together
};

// Runs a program with its arguments (no shell) in the given folder.
RunResult run(const std::vector<std::string> &argv, const std::string &cwd = {});

// A program started with its arguments in the given folder, its output (and,
// unless errFd is given, its standard error) read as it comes.
class Started
{
public:
    explicit Started(
        const std::vector<std::string> &argv, const std::string &cwd = {}, int errFd = -1);
    ~Started();
    Started(const Started &) = delete;
    Started &operator=(const Started &) = delete;

    // Reads its output until the text appears; false when it ended first.
    bool waitFor(const std::string &text);
    void kill();
    // Reads the rest and waits for its end.
    RunResult finish();

private:
    bool readSome();

    int m_pid = -1;
    int m_out = -1;
    std::string m_text;
};

struct ApartResult
{
    int exitCode = -1;
    std::string out; // standard output
    std::string err; // standard error
};

// Like run(), with standard output and standard error apart.
ApartResult runApart(const std::vector<std::string> &argv, const std::string &cwd = {});

// The program under test, and it run with its arguments in the given folder.
inline const std::string kProgram = std::string(AMX_BIN_DIR) + "/ambermox";
RunResult ambermox(const std::vector<std::string> &args, const std::string &cwd = {});

inline bool has(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// Like run(), but a missing program or a non-zero exit fails loudly.
std::string runOk(const std::vector<std::string> &argv, const std::string &cwd = {});

// The jar tool: the JDK's when installed, else fastjar (both write data descriptors).
std::string jarProgram();

// Runs a Python 3 script with arguments; the script comes on the command line.
RunResult python(const std::string &script, const std::vector<std::string> &args = {},
    const std::string &cwd = {});

struct PeerMember
{
    std::string name;
    unsigned long long size = 0;
    unsigned long long packed = 0;
};

// What Python's zipfile reads from the central directory, in its order.
std::vector<PeerMember> pythonListing(const std::string &archive);

// Writes the files (name, content) into "<archive>.src/" and zips that folder's
// contents with Info-ZIP zip, without folder entries; returns the archive.
std::string zipFiles(const std::filesystem::path &archive,
    const std::vector<std::pair<std::string, std::string>> &files);

// The archive the edit tests rename in and comment on: readme.txt ("read me"),
// docs/one.txt ("one"), docs/two.txt ("two") and other/three.txt ("three"),
// and when asked that many more members docs/part<i>.txt; returns the archive.
std::string editSample(const std::filesystem::path &archive, int parts = 0);

// The members' names, sorted; none when the archive does not exist.
std::vector<std::string> sortedNames(const std::string &archive);

} // namespace amxtest
