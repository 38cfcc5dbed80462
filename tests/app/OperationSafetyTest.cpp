// The main window with the real libraries, tried the way users break things:
// member names that look like patterns, commands, a cancel or a close given
// while the library works on its own thread, temporary folders that are
// missing or shared, failures nobody was shown. A held library waits at its
// first event until the window has done what the test asks, so nothing
// depends on speed.

#include "AViewUnit.h"
#include "AddRun.h"
#include "DeleteUnit.h"
#include "ExtractUnit.h"
#include "FakeMainWindow.h"
#include "FolderWatch.h"
#include "ListDragDrop.h"
#include "MainWindow.h"
#include "Peers.h"
#include "RecordingShell.h"
#include "ScriptVerbs.h"
#include "ShellVerbs.h"
#include "TempFolder.h"
#include "TestDir.h"
#include "ViewUnit.h"
#include "WorkerHost.h"

#include <QComboBox>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <condition_variable>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

// Members whose names hold the characters the libraries read as patterns.
const std::vector<std::string> kTrickyMembers { "a?.txt", "ab.txt", "a*b", "a\\b" };

std::string makeTrickyArchive(const TestDir &dir)
{
    const std::string path = (dir / "tricky.zip").string();
    runOk({ "python3", "-c",
        "import sys, zipfile\n"
        "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
        "    for n in sys.argv[2:]: z.writestr(n, 'content of ' + n)\n",
        path, "a?.txt", "ab.txt", "a*b", "a\\b" });
    return path;
}

// Commands that would start another operation or change the open archive;
// Delete shows its dialog, and its button is refused.
const std::vector<const char *> kCommandsToRefuse { "Extract1", "TestArchive1", "TestArchive2",
    "Open1", "CloseArchive2", "OpenArchive2", "Recent2", "Delete1" };

// Holds the library at its first event, runs what on the window's thread
// meanwhile, then lets the library go on; without a context it holds
// nothing. Remembers whether any event came from the window's thread.
class Gate
{
public:
    explicit Gate(QObject *context = nullptr, std::function<void()> what = {})
        : m_open(!context)
    {
        amx::setOperationTap([this](const amx::OperationRequest &, int32_t) {
            std::unique_lock lock(m_mutex);
            m_eventOnWindowThread = m_eventOnWindowThread || onWindowThread();
            if (std::exchange(m_reached, true))
                return;
            m_changed.wait(lock, [this] {
                return m_open;
            });
        });
        if (!context)
            return;
        auto *timer = new QTimer(context);
        QObject::connect(timer, &QTimer::timeout, context, [this, timer, what] {
            if (!reached())
                return;
            timer->stop();
            timer->deleteLater();
            what();
            open();
        });
        timer->start(5);
    }
    ~Gate()
    {
        open();
        amx::setOperationTap({});
    }
    bool eventOnWindowThread()
    {
        const std::lock_guard lock(m_mutex);
        return m_eventOnWindowThread;
    }

private:
    bool reached()
    {
        const std::lock_guard lock(m_mutex);
        return m_reached;
    }
    void open()
    {
        const std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_reached = false, m_open = false, m_eventOnWindowThread = false;
};

} // namespace

class OperationSafetyTest : public QObject
{
    Q_OBJECT

private:
    WindowDir m_dir;
    // Each test's own folder, holding a fresh archive of the tricky members.
    std::unique_ptr<TestDir> m_work;
    std::string archive;
    std::string m_many; // 200 members: the library is still at work when held

private Q_SLOTS:
    void initTestCase()
    {
        m_many = (m_dir / "many.zip").string();
        runOk({ "python3", "-c",
            "import sys, zipfile\n"
            "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
            "    for i in range(200): z.writestr('m%03d.txt' % i, 'member %d ' % i * 50)\n",
            m_many });
        // As in the program: the library works on a thread of its own.
        WorkerHost::install();
    }

    void cleanupTestCase() { TZipEngine::setDefaultHost(nullptr); }

    void init()
    {
        m_work = std::make_unique<TestDir>();
        archive = makeTrickyArchive(*m_work);
    }

    void selectedNamesReachOnlyThatMember_data()
    {
        QTest::addColumn<QString>("member");
        for (const std::string &m : kTrickyMembers)
            QTest::newRow(m.c_str()) << qs(m);
    }

    // Each selected member is extracted, opened and deleted alone, never
    // with the members its name would match as a pattern.
    void selectedNamesReachOnlyThatMember()
    {
        QFETCH(QString, member);
        const std::string name = member.toStdString();
        auto &&[prompter, form] = MainWindow({ qs(archive) });
        TExtractForm extractForm;
        form.dialogs().setExtractForm(&extractForm);
        TDeleteForm deleteForm;
        form.dialogs().setDeleteForm(&deleteForm);
        RecordingShell shell;

        selectMembers(form, { name });
        action(form, "Extract1")->trigger();
        extractForm.Destination->setEditText(qs(m_work->createDir("out").string()));
        extractForm.Button2->click();
        QCOMPARE(filesBelow(*m_work / "out").size(), size_t(1));

        // Opening replaces copies in the temporary folder: the others there stay.
        const fs::path temp = m_work->createDir("temp");
        for (const std::string other : { "ab.txt", "a*b" })
            m_work->createFile("temp/" + other, "keep");
        form.settings().Temp = temp.string() + "/";
        action(form, "Open1")->trigger();
        QCOMPARE(shell.calls().size(), size_t(1));
        // The copy opened is the one written, also where the extraction library
        // took a backslash for a folder separator.
        QCOMPARE(readFile(shell.calls()[0].target.toStdString()), "content of " + name);
        const bool backslash = name == "a\\b";
        for (const std::string other : { "ab.txt", "a*b" })
            if (other != name)
                QCOMPARE(readFile(temp / other), std::string("keep"));

        selectMembers(form, { name });
        action(form, "Delete1")->trigger();
        deleteForm.Button1->click();
        std::vector<std::string> rest = kTrickyMembers;
        rest.erase(std::find(rest.begin(), rest.end(), name));
        std::sort(rest.begin(), rest.end());
        QCOMPARE(sortedNames(archive), rest);
        if (!backslash)
            QCOMPARE(prompter.texts(), QStringList());
    }

    void heldOperation_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("during");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("succeeded");
        const QStringList waits(kCommandsToRefuse.size(),
            QStringLiteral("Please wait until the running archive operation has finished."));
        const QString sound = QStringLiteral("No errors detected in 200 members.");
        auto row = [](const char *name, const char *command, const char *during,
                       const QStringList &texts, int succeeded) {
            QTest::newRow(name) << QString(command) << QString(during) << texts << succeeded;
        };
        row("test, other commands", "test", "commands", QStringList(waits) << sound, 200);
        row("test, cancelled", "test", "cancel", { "Archive Operation Interrupted. Continue?" }, 0);
        row("extract, window closed", "extract", "close", {}, 0);
        // The add walks its folders on the library's thread as well.
        row("add, other commands", "add", "commands", waits, 1);
        // The drag out makes its plan and looks at its files there too.
        row("drag out, other commands", "dragout", "commands", waits, 1);
    }

    // While the library works on its thread, every command that would start
    // another operation or change the archive is refused with one notice
    // each, a cancel stops it at its next event, and a close waits for it;
    // the window is intact afterwards.
    void heldOperation()
    {
        QFETCH(QString, command);
        QFETCH(QString, during);
        QFETCH(QStringList, texts);
        QFETCH(int, succeeded);
        const std::string many = (*m_work / "many.zip").string(),
                          other = (*m_work / "other.zip").string();
        fs::copy_file(m_many, many);
        fs::copy_file(m_many, other);
        auto &&[prompter, form] = MainWindow({ qs(other) }, Show::Shown);
        form.OpenArchive(many); // other.zip becomes the second recent archive
        form.LoadFileList();
        TExtractForm extractForm;
        form.dialogs().setExtractForm(&extractForm);
        TDeleteForm deleteForm;
        form.dialogs().setDeleteForm(&deleteForm);
        selectMembers(form, { "m001.txt" });
        if (during == "cancel")
            prompter.answerQuestion(false);

        Gate gate(&form, [&] {
            QVERIFY(TZipEngine::anyOperationRunning());
            if (during == "cancel") {
                QVERIFY(form.operations().interruptRunning());
            } else if (during == "close") {
                QVERIFY(!form.close());
                QVERIFY(form.isVisible());
            } else {
                for (const char *name : kCommandsToRefuse)
                    action(form, name)->trigger();
                deleteForm.Button1->click(); // the dialog may show, but not delete
            }
        });
        TZipEngine added;
        TZipEngine &engine = command == "add" ? added : form.engine();
        QStringList offered;
        if (command == "test") {
            action(form, "TestArchive2")->trigger();
        } else if (command == "dragout") {
            form.settings().Temp = m_work->createDir("temp").string();
            TDragForm dragForm;
            MainDragDrop drag(form, dragForm);
            drag.Exec = [&offered](QDrag &d) {
                for (const QUrl &url : d.mimeData()->urls())
                    offered.push_back(QFileInfo(url.toLocalFile()).fileName());
                return Qt::CopyAction;
            };
            drag.startDrag();
        } else {
            Operations::Running running(form.operations(), engine, 0);
            if (command == "add") {
                engine.setZipFilename(many);
                engine.FSpecArgs = { m_work->createFile("new.txt", sampleBytes(100000)).string() };
                engine.Add();
            } else {
                engine.ExtrBaseDir = m_work->createDir("out").string();
                engine.FSpecArgs.clear();
                engine.Extract();
            }
        }
        QVERIFY(!gate.eventOnWindowThread());
        QCOMPARE(prompter.texts(), texts);
        QVERIFY(prompter.allAnswersUsed());
        QCOMPARE(engine.SuccessCount, succeeded);
        QCOMPARE(engine.LastResult().cancelled, succeeded == 0);
        QCOMPARE(offered, command == "dragout" ? QStringList { "m001.txt" } : QStringList());
        if (during == "close") {
            QTRY_VERIFY(!form.isVisible());
            // The next window's operations run again.
            auto &&[prompter2, form2] = MainWindow({ qs(many) });
            action(form2, "TestArchive2")->trigger();
            QCOMPARE(prompter2.texts(), QStringList { "No errors detected in 200 members." });
            return;
        }
        QVERIFY(deleteForm.isVisible() == (during == "commands") && !extractForm.isVisible());
        QCOMPARE(form.session().CurrentArchive, many);
        form.LoadFileList();
        QCOMPARE(form.FileRowCount(), size_t(200 + (command == "add")));
    }

    // An order chosen while the archive is read again after an operation is
    // the order of the rows read.
    void sortChosenWhileTheListIsRead()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_many) }, Show::Shown);
        form.setSortOrder(SortByName);
        struct SortFirst : OperationHost
        {
            TMainForm &form;
            explicit SortFirst(TMainForm &f)
                : form(f)
            {
            }
            void run(const std::function<void()> &work) override
            {
                form.setSortOrder(SortBySize);
                WorkerHost::instance().run(work);
            }
            void callHome(const std::function<void()> &fn) override { fn(); }
        } host { form };
        TZipEngine::setDefaultHost(&host);
        form.loadFileList();
        WorkerHost::install();
        // The largest first; ties keep the archive's order.
        QCOMPARE(std::string(form.fileRows()[0].Name), std::string("m100.txt"));
    }

    // The password question comes from the library's thread and is answered
    // in the window's prompter, on the window's thread; the member is then
    // tested with it.
    void passwordAskedFromTheWorker()
    {
        struct ThreadPrompter : ScriptedPrompter
        {
            bool elsewhere = false;
            bool askPassword(const QString &member, bool wrongBefore, QByteArray &password,
                bool &forAllMembers) override
            {
                elsewhere = elsewhere || !onWindowThread();
                return ScriptedPrompter::askPassword(member, wrongBefore, password, forAllMembers);
            }
        };
        m_work->createFile("plain/secret.txt", sampleBytes(20000, 7));
        const std::string encrypted = (*m_work / "encrypted.zip").string();
        runOk(
            { "zip", "-q", "-P", "Sesame", encrypted, "secret.txt" }, (*m_work / "plain").string());
        auto &&[unused, form] = MainWindow({ qs(encrypted) }, Show::Shown);
        ThreadPrompter prompter;
        prompter.answerPassword("wrong");
        prompter.answerPassword("Sesame");
        Gate gate;
        action(form, "TestArchive2")->trigger();
        QVERIFY(prompter.allAnswersUsed());
        QVERIFY(!prompter.elsewhere);
        QVERIFY(!gate.eventOnWindowThread());
        QCOMPARE(prompter.texts(),
            (QStringList { "Password for secret.txt", "Wrong password for secret.txt",
                "No errors detected in 1 member." }));
    }

    // An add checks the selected files in the library's own job, off the
    // window's thread; the bar counts against the bytes the library found,
    // and a cancel while it looks for the files ends the add before it
    // writes anything.
    void addTotalComesFromTheLibrary()
    {
        m_work->createFile("plain/secret.txt", sampleBytes(3 * kProgressStepBytes + 5, 7));
        for (const bool cancel : { false, true }) {
            FakeMainWindow window;
            TZipEngine engine;
            window.ops.wire(engine, QStringLiteral("Adding"));
            const std::string added = (*m_work / (cancel ? "cancelled.zip" : "added.zip")).string();
            engine.useArchive(added);
            bool onWorker = false;
            const AddCheck check = [&](const WalkStop &) {
                onWorker = !onWindowThread();
            };
            // The user cancels once the library has told what it found.
            amx::setOperationTap([&](const amx::OperationRequest &, int32_t action) {
                if (action == AMX_ACTION_TOTAL)
                    engine.CancelRequested = cancel;
            });
            const std::vector<AddPass> passes { { (*m_work / "plain/").string(),
                { AddOptsEnum::AddRecurseDirs }, { "secret.txt" } } };
            std::vector<AddPass> calls;
            const bool interrupted = runAddPasses(engine, window.ops, passes, check, calls);
            amx::setOperationTap({});
            QCOMPARE(interrupted, cancel);
            QVERIFY(onWorker);
            QCOMPARE(window.ops.progress().counter().maximum(), 3);
            QCOMPARE(fs::exists(added), !cancel);
            if (!cancel)
                QCOMPARE(sortedNames(added), std::vector<std::string> { "secret.txt" });
        }
    }

    void currentFolderStaysPut_data()
    {
        QTest::addColumn<QString>("how");
        // The engine's own operations are the ones these verbs run.
        for (const char *how : { "-x -o", "-a", "--delete", "-t", "-e", "-es", "-ad" })
            QTest::newRow(how) << QString(how);
    }

    // Every operation gets its folders as open handles: the process's own
    // folder is the same before, during (at every library event) and after,
    // and nothing lands in it.
    void currentFolderStaysPut()
    {
        QFETCH(QString, how);
        const fs::path start = m_work->createDir("start");
        const fs::path src = m_work->createFile("src/new.txt", sampleBytes(100000)).parent_path();
        const fs::path out = m_work->createDir("out");
        const std::string plain = (*m_work / "plain.zip").string();
        runOk({ "python3", "-c",
            "import sys, zipfile\n"
            "with zipfile.ZipFile(sys.argv[1], 'w') as z: z.writestr('p.txt', 'p' * 99999)\n",
            plain });
        fs::current_path(start);
        auto verb = [](std::vector<std::string> args) {
            args.insert(args.begin(), "ambermox");
            std::vector<char *> argv;
            for (std::string &a : args)
                argv.push_back(a.data());
            std::FILE *sink = std::fopen("/dev/null", "w");
            const int status = runScriptVerb(int(argv.size()), argv.data(), sink, sink);
            std::fclose(sink);
            return status;
        };
        int status = 0;
        {
            FolderWatch watch;
            if (how == "-x -o") {
                status = verb({ "-x", plain, "-o", out.string() });
            } else if (how == "-a") {
                status = verb({ "-a", plain, (src / "new.txt").string() });
            } else if (how == "--delete") {
                status = verb({ "--delete", plain, "p.txt" });
            } else if (how == "-t") {
                status = verb({ "-t", plain });
            } else if (how == "-e") {
                status = runShellVerb(ShellVerb::ExtractHere, plain);
            } else if (how == "-es") {
                status = runShellVerb(ShellVerb::ExtractToSubfolder, plain);
            } else if (how == "-ad") {
                status = runShellVerb(ShellVerb::SaveToZip, src.string());
            }
            QVERIFY(watch.events() > 0);
            QVERIFY(watch.stayed());
        }
        fs::current_path(m_dir.path());
        QCOMPARE(status, 0);
        QVERIFY(fs::is_empty(start));
    }

    // Testing reads every member of the open archive, logs each and writes
    // nothing; the entry opened on a click goes into the temporary folder or
    // nowhere.
    void testAndOpenWriteNothingElsewhere()
    {
        auto &&[prompter, form] = MainWindow({ qs(archive) });
        RecordingShell shell;
        m_work->createFile("blocker", "a file where the folder should be");
        form.settings().Temp = (*m_work / "blocker/temp/").string();
        const fs::path cwd = m_work->createDir("cwd");
        fs::current_path(cwd);
        action(form, "TestArchive2")->trigger();
        QStringList expected;
        for (const std::string &name : kTrickyMembers)
            expected << qs("    testing: " + name + "   OK");
        QCOMPARE(form.msgForm().lines(), expected);
        selectMembers(form, { "ab.txt" });
        action(form, "Open1")->trigger();
        fs::current_path(m_dir.path());

        QCOMPARE(prompter.texts(),
            (QStringList { QStringLiteral("No errors detected in 4 members."),
                QStringLiteral("Could not find the folder \"%1\".")
                    .arg(qs(form.settings().Temp)) }));
        QVERIFY(shell.calls().empty() && fs::is_empty(cwd));
    }

    // The default temporary folder is this user's own, and the copies made
    // there go when the program ends.
    void privateTemporaryFolder()
    {
        qputenv("TMPDIR", QByteArray::fromStdString(m_work->str()));
        const std::string folder = privateTempFolder();
        QCOMPARE(fs::path(folder).parent_path().parent_path(), m_work->path());
        QVERIFY(prepareTempFolder(folder));
        QVERIFY((fs::status(folder).permissions() & fs::perms::all) == fs::perms::owner_all);

        // Another user's folder in its place, or a link, is not used.
        fs::remove(folder.substr(0, folder.size() - 1));
        fs::create_directory_symlink(
            m_work->createDir("elsewhere"), folder.substr(0, folder.size() - 1));
        QVERIFY(!prepareTempFolder(folder));
        fs::remove(folder.substr(0, folder.size() - 1));
        fs::create_directory(folder);
        fs::permissions(folder, fs::perms::all);
        QVERIFY(!prepareTempFolder(folder));
        fs::permissions(folder, fs::perms::owner_all);

        {
            RecordingShell shell;
            auto &&[prompter, form] = MainWindow({ qs(archive) });
            form.settings().Temp = folder;
            selectMembers(form, { "ab.txt" });
            action(form, "Open1")->trigger();
            QVERIFY(fs::exists(folder + "ab.txt"));
            form.close();
        }
        QVERIFY(!fs::exists(folder + "ab.txt"));
        qunsetenv("TMPDIR");
    }

    // An archive whose directory names another member than its local header
    // is told once; a named pipe in its place is refused, not waited on.
    void hostileArchivePaths()
    {
        const std::string archive = (*m_work / "mismatch.zip").string();
        runOk({ "python3", "-c",
            "import sys, zipfile\n"
            "with zipfile.ZipFile(sys.argv[1], 'w') as z: z.writestr('readme.txt', 'hello')\n"
            "b = open(sys.argv[1], 'rb').read()\n"
            "i = b.rindex(b'readme.txt')\n"
            "open(sys.argv[1], 'wb').write(b[:i] + b'payload.sh' + b[i + 10:])\n",
            archive });
        auto &&[prompter, form] = MainWindow({ qs(archive) });
        QCOMPARE(prompter.texts(),
            QStringList { "The archive's directory does not match its contents: 1 member differs. "
                          "Extraction follows the directory." });
        form.LoadFileList();
        QCOMPARE(prompter.shown().size(), size_t(1));

        const std::string fifo = (*m_work / "fifo.zip").string();
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        prompter.clear();
        form.OpenArchive(fifo);
        QVERIFY_THROWS_EXCEPTION(EngineError, form.LoadFileList());
        QCOMPARE(form.FileRowCount(), size_t(0));
    }

    // Closing the main window ends the program, even with the text viewer open.
    void closingTheMainWindowEndsTheProgram()
    {
        auto &&[prompter, form] = MainWindow({}, Show::Shown);
        TAsciview viewer;
        viewer.show();
        QTimer::singleShot(0, &form, [&] {
            form.close();
        });
        bool ended = true;
        QTimer::singleShot(20000, [&] {
            ended = false;
            QCoreApplication::exit(1);
        });
        QCoreApplication::exec();
        QVERIFY(ended);
    }

    // A damaged member is named in a notice after the extraction, and an
    // empty "Files" box extracts nothing.
    void extractionProblemsAreShown()
    {
        std::string bytes = readFile(archive);
        const size_t at = bytes.find("content of ab.txt");
        bytes[at] ^= 0x20; // stored data no longer matches its CRC
        writeFile(archive, bytes);
        auto &&[prompter, form] = MainWindow({ qs(archive) });
        TExtractForm extractForm;
        form.dialogs().setExtractForm(&extractForm);
        action(form, "Extract1")->trigger();
        extractForm.RadioButton3->setChecked(true);
        extractForm.Destination->setEditText(qs(m_work->createDir("out").string()));
        extractForm.Button2->click();
        QCOMPARE(prompter.texts(), QStringList { "Error - no files selected for extraction" });
        QVERIFY(fs::is_empty(*m_work / "out"));

        prompter.clear();
        extractForm.RadioButton2->setChecked(true);
        extractForm.Button2->click();
        QCOMPARE(prompter.shown().size(), size_t(1));
        const QString notice = prompter.texts().front();
        QVERIFY2(notice.contains(QStringLiteral("bad CRC: ab.txt")), qPrintable(notice));
        QVERIFY(notice.contains(QStringLiteral("View Last Output...")));
        QCOMPARE(filesBelow(*m_work / "out").size(), size_t(3));
    }
};

QTEST_MAIN(OperationSafetyTest)
#include "OperationSafetyTest.moc"
