#include "AddBrowser.h"

#include "FileIcons.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <QRegularExpression>

#include <algorithm>

std::string groupDigits(int64_t value)
{
    const bool negative = value < 0;
    // Through unsigned: the lowest value has no positive counterpart.
    uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

QString longTimeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return format.trimmed();
}

std::string dateTimeText(const QDateTime &time)
{
    const QLocale locale = QLocale::system();
    const QDateTime local = time.toLocalTime();
    return (locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + locale.toString(local.time(), longTimeFormat(locale)))
        .toStdString();
}

AddBrowser::AddBrowser(VolumeSource volumes)
    : m_volumes(std::move(volumes))
{
}

void AddBrowser::fill(const std::string &folder)
{
    m_folder = folder;
    if (!m_folder.empty() && m_folder.back() != '/')
        m_folder += '/';
    m_rows.clear();
    if (m_folder.empty())
        listDrives();
    else
        listFolder();
}

void AddBrowser::listFolder()
{
    const QDir dir(QString::fromStdString(m_folder));
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    m_rows.reserve(size_t(entries.size()));
    for (const QFileInfo &info : entries) {
        AddRow row;
        row.name = info.fileName().toStdString();
        row.folder = info.isDir();
        if (!row.folder) {
            row.size = info.size();
            row.sizeText = groupDigits(row.size);
        }
        row.modifiedText = dateTimeText(info.lastModified());
        m_rows.push_back(std::move(row));
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const AddRow &a, const AddRow &b) {
        if (a.folder != b.folder)
            return a.folder;
        // std::string compares as unsigned bytes.
        return lowerAscii(a.name) < lowerAscii(b.name);
    });
}

void AddBrowser::listDrives()
{
    for (const Volume &v : m_volumes()) {
        AddRow row;
        row.name = v.displayName.toStdString();
        row.root = v.root.toStdString();
        row.size = v.total;
        row.free = v.free;
        row.home = v.home;
        if (v.total >= 0) {
            row.sizeText =
                tr("%1 bytes").arg(QString::fromStdString(groupDigits(v.total))).toStdString();
            row.modifiedText =
                tr("%1 bytes")
                    .arg(QString::fromStdString(groupDigits(std::max<int64_t>(v.free, 0))))
                    .toStdString();
        }
        m_rows.push_back(std::move(row));
    }
}

QString AddBrowser::caption() const
{
    if (m_folder.empty())
        return tr("My Computer");
    std::string shown = m_folder;
    if (shown != "/")
        shown.pop_back();
    return QString::fromStdString(shown);
}

bool AddBrowser::open(size_t row)
{
    if (row >= m_rows.size())
        return false;
    const AddRow &r = m_rows[row];
    if (driveMode()) {
        fill(r.root);
        return true;
    }
    if (!r.folder)
        return false;
    fill(m_folder + r.name + '/');
    return true;
}

void AddBrowser::up()
{
    if (m_folder.empty())
        return;
    if (m_folder == "/") {
        fill({});
        return;
    }
    const size_t slash = m_folder.rfind('/', m_folder.size() - 2);
    fill(slash == std::string::npos ? std::string() : m_folder.substr(0, slash + 1));
}

AddListModel::AddListModel(AddBrowser &browser, QObject *parent)
    : QAbstractTableModel(parent)
    , m_browser(browser)
{
}

void AddListModel::reload()
{
    beginResetModel();
    endResetModel();
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int AddListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_browser.rows().size());
}

int AddListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant AddListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= 4)
        return {};
    const AddRow &row = m_browser.rows()[size_t(index.row())];
    const bool drives = m_browser.driveMode();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case 0:
            return QString::fromStdString(row.name);
        case 1:
            return QString::fromStdString(row.sizeText);
        case 2:
            if (drives)
                return QString::fromStdString(row.modifiedText);
            if (row.folder) {
                static const QString folderType =
                    QMimeDatabase().mimeTypeForName(QStringLiteral("inode/directory")).comment();
                return folderType;
            }
            return FileIcons::forFile(QString::fromStdString(m_browser.AddFolder() + row.name))
                .typeName;
        case 3:
            return drives ? QString() : QString::fromStdString(row.modifiedText);
        }
        break;
    case Qt::DecorationRole:
        if (column != 0)
            break;
        if (drives)
            return row.home
                ? FileIcons::themed(QStringLiteral("user-home"), QStringLiteral("folder"))
                : FileIcons::themed(QStringLiteral("drive-harddisk"), QStringLiteral("folder"));
        if (row.folder)
            return FileIcons::themed(QStringLiteral("folder"));
        return FileIcons::forFile(QString::fromStdString(m_browser.AddFolder() + row.name)).icon;
    case Qt::TextAlignmentRole:
        if (column == 1 || (drives && column == 2))
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant AddListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= 4)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int((section == 1 || (m_browser.driveMode() && section == 2) ? Qt::AlignRight
                                                                            : Qt::AlignLeft)
            | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const char *const folderCaptions[4] = { QT_TR_NOOP("Name"), QT_TR_NOOP("Size"),
        QT_TR_NOOP("File Type"), QT_TR_NOOP("Modified") };
    static const char *const driveCaptions[4] = { QT_TR_NOOP("Name"), QT_TR_NOOP("Total Size"),
        QT_TR_NOOP("Free Space"), "" };
    const char *caption = (m_browser.driveMode() ? driveCaptions : folderCaptions)[section];
    return *caption ? tr(caption) : QString();
}
