#pragma once

#include "ZipEngine.h"

#include <string>
#include <vector>

namespace amxtest {

// Keeps the engine's notices instead of showing them.
struct RecordingNotices : EngineNotices
{
    std::vector<std::string> texts;
    void showNotice(const std::string &text) override { texts.push_back(text); }
};

} // namespace amxtest
