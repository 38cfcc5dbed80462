// The Add dialog's browser: the folders and files of one folder, or the list
// of drives, as rows in the order the dialog shows them.
#pragma once

#include "Volumes.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct AddRow
{
    std::string name; // as stored on disk; the display name in the drive list
    bool folder = false; // a sub-folder; drives are not folders
    int64_t size = 0; // bytes of a file; a drive's total, -1 when unknown
    int64_t free = -1; // a drive's free bytes, -1 when unknown
    std::string sizeText; // grouped; empty for a folder and for an unknown drive
    std::string modifiedText; // folder mode: last write time; drive list: free space text
    std::string root; // drive list: the folder the row opens, with its '/'
    bool home = false; // drive list: the user's home folder
};

// '.' between groups of three digits from the right, whatever the locale.
std::string groupDigits(int64_t value);
// Lowers 'A'..'Z' only; a sort key, never a name to use.
std::string lowerAscii(std::string_view text);
// The local short date followed by the long time, as the system writes them.
std::string dateTimeText(const QDateTime &time);
// The locale's long time format without its time zone, which the program
// shows nowhere.
QString longTimeFormat(const QLocale &locale);

class AddBrowser
{
    Q_DECLARE_TR_FUNCTIONS(AddBrowser)

public:
    using VolumeSource = std::function<std::vector<Volume>()>;
    explicit AddBrowser(VolumeSource volumes = mountedVolumes);

    // folder: a folder ending in '/', or empty for the drive list. A folder
    // that cannot be read lists nothing.
    void fill(const std::string &folder);

    // The folder browsed, always ending in '/'; empty at the drive list.
    const std::string &AddFolder() const { return m_folder; }
    bool driveMode() const { return m_folder.empty(); }
    const std::vector<AddRow> &rows() const { return m_rows; }
    // What the caption above the list shows.
    QString caption() const;

    // A double-click on row: enters a folder or a drive and returns true;
    // false for a file (the caller adds it) and for a row that does not exist.
    bool open(size_t row);
    // To the parent folder; from "/" to the drive list. Nothing at the list.
    void up();

private:
    void listFolder();
    void listDrives();

    VolumeSource m_volumes;
    std::string m_folder;
    std::vector<AddRow> m_rows;
};

// The rows for the list view: four columns whose captions follow the mode.
class AddListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit AddListModel(AddBrowser &browser, QObject *parent = nullptr);

    // Call after every fill of the browser.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    AddBrowser &m_browser;
};
