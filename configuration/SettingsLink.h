// What the configuration, tip and About windows reach of the main window.
#pragma once

#include <string>

struct Settings;
class QWidget;

class SettingsLink
{
public:
    virtual ~SettingsLink() = default;
    // Centred over and disabled while a window shows.
    virtual QWidget *ownerWindow() = 0;
    virtual Settings &settings() = 0;
    // Stores every setting, then loads them again, which applies them to
    // the main window.
    virtual void saveAndReloadSettings() = 0;
    // Where the help pages and the home-page shortcut are, with its '/'.
    virtual std::string helpRoot() const = 0;
};
