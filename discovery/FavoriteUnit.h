// TFavoriteForm: the archives in the favourite folders, opened from here.
#pragma once

#include "FavoriteScan.h"

#include "AmxDialog.h"

#include <QAbstractTableModel>

class DiscoveryHost;
class QComboBox;
class QLabel;
class QTreeView;

class FavoriteModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setFiles(std::vector<FavoriteFile> files);
    const std::vector<FavoriteFile> &files() const { return m_files; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<FavoriteFile> m_files;
};

class TFavoriteForm : public AmxDialog
{
    Q_OBJECT
public:
    TFavoriteForm();

    void setHost(DiscoveryHost *host) { m_host = host; }

    // Lists the archives of the favourite folders again, from disk.
    void ScanFavorites();

    void FormShow() override;

Q_SIGNALS:
    void searchRequested();
    void optionsRequested();

private:
    void FileListColumnClick(int column);
    void FileListChange();
    void OKButtClick();

    DiscoveryHost *m_host = nullptr;
    FavoriteModel *m_model;
    QLabel *FileName;
    QLabel *SortType;
    QTreeView *FileList;
    QComboBox *FileType;
    QPushButton *OKButt;
    QPushButton *SearchButt;
    QPushButton *CancelButt;
    QPushButton *OptionsButt;
};
