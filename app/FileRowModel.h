// Table model over FileRows for the list's four view styles.
#pragma once

#include "FileRows.h"

#include <QAbstractTableModel>

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

private:
    const FileRows &m_rows;
};
