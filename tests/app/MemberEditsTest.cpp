// The comment, rename and edit-in-place commands of the main window, with
// every question answered by the scripted prompter and the archive read
// back by Python's zipfile.

#include "MemberEdits.h"
#include "AmbxUnit.h"
#include "MainWindow.h"
#include "Peers.h"
#include "RecordingShell.h"
#include "TestDir.h"

#include <QAction>
#include <QTest>

#include <filesystem>

using namespace amxtest;

namespace {

// Python's view of the archive: "name=data" per member, then the comment.
std::string contents(const std::string &archive)
{
    return runOk({ "python3", "-c",
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "for n in sorted(z.namelist()): print(n + '=' + z.read(n).decode())\n"
        "sys.stdout.write('comment=' + z.comment.decode())\n",
        archive });
}

} // namespace

class MemberEditsTest : public QObject
{
    Q_OBJECT

private:
    WindowDir m_dir;

    std::string archive() { return editSample(m_dir / (m_dir.fresh("a") + ".zip")); }

private Q_SLOTS:
    // The editor shows control characters as pictures and markup as typed;
    // what is confirmed is stored and marked in the status line.
    void commentShownPlainAndSaved()
    {
        const std::string zip = archive();
        runOk({ "python3", "-c",
            "import sys, zipfile\n"
            "z = zipfile.ZipFile(sys.argv[1], 'a')\n"
            "z.comment = b'<b>bold</b> bell\\x07 esc\\x1b'\n"
            "z.close()\n",
            zip });
        auto &&[prompter, form] = MainWindow({ qs(zip) });
        QVERIFY(form.rightStatus().contains(QStringLiteral("[Comment]")));
        prompter.answerText(QStringLiteral("new <i>text</i>\nline two \u241b"));
        action(form, "Comment1")->trigger();
        QCOMPARE(prompter.shown().back().kind, QStringLiteral("text"));
        QCOMPARE(
            prompter.shown().back().text, QString::fromUtf8("<b>bold</b> bell\u2407 esc\u241b"));
        QVERIFY(has(contents(zip), "comment=new <i>text</i>\nline two \x1b"));

        // Too long: told, nothing written.
        const std::string before = readFile(zip);
        prompter.answerText(QString(70000, QLatin1Char('x')));
        action(form, "Comment1")->trigger();
        QCOMPARE(prompter.shown().back().kind, QStringLiteral("notice"));
        QVERIFY(prompter.shown().back().text.contains(QStringLiteral("65,535")));
        QCOMPARE(readFile(zip), before);

        // Emptied: no mark.
        prompter.answerText(QString());
        action(form, "Comment1")->trigger();
        QVERIFY(has(contents(zip), "comment="));
        QVERIFY(!form.rightStatus().contains(QStringLiteral("[Comment]")));
        QVERIFY(prompter.allAnswersUsed());
    }

    void renameChecksAndKeepsTheSelection()
    {
        const struct
        {
            const char *name;
            std::vector<std::string> selected;
            QString answer;
            const char *after; // the archive's members afterwards, or nullptr: unchanged
            std::vector<std::string> selectedAfter;
        } rows[] = {
            { "one member", { "readme.txt" }, QStringLiteral("docs/readme.md"),
                "docs/one.txt=one\ndocs/readme.md=read "
                "me\ndocs/two.txt=two\nother/three.txt=three\n",
                { "docs/readme.md" } },
            { "a folder", { "docs/one.txt", "docs/two.txt" }, QStringLiteral("papers/"),
                "other/three.txt=three\npapers/one.txt=one\npapers/two.txt=two\nreadme.txt=read "
                "me\n",
                { "papers/one.txt", "papers/two.txt" } },
            // What the library refuses is the command line's table; the
            // window tells its own refusals in a notice.
            { "exists", { "readme.txt" }, QStringLiteral("docs/one.txt"), nullptr, {} },
            { "dot dot", { "readme.txt" }, QStringLiteral("../readme.txt"), nullptr, {} },
        };
        for (const auto &row : rows) {
            const std::string zip = archive();
            const std::string before = readFile(zip);
            auto &&[prompter, form] = MainWindow({ qs(zip) });
            selectMembers(form, row.selected);
            prompter.answerText(row.answer);
            action(form, "RenameMember1")->trigger();
            if (!row.after) {
                QVERIFY2(readFile(zip) == before, row.name);
                QVERIFY2(prompter.shown().back().kind == QStringLiteral("notice"), row.name);
                continue;
            }
            QVERIFY2(contents(zip) == std::string(row.after) + "comment=", row.name);
            QVERIFY2(form.selectedMembers() == row.selectedAfter, row.name);
            QCOMPARE(run({ "unzip", "-tq", zip }).exitCode, 0);
            QVERIFY(prompter.allAnswersUsed());
        }
    }

    // The copy opened in its program is rewritten; yes adds it back, no
    // leaves the archive and names the copy.
    void editedCopyIsOfferedBack()
    {
        for (const bool yes : { true, false }) {
            RecordingShell shell;
            TestDir temp;
            const std::string zip = archive();
            auto &&[prompter, form] = MainWindow({ qs(zip) });
            form.settings().Temp = temp.str() + "/";
            selectMembers(form, { "docs/two.txt" });
            form.OpenEntryClick();
            QCOMPARE(shell.calls().size(), size_t(1));
            const std::string copy = temp.str() + "/two.txt";
            QCOMPARE(form.memberEdits().watchedCopies(), QStringList { qs(copy) });
            const std::string before = readFile(zip);

            // Saved the way many editors do: a new file renamed over the copy.
            writeFile(copy + ".new", "two, edited");
            std::filesystem::rename(copy + ".new", copy);
            prompter.answerQuestion(yes);
            form.memberEdits().checkCopies();
            QCOMPARE(prompter.shown().front().kind, QStringLiteral("question"));
            QCOMPARE(prompter.shown().front().text,
                QStringLiteral("docs/two.txt has changed. Update the archive?"));
            if (yes) {
                QVERIFY(has(contents(zip), "docs/two.txt=two, edited\n"));
                QCOMPARE(pythonListing(zip).size(), size_t(4));
            } else {
                QCOMPARE(readFile(zip), before);
                QVERIFY(prompter.shown().back().text.contains(qs(copy)));
            }
            // Nothing more to ask until it changes again; closing ends the watch.
            form.memberEdits().checkCopies();
            QVERIFY(prompter.allAnswersUsed());
            action(form, "CloseArchive2")->trigger();
            QVERIFY(form.memberEdits().watchedCopies().isEmpty());
            QVERIFY(std::filesystem::exists(copy));
        }
    }

    // Put back as it is, an edit of an encrypted member would lose its
    // encryption: the window keeps the copy and says so instead.
    void editedEncryptedCopyIsKept()
    {
        RecordingShell shell;
        TestDir temp;
        const std::filesystem::path src = m_dir / "secret";
        std::filesystem::create_directories(src / "docs");
        writeFile((src / "docs/two.txt").string(), "two");
        const std::string zip = (m_dir / "encrypted.zip").string();
        runOk({ "sh", "-c",
            "cd \"$0\" && 7z a -tzip -bd -psecret -mem=AES256 \"$1\" docs/two.txt >/dev/null",
            src.string(), zip });
        auto &&[prompter, form] = MainWindow({ qs(zip) });
        form.settings().Temp = temp.str() + "/";
        selectMembers(form, { "docs/two.txt" });
        prompter.answerPassword(QStringLiteral("secret"));
        form.OpenEntryClick();
        const std::string copy = temp.str() + "/two.txt";
        QCOMPARE(readFile(copy), std::string("two"));
        const std::string before = readFile(zip);
        writeFile(copy, "two, edited");
        form.memberEdits().checkCopies();
        for (const auto &shown : prompter.shown())
            QVERIFY(shown.kind != QStringLiteral("question"));
        QCOMPARE(prompter.shown().back().kind, QStringLiteral("notice"));
        QVERIFY(prompter.shown().back().text.contains(qs(copy)));
        QCOMPARE(readFile(zip), before);
    }
};

QTEST_MAIN(MemberEditsTest)
#include "MemberEditsTest.moc"
