// The walk that collects every folder holding a ".zip" entry.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

class DiskSearch
{
public:
    // folders: the collected list, appended to in the order first matches
    // are met, each folder once and with its trailing '/'.
    explicit DiskSearch(std::vector<std::string> &folders);

    // Walks root (ending in '/') depth first: a subfolder is walked before
    // the entries after it are tested. Symbolic links are never followed,
    // the walk stays on root's volume, and the kernel's pseudo file systems
    // are skipped. Returns false when cancelled; what was found stays.
    bool search(const std::string &root);

    // Thread-safe: a walk on another thread stops at its next entry.
    void cancel() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }

    // Thread-safe progress: every folder entered, every matching entry met.
    int64_t foldersSearched() const { return m_foldersSearched; }
    int64_t archivesFound() const { return m_archivesFound; }
    std::string currentFolder() const;

    // Called on the walking thread as each folder is entered.
    std::function<void(const std::string &folder)> onFolder;

private:
    void searchFolder(const std::string &folder);
    void found(const std::string &folder);

    std::vector<std::string> &m_folders;
    std::unordered_set<std::string> m_collected;
    std::atomic<int64_t> m_foldersSearched { 0 };
    std::atomic<int64_t> m_archivesFound { 0 };
    std::atomic<bool> m_cancelled { false };
    mutable std::mutex m_currentLock;
    std::string m_current;
    uint64_t m_device = 0;
    // (device, inode) of the folders being walked: a bind mount of an
    // ancestor is not entered again.
    std::vector<std::pair<uint64_t, uint64_t>> m_open;
};

// The kernel's pseudo file systems: /proc, /sys, /dev and what is below them.
bool isPseudoFolder(const std::string &folder);
