// One list of rows in four view styles (large icons, small icons, list,
// details) over a single model and a single selection.
#pragma once

#include <QStackedWidget>

#include <vector>

class QAbstractItemModel;
class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QTreeView;

class FileListView : public QStackedWidget
{
    Q_OBJECT
public:
    enum ViewStyle { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };

    explicit FileListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model);
    QAbstractItemModel *model() const { return m_model; }
    QItemSelectionModel *selectionModel() const { return m_selection; }

    ViewStyle viewStyle() const { return m_style; }
    void setViewStyle(ViewStyle style);
    QAbstractItemView *currentView() const;
    // The details tree; while an icon style shows it may hold no model (see
    // setDropHiddenDetails), so measuring through it takes a DetailsInUse.
    QTreeView *detailsView() const { return m_details; }
    // On: the tree lets go of the model while an icon style shows, as the
    // icon view does while the details show: a hidden view keeps no layout
    // of a million rows. The column widths stay.
    void setDropHiddenDetails(bool on);
    // The details tree holds the model while this lives.
    class DetailsInUse
    {
    public:
        explicit DetailsInUse(FileListView &list);
        ~DetailsInUse();
        DetailsInUse(const DetailsInUse &) = delete;
        DetailsInUse &operator=(const DetailsInUse &) = delete;

    private:
        FileListView &m_list;
        bool m_wasAttached;
    };
    // What a screen reader says of the list, whichever view shows.
    void setAccessibleText(const QString &name, const QString &description);

    // Selected rows in list order.
    std::vector<int> selectedRows() const;
    int selectedCount() const;
    void selectAllRows();
    void invertSelection();
    void clearSelection();

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    void setHotTracking(bool on);
    void setGridLines(bool on);
    // Off: a click selects only through the first column.
    void setFullRowSelect(bool on);
    bool hotTracking() const { return m_hotTracking; }
    // On: a press on a selected row keeps the selection until the release,
    // so that several rows can be dragged out together.
    void setDragOut(bool on);

Q_SIGNALS:
    void selectionChanged();
    void rowClicked(int row);
    void rowDoubleClicked(int row);
    void contextMenuRequested(const QPoint &globalPos);

private:
    void connectView(QAbstractItemView *view);
    void attachIcons();
    void detachIcons();
    void attachDetails();
    void detachDetails();
    void shareSelection(QAbstractItemView *view);

    QAbstractItemModel *m_model = nullptr;
    QItemSelectionModel *m_selection = nullptr;
    QListView *m_icons;
    QTreeView *m_details;
    ViewStyle m_style = Details;
    bool m_hotTracking = false;
    bool m_dragOut = false;
    bool m_iconsAttached = false;
    bool m_detailsAttached = false;
    bool m_dropHiddenDetails = false;
    // The tree's column widths and hidden columns while it holds no model.
    std::vector<int> m_widths;
    std::vector<bool> m_hidden;
};
