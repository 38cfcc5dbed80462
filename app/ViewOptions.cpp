#include "ViewOptions.h"

#include "ButtonBar.h"
#include "CommandActions.h"
#include "FileRowModel.h"
#include "ModifiedText.h"
#include "Settings.h"
#include "StatusPanel.h"
#include "WindowPlacement.h"

#include "FileListView.h"
#include "Guard.h"

#include <QAction>
#include <QHeaderView>
#include <QStyle>
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
    const FileListView::DetailsInUse inUse(m_list);
    QTreeView *tree = m_list.detailsView();
    const auto *model = qobject_cast<const FileRowModel *>(tree->model());
    // The header counts too, or a column of short numbers cuts its caption
    // ("Packed" to "ked").
    for (int c = 0; c < 6; ++c) {
        int width = std::max(tree->header()->sectionSizeHint(c), 8);
        // The longest texts and a sample of the rest stand for every row: a
        // list of a million rows fits at once.
        if (model) {
            for (int row : model->sampleRows(c, 64, 512))
                width = std::max(width,
                    static_cast<const QAbstractItemView *>(tree)
                        ->sizeHintForIndex(model->index(row, c))
                        .width());
        } else {
            tree->header()->setResizeContentsPrecision(-1);
            width =
                std::max(width, static_cast<const QAbstractItemView *>(tree)->sizeHintForColumn(c));
        }
        m_list.setColumnWidth(c, width);
    }
}

std::array<int, 6> fittedColumnWidths(const FileListView &list)
{
    const QTreeView *view = list.detailsView();
    const QFontMetrics fm = view->fontMetrics();
    // A cell's text margins on both sides, and the grid line.
    const int margins =
        2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 1;
    // A date and time wide in most formats: two-digit day and month, a
    // 12-hour clock's widest hour.
    const uint32_t wide = ((108u << 9 | 12u << 5 | 28u) << 16) | (12u << 11 | 58u << 5);
    std::array<int, 6> widths = defaultColumnWidths(list.width(),
        fm.horizontalAdvance(QString::fromStdString(modifiedText(wide))) + margins,
        fm.horizontalAdvance(QStringLiteral("100%")) + margins);
    // A caption longer than its column's designed width (in another
    // language) widens the column rather than losing letters; Path gives way.
    const QHeaderView *header = view->header();
    const int captionMargins =
        2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    for (int c = 0; c < 5 && list.model(); ++c) {
        const QString caption = list.model()->headerData(c, Qt::Horizontal).toString();
        const int room = header->fontMetrics().horizontalAdvance(caption) + captionMargins;
        if (widths[static_cast<size_t>(c)] < room) {
            widths[5] -= room - widths[static_cast<size_t>(c)];
            widths[static_cast<size_t>(c)] = room;
        }
    }
    return widths;
}

void ViewOptions::DefaultColumnsClick()
{
    const std::array<int, 6> widths = fittedColumnWidths(m_list);
    for (int c = 0; c < 6; ++c)
        m_list.setColumnWidth(c, std::max(widths[static_cast<size_t>(c)], 0));
}
