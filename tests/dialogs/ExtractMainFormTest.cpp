// The Extract dialog as the program uses it: created beside the main window,
// shown by its Extract commands, extracting the rows selected in its list.

#include "app/AmbxUnit.h"
#include "dialogs/ExtractUnit.h"
#include "tests/support/Peers.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestDir.h"
#include "widgets/FileListView.h"

#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace amxtest;
namespace fs = std::filesystem;

class ExtractMainFormTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    std::string m_archive;

private Q_SLOTS:
    void initTestCase()
    {
        TMainForm::setStorePaths(
            (m_dir / "config/Ambermox.conf").string(), (m_dir / "favorites.dat").string());
        m_dir.createFile("src/one.txt", sampleBytes(5000, 1));
        m_dir.createFile("src/Two/two.txt", sampleBytes(70000, 2));
        m_dir.createFile("src/three.bin", sampleBytes(9000, 3));
        m_archive = (m_dir / "set.zip").string();
        runOk({ "zip", "-q", "-r", m_archive, "." }, (m_dir / "src").string());
    }

    void commandsShowTheDialogAndItExtractsTheSelection()
    {
        ScriptedPrompter prompter;
        TMainForm form({ QString::fromStdString(m_archive) });
        TExtractForm extract;
        form.dialogs().setExtractForm(&extract);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.operations().extractEngine, &extract.ZipEngine1);
        QCOMPARE(form.FileRowCount(), size_t(3));

        int two = -1;
        for (size_t i = 0; i < form.FileRowCount(); ++i)
            if (form.fileRows()[i].member() == "Two/two.txt")
                two = int(i);
        QVERIFY(two >= 0);
        form.fileList()->selectionModel()->select(form.fileList()->model()->index(two, 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);

        for (const char *name : { "Extract1", "Extract2", "ExtractButton" }) {
            form.findChild<QAction *>(QString::fromLatin1(name))->trigger();
            QVERIFY2(extract.isVisible(), name);
            QVERIFY(!form.isEnabled());
            QVERIFY(extract.RadioButton1->isChecked());
            extract.close();
            QVERIFY(form.isEnabled());
        }

        TestDir out;
        form.findChild<QAction *>(QStringLiteral("Extract1"))->trigger();
        extract.Destination->setEditText(QString::fromStdString(out.str() + "/"));
        extract.Button2->click();
        QVERIFY(!extract.isVisible());
        QVERIFY(form.isEnabled());
        QCOMPARE(readFile(out / "Two/two.txt"), readFile(m_dir / "src/Two/two.txt"));
        QVERIFY(!fs::exists(out / "one.txt"));
        QCOMPARE(form.settings().Extract[0], out.str());
        QVERIFY(form.findChild<QAction *>(QStringLiteral("ViewLastOutput2"))->isEnabled());

        // The history is stored with the other settings.
        form.SaveSettings();
        form.settings().Extract[0].clear();
        form.LoadSettings();
        QCOMPARE(form.settings().Extract[0], out.str());
    }

    void dialogGoneLeavesTheCommandsHarmless()
    {
        ScriptedPrompter prompter;
        TMainForm form({ QString::fromStdString(m_archive) });
        {
            TExtractForm extract;
            form.dialogs().setExtractForm(&extract);
        }
        QVERIFY(!form.dialogs().extractForm());
        QVERIFY(!form.operations().extractEngine);
        form.findChild<QAction *>(QStringLiteral("Extract1"))->trigger();
        QVERIFY(form.isEnabled());
    }
};

QTEST_MAIN(ExtractMainFormTest)
#include "ExtractMainFormTest.moc"
