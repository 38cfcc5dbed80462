// The View menu's "Name Encoding": the code page the open archive's names
// are read in when they are not marked UTF-8. The choice holds for every
// operation on that archive and is remembered with the recent archives.
#pragma once

#include <QCoreApplication>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QMenu;
struct Settings;

class NameEncodingMenu
{
    Q_DECLARE_TR_FUNCTIONS(NameEncodingMenu)

public:
    // Fills menu; reload lists the open archive again.
    NameEncodingMenu(QMenu &menu, Settings &settings, std::function<void()> reload);

    // Before archive is listed: its remembered choice holds for every engine.
    void applyTo(const std::string &archive);
    // After it was listed: the check marks, and what Automatic found.
    void showListed(const std::string &codePage);
    // What the items do: "" is Automatic, else "UTF-8" or a code page.
    void choose(const std::string &choice);

private:
    std::string chosen() const;

    Settings &m_settings;
    std::function<void()> m_reload;
    std::string m_archive;
    QAction *m_automatic = nullptr;
    std::vector<std::pair<QAction *, std::string>> m_items;
};
