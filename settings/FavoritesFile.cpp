#include "FavoritesFile.h"

#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <stdexcept>
#include <unistd.h>

namespace FavoritesFile {

std::string defaultPath()
{
    const std::string beside = executableFolder();
    if (!beside.empty() && ::access(beside.c_str(), W_OK) == 0)
        return withSlash(beside) + "favorites.dat";
    return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Ambermox/favorites.dat"))
        .toStdString();
}

namespace {

// Line-wise reader over the whole file with the checked-number rule: leading
// blanks and line ends are skipped, the rest of the number's line is dropped.
class Lines
{
public:
    explicit Lines(QByteArray data)
        : m_data(std::move(data))
    {
    }

    bool number(long long &value)
    {
        while (m_pos < m_data.size()
            && (m_data[m_pos] == ' ' || m_data[m_pos] == '\t' || m_data[m_pos] == '\r'
                || m_data[m_pos] == '\n'))
            ++m_pos;
        qsizetype start = m_pos;
        if (m_pos < m_data.size() && (m_data[m_pos] == '-' || m_data[m_pos] == '+'))
            ++m_pos;
        qsizetype digits = m_pos;
        while (m_pos < m_data.size() && m_data[m_pos] >= '0' && m_data[m_pos] <= '9')
            ++m_pos;
        if (m_pos == digits || m_pos - digits > 9)
            return false;
        value = m_data.mid(start, m_pos - start).toLongLong();
        skipLine();
        return true;
    }

    bool line(std::string &out)
    {
        if (m_pos >= m_data.size())
            return false;
        qsizetype end = m_data.indexOf('\n', m_pos);
        if (end < 0)
            end = m_data.size();
        qsizetype stop = end;
        if (stop > m_pos && m_data[stop - 1] == '\r')
            --stop;
        out = m_data.mid(m_pos, stop - m_pos).toStdString();
        m_pos = end + 1;
        return true;
    }

private:
    void skipLine()
    {
        qsizetype end = m_data.indexOf('\n', m_pos);
        m_pos = end < 0 ? m_data.size() : end + 1;
    }

    QByteArray m_data;
    qsizetype m_pos = 0;
};

} // namespace

FavoritesReadResult read(const std::string &path, Favorites &favorites)
{
    QFile file(QString::fromStdString(path));
    if (!file.exists())
        return { false, "The file " + path + " does not exist." };
    if (!file.open(QIODevice::ReadOnly))
        return { false,
            "The file " + path + " cannot be read: " + file.errorString().toStdString() };
    Lines lines(file.readAll());
    const std::string damaged = "The file " + path + " is damaged: ";
    long long count = 0, value = 0;
    if (!lines.number(count) || count < 0)
        return { false, damaged + "the folder count is not a number." };
    if (!lines.number(value))
        return { false, damaged + "the sort order is not a number." };
    favorites.sortOrder = static_cast<int>(value & 0xFF);
    if (!lines.number(value))
        return { false, damaged + "the add mode is not a number." };
    favorites.addMode = static_cast<int>(value & 0xFF);
    favorites.folders.clear();
    std::string folder;
    for (long long i = 0; i < count; ++i) {
        if (!lines.line(folder))
            return { false,
                damaged + "it lists " + std::to_string(count) + " folders but holds "
                    + std::to_string(i) + "." };
        if (favorites.folders.size() < kMaxFolders)
            favorites.folders.push_back(folder);
    }
    return {};
}

bool fitsLine(const std::string &folder)
{
    // A carriage return alone ends a line for readers of CR LF text too.
    return folder.find_first_of("\r\n") == std::string::npos;
}

std::vector<std::string> write(const std::string &path, const Favorites &favorites)
{
    std::vector<std::string> written, left;
    for (const std::string &folder : favorites.folders)
        (fitsLine(folder) ? written : left).push_back(folder);
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    QSaveFile file(QString::fromStdString(path));
    QByteArray text;
    text += QByteArray::number(static_cast<qlonglong>(written.size())) + "\r\n";
    text += QByteArray::number(favorites.sortOrder) + "\r\n";
    text += QByteArray::number(favorites.addMode) + "\r\n";
    for (const std::string &folder : written)
        text += QByteArray::fromStdString(folder) + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw std::runtime_error("Cannot write " + path + ": " + file.errorString().toStdString());
    return left;
}

std::string keepAside(const std::string &path)
{
    const std::string aside = path + ".bad";
    return ::rename(path.c_str(), aside.c_str()) == 0 ? aside : std::string();
}

} // namespace FavoritesFile
