#pragma once

// An extraction run as the window's operations run it, over the stand-in
// main window: the engine wired to its status line and log, a line per
// member, the bar over the members' bytes. Header only.

#include "FakeMainWindow.h"
#include "Peers.h"
#include "ScriptedPrompter.h"
#include "TestDir.h"
#include "ZipEngine.h"

namespace amxtest {

// An archive of count members <stem><i><ext> of size bytes each.
inline std::string sampleMembers(const std::filesystem::path &archive, int count, size_t size,
    const std::string &stem, const std::string &ext)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (int i = 0; i < count; ++i)
        files.push_back({ stem + std::to_string(i) + ext, sampleBytes(size, i) });
    return zipFiles(archive, files);
}

struct WiredExtraction
{
    TestDir dir;
    FakeMainWindow window;
    ScriptedPrompter prompter;
    Operations &ops = window.operations();
    TZipEngine engine;
    int64_t total;

    // The members as sampleMembers makes them, extracted into out/.
    WiredExtraction(int count, size_t size, const std::string &stem, const std::string &ext)
        : total(int64_t(count) * int64_t(size))
    {
        ops.wire(engine, QStringLiteral("Extracting"));
        engine.Verbose = true; // a line per member
        engine.setZipFilename(sampleMembers(dir / "a.zip", count, size, stem, ext));
        engine.ExtrBaseDir = dir.createDir("out").string() + "/";
        engine.FSpecArgs = { "*.*" };
    }

    void run()
    {
        ops.startLog();
        Operations::Running running(ops, engine, total);
        engine.Extract();
    }
};

} // namespace amxtest
