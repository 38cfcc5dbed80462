// The configuration, tip and About windows driven as a user would, on a
// stand-in main window that records saves.

#include "AboutUnit.h"
#include "ConfigurationUnit.h"
#include "RecordingShell.h"
#include "ScriptedPrompter.h"
#include "Settings.h"
#include "SettingsLink.h"
#include "TipUnit.h"
#include "Tips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

struct FakeOwner : SettingsLink
{
    QMainWindow main;
    Settings values;
    int saves = 0;
    Settings saved;

    FakeOwner()
    {
        main.setGeometry(100, 100, 600, 400);
        main.show();
    }
    QWidget *ownerWindow() override { return &main; }
    Settings &settings() override { return values; }
    void saveAndReloadSettings() override
    {
        ++saves;
        saved = values;
    }
    std::string helpRoot() const override { return "/opt/amx/"; }
};

} // namespace

class SettingsWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void configurationRoundTrips()
    {
        FakeOwner owner;
        owner.values.Temp = "/var/tmp/amx/";
        owner.values.Viewer = "/usr/bin/gedit";
        owner.values.ViewToolbar = 2;
        owner.values.ViewStyle = 3;
        TConfigurationForm form;
        form.setLink(owner);
        ScriptedPrompter prompter;
        folderChooser() = [](const QString &, const QString &, const QString &) {
            return QStringLiteral("/browsed");
        };

        // Cancel after browsing stores nothing.
        form.show();
        QVERIFY(!owner.main.isEnabled());
        QCOMPARE(form.Edit1->text(), QStringLiteral("/var/tmp/amx"));
        QVERIFY(!form.CheckBox7->isChecked() && form.RadioGroup1[3]->isChecked());
        form.SpeedButton1->click();
        prompter.answerFile(QStringLiteral("/usr/bin/kate"));
        form.SpeedButton2->click();
        QVERIFY(form.Edit1->text() == "/browsed" && form.Edit2->text() == "/usr/bin/kate");
        form.Button2->click();
        QVERIFY(owner.main.isEnabled() && owner.saves == 0 && owner.values.Temp == "/var/tmp/amx/");

        // OK: the separator added, the odd value stored as 0.
        form.show();
        form.Edit1->setText(QStringLiteral("/d/tmp"));
        form.Button1->click();
        QVERIFY(owner.saves == 1 && form.isHidden());
        QCOMPARE(owner.saved.Temp, std::string("/d/tmp/"));
        QCOMPARE(owner.saved.ViewToolbar, 0);
        QCOMPARE(owner.saved.Viewer, std::string("/usr/bin/gedit"));

        // An emptied folder keeps the one before, and says so.
        form.show();
        QCOMPARE(form.Edit1->text(), QStringLiteral("/d/tmp"));
        form.Edit1->clear();
        prompter.clear();
        form.Button1->click();
        QCOMPARE(owner.saved.Temp, std::string("/d/tmp/"));
        QCOMPARE(prompter.texts(),
            QStringList { "The temporary folder cannot be empty; it stays /d/tmp." });
    }

    void tipStepsAndStoresTheChoice()
    {
        FakeOwner owner;
        TTipForm form;
        form.setLink(owner);
        form.show();
        QVERIFY(form.ComboBox1->currentIndex() == 1 && form.Label2->text() == tipTexts()[0]);
        // The next one; the wrap after the last is the logic's test.
        form.NextTipButton->click();
        QCOMPARE(form.Label2->text(), tipTexts()[1]);
        form.ComboBox1->setCurrentIndex(2);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isHidden() && owner.values.TipOfTheDay == 2);
        // Shown again in the same run: the same tip.
        form.show();
        QVERIFY(form.Label2->text() == tipTexts()[1] && form.ComboBox1->currentIndex() == 2);
    }

    void aboutShowsVersionsAndOpensPages()
    {
        FakeOwner owner;
        RecordingShell shell;
        TAboutForm form;
        form.setLink(owner);
        form.show();
        QVERIFY(!owner.main.isEnabled());
        QCOMPARE(form.versions->text(), QStringLiteral("Add library 1.00, extract library 1.00"));
        // No empty framed box: each group shows some text.
        for (const QGroupBox *group : form.findChildren<QGroupBox *>()) {
            QString shown = group->title();
            for (const QLabel *label : group->findChildren<QLabel *>())
                shown += label->text();
            QVERIFY(!shown.isEmpty());
        }
        form.Button2->click();
        QTest::mouseClick(form.Label8, Qt::LeftButton);
        QCOMPARE(shell.calls().size(), size_t(2));
        QCOMPARE(shell.calls()[0].target, QStringLiteral("/opt/amx/help/faq.html"));
        QCOMPARE(shell.calls()[0].workingDir, QStringLiteral("/opt/amx/help/"));
        QCOMPARE(
            shell.calls()[1].target, QStringLiteral("/opt/amx/Visit Ambermox's Home Page.url"));
        // A page nothing opens is named in a notice.
        ScriptedPrompter prompter;
        shell.failWith(QStringLiteral("no program"));
        form.Button2->click();
        QCOMPARE(prompter.texts(),
            QStringList { QStringLiteral("Cannot open \"/opt/amx/help/faq.html\": no program.") });
        form.Button1->click();
        QVERIFY(owner.main.isEnabled());
    }
};

QTEST_MAIN(SettingsWindowsTest)
#include "SettingsWindowsTest.moc"
