// The Add dialog driven as a user would, over a stand-in main window and once
// from the main window's commands, with the real compression library;
// archives checked with unzip.

#include "AddUnit.h"
#include "FakeMainWindow.h"
#include "FileListView.h"
#include "FolderWatch.h"
#include "MainWindow.h"
#include "Peers.h"
#include "ScriptedPrompter.h"
#include "TestDir.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>

using namespace amxtest;

namespace {

std::vector<Volume> fakeVolumes()
{
    return { { QStringLiteral("Root (/)"), QStringLiteral("/"), 5000000000LL, 1234567LL, false },
        { QStringLiteral("CARD (/media/card)"), QStringLiteral("/media/card/"), -1, -1, false } };
}

int rowOf(TAddForm &form, const std::string &name)
{
    const auto &rows = form.browser().rows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].name == name)
            return int(i);
    qFatal("no row %s", name.c_str());
}

void select(TAddForm &form, const std::vector<std::string> &names)
{
    form.filelist->clearSelection();
    for (const std::string &name : names) {
        const QModelIndex index = form.filelist->model()->index(rowOf(form, name), 0);
        form.filelist->selectionModel()->select(
            index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

// The Add dialog shown over a stand-in main window on `archive`, in `folder`.
struct Session : FakeMainWindow
{
    ScriptedPrompter prompter;
    std::string source;
    TAddForm form { fakeVolumes };

    Session(std::string src, std::string arc, const std::string &folder)
        : source(std::move(src))
    {
        archive = std::move(arc);
        addDir = folder;
        form.setLink(*this);
        form.showOnTop();
    }
};

} // namespace

class AddFormTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    int m_count = 0;
    std::unique_ptr<FolderWatch> m_watch;

    // A fresh folder to add from: two folders (one with a sub-folder), files.
    std::string makeSource()
    {
        const std::string name = "src" + std::to_string(++m_count);
        m_dir.createFile(name + "/d1/x1.txt", sampleBytes(3000, 1));
        m_dir.createFile(name + "/d1/deep/y1.txt", sampleBytes(2000, 2));
        m_dir.createFile(name + "/d2/x2.txt", sampleBytes(1500, 3));
        const auto f = m_dir.createFile(name + "/f.txt", "eff");
        // A wide date and time for the Modified column.
        const qint64 wide = QDateTime(QDate(2024, 12, 28), QTime(12, 58, 58)).toSecsSinceEpoch();
        const struct timespec times[2] = { { wide, 0 }, { wide, 0 } };
        ::utimensat(AT_FDCWD, f.c_str(), times, 0);
        m_dir.createFile(name + "/G.txt", "gee");
        for (const char *look : { "a?.txt", "ab.txt", "a*" })
            m_dir.createFile(name + "/" + look, look);
        return m_dir.str() + "/" + name + "/";
    }

    // A new archive as the New command leaves it: an empty file.
    std::string newArchive()
    {
        return m_dir.createFile("new" + std::to_string(++m_count) + ".zip").string();
    }

    // The usual session: a fresh source folder added to a new archive.
    std::unique_ptr<Session> open()
    {
        std::string source = makeSource();
        return std::make_unique<Session>(source, newArchive(), source);
    }

private Q_SLOTS:
    void initTestCase()
    {
        TMainForm::setStorePaths(
            (m_dir / "config/Ambermox.conf").string(), (m_dir / "favorites.dat").string());
    }

    void init() { m_watch = std::make_unique<FolderWatch>(); }
    // The add passes hand their folders to the library: the process stays put.
    void cleanup() { QVERIFY(std::exchange(m_watch, nullptr)->stayed()); }

    void everyShowStartsFromTheDefaults()
    {
        auto s = open();
        TAddForm &form = s->form;
        QCOMPARE(form.StaticText1->text(), QString::fromStdString(s->source).chopped(1));
        // Every row's Modified text fits its column.
        const QAbstractItemView *details = form.filelist->detailsView();
        QVERIFY(details->sizeHintForColumn(3) <= form.filelist->columnWidth(3));
        QVERIFY(form.filelist->detailsView()->header()->length() <= details->viewport()->width());
        // "&Add" follows the selection.
        QVERIFY(!form.Button1->isEnabled());
        select(form, { "f.txt" });
        QVERIFY(form.Button1->isEnabled());

        form.ComboBox1->setCurrentIndex(2);
        form.ComboBox2->setCurrentIndex(4);
        form.CheckBox1->setChecked(true);
        form.CheckBox3->setChecked(false);
        form.CheckBox4->setChecked(true);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible() && s->main.isEnabled());
        form.showOnTop();
        QVERIFY(!form.Button1->isEnabled() && !form.CheckBox1->isChecked());
        QVERIFY(form.ComboBox1->currentIndex() == 0 && form.ComboBox2->currentIndex() == 0);
        QVERIFY(form.CheckBox3->isChecked() && !form.CheckBox4->isChecked());
        form.Button2->click();
        QVERIFY(!form.isVisible() && s->reloads == 0 && s->prompter.shown().empty());
    }

    // Above the root: the drives, under their own columns.
    void browsesUpToTheDrivesAndBack()
    {
        Session s("/", newArchive(), "/");
        TAddForm &form = s.form;
        QAbstractItemModelTester tester(form.filelist->model());
        form.filelist->setColumnWidth(0, 150);
        form.Up->click();
        QCOMPARE(form.StaticText1->text(), QStringLiteral("My Computer"));
        QVERIFY(!form.Up->isEnabled() && form.filelist->detailsView()->isColumnHidden(3));
        select(form, { "Root (/)" });
        QVERIFY(!form.Button1->isEnabled() && form.savedWidths()[0] == 150);

        // A double-click on a drive opens its root under the folder columns again.
        QTreeView *view = form.filelist->detailsView();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect cell = view->visualRect(form.filelist->model()->index(0, 0));
        // A double click arrives as a click followed by the double click itself.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(form.browser().AddFolder(), std::string("/"));
        QVERIFY(form.Up->isEnabled() && !view->isColumnHidden(3));
        QCOMPARE(form.filelist->columnWidth(0), 150);
        form.close();
    }

    // The dialog's controls and selection reach the library calls; which
    // calls a selection makes and what their options do is the logic's and
    // the libraries' tests' business.
    void addsTheSelectionWithTheChosenOptions()
    {
        struct Row
        {
            const char *name;
            std::vector<std::string> selected; // in list order
            AddChoices choices;
            QStringList members; // a leading '/' stands for the source folder
            bool byDoubleClick = false;
        };
        const Row rows[] = {
            { "files by a double-click", { "f.txt", "G.txt" }, {}, { "G.txt", "f.txt" }, true },
            { "each folder in itself", { "d1", "d2" }, {},
                { "deep/", "deep/y1.txt", "x1.txt", "x2.txt" } },
            { "folder info, stored", { "d1", "d2", "f.txt" }, { 0, 4, false, false, true, true },
                { "/f.txt", "d1/deep/", "d1/deep/y1.txt", "d1/x1.txt", "d2/x2.txt" } },
            { "folder and file without hidden ones", { "d2", "G.txt" },
                { 0, 0, false, false, false, false }, { "G.txt", "x2.txt" } },
            // Neither moved nor added with its look-alikes.
            { "a name like a pattern, moved", { "a?.txt" }, { 2, 0, false, false, true, false },
                { "a?.txt" } },
        };
        for (const Row &row : rows) {
            // Opened above the source: the folder browsed to is the one remembered.
            const std::string source = makeSource();
            Session s(source, newArchive(), m_dir.str() + "/");
            TAddForm &form = s.form;
            const auto folder = std::filesystem::path(source).parent_path().filename();
            form.filelistDblClick(rowOf(form, folder.string()));
            select(form, row.selected);
            form.ComboBox1->setCurrentIndex(row.choices.action);
            form.ComboBox2->setCurrentIndex(row.choices.compression);
            form.CheckBox3->setChecked(row.choices.hidden);
            form.CheckBox4->setChecked(row.choices.folderInfo);
            if (row.byDoubleClick)
                form.filelistDblClick(rowOf(form, row.selected.back()));
            else
                form.Button1->click();

            QVERIFY2(!form.isVisible() && s.main.isEnabled(), row.name);
            std::vector<AddSelected> selected;
            for (const std::string &name : row.selected)
                selected.push_back({ name, std::filesystem::is_directory(source + name) });
            QVERIFY2(form.lastCalls() == addPasses(source, selected, row.choices), row.name);
            QCOMPARE(form.ZipEngine1.AddCompLevel, compressionLevel(row.choices.compression));
            std::vector<std::string> expected;
            for (const QString &m : row.members)
                expected.push_back(m.startsWith('/') ? source.substr(1) + m.mid(1).toStdString()
                                                     : m.toStdString());
            std::sort(expected.begin(), expected.end());
            QVERIFY2(sortedNames(s.archive) == expected, row.name);
            QCOMPARE(std::filesystem::exists(source + "a?.txt"), row.choices.action != 2);
            QVERIFY(std::filesystem::exists(source + "ab.txt")
                && std::filesystem::exists(source + "a*"));
            QVERIFY(s.reloads == 1 && s.addDir == source);
            QVERIFY(s.viewLastOutput.isEnabled() && !s.msg.lines().isEmpty());
            QVERIFY2(s.prompter.shown().empty(), qPrintable(s.prompter.texts().join("|")));
        }
    }

    void aFolderThatVanishedStopsBeforeAnythingIsAdded()
    {
        auto s = open();
        select(s->form, { "d1", "d2", "f.txt" });
        std::filesystem::remove_all(s->source + "d2");
        s->form.Button1->click();

        QCOMPARE(s->prompter.texts(),
            QStringList { QString::fromStdString(
                "Cannot change to folder \"" + s->source + "d2/\". No such file or directory.") });
        QVERIFY(s->form.lastCalls().empty());
        // The new archive is still the empty file it was.
        QVERIFY(std::filesystem::exists(s->archive) && std::filesystem::file_size(s->archive) == 0);
        QVERIFY(!s->form.running() && s->main.isEnabled());
    }

    void interruptingStopsTheRemainingFolders()
    {
        auto s = open();
        select(s->form, { "d1", "d2" });
        // The click on the main list arrives with the first event the add lets through.
        s->prompter.answerQuestion(false);
        bool asked = false;
        QTimer::singleShot(0, &s->main, [&] {
            asked = s->ops.interruptRunning();
        });
        s->form.Button1->click();

        QVERIFY(asked && s->prompter.allAnswersUsed() && s->form.lastRunInterrupted());
        QCOMPARE(s->form.lastCalls().size(), size_t(1));
        // The first call was the one cancelled: the new archive is still the
        // empty file the window shows, and the log ends saying so.
        QVERIFY(std::filesystem::exists(s->archive) && std::filesystem::file_size(s->archive) == 0);
        QCOMPARE(s->msg.lines().back(),
            QStringLiteral("Cancelled: nothing was added, the archive is as it was before."));
        QVERIFY(s->reloads == 1 && !s->ops.progress().isActive());
    }

    // Its commands show the dialog in the last folder added from; the main
    // window keeps the next one and reads its list again.
    void commandsOfTheMainWindow()
    {
        const std::string source = makeSource();
        auto &&[prompter, main] = MainWindow({ qs(newArchive()) }, Show::Shown);
        TAddForm form { fakeVolumes };
        main.dialogs().setAddForm(&form);
        main.settings().LastAddDir = source + "d1/";
        for (const char *name : { "Add1", "Add2", "AddButton" }) {
            action(main, name)->trigger();
            QVERIFY2(form.isVisible() && !main.isEnabled(), name);
            form.close();
        }
        action(main, "AddButton")->trigger();
        form.Up->click();
        select(form, { "f.txt" });
        form.Button1->click();
        QVERIFY(main.FileRowCount() == size_t(1) && main.settings().LastAddDir == source);
    }
};

QTEST_MAIN(AddFormTest)
#include "AddFormTest.moc"
