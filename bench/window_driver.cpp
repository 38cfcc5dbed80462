// Runs one operation in the main window as a user would, through its dialogs,
// with every question answered by the scripted prompter, and prints how long
// the operation took, how often the status-line bar moved and the longest
// time it stood still, and how many lines the log holds. For
// bench/window_bench.py; not a test.
//
//     window_driver extract ARCHIVE FOLDER
//     window_driver test ARCHIVE
//     window_driver add ARCHIVE FOLDER NAME     (adds FOLDER/NAME, a folder)
//     window_driver delete ARCHIVE              (deletes every member)
//     window_driver soak ARCHIVE FOLDER NAME N  (N rounds of add, test, extract
//                                               into FOLDER/out, delete, in
//                                               one window; for bench/soak.py)

#include "AddUnit.h"
#include "AmbxUnit.h"
#include "DeleteUnit.h"
#include "DialogCommands.h"
#include "ExtractUnit.h"
#include "FileListView.h"
#include "MsgUnit.h"
#include "ScriptedPrompter.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QAction *command(TMainForm &form, const char *name)
{
    auto *a = form.findChild<QAction *>(QString::fromLatin1(name));
    if (!a)
        qFatal("no action %s", name);
    return a;
}

// The bar's moves, timed from the start of the operation: the time to the
// first, the longest between two, and from the last to the end.
struct BarWatch
{
    QElapsedTimer clock;
    qint64 first = -1;
    qint64 last = 0;
    qint64 longest = 0;
    qint64 after = 0;
    qint64 longestEnd = 0;
    int moves = 0;

    void moved()
    {
        const qint64 now = clock.elapsed();
        if (first < 0)
            first = now;
        else if (now - last > longest) {
            longest = now - last;
            longestEnd = now;
        }
        last = now;
        ++moves;
    }
    void finish() { after = clock.elapsed() - last; }
};

int usage()
{
    std::fprintf(
        stderr, "usage: window_driver extract|test|add|delete|soak ARCHIVE [FOLDER [NAME [N]]]\n");
    return 2;
}

// The process's open descriptors and resident memory, for the soak.
void printResources(const char *when)
{
    int fds = 0;
    if (QDir fd(QStringLiteral("/proc/self/fd")); fd.exists())
        fds = int(fd.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
    long rssKiB = 0;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                rssKiB = line.mid(6).trimmed().split(' ').value(0).toLong();
    std::printf("%s fds=%d rss_kib=%ld\n", when, fds, rssKiB);
    std::fflush(stdout);
}

void selectRow(TAddForm &add, const QString &name)
{
    const auto &rows = add.browser().rows();
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto &r) {
        return r.name == name.toStdString();
    });
    if (row == rows.end())
        qFatal("no %s in the add browser", qPrintable(name));
    add.filelist->selectionModel()->select(
        add.filelist->model()->index(static_cast<int>(row - rows.begin()), 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    const QString op = args[1];
    const QString archive = args[2];
    QTemporaryDir store;
    TMainForm::setStorePaths((store.path() + QStringLiteral("/Ambermox.conf")).toStdString(),
        (store.path() + QStringLiteral("/favorites.dat")).toStdString());

    ScriptedPrompter prompter;
    TMainForm form({ archive });
    form.show();
    app.processEvents();
    auto *bar = form.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    BarWatch watch;
    if (bar)
        QObject::connect(bar, &QProgressBar::valueChanged, [&watch] {
            watch.moved();
        });

    TExtractForm extract;
    TAddForm add;
    TDeleteForm del;
    form.dialogs().setExtractForm(&extract);
    form.dialogs().setAddForm(&add);
    form.dialogs().setDeleteForm(&del);

    std::function<void()> run;
    if (op == QLatin1String("soak") && args.size() == 6) {
        // Each round runs the four operations as a user would, one after the other.
        const int rounds = args[5].toInt();
        form.settings().LastAddDir = (args[3] + QLatin1Char('/')).toStdString();
        QDir(args[3]).mkpath(QStringLiteral("out"));
        long added = 0;
        for (int round = 0; round <= rounds; ++round) {
            if (round == 1)
                printResources("start");
            command(form, "AddButton")->trigger();
            selectRow(add, args[4]);
            add.Button1->click();
            app.processEvents();
            added += long(form.FileRowCount());
            command(form, "TestArchive1")->trigger();
            app.processEvents();
            command(form, "ExtractButton")->trigger();
            extract.RadioButton2->setChecked(true);
            extract.CheckBox1->setChecked(true);
            extract.Destination->setEditText(args[3] + QStringLiteral("/out"));
            extract.Button2->click();
            app.processEvents();
            command(form, "DeleteButton")->trigger();
            del.RadioButton1->setChecked(true);
            prompter.answerQuestion(true);
            del.Button1->click();
            app.processEvents();
        }
        printResources("end");
        std::printf("operations=%d rows_added=%ld rows_left=%zu log_lines=%lld\n", 4 * rounds,
            added, form.FileRowCount(), static_cast<long long>(form.msgForm().lines().size()));
        return 0;
    }
    if (op == QLatin1String("extract") && args.size() == 4) {
        command(form, "ExtractButton")->trigger();
        extract.RadioButton2->setChecked(true);
        extract.CheckBox1->setChecked(true);
        extract.Destination->setEditText(args[3]);
        run = [&] {
            extract.Button2->click();
        };
    } else if (op == QLatin1String("test")) {
        run = [&] {
            command(form, "TestArchive1")->trigger();
        };
    } else if (op == QLatin1String("add") && args.size() == 5) {
        form.settings().LastAddDir = (args[3] + QLatin1Char('/')).toStdString();
        command(form, "AddButton")->trigger();
        selectRow(add, args[4]);
        run = [&] {
            add.Button1->click();
        };
    } else if (op == QLatin1String("delete")) {
        command(form, "DeleteButton")->trigger();
        del.RadioButton1->setChecked(true);
        prompter.answerQuestion(true);
        run = [&] {
            del.Button1->click();
        };
    } else {
        return usage();
    }
    watch.clock.start();
    run();
    watch.finish();
    const double seconds = watch.clock.nsecsElapsed() / 1e9;
    std::printf(
        "seconds=%.3f bar_moves=%d first_move_ms=%lld longest_still_ms=%lld (ending at %lld) "
        "after_last_ms=%lld log_lines=%lld rows=%zu\n",
        seconds, watch.moves, static_cast<long long>(watch.first),
        static_cast<long long>(watch.longest), static_cast<long long>(watch.longestEnd),
        static_cast<long long>(watch.after), static_cast<long long>(form.msgForm().lines().size()),
        form.FileRowCount());
    for (const auto &shown : prompter.shown())
        std::fprintf(stderr, "%s: %s\n", qPrintable(shown.kind), qPrintable(shown.text));
    return 0;
}
