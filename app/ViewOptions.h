// The View menu's options and the toolbar's options: each keeps its setting
// and its check mark in step and applies itself to the window.
#pragma once

#include <array>

struct Settings;
class ButtonBar;
class CommandActions;
class FileListView;
class QObject;
class StatusPanel;

class ViewOptions
{
public:
    ViewOptions(Settings &settings, const CommandActions &actions, ButtonBar &buttons,
        StatusPanel &statusPanel, FileListView &list);

    // Connects the commands; context ends the connections.
    void bind(QObject *context);
    // Applies the stored options, as at start or after the configuration.
    void apply();

    void FlatButtonsClick(bool on);
    void ShowTextClick(bool on);
    void ShowToolTipsClick(bool on);
    void ToolbarClick();
    void StatusBarClick();
    void AsWebPageClick();
    void BestFitClick();
    void DefaultColumnsClick();

private:
    bool setOption(int &setting, const char *item, bool on);

    Settings &m_settings;
    const CommandActions &m_actions;
    ButtonBar &m_buttons;
    StatusPanel &m_statusPanel;
    FileListView &m_list;
};

// The default column widths for this list in its font (see
// defaultColumnWidths); Path takes what the list's width leaves.
std::array<int, 6> fittedColumnWidths(const FileListView &list);
