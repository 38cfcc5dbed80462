#include "FileListView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

// Grid lines drawn over each cell's right and bottom edge after the cell
// itself: the cell keeps its text room, its selection and its colours. (An
// item style sheet would take over the item's painting and lose them.)
class GridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool grid = false;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!grid)
            return;
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        const QRect r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }
};

// Large icons, the text under the icon, laid out in list mode: icon mode
// keeps a positioned record for every item, some 34 MB at a million rows,
// where list mode with uniform sizes keeps a number per row. List mode sizes
// every item as the first one measures, so under its icon an item takes the
// whole cell, as icon mode gave it.
class IconsDelegate : public QStyledItemDelegate
{
public:
    explicit IconsDelegate(QListView *view)
        : QStyledItemDelegate(view)
        , m_view(view)
    {
    }
    bool textBelow = false;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        // A few pixels short of the cell, so selected neighbours stay apart.
        if (textBelow && m_view->gridSize().isValid())
            return m_view->gridSize() - QSize(6, 4);
        return QStyledItemDelegate::sizeHint(option, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!textBelow)
            return;
        // Over the list's own alignment of the name column.
        option->showDecorationSelected = false;
        option->decorationPosition = QStyleOptionViewItem::Top;
        option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
    }

private:
    QListView *m_view;
};

} // namespace

FileListView::FileListView(QWidget *parent)
    : QStackedWidget(parent)
    , m_icons(new QListView(this))
    , m_details(new QTreeView(this))
{
    m_icons->setObjectName(QStringLiteral("iconView"));
    m_details->setObjectName(QStringLiteral("detailsView"));
    for (QAbstractItemView *view : { static_cast<QAbstractItemView *>(m_icons),
             static_cast<QAbstractItemView *>(m_details) }) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        view->setDragEnabled(false);
        // Names that differ only at their end (file000123.txt,
        // file000124.txt) stay apart when the column cuts them.
        view->setTextElideMode(Qt::ElideMiddle);
        connectView(view);
    }
    m_icons->setItemDelegate(new IconsDelegate(m_icons));
    m_icons->setUniformItemSizes(true);
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setMovement(QListView::Static);
    m_details->setUniformRowHeights(true);
    m_details->setRootIsDecorated(false);
    m_details->setItemsExpandable(false);
    m_details->setAllColumnsShowFocus(true);
    m_details->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_details->header()->setSectionsClickable(false);
    m_details->header()->setSectionsMovable(false);
    m_details->header()->setStretchLastSection(false);
    m_details->setItemDelegate(new GridDelegate(m_details));
    addWidget(m_icons);
    addWidget(m_details);
    setViewStyle(Details);
}

void FileListView::setAccessibleText(const QString &name, const QString &description)
{
    for (QWidget *view : { static_cast<QWidget *>(m_icons), static_cast<QWidget *>(m_details) }) {
        view->setAccessibleName(name);
        view->setAccessibleDescription(description);
    }
}

void FileListView::connectView(QAbstractItemView *view)
{
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        Q_EMIT rowClicked(index.row());
    });
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        Q_EMIT rowDoubleClicked(index.row());
    });
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &pos) {
        Q_EMIT contextMenuRequested(view->viewport()->mapToGlobal(pos));
    });
}

void FileListView::setModel(QAbstractItemModel *model)
{
    m_model = model;
    // One selection for both views, their own whether or not they hold the
    // model now, so switching styles keeps it.
    QItemSelectionModel *old = m_selection;
    m_selection = new QItemSelectionModel(model, this);
    m_iconsAttached = false;
    m_detailsAttached = false;
    m_icons->setModel(nullptr);
    attachDetails();
    if (m_style != Details) {
        attachIcons();
        if (m_dropHiddenDetails)
            detachDetails();
    }
    delete old;
    connect(
        m_selection, &QItemSelectionModel::selectionChanged, this, &FileListView::selectionChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &FileListView::selectionChanged);
}

void FileListView::shareSelection(QAbstractItemView *view)
{
    view->setSelectionModel(m_selection);
    // The view made its own for each model it was given; it keeps none.
    for (auto *made : view->findChildren<QItemSelectionModel *>(Qt::FindDirectChildrenOnly))
        delete made;
}

void FileListView::attachIcons()
{
    // Only while an icon style shows: a view lays its items out even hidden,
    // which for a million rows costs a good part of a second and of memory.
    if (m_iconsAttached || !m_model)
        return;
    m_iconsAttached = true;
    m_icons->setModel(m_model);
    m_icons->setModelColumn(0);
    shareSelection(m_icons);
}

void FileListView::detachIcons()
{
    if (!m_iconsAttached)
        return;
    m_iconsAttached = false;
    m_icons->setModel(nullptr);
}

void FileListView::attachDetails()
{
    if (m_detailsAttached || !m_model)
        return;
    m_detailsAttached = true;
    m_details->setModel(m_model);
    shareSelection(m_details);
    for (size_t c = 0; c < m_widths.size(); ++c) {
        m_details->setColumnWidth(static_cast<int>(c), m_widths[c]);
        m_details->setColumnHidden(static_cast<int>(c), m_hidden[c]);
    }
    m_widths.clear();
    m_hidden.clear();
}

void FileListView::detachDetails()
{
    if (!m_detailsAttached)
        return;
    const int columns = m_model ? m_model->columnCount() : 0;
    m_widths.resize(static_cast<size_t>(columns));
    m_hidden.resize(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        m_widths[static_cast<size_t>(c)] = m_details->columnWidth(c);
        m_hidden[static_cast<size_t>(c)] = m_details->isColumnHidden(c);
    }
    m_detailsAttached = false;
    m_details->setModel(nullptr);
}

void FileListView::setDropHiddenDetails(bool on)
{
    m_dropHiddenDetails = on;
    if (on && m_style != Details)
        detachDetails();
    else
        attachDetails();
}

FileListView::DetailsInUse::DetailsInUse(FileListView &list)
    : m_list(list)
    , m_wasAttached(list.m_detailsAttached)
{
    // The tree lays its rows out only once back in the event loop: a
    // measure in between costs no layout.
    m_list.attachDetails();
}

FileListView::DetailsInUse::~DetailsInUse()
{
    if (!m_wasAttached && m_list.m_dropHiddenDetails && m_list.m_style != Details)
        m_list.detachDetails();
}

void FileListView::setViewStyle(ViewStyle style)
{
    m_style = style;
    if (style != Details) {
        attachIcons();
        if (m_dropHiddenDetails)
            detachDetails();
    } else {
        attachDetails();
        detachIcons();
    }
    static_cast<IconsDelegate *>(m_icons->itemDelegate())->textBelow = style == LargeIcons;
    switch (style) {
    case LargeIcons:
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setFlow(QListView::LeftToRight);
        m_icons->setWrapping(true);
        m_icons->setIconSize(QSize(32, 32));
        m_icons->setGridSize(QSize(96, 68));
        m_icons->setWordWrap(true);
        setCurrentWidget(m_icons);
        break;
    case SmallIcons:
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setFlow(QListView::LeftToRight);
        m_icons->setWrapping(true);
        m_icons->setIconSize(QSize(16, 16));
        m_icons->setGridSize(QSize(160, 20));
        m_icons->setWordWrap(false);
        setCurrentWidget(m_icons);
        break;
    case List:
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setFlow(QListView::TopToBottom);
        m_icons->setWrapping(true);
        m_icons->setIconSize(QSize(16, 16));
        m_icons->setGridSize(QSize(180, 20));
        m_icons->setWordWrap(false);
        setCurrentWidget(m_icons);
        break;
    case Details:
        setCurrentWidget(m_details);
        break;
    }
    // The icon views keep their own layout mode; a fresh layout avoids stale positions.
    m_icons->doItemsLayout();
    // Changing the mode resets it.
    m_icons->setDragEnabled(m_dragOut);
}

void FileListView::setDragOut(bool on)
{
    m_dragOut = on;
    m_icons->setDragEnabled(on);
    m_details->setDragEnabled(on);
}

QAbstractItemView *FileListView::currentView() const
{
    return m_style == Details ? static_cast<QAbstractItemView *>(m_details) : m_icons;
}

std::vector<int> FileListView::selectedRows() const
{
    std::vector<int> rows;
    if (!m_selection)
        return rows;
    // Column 0 decides: without full-row selection only the name is selected.
    // Read from the ranges, not an index per cell: Select All on a large
    // archive would make millions of them.
    for (const QItemSelectionRange &range : m_selection->selection())
        if (range.isValid() && range.left() == 0)
            for (int row = range.top(); row <= range.bottom(); ++row)
                rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int FileListView::selectedCount() const
{
    return static_cast<int>(selectedRows().size());
}

void FileListView::selectAllRows()
{
    if (!m_model || m_model->rowCount() == 0)
        return;
    const QItemSelection all(
        m_model->index(0, 0), m_model->index(m_model->rowCount() - 1, m_model->columnCount() - 1));
    m_selection->select(all, QItemSelectionModel::Select);
}

void FileListView::invertSelection()
{
    if (!m_model || m_model->rowCount() == 0)
        return;
    const QItemSelection all(
        m_model->index(0, 0), m_model->index(m_model->rowCount() - 1, m_model->columnCount() - 1));
    m_selection->select(all, QItemSelectionModel::Toggle);
}

void FileListView::clearSelection()
{
    if (m_selection)
        m_selection->clearSelection();
}

int FileListView::columnWidth(int column) const
{
    if (!m_detailsAttached && column >= 0 && static_cast<size_t>(column) < m_widths.size())
        return m_widths[static_cast<size_t>(column)];
    return m_details->columnWidth(column);
}

void FileListView::setColumnWidth(int column, int width)
{
    if (!m_detailsAttached && column >= 0 && static_cast<size_t>(column) < m_widths.size())
        m_widths[static_cast<size_t>(column)] = width;
    else
        m_details->setColumnWidth(column, width);
}

void FileListView::setHotTracking(bool on)
{
    m_hotTracking = on;
    for (QAbstractItemView *view : { static_cast<QAbstractItemView *>(m_icons),
             static_cast<QAbstractItemView *>(m_details) }) {
        view->setMouseTracking(on);
        view->viewport()->setAttribute(Qt::WA_Hover, on);
    }
}

void FileListView::setGridLines(bool on)
{
    static_cast<GridDelegate *>(m_details->itemDelegate())->grid = on;
    m_details->viewport()->update();
}

void FileListView::setFullRowSelect(bool on)
{
    m_details->setSelectionBehavior(
        on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}
