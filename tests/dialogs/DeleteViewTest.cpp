// The Delete and View dialogs and the text viewer driven as a user would,
// against real archives made by zip and the real libraries.

#include "dialogs/AViewUnit.h"
#include "dialogs/DeleteUnit.h"
#include "dialogs/MsgUnit.h"
#include "dialogs/Operations.h"
#include "dialogs/ViewUnit.h"
#include "tests/support/FakeMainWindow.h"
#include "tests/support/Peers.h"
#include "tests/support/RecordingNotices.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestDir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

#include <algorithm>

using namespace amxtest;

namespace {

using Names = std::vector<std::string>;

const std::string kReadme = "Read me first.\nSecond line.\n";
const std::string kInner = "inside a folder\n";
const std::string kLatin = "caf\xE9 cr\xE8me\n"; // Latin-1 bytes

} // namespace

class DeleteViewTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    std::unique_ptr<FakeMainWindow> m_link; // a fresh one for every test
    Names m_listedAtReload;

    // A fresh archive for every test: the deletes change it.
    std::string makeArchive()
    {
        static int count = 0;
        const std::string folder = "src" + std::to_string(++count);
        m_dir.createFile(folder + "/one.txt", "one\n");
        m_dir.createFile(folder + "/two.txt", "two\n");
        m_dir.createFile(folder + "/README", "no dot in the name\n");
        m_dir.createFile(folder + "/sub/three.txt", "three\n");
        m_dir.createFile(folder + "/sub/four.dat", "four\n");
        m_dir.createFile(folder + "/readme.txt", kReadme);
        m_dir.createFile(folder + "/docs/inner.txt", kInner);
        m_dir.createFile(folder + "/latin.txt", kLatin);
        const std::string archive = (m_dir / (folder + ".zip")).string();
        runOk({ "zip", "-q", "-r", "-D", archive, "." }, (m_dir / folder).string());
        return archive;
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
        m_link->msg.appendLine(QStringLiteral("line of an earlier operation"));
        m_link->archive = makeArchive();
        m_link->tempFolder = (m_dir / "tmp").string() + "/";
        std::filesystem::create_directories(m_link->tempFolder);
        m_link->viewerProgram = "/bin/sh";
        m_link->onReload = [this] {
            m_listedAtReload = sortedNames(m_link->archive);
        };
        m_listedAtReload.clear();
    }

    void cleanup() { m_link.reset(); }

    // --- Delete ---

    void deleteRadiosWithoutSelection()
    {
        TDeleteForm form;
        form.setLink(*m_link);
        form.show();
        QVERIFY(!m_link->main.isEnabled());
        QVERIFY(!form.RadioButton2->isEnabled());
        QVERIFY(form.RadioButton1->isChecked());
        QCOMPARE(form.what(), DeleteWhat::Entire);
        // Centred over the main window.
        // (within the few pixels of a window frame)
        const QPoint offset = form.frameGeometry().center() - m_link->main.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 6,
            qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QVERIFY(m_link->main.isEnabled());
        QCOMPARE(m_link->reloads, 0);
    }

    void deleteRadiosWithSelection()
    {
        TDeleteForm form;
        form.setLink(*m_link);
        m_link->selected = { "one.txt" };
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(form.RadioButton2->isEnabled());
        QVERIFY(form.RadioButton2->isChecked());

        // Typing selects "&Files:".
        QTest::keyClicks(form.Edit1, QStringLiteral("*.dat"));
        QVERIFY(form.RadioButton3->isChecked());
        QCOMPARE(form.what(), DeleteWhat::Files);

        // Clicking "&Files:" moves the focus to the box.
        form.RadioButton1->setChecked(true);
        form.Button1->setFocus();
        QTest::mouseClick(form.RadioButton3, Qt::LeftButton);
        QVERIFY(form.RadioButton3->isChecked());
        QVERIFY(form.Edit1->hasFocus());

        // The next show starts over: box emptied, radios by the selection.
        form.Button2->click();
        QVERIFY(!form.isVisible());
        QVERIFY(m_link->main.isEnabled());
        m_link->selected.clear();
        form.show();
        QVERIFY(form.Edit1->text().isEmpty());
        QVERIFY(form.RadioButton1->isChecked());
        QVERIFY(!form.RadioButton2->isEnabled());
        form.close();
        QCOMPARE(m_link->reloads, 0);
    }

    // A delete that removes nothing still reloads the list and leaves an empty
    // log; the deletes that remove members are driven from the main window in
    // DeleteViewMainTest, what they remove is the library tests' business.
    void deleteRuns_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("notices");
        QTest::newRow("nothing matched still reloads")
            << QStringLiteral("*.nothing") << QStringList {};
        QTest::newRow("empty specification refused by the engine")
            << QStringLiteral("") << QStringList { "Error - no files selected for deletion" };
    }

    void deleteRuns()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, notices);
        const Names all = sortedNames(m_link->archive);
        TDeleteForm form;
        RecordingNotices recorded;
        form.ZipEngine1.setNotices(&recorded);
        form.setLink(*m_link);
        form.show();
        form.RadioButton3->click();
        QTest::keyClicks(form.Edit1, typed);
        form.Button1->click();
        QVERIFY(!form.isVisible());
        QVERIFY(m_link->main.isEnabled());
        QCOMPARE(m_link->reloads, 1);
        QCOMPARE(m_listedAtReload, all);
        QCOMPARE(form.ZipEngine1.SuccessCount, 0);
        Names expectedNotices;
        for (const QString &n : notices)
            expectedNotices.push_back(n.toStdString());
        QCOMPARE(recorded.texts, expectedNotices);
        // The log was started and stays empty.
        QVERIFY(m_link->viewLastOutput.isEnabled());
        QVERIFY(m_link->msg.lines().isEmpty());
    }

    // --- View ---

    void viewShowsStartFromTheTextViewer()
    {
        auto &&[form, viewer] = ViewDialog(*this);
        m_link->entry = ViewEntry { "", "readme.txt" };
        for (int round = 0; round < 2; ++round) {
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QVERIFY(!m_link->main.isEnabled());
            QCOMPARE(form.Edit1->text(), QStringLiteral("/bin/sh"));
            // Always the text viewer, whatever was chosen last time.
            QVERIFY(form.RadioButton2->isChecked());
            QVERIFY(form.RadioButton2->hasFocus());
            form.RadioButton1->setChecked(true);
            QTest::keyClick(&form, Qt::Key_Escape);
            QVERIFY(!form.isVisible());
            QVERIFY(m_link->main.isEnabled());
        }
    }

    void viewerSettingChangedByTyping()
    {
        auto &&[form, viewer] = ViewDialog(*this);
        form.show();
        form.Edit1->clear();
        QCOMPARE(m_link->viewerProgram, std::string());
        QVERIFY(form.RadioButton3->isChecked());
        form.RadioButton2->setChecked(true);
        QTest::keyClicks(form.Edit1, QStringLiteral("/usr/bin/less"));
        // Stored at every change, viewed or not.
        QCOMPARE(m_link->viewerProgram, std::string("/usr/bin/less"));
        QVERIFY(form.RadioButton3->isChecked());
        form.Button2->click();
        QCOMPARE(m_link->viewerProgram, std::string("/usr/bin/less"));
    }

    void viewerChosenWithBrowse()
    {
        ScriptedPrompter prompter;
        auto &&[form, viewer] = ViewDialog(*this);
        form.show();
        QVERIFY(form.RadioButton2->isChecked());
        prompter.answerFile(QString()); // cancelled
        form.Button3->click();
        QCOMPARE(m_link->viewerProgram, std::string("/bin/sh"));
        QVERIFY(form.RadioButton2->isChecked());
        prompter.answerFile(QStringLiteral("/usr/bin/vi"));
        form.Button3->click();
        QCOMPARE(form.Edit1->text(), QStringLiteral("/usr/bin/vi"));
        QCOMPARE(m_link->viewerProgram, std::string("/usr/bin/vi"));
        QVERIFY(form.RadioButton3->isChecked());
        QCOMPARE(prompter.shown().size(), size_t(2));
        QCOMPARE(prompter.shown()[0].kind, QStringLiteral("open"));
        QCOMPARE(prompter.shown()[0].text, QStringLiteral("Browse"));
        form.close();
    }

    void viewWithAssociatedProgram()
    {
        RecordingShell shell;
        auto &&[form, viewer] = ViewDialog(*this);
        m_link->entry = ViewEntry { "", "readme.txt" };
        form.show();
        form.RadioButton1->setChecked(true);
        form.Button1->click();
        QVERIFY(!form.isVisible());
        QVERIFY(!viewer.isVisible());
        QVERIFY(m_link->main.isEnabled());
        QCOMPARE(shell.calls().size(), size_t(1));
        const RecordingShell::Call &call = shell.calls()[0];
        QCOMPARE(call.verb, QStringLiteral("open"));
        QCOMPARE(call.target, QString::fromStdString(m_link->tempFolder + "readme.txt"));
        QCOMPARE(call.workingDir, QString::fromStdString(m_link->tempFolder));
        QVERIFY(call.show == Shell::Show::Normal);
        QVERIFY(call.args.isEmpty());
        QCOMPARE(readFile(m_link->tempFolder + "readme.txt"), kReadme);
    }

    void viewWithViewerProgram()
    {
        RecordingShell shell;
        auto &&[form, viewer] = ViewDialog(*this);
        m_link->entry = ViewEntry { "docs/", "inner.txt" };
        form.show();
        form.RadioButton3->setChecked(true);
        form.Button1->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(shell.calls().size(), size_t(1));
        const RecordingShell::Call &call = shell.calls()[0];
        QCOMPARE(call.verb, QStringLiteral("start"));
        QCOMPARE(call.target, QStringLiteral("/bin/sh"));
        // Without the archive's folder, straight in the temporary folder.
        QCOMPARE(
            call.args, QStringList { QString::fromStdString(m_link->tempFolder + "inner.txt") });
        QCOMPARE(call.workingDir, QString::fromStdString(m_link->tempFolder));
        QCOMPARE(readFile(m_link->tempFolder + "inner.txt"), kInner);
        QVERIFY(!std::filesystem::exists(m_link->tempFolder + "docs"));
    }

    void viewWithMissingViewerProgramSaysSo()
    {
        ScriptedPrompter prompter;
        RecordingShell shell;
        auto &&[form, viewer] = ViewDialog(*this);
        m_link->viewerProgram = "/no/such/viewer";
        m_link->entry = ViewEntry { "", "readme.txt" };
        form.show();
        QVERIFY(form.RadioButton2->isChecked());
        form.RadioButton3->setChecked(true);
        form.Button1->click();
        QCOMPARE(prompter.texts(),
            QStringList { "Cannot find the viewer program \"/no/such/viewer\"." });
        QVERIFY(shell.calls().empty());
        QVERIFY(form.isVisible());
        form.close();
    }

    void viewTwiceOverwritesTheCopy()
    {
        auto &&[form, viewer] = ViewDialog(*this);
        m_link->entry = ViewEntry { "", "readme.txt" };
        form.show();
        form.Button1->click();
        QCOMPARE(viewer.Memo1->toPlainText(), QString::fromStdString(kReadme));
        writeFile(m_link->tempFolder + "readme.txt", "changed by someone\n");
        form.show();
        form.Button1->click();
        QCOMPARE(readFile(m_link->tempFolder + "readme.txt"), kReadme);
        QCOMPARE(viewer.Memo1->toPlainText(), QString::fromStdString(kReadme));
        viewer.close();
    }

    void viewIntoAMissingTemporaryFolder()
    {
        RecordingShell shell;
        auto &&[form, viewer] = ViewDialog(*this);
        m_link->tempFolder = (m_dir / "gone/again").string(); // no trailing '/' either
        m_link->entry = ViewEntry { "", "readme.txt" };
        form.show();
        form.RadioButton1->setChecked(true);
        form.Button1->click();
        QCOMPARE(m_link->tempFolder, (m_dir / "gone/again").string() + "/");
        QCOMPARE(readFile(m_link->tempFolder + "readme.txt"), kReadme);
        QCOMPARE(shell.calls().size(), size_t(1));
        QCOMPARE(
            shell.calls()[0].target, QString::fromStdString(m_link->tempFolder + "readme.txt"));
    }

    void viewDoesNotOpenAStaleCopy()
    {
        ScriptedPrompter prompter;
        RecordingShell shell;
        auto &&[form, viewer] = ViewDialog(*this);
        RecordingNotices notices;
        form.ZipEngine1.setNotices(&notices);
        writeFile(m_link->tempFolder + "gone.txt", "an old copy\n");
        m_link->entry = ViewEntry { "", "gone.txt" };
        form.show();
        form.RadioButton1->setChecked(true);
        form.Button1->click();
        QCOMPARE(prompter.texts(), QStringList { "Could not extract \"gone.txt\" for viewing." });
        QVERIFY(shell.calls().empty());
        QVERIFY(!viewer.isVisible());
        form.close();
    }

    // --- Text viewer ---

    void textViewerAppendsSlashAndDisablesMain()
    {
        TAsciview viewer;
        viewer.setLink(*m_link);
        const std::string temp = (m_dir / "tmp").string();
        m_link->tempFolder = temp;
        writeFile(temp + "/plain.txt", "x\r\ny\r\n");
        viewer.view("plain.txt");
        QCOMPARE(m_link->tempFolder, temp + "/");
        QVERIFY(!m_link->main.isEnabled());
        QCOMPARE(viewer.Memo1->toPlainText(), QStringLiteral("x\ny\n"));
        QTest::keyClick(&viewer, Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
        QVERIFY(m_link->main.isEnabled());
    }

    void textViewerMissingFile()
    {
        ScriptedPrompter prompter;
        TAsciview viewer;
        viewer.setLink(*m_link);
        viewer.view("missing.txt");
        QCOMPARE(prompter.shown().size(), size_t(1));
        QCOMPARE(prompter.shown()[0].kind, QStringLiteral("error"));
        QVERIFY(prompter.shown()[0].text.startsWith(
            QStringLiteral("Cannot open file \"%1missing.txt\"")
                .arg(QString::fromStdString(m_link->tempFolder))));
        QTRY_VERIFY(!viewer.isVisible());
        QVERIFY(m_link->main.isEnabled());
    }

    void clipboardCopy_data()
    {
        QTest::addColumn<int>("from"); // -1: nothing selected
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("copied");
        QTest::newRow("without selection: all of it")
            << -1 << -1 << QStringLiteral("alpha\nbeta\n");
        QTest::newRow("of the selection") << 6 << 10 << QStringLiteral("beta");
    }

    void clipboardCopy()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, copied);
        TAsciview viewer;
        viewer.setLink(*m_link);
        writeFile(m_link->tempFolder + "clip.txt", "alpha\nbeta\n");
        viewer.view("clip.txt");
        QApplication::clipboard()->setText(QStringLiteral("before"));
        if (from >= 0) {
            QTextCursor cursor = viewer.Memo1->textCursor();
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            viewer.Memo1->setTextCursor(cursor);
        }
        viewer.Button2->click();
        QCOMPARE(QApplication::clipboard()->text(), copied);
        // The selection is left as it was.
        QCOMPARE(viewer.Memo1->textCursor().hasSelection(), from >= 0);
        viewer.close();
    }

    void fontChosenForThisWindowOnly()
    {
        ScriptedPrompter prompter;
        TAsciview viewer;
        viewer.setLink(*m_link);
        writeFile(m_link->tempFolder + "f.txt", "f\n");
        viewer.view("f.txt");
        const QFont before = viewer.Memo1->font();
        prompter.answerFont(QString()); // cancelled
        viewer.Button3->click();
        QCOMPARE(viewer.Memo1->font(), before);
        QFont big(QStringLiteral("Serif"), 23);
        prompter.answerFont(big.toString());
        viewer.Button3->click();
        QCOMPARE(viewer.Memo1->font().pointSize(), 23);
        // Tabs stay eight characters wide in the new font.
        QCOMPARE(viewer.Memo1->tabStopDistance(),
            8 * QFontMetricsF(viewer.Memo1->font()).horizontalAdvance(QLatin1Char(' ')));
        QCOMPARE(prompter.shown().size(), size_t(2));
        QCOMPARE(prompter.shown()[0].kind, QStringLiteral("font"));
        TAsciview other;
        QCOMPARE(other.Memo1->font().pointSize(), before.pointSize());
        viewer.close();
    }
};

QTEST_MAIN(DeleteViewTest)
#include "DeleteViewTest.moc"
