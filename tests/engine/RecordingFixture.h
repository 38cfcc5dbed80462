// Runs the engine's operations against the recording libraries and reads
// back what they received.
#pragma once

#include "DynamicLibrary.h"
#include "LibraryBinding.h"
#include "RecordingNotices.h"
#include "TestDir.h"
#include "ZipEngine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace amxtest {

// A block's numbers that were not zero, by field name.
using Fields = std::map<std::string, long long>;

// One Exec call as the recording library wrote it down.
struct RecordedCall
{
    std::vector<std::pair<std::string, std::string>> lines;

    std::vector<std::string> all(const std::string &key) const
    {
        std::vector<std::string> values;
        for (const auto &[k, v] : lines)
            if (k == key)
                values.push_back(v);
        return values;
    }
    std::string text(const std::string &key) const
    {
        const auto values = all(key);
        EXPECT_EQ(values.size(), 1u) << "field " << key;
        return values.empty() ? std::string() : values.front();
    }
    long long number(const std::string &key) const { return std::stoll(text(key)); }
    Fields fields() const
    {
        Fields out;
        std::istringstream in(text("fields"));
        for (std::string item; in >> item;)
            out[item.substr(0, item.find(':'))] = std::stoll(item.substr(item.find(':') + 1));
        return out;
    }
};

// The calls in the log, and how often the version entry point was called.
inline std::vector<RecordedCall> readCalls(
    const std::filesystem::path &log, int *versions = nullptr)
{
    std::vector<RecordedCall> calls;
    std::ifstream in(log);
    // Calls may nest (an engine started from a handler): a stack keeps them apart.
    std::vector<RecordedCall> open;
    for (std::string line; std::getline(in, line);) {
        const size_t eq = line.find('=');
        const std::string key = line.substr(0, eq);
        if (key == "version" && versions)
            ++*versions;
        if (key == "begin")
            open.emplace_back();
        if (open.empty() || key == "version")
            continue;
        open.back().lines.emplace_back(key, eq == std::string::npos ? "" : line.substr(eq + 1));
        if (key == "end") {
            calls.push_back(std::move(open.back()));
            open.pop_back();
        }
    }
    // Calls that never ended (a crash) come last.
    for (auto &call : open)
        calls.push_back(std::move(call));
    return calls;
}

inline const std::filesystem::path &recordingDir()
{
    static const std::filesystem::path dir = AMX_RECORDING_DIR;
    return dir;
}

enum class Op { Add, Delete, Extract, Test };

inline void run(TZipEngine &e, Op op)
{
    void (TZipEngine::*const ops[])() = { &TZipEngine::Add, &TZipEngine::Delete,
        &TZipEngine::Extract, &TZipEngine::Test };
    (e.*ops[static_cast<int>(op)])();
}

class RecordingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedCwd = std::filesystem::current_path();
        setenv("AMX_REC_LOG", (dir / "calls.log").c_str(), 1);
        setenv("AMX_REC_SCRIPT", (dir / "script.txt").c_str(), 1);
        useLibraries("full");
        engine.setNotices(&notices);
    }

    void TearDown() override
    {
        std::filesystem::current_path(m_savedCwd);
        amx::DynamicLibrary::setLookupFolder({});
        amx::forgetCrashedLibraries();
        unsetenv("AMX_REC_LOG");
        unsetenv("AMX_REC_SCRIPT");
    }

    // "full", "noversion", "noexec", or "none" for a folder without libraries.
    void useLibraries(const std::string &variant)
    {
        amx::DynamicLibrary::setLookupFolder(variant == "none"
                ? dir.createDir("nolibs").string()
                : (recordingDir() / variant).string());
    }

    void script(const std::string &lines) { writeFile(dir / "script.txt", lines); }

    std::vector<RecordedCall> calls(int *versions = nullptr) const
    {
        return readCalls(dir / "calls.log", versions);
    }

    // An archive name inside the test folder; "+name" creates the file first,
    // "name/" a folder.
    std::string archive(std::string name)
    {
        if (name.empty())
            return name;
        if (name.front() == '+') {
            name.erase(0, 1);
            dir.createFile(name);
        } else if (name.back() == '/') {
            name.pop_back();
            dir.createDir(name);
        }
        return (dir / name).string();
    }

    TestDir dir;
    RecordingNotices notices;
    TZipEngine engine;

private:
    std::filesystem::path m_savedCwd;
};

} // namespace amxtest
