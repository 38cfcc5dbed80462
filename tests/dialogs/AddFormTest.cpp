// The Add dialog driven as a user would, inside the real main window, with
// the real compression library; archives checked with unzip.

#include "app/AmbxUnit.h"
#include "dialogs/AddUnit.h"
#include "dialogs/MsgUnit.h"
#include "tests/support/Peers.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestDir.h"
#include "widgets/FileListView.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <sstream>

using namespace amxtest;
using O = AddOptsEnum;

namespace {

std::vector<Volume> fakeVolumes()
{
    return { { QStringLiteral("Root (/)"), QStringLiteral("/"), 5000000000LL, 1234567LL, false },
        { QStringLiteral("CARD (/media/card)"), QStringLiteral("/media/card/"), -1, -1, false } };
}

// Member names as unzip reads them, sorted.
QStringList members(const std::string &archive)
{
    std::istringstream in(runOk({ "unzip", "-Z1", archive }));
    QStringList out;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            out.push_back(QString::fromStdString(line));
    out.sort();
    return out;
}

std::string member(const std::string &archive, const std::string &name)
{
    return runOk({ "unzip", "-p", archive, name });
}

QString header(TAddForm &form, int column)
{
    return form.filelist->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

int rowOf(TAddForm &form, const std::string &name)
{
    const auto &rows = form.browser().rows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].name == name)
            return int(i);
    qFatal("no row %s", name.c_str());
}

void select(TAddForm &form, std::initializer_list<const char *> names)
{
    form.filelist->clearSelection();
    for (const char *name : names) {
        const QModelIndex index = form.filelist->model()->index(rowOf(form, name), 0);
        form.filelist->selectionModel()->select(
            index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void trigger(TMainForm &main, const char *action)
{
    auto *a = main.findChild<QAction *>(QString::fromLatin1(action));
    if (!a)
        qFatal("no action %s", action);
    a->trigger();
}

} // namespace

class AddFormTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    int m_count = 0;

    // A fresh folder to add from: two folders (one with a sub-folder), files.
    std::string makeSource()
    {
        const std::string name = "src" + std::to_string(++m_count);
        m_dir.createFile(name + "/d1/x1.txt", sampleBytes(3000, 1));
        m_dir.createFile(name + "/d1/deep/y1.txt", sampleBytes(2000, 2));
        m_dir.createFile(name + "/d2/x2.txt", sampleBytes(1500, 3));
        m_dir.createFile(name + "/f.txt", "eff");
        m_dir.createFile(name + "/G.txt", "gee");
        return m_dir.str() + "/" + name + "/";
    }

    // A new archive as the New command leaves it: an empty file.
    std::string newArchive()
    {
        return m_dir.createFile("new" + std::to_string(++m_count) + ".zip").string();
    }

    // The main window on an archive, with the Add dialog opened by `action` in `folder`.
    struct Session
    {
        ScriptedPrompter prompter;
        std::string source, archive;
        TMainForm main;
        TAddForm form { fakeVolumes };

        Session(std::string src, std::string arc, const std::string &folder,
            const char *action = "Add1")
            : source(std::move(src))
            , archive(std::move(arc))
            , main({ QString::fromStdString(archive) })
        {
            main.dialogs().setAddForm(&form);
            main.show();
            main.settings().LastAddDir = folder;
            trigger(main, action);
        }
    };

    // The usual session: a fresh source folder added to a new archive.
    std::unique_ptr<Session> open(const std::string &subFolder = {}, const char *action = "Add1")
    {
        std::string source = makeSource();
        return std::make_unique<Session>(source, newArchive(), source + subFolder, action);
    }

private Q_SLOTS:
    void initTestCase()
    {
        TMainForm::setStorePaths(
            (m_dir / "config/Ambermox.conf").string(), (m_dir / "favorites.dat").string());
    }

    // Each run leaves the current directory in the last folder it added.
    void init() { std::filesystem::current_path(m_dir.path()); }

    void showsWithItsDefaultsAndDisablesTheMainWindow()
    {
        auto s = open();
        auto &[prompter, source, archive, main, form] = *s;
        QVERIFY(form.isVisible());
        QVERIFY(!main.isEnabled());
        QCOMPARE(form.StaticText1->text(), QString::fromStdString(source).chopped(1));
        QCOMPARE(form.filelist->model()->data(form.filelist->model()->index(0, 0)).toString(),
            QStringLiteral("d1"));

        // "&Add" follows the selection.
        QVERIFY(!form.Button1->isEnabled());
        select(form, { "f.txt" });
        QVERIFY(form.Button1->isEnabled());
        form.filelist->clearSelection();
        QVERIFY(!form.Button1->isEnabled());

        // Every show starts from the defaults again.
        form.ComboBox1->setCurrentIndex(2);
        form.ComboBox2->setCurrentIndex(4);
        form.CheckBox1->setChecked(true);
        form.CheckBox3->setChecked(false);
        form.CheckBox4->setChecked(true);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QVERIFY(main.isEnabled());
        trigger(main, "AddButton");
        QVERIFY(form.isVisible());
        QCOMPARE(form.ComboBox1->currentIndex(), 0);
        QCOMPARE(form.ComboBox2->currentIndex(), 0);
        QVERIFY(!form.CheckBox1->isChecked());
        QVERIFY(!form.CheckBox2->isChecked());
        QVERIFY(form.CheckBox3->isChecked());
        QVERIFY(!form.CheckBox4->isChecked());
        form.Button2->click();
        QVERIFY(!form.isVisible());
        QVERIFY(main.isEnabled());
        QVERIFY(prompter.shown().empty());
    }

    void browsesUpToTheDrivesAndBack()
    {
        auto s = open("d1/", "Add2");
        auto &[prompter, source, archive, main, form] = *s;
        QAbstractItemModelTester tester(form.filelist->model());
        QCOMPARE(form.browser().AddFolder(), source + "d1/");
        form.filelist->setColumnWidth(0, 150);

        form.Up->click();
        QCOMPARE(form.browser().AddFolder(), source);
        int steps = 0;
        while (form.browser().AddFolder() != "/" && steps++ < 64)
            form.Up->click();
        QCOMPARE(form.StaticText1->text(), QStringLiteral("/"));

        select(form, {});
        form.Up->click();
        QVERIFY(form.browser().driveMode());
        QCOMPARE(form.StaticText1->text(), QStringLiteral("My Computer"));
        QVERIFY(!form.Up->isEnabled());
        QCOMPARE(header(form, 1), QStringLiteral("Total Size"));
        QVERIFY(form.filelist->detailsView()->isColumnHidden(3));
        QCOMPARE(form.filelist->model()->data(form.filelist->model()->index(0, 1)).toString(),
            QStringLiteral("5.000.000.000 bytes"));
        QCOMPARE(form.filelist->model()->data(form.filelist->model()->index(1, 2)).toString(),
            QString());
        form.filelist->selectionModel()->select(form.filelist->model()->index(0, 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(!form.Button1->isEnabled());
        QCOMPARE(form.savedWidths()[0], 150);

        // A double-click on a drive opens its root under the folder columns again.
        QTreeView *view = form.filelist->detailsView();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect cell = view->visualRect(form.filelist->model()->index(0, 0));
        // A double click arrives as a click followed by the double click itself.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(form.browser().AddFolder(), std::string("/"));
        QVERIFY(form.Up->isEnabled());
        QCOMPARE(header(form, 1), QStringLiteral("Size"));
        QVERIFY(!view->isColumnHidden(3));
        QCOMPARE(form.filelist->columnWidth(0), 150);

        // Into a folder with a double-click, and the list and details buttons.
        form.filelistDblClick(rowOf(form, "tmp"));
        QCOMPARE(form.browser().AddFolder(), std::string("/tmp/"));
        form.SpeedButton2->click();
        QCOMPARE(form.filelist->viewStyle(), FileListView::List);
        form.SpeedButton3->click();
        QCOMPARE(form.filelist->viewStyle(), FileListView::Details);
        form.close();
    }

    void newEmptyArchiveGetsTheSelectedFiles()
    {
        Session s(makeSource(), newArchive(), m_dir.str() + "/");
        auto &[prompter, source, archive, main, form] = s;
        // The browsed folder is remembered, not the one the dialog opened in.
        form.filelistDblClick(rowOf(form, source.substr(m_dir.str().size() + 1, 4)));
        select(form, { "f.txt", "G.txt" });
        form.Button1->click();

        QVERIFY(!form.isVisible());
        QVERIFY(main.isEnabled());
        QCOMPARE(form.lastCalls().size(), size_t(1));
        const AddPass &call = form.lastCalls()[0];
        QCOMPARE(call.specs, (std::vector<std::string> { source + "f.txt", source + "G.txt" }));
        QCOMPARE(call.options.bits(), AddOpts({ O::AddRecurseDirs, O::AddHiddenFiles }).bits());
        QCOMPARE(members(archive), (QStringList { "G.txt", "f.txt" }));
        QCOMPARE(member(archive, "G.txt"), std::string("gee"));

        QCOMPARE(main.FileRowCount(), size_t(2));
        QCOMPARE(main.settings().LastAddDir, source);
        QVERIFY(main.findChild<QAction *>("ViewLastOutput2")->isEnabled());
        QVERIFY(!main.msgForm().lines().isEmpty());
        QVERIFY2(prompter.shown().empty(), qPrintable(prompter.texts().join("|")));
    }

    void twoFoldersBothEndUpInTheArchive()
    {
        auto s = open();
        auto &[prompter, source, archive, main, form] = *s;
        select(form, { "d1", "d2" });
        form.Button1->click();

        QCOMPARE(form.lastCalls().size(), size_t(2));
        const AddOpts folderOptions { O::AddRecurseDirs, O::AddHiddenFiles, O::AddDirNames };
        QCOMPARE(form.lastCalls()[0], (AddPass { source + "d1/", folderOptions, { "*.*" } }));
        QCOMPARE(form.lastCalls()[1], (AddPass { source + "d2/", folderOptions, { "*.*" } }));
        QCOMPARE(members(archive), (QStringList { "deep/", "deep/y1.txt", "x1.txt", "x2.txt" }));
        QCOMPARE(main.FileRowCount(), size_t(3));
        QVERIFY2(prompter.shown().empty(), qPrintable(prompter.texts().join("|")));
    }

    void folderInfoKeepsTheFolderNames()
    {
        auto s = open();
        auto &[prompter, source, archive, main, form] = *s;
        select(form, { "d1", "d2", "f.txt" });
        form.CheckBox4->setChecked(true);
        form.ComboBox2->setCurrentIndex(4); // "None"
        form.Button1->click();

        QCOMPARE(form.lastCalls().size(), size_t(2));
        QCOMPARE(form.lastCalls()[0].currentDir, source);
        QCOMPARE(form.lastCalls()[0].specs, (std::vector<std::string> { "d1/*.*", "d2/*.*" }));
        QVERIFY(form.lastCalls()[1].options.contains(O::AddDirNames));
        QCOMPARE(form.ZipEngine1.AddCompLevel, 0);
        // A file named by its full path keeps that path, without the leading '/'.
        const std::string fileMember = source.substr(1) + "f.txt";
        QStringList expected { "d1/deep/", "d1/deep/y1.txt", "d1/x1.txt", "d2/x2.txt",
            QString::fromStdString(fileMember) };
        expected.sort();
        QCOMPARE(members(archive), expected);
        // "None" stores.
        const std::string verbose = runOk({ "unzip", "-v", archive });
        QVERIFY(verbose.find("Defl") == std::string::npos);
        QVERIFY(verbose.find("Stored") != std::string::npos);
    }

    void foldersAndFilesMakeTwoCallsWithTheirOwnOptions()
    {
        auto s = open();
        auto &[prompter, source, archive, main, form] = *s;
        select(form, { "d2", "G.txt" });
        form.CheckBox3->setChecked(false);
        form.Button1->click();

        QCOMPARE(form.lastCalls().size(), size_t(2));
        QCOMPARE(form.lastCalls()[0].options.bits(),
            AddOpts({ O::AddRecurseDirs, O::AddDirNames }).bits());
        QCOMPARE(form.lastCalls()[1].options.bits(), AddOpts({ O::AddRecurseDirs }).bits());
        QCOMPARE(members(archive), (QStringList { "G.txt", "x2.txt" }));
    }

    // A file whose name looks like a pattern is that file alone, also when
    // moved: its look-alikes stay on disk and out of the archive.
    void selectedNamesAreNeverPatterns()
    {
        const std::string source = m_dir.str() + "/tricky" + std::to_string(++m_count) + "/";
        for (const char *name : { "a?.txt", "ab.txt", "a*" })
            m_dir.createFile(source.substr(m_dir.str().size() + 1) + name, name);
        Session s(source, newArchive(), source);
        auto &[prompter, src, arc, main, form] = s;
        select(form, { "a?.txt" });
        form.ComboBox1->setCurrentIndex(2); // "Move files"
        form.Button1->click();

        QCOMPARE(members(s.archive), (QStringList { "a?.txt" }));
        QVERIFY(!std::filesystem::exists(source + "a?.txt"));
        QVERIFY(std::filesystem::exists(source + "ab.txt"));
        QVERIFY(std::filesystem::exists(source + "a*"));
    }

    void doubleClickOnAFileAddsTheSelectedRows()
    {
        auto s = open();
        auto &[prompter, source, archive, main, form] = *s;
        select(form, { "f.txt", "G.txt" });
        form.filelistDblClick(rowOf(form, "G.txt"));
        QVERIFY(!form.isVisible());
        QCOMPARE(members(archive), (QStringList { "G.txt", "f.txt" }));
    }

    void aFolderThatVanishedStopsBeforeAnythingIsAdded()
    {
        auto s = open();
        auto &[prompter, source, archive, main, form] = *s;
        select(form, { "d1", "d2", "f.txt" });
        std::filesystem::remove_all(source + "d2");
        form.Button1->click();

        QCOMPARE(prompter.texts(),
            QStringList { QString::fromStdString(
                "Cannot change to folder \"" + source + "d2/\". No such file or directory.") });
        QVERIFY(form.lastCalls().empty());
        QVERIFY(!std::filesystem::exists(archive)); // the empty file went first, as it always does
        QVERIFY(!form.running());
        QVERIFY(main.isEnabled());
    }

    void interruptingStopsTheRemainingFolders()
    {
        auto s = open();
        auto &[prompter, source, archive, main, form] = *s;
        select(form, { "d1", "d2" });
        // The click on the main list arrives with the first event the add lets through.
        prompter.answerQuestion(false);
        bool asked = false;
        QTimer::singleShot(0, &main, [&] {
            asked = main.operations().interruptRunning();
        });
        form.Button1->click();

        QVERIFY(asked);
        QVERIFY(prompter.allAnswersUsed());
        QVERIFY(form.lastRunInterrupted());
        QCOMPARE(form.lastCalls().size(), size_t(1));
        const QStringList names =
            std::filesystem::exists(archive) ? members(archive) : QStringList {};
        QVERIFY(!names.contains(QStringLiteral("x2.txt")));
        QVERIFY(!main.operations().progress().isActive());
    }
};

QTEST_MAIN(AddFormTest)
#include "AddFormTest.moc"
