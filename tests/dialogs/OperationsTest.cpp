// The object a window hands its status line and log to: a real extraction
// through a wired engine, interrupted from inside as a click on the list does.

#include "WiredExtraction.h"

#include <QTest>

#include <filesystem>

using namespace amxtest;

class OperationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aWiredRunReachesTheWindowAndCanBeInterrupted()
    {
        constexpr int kFiles = 12;
        WiredExtraction extraction(kFiles, 200000, "f", ".bin");
        auto &[dir, window, prompter, ops, engine, total] = extraction;

        // The second file: the first one has moved the bar; the click asks,
        // No stops the library.
        int files = 0;
        bool registered = false, barMoved = false, asked = false;
        QString shown;
        const TProgressEvent wired = engine.OnProgress;
        engine.OnProgress = [&](TZipEngine &e, ProgressType type, const std::string &name,
                                int64_t size) {
            wired(e, type, name, size);
            if (type != ProgressType::ProgressNewFile || ++files != 2)
                return;
            registered = ops.runningEngine() == &engine;
            shown = window.SPanel1.text();
            barMoved = window.ProgressBar1.value() > 0;
            prompter.answerQuestion(false);
            asked = ops.interruptRunning();
        };
        extraction.run();

        QVERIFY(registered && barMoved && asked && prompter.allAnswersUsed());
        QVERIFY(shown.startsWith(QStringLiteral("Extracting \"f")));
        int extracted = 0;
        for (const auto &entry : std::filesystem::directory_iterator(dir / "out"))
            extracted += entry.is_regular_file();
        QVERIFY(extracted < kFiles);
        QVERIFY2(window.msg.lines().join('\n').contains(QStringLiteral(".bin")),
            qPrintable(window.msg.lines().join('\n')));
        // Nothing runs any more: the status line is back, a click is a click.
        QVERIFY(!ops.runningEngine() && !ops.progress().isActive());
        QCOMPARE(window.SPanel2.text(), QStringLiteral("Total 5 files"));
        QVERIFY(!ops.interruptRunning());
        QCOMPARE(prompter.shown().size(), size_t(1));
    }
};

QTEST_MAIN(OperationsTest)
#include "OperationsTest.moc"
