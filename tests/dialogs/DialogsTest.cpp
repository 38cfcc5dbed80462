// The self-extractor builder and the shell-extract progress window, driven
// as a user would, with the real libraries.

#include "EnvValue.h"
#include "ExeUnit.h"
#include "FakeMainWindow.h"
#include "LnEUnit.h"
#include "Peers.h"
#include "RecordingShell.h"
#include "ScriptedPrompter.h"
#include "TestDir.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace amxtest;

class DialogsTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    std::string m_archive, m_many;
    // Many files, so the library cannot have written them all when it is stopped.
    static constexpr int kManyFiles = 200;

    // A stored archive of `count` files, each `growth` bytes longer than the one before.
    std::string storedArchive(const std::string &name, int count, size_t size, size_t growth)
    {
        std::vector<std::string> argv { "zip", "-q", "-0", name + ".zip" };
        for (int i = 0; i < count; ++i) {
            argv.push_back("f" + std::to_string(i) + ".bin");
            m_dir.createFile(
                name + "/" + argv.back(), sampleBytes(size + size_t(i) * growth, uint32_t(i)));
        }
        runOk(argv, (m_dir / name).string());
        return (m_dir / name / (name + ".zip")).string();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_archive = storedArchive("big", 6, 100000, 45000);
        m_many = storedArchive("many", kManyFiles, 90000, 0);
    }

    void selfExtractorBuiltFromTheWindow()
    {
        FakeMainWindow link;
        link.archive = m_archive;
        ScriptedPrompter prompter;
        RecordingShell shell;
        // A desktop with a terminal program: the test runs in it.
        m_dir.createFile("terminal/x-terminal-emulator", "#!/bin/sh\n");
        std::filesystem::permissions(
            m_dir / "terminal/x-terminal-emulator", std::filesystem::perms::owner_all);
        EnvValue path("PATH", (m_dir / "terminal").string());
        TEXEForm form;
        form.setLink(link);
        form.show();
        QVERIFY(form.Edit2->text().isEmpty() && form.Edit3->text().isEmpty());
        form.Edit2->setText(QStringLiteral("Setup"));
        prompter.answerQuestion(true);
        form.Button1->click();
        const QString output = QString::fromStdString((m_dir / "big/big.EXE").string());
        // Real line breaks: a label shows no carriage return.
        QCOMPARE(prompter.texts(),
            QStringList { "'" + output + "' has been created from \n'"
                + QString::fromStdString(m_archive)
                + "'.\nBefore distributing the EXE file, please be sure to test it in all target "
                  "enviroments.\n\nDo you want to test it now?" });
        QVERIFY(form.isHidden());
        QCOMPARE(std::filesystem::file_size(output.toStdString()),
            std::filesystem::file_size(std::string(AMX_BIN_DIR) + "/ROVURA.DAT") + 18
                + std::filesystem::file_size(m_archive));
        QVERIFY(shell.calls().size() == 1 && shell.calls()[0].args.contains(output));

        // Shown again: the boxes start empty; an archive named like its output is refused.
        form.show();
        QVERIFY(form.Edit2->text().isEmpty());
        link.archive = (m_dir / "big/big.exe").string();
        prompter.clear();
        form.Button1->click();
        QCOMPARE(prompter.shown().size(), size_t(1));
        QCOMPARE(prompter.shown()[0].kind, QStringLiteral("notice"));
        QVERIFY(form.isVisible());
        form.close();
    }

    // Without a terminal program the test run's output goes to the operation log.
    void selfExtractorTestedWithoutATerminal()
    {
        FakeMainWindow link;
        link.archive = zipFiles(m_dir / "log/setup.zip", { { "note.txt", "note" } });
        ScriptedPrompter prompter;
        RecordingShell shell;
        EnvValue path("PATH", m_dir.createDir("no-terminal").string());
        EnvValue temp("TMPDIR", m_dir.createDir("log/tmp").string());
        TEXEForm form;
        form.setLink(link);
        form.show();
        form.Edit2->setText(QStringLiteral("Setup"));
        form.Edit3->setText(QStringLiteral("echo ran; exit 3"));
        prompter.answerQuestion(true);
        form.Button1->click();

        QTRY_VERIFY_WITH_TIMEOUT(!link.msg.lines().isEmpty()
                && link.msg.lines().last() == QStringLiteral("setup.EXE ended with exit code 3."),
            60000);
        const QStringList lines = link.msg.lines();
        QCOMPARE(
            lines.first(), "Testing " + QString::fromStdString((m_dir / "log/setup.EXE").string()));
        QVERIFY(lines.contains(QStringLiteral("Setup")));
        QVERIFY(lines.contains(QStringLiteral("  note.txt")));
        QVERIFY(lines.contains(QStringLiteral("ran")));
        QVERIFY(link.msg.isVisible() && link.viewLastOutput.isEnabled());
        QVERIFY(shell.calls().empty());
        link.msg.close();
    }

    void gaugeOfAnEmptyTotalAndCancel()
    {
        TLnEForm form;
        form.start(0);
        form.ZipEngine1Progress(form.ZipEngine1, ProgressType::ProgressNewFile, "empty.txt", 0);
        QCOMPARE(form.Gauge2->value(), 0);
        form.ZipEngine1Progress(form.ZipEngine1, ProgressType::ProgressEnd, " ", 0);
        QCOMPARE(form.Gauge2->text(), QStringLiteral("100%"));

        // Esc ending the program is the next test's, in a real process.
        int ended = 0;
        form.endProgram = [&] {
            QVERIFY(form.ZipEngine1.CancelRequested); // set before the end
            ++ended;
        };
        form.CancelButt->click();
        QCOMPARE(ended, 1);
    }

    // The percentage reads on the bar and on the white alike: light where
    // it lies on the navy, dark where it lies on the white.
    void gaugePercentageReadsOnBothParts()
    {
        TLnEForm form;
        form.show();
        form.Gauge2->setValue(form.Gauge2->maximum() / 2);
        const QImage image = form.Gauge2->grab().toImage();
        const QRect inside = image.rect().adjusted(2, 2, -2, -2);
        const int middle = image.width() / 2;
        int lightOnBar = 0, darkOnWhite = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const int lightness = QColor(image.pixel(x, y)).lightness();
                if (x < middle - 1 && lightness > 160)
                    ++lightOnBar;
                if (x > middle + 1 && lightness < 160)
                    ++darkOnWhite;
            }
        QVERIFY(lightOnBar > 0 && darkOnWhite > 0);
    }

    void escapeEndsTheProcessInTheMiddleOfAnExtraction()
    {
        TestDir out;
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // The real ending: no test hook, the process must stop inside the library call.
            TLnEForm form;
            form.show();
            form.start(int64_t(kManyFiles) * 90000);
            form.ZipEngine1.setZipFilename(m_many);
            form.ZipEngine1.FSpecArgs = { "*.*" };
            form.ZipEngine1.ExtrBaseDir = out.str();
            int events = 0;
            const auto bound = form.ZipEngine1.OnProgress;
            form.ZipEngine1.OnProgress = [&](TZipEngine &e, ProgressType t, const std::string &n,
                                             int64_t s) {
                if (++events == 3)
                    QTest::keyClick(&form, Qt::Key_Escape);
                bound(e, t, n, s);
            };
            form.ZipEngine1.Extract();
            ::_exit(7); // only reached when Esc did not end the process
        }
        int status = 0;
        QVERIFY((::waitpid(child, &status, 0)) == child && WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        int extracted = 0;
        for (const auto &entry : std::filesystem::directory_iterator(out.path()))
            extracted += entry.is_regular_file();
        QVERIFY(extracted < kManyFiles);
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
