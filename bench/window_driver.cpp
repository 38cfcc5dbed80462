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
//     window_driver drop ARCHIVE FOLDER         (drops FOLDER on the window, adds it)
//     window_driver dragout ARCHIVE TEMP        (drags every member out; the files
//                                               go below TEMP)
//     window_driver checkout ARCHIVE FOLDER     (checks the archive out into FOLDER)
//     window_driver here ARCHIVE                ("Extract Here", beside the archive)
//     window_driver savezip FOLDER              ("Save to ZIP": FOLDER.zip)
//     window_driver soak ARCHIVE FOLDER NAME N  (N rounds of add, test, extract
//                                               into FOLDER/out, delete, in
//                                               one window; for bench/soak.py)
//     window_driver list ARCHIVE                (the list's own timings: open to
//                                                painted list, each sort order,
//                                                Select All, Find, Best Fit, peak RSS)

#include "AddUnit.h"
#include "AmbxUnit.h"
#include "CheckOutUnit.h"
#include "DeleteUnit.h"
#include "DialogCommands.h"
#include "DiscoveryCommands.h"
#include "ExtractUnit.h"
#include "FavorOptUnit.h"
#include "FavoriteUnit.h"
#include "FileListView.h"
#include "FindUnit.h"
#include "ListDragDrop.h"
#include "MsgUnit.h"
#include "RecordingShell.h"
#include "ScriptedPrompter.h"
#include "SearchUnit.h"
#include "ShellVerbs.h"
#include "WorkerHost.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <malloc.h>
#include <sys/resource.h>

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
    std::fprintf(stderr,
        "usage: window_driver extract|test|add|delete|drop|dragout|checkout|here|savezip|soak|list "
        "ARCHIVE [FOLDER [NAME [N]]]\n");
    return 2;
}

// The process's open descriptors, resident memory and the heap in use, for
// the soak: resident memory also counts freed pages the allocator keeps, so
// only the heap in use tells a leak from fragmentation.
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
    const struct mallinfo2 heap = mallinfo2();
    std::printf("%s fds=%d rss_kib=%ld heap_kib=%zu\n", when, fds, rssKiB,
        (heap.uordblks + heap.hblkhd) / 1024);
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

// Follows a bar's moves into watch. A busy bar (no range yet: the library
// reads the directory) moves by itself; it counts as moving for as long as
// it shows.
void follow(QProgressBar *bar, BarWatch &watch, QTimer &busySample)
{
    QObject::connect(bar, &QProgressBar::valueChanged, [&watch] {
        watch.moved();
    });
    QObject::connect(&busySample, &QTimer::timeout, [&watch, bar] {
        if (bar->isVisible() && bar->maximum() == 0)
            watch.moved();
    });
}

void printRun(const BarWatch &watch, long long logLines, size_t rows)
{
    std::printf(
        "seconds=%.3f bar_moves=%d first_move_ms=%lld longest_still_ms=%lld (ending at %lld) "
        "after_last_ms=%lld log_lines=%lld rows=%zu\n",
        watch.clock.nsecsElapsed() / 1e9, watch.moves, static_cast<long long>(watch.first),
        static_cast<long long>(watch.longest), static_cast<long long>(watch.longestEnd),
        static_cast<long long>(watch.after), logLines, rows);
}

// A shell verb in this process, as ambermox-gui runs it: its gauge is a
// window of its own, found once it shows.
int shellVerbTimings(ShellVerb verb, const QString &path)
{
    BarWatch watch;
    QTimer busySample;
    QTimer lookForGauge;
    QProgressBar *gauge = nullptr;
    QObject::connect(&lookForGauge, &QTimer::timeout, [&] {
        if (gauge)
            return;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *bar = top->isVisible() ? top->findChild<QProgressBar *>() : nullptr) {
                gauge = bar;
                follow(bar, watch, busySample);
                // Whatever it shows already counts as its first move.
                watch.moved();
                return;
            }
    });
    lookForGauge.start(10);
    busySample.start(10);
    watch.clock.start();
    const int status = runShellVerb(verb, path.toStdString());
    watch.finish();
    printRun(watch, 0, 0);
    return status;
}

double since(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// Each step ends when the window has painted what it changed.
int listTimings(QApplication &app, const QString &archive)
{
    QElapsedTimer clock;
    clock.start();
    TMainForm form({ archive });
    form.show();
    form.repaint();
    app.processEvents();
    std::printf("paint=%.3f rows=%zu\n", since(clock), form.FileRowCount());

    TFavoriteForm favorites;
    TFavorOptForm options;
    TSearchForm search;
    TFindForm find;
    connectDiscovery(form, favorites, options, search, find);

    const auto step = [&](const char *label, const std::function<void()> &act) {
        clock.restart();
        act();
        form.repaint();
        app.processEvents();
        std::printf("%s=%.3f\n", label, since(clock));
        std::fflush(stdout);
    };
    // The list opens sorted by name: that order comes last, so that it is sorted too.
    const char *orders[] = { "byPath1", "byType1", "bySize1", "byPackedSize1",
        "byCompressionRatio1", "byDate1", "byOrginalOrder1", "byName1" };
    const char *labels[] = { "sort_path", "sort_type", "sort_size", "sort_packed", "sort_ratio",
        "sort_date", "sort_original", "sort_name" };
    for (size_t i = 0; i < std::size(orders); ++i)
        step(labels[i], [&] {
            command(form, orders[i])->trigger();
        });
    step("select_all", [&] {
        command(form, "SelectAll1")->trigger();
    });
    step("find", [&] {
        command(form, "FindFiles1")->trigger();
        find.findChild<QLineEdit *>(QStringLiteral("FType"))->setText(QStringLiteral("*7.txt"));
        find.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    });
    step("best_fit", [&] {
        command(form, "BestFit1")->trigger();
    });
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_mib=%.1f\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // As the program runs them: the library on a thread of its own.
    WorkerHost::install();
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    const QString op = args[1];
    const QString archive = args[2];
    QTemporaryDir store;
    TMainForm::setStorePaths((store.path() + QStringLiteral("/Ambermox.conf")).toStdString(),
        (store.path() + QStringLiteral("/favorites.dat")).toStdString());
    if (op == QLatin1String("list")) {
        ScriptedPrompter prompter;
        return listTimings(app, archive);
    }
    if (op == QLatin1String("here"))
        return shellVerbTimings(ShellVerb::ExtractHere, archive);
    if (op == QLatin1String("savezip"))
        return shellVerbTimings(ShellVerb::SaveToZip, archive);
    // The check-out's program group goes below the store, not the user's menu.
    qputenv("XDG_DATA_HOME", QFile::encodeName(store.path()));
    RecordingShell shell;

    ScriptedPrompter prompter;
    TMainForm form({ archive });
    form.show();
    app.processEvents();
    auto *bar = form.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
    BarWatch watch;
    QTimer busySample;
    if (bar) {
        follow(bar, watch, busySample);
        busySample.start(10);
    }

    TExtractForm extract;
    TAddForm add;
    TDeleteForm del;
    form.dialogs().setExtractForm(&extract);
    form.dialogs().setAddForm(&add);
    form.dialogs().setDeleteForm(&del);
    TCheckOut checkOut;
    form.dialogs().setCheckOut(&checkOut);
    TDragForm dragForm;
    MainDragDrop dragDrop(form, dragForm);

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
            else if (round > 1 && round % (rounds / 4 > 0 ? rounds / 4 : 1) == 0 && round < rounds)
                printResources("round");
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
            // No event loop runs here, so what Qt deletes later is deleted
            // at the end of each round, as the program's own loop would.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // The scripted prompter keeps what it was shown; the program does not.
            prompter.clear();
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
    } else if (op == QLatin1String("drop") && args.size() == 4) {
        // As a file manager drops it; the "Drag and Drop" dialog then shows.
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(args[3]) });
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter({ 20, 20 }, offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &enter);
        QDropEvent drop(QPointF(20, 20), offered, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&form, &drop);
        app.processEvents();
        if (!dragForm.isVisible())
            qFatal("the drop was not taken");
        run = [&] {
            dragForm.Button1->click();
        };
    } else if (op == QLatin1String("dragout") && args.size() == 4) {
        form.settings().Temp = (args[3] + QLatin1Char('/')).toStdString();
        command(form, "SelectAll1")->trigger();
        // The desktop takes the files at once.
        dragDrop.Exec = [](QDrag &) {
            return Qt::CopyAction;
        };
        run = [&] {
            dragDrop.startDrag();
        };
    } else if (op == QLatin1String("checkout") && args.size() == 4) {
        // As the command shows it, without waiting in the dialog's own loop.
        checkOut.show();
        checkOut.Edit1->setText(args[3]);
        checkOut.Edit2->setText(QStringLiteral("bench"));
        run = [&] {
            checkOut.Button1->click();
        };
    } else {
        return usage();
    }
    watch.clock.start();
    run();
    watch.finish();
    printRun(watch, static_cast<long long>(form.msgForm().lines().size()), form.FileRowCount());
    for (const auto &shown : prompter.shown())
        std::fprintf(stderr, "%s: %s\n", qPrintable(shown.kind), qPrintable(shown.text));
    return 0;
}
