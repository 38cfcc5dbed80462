// The favourites, options, search and find windows on the main window.

#include "CFolderUnit2.h"
#include "DiscoveryCommands.h"
#include "DiscoveryHost.h"
#include "ExtractUnit.h"
#include "FavorOptUnit.h"
#include "FavoriteUnit.h"
#include "FileListView.h"
#include "FindUnit.h"
#include "FolderTree.h"
#include "SearchUnit.h"
#include "SelFolderUnit.h"

#include "MainWindow.h"
#include "Peers.h"
#include "TestDir.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace amxtest;

namespace {

// The windows of this folder joined to a main window, as the program does.
struct Discovery
{
    TFavoriteForm favorites;
    TFavorOptForm options;
    TSearchForm search;
    TFindForm find;
    explicit Discovery(TMainForm &form)
    {
        connectDiscovery(form, favorites, options, search, find);
    }
};

template <typename T> T *child(QWidget &w, const char *name)
{
    auto *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

} // namespace

class DiscoveryFormsTest : public QObject
{
    Q_OBJECT

    WindowDir m_dir;

    std::string makeArchive(const std::string &rel, const std::vector<std::string> &members)
    {
        const std::string path = (m_dir / rel).string();
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::vector<std::string> args { path };
        args.insert(args.end(), members.begin(), members.end());
        python("import sys, zipfile\n"
               "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
               "    for n in sys.argv[2:]: z.writestr(n, 'x' * 1000)\n",
            args);
        return path;
    }

private Q_SLOTS:
    void favoritesSortByColumnsAndOpen()
    {
        const std::string zips = m_dir.str() + "/zips/";
        makeArchive("zips/a.zip", { "x.txt" });
        const std::string big = makeArchive("zips/B.zip", { "y.txt" });
        MainWindow main({}, Show::Shown);
        Discovery d(main.form);
        main.form.settings().FavoriteFolders = { zips, m_dir.str() + "/gone/" };
        main.form.settings().FavoriteSortOrder = 0;

        action(main.form, "FavoritesButton")->trigger();
        QVERIFY(d.favorites.isVisible() && !main.form.isEnabled());
        auto *list = child<QTreeView>(d.favorites, "FileList");
        QCOMPARE(list->model()->rowCount(), 2);

        // A click sorts by that column and stores the order; which order each
        // click gives is the logic's test.
        QHeaderView *header = list->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QCOMPARE(main.form.settings().FavoriteSortOrder, 1);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("B.zip"));

        auto *open = child<QPushButton>(d.favorites, "OKButt");
        QVERIFY(!open->isEnabled());
        list->selectionModel()->select(
            list->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(child<QLabel>(d.favorites, "FileName")->text(), "File name: " + qs(big));
        open->click();
        QVERIFY(!d.favorites.isVisible() && main.form.isEnabled());
        QVERIFY(main.form.session().CurrentArchive == big && main.form.FileRowCount() == size_t(1));
    }

    // Move through the chooser into a folder made with its "New...", then
    // rename the moved archive through the rename window.
    void moveIntoNewFolderThenRename()
    {
        const std::string archive = makeArchive("chooser/my.backup.zip", { "x.txt" });
        MainWindow main({ qs(archive) });
        TSelDirForm &chooser = main.form.selDirForm();
        chooser.TreeList->volumeSource = [this] {
            return std::vector<Volume> { { QStringLiteral("Test"), qs(m_dir.str() + "/") } };
        };
        const QString made = qs(m_dir.str() + "/chooser/made/deep");
        QTimer::singleShot(0, [&] {
            QVERIFY(!chooser.Button3->isEnabled());
            chooser.showFolder(qs(m_dir.str() + "/chooser"));
            QCOMPARE(chooser.Destination->currentText(), qs(m_dir.str() + "/chooser"));
            chooser.Button3->click();
            chooser.NFolderForm->Edit1->setText(QStringLiteral("/made/deep"));
            chooser.NFolderForm->Button1->click();
            QVERIFY(!chooser.NFolderForm->isVisible());
            QCOMPARE(chooser.Destination->currentText(), made);
            QCOMPARE(FolderTree::folderOf(chooser.TreeList->currentItem()), made);
            chooser.Button1->click();
        });
        action(main.form, "MoveArchive1")->trigger();
        const std::string moved = made.toStdString() + "/my.backup.zip";
        QVERIFY(main.form.session().CurrentArchive == moved && !std::filesystem::exists(archive));
        QCOMPARE(main.form.settings().SelDir[0], made.toStdString());

        action(main.form, "RenameArchive1")->trigger();
        TRenameForm &rename = main.form.fileMenu().renameForm();
        QCOMPARE(rename.Edit1->text(), QStringLiteral("my"));
        QCOMPARE(rename.Label5->text(), QStringLiteral(".backup.zip"));
        rename.Edit1->setText(QStringLiteral("new"));
        rename.Button1->click();
        QVERIFY(!rename.isVisible());
        QCOMPARE(main.form.settings().ActiveFile[0], made.toStdString() + "/new.backup.zip");
    }

    void extractNewFolderCreatesBelowTheDestination()
    {
        TExtractForm extract;
        TNFolderForm2 newFolder(extract);
        m_dir.createDir("x");
        extract.Destination->setEditText(qs(" " + m_dir.str() + "/x/"));
        extract.Button4->click();
        QCOMPARE(newFolder.Label2->text(), qs(m_dir.str() + "/x"));
        newFolder.Edit1->setText(QStringLiteral("new"));
        newFolder.Button1->click();
        QVERIFY(std::filesystem::is_directory(m_dir / "x/new"));
        // Shown in the tree, whose node then gives the text.
        QCOMPARE(extract.Destination->currentText(), qs(m_dir.str() + "/x/new"));
        QVERIFY(!newFolder.isVisible());
    }

    void optionsCancelRestoresEscKeeps()
    {
        MainWindow main;
        Discovery d(main.form);
        std::vector<std::string> &folders = main.form.settings().FavoriteFolders;
        const std::vector<std::string> before { "/b/", "/a/", "/" };
        auto *dirList = child<QListWidget>(d.options, "DirList");
        for (const bool cancel : { true, false }) {
            folders = before;
            main.form.settings().FavoriteAddMode = 1;
            d.favorites.show();
            d.options.show();
            QVERIFY(!d.favorites.isEnabled()
                && child<QRadioButton>(d.options, "RadioButton2")->isChecked());
            child<QRadioButton>(d.options, "RadioButton3")->setChecked(true);
            dirList->setCurrentRow(1);
            child<QPushButton>(d.options, "Button4")->click();
            QCOMPARE(folders, (std::vector<std::string> { "/b/", "/" }));
            if (cancel)
                child<QPushButton>(d.options, "Button2")->click();
            else
                QTest::keyClick(&d.options, Qt::Key_Escape);
            QVERIFY(!d.options.isVisible() && d.favorites.isEnabled());
            QCOMPARE(folders, cancel ? before : (std::vector<std::string> { "/b/", "/" }));
            QCOMPARE(main.form.settings().FavoriteAddMode, 1); // neither applies the radios
            d.favorites.close();
        }
        d.options.show();
        child<QRadioButton>(d.options, "RadioButton1")->setChecked(true);
        child<QPushButton>(d.options, "Button1")->click();
        QCOMPARE(main.form.settings().FavoriteAddMode, 0);
    }

    void searchByHandReplacesFolders()
    {
        const std::string archive = makeArchive("hand/pick.zip", { "x.txt" });
        MainWindow main;
        Discovery d(main.form);
        main.form.settings().FavoriteFolders = { "/old/" };
        // An archive in the root gives "/", not "//".
        for (const QString &picked : { qs(archive), QString(), QStringLiteral("/top.zip") }) {
            d.favorites.show();
            d.search.show();
            QVERIFY(child<QRadioButton>(d.search, "SAll")->isChecked());
            child<QRadioButton>(d.search, "SMan")->setChecked(true);
            main.prompter.answerFile(picked);
            child<QPushButton>(d.search, "Button1")->click();
            QVERIFY(!d.search.isVisible());
            QCOMPARE(main.form.settings().FavoriteFolders,
                picked.isEmpty()           ? std::vector<std::string> {}
                    : picked == "/top.zip" ? std::vector<std::string> { "/" }
                                           : std::vector<std::string> { m_dir.str() + "/hand/" });
            if (picked != "/top.zip")
                QCOMPARE(child<QTreeView>(d.favorites, "FileList")->model()->rowCount(),
                    picked.isEmpty() ? 0 : 1);
            d.favorites.close();
        }
    }

    void findAddsToSelection()
    {
        const std::string archive =
            makeArchive("find.zip", { "notes.txt", "notes.TXT", "readme", "sub/b.txt" });
        MainWindow main({ qs(archive) }, Show::Shown);
        Discovery d(main.form);
        FileListView *list = main.form.fileList();
        const auto selected = [&] {
            QStringList names;
            for (int row : list->selectedRows())
                names << qs(std::string(main.form.fileRows()[static_cast<size_t>(row)].Name));
            names.sort();
            return names;
        };
        selectMembers(main.form, { "readme" });

        action(main.form, "FindFiles1")->trigger();
        QVERIFY(d.find.isVisible());
        auto *pattern = child<QLineEdit>(d.find, "FType");
        pattern->setText(QStringLiteral("*.txt"));
        child<QPushButton>(d.find, "Button1")->click();
        QVERIFY(!d.find.isVisible());
        QCOMPARE(selected(), QStringList({ "b.txt", "notes.txt", "readme" }));

        list->clearSelection();
        action(main.form, "FindFiles1")->trigger();
        pattern->setText(QStringLiteral("*"));
        child<QRadioButton>(d.find, "RadioButton4")->setChecked(true);
        child<QLineEdit>(d.find, "MaskEdit1")->setText(QStringLiteral("1,000"));
        child<QComboBox>(d.find, "ComboBox1")->setCurrentIndex(2);
        child<QPushButton>(d.find, "Button1")->click();
        QCOMPARE(selected().size(), 4);
    }
};

QTEST_MAIN(DiscoveryFormsTest)
#include "DiscoveryFormsTest.moc"
