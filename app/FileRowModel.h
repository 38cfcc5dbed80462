// Table model over FileRows for the list's four view styles.
#pragma once

#include "FileRows.h"

#include <QAbstractTableModel>

#include <vector>

class FileRowModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { NameColumn, ModifiedColumn, SizeColumn, RatioColumn, PackedColumn, PathColumn };
    static constexpr int kColumns = 6;

    explicit FileRowModel(const FileRows &rows, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The rows changed underneath: wrap the change in begin/endReset.
    void beginChange() { beginResetModel(); }
    void endChange() { endResetModel(); }

    // The text a column shows for a row.
    static QString columnText(const FileRow &row, int column);
    // The rows whose width stands for a whole column: the `longest` with the
    // most characters in it and `spread` more spread evenly over the list,
    // in ascending order without repeats. Measuring these, not every row,
    // keeps Best Fit quick on a large archive.
    std::vector<int> sampleRows(int column, size_t longest, size_t spread) const;

private:
    const FileRows &m_rows;
};
