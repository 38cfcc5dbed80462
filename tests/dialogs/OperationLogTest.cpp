// The operation log as the window shows it: a real extraction cancelled
// halfway still leaves every line the library sent, with a bar that only
// rose; a log of 200,000 lines holds, shows and copies them; the shell
// gauge moves while an archive of small members is extracted.

#include "LnEUnit.h"
#include "WiredExtraction.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace amxtest;

class OperationLogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aCancelledRunStillDrainsEveryLine()
    {
        WiredExtraction extraction(60, 3000, "m", ".txt");
        auto &[dir, window, prompter, ops, engine, total] = extraction;
        QStringList sent;
        const TMessageEvent wiredMessage = engine.OnMessage;
        engine.OnMessage = [&](TZipEngine &e, int32_t code, const std::string &text) {
            sent.push_back(QString::fromStdString(text));
            wiredMessage(e, code, text);
        };
        int files = 0;
        const TProgressEvent wiredProgress = engine.OnProgress;
        engine.OnProgress = [&](TZipEngine &e, ProgressType type, const std::string &name,
                                int64_t size) {
            wiredProgress(e, type, name, size);
            if (type == ProgressType::ProgressNewFile && ++files == 40)
                e.CancelRequested = true;
        };
        std::vector<int> values;
        connect(&window.ProgressBar1, &QProgressBar::valueChanged, this, [&](int value) {
            values.push_back(value);
        });
        extraction.run();
        QVERIFY(files == 40 && sent.size() >= 39);
        QCOMPARE(window.msg.lines(), sent);
        QVERIFY(values.size() > 1 && values.back() > 0);
        QVERIFY(std::is_sorted(values.begin(), values.end()));
    }

    void aLongLogHoldsShowsAndCopiesEveryLine()
    {
        constexpr int kLines = 200000;
        FakeMainWindow window;
        TMsgForm &msg = window.msg;
        window.operations().startLog();
        for (int batch = 0; batch < 4; ++batch) {
            LogLines lines;
            for (int i = 0; i < kLines / 4; ++i)
                lines.append("  inflating: file" + std::to_string(batch * kLines / 4 + i) + ".txt");
            msg.appendLines(std::move(lines));
        }
        window.operations().appendLog("last line");
        OutputLogView &view = *msg.RichEdit1;
        QCOMPARE(view.model()->rowCount(), kLines + 1);
        QCOMPARE(view.model()->index(123456, 0).data().toString(),
            QStringLiteral("  inflating: file123456.txt"));
        QCOMPARE(msg.lines().size(), kLines + 1);

        msg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&msg));
        view.setFocus();
        // The end is on show, as it was while the lines came.
        QVERIFY(view.indexAt(QPoint(2, 2)).row() >= kLines - 50);

        // A few rows in any order of selection copy in the log's order.
        const struct
        {
            std::vector<int> rows;
            QString text;
        } copies[] = {
            { { 7, 5, 6 },
                QStringLiteral("  inflating: file5.txt\n  inflating: file6.txt\n"
                               "  inflating: file7.txt") },
            { { kLines, 0 }, QStringLiteral("  inflating: file0.txt\nlast line") },
        };
        for (const auto &c : copies) {
            view.clearSelection();
            for (int row : c.rows)
                view.selectionModel()->select(
                    view.model()->index(row, 0), QItemSelectionModel::Select);
            QTest::keySequence(&view, QKeySequence::Copy);
            QCOMPARE(QApplication::clipboard()->text(), c.text);
        }
        QTest::keySequence(&view, QKeySequence::SelectAll);
        QTest::keySequence(&view, QKeySequence::Copy);
        const QString all = QApplication::clipboard()->text();
        QCOMPARE(all.count(QLatin1Char('\n')), kLines);
        QVERIFY(all.endsWith(QStringLiteral("file199999.txt\nlast line")));
        QCOMPARE(all, view.toPlainText());
        msg.close();

        window.operations().startLog();
        QCOMPARE(view.model()->rowCount(), 0);
    }

    // Before a member counted at its end, this gauge stood at 0% until the
    // last small member.
    void theShellGaugeMovesWithSmallMembers()
    {
        TestDir dir;
        const std::string archive = sampleMembers(dir / "small.zip", 50, 3000, "m", ".txt");
        TLnEForm form;
        form.endProgram = [] {};
        form.show();
        std::vector<int> atNewFile;
        form.ZipEngine1.OnProgress = [&](TZipEngine &sender, ProgressType type,
                                         const std::string &name, int64_t size) {
            form.ZipEngine1Progress(sender, type, name, size);
            if (type == ProgressType::ProgressNewFile)
                atNewFile.push_back(form.Gauge2->value() * 100 / form.Gauge2->maximum());
        };
        TestDir out;
        form.start(int64_t(50) * 3000);
        form.ZipEngine1.setZipFilename(archive);
        form.ZipEngine1.FSpecArgs = { "*.*" };
        form.ZipEngine1.ExtrBaseDir = out.str();
        form.ZipEngine1.Extract();
        QCOMPARE(atNewFile.size(), size_t(50));
        QVERIFY2(
            atNewFile[25] >= 40 && atNewFile[25] <= 60, qPrintable(QString::number(atNewFile[25])));
        QCOMPARE(form.Gauge2->text(), QStringLiteral("100%"));
    }
};

QTEST_MAIN(OperationLogTest)
#include "OperationLogTest.moc"
