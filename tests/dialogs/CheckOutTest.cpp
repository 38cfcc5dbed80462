// The check-out driven as a user would: a real archive extracted by the real
// library, then the program group written and opened.

#include "dialogs/CheckOutUnit.h"
#include "tests/support/FakeMainWindow.h"
#include "tests/support/Peers.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using namespace amxtest;
namespace fs = std::filesystem;

class CheckOutTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((m_dir / "data").string()));
    }

    void checkOut()
    {
        const std::string archive = (m_dir / "setup.old.zip").string();
        runOk({ "python3", "-c",
            "import zipfile,sys\n"
            "with zipfile.ZipFile(sys.argv[1],'w') as z:\n"
            "  for n in ['readme.txt','logo.bmp','a/setup.exe','b/setup.exe']: z.writestr(n,n)\n",
            archive });
        FakeMainWindow link;
        link.archive = archive;
        for (const char *m : { "readme.txt", "logo.bmp", "a/setup.exe", "b/setup.exe" })
            link.rows.push_back({ m, 0, false });
        RecordingShell shell;
        ScriptedPrompter prompter;
        TCheckOut form;
        form.setLink(link);

        form.show();
        QCOMPARE(form.Edit2->text(), QStringLiteral("setup.old"));
        QVERIFY(form.Edit1->text().endsWith(QStringLiteral("/setup.old")));

        // Not a number: refused before anything is extracted.
        const std::string folder = (m_dir / "out").string();
        form.Edit1->setText(QString::fromStdString(folder));
        form.Edit3->setText(QStringLiteral("many"));
        form.Button1->click();
        QCOMPARE(prompter.texts(), QStringList { "'many' is not a valid integer value" });
        QVERIFY(!fs::exists(folder));

        // Every member: the group's reuse and its names are the logic's tests.
        form.Edit3->setText(QString());
        form.Button1->click();
        QVERIFY(form.isHidden());
        QVERIFY(fs::exists(m_dir / "out/b/setup.exe"));
        const fs::path group = m_dir / "data/applications/setup.old";
        std::vector<std::string> entries;
        for (const auto &e : fs::directory_iterator(group))
            entries.push_back(e.path().filename().string());
        std::sort(entries.begin(), entries.end());
        QCOMPARE(entries,
            (std::vector<std::string> { "readme.desktop", "setup.desktop", "setup.exe.desktop" }));
        QVERIFY(
            readFile(group / "setup.exe.desktop").find("/out/b/setup.exe\n") != std::string::npos);
        QCOMPARE(shell.calls().size(), size_t(1));
        QCOMPARE(shell.calls().back().target, QString::fromStdString(group.string()));
    }
};

QTEST_MAIN(CheckOutTest)
#include "CheckOutTest.moc"
