// The main window with the real libraries, tried the way users break things:
// member names that look like patterns, commands given while an add runs,
// temporary folders that are missing or shared, failures nobody was shown.

#include "AViewUnit.h"
#include "DeleteUnit.h"
#include "ExtractUnit.h"
#include "FolderWatch.h"
#include "MainWindow.h"
#include "Peers.h"
#include "RecordingShell.h"
#include "ScriptVerbs.h"
#include "ShellVerbs.h"
#include "TempFolder.h"
#include "TestDir.h"
#include "ViewUnit.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

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

size_t filesBelow(const fs::path &folder)
{
    return std::ranges::count_if(
        fs::recursive_directory_iterator(folder), [](const fs::directory_entry &e) {
            return !e.is_directory();
        });
}

} // namespace

class OperationSafetyTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    // Each test's own folder, holding a fresh archive of the tricky members.
    std::unique_ptr<TestDir> m_work;
    std::string archive;

private Q_SLOTS:
    void initTestCase()
    {
        TMainForm::setStorePaths(
            (m_dir / "config/Ambermox.conf").string(), (m_dir / "favorites.dat").string());
    }

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
        QCOMPARE(filesBelow(*m_work / "out"), size_t(1));

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

    // While an add lets events through, nothing may start another operation
    // or change the open archive; afterwards the window is intact and the
    // process never left its own folder.
    void commandsWaitForARunningAdd()
    {
        const std::string other = (*m_work / "other.zip").string();
        fs::copy_file(archive, other);
        auto &&[prompter, form] = MainWindow({ qs(other) });
        form.OpenArchive(archive); // other.zip becomes the second recent archive
        form.LoadFileList();
        TExtractForm extractForm;
        form.dialogs().setExtractForm(&extractForm);
        TDeleteForm deleteForm;
        form.dialogs().setDeleteForm(&deleteForm);
        const std::string before = fs::current_path().string();

        TZipEngine addEngine;
        Operations::Running running(form.operations(), addEngine, 0);
        bool tried = false;
        addEngine.OnProgress = [&](TZipEngine &, ProgressType type, const std::string &, int64_t) {
            if (type != ProgressType::ProgressNewFile || tried)
                return;
            tried = true;
            selectMembers(form, { "ab.txt" });
            for (const char *command :
                { "Extract1", "TestArchive1", "Open1", "CloseArchive2", "OpenArchive2", "Recent2" })
                action(form, command)->trigger();
            action(form, "Delete1")->trigger(); // the dialog may show, but not delete
            deleteForm.Button1->click();
        };
        addEngine.setZipFilename(archive);
        addEngine.FSpecArgs = { m_work->createFile("new.txt", sampleBytes(100000)).string() };
        FolderWatch watch;
        addEngine.Add();
        QVERIFY(watch.stayed());

        QVERIFY(tried);
        QCOMPARE(prompter.texts(),
            QStringList(7, "Please wait until the running archive operation has finished."));
        QVERIFY(deleteForm.isVisible() && !extractForm.isVisible());
        deleteForm.close();
        QCOMPARE(form.session().CurrentArchive, archive);
        QCOMPARE(fs::current_path().string(), before);
        QCOMPARE(addEngine.SuccessCount, 1);
        form.LoadFileList();
        QCOMPARE(form.FileRowCount(), size_t(5));
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
        QCOMPARE(filesBelow(*m_work / "out"), size_t(3));
    }
};

QTEST_MAIN(OperationSafetyTest)
#include "OperationSafetyTest.moc"
