// Encrypted archives in the windows: the password question through the
// prompter on every path that extracts, the lock on encrypted rows, the Add
// dialog's encryption, and the password kept out of the log and the settings.
// Archives are made by 7-Zip and Info-ZIP and checked with 7-Zip.

#include "AddUnit.h"
#include "EntryCopy.h"
#include "ExtractStage.h"
#include "FakeMainWindow.h"
#include "FileIcons.h"
#include "FileListView.h"
#include "FileRowModel.h"
#include "MainWindow.h"
#include "PasswordDialog.h"
#include "Peers.h"
#include "ScriptedPrompter.h"
#include "TestDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <map>

using namespace amxtest;
namespace fs = std::filesystem;

namespace {

const char kPassword[] = "Sesame-4711";

// Scripted answers to the password questions: a password, one ending in
// '!' for this member only, or "" for Cancel.
void script(ScriptedPrompter &prompter, const QStringList &answers)
{
    for (const QString &a : answers)
        if (a.isEmpty())
            prompter.cancelPassword();
        else if (a.endsWith('!'))
            prompter.answerPassword(a.chopped(1), false);
        else
            prompter.answerPassword(a);
}

QStringList shownOf(const ScriptedPrompter &prompter, const QString &kind)
{
    QStringList out;
    for (const auto &s : prompter.shown())
        if (s.kind == kind)
            out << s.text;
    return out;
}

} // namespace

class PasswordFormTest : public QObject
{
    Q_OBJECT

private:
    WindowDir m_dir;
    std::map<std::string, std::string> m_plain, m_secret;
    std::string m_aes, m_mixed;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString((m_dir / "data").string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((m_dir / "config").string()));
        if (run({ "7z", "i" }).exitCode != 0)
            QSKIP("7z is not installed");
        m_plain = { { "plain.txt", sampleBytes(5000, 1) }, { "docs/open.txt", "open" } };
        m_secret = { { "secret1.txt", sampleBytes(30000, 2) },
            { "deep/secret2.txt", sampleBytes(800, 3) }, { "secret3.bin", "three" } };
        for (const auto &[name, content] : m_secret)
            m_dir.createFile("secret/" + name, content);
        for (const auto &[name, content] : m_plain)
            m_dir.createFile("plain/" + name, content);
        m_aes = (m_dir / "aes.zip").string();
        // Mixed: plain members by zip, encrypted ones added by 7-Zip.
        m_mixed = (m_dir / "mixed.zip").string();
        runOk({ "zip", "-q", "-r", "-D", m_mixed, "." }, (m_dir / "plain").string());
        for (const std::string &archive : { m_aes, m_mixed })
            runOk({ "7z", "a", "-tzip", "-bd", std::string("-p") + kPassword, "-mem=AES256",
                      archive, "." },
                (m_dir / "secret").string());
    }

    void extractAsks_data()
    {
        QTest::addColumn<bool>("mixed");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("questions"); // "?" marks a wrong-password question
        QTest::addColumn<bool>("secretsWritten");
        const QString right = kPassword;
        const QString once = right + '!';
        for (const bool mixed : { false, true }) {
            const char *kind = mixed ? "mixed" : "aes";
            QTest::addRow("%s: right password", kind)
                << mixed << QStringList { right } << QStringList { "" } << true;
            QTest::addRow("%s: wrong, then right", kind)
                << mixed << QStringList { "wrong", right } << QStringList { "", "?" } << true;
            QTest::addRow("%s: cancel", kind)
                << mixed << QStringList { "" } << QStringList { "" } << false;
            QTest::addRow("%s: for this member only", kind)
                << mixed << QStringList { once, once, once } << QStringList { "", "", "" } << true;
        }
    }

    // Every question names its member; the plain members are written whatever
    // the answers, the encrypted ones only with the right password.
    void extractAsks()
    {
        QFETCH(bool, mixed);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, questions);
        QFETCH(bool, secretsWritten);
        ExtractStage stage(mixed ? m_mixed : m_aes, true);
        script(stage.prompter, answers);
        TestDir out;
        stage.runInto(out.str() + "/");

        std::map<std::string, std::string> expected = mixed ? m_plain : decltype(m_plain) {};
        if (secretsWritten)
            expected.insert(m_secret.begin(), m_secret.end());
        QVERIFY(filesBelow(out.path()) == expected);
        QVERIFY(stage.prompter.allAnswersUsed());
        const QStringList asked = shownOf(stage.prompter, QStringLiteral("password"));
        QCOMPARE(asked.size(), questions.size());
        for (int i = 0; i < asked.size(); ++i) {
            const bool wrong = questions[i] == QLatin1String("?");
            QVERIFY2(asked[i].startsWith(wrong ? "Wrong password for " : "Password for "),
                qPrintable(asked[i]));
            QVERIFY(m_secret.count(asked[i].section(' ', wrong ? 3 : 2).toStdString()));
        }
        // Asked per member: each question names another one.
        if (asked.size() == 3)
            QCOMPARE(QSet<QString>(asked.begin(), asked.end()).size(), 3);
        const QStringList notices = shownOf(stage.prompter, QStringLiteral("notice"));
        if (secretsWritten)
            QVERIFY2(notices.isEmpty(), qPrintable(notices.join('|')));
        else
            QCOMPARE(notices,
                QStringList { "3 encrypted members were skipped without their password." });
    }

    // Test Archive and the copy made to view or open a member ask too.
    void otherPathsAsk()
    {
        FakeMainWindow main;
        ScriptedPrompter prompter;
        TZipEngine engine;
        engine.setZipFilename(m_mixed);
        prompter.answerPassword(kPassword);
        main.ops.testArchive(engine);
        QCOMPARE(shownOf(prompter, "notice"), QStringList { "No errors detected in 6 members." });

        prompter.clear();
        prompter.cancelPassword();
        main.ops.testArchive(engine);
        QCOMPARE(shownOf(prompter, "notice"),
            QStringList { "Errors detected in 3 members; 3 sound.\n"
                          "3 encrypted members were skipped without their password." });

        prompter.clear();
        TestDir temp;
        prompter.answerPassword("wrong");
        prompter.answerPassword(kPassword);
        const std::string copy = extractEntryCopy(engine, "deep/", "secret2.txt", temp.str() + "/");
        QCOMPARE(shownOf(prompter, "password"),
            (QStringList {
                "Password for deep/secret2.txt", "Wrong password for deep/secret2.txt" }));
        QCOMPARE(readFile(copy), m_secret["deep/secret2.txt"]);
    }

    // The real question: hidden text unless shown, for all members by default.
    void passwordDialog()
    {
        PasswordDialog dialog(QStringLiteral("<b>x</b>.txt"), true);
        QCOMPARE(dialog.questionLabel->text(), QStringLiteral("Wrong password for <b>x</b>.txt"));
        QCOMPARE(dialog.questionLabel->textFormat(), Qt::PlainText);
        QCOMPARE(dialog.passwordEdit->echoMode(), QLineEdit::Password);
        QVERIFY(dialog.forAllMembers());
        dialog.showPassword->click();
        QCOMPARE(dialog.passwordEdit->echoMode(), QLineEdit::Normal);
        dialog.passwordEdit->setText(QStringLiteral("pä"));
        QCOMPARE(dialog.takePassword(), QByteArray("p\xc3\xa4"));
        QVERIFY(dialog.passwordEdit->text().isEmpty());
    }

    // Encrypted rows carry the flag and a locked icon, one per base icon.
    void lockOnEncryptedRows()
    {
        TZipEngine engine;
        engine.setZipFilename(m_mixed);
        FileRows rows([](uint32_t) {
            return std::string("date");
        });
        rows.load(engine.Entries());
        FileRowModel model(rows);
        std::map<std::string, qint64> iconOf;
        for (size_t i = 0; i < rows.size(); ++i) {
            const std::string member = rows[i].member();
            QCOMPARE(rows[i].encrypted, m_secret.count(member) == 1);
            const QIcon icon =
                model.data(model.index(int(i), 0), Qt::DecorationRole).value<QIcon>();
            const QIcon &base = FileIcons::forName(qs(std::string(rows[i].Name))).icon;
            QCOMPARE(icon.cacheKey(),
                rows[i].encrypted ? FileIcons::withLock(base).cacheKey() : base.cacheKey());
            iconOf[member] = icon.cacheKey();
        }
        QVERIFY(iconOf["secret1.txt"] != iconOf["plain.txt"]);
        QCOMPARE(iconOf["secret1.txt"], iconOf["deep/secret2.txt"]);
    }

    void addEncrypts_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<QString>("refusal"); // empty: the add runs
        QTest::newRow("AES-256") << 0 << kPassword << kPassword << "";
        QTest::newRow("ZipCrypto") << 1 << kPassword << kPassword << "";
        QTest::newRow("differ") << 0 << kPassword << "Sesame-4712"
                                << "The two passwords differ. Please type the same password twice.";
        QTest::newRow("empty")
            << 0 << ""
            << ""
            << "Please type the password to encrypt with: an empty one protects nothing.";
    }

    // A matching pair gives members 7-Zip opens with it; anything else is
    // told, and the dialog stays open with nothing written.
    void addEncrypts()
    {
        QFETCH(int, method);
        QFETCH(QString, password);
        QFETCH(QString, repeat);
        QFETCH(QString, refusal);
        FakeMainWindow main;
        ScriptedPrompter prompter;
        TestDir work;
        work.createFile("in/data.txt", sampleBytes(9000, 7));
        // As New leaves it: an empty file.
        main.archive = work.createFile("out.zip").string();
        main.addDir = work.str() + "/in/";
        TAddForm form;
        form.setLink(main);
        form.showOnTop();
        QVERIFY(form.encryptBox && !form.passwordEdit->isEnabled());
        QCOMPARE(form.encryptionMethod->itemText(1),
            QStringLiteral("ZipCrypto (compatible with old tools, weak)"));
        form.encryptBox->setChecked(true);
        form.encryptionMethod->setCurrentIndex(method);
        form.passwordEdit->setText(password);
        form.repeatEdit->setText(repeat);
        const auto &listed = form.browser().rows();
        const auto data = std::find_if(listed.begin(), listed.end(), [](const AddRow &r) {
            return r.name == "data.txt";
        });
        QVERIFY(data != listed.end());
        form.filelist->selectionModel()->select(
            form.filelist->model()->index(int(data - listed.begin()), 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        form.Button1->click();

        if (!refusal.isEmpty()) {
            QCOMPARE(shownOf(prompter, "notice"), QStringList { refusal });
            QVERIFY(form.isVisible() && fs::file_size(main.archive) == 0);
            QVERIFY(form.passwordEdit->text().isEmpty() && form.repeatEdit->text().isEmpty());
            return;
        }
        QVERIFY2(prompter.shown().empty(), qPrintable(prompter.texts().join('|')));
        QVERIFY(!form.isVisible());
        const std::string pw = std::string("-p") + kPassword;
        QCOMPARE(run({ "7z", "t", pw, main.archive }).exitCode, 0);
        QVERIFY(run({ "7z", "t", "-pwrong", main.archive }).exitCode != 0);
        const std::string listing = runOk({ "7z", "l", "-slt", pw, main.archive });
        QVERIFY2(listing.find(method == 0 ? "AES-256" : "ZipCrypto") != std::string::npos,
            listing.c_str());
    }

    // Neither the output log nor the settings file ever hold the password.
    void passwordStaysOut()
    {
        MainWindow window({ qs(m_mixed) });
        window.prompter.answerPassword(kPassword, false);
        window.prompter.answerPassword("wrong");
        window.prompter.answerPassword(kPassword);
        action(window.form, "TestArchive1")->trigger();
        QVERIFY(window.prompter.allAnswersUsed());
        window.form.SaveSettings();
        const std::string settings = readFile(m_dir / "config/Ambermox.conf");
        QVERIFY(!settings.empty());
        const QStringList log = window.form.msgForm().lines();
        QVERIFY(log.size() >= 5);
        for (const std::string &text : { settings, log.join('\n').toStdString(),
                 window.prompter.texts().join('\n').toStdString() })
            QVERIFY(text.find(kPassword) == std::string::npos);
    }
};

QTEST_MAIN(PasswordFormTest)
#include "PasswordFormTest.moc"
