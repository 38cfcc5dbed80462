// The Delete and View commands of the main window, with the windows created
// as the program creates them, on a real archive.

#include "app/AmbxUnit.h"
#include "dialogs/AViewUnit.h"
#include "dialogs/DeleteUnit.h"
#include "dialogs/ViewUnit.h"
#include "tests/support/Peers.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestDir.h"
#include "widgets/FileListView.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace amxtest;

class DeleteViewMainTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;

    std::string makeArchive(const std::string &name)
    {
        const std::string folder = "src-" + name;
        m_dir.createFile(folder + "/a.txt", "alpha text\n");
        m_dir.createFile(folder + "/b.txt", "bravo text\n");
        m_dir.createFile(folder + "/c/d.txt", "delta text\n");
        const std::string path = (m_dir / name).string();
        runOk({ "zip", "-q", "-r", "-D", path, "." }, (m_dir / folder).string());
        return path;
    }

    static void trigger(TMainForm &form, const char *name)
    {
        auto *action = form.findChild<QAction *>(QString::fromLatin1(name));
        if (!action)
            qFatal("no action %s", name);
        action->trigger();
    }

    static void selectMember(TMainForm &form, const std::string &member)
    {
        form.fileList()->clearSelection();
        for (size_t i = 0; i < form.FileRowCount(); ++i)
            if (form.fileRows()[i].member() == member)
                form.fileList()->selectionModel()->select(
                    form.fileList()->model()->index(int(i), 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    static std::vector<std::string> members(TMainForm &form)
    {
        std::vector<std::string> out;
        for (size_t i = 0; i < form.FileRowCount(); ++i)
            out.push_back(form.fileRows()[i].member());
        std::sort(out.begin(), out.end());
        return out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        TMainForm::setStorePaths(
            (m_dir / "config/Ambermox.conf").string(), (m_dir / "favorites.dat").string());
    }

    void deleteCommands()
    {
        ScriptedPrompter prompter;
        const std::string archive = makeArchive("del.zip");
        TMainForm form({ QString::fromStdString(archive) });
        TDeleteForm deleteForm;
        form.dialogs().setDeleteForm(&deleteForm);
        form.show();
        QCOMPARE(form.FileRowCount(), size_t(3));

        selectMember(form, "b.txt");
        trigger(form, "Delete1");
        QVERIFY(deleteForm.isVisible());
        QVERIFY(!form.isEnabled());
        QVERIFY(deleteForm.RadioButton2->isChecked());
        deleteForm.Button1->click();
        QVERIFY(!deleteForm.isVisible());
        QVERIFY(form.isEnabled());
        QCOMPARE(members(form), (std::vector<std::string> { "a.txt", "c/d.txt" }));
        QCOMPARE(pythonListing(archive).size(), size_t(2));
        auto *viewLastOutput = form.findChild<QAction *>(QStringLiteral("ViewLastOutput2"));
        QVERIFY(viewLastOutput->isEnabled());

        form.fileList()->clearSelection();
        trigger(form, "DeleteButton");
        QVERIFY(deleteForm.RadioButton1->isChecked());
        QVERIFY(!deleteForm.RadioButton2->isEnabled());
        QTest::keyClicks(deleteForm.Edit1, QStringLiteral("c/*"));
        deleteForm.Button1->click();
        QCOMPARE(members(form), std::vector<std::string> { "a.txt" });

        trigger(form, "Delete2");
        QVERIFY(deleteForm.RadioButton1->isChecked());
        deleteForm.Button1->click();
        QCOMPARE(form.FileRowCount(), size_t(0));
        QVERIFY(pythonListing(archive).empty());
        QVERIFY(form.isEnabled());
    }

    void viewCommands()
    {
        ScriptedPrompter prompter;
        RecordingShell shell;
        const std::string archive = makeArchive("view.zip");
        TMainForm form({ QString::fromStdString(archive) });
        TViewForm viewForm;
        TAsciview textViewer;
        form.dialogs().setViewForm(&viewForm, &textViewer);
        const std::string temp = (m_dir / "viewtemp").string() + "/";
        std::filesystem::create_directories(temp);
        form.settings().Temp = temp;
        form.settings().Viewer = "/bin/sh";
        form.show();

        trigger(form, "View1");
        QCOMPARE(prompter.texts(), QStringList { "No file selected for viewing." });
        QVERIFY(!viewForm.isVisible());

        selectMember(form, "c/d.txt");
        trigger(form, "ViewButton");
        QVERIFY(viewForm.isVisible());
        QVERIFY(!form.isEnabled());
        QCOMPARE(viewForm.Edit1->text(), QStringLiteral("/bin/sh"));
        QVERIFY(viewForm.RadioButton2->isChecked());
        viewForm.Button1->click();
        QVERIFY(textViewer.isVisible());
        QCOMPARE(textViewer.windowTitle(), QStringLiteral("View: d.txt"));
        QCOMPARE(textViewer.Memo1->toPlainText(), QStringLiteral("delta text\n"));
        textViewer.Button1->click();
        QVERIFY(form.isEnabled());

        // The viewer box edits the setting itself.
        trigger(form, "View2");
        viewForm.Edit1->setText(QStringLiteral("/bin/cat"));
        QCOMPARE(form.settings().Viewer, std::string("/bin/cat"));
        viewForm.Button1->click();
        QCOMPARE(shell.calls().size(), size_t(1));
        QCOMPARE(shell.calls()[0].verb, QStringLiteral("start"));
        QCOMPARE(shell.calls()[0].target, QStringLiteral("/bin/cat"));
        QCOMPARE(shell.calls()[0].args, QStringList { QString::fromStdString(temp + "d.txt") });
    }
};

QTEST_MAIN(DeleteViewMainTest)
#include "DeleteViewMainTest.moc"
