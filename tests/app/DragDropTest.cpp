// Files dropped on the main window and members dragged out of its list, with
// the windows created as the program creates them, the real libraries and
// real archives.

#include "FolderWatch.h"
#include "LegacyZip.h"
#include "ListDragDrop.h"
#include "MainWindow.h"
#include "Operation.h"
#include "Peers.h"
#include "TempFolder.h"
#include "TestDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTreeView>

using namespace amxtest;
using Names = std::vector<std::string>;

namespace {

struct Session
{
    ScriptedPrompter prompter;
    TMainForm main;
    TDragForm form;
    MainDragDrop dnd { main, form };

    explicit Session(const std::string &archive)
        : main(archive.empty() ? QStringList {} : QStringList { qs(archive) })
    {
        main.show();
    }

    // Drops the paths on the window as a file manager does; true when taken.
    bool drop(const Names &paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string &p : paths)
            urls.push_back(QUrl::fromLocalFile(qs(p)));
        data.setUrls(urls);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter({ 20, 20 }, offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&main, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(20, 20), offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&main, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }
};

} // namespace

class DragDropTest : public QObject
{
    Q_OBJECT

private:
    WindowDir m_dir;
    std::unique_ptr<FolderWatch> m_watch;

private Q_SLOTS:
    void init()
    {
        std::filesystem::current_path(m_dir.path());
        m_watch = std::make_unique<FolderWatch>();
    }

    // Drops and drags out hand their folders to the libraries: the process stays put.
    void cleanup() { QVERIFY(std::exchange(m_watch, nullptr)->stayed()); }

    void dropAddsToTheOpenArchive()
    {
        const struct
        {
            const char *name, *dropped; // names separated by blanks
            int action;
            bool emptyArchive;
            const char *members, *gone;
            size_t calls; // the library calls the add made
        } rows[] = {
            { "a folder and two files", "d a.txt b.txt", 0, false,
                "a.txt b.txt deep/ deep/y.txt old.txt x1.txt", "", 2 },
            { "onto a 0-byte archive", "a.txt e", 0, true, "a.txt x2.txt", "", 2 },
            { "move files", "a.txt e", 2, false, "a.txt old.txt x2.txt", "a.txt e/x2.txt", 2 },
            { "a name with * and ?", "s*?.txt", 2, false, "old.txt s*?.txt", "s*?.txt", 1 },
        };
        for (const auto &row : rows) {
            const std::string src = m_dir.fresh("src");
            for (const char *name : { "a.txt", "b.txt", "c.txt", "d/x1.txt", "d/deep/y.txt",
                     "e/x2.txt", "s*?.txt", "sab.txt", "s*x.txt" })
                m_dir.createFile(src + "/" + name, name);
            const std::string archive = row.emptyArchive
                ? m_dir.createFile(m_dir.fresh("empty") + ".zip").string()
                : m_dir.zip({ { "old.txt", "old" } });
            Session s(archive);
            Names paths;
            for (const QString &name : QString(row.dropped).split(' '))
                paths.push_back((m_dir / src / name.toStdString()).string());

            QVERIFY2(s.drop(paths), row.name);
            QVERIFY(s.form.isVisible() && !s.main.isEnabled());
            s.form.ComboBox1->setCurrentIndex(row.action);
            s.form.Button1->click();

            QVERIFY(!s.form.isVisible() && s.main.isEnabled());
            QCOMPARE(s.form.lastCalls().size(), row.calls);
            Names expected;
            size_t files = 0; // the list shows no folders
            for (const QString &m : QString(row.members).split(' ')) {
                expected.push_back(m.toStdString());
                files += !m.endsWith('/');
            }
            QCOMPARE(sortedNames(archive), expected);
            QCOMPARE(s.main.FileRowCount(), files);
            for (const QString &g : QString(row.gone).split(' ', Qt::SkipEmptyParts))
                QVERIFY2(!std::filesystem::exists(m_dir / src / g.toStdString()), qPrintable(g));
            // Look-alikes of a name with pattern characters stay where they are.
            QVERIFY(std::filesystem::exists(m_dir / src / "sab.txt")
                && std::filesystem::exists(m_dir / src / "s*x.txt"));
            QVERIFY(s.main.findChild<QAction *>("ViewLastOutput2")->isEnabled());
            QVERIFY2(s.prompter.shown().empty(), qPrintable(s.prompter.texts().join("|")));
        }
    }

    // The click arrives with an event the drop's add lets through; No
    // cancels the add and the archive stays as it was.
    void aClickOnTheListInterruptsTheDropsAdd()
    {
        const std::string file =
            m_dir.createFile(m_dir.fresh("big") + ".bin", sampleBytes(300000)).string();
        const std::string archive = m_dir.zip({ { "old.txt", "old" } });
        Session s(archive);
        QVERIFY(s.drop({ file }));
        TZipEngine &engine = s.form.ZipEngine1;
        const TProgressEvent wired = engine.OnProgress;
        bool cancelled = false;
        engine.OnProgress = [&](TZipEngine &e, ProgressType type, const std::string &name,
                                int64_t size) {
            wired(e, type, name, size);
            if (type == ProgressType::ProgressNewFile && !cancelled) {
                s.main.FileListClick();
                cancelled = e.CancelRequested;
            }
        };
        s.prompter.answerQuestion(false);
        s.form.Button1->click();
        QVERIFY(cancelled);
        QCOMPARE(s.prompter.texts(), QStringList { "Archive Operation Interrupted. Continue?" });
        QCOMPARE(sortedNames(archive), Names { "old.txt" });
    }

    void dialogKeepsItsChoicesAndSwitchesArchives()
    {
        const std::string file = m_dir.createFile("dropped.txt", "eff").string();
        const std::string other = m_dir.zip({ { "o.txt", "o" } });
        Session s({});
        QVERIFY(!s.drop({ file })); // no archive open
        s.main.OpenArchive(m_dir.zip({ { "old.txt", "old" } }));
        QVERIFY(s.drop({ file }));
        QVERIFY(!s.drop({ file })); // one drop at a time
        s.form.CheckBox1->setChecked(true);
        s.form.CheckBox2->setChecked(false);
        s.form.CheckBox3->setChecked(true);
        s.form.ComboBox2->setCurrentIndex(3);
        s.form.Button2->click();
        QVERIFY(s.main.isEnabled());

        QVERIFY(s.drop({ file }));
        // The second box is checked again at every showing.
        QVERIFY(s.form.CheckBox1->isChecked() && s.form.CheckBox2->isChecked()
            && s.form.CheckBox3->isChecked());
        QCOMPARE(s.form.ComboBox2->currentIndex(), 0);

        s.prompter.answerFile(qs(other));
        s.form.Button4->click();
        QCOMPARE(s.form.Edit1->text(), qs(other));
        QCOMPARE(s.main.currentArchive(), other);
        s.form.CheckBox1->setChecked(false);
        s.form.Button1->click();
        QCOMPARE(sortedNames(other), (Names { "dropped.txt", "o.txt" }));
        QCOMPARE(s.main.FileRowCount(), size_t(2));
        QVERIFY(s.prompter.allAnswersUsed());
    }

    // The selected rows are extracted into a folder of their own and offered
    // as local files; same-named members keep a file each.
    void dragOutOffersTheExtractedFiles()
    {
        const std::string archive = m_dir.zip({ { "a.txt", "alpha" }, { "p/x.txt", "px" },
            { "q/x.txt", "qx" }, { "r/w*.txt", "star" }, { "r/wa.txt", "wa" } });
        Session s(archive);
        const std::string temp = (m_dir / m_dir.fresh("temp")).string() + "/";
        s.main.settings().Temp = temp;
        QStringList offered;
        bool dropsDuringDrag = true;
        int drags = 0;
        s.dnd.Exec = [&](QDrag &drag) {
            ++drags;
            dropsDuringDrag = s.main.acceptDrops();
            for (const QUrl &url : drag.mimeData()->urls())
                offered.push_back(url.toLocalFile());
            return Qt::CopyAction;
        };
        selectMembers(s.main, { "a.txt", "p/x.txt", "q/x.txt", "r/w*.txt" });

        // A press on a selected row keeps the selection; a drag starts only
        // past the drag distance.
        action(s.main, "Details1")->trigger();
        QTreeView *view = s.main.fileList()->detailsView();
        QVERIFY(QTest::qWaitForWindowExposed(&s.main));
        const QPoint at =
            view->visualRect(view->model()->index(rowOf(s.main, "p/x.txt"), 0)).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(s.main.fileList()->selectedCount(), 4);
        auto moveTo = [&](QPoint p) {
            QMouseEvent move(QEvent::MouseMove, p, view->viewport()->mapToGlobal(p), Qt::NoButton,
                Qt::LeftButton, {});
            QCoreApplication::sendEvent(view->viewport(), &move);
        };
        moveTo(at + QPoint(QApplication::startDragDistance() - 1, 0));
        QCOMPARE(drags, 0);
        moveTo(at + QPoint(QApplication::startDragDistance(), 0));
        QCOMPARE(drags, 1);

        QVERIFY(!dropsDuringDrag && s.main.acceptDrops());
        QCOMPARE(offered.size(), 4);

        const QString folder = QFileInfo(offered[0]).path() + "/";
        QVERIFY(folder.startsWith(qs(temp)) && folder != qs(temp));
        std::vector<std::pair<QString, std::string>> files;
        for (const QString &file : offered)
            files.emplace_back(QFileInfo(file).fileName(), readFile(file.toStdString()));
        std::sort(files.begin(), files.end());
        QCOMPARE(files,
            (std::vector<std::pair<QString, std::string>> { { "a.txt", "alpha" },
                { "w*.txt", "star" }, { "x.txt", "px" }, { "x.txt", "qx" } }));
        QVERIFY(offered.contains(folder + "2/x.txt"));
        QVERIFY(!std::filesystem::exists(folder.toStdString() + "wa.txt"));

        removeTempCopies();
        QVERIFY(!std::filesystem::exists(folder.toStdString()));
        QVERIFY(std::filesystem::exists(temp));
    }

    // Every row dragged: the whole archive is extracted at once, its folder
    // member as nothing, and exactly the rows' files are offered.
    void dragOutOfEveryRow()
    {
        Session s(m_dir
                      .createFile("every.zip",
                          zipOf({ { "d/", false, {}, "" }, { "d/a.txt", false, {}, "alpha" },
                              { "b.txt", false, {}, "beta" } }))
                      .string());
        s.main.settings().Temp = (m_dir / m_dir.fresh("temp")).string() + "/";
        std::vector<std::pair<QString, std::string>> offered;
        s.dnd.Exec = [&](QDrag &drag) {
            for (const QUrl &url : drag.mimeData()->urls())
                offered.emplace_back(QFileInfo(url.toLocalFile()).fileName(),
                    readFile(url.toLocalFile().toStdString()));
            return Qt::CopyAction;
        };
        selectMembers(s.main, { "d/a.txt", "b.txt" });
        s.dnd.startDrag();
        std::sort(offered.begin(), offered.end());
        QCOMPARE(offered,
            (std::vector<std::pair<QString, std::string>> {
                { "a.txt", "alpha" }, { "b.txt", "beta" } }));
        removeTempCopies();
    }

    // A member that fails to extract is never offered; the rest still are.
    void dragOutLeavesOutWhatFailed()
    {
        std::string bytes =
            zipOf({ { "a.txt", false, {}, "alpha" }, { "bad.txt", false, {}, "broken" } });
        bytes[bytes.find("broken")] = 'B'; // its CRC no longer fits
        Session s(m_dir.createFile("damaged.zip", bytes).string());
        s.main.settings().Temp = (m_dir / m_dir.fresh("temp")).string() + "/";
        QStringList offered;
        s.dnd.Exec = [&](QDrag &drag) {
            for (const QUrl &url : drag.mimeData()->urls())
                offered.push_back(QFileInfo(url.toLocalFile()).fileName());
            return Qt::CopyAction;
        };
        selectMembers(s.main, { "a.txt", "bad.txt" });
        s.dnd.startDrag();
        QCOMPARE(offered, QStringList { "a.txt" });
        QCOMPARE(s.prompter.shown().size(), size_t(1));
        removeTempCopies();
    }

    // Members of one name in two folders are two extractions; a cancel in
    // the first ends the drag.
    void dragOutCancelledStops()
    {
        Session s(
            m_dir
                .createFile("twice.zip",
                    zipOf({ { "x/a.txt", false, {}, "one" }, { "y/a.txt", false, {}, "two" } }))
                .string());
        const std::string temp = (m_dir / m_dir.fresh("temp")).string();
        s.main.settings().Temp = temp + "/";
        int extractions = 0;
        amx::setOperationTap([&](const amx::OperationRequest &, int32_t) {
            s.main.engine().CancelRequested = true;
            ++extractions;
        });
        s.dnd.Exec = [](QDrag &) {
            return Qt::CopyAction;
        };
        selectMembers(s.main, { "x/a.txt", "y/a.txt" });
        s.dnd.startDrag();
        amx::setOperationTap({});
        QCOMPARE(extractions, 1);
        for (const auto &entry : std::filesystem::recursive_directory_iterator(temp))
            QVERIFY2(!entry.is_regular_file() || readFile(entry.path()) != "two",
                qPrintable(qs(entry.path().string())));
        removeTempCopies();
    }
};

QTEST_MAIN(DragDropTest)
#include "DragDropTest.moc"
