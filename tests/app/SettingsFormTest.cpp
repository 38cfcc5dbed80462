// Settings through real restarts of the main window: every test has its own
// configuration file and "favorites.dat" in a temporary folder.

#include "FileListView.h"
#include "MainWindow.h"
#include "SettingsIO.h"
#include "TestDir.h"

#include <QSettings>
#include <QToolBar>

#include <functional>

using namespace amxtest;

class SettingsFormTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDir> m_dir;
    std::string conf() const { return (*m_dir / "config/Ambermox/Ambermox.conf").string(); }
    std::string favorites() const { return (*m_dir / "favorites.dat").string(); }

    // One run of the window: `change` alters it and closing saves; without a
    // change the window only starts, which writes every value at a first start.
    static void runOnce(const std::function<void(TMainForm &)> &change = {})
    {
        MainWindow window;
        if (change) {
            change(window.form);
            window.form.close();
        }
    }

    void setValue(const char *name, const QString &value)
    {
        QSettings ini(QString::fromStdString(conf()), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Ambermox/") + QString::fromLatin1(name), value);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<TestDir>();
        TMainForm::setStorePaths(conf(), favorites());
    }

    void firstStartWritesEveryValue()
    {
        QVERIFY(MainWindow().prompter.shown().empty());
        QCOMPARE(readFile(favorites()), std::string("0\r\n0\r\n0\r\n"));
        // Which values and how: the settings tests; here all of them at once.
        QSettings ini(QString::fromStdString(conf()), QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("Ambermox"));
        QCOMPARE(ini.childKeys().size(), int(SettingsIO::valueNames().size()));
        QVERIFY(ini.value("Temp").toString().endsWith('/'));
    }

    void valuesSurviveARestart()
    {
        runOnce([](TMainForm &form) {
            form.show();
            action(form, "Details1")->trigger();
            action(form, "SortbySize1")->trigger();
            form.settings().ViewStatusLine = 0; // alone: the toolbar stays
            form.resize(700, 500);
        });
        auto &&[prompter, again] = MainWindow({}, Show::Shown);
        QCOMPARE(static_cast<int>(again.fileList()->viewStyle()), 3);
        for (const char *checked : { "Details1", "bySize1" })
            QVERIFY2(action(again, checked)->isChecked(), checked);
        QVERIFY(!again.findChild<QWidget *>("StatusPanel")->isVisible());
        QVERIFY(again.findChild<QToolBar *>("ToolBar2")->isVisible());
        QCOMPARE(again.size(), QSize(700, 500));
    }

    void unknownViewStyleKeepsTheDesignedOne()
    {
        runOnce();
        setValue("ViewStyle", QStringLiteral("7"));
        auto &&[prompter, form] = MainWindow();
        QCOMPARE(static_cast<int>(form.fileList()->viewStyle()), 3);
        for (const char *name : { "LargeIcons1", "SmallIcons1", "List1", "Details1" })
            QVERIFY2(!action(form, name)->isChecked(), name);
    }

    void unreadableIntegersAreReportedAndStartGoesOn()
    {
        // Each way an integer can be unreadable, and which values are kept, is
        // the settings tests' business.
        runOnce();
        setValue("FullRow", QStringLiteral("broken"));
        QCOMPARE(MainWindow().prompter.texts(), QStringList { "Invalid data type for 'FullRow'" });
    }

    // A file that cannot be read is kept aside before anything is saved, so
    // no save replaces what it held.
    void damagedFavoritesAreKeptAside()
    {
        const std::string damaged = "3\r\n0\r\n0\r\n/one/\r\n";
        const std::string bad = favorites() + ".bad";
        // At a first start; its save writes what could be read.
        writeFile(favorites(), damaged);
        {
            auto &&[prompter, form] = MainWindow();
            QCOMPARE(prompter.shown().size(), size_t(1));
            QCOMPARE(prompter.shown()[0].kind, QStringLiteral("notice"));
            QVERIFY(prompter.shown()[0].text.contains(QString::fromStdString(bad)));
            QCOMPARE(form.settings().FavoriteFolders, std::vector<std::string> { "/one/" });
        }
        QCOMPARE(readFile(bad), damaged);
        QCOMPARE(readFile(favorites()), std::string("1\r\n0\r\n0\r\n/one/\r\n"));
        // On a later start the same.
        const std::string other = "2\r\nsix\r\n";
        writeFile(favorites(), other);
        {
            auto &&[prompter, form] = MainWindow();
            QCOMPARE(prompter.shown().size(), size_t(1));
            QCOMPARE(readFile(bad), other);
            form.close();
        }
        QCOMPARE(readFile(favorites()), std::string("0\r\n0\r\n0\r\n"));
        // A missing file on a later start is reported too, and created by the next save.
        std::filesystem::remove(favorites());
        auto &&[prompter, form] = MainWindow();
        QCOMPARE(prompter.shown().size(), size_t(1));
        QVERIFY(form.settings().FavoriteFolders.empty());
    }

    // A folder whose name the line format cannot hold is left out, with a notice.
    void favouriteWithALineBreakIsNotSaved()
    {
        runOnce();
        auto &&[prompter, form] = MainWindow();
        form.settings().FavoriteFolders = { "/a/", "/b\nc/", "/d/" };
        form.close();
        QCOMPARE(prompter.shown().size(), size_t(1));
        QVERIFY(prompter.shown()[0].text.contains(QStringLiteral("/b\nc/")));
        QCOMPARE(readFile(favorites()), std::string("2\r\n0\r\n0\r\n/a/\r\n/d/\r\n"));
    }
};

QTEST_MAIN(SettingsFormTest)
#include "SettingsFormTest.moc"
