// The main window on an archive that is only read (a tar.gz): what writes it
// is off and says why, what reads it works, and a drop onto it adds nothing.

#include "ExtractUnit.h"
#include "ListDragDrop.h"
#include "MainWindow.h"
#include "Peers.h"
#include "RecordingShell.h"
#include "TestDir.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPushButton>

using namespace amxtest;

class OtherFormatWindowTest : public QObject
{
    Q_OBJECT

private:
    WindowDir m_dir;
    std::string m_tar;

private Q_SLOTS:
    void initTestCase()
    {
        m_tar = (m_dir / "src.tar.gz").string();
        runOk({ "python3", "-c",
            "import io, sys, tarfile\n"
            "with tarfile.open(sys.argv[1], 'w:gz') as t:\n"
            "    for name, data in (('a.txt', b'alpha'), ('d/b.txt', b'beta')):\n"
            "        info = tarfile.TarInfo(name); info.size = len(data)\n"
            "        t.addfile(info, io.BytesIO(data))\n",
            m_tar });
    }

    void writersOffReadersOn()
    {
        const std::string before = readFile(m_tar);
        auto &&[prompter, form] = MainWindow({ qs(m_tar) }, Show::Shown);
        TExtractForm extractForm;
        form.dialogs().setExtractForm(&extractForm);
        QCOMPARE(form.FileRowCount(), size_t(2));

        const struct
        {
            const char *command;
            bool enabled;
        } rows[] = {
            { "Add1", false },
            { "Add2", false },
            { "AddButton", false },
            { "Delete1", false },
            { "Delete2", false },
            { "DeleteButton", false },
            { "RenameMember1", false },
            { "RenameMember2", false },
            { "Comment1", false },
            { "MakeExeFile1", false },
            { "Extract1", true },
            { "ExtractButton", true },
            { "View1", true },
            { "TestArchive1", true },
            { "CheckOut1", true },
            { "Open1", true },
            { "FindFiles1", true },
            { "RenameArchive1", true },
        };
        for (const auto &row : rows) {
            QAction *a = action(form, row.command);
            QVERIFY2(a->isEnabled() == row.enabled, row.command);
            QVERIFY2(
                a->toolTip().contains(QLatin1String("this is a tar.gz archive")) != row.enabled,
                row.command);
        }

        // The readers: extraction, the test, opening a member.
        action(form, "Extract1")->trigger();
        extractForm.Destination->setEditText(qs(m_dir.createDir("out").string()));
        extractForm.Button2->click();
        QCOMPARE(readFile(m_dir / "out/d/b.txt"), std::string("beta"));
        action(form, "TestArchive1")->trigger();
        QVERIFY2(prompter.texts().join('\n').contains(QLatin1String("No errors")),
            qPrintable(prompter.texts().join('\n')));
        RecordingShell shell;
        form.settings().Temp = m_dir.createDir("temp").string() + "/";
        selectMembers(form, { "d/b.txt" });
        action(form, "Open1")->trigger();
        QCOMPARE(shell.calls().size(), size_t(1));
        QCOMPARE(readFile(shell.calls()[0].target.toStdString()), std::string("beta"));

        // The writers the commands lead to refuse as well, whatever reaches them.
        TZipEngine engine;
        engine.setZipFilename(m_tar);
        engine.FSpecArgs = { m_dir.createFile("new.txt", "new").string() };
        engine.Add();
        QCOMPARE(engine.SuccessCount, 0);
        QCOMPARE(readFile(m_tar), before);

        // A ZIP archive opened next may be written again.
        const std::string zip = zipFiles(m_dir / "z.zip", { { "z.txt", "z" } });
        form.OpenArchive(zip);
        form.LoadFileList();
        QVERIFY(action(form, "Add1")->isEnabled() && action(form, "Comment1")->isEnabled());
        QCOMPARE(action(form, "AddButton")->toolTip(), QStringLiteral("Add files to the archive"));
    }

    void aDropIsRefused()
    {
        const std::string before = readFile(m_tar);
        ScriptedPrompter prompter;
        TMainForm main({ qs(m_tar) });
        TDragForm dragForm;
        MainDragDrop dnd { main, dragForm };
        main.show();
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(qs(m_dir.createFile("dropped.txt", "d").string())) });
        QDragEnterEvent enter({ 20, 20 }, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&main, &enter);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&main, &drop);
        QCoreApplication::processEvents();

        QVERIFY(!dragForm.isVisible());
        QCOMPARE(prompter.texts().size(), qsizetype(1));
        QVERIFY(prompter.texts()[0].contains(QLatin1String("src.tar.gz is a tar.gz archive")));
        QCOMPARE(readFile(m_tar), before);
    }
};

QTEST_MAIN(OtherFormatWindowTest)
#include "OtherFormatWindowTest.moc"
