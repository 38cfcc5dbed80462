// The rules of the open archive: opening one, closing it, the recent list
// and the favourite folders. The window shows what they decide.
#pragma once

#include "Paths.h"
#include <QCoreApplication>
#include <optional>
#include <string>

struct Settings;

// What the rules ask of the window that shows the archive.
class ArchiveView
{
public:
    virtual ~ArchiveView() = default;
    // The window state of an open archive: list, commands, caption, status.
    virtual void showArchive(const std::string &path, bool readOnly) = 0;
    virtual void showNoArchive() = 0;
    // Reads the archive just opened into the list.
    virtual void listArchive() = 0;
    virtual void refreshRecent() = 0;
    virtual void acceptFileDrops(bool on) = 0;
};

class ArchiveSession
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveSession)

public:
    ArchiveSession(Settings &settings, ArchiveView &view);

    // Makes path the open archive: window state, recent list, favourites.
    // Builds no list unless it re-opened the archive as a recent item
    // itself, which it reports in ListAlreadyLoaded.
    void OpenArchive(const std::string &path);
    // Opens path and lists it unless that opening listed it already.
    void openAndLoad(const std::string &path);
    // n = 1..5. A recent archive whose file is gone leaves the list.
    void RecentItemClick(int n);
    void CloseArchive();

    std::string CurrentArchive;
    bool SkipHistoryUpdate = false;
    bool ListAlreadyLoaded = false;
    bool readOnly() const { return m_readOnly; }

private:
    void offerFavourite(const std::string &folder);
    // OpenArchive and, unless that listed it already, the list; the
    // favourites question comes last.
    void openListed(const std::string &path);

    Settings &m_settings;
    ArchiveView &m_view;
    bool m_readOnly = false;
    int m_listing = 0; // openListed calls under way
    std::optional<std::string> m_pendingFavourite; // asked once the list is read
};

// "/a/b.zip" -> "b.zip"; the folder part is folderOf (Paths.h).
std::string fileNameOf(const std::string &path);
// Read-only for us: no write permission bit at all, or the system refuses
// writing.
bool isReadOnlyFile(const std::string &path);
