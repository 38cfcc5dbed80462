// Reads the process's current folder at every event of every library
// operation: it must stay where it was when the watch began, before, during
// and after each operation.
#pragma once

#include "Operation.h"

#include <filesystem>

namespace amxtest {

class FolderWatch
{
public:
    FolderWatch()
        : m_start(std::filesystem::current_path())
    {
        amx::setOperationTap([this](const amx::OperationRequest &, int32_t) {
            ++m_events;
            std::error_code error;
            if (std::filesystem::current_path(error) != m_start)
                ++m_moved;
        });
    }
    ~FolderWatch() { amx::setOperationTap({}); }
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    // The events seen: that operations ran at all.
    int events() const { return m_events; }
    // No event found the process elsewhere, and it is where it began.
    bool stayed() const
    {
        std::error_code error;
        return m_moved == 0 && std::filesystem::current_path(error) == m_start;
    }

private:
    std::filesystem::path m_start;
    int m_events = 0;
    int m_moved = 0;
};

} // namespace amxtest
