// The desktop registration and the three file-manager verbs, run as the file
// manager runs them: the real program, real archives, no display.

#include "ShellVerbs.h"
#include "DesktopRegistration.h"
#include "MainWindow.h"
#include "Peers.h"
#include "TestDir.h"

#include <QApplication>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

void useXdg(const TestDir &dir)
{
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir / "data").string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir / "config").string()));
}

} // namespace

class ShellVerbsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Only what matters to the desktop: the quoted program, the verbs' flags and
    // which files are executable.
    void registrationWritesEachEntryOnce()
    {
        TestDir dir;
        useXdg(dir);
        const QStringList written = registerDesktop(QStringLiteral("/opt/My Apps/ambermox"));
        const QString exec = QStringLiteral("Exec=\"/opt/My Apps/ambermox\"");
        const struct
        {
            const char *file;
            QStringList lines;
            bool executable;
        } rows[] = {
            { "applications/ambermox.desktop", { exec + " %f", exec + " -e %f", exec + " -es %f" },
                false },
            // One of each kind: the others differ only in their verb.
            { "kio/servicemenus/ambermox-folder.desktop",
                { "MimeType=inode/directory;", exec + " -ad %f" }, true },
            { "kservices5/ServiceMenus/ambermox-archive.desktop",
                { exec + " -e %f", exec + " -es %f" }, true },
            { "nemo/actions/ambermox-extracthere.nemo_action", { exec + " -e %F", "Selection=s" },
                false },

            { "nautilus/scripts/Extract to subfolder",
                { "    [ -f \"$f\" ] && '/opt/My Apps/ambermox' -es \"$f\"" }, true },
        };
        for (const auto &row : rows) {
            const QString path = qs(dir.str()) + "/data/" + row.file;
            QVERIFY2(written.contains(path), qPrintable(path + " not in\n" + written.join('\n')));
            const QStringList have = qs(readFile(path.toStdString())).split('\n');
            for (const QString &line : row.lines)
                QVERIFY2(have.contains(line), qPrintable(line));
            QVERIFY2(QFileInfo(path).isExecutable() == row.executable, row.file);
        }
        // The verbs are offered on every type libarchive reads besides ZIP.
        for (const char *file :
            { "applications/ambermox.desktop", "kio/servicemenus/ambermox-archive.desktop",
                "nemo/actions/ambermox-extracthere.nemo_action" }) {
            const std::string text = readFile(dir.str() + "/data/" + file);
            for (const char *type :
                { "application/x-compressed-tar;", "application/x-7z-compressed;",
                    "application/vnd.rar;", "application/x-cd-image;", "application/x-cpio;" })
                QVERIFY2(text.find(type) != std::string::npos, file);
        }
        const RunResult check =
            run({ "desktop-file-validate", (dir / "data/applications/ambermox.desktop").string() });
        QVERIFY2(check.exitCode == 0 && check.out.empty(), check.out.c_str());
        // A second start writes nothing.
        QCOMPARE(registerDesktop(QStringLiteral("/opt/My Apps/ambermox")), QStringList());
    }

    void defaultHandlerOnlyWhenNoneIsSet_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray zip = "[Default Applications]\napplication/zip=ambermox.desktop;\n";
        QTest::newRow("no file") << QByteArray() << zip;
        QTest::newRow("other section")
            << QByteArray("[Added Associations]\ntext/plain=a.desktop;\n")
            << "[Added Associations]\ntext/plain=a.desktop;\n\n" + zip;
        QTest::newRow("other default")
            << QByteArray("[Default Applications]\ntext/plain=a.desktop;\n")
            << zip + "text/plain=a.desktop;\n";
        QTest::newRow("zip default kept")
            << QByteArray("[Default Applications]\napplication/zip = ark.desktop\n")
            << QByteArray("[Default Applications]\napplication/zip = ark.desktop\n");
        // What is not ours keeps its bytes, UTF-8 or not.
        const QByteArray latin1 = "[Added Associations]\ntext/plain=caf\xe9.desktop;\r\n";
        QTest::newRow("other bytes kept") << latin1 << latin1 + "\n" + zip;
    }

    // Neither the user's own default nor a script of theirs is replaced.
    void defaultHandlerOnlyWhenNoneIsSet()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TestDir dir;
        useXdg(dir);
        if (!before.isEmpty())
            dir.createFile("config/mimeapps.list", before.toStdString());
        dir.createFile("data/nautilus/scripts/Extract Here", "mine");
        registerDesktop(QStringLiteral("/usr/bin/ambermox"));
        QCOMPARE(QByteArray::fromStdString(readFile(dir / "config/mimeapps.list")), after);
        QCOMPARE(readFile(dir / "data/nautilus/scripts/Extract Here"), std::string("mine"));
    }

    // Links at our names are the user's: not written through (a dangling one
    // would create its target elsewhere), not replaced; and the default then
    // names no entry that is not ours.
    void registrationLeavesLinksAlone()
    {
        TestDir dir;
        useXdg(dir);
        dir.createFile("home/.bashrc", "# mine\n");
        dir.createDir("data/applications");
        dir.createDir("data/kio/servicemenus");
        fs::create_symlink(
            dir / "elsewhere/ambermox.desktop", dir / "data/applications/ambermox.desktop");
        fs::create_symlink(
            dir / "home/.bashrc", dir / "data/kio/servicemenus/ambermox-archive.desktop");
        const QStringList written = registerDesktop(QStringLiteral("/usr/bin/ambermox"));
        QVERIFY(!fs::exists(dir / "elsewhere"));
        QCOMPARE(readFile(dir / "home/.bashrc"), std::string("# mine\n"));
        QVERIFY(fs::is_symlink(dir / "data/applications/ambermox.desktop"));
        QVERIFY(!fs::exists(dir / "config/mimeapps.list"));
        QVERIFY(
            written.contains(qs((dir / "data/kio/servicemenus/ambermox-folder.desktop").string())));
    }

    // A program path with a line break or tab is escaped in Exec= and Icon=
    // (the entry stays valid and names the program whole); other control
    // characters have no escape, and such a path registers nothing.
    void registrationOfAnOddProgramPath()
    {
        TestDir dir;
        useXdg(dir);
        const QString folder = qs(dir.str()) + QStringLiteral("/a\nb\tc/");
        dir.createFile("a\nb\tc/ambermox.svg", "<svg/>");
        registerDesktop(folder + QStringLiteral("ambermox"));
        const std::string entry = (dir / "data/applications/ambermox.desktop").string();
        const QStringList lines = qs(readFile(entry)).split('\n');
        const QString escaped = qs(dir.str()) + QStringLiteral("/a\\nb\\tc/ambermox");
        for (const QString &line : { "Exec=\"" + escaped + "\" %f", "Icon=" + escaped + ".svg" })
            QVERIFY2(lines.contains(line), qPrintable(line + " in\n" + lines.join('\n')));
        const RunResult check = run({ "desktop-file-validate", entry });
        QVERIFY2(check.exitCode == 0 && check.out.empty(), check.out.c_str());

        TestDir other;
        useXdg(other);
        QCOMPARE(registerDesktop(QStringLiteral("/opt/a\x01b/ambermox")), QStringList());
        QVERIFY(!fs::exists(other / "data"));
    }

    void verbs_data()
    {
        QTest::addColumn<QStringList>(
            "setup"); // "file=content", "zip:archive:folder", "link:path:target"
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("notice"); // part of the one notice; none when empty
        QTest::addColumn<QStringList>("expected"); // "path=content", "zip:archive:members", "!path"

        const QString members = "zip:src.zip:.hidden a/ a/readme.txt b/ b/readme.txt";
        QTest::newRow("save to zip keeps the structure")
            << QStringList() << "-ad"
            << "src" << 0 << QString() << QStringList { members };
        QTest::newRow("save to zip of folder/.")
            << QStringList() << "-ad"
            << "src/." << 0 << QString() << QStringList { members, "!src/.zip" };
        QTest::newRow("save to zip adds into the existing archive, never itself")
            << QStringList { "old.txt=old", "zip:src.zip:old.txt", "link:src/self.zip:../src.zip" }
            << "-ad"
            << "src" << 0 << QString()
            << QStringList { "zip:src.zip:.hidden a/ a/readme.txt b/ b/readme.txt old.txt" };
        // A link is followed while it stays inside the folder; one out of it
        // (to a home folder, say) is skipped and named, its files never packed.
        QTest::newRow("save to zip skips a link out of the folder")
            << QStringList { "home/secret.txt=s", "link:src/home:../home", "link:src/c:a" } << "-ad"
            << "src" << 1 << "skipping: home -> ../home (link target leaves the folder)"
            << QStringList {
                   "zip:src.zip:.hidden a/ a/readme.txt b/ b/readme.txt c/ c/readme.txt"
               };
        QTest::newRow("save to zip of a missing folder")
            << QStringList() << "-ad"
            << "nothing" << 2 << "does not exist" << QStringList { "!nothing.zip" };
        QTest::newRow("save to zip into a file that is no archive")
            << QStringList { "src.zip=mine" } << "-ad"
            << "src" << 2 << "src.zip: not a ZIP archive" << QStringList { "src.zip=mine" };

        const QStringList archive { "zip:t.zip:src" };
        // The sources are there already: extracting over them shows the overwrite.
        QTest::newRow("extract here overwrites")
            << QStringList { "zip:t.zip:src", "src/a/readme.txt=changed" } << "-e"
            << "t.zip" << 0 << QString() << QStringList { "src/a/readme.txt=first" };
        QTest::newRow("extract to subfolder")
            << archive << "-es"
            << "t.zip" << 0 << QString()
            << QStringList { "t/src/a/readme.txt=first", "t/src/b/readme.txt=second",
                   "t/src/.hidden=h" };
        QTest::newRow("extract to an existing subfolder keeps its files and says so")
            << QStringList { "zip:t.zip:src", "t/src/a/readme.txt=mine", "t/src/.hidden=mine" }
            << "-es"
            << "t.zip" << 0 << "/t\" were kept as they were.\n"
            << QStringList { "t/src/a/readme.txt=mine", "t/src/b/readme.txt=second" };
        QTest::newRow("damaged archive")
            << QStringList { "bad.zip=PK\x03\x04 not an archive at all" } << "-es"
            << "bad.zip" << 2 << "Error 2 reading Zip file" << QStringList { "!bad" };
        QTest::newRow("no archive at all")
            << QStringList { "text.zip=just text" } << "-es"
            << "text.zip" << 2 << "text.zip: not a ZIP archive" << QStringList { "!text" };
        QTest::newRow("a folder as the archive")
            << QStringList() << "-e"
            << "src" << 2 << "src: a folder, not an archive" << QStringList();
        QTest::newRow("no file") << QStringList() << "-e"
                                 << "" << 2 << "No file or folder was given." << QStringList();
    }

    void verbs()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, verb);
        QFETCH(QString, argument);
        QFETCH(int, status);
        QFETCH(QString, notice);
        QFETCH(QStringList, expected);
        TestDir dir; // the same file name in two subfolders, and a hidden file
        dir.createFile("src/a/readme.txt", "first");
        dir.createFile("src/b/readme.txt", "second");
        dir.createFile("src/.hidden", "h");
        for (const QString &step : setup) {
            const QStringList part = step.split(':');
            if (part[0] == "zip")
                runOk(
                    { "zip", "-q", "-r", part[1].toStdString(), part[2].toStdString() }, dir.str());
            else if (part[0] == "link")
                fs::create_symlink(part[2].toStdString(), dir / part[1].toStdString());
            else
                dir.createFile(
                    step.section('=', 0, 0).toStdString(), step.section('=', 1).toStdString());
        }

        // As the file manager starts it, but without a display.
        RunResult r = run({ "env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                              "QT_QPA_PLATFORM", "XDG_DATA_HOME=" + (dir / "data").string(),
                              "XDG_CONFIG_HOME=" + (dir / "config").string(), kProgram,
                              verb.toStdString(), argument.toStdString() },
            dir.str());
        QVERIFY2(r.exitCode == status, r.out.c_str());
        // Told once, or not at all.
        QCOMPARE(qs(r.out).count("ambermox: "), notice.isEmpty() ? 0 : 1);
        QVERIFY2(qs(r.out).contains(notice), r.out.c_str());
        // The verbs register nothing.
        QVERIFY(!fs::exists(dir / "data"));

        for (const QString &want : expected) {
            if (want.startsWith('!')) {
                QVERIFY2(!fs::exists(dir / want.mid(1).toStdString()), qPrintable(want));
            } else if (want.startsWith("zip:")) {
                std::string names;
                for (const std::string &n :
                    sortedNames((dir / want.section(':', 1, 1).toStdString()).string()))
                    names += (names.empty() ? "" : " ") + n;
                QCOMPARE(qs(names), want.section(':', 2));
            } else {
                const std::string path = (dir / want.section('=', 0, 0).toStdString()).string();
                QVERIFY2(fs::exists(path), path.c_str());
                QCOMPARE(qs(readFile(path)), want.section('=', 1));
            }
        }
    }

    // The gauge of a real extraction run by the verb: it only rises, and its
    // steps cover nearly all the bytes without passing 100.
    void gaugeRisesToAtMost100()
    {
        TestDir dir;
        zipFiles(
            dir / "t.zip", { { "src/big.bin", sampleBytes(3 << 20) }, { "src/small.txt", "x" } });

        QList<int> seen;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == "LnEForm" && w->isVisible() && seen.isEmpty()) {
                    auto *gauge = w->findChild<QProgressBar *>("Gauge2");
                    // In percent, whatever the gauge's own steps.
                    seen.append(gauge->value() * 100 / std::max(1, gauge->maximum()));
                    QObject::connect(
                        gauge, &QProgressBar::valueChanged, gauge, [&, gauge](int value) {
                            seen.append(value * 100 / std::max(1, gauge->maximum()));
                        });
                }
        });
        watch.start(0);
        QCOMPARE(runShellVerb(ShellVerb::ExtractHere, (dir / "t.zip").string()), 0);
        QVERIFY(!seen.isEmpty());
        QVERIFY2(std::is_sorted(seen.begin(), seen.end()), "the gauge only rises");
        QVERIFY2(seen.last() >= 90 && seen.last() <= 100, qPrintable(QString::number(seen.last())));
        QCOMPARE(readFile(dir / "src/small.txt"), std::string("x"));
    }

    // Cancel on the gauge of Save to ZIP is no success and writes no archive.
    void saveToZipCancelled()
    {
        TestDir dir;
        dir.createFile("src/a.txt", "a");
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == "LnEForm" && w->isVisible())
                    w->findChild<QPushButton *>("CancelButt")->click();
        });
        cancel.start(0);
        QCOMPARE(runShellVerb(ShellVerb::SaveToZip, (dir / "src").string()), 1);
        QVERIFY(!fs::exists(dir / "src.zip"));
    }

    void subfolderNames()
    {
        const std::pair<const char *, const char *> rows[] = { { "/d/a.zip", "/d/a" },
            { "/d/A.ZIP", "/d/A" }, { "/d/archive", "/d/archive_files" },
            { "/d/a.gz", "/d/a.gz_files" }, { "/d.zip/archive", "/d.zip/archive_files" },
            { "/d/.zip", "/d/.zip_files" }, { "/d/src.tar.gz", "/d/src" },
            { "/d/src.tgz", "/d/src" }, { "/d/a.7z", "/d/a" }, { "/d/a.rar", "/d/a" },
            { "/d/disc.iso", "/d/disc" }, { "/d/.7z", "/d/.7z_files" } };
        for (const auto &[archive, folder] : rows)
            QCOMPARE(subfolderFor(archive), std::string(folder));
    }
};

QTEST_MAIN(ShellVerbsTest)
#include "ShellVerbsTest.moc"
