#include "OutputLog.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

QString lineText(const LogLines &lines, size_t row)
{
    const std::string_view line = lines.at(row);
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

// Every row as high as one line and as wide as the longest: the view asks
// for one size only, and scrolls sideways over long lines.
class LineDelegate : public QStyledItemDelegate
{
public:
    LineDelegate(const OutputLogModel &model, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_model(model)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        const int longest = m_model.longestRow();
        const int width = longest < 0
            ? 0
            : option.fontMetrics.horizontalAdvance(lineText(m_model.lines(), size_t(longest)));
        return { width + 8, option.fontMetrics.height() + 2 };
    }

private:
    const OutputLogModel &m_model;
};

} // namespace

int OutputLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(std::min<size_t>(m_lines.size(), INT_MAX));
}

QVariant OutputLogModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= m_lines.size())
        return {};
    return lineText(m_lines, size_t(index.row()));
}

void OutputLogModel::append(LogLines &&lines)
{
    if (lines.empty())
        return;
    const size_t first = m_lines.size();
    if (first >= size_t(INT_MAX))
        return;
    size_t longest = m_longest < 0 ? 0 : m_lines.at(size_t(m_longest)).size();
    int longestRow = m_longest;
    for (size_t i = 0; i < lines.size(); ++i)
        if (longestRow < 0 || lines.at(i).size() > longest) {
            longest = lines.at(i).size();
            longestRow = static_cast<int>(std::min<size_t>(first + i, INT_MAX));
        }
    const int last = static_cast<int>(std::min<size_t>(first + lines.size(), INT_MAX) - 1);
    beginInsertRows({}, static_cast<int>(first), last);
    if (m_lines.empty())
        m_lines.swap(lines);
    else
        m_lines.append(lines);
    m_longest = longestRow;
    endInsertRows();
}

void OutputLogModel::clear()
{
    beginResetModel();
    LogLines().swap(m_lines); // the memory of a large log goes too
    m_longest = -1;
    endResetModel();
}

OutputLogView::OutputLogView(QWidget *parent)
    : QListView(parent)
{
    setModel(&m_model);
    setItemDelegate(new LineDelegate(m_model, this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        m_followEnd = value == verticalScrollBar()->maximum();
    });
}

void OutputLogView::append(LogLines &&lines)
{
    m_model.append(std::move(lines));
}

void OutputLogView::clear()
{
    m_model.clear();
    m_followEnd = true;
}

void OutputLogView::updateGeometries()
{
    // The range grows with the lines (or with the window shown); the end
    // stays on show when it was.
    const bool follow = m_followEnd;
    QListView::updateGeometries();
    if (follow)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    m_followEnd = follow || m_followEnd;
}

QString OutputLogView::toPlainText() const
{
    QStringList out;
    const LogLines &lines = m_model.lines();
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i)
        out.push_back(lineText(lines, i));
    return out.join(QLatin1Char('\n'));
}

QString OutputLogView::selectedText() const
{
    // By ranges, in the order of the rows: Select All on a million lines
    // is one range, not a million indexes.
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        ranges.emplace_back(range.top(), range.bottom());
    std::sort(ranges.begin(), ranges.end());
    QStringList out;
    int next = 0;
    for (auto [top, bottom] : ranges) {
        for (int row = std::max(top, next); row <= bottom; ++row)
            out.push_back(lineText(m_model.lines(), size_t(row)));
        next = std::max(next, bottom + 1);
    }
    return out.join(QLatin1Char('\n'));
}

void OutputLogView::copy()
{
    if (selectionModel()->hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

void OutputLogView::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy) {
        copy();
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

void OutputLogView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyLines = menu.addAction(tr("&Copy"), this, &OutputLogView::copy);
    copyLines->setShortcut(QKeySequence::Copy);
    copyLines->setEnabled(selectionModel()->hasSelection());
    QAction *all = menu.addAction(tr("Select &All"), this, &QAbstractItemView::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(m_model.rowCount() > 0);
    menu.exec(event->globalPos());
}
