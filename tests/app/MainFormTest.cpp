// The main window driven as a user would: command line, Open, Close, sort
// commands, view styles. The archive rules have their own ArchiveSessionTest.

#include "tests/support/MainWindow.h"
#include "tests/support/Peers.h"
#include "tests/support/TestDir.h"
#include "widgets/FileListView.h"

#include <sys/stat.h>

using namespace amxtest;

class MainFormTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    std::string m_a, m_b, m_d;

    std::string makeArchive(const std::string &name, int files)
    {
        for (int i = 0; i < files; ++i)
            m_dir.createFile("src-" + name + "/file" + std::to_string(i) + ".txt",
                sampleBytes(1000 + static_cast<size_t>(i) * 700, static_cast<uint32_t>(i)));
        const std::string path = (m_dir / name).string();
        runOk({ "zip", "-q", "-r", path, "src-" + name }, m_dir.str());
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        TMainForm::setStorePaths(
            (m_dir / "config/Ambermox.conf").string(), (m_dir / "favorites.dat").string());
        m_a = makeArchive("a.zip", 3);
        m_b = makeArchive("b.zip", 1);
        m_d = makeArchive("Mixed Case.ZIP", 4);
    }

    void startsWithArchiveFromCommandLine()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a) }, Show::Exposed);

        QCOMPARE(form.windowTitle(), QStringLiteral("Ambermox - a.zip"));
        QCOMPARE(form.FileRowCount(), size_t(3));
        QCOMPARE(form.fileList()->model()->rowCount(), 3);
        QCOMPARE(form.rightStatus(), qs(totalText(3, form.fileRows().totals())));
        QCOMPARE(form.leftStatus(), QStringLiteral("No file(s) selected."));
        QCOMPARE(recent(form)[0], m_a); // the archive rules: ArchiveSessionTest
        QVERIFY(prompter.shown().empty());

        form.fileList()->selectAllRows();
        QCOMPARE(form.leftStatus(), qs(selectedText(3, form.fileRows().totals().size)));
        form.fileList()->invertSelection();
        QCOMPARE(form.leftStatus(), QStringLiteral("No file(s) selected."));

        action(form, "CloseArchive2")->trigger();
        QCOMPARE(form.windowTitle(), QStringLiteral("Ambermox "));
        QCOMPARE(form.FileRowCount(), size_t(0));
        QCOMPARE(form.leftStatus(),
            QStringLiteral("Choose \"New\" to create or \"Open\" to open an archive."));
        // Each command's state without an archive: MainCommandsTest's enabling table.
        QVERIFY(!form.fileList()->isEnabled());
    }

    void lastArchiveOnCommandLineWins()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a), QStringLiteral("-x"), qs(m_b) });
        QCOMPARE(form.session().CurrentArchive, m_b);
        QCOMPARE(form.FileRowCount(), size_t(1));
        QCOMPARE(recent(form)[0], m_b);
        QCOMPARE(recent(form)[1], std::string());
    }

    void missingArchiveListsNothingButIsRemembered()
    {
        const std::string missing = (m_dir / "gone.zip").string();
        auto &&[prompter, form] = MainWindow({ qs(missing) });
        QCOMPARE(form.FileRowCount(), size_t(0));
        QCOMPARE(recent(form)[0], missing);
        QVERIFY(prompter.shown().empty());
    }

    void cancelledOpenChangesNothing()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a) });
        prompter.answerFile(QString());
        action(form, "OpenArchive2")->trigger();
        QCOMPARE(form.session().CurrentArchive, m_a);
        QCOMPARE(form.FileRowCount(), size_t(3));
    }

    void sortCommandsReloadOnlyOnChange()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_d) });
        auto *bySize = action(form, "SortbySize1");
        bySize->trigger();
        QVERIFY(action(form, "bySize1")->isChecked());

        // The same order again does not rebuild the list: the selection survives.
        form.fileList()->selectAllRows();
        bySize->trigger();
        QCOMPARE(form.fileList()->selectedCount(), 4);
        action(form, "byName1")->trigger();
        QCOMPARE(form.fileList()->selectedCount(), 0);
    }

    void writableArchiveAfterAReadOnlyOneEnablesChanges()
    {
        const std::string ro = (m_dir / "ro.zip").string();
        std::filesystem::copy_file(m_a, ro);
        ::chmod(ro.c_str(), 0444);
        auto &&[prompter, form] = MainWindow({ qs(ro) });
        // Each command's state in a read-only archive: MainCommandsTest's enabling table.
        QVERIFY(!action(form, "Add1")->isEnabled());
        prompter.answerFile(qs(m_b));
        form.OpenArchive2Click();
        for (const char *name : { "Add1", "Delete1", "MoveArchive1" })
            QVERIFY2(action(form, name)->isEnabled(), name);
    }

    void damagedArchiveShowsTheError()
    {
        const std::string bad = (m_dir / "bad.zip").string();
        writeFile(bad, readFile(m_a).substr(0, 1500));
        auto &&[prompter, form] = MainWindow();
        prompter.answerFile(qs(bad));
        action(form, "OpenArchive2")->trigger();
        QCOMPARE(prompter.texts().back(), QStringLiteral("Error 3 reading Zip file"));
        QCOMPARE(form.fileList()->model()->rowCount(), 0);
    }

    void viewStylesShareOneSelection()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_d) }, Show::Shown);
        form.fileList()->selectAllRows();
        const std::array names { "LargeIcons1", "SmallIcons1", "List1", "Details1" };
        // Details twice: the checked style again changes nothing.
        for (int style : { 0, 1, 2, 3, 3 }) {
            action(form, names[style])->trigger();
            QCOMPARE(static_cast<int>(form.fileList()->viewStyle()), style);
            QCOMPARE(form.fileList()->selectedCount(), 4);
            for (int other = 0; other < 4; ++other)
                QCOMPARE(action(form, names[other])->isChecked(), other == style);
        }
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
