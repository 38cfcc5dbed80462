// The Extract dialog and the check-out driven as a user would, over a
// stand-in main window and once from the main window's commands, with the
// real extraction library: the controls on show, the folder tree and its
// locate, and real extractions compared with the archive's files.

#include "AmbxUnit.h"
#include "CheckOutUnit.h"
#include "ExtractStage.h"
#include "FakeMainWindow.h"
#include "FileListView.h"
#include "FolderTree.h"
#include "MainWindow.h"
#include "Peers.h"
#include "RecordingShell.h"
#include "ScriptedPrompter.h"
#include "TestDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <map>
#include <set>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

// The Extract dialog with the root and the test's folder as the only volumes.
struct Stage : ExtractStage
{
    Stage(const std::string &archivePath, const std::string &dir)
        : ExtractStage(archivePath)
    {
        form.TreeList->volumeSource = [dir] {
            return std::vector<Volume> { { QStringLiteral("Root (/)"), QStringLiteral("/") },
                { QStringLiteral("Test"), qs(dir + "/") } };
        };
    }
};

} // namespace

class ExtractFormTest : public QObject
{
    Q_OBJECT

private:
    WindowDir m_dir;
    std::string m_archive;
    fs::path m_source;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((m_dir / "data").string()));
        m_source = m_dir / "src";
        m_dir.createFile("src/top.txt", sampleBytes(700, 1));
        m_dir.createFile("src/docs/readme.txt", sampleBytes(40000, 2));
        m_dir.createFile("src/docs/Guide.TXT", sampleBytes(3000, 3));
        m_dir.createFile("src/code/main.c", sampleBytes(90000, 4));
        m_dir.createFile("src/code/lib/util.c", sampleBytes(12000, 5));
        m_archive = (m_dir / "sample.zip").string();
        runOk({ "zip", "-q", "-r", m_archive, "." }, m_source.string());
        m_dir.createDir("tree/a/b/c");
        m_dir.createDir("tree/a/.hidden");
        m_dir.createDir("tree/a/Zeta");
        m_dir.createDir("tree/a/alpha/inner");
        m_dir.createDir("Desktop");
    }

    void init() { fs::current_path(m_dir.path()); }

    void everyShowResetsTheControls()
    {
        Stage stage(m_archive, m_dir.str());
        const std::string out = (m_dir / "tree/a").string();
        stage.history = { "", out, "/no/such/folder", "", (m_dir / "tree").string() };
        stage.form.show();
        QVERIFY(!stage.main.isEnabled() && stage.form.Button2->isEnabled());
        QStringList shown;
        for (int i = 0; i < stage.form.Destination->count(); ++i)
            shown << stage.form.Destination->itemText(i);
        QCOMPARE(
            shown, (QStringList { qs(out), "/no/such/folder", qs((m_dir / "tree").string()) }));
        QCOMPARE(stage.form.Destination->currentText(), qs(out));

        stage.form.Edit1->setText(QStringLiteral("*.c"));
        stage.form.CheckBox1->setChecked(true);
        stage.form.CheckBox2->setChecked(true);
        stage.form.Destination->setEditText(QStringLiteral("/no/such/folder"));
        QVERIFY(!stage.form.Button2->isEnabled());
        QTest::keyClick(&stage.form, Qt::Key_Escape);
        QVERIFY(!stage.form.isVisible() && stage.main.isEnabled());

        stage.form.show();
        QVERIFY(stage.form.Edit1->text().isEmpty() && !stage.form.CheckBox1->isChecked());
        QVERIFY(
            !stage.form.CheckBox2->isChecked() && stage.form.Destination->currentText() == qs(out));

        // "&Files:" moves the focus to its box, and the box checks it.
        QVERIFY(QTest::qWaitForWindowExposed(&stage.form));
        stage.form.activateWindow();
        stage.form.RadioButton3->click();
        QCOMPARE(QApplication::focusWidget(), stage.form.Edit1);
        stage.form.RadioButton2->setChecked(true);
        stage.form.Destination->setFocus();
        stage.form.Edit1->setFocus();
        QVERIFY(stage.form.RadioButton3->isChecked());
        stage.form.close();
    }

    // Desktop > My Computer > the volumes, all open; a folder is filled when
    // opened, and shows its button when a one-level probe finds a sub-folder.
    // A node with a folder sets the destination.
    void treeFillsLazilyAndSetsTheDestination()
    {
        Stage stage(m_archive, m_dir.str());
        FolderTree &tree = *stage.form.TreeList;
        const QString desktop = qs((m_dir / "Desktop").string());
        tree.desktopSource = [desktop] {
            return desktop;
        };
        stage.form.show();
        QTreeWidgetItem *computer = tree.computerNode();
        QVERIFY(tree.topLevelItemCount() == 1 && computer->parent() == tree.desktopNode());
        QVERIFY(tree.desktopNode()->isExpanded() && computer->isExpanded());
        QTreeWidgetItem *volume = computer->child(1);
        QVERIFY(computer->childCount() == 2 && volume->childCount() == 0);
        QCOMPARE(FolderTree::folderOf(volume), qs(m_dir.str()));
        QCOMPARE(volume->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);

        stage.form.Destination->setEditText(QStringLiteral("/typed/Before"));
        QVERIFY(!stage.form.Button2->isEnabled());
        tree.setCurrentItem(computer);
        QCOMPARE(stage.form.Destination->currentText(), QStringLiteral("/typed/Before"));
        tree.setCurrentItem(tree.desktopNode());
        QCOMPARE(stage.form.Destination->currentText(), desktop);
        QVERIFY(stage.form.Button2->isEnabled());

        volume->setExpanded(true);
        QTreeWidgetItem *treeNode = tree.findFolder(qs((m_dir / "tree").string()));
        QVERIFY(treeNode && treeNode->childCount() == 0);
        QCOMPARE(treeNode->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
        tree.setCurrentItem(treeNode);
        QCOMPARE(stage.form.Destination->currentText(), qs((m_dir / "tree").string()));
        tree.expandNode(treeNode);
        QTreeWidgetItem *a = tree.findFolder(qs((m_dir / "tree/a").string()));
        QVERIFY(a);
        tree.expandNode(a);
        // '+': the node shows its button.
        const auto children = [a] {
            QStringList names;
            for (int i = 0; i < a->childCount(); ++i)
                names << a->child(i)->text(0)
                        + (a->child(i)->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator
                                ? "+"
                                : "");
            return names;
        };
        QCOMPARE(children(), (QStringList { ".hidden", "alpha+", "b+", "Zeta" }));
        // Opening it again adds nothing.
        a->setExpanded(false);
        a->setExpanded(true);
        QCOMPARE(children().size(), 4);
        stage.form.close();
    }

    void locateTypedFolder()
    {
        const QString b = qs((m_dir / "tree/a/b").string()), a = qs((m_dir / "tree/a").string());
        const struct
        {
            QString typed, found; // found empty: nothing of it exists
            bool asTyped; // the folder still to be made, the new-folder window's call
            QStringList messages;
        } rows[] = {
            { b + "/nosuchdir/deeper", b, false, {} },
            // Relative ones are read from the current folder, also for the nearest parent.
            { QStringLiteral("tree/a/alpha/nosuch"), qs((m_dir / "tree/a/alpha").string()), false,
                {} },
            { QStringLiteral("  nosuch/deeper"), QString(), false,
                { "Could not find the folder \"nosuch/deeper\"." } },
            // No existence test: the deepest node the tree has, and what was typed stays.
            { a + "/ghost", a, true, {} },
        };
        for (const auto &row : rows) {
            Stage stage(m_archive, m_dir.str());
            stage.form.show();
            const int volumes = stage.form.TreeList->computerNode()->childCount();
            stage.form.Destination->setEditText(row.typed);
            if (row.asTyped)
                stage.form.Button1Click();
            else
                stage.form.Button1->click();
            QCOMPARE(stage.prompter.texts(), row.messages);
            QTreeWidgetItem *current = stage.form.TreeList->currentItem();
            QCOMPARE(stage.form.Destination->currentText(),
                row.found.isEmpty() || row.asTyped ? row.typed : row.found);
            if (row.found.isEmpty()) {
                QVERIFY(!current && stage.form.TreeList->computerNode()->childCount() == volumes);
            } else {
                QCOMPARE(FolderTree::folderOf(current), row.found);
                QCOMPARE(stage.form.TreeList->reached(), !row.asTyped);
                QVERIFY(row.asTyped || stage.form.Button2->isEnabled());
                // Every folder on the way is open.
                for (QTreeWidgetItem *up = current->parent(); up; up = up->parent())
                    QVERIFY(up->isExpanded());
            }
            stage.form.close();
        }
    }

    // The check boxes reach the engine's options (the other one below); what
    // the library does with them is its own tests' business, as are the
    // specification and the total of all rows the logic's.
    void extractsSelectedRows()
    {
        Stage stage(m_archive, m_dir.str());
        TestDir out;
        const std::set<std::string> members { "code/lib/util.c", "docs/readme.txt" };
        stage.select(members);
        stage.form.show();
        stage.form.CheckBox1->setChecked(true);
        stage.runInto(out.str() + "/");

        QVERIFY(!stage.form.isVisible() && stage.main.isEnabled());
        std::map<std::string, std::string> expected;
        std::vector<std::string> inListOrder; // whichever was selected first
        int64_t total = 0;
        for (const ExtractRow &row : stage.rows)
            if (row.selected) {
                expected[row.member] = readFile(m_source / row.member);
                inListOrder.push_back(row.member);
                total += int64_t(row.size);
            }
        QVERIFY(filesBelow(out.path()) == expected && stage.form.lastSpecs() == inListOrder);
        QVERIFY(stage.form.ZipEngine1.ExtrOptions
            == ExtrOpts({ ExtrOptsEnum::ExtrDirNames, ExtrOptsEnum::ExtrOverWrite }));

        // Stored without its trailing separator; the progress is over.
        QCOMPARE(stage.history[0], out.str());
        QVERIFY(stage.viewLastOutput.isEnabled() && stage.ProgressBar1.isHidden());
        QCOMPARE(stage.ops.progress().counter().maximum(), int(total / 32768));
    }

    void aVanishedFolderIsNotRun()
    {
        Stage stage(m_archive, m_dir.str());
        auto out = std::make_unique<TestDir>();
        const std::string folder = out->str();
        stage.form.show();
        stage.form.Destination->setEditText(qs(folder));
        QVERIFY(stage.form.Button2->isEnabled());
        out.reset(); // gone between the check and the click
        stage.form.Button2Click();
        QCOMPARE(stage.prompter.texts(),
            (QStringList { QStringLiteral("Could not find the folder \"%1\".").arg(qs(folder)) }));
        QVERIFY(stage.form.isVisible() && stage.history[0].empty());
        QVERIFY(!stage.viewLastOutput.isEnabled());
        stage.form.close();
    }

    // The main window keeps the history in its settings (its selection
    // reaching the dialog is proven with the safety of operations); a dialog
    // gone leaves its commands harmless.
    void commandsOfTheMainWindow()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_archive) }, Show::Exposed);
        {
            TExtractForm gone;
            form.dialogs().setExtractForm(&gone);
        }
        QVERIFY(!form.operations().runningEngine());
        action(form, "Extract1")->trigger();
        QVERIFY(form.isEnabled());

        TExtractForm extract;
        form.dialogs().setExtractForm(&extract);
        for (const char *name : { "Extract1", "Extract2" }) {
            action(form, name)->trigger();
            QVERIFY2(extract.isVisible(), name);
            extract.close();
        }
        TestDir out;
        action(form, "ExtractButton")->trigger();
        QVERIFY(!form.isEnabled());
        extract.CheckBox2->setChecked(true);
        extract.Destination->setEditText(qs(out.str()));
        extract.Button2->click();
        QVERIFY(extract.ZipEngine1.ExtrOptions
            == ExtrOpts({ ExtrOptsEnum::ExtrDirNames, ExtrOptsEnum::ExtrUpdate }));
        QVERIFY(form.isEnabled());
        QCOMPARE(readFile(out / "code/main.c"), readFile(m_source / "code/main.c"));
        QCOMPARE(form.settings().Extract[0], out.str());
    }

    // The check-out: what cannot be checked out into is refused before the
    // extraction; then the archive extracted by the library, the program
    // group written and opened.
    void checkOut()
    {
        const std::string archive = (m_dir / "setup.old.zip").string();
        const std::vector<std::string> names = { "readme.txt", "logo.bmp", "a/setup.exe",
            "b/setup.exe", "../../escape.txt" };
        runOk({ "python3", "-c",
            "import zipfile,sys\n"
            "with zipfile.ZipFile(sys.argv[1],'w') as z:\n"
            "  for n in sys.argv[2:]: z.writestr(n,n)\n",
            archive, names[0], names[1], names[2], names[3], names[4] });
        FakeMainWindow link;
        link.archive = archive;
        for (const std::string &m : names)
            link.rows.push_back({ m, 0, false });
        RecordingShell shell;
        ScriptedPrompter prompter;
        TCheckOut form;
        form.setLink(link);

        form.show();
        QCOMPARE(form.Edit2->text(), QStringLiteral("setup.old"));
        QVERIFY(form.Edit1->text().endsWith(QStringLiteral("/setup.old")));

        // Which names are refused is the logic's test; here each kind stops the run.
        const std::string folder = (m_dir / "out").string();
        const struct
        {
            const char *folder, *group, *count, *notice; // folder "/": the test's own
        } refusals[] = {
            { "/", "g", "many", "'many' is not a valid integer value" },
            { "", "g", "", "Cannot check out into \"\": the folder is not a full path." },
            { "rel/out", "g", "",
                "Cannot check out into \"rel/out\": the folder is not a full path." },
            { "/", "../../..", "",
                "\"../../..\" cannot be the group name: a group name cannot lead out of the "
                "applications folder." },
        };
        for (const auto &row : refusals) {
            prompter.clear();
            form.Edit1->setText(*row.folder == '/' ? qs(folder) : QString::fromLatin1(row.folder));
            form.Edit2->setText(QString::fromLatin1(row.group));
            form.Edit3->setText(QString::fromLatin1(row.count));
            form.Button1->click();
            QCOMPARE(prompter.texts(), QStringList { QString::fromLatin1(row.notice) });
            QVERIFY(form.isVisible());
        }
        QVERIFY(!fs::exists(folder) && !fs::exists("rel") && !fs::exists("readme.txt"));
        QVERIFY(shell.calls().empty());

        // Every member: the group's reuse and its names are the logic's tests.
        prompter.clear();
        shell.failWith(QStringLiteral("no program is set up to open folders"));
        form.Edit1->setText(qs(folder));
        form.Edit2->setText(QStringLiteral("setup.old"));
        form.Button1->click();
        QVERIFY(form.isHidden() && fs::exists(m_dir / "out/b/setup.exe"));
        const fs::path group = m_dir / "data/applications/setup.old";
        QCOMPARE(filesBelow(group).size(), size_t(4));
        QVERIFY(
            readFile(group / "setup.exe.desktop").find("/out/b/setup.exe\n") != std::string::npos);
        // Where the library put the member whose name leads out of the folder.
        QVERIFY(fs::exists(m_dir / "out/escape.txt"));
        QVERIFY(readFile(group / "escape.desktop").find("/out/escape.txt\n") != std::string::npos);
        QVERIFY(shell.calls().size() == 1 && shell.calls()[0].target == qs(group.string()));
        // An opener that fails says so, naming the folder (after the
        // library's word on the name it changed).
        QCOMPARE(prompter.texts().size(), 2);
        QVERIFY2(prompter.texts()[0].contains("escape.txt"), qPrintable(prompter.texts()[0]));
        QCOMPARE(prompter.texts()[1],
            "Cannot open \"" + qs(group.string()) + "\": no program is set up to open folders.");
    }
};

QTEST_MAIN(ExtractFormTest)
#include "ExtractFormTest.moc"
