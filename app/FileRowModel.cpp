#include "FileRowModel.h"

#include "FileIcons.h"
#include "Text.h"

#include <algorithm>
#include <string>

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

namespace {

// Characters, not bytes: UTF-8 continuation bytes do not count.
uint32_t characters(std::string_view text)
{
    return static_cast<uint32_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

uint32_t digits(uint64_t n)
{
    uint32_t count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

uint32_t textLength(const FileRow &row, int column)
{
    switch (column) {
    case FileRowModel::NameColumn:
        return characters(row.Name);
    case FileRowModel::ModifiedColumn:
        return characters(row.Modified);
    case FileRowModel::SizeColumn:
        return digits(row.size);
    case FileRowModel::RatioColumn:
        return characters(row.Ratio);
    case FileRowModel::PackedColumn:
        return digits(row.packed);
    case FileRowModel::PathColumn:
        return characters(row.Path);
    }
    return 0;
}

} // namespace

std::vector<int> FileRowModel::sampleRows(int column, size_t longest, size_t spread) const
{
    const size_t count = m_rows.size();
    std::vector<int> rows;
    if (count <= longest + spread) {
        rows.resize(count);
        for (size_t i = 0; i < count; ++i)
            rows[i] = static_cast<int>(i);
        return rows;
    }
    std::vector<std::pair<uint32_t, int>> lengths(count);
    for (size_t i = 0; i < count; ++i)
        lengths[i] = { textLength(m_rows[i], column), static_cast<int>(i) };
    std::nth_element(lengths.begin(), lengths.begin() + static_cast<std::ptrdiff_t>(longest),
        lengths.end(), [](const auto &a, const auto &b) {
            return a.first > b.first;
        });
    rows.reserve(longest + spread);
    for (size_t i = 0; i < longest; ++i)
        rows.push_back(lengths[i].second);
    for (size_t i = 0; i < spread; ++i)
        rows.push_back(static_cast<int>(i * count / spread));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}
