#include "EngineNoticeBridge.h"

#include "Prompter.h"

EngineNoticeBridge::EngineNoticeBridge()
{
    TZipEngine::setDefaultNotices(this);
}

EngineNoticeBridge::~EngineNoticeBridge()
{
    TZipEngine::setDefaultNotices(nullptr);
}

void EngineNoticeBridge::showNotice(const std::string &text)
{
    Prompter::instance().notice(QString::fromStdString(text));
}
