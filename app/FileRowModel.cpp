#include "FileRowModel.h"

#include "FileIcons.h"
#include "Text.h"

FileRowModel::FileRowModel(const FileRows &rows, QObject *parent)
    : QAbstractTableModel(parent)
    , m_rows(rows)
{
}

int FileRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FileRowModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QString FileRowModel::columnText(const FileRow &row, int column)
{
    switch (column) {
    case NameColumn:
        return qs(row.Name);
    case ModifiedColumn:
        return qs(row.Modified);
    case SizeColumn:
        return QString::fromStdString(sizeColumnText(row.size));
    case RatioColumn:
        return qs(row.Ratio);
    case PackedColumn:
        return QString::fromStdString(sizeColumnText(row.packed));
    case PathColumn:
        return qs(row.Path);
    }
    return {};
}

QVariant FileRowModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || static_cast<size_t>(index.row()) >= m_rows.size()
        || index.column() < 0 || index.column() >= kColumns)
        return {};
    const FileRow &row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return columnText(row, index.column());
    case Qt::DecorationRole:
        if (index.column() == NameColumn) {
            const QIcon &icon = FileIcons::forName(qs(row.Name)).icon;
            return row.encrypted ? FileIcons::withLock(icon) : icon;
        }
        break;
    case Qt::ToolTipRole:
        if (index.column() == NameColumn) {
            const QString &type = FileIcons::forName(qs(row.Name)).typeName;
            return row.encrypted ? tr("%1, encrypted").arg(type) : type;
        }
        break;
    case Qt::TextAlignmentRole:
        switch (index.column()) {
        case SizeColumn:
        case PackedColumn:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case RatioColumn:
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        default:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    return {};
}

QVariant FileRowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *captions[kColumns] = { QT_TR_NOOP("Name"), QT_TR_NOOP("Modified"),
        QT_TR_NOOP("Size"), QT_TR_NOOP("Ratio"), QT_TR_NOOP("Packed"), QT_TR_NOOP("Path") };
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns)
        return {};
    if (role == Qt::DisplayRole)
        return tr(captions[section]);
    if (role == Qt::TextAlignmentRole)
        return section == SizeColumn || section == PackedColumn
            ? QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter)
            : section == RatioColumn ? QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter)
                                     : QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
