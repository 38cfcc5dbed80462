#pragma once

#include "ZipEngine.h"

// Shows the engine's notices as the program's message boxes, for as long as it lives.
class EngineNoticeBridge : public EngineNotices
{
public:
    EngineNoticeBridge();
    ~EngineNoticeBridge() override;
    void showNotice(const std::string &text) override;
};
