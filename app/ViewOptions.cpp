#include "ViewOptions.h"

#include "ButtonBar.h"
#include "CommandActions.h"
#include "Settings.h"
#include "StatusPanel.h"
#include "WindowPlacement.h"

#include "FileListView.h"
#include "Guard.h"

#include <QAction>
#include <QHeaderView>
#include <QTreeView>

ViewOptions::ViewOptions(Settings &settings, const CommandActions &actions, ButtonBar &buttons,
    StatusPanel &statusPanel, FileListView &list)
    : m_settings(settings)
    , m_actions(actions)
    , m_buttons(buttons)
    , m_statusPanel(statusPanel)
    , m_list(list)
{
}

void ViewOptions::bind(QObject *context)
{
    m_actions.bind(context, { "Toolbar1" }, [this] {
        ToolbarClick();
    });
    m_actions.bind(context, { "StatusBar1" }, [this] {
        StatusBarClick();
    });
    m_actions.bind(context, { "AsWebPage1" }, [this] {
        AsWebPageClick();
    });
    m_actions.bind(context, { "BestFit1" }, [this] {
        BestFitClick();
    });
    m_actions.bind(context, { "DefaultColumns1" }, [this] {
        DefaultColumnsClick();
    });
    // Triggering flips the check mark first: the handler gets the new state.
    constexpr std::array handlers { &ViewOptions::FlatButtonsClick, &ViewOptions::ShowTextClick,
        &ViewOptions::ShowToolTipsClick };
    for (const auto &[action, command] : m_actions.all()) {
        if (command->group != Group::Option)
            continue;
        const auto handler = handlers.at(static_cast<size_t>(command->index));
        QObject::connect(action, &QAction::triggered, context, [this, handler](bool on) {
            guard([=, this] {
                (this->*handler)(on);
            });
        });
    }
}

void ViewOptions::apply()
{
    auto toggle = [this](int value, const char *item, auto show) {
        if (value != 0 && value != 1)
            return;
        show(value == 1);
        m_actions.action(item)->setChecked(value == 1);
    };
    toggle(m_settings.AsWebPage, "AsWebPage1", [this](bool on) {
        m_list.setHotTracking(on);
    });
    toggle(m_settings.ViewStatusLine, "StatusBar1", [this](bool on) {
        m_statusPanel.setVisible(on);
    });
    toggle(m_settings.ViewToolbar, "Toolbar1", [this](bool on) {
        m_buttons.setVisible(on);
    });
    m_list.setGridLines(m_settings.GridLines == 1);
    m_list.setFullRowSelect(m_settings.FullRow == 1);
    // Each option's own command applies it, starting from the opposite check mark.
    const std::pair<int, const char *> options[] = { { m_settings.FlatButtons, "FlatButtons1" },
        { m_settings.ShowToolbarText, "ShowText1" }, { m_settings.ToolbarTips, "ShowToolTips1" } };
    for (const auto &[value, name] : options) {
        QAction *a = m_actions.action(name);
        a->setChecked(value != 1);
        a->trigger();
    }
}

// A check item's option: the setting and the check mark follow the state.
bool ViewOptions::setOption(int &setting, const char *item, bool on)
{
    setting = on ? 1 : 0;
    m_actions.action(item)->setChecked(on);
    return on;
}

void ViewOptions::FlatButtonsClick(bool on)
{
    m_buttons.setFlat(setOption(m_settings.FlatButtons, "FlatButtons1", on));
}

void ViewOptions::ShowTextClick(bool on)
{
    m_buttons.setShowText(setOption(m_settings.ShowToolbarText, "ShowText1", on));
}

void ViewOptions::ShowToolTipsClick(bool on)
{
    m_buttons.setShowTips(setOption(m_settings.ToolbarTips, "ShowToolTips1", on));
}

void ViewOptions::ToolbarClick()
{
    m_buttons.setVisible(
        setOption(m_settings.ViewToolbar, "Toolbar1", m_settings.ViewToolbar != 1));
}

void ViewOptions::StatusBarClick()
{
    m_statusPanel.setVisible(
        setOption(m_settings.ViewStatusLine, "StatusBar1", m_settings.ViewStatusLine != 1));
}

void ViewOptions::AsWebPageClick()
{
    m_list.setHotTracking(setOption(m_settings.AsWebPage, "AsWebPage1", m_settings.AsWebPage != 1));
}

void ViewOptions::BestFitClick()
{
    QTreeView *tree = m_list.detailsView();
    // Every row counts, not only those on screen; the header does not.
    tree->header()->setResizeContentsPrecision(-1);
    const QAbstractItemView *view = tree;
    for (int c = 0; c < 6; ++c)
        m_list.setColumnWidth(c, std::max(view->sizeHintForColumn(c), 8));
}

void ViewOptions::DefaultColumnsClick()
{
    const std::array<int, 6> widths = defaultColumnWidths(m_list.width());
    for (int c = 0; c < 6; ++c)
        m_list.setColumnWidth(c, std::max(widths[static_cast<size_t>(c)], 0));
}
