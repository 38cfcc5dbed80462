// Runs the engine's operations against the recording libraries and reads
// back what they received.
#pragma once

#include "engine/LibraryBinding.h"
#include "engine/ZipEngine.h"
#include "platform/DynamicLibrary.h"
#include "tests/support/RecordingNotices.h"
#include "tests/support/TestDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace amxtest {

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
    bool has(const std::string &key) const { return !all(key).empty(); }
    std::string text(const std::string &key) const
    {
        const auto values = all(key);
        EXPECT_EQ(values.size(), 1u) << "field " << key;
        return values.empty() ? std::string() : values.front();
    }
    long long number(const std::string &key) const { return std::stoll(text(key)); }
};

inline std::vector<RecordedCall> readCalls(const std::filesystem::path &log)
{
    std::vector<RecordedCall> calls;
    std::ifstream in(log);
    // Calls may nest (an engine started from a handler): a stack keeps them apart.
    std::vector<RecordedCall> open;
    for (std::string line; std::getline(in, line);) {
        const size_t eq = line.find('=');
        std::string key = line.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
        if (key == "begin") {
            open.emplace_back();
        } else if (key == "version") {
            continue; // counted by versionCalls()
        }
        if (open.empty())
            continue;
        open.back().lines.emplace_back(key, value);
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

inline std::string pointerText(const void *p)
{
    char text[32];
    std::snprintf(
        text, sizeof text, "%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(p)));
    return text;
}

inline const std::filesystem::path &recordingDir()
{
    static const std::filesystem::path dir = AMX_RECORDING_DIR;
    return dir;
}

enum class Op { Add, Delete, Extract, Test };

inline void run(TZipEngine &e, Op op)
{
    switch (op) {
    case Op::Add:
        e.Add();
        break;
    case Op::Delete:
        e.Delete();
        break;
    case Op::Extract:
        e.Extract();
        break;
    case Op::Test:
        e.Test();
        break;
    }
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
        if (variant == "none")
            amx::DynamicLibrary::setLookupFolder(dir.createDir("nolibs").string());
        else
            amx::DynamicLibrary::setLookupFolder((recordingDir() / variant).string());
    }

    void script(const std::string &lines) { writeFile(dir / "script.txt", lines); }

    std::vector<RecordedCall> calls() const { return readCalls(dir / "calls.log"); }

    int versionCalls() const
    {
        std::ifstream in(dir / "calls.log");
        int count = 0;
        for (std::string line; std::getline(in, line);)
            count += line == "version";
        return count;
    }

    // An archive name inside the test folder; "+name" creates the file first.
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
