#include "FavorOptUnit.h"

#include "DiscoveryHost.h"
#include "FavoriteScan.h"

#include "FileIcons.h"
#include "Guard.h"
#include "Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

TFavorOptForm::TFavorOptForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FavorOptForm"));
    setWindowTitle(tr("Ambermox Options"));
    resize(440, 340);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    auto *folders = new QWidget(PageControl1);
    folders->setObjectName(QStringLiteral("FavorZipFold"));
    DirList = new QListWidget(folders);
    DirList->setObjectName(QStringLiteral("DirList"));
    DirList->setSelectionBehavior(QAbstractItemView::SelectRows);
    DirList->setIconSize(QSize(16, 16));
    Button3 = new QPushButton(tr("&Add a folder to list"), folders);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4 = new QPushButton(tr("&Remove folder"), folders);
    Button4->setObjectName(QStringLiteral("Button4"));
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(Button3);
    listButtons->addWidget(Button4);
    listButtons->addStretch(1);
    auto *foldersLayout = new QVBoxLayout(folders);
    auto *foldersLabel =
        wrappedLabel(tr("&Ambermox will automatically list Zip files located in the following "
                        "folders. Click the button below to add or remove from your Favorite Zip "
                        "Folders."),
            folders);
    foldersLabel->setBuddy(DirList);
    foldersLayout->addWidget(foldersLabel);
    foldersLayout->addWidget(DirList, 1);
    foldersLayout->addLayout(listButtons);
    PageControl1->addTab(folders, tr("Favorite Zip Folders"));

    auto *other = new QWidget(PageControl1);
    other->setObjectName(QStringLiteral("TabSheet1"));
    RadioButton1 =
        new QRadioButton(tr("&Add the folder to the Favorite Zip Folders automatically"), other);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 =
        new QRadioButton(tr("A&sk before adding the folder to the Favorite Zip Folders"), other);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 =
        new QRadioButton(tr("&Do not add the folder to the Favorite Zip Folders"), other);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    auto *otherLayout = new QVBoxLayout(other);
    otherLayout->addWidget(
        wrappedLabel(tr("If you open a Zip file that is not in one of your Favorite Zip Folders, "
                        "Ambermox can add the folder to your Favorite Zip Folders."),
            other));
    otherLayout->addWidget(RadioButton1);
    otherLayout->addWidget(RadioButton2);
    otherLayout->addWidget(RadioButton3);
    otherLayout->addStretch(1);
    PageControl1->addTab(other, tr("Other Zip Folders"));

    layOutWithPages(PageControl1, Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, guarded(this, &TFavorOptForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TFavorOptForm::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(this, &TFavorOptForm::Button3Click));
    connect(Button4, &QPushButton::clicked, this, guarded(this, &TFavorOptForm::Button4Click));
}

void TFavorOptForm::FormShow()
{
    PageControl1->setCurrentIndex(0);
    if (!m_host)
        return;
    m_savedFolders = m_host->favoriteFolders();
    m_savedAddMode = m_host->favoriteAddMode();
    const int mode = m_host->favoriteAddMode();
    (mode == 0 ? RadioButton1 : mode == 1 ? RadioButton2 : RadioButton3)->setChecked(true);
    fillDirList();
    DirList->setFocus();
}

void TFavorOptForm::fillDirList()
{
    DirList->clear();
    const QIcon folder = FileIcons::themed(QStringLiteral("folder"));
    for (const std::string &path : m_host->favoriteFolders())
        DirList->addItem(new QListWidgetItem(folder, qs(folderShown(path))));
}

void TFavorOptForm::Button3Click()
{
    if (!m_host)
        return;
    std::string chosen =
        m_host->chooseFolder(this, tr("Select Folder"), tr("&Select Folder")).toStdString();
    if (chosen.empty())
        return;
    if (chosen.back() != '/')
        chosen += '/';
    addFolder(m_host->favoriteFolders(), chosen);
    fillDirList();
}

void TFavorOptForm::Button4Click()
{
    const QList<QListWidgetItem *> selected = DirList->selectedItems();
    if (!m_host || selected.size() != 1)
        return;
    std::vector<std::string> &folders = m_host->favoriteFolders();
    const int row = DirList->row(selected.first());
    if (row >= 0 && static_cast<size_t>(row) < folders.size())
        folders.erase(folders.begin() + row);
    fillDirList();
}

void TFavorOptForm::Button1Click()
{
    if (m_host)
        m_host->favoriteAddMode() = RadioButton1->isChecked() ? 0
            : RadioButton2->isChecked()                       ? 1
                                                              : 2;
    Q_EMIT applied();
    close();
}

void TFavorOptForm::Button2Click()
{
    if (m_host) {
        m_host->favoriteFolders() = m_savedFolders;
        m_host->favoriteAddMode() = m_savedAddMode;
    }
    close();
}
