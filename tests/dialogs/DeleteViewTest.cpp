// The Delete and View dialogs and the text viewer driven as a user would,
// against real archives made by zip and the real libraries: over a stand-in
// main window, and once from the main window's commands.

#include "AViewUnit.h"
#include "AmbxUnit.h"
#include "DeleteUnit.h"
#include "FakeMainWindow.h"
#include "FileListView.h"
#include "MainWindow.h"
#include "Peers.h"
#include "RecordingNotices.h"
#include "RecordingShell.h"
#include "ScriptedPrompter.h"
#include "TestDir.h"
#include "ViewUnit.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace amxtest;

namespace {

using Names = std::vector<std::string>;

const std::string kReadme = "Read me first.\nSecond line.\n";
const std::string kInner = "inside a folder\n";

} // namespace

class DeleteViewTest : public QObject
{
    Q_OBJECT

private:
    WindowDir m_dir;
    std::unique_ptr<FakeMainWindow> m_link; // a fresh one for every test

    // A fresh archive for every test: the deletes change it.
    std::string makeArchive()
    {
        return m_dir.zip(
            { { "one.txt", "one\n" }, { "readme.txt", kReadme }, { "docs/inner.txt", kInner } });
    }

    // The View dialog with its text viewer, both linked to the stand-in.
    struct ViewDialog
    {
        TViewForm form;
        TAsciview viewer;
        explicit ViewDialog(DeleteViewTest &test)
        {
            form.setLink(*test.m_link);
            viewer.setLink(*test.m_link);
            form.setTextViewer(&viewer);
        }
    };

private Q_SLOTS:
    void init()
    {
        std::filesystem::current_path(m_dir.path());
        m_link = std::make_unique<FakeMainWindow>();
        m_link->archive = makeArchive();
        m_link->tempFolder = (m_dir / "tmp").string() + "/";
        std::filesystem::create_directories(m_link->tempFolder);
        m_link->viewerProgram = "/bin/sh";
    }

    void cleanup() { m_link.reset(); }

    // --- Delete ---

    void deleteRadiosFollowTheSelection()
    {
        TDeleteForm form;
        form.setLink(*m_link);
        m_link->selected = { "one.txt" };
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form) && !m_link->main.isEnabled());
        QVERIFY(form.RadioButton2->isEnabled() && form.RadioButton2->isChecked());

        // Typing selects "&Files:".
        QTest::keyClicks(form.Edit1, QStringLiteral("*.dat"));
        QVERIFY(form.RadioButton3->isChecked());

        // Clicking "&Files:" moves the focus to the box.
        form.RadioButton1->setChecked(true);
        form.Button1->setFocus();
        QTest::mouseClick(form.RadioButton3, Qt::LeftButton);
        QVERIFY(form.RadioButton3->isChecked() && form.Edit1->hasFocus());

        // The next show starts over: box emptied, radios by the selection.
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible() && m_link->main.isEnabled());
        m_link->selected.clear();
        form.show();
        QVERIFY(form.Edit1->text().isEmpty());
        QVERIFY(form.RadioButton1->isChecked() && !form.RadioButton2->isEnabled());
        form.close();
        QCOMPARE(m_link->reloads, 0);
    }

    // A delete that removes nothing still reloads the list and leaves an empty
    // log; what a delete removes, and the refusal of no specification at all,
    // are the library's and the engine's tests. While another program writes
    // the archive the status line says that the delete waits, and Cancel
    // stops it with the archive as it was.
    void deleteRunsAndWaitsForAnotherWriter()
    {
        const Names all = sortedNames(m_link->archive);
        const std::string before = readFile(m_link->archive);
        Names listedAtReload;
        m_link->onReload = [&] {
            listedAtReload = sortedNames(m_link->archive);
        };
        m_link->viewLastOutput.setEnabled(false);
        m_link->msg.appendLine(QStringLiteral("line of an earlier operation"));
        TDeleteForm form;
        RecordingNotices recorded;
        form.ZipEngine1.setNotices(&recorded);
        form.setLink(*m_link);
        const auto run = [&](const QString &files) {
            form.show();
            form.RadioButton3->click();
            QTest::keyClicks(form.Edit1, files);
            form.Button1->click();
            QVERIFY(!form.isVisible() && m_link->main.isEnabled());
        };
        run(QStringLiteral("*.nothing"));
        QVERIFY(m_link->reloads == 1 && listedAtReload == all && recorded.texts.empty());
        // The library reads the directory; the dialog keeps no list of its own.
        QVERIFY(form.ZipEngine1.Entries().empty());
        // The log was started and stays empty.
        QVERIFY(m_link->viewLastOutput.isEnabled() && m_link->msg.lines().isEmpty());

        const int held = ::open(m_link->archive.c_str(), O_RDONLY | O_CLOEXEC);
        QVERIFY(::flock(held, LOCK_EX) == 0);
        QString shown;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (shown.isEmpty() && form.ZipEngine1.ZipLibBusy
                && m_link->SPanel1.text().startsWith(QStringLiteral("Waiting"))) {
                shown = m_link->SPanel1.text();
                form.Button2->click();
            }
        });
        watch.start(0);
        run(QStringLiteral("one.txt"));
        ::close(held);
        const QString name = QFileInfo(QString::fromStdString(m_link->archive)).fileName();
        QCOMPARE(shown, "Waiting for another program: \"" + name + "\"");
        QCOMPARE(readFile(m_link->archive), before);
        QCOMPARE(m_link->reloads, 2);
        QCOMPARE(m_link->SPanel1.text(), QStringLiteral("No file(s) selected."));
    }

    // Shift+D then Enter with nothing selected: "&Entire archive" and the
    // default button. The archive is emptied only after a question whose
    // default is No.
    void deletingEverythingAsksFirst()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_link->archive) }, Show::Exposed);
        TDeleteForm deleteForm;
        form.dialogs().setDeleteForm(&deleteForm);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const Names before = sortedNames(m_link->archive);
        QTest::keyClick(&form, Qt::Key_D, Qt::ShiftModifier);
        QVERIFY(deleteForm.isVisible() && deleteForm.RadioButton1->isChecked());
        prompter.answerQuestion(false);
        QTest::keyClick(&deleteForm, Qt::Key_Return);
        const std::string name = std::filesystem::path(m_link->archive).filename().string();
        QCOMPARE(prompter.texts(), QStringList { qs("Delete all 3 members of " + name + "?") });
        QVERIFY(prompter.shown().back().defaultNo);
        QVERIFY(deleteForm.isVisible() && sortedNames(m_link->archive) == before);

        prompter.answerQuestion(true);
        QTest::keyClick(&deleteForm, Qt::Key_Return);
        QVERIFY(!deleteForm.isVisible() && form.FileRowCount() == 0);
        QVERIFY(sortedNames(m_link->archive).empty());
    }

    // --- View ---

    void viewerBoxAndRadios()
    {
        ScriptedPrompter prompter;
        auto &&[form, viewer] = ViewDialog(*this);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form) && !m_link->main.isEnabled());
        QCOMPARE(form.Edit1->text(), QStringLiteral("/bin/sh"));
        QVERIFY(form.RadioButton2->isChecked() && form.RadioButton2->hasFocus());

        // Typing picks the viewer program; the setting follows every change, viewed or not.
        form.Edit1->clear();
        QTest::keyClicks(form.Edit1, QStringLiteral("/usr/bin/less"));
        QVERIFY(form.RadioButton3->isChecked());

        // Browsing: a cancel changes nothing, a choice is as if typed.
        form.RadioButton2->setChecked(true);
        prompter.answerFile(QString());
        form.Button3->click();
        QVERIFY(m_link->viewerProgram == "/usr/bin/less" && form.RadioButton2->isChecked());
        prompter.answerFile(QStringLiteral("/usr/bin/vi"));
        form.Button3->click();
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible() && m_link->main.isEnabled());
        QCOMPARE(m_link->viewerProgram, std::string("/usr/bin/vi"));
        QVERIFY(form.RadioButton3->isChecked());

        // Always the text viewer, whatever was chosen last time.
        form.show();
        QVERIFY(form.RadioButton2->isChecked());
        form.close();
    }

    // Either way the copy goes straight in the temporary folder, without the
    // member's folder. A failure is told and nothing else is opened: not
    // without the viewer program, not an old copy of a member the archive lacks.
    void viewWithAProgram()
    {
        writeFile(m_link->tempFolder + "gone.txt", "an old copy\n");
        const QString temp = qs(m_link->tempFolder), copy = temp + "inner.txt";
        const struct
        {
            const char *path, *name, *viewer;
            bool associated, noProgram;
            QStringList call; // verb, target, arguments, folder; empty: nothing is opened
            QString notice;
        } rows[] = {
            { "docs/", "inner.txt", "/bin/sh", true, false, { "open", copy, "", temp }, {} },
            { "docs/", "inner.txt", "/bin/sh", false, false, { "start", "/bin/sh", copy, temp },
                {} },
            { "docs/", "inner.txt", "/bin/sh", true, true, { "open", copy, "", temp },
                "Cannot open \"" + copy + "\": no program." },
            { "", "readme.txt", "/no/such/viewer", false, false, {},
                "Cannot find the viewer program \"/no/such/viewer\"." },
            { "", "gone.txt", "/bin/sh", true, false, {},
                "Could not extract \"gone.txt\" for viewing." },
        };
        for (const auto &row : rows) {
            ScriptedPrompter prompter;
            RecordingShell shell;
            if (row.noProgram)
                shell.failWith(QStringLiteral("no program"));
            auto &&[form, viewer] = ViewDialog(*this);
            m_link->viewerProgram = row.viewer;
            m_link->entry = ViewEntry { row.path, row.name };
            form.show();
            (row.associated ? form.RadioButton1 : form.RadioButton3)->setChecked(true);
            form.Button1->click();
            QCOMPARE(prompter.texts(),
                row.notice.isEmpty() ? QStringList() : QStringList { row.notice });
            QVERIFY(!viewer.isVisible());
            // What opened nothing leaves the dialog for another choice.
            QCOMPARE(form.isVisible(), row.call.isEmpty());
            QCOMPARE(shell.calls().size(), size_t(row.call.isEmpty() ? 0 : 1));
            if (!row.call.isEmpty()) {
                const RecordingShell::Call &call = shell.calls()[0];
                QCOMPARE(
                    QStringList({ call.verb, call.target, call.args.join('|'), call.workingDir }),
                    row.call);
                QVERIFY(call.show == Shell::Show::Normal && m_link->main.isEnabled());
                QCOMPARE(readFile(copy.toStdString()), kInner);
                QVERIFY(!std::filesystem::exists(m_link->tempFolder + "docs"));
            }
            form.close();
        }
    }

    // The temporary folder is made when missing, and each view writes the
    // copy again.
    void viewTwiceIntoAMissingTemporaryFolder()
    {
        auto &&[form, viewer] = ViewDialog(*this);
        m_link->tempFolder = (m_dir / "gone/again").string(); // no trailing '/' either
        m_link->entry = ViewEntry { "", "readme.txt" };
        form.show();
        form.Button1->click();
        QCOMPARE(m_link->tempFolder, (m_dir / "gone/again").string() + "/");
        QCOMPARE(viewer.Memo1->toPlainText(), QString::fromStdString(kReadme));
        writeFile(m_link->tempFolder + "readme.txt", "changed by someone\n");
        form.show();
        form.Button1->click();
        QCOMPARE(readFile(m_link->tempFolder + "readme.txt"), kReadme);
        QCOMPARE(viewer.Memo1->toPlainText(), QString::fromStdString(kReadme));
        viewer.close();
    }

    // --- Text viewer ---

    void textViewerSaysWhyItCannotShowAFile()
    {
        ScriptedPrompter prompter;
        TAsciview viewer;
        viewer.setLink(*m_link);
        viewer.view("missing.txt");
        QCOMPARE(prompter.texts().size(), 1);
        QVERIFY(prompter.texts()[0].startsWith(
            QString::fromStdString("Cannot open file \"" + m_link->tempFolder + "missing.txt\"")));
        QTRY_VERIFY(!viewer.isVisible());
        QVERIFY(m_link->main.isEnabled());
    }

    // The selection, or all of it without one; the selection is left as it was.
    void clipboardCopyAndFont()
    {
        TAsciview viewer;
        viewer.setLink(*m_link);
        writeFile(m_link->tempFolder + "clip.txt", "alpha\nbeta\n");
        viewer.view("clip.txt");
        QVERIFY(!m_link->main.isEnabled());
        for (const bool selection : { false, true }) {
            QApplication::clipboard()->setText(QStringLiteral("before"));
            if (selection) {
                QTextCursor cursor = viewer.Memo1->textCursor();
                cursor.setPosition(6);
                cursor.setPosition(10, QTextCursor::KeepAnchor);
                viewer.Memo1->setTextCursor(cursor);
            }
            viewer.Button2->click();
            QCOMPARE(QApplication::clipboard()->text(),
                selection ? QStringLiteral("beta") : QStringLiteral("alpha\nbeta\n"));
            QCOMPARE(viewer.Memo1->textCursor().hasSelection(), selection);
        }

        // A font chosen for this window only.
        ScriptedPrompter prompter;
        const QFont before = viewer.Memo1->font();
        prompter.answerFont(QFont(QStringLiteral("Serif"), 23).toString());
        viewer.Button3->click();
        QCOMPARE(viewer.Memo1->font().pointSize(), 23);
        // Tabs stay eight characters wide in the new font.
        QCOMPARE(viewer.Memo1->tabStopDistance(),
            8 * QFontMetricsF(viewer.Memo1->font()).horizontalAdvance(QLatin1Char(' ')));
        TAsciview other;
        QCOMPARE(other.Memo1->font().pointSize(), before.pointSize());
        viewer.close();
    }

    // --- From the main window ---

    // What it passes of its list and settings; its deletes of the selected
    // members are proven with the safety of operations.
    void commandsOfTheMainWindow()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_link->archive) }, Show::Shown);
        RecordingShell shell;
        TViewForm viewForm;
        TAsciview textViewer;
        form.dialogs().setViewForm(&viewForm, &textViewer);
        form.settings().Temp = m_link->tempFolder;
        form.settings().Viewer = "/bin/sh";

        action(form, "View1")->trigger();
        QCOMPARE(prompter.texts(), QStringList { "No file selected for viewing." });
        QVERIFY(!viewForm.isVisible());
        selectMembers(form, { "docs/inner.txt" });
        action(form, "ViewButton")->trigger();
        QVERIFY(!form.isEnabled());
        viewForm.Button1->click();
        QCOMPARE(textViewer.windowTitle(), QStringLiteral("View: inner.txt"));
        QCOMPARE(textViewer.Memo1->toPlainText(), qs(kInner));
        textViewer.Button1->click();
        QVERIFY(form.isEnabled());
        // The viewer box edits the setting itself.
        action(form, "View2")->trigger();
        viewForm.Edit1->setText(QStringLiteral("/bin/cat"));
        QCOMPARE(form.settings().Viewer, std::string("/bin/cat"));
        viewForm.Button1->click();
        QVERIFY(shell.calls().size() == 1 && shell.calls()[0].target == "/bin/cat");
    }
};

QTEST_MAIN(DeleteViewTest)
#include "DeleteViewTest.moc"
