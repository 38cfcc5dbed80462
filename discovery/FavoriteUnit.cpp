#include "FavoriteUnit.h"

#include "DiscoveryHost.h"

#include "FileIcons.h"
#include "Guard.h"
#include "Text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

void FavoriteModel::setFiles(std::vector<FavoriteFile> files)
{
    beginResetModel();
    m_files = std::move(files);
    endResetModel();
}

int FavoriteModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_files.size());
}

int FavoriteModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant FavoriteModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || static_cast<size_t>(index.row()) >= m_files.size())
        return {};
    const FavoriteFile &file = m_files[static_cast<size_t>(index.row())];
    if (role == Qt::DecorationRole && index.column() == 0)
        return FileIcons::forName(QStringLiteral("archive.zip")).icon;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return qs(file.Name);
    case 1:
        return qs(file.Modified);
    case 2:
        return qs(file.Folder);
    }
    return {};
}

QVariant FavoriteModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *captions[] = { QT_TR_NOOP("Name"), QT_TR_NOOP("Modified"),
        QT_TR_NOOP("Folder") };
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 2)
        return {};
    return tr(captions[section]);
}

TFavoriteForm::TFavoriteForm()
    : AmxDialog(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)
{
    setObjectName(QStringLiteral("FavoriteForm"));
    setWindowTitle(tr("Favorite Zip Folders"));
    resize(560, 380);

    SortType = new QLabel(tr("Files in Favorite Zip Folders:"), this);
    SortType->setObjectName(QStringLiteral("SortType"));
    m_model = new FavoriteModel(this);
    FileList = new QTreeView(this);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setAccessibleName(tr("Files in Favorite Zip Folders"));
    FileList->setModel(m_model);
    FileList->setRootIsDecorated(false);
    FileList->setUniformRowHeights(true);
    FileList->setSelectionBehavior(QAbstractItemView::SelectRows);
    FileList->setSelectionMode(QAbstractItemView::SingleSelection);
    FileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FileList->header()->setSectionsClickable(true);
    FileList->header()->setSortIndicatorShown(false);
    FileList->setColumnWidth(0, 180);
    FileList->setColumnWidth(1, 190);
    FileName = new QLabel(tr("No file selected."), this);
    FileName->setObjectName(QStringLiteral("FileName"));
    FileName->setTextFormat(Qt::PlainText);
    FileType = new QComboBox(this);
    FileType->setObjectName(QStringLiteral("FileType"));
    FileType->addItem(tr("Zip files"));
    auto *typeLabel = new QLabel(tr("Files of &type:"), this);
    typeLabel->setBuddy(FileType);

    OKButt = new QPushButton(tr("&Open"), this);
    OKButt->setObjectName(QStringLiteral("OKButt"));
    OKButt->setDefault(true);
    OKButt->setEnabled(false);
    CancelButt = new QPushButton(tr("Cancel"), this);
    CancelButt->setObjectName(QStringLiteral("CancelButt"));
    SearchButt = new QPushButton(tr("&Search..."), this);
    SearchButt->setObjectName(QStringLiteral("SearchButt"));
    OptionsButt = new QPushButton(tr("O&ptions..."), this);
    OptionsButt->setObjectName(QStringLiteral("OptionsButt"));
    for (QPushButton *b : { CancelButt, SearchButt, OptionsButt })
        b->setAutoDefault(false);

    auto *bottom = new QGridLayout;
    bottom->addWidget(FileName, 0, 0, 1, 2);
    bottom->addWidget(OKButt, 0, 2);
    bottom->addWidget(typeLabel, 1, 0);
    bottom->addWidget(FileType, 1, 1);
    bottom->addWidget(CancelButt, 1, 2);
    bottom->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SearchButt);
    buttons->addWidget(OptionsButt);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SortType);
    layout->addWidget(FileList, 1);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    connect(FileList->header(), &QHeaderView::sectionClicked, this,
        guarded(this, &TFavoriteForm::FileListColumnClick));
    connect(FileList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        guard([this] {
            FileListChange();
        });
    });
    connect(FileList, &QTreeView::doubleClicked, this, [this] {
        guard([this] {
            OKButtClick();
        });
    });
    connect(OKButt, &QPushButton::clicked, this, guarded(this, &TFavoriteForm::OKButtClick));
    connect(CancelButt, &QPushButton::clicked, this, &QWidget::close);
    connect(SearchButt, &QPushButton::clicked, this, &TFavoriteForm::searchRequested);
    connect(OptionsButt, &QPushButton::clicked, this, &TFavoriteForm::optionsRequested);
}

void TFavoriteForm::FormShow()
{
    FileType->setCurrentIndex(0);
    FileList->setFocus();
    if (m_host && m_host->favoriteSortOrder() != FavoriteUnsorted)
        SortType->setText(sortTypeText(m_host->favoriteSortOrder()));
    ScanFavorites();
}

void TFavoriteForm::ScanFavorites()
{
    if (!m_host)
        return;
    std::vector<FavoriteFile> files = scanFavorites(m_host->favoriteFolders());
    sortFavorites(files, m_host->favoriteSortOrder());
    m_model->setFiles(std::move(files));
    FileListChange();
}

void TFavoriteForm::FileListColumnClick(int column)
{
    if (!m_host)
        return;
    int &order = m_host->favoriteSortOrder();
    order = orderAfterColumnClick(order, column);
    SortType->setText(sortTypeText(order));
    ScanFavorites();
}

void TFavoriteForm::FileListChange()
{
    const QModelIndexList rows = FileList->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        FileName->setText(tr("No file selected."));
        OKButt->setEnabled(false);
        return;
    }
    const FavoriteFile &file = m_model->files()[static_cast<size_t>(rows.first().row())];
    FileName->setText(tr("File name: %1").arg(qs(favoritePath(file))));
    OKButt->setEnabled(true);
}

void TFavoriteForm::OKButtClick()
{
    const QModelIndexList rows = FileList->selectionModel()->selectedRows();
    if (rows.isEmpty() || !m_host)
        return;
    const std::string path =
        favoritePath(m_model->files()[static_cast<size_t>(rows.first().row())]);
    close();
    m_host->openArchive(path);
}
