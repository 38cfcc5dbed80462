// The desktop as the program meets it: which program opens a kind of file,
// what the shell says when none does, and the save dialog of New.

#include "Associations.h"
#include "Prompter.h"
#include "ScriptedPrompter.h"
#include "Shell.h"
#include "TestDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace amxtest;

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// The system's MIME database alone, in a data folder that lasts the run:
// the types and their parents stay known, and no program comes with them.
std::string mimeOnly()
{
    static TestDir dir;
    if (!std::filesystem::exists(dir / "mime"))
        std::filesystem::create_directory_symlink("/usr/share/mime", dir / "mime");
    return dir.str();
}

// The XDG folders inside dir, and no desktop named.
void useXdg(const TestDir &dir)
{
    for (const auto &[name, folder] : { std::pair { "XDG_DATA_HOME", "data" },
             { "XDG_CONFIG_HOME", "config" }, { "XDG_CONFIG_DIRS", "sysconfig" } })
        qputenv(name, QByteArray::fromStdString((dir / folder).string()));
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString((dir / "sys").string() + ":" + mimeOnly()));
    qunsetenv("XDG_CURRENT_DESKTOP");
}

std::string app(const std::string &more)
{
    return "[Desktop Entry]\nType=Application\nName=A\nExec=a %f\n" + more;
}

} // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void associatedProgram_data()
    {
        QTest::addColumn<QStringList>("files"); // "path=content" below the XDG folders
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("program");
        const QString viewer = "sys/applications/viewer.desktop=" + qs(app("MimeType=text/html;"));
        QTest::newRow("none") << QStringList() << "text/html"
                              << "";
        QTest::newRow("by its MimeType key") << QStringList { viewer } << "text/html"
                                             << "viewer.desktop";
        QTest::newRow("for a parent type")
            << QStringList { "sys/applications/ed.desktop=" + qs(app("MimeType=text/plain;")) }
            << "text/x-csrc"
            << "ed.desktop";
        QTest::newRow("in a subfolder")
            << QStringList { "sys/applications/kde4/v.desktop=" + qs(app("MimeType=text/html;")) }
            << "text/html"
            << "kde4-v.desktop";
        QTest::newRow("hidden") << QStringList { "sys/applications/viewer.desktop="
            + qs(app("MimeType=text/html;\nHidden=true")) }
                                << "text/html"
                                << "";
        QTest::newRow("its program missing") << QStringList { "sys/applications/viewer.desktop="
            + qs(app("MimeType=text/html;\nTryExec=/no/such/program")) }
                                             << "text/html"
                                             << "";
        QTest::newRow("hidden by the user's own entry")
            << QStringList { viewer, "data/applications/viewer.desktop=" + qs(app("Hidden=true")) }
            << "text/html"
            << "";
        QTest::newRow("association removed") << QStringList { viewer,
            "config/mimeapps.list=[Removed Associations]\ntext/html=viewer.desktop;\n" }
                                             << "text/html"
                                             << "";
        QTest::newRow("a default without a MimeType key")
            << QStringList { "sys/applications/b.desktop=" + qs(app("")),
                   "config/mimeapps.list=[Default "
                   "Applications]\ntext/html=gone.desktop;b.desktop\n" }
            << "text/html"
            << "b.desktop";
        QTest::newRow("addresses") << QStringList { "sys/applications/web.desktop="
            + qs(app("MimeType=x-scheme-handler/https;")) }
                                   << "x-scheme-handler/https"
                                   << "web.desktop";
    }

    void associatedProgram()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, type);
        QFETCH(QString, program);
        TestDir dir;
        useXdg(dir);
        for (const QString &file : files)
            dir.createFile(
                file.section('=', 0, 0).toStdString(), file.section('=', 1).toStdString());
        QCOMPARE(::associatedProgram(type), program);
    }

    // Nothing is handed to an opener that would fail without a word; the
    // user is told why, with the file's name.
    void desktopShellSaysWhyNothingOpens()
    {
        TestDir dir;
        useXdg(dir);
        const QString page = qs(dir.createFile("help/faq.html", "<p>faq</p>").string());
        const QString link = qs(
            dir.createFile("home.url", "[InternetShortcut]\nURL=https://example.org/\n").string());
        const QString empty = qs(dir.createFile("none.url", "[InternetShortcut]\n").string());
        DesktopShell shell;
        QVERIFY(shell.openFile(page, {}, Shell::Show::Normal, {}).contains("text/html"));
        QVERIFY(shell.openFile(link, {}, Shell::Show::Normal, {}).contains("\"https\""));
        QCOMPARE(shell.openFile(empty, {}, Shell::Show::Normal, {}),
            QStringLiteral("it holds no address"));
        QCOMPARE(shell.openFile(page + "x", {}, Shell::Show::Normal, {}),
            QStringLiteral("there is no such file"));

        ScriptedPrompter prompter;
        QVERIFY(!shell.open(page, {}));
        QCOMPARE(prompter.shown().size(), size_t(1));
        QVERIFY(prompter.shown()[0].text.startsWith("Cannot open \"" + page + "\": no program"));
    }

    // New asks about an existing file itself ("Open existing file?"): its
    // dialog accepts the name without a question of its own.
    void saveDialogLeavesTheQuestionToTheCaller()
    {
        TestDir dir;
        const QString existing = qs(dir.createFile("a.zip", "PK\5\6").string());
        // A question of the dialog's own is noted and answered, so that it
        // cannot hold the test.
        bool asked = false;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = true;
                box->button(QMessageBox::Yes)->click();
            }
        });
        answer.start(10);
        QTimer::singleShot(0, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                dialog->selectFile(existing);
                static_cast<QDialog *>(dialog)->accept(); // as the Save button does
            }
        });
        const QString chosen =
            DialogPrompter().saveFile("New Archive", qs(dir.str()), "ZIP files|*.zip");
        QCOMPARE(chosen, existing);
        QVERIFY(!asked);
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
