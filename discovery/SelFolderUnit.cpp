#include "SelFolderUnit.h"

#include "CFolderUnit1.h"

#include "FolderTree.h"
#include "Guard.h"
#include "History.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void rememberFolder(History &history, const std::string &chosen)
{
    std::string key = chosen;
    while (key.size() > 1 && key.back() == '/')
        key.pop_back();
    history.remember(key);
}

TSelDirForm::TSelDirForm(History &history)
    : AmxDialog(Qt::Dialog)
    , m_history(history)
{
    setWindowTitle(tr("Select Folder"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The prompt may name a file: plain text, its own '&' doubled by the caller.
    Label1->setTextFormat(Qt::PlainText);
    Destination = new QComboBox(this);
    Destination->setObjectName(QStringLiteral("Destination"));
    Destination->setEditable(true);
    Destination->setInsertPolicy(QComboBox::NoInsert);
    // Named after the prompt above it when there is one.
    Destination->setAccessibleName(tr("Folder"));
    Label1->setBuddy(Destination);
    auto *label2 = new QLabel(tr("&Folders and disk drives:"), this);
    TreeList = new FolderTree(this);
    TreeList->setObjectName(QStringLiteral("TreeList"));
    label2->setBuddy(TreeList);
    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(tr("&New..."), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Destination);
    layout->addWidget(label2);
    layout->addWidget(TreeList, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    layout->addLayout(buttons);
    resize(380, 420);

    NFolderForm = std::make_unique<TNFolderForm1>(*this);
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TSelDirForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] {
        NFolderForm->showOnTop();
    });
    connect(TreeList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        guard([=, this] {
            TreeListChange(current);
        });
    });
    connect(Destination, &QComboBox::editTextChanged, this, [this] {
        DestinationChange();
    });
}

TSelDirForm::~TSelDirForm() = default;

QString TSelDirForm::run()
{
    setOwner(SelDirCaller);
    exec();
    return SelDirResult;
}

void TSelDirForm::FormShow()
{
    SelDirResult = QStringLiteral("-1");
    {
        // Building the tree selects nothing the user chose.
        const QSignalBlocker quiet(TreeList);
        TreeList->rebuild();
    }
    Destination->clear();
    for (int i = 0; i < History::kSize; ++i)
        if (!m_history[i].empty())
            Destination->addItem(QString::fromStdString(m_history[i]));
    if (Destination->count() > 0)
        Destination->setCurrentIndex(0);
    Destination->setFocus();
    setWindowTitle(SelDirTitle);
    Label1->setText(SelDirPrompt);
    Button3->setEnabled(false);
    DestinationChange();
}

void TSelDirForm::DestinationChange()
{
    const QTreeWidgetItem *node = TreeList->currentItem();
    Button1->setEnabled(!Destination->currentText().isEmpty()
        && !(node && FolderTree::kindOf(node) == FolderTree::ComputerNode));
}

void TSelDirForm::TreeListChange(QTreeWidgetItem *current)
{
    const FolderTree::Kind kind = current ? FolderTree::kindOf(current) : FolderTree::ComputerNode;
    Button3->setEnabled(kind == FolderTree::DriveNode || kind == FolderTree::FolderNode);
    const QString folder = current ? FolderTree::folderOf(current) : QString();
    if (kind != FolderTree::ComputerNode && !folder.isEmpty())
        Destination->setEditText(folder);
    DestinationChange();
}

void TSelDirForm::showFolder(const QString &folder)
{
    TreeList->locate(folder);
    // Unreached (its creation failed): the deepest folder found is chosen.
    TreeListChange(TreeList->currentItem());
}

void TSelDirForm::Button1Click()
{
    SelDirResult = Destination->currentText();
    rememberFolder(m_history, SelDirResult.toStdString());
    accept();
}
