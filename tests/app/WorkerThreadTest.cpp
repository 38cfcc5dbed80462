// The window's operations with the library on a thread of its own: the
// library's events come from that thread, the questions reach the prompter
// on the window's, and a second command, a close or a cancel given while
// the library works are handled. The library is held at its first event
// until the window has done what the test asks, so nothing depends on speed.

#include "AddRun.h"
#include "ExtractUnit.h"
#include "FakeMainWindow.h"
#include "MainWindow.h"
#include "Peers.h"
#include "TestDir.h"
#include "WorkerHost.h"

#include <QTimer>

#include <condition_variable>
#include <mutex>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

// Holds the library at its first event until released; remembers whether
// the events came from the window's thread.
class Gate
{
public:
    explicit Gate(bool hold = true)
        : m_open(!hold)
    {
        amx::setOperationTap([this](const amx::OperationRequest &, int32_t) {
            std::unique_lock lock(m_mutex);
            m_eventOnWindowThread = m_eventOnWindowThread || onWindowThread();
            if (m_reached)
                return;
            m_reached = true;
            m_changed.wait(lock, [this] {
                return m_open;
            });
        });
    }
    ~Gate()
    {
        open();
        amx::setOperationTap({});
    }
    bool reached()
    {
        const std::lock_guard lock(m_mutex);
        return m_reached;
    }
    bool eventOnWindowThread()
    {
        const std::lock_guard lock(m_mutex);
        return m_eventOnWindowThread;
    }
    void open()
    {
        const std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_reached = false, m_open = false, m_eventOnWindowThread = false;
};

// Once the library is held, runs what on the window's thread, then lets
// the library go on.
void whileHeld(Gate &gate, QObject *context, std::function<void()> what)
{
    auto *timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [&gate, timer, what] {
        if (!gate.reached())
            return;
        timer->stop();
        timer->deleteLater();
        what();
        gate.open();
    });
    timer->start(5);
}

} // namespace

class WorkerThreadTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    std::string m_archive, m_encrypted;

private Q_SLOTS:
    void initTestCase()
    {
        TMainForm::setStorePaths(
            (m_dir / "config/Ambermox.conf").string(), (m_dir / "favorites.dat").string());
        m_archive = (m_dir / "many.zip").string();
        runOk({ "python3", "-c",
            "import sys, zipfile\n"
            "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
            "    for i in range(200): z.writestr('m%03d.txt' % i, 'member %d ' % i * 50)\n",
            m_archive });
        m_dir.createFile("plain/secret.txt", sampleBytes(20000, 7));
        m_encrypted = (m_dir / "encrypted.zip").string();
        runOk(
            { "zip", "-q", "-P", "Sesame", m_encrypted, "secret.txt" }, (m_dir / "plain").string());
        WorkerHost::install();
    }

    void cleanupTestCase() { TZipEngine::setDefaultHost(nullptr); }

    // Every command that would start another operation or change the
    // archive is refused with one clear notice each while the library works.
    void secondOperationIsRefused()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_archive) }, Show::Shown);
        TExtractForm extractForm;
        form.dialogs().setExtractForm(&extractForm);
        selectMembers(form, { "m001.txt" });
        Gate gate;
        whileHeld(gate, &form, [&form] {
            QVERIFY(TZipEngine::anyOperationRunning());
            for (const char *command :
                { "Extract1", "TestArchive2", "Open1", "CloseArchive2", "OpenArchive2" })
                action(form, command)->trigger();
        });
        action(form, "TestArchive2")->trigger();
        QVERIFY(!gate.eventOnWindowThread());
        QCOMPARE(prompter.texts(),
            QStringList(5, "Please wait until the running archive operation has finished.")
                << "No errors detected in 200 members.");
        QCOMPARE(form.msgForm().lines().size(), 200);
        QCOMPARE(form.FileRowCount(), size_t(200));
    }

    // Cancelled before the library reported anything (while it reads the
    // directory): it stops at its first event, nothing is counted as tested.
    void cancelBeforeTheFirstEvent()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_archive) }, Show::Shown);
        prompter.answerQuestion(false); // "Continue?" No
        Gate gate;
        whileHeld(gate, &form, [&form] {
            QVERIFY(form.operations().interruptRunning());
        });
        action(form, "TestArchive2")->trigger();
        QVERIFY(prompter.allAnswersUsed());
        QVERIFY(form.engine().LastResult().cancelled);
        QCOMPARE(form.engine().SuccessCount, 0);
        QVERIFY(!prompter.texts().contains("No errors detected in 200 members."));
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
        auto &&[unused, form] = MainWindow({ qs(m_encrypted) }, Show::Shown);
        ThreadPrompter prompter;
        prompter.answerPassword("wrong");
        prompter.answerPassword("Sesame");
        Gate gate(false);
        action(form, "TestArchive2")->trigger();
        QVERIFY(prompter.allAnswersUsed());
        QVERIFY(!prompter.elsewhere);
        QVERIFY(!gate.eventOnWindowThread());
        QCOMPARE(prompter.texts(),
            (QStringList { "Password for secret.txt", "Wrong password for secret.txt",
                "No errors detected in 1 member." }));
    }

    // Closing the window while the library works stops the operation and
    // waits for it; the window goes once the library has come back.
    void closeDuringTheOperation()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_archive) }, Show::Shown);
        TestDir out;
        Gate gate;
        whileHeld(gate, &form, [&form] {
            QVERIFY(!form.close());
            QVERIFY(form.isVisible());
        });
        TZipEngine &engine = form.engine();
        engine.ExtrBaseDir = out.str();
        engine.FSpecArgs.clear();
        {
            Operations::Running running(form.operations(), engine, 0);
            engine.Extract();
        }
        QVERIFY(engine.LastResult().cancelled);
        QCOMPARE(engine.SuccessCount, 0);
        QTRY_VERIFY(!form.isVisible());
        // The next window's operations run again.
        auto &&[prompter2, form2] = MainWindow({ qs(m_archive) });
        action(form2, "TestArchive2")->trigger();
        QCOMPARE(prompter2.texts(), QStringList { "No errors detected in 200 members." });
    }

    // An add measures its files in the library's own job, off the window's
    // thread; the bar counts against what it found, and a cancel during the
    // walk ends the add before the library writes anything.
    void addMeasuresOnTheWorker()
    {
        for (const bool cancel : { false, true }) {
            FakeMainWindow window;
            TZipEngine engine;
            window.ops.wire(engine, QStringLiteral("Adding"));
            const std::string archive = (m_dir / (cancel ? "cancelled.zip" : "added.zip")).string();
            engine.useArchive(archive);
            bool onWorker = false, stopSeen = false;
            const AddMeasure measure = [&](const WalkStop &stop) {
                onWorker = !onWindowThread();
                engine.CancelRequested = cancel;
                stopSeen = stop();
                return int64_t { 20000 * kProgressStepBytes };
            };
            const std::vector<AddPass> passes { { (m_dir / "plain/").string(),
                { AddOptsEnum::AddRecurseDirs }, { "secret.txt" } } };
            std::vector<AddPass> calls;
            QCOMPARE(runAddPasses(engine, window.ops, passes, measure, calls), cancel);
            QVERIFY(onWorker && stopSeen == cancel);
            QCOMPARE(window.ops.progress().counter().maximum(), 20000);
            QCOMPARE(fs::exists(archive), !cancel);
            if (!cancel)
                QCOMPARE(sortedNames(archive), std::vector<std::string> { "secret.txt" });
        }
    }
};

QTEST_MAIN(WorkerThreadTest)
#include "WorkerThreadTest.moc"
