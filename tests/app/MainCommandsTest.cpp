// The main window driven as a user would: command line, Open, Close, sort
// commands and view styles; enabling in the three archive states, recent
// items in both menus, view and toolbar options, best fit, opening an
// entry, the list's clicks, interrupting a running add, the output log and
// the status-line progress display. The archive rules have their own
// ArchiveSessionTest.

#include "AmbxUnit.h"
#include "CFolderUnit1.h"
#include "CommandTable.h"
#include "DeleteUnit.h"
#include "LegacyZip.h"
#include "MainWindow.h"
#include "Peers.h"
#include "RecordingShell.h"
#include "StatusLamp.h"
#include "TestDir.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <set>
#include <sys/stat.h>

using namespace amxtest;

class MainCommandsTest : public QObject
{
    Q_OBJECT

private:
    WindowDir m_dir;
    std::string m_a, m_b, m_deep;

    std::string makeArchive(const std::string &name, const std::vector<std::string> &files)
    {
        std::vector<std::pair<std::string, std::string>> contents;
        for (size_t i = 0; i < files.size(); ++i)
            contents.emplace_back(files[i], sampleBytes(2000 + i * 900, uint32_t(i)));
        return zipFiles(m_dir / name, contents);
    }

    static QToolButton *button(TMainForm &form, const char *name)
    {
        auto *bar = form.findChild<QToolBar *>(QStringLiteral("ToolBar2"));
        return qobject_cast<QToolButton *>(bar->widgetForAction(action(form, name)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_a = makeArchive("a.zip", { "one.txt", "two.txt", "three.txt" });
        m_b = makeArchive("b.zip", { "only.txt" });
        m_deep = makeArchive("Mixed Case.ZIP",
            { "top.txt", "sub/inner.txt", "sub/very-long-name-for-the-best-fit-test.txt" });
    }

    // Extracting moves the process into the target folder, which some tests remove.
    void init() { std::filesystem::current_path(m_dir.path()); }

    void startsWithArchiveFromCommandLine()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a) }, Show::Exposed);

        QCOMPARE(form.windowTitle(), QStringLiteral("Ambermox - a.zip"));
        QCOMPARE(form.fileList()->model()->rowCount(), 3);
        const FileRowTotals totals = form.fileRows().totals();
        QCOMPARE(form.rightStatus(),
            qs("Total 3 files, " + kilobytes(totals.size) + " kB [" + kilobytes(totals.packed)
                + " kB]"));
        QCOMPARE(form.leftStatus(), QStringLiteral("No file(s) selected."));

        form.fileList()->selectAllRows();
        QCOMPARE(form.leftStatus(), qs("Selected 3 files, " + kilobytes(totals.size) + " kB"));

        action(form, "CloseArchive2")->trigger();
        QCOMPARE(form.windowTitle(), QStringLiteral("Ambermox "));
        QCOMPARE(form.FileRowCount(), size_t(0));
        QCOMPARE(recent(form)[0], m_a); // kept; the archive rules: ArchiveSessionTest
        QCOMPARE(form.leftStatus(),
            QStringLiteral("Choose \"New\" to create or \"Open\" to open an archive."));
        // Each command's state without an archive: the enabling table. A click
        // on the status line must not fail without an archive.
        QTest::mouseClick(form.findChild<QLabel *>(QStringLiteral("SPanel1")), Qt::LeftButton);
        QVERIFY(prompter.shown().empty());
    }

    // The last archive named wins; a missing one lists nothing but is remembered.
    void lastArchiveOnCommandLineWins()
    {
        const std::string missing = (m_dir / "gone.zip").string();
        auto &&[prompter, form] = MainWindow({ qs(m_a), QStringLiteral("-x"), qs(missing) });
        QCOMPARE(form.session().CurrentArchive, missing);
        QCOMPARE(form.FileRowCount(), size_t(0));
        QCOMPARE(recent(form), (std::vector<std::string> { missing, "", "", "", "" }));
        QVERIFY(prompter.shown().empty());
    }

    void sortCommandsReloadOnlyOnChange()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_deep) });
        // The row model keeps Qt's rules through every reload, close and reopen.
        QAbstractItemModelTester tester(
            form.fileList()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto *bySize = action(form, "SortbySize1");
        bySize->trigger();
        QVERIFY(action(form, "bySize1")->isChecked());

        // The same order again does not rebuild the list: the selection survives.
        form.fileList()->selectAllRows();
        bySize->trigger();
        QCOMPARE(form.fileList()->selectedCount(), 3);
        action(form, "byName1")->trigger();
        QCOMPARE(form.fileList()->selectedCount(), 0);
        action(form, "CloseArchive2")->trigger();
        form.OpenArchive(m_a);
        QCOMPARE(form.fileList()->model()->rowCount(), int(form.FileRowCount()));
    }

    // A cancelled Open changes nothing; a damaged archive shows the error,
    // and its folder is not offered as a favourite.
    void openCancelledOrDamaged()
    {
        const std::string bad = (m_dir / "damaged/bad.zip").string();
        std::filesystem::create_directories(m_dir / "damaged");
        writeFile(bad, readFile(m_a).substr(0, 1500));
        auto &&[prompter, form] = MainWindow({ qs(m_a) });
        prompter.answerFile(QString());
        action(form, "OpenArchive2")->trigger();
        QCOMPARE(form.session().CurrentArchive, m_a);
        QCOMPARE(form.FileRowCount(), size_t(3));
        form.settings().FavoriteAddMode = 1; // ask first
        prompter.clear();
        prompter.answerFile(qs(bad));
        action(form, "OpenArchive2")->trigger();
        QCOMPARE(prompter.texts(), (QStringList { "Open", "Error 3 reading Zip file" }));
        QCOMPARE(form.fileList()->model()->rowCount(), 0);
    }

    void viewStylesShareOneSelection()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_deep) }, Show::Shown);
        form.fileList()->selectAllRows();
        form.fileList()->setColumnWidth(1, 77);
        const auto *icons = form.fileList()->findChild<QAbstractItemView *>("iconView");
        const std::array names { "LargeIcons1", "SmallIcons1", "List1", "Details1" };
        // Details twice: the checked style again changes nothing.
        for (int style : { 0, 1, 2, 3, 3, 0 }) {
            action(form, names[style])->trigger();
            QCOMPARE(static_cast<int>(form.fileList()->viewStyle()), style);
            QCOMPARE(form.fileList()->selectedCount(), 3);
            // Only the view that shows holds the rows; the hidden tree's widths stay.
            QCOMPARE(form.fileList()->detailsView()->model() != nullptr, style == 3);
            QCOMPARE(icons->model() != nullptr, style != 3);
            QCOMPARE(form.fileList()->columnWidth(1), 77);
            if (style == 3)
                QCOMPARE(form.fileList()->detailsView()->columnWidth(1), 77);
            for (int other = 0; other < 4; ++other)
                QCOMPARE(action(form, names[other])->isChecked(), other == style);
        }
    }

    void enablingFollowsTheArchiveState()
    {
        const std::string ro = (m_dir / "ro.zip").string();
        std::filesystem::copy_file(m_a, ro);
        ::chmod(ro.c_str(), 0444);
        const struct
        {
            std::string archive; // none, writable, read-only
            bool open, writable;
        } states[] = { { "", false, false }, { m_a, true, true }, { ro, true, false } };
        for (const auto &state : states) {
            auto &&[prompter, form] = MainWindow(
                state.archive.empty() ? QStringList() : QStringList { qs(state.archive) },
                Show::Shown);
            // What each command needs is pinned in CommandTableTest; here the
            // window applies it. No operation has run, so there is no output.
            // The same after a dialog disabled the window and enabled it again.
            // By Needs: nothing, archive, writable, ZIP writable, ZIP (these are ZIP), output.
            const std::array enabled { true, state.open, state.writable, state.writable, state.open,
                false };
            for (const bool afterDialog : { false, true }) {
                if (afterDialog) {
                    form.setEnabled(false);
                    form.setEnabled(true);
                }
                for (const Command &command : commandTable())
                    // Hidden recent items count as disabled; they are never changed.
                    if (command.kind != Kind::Separator && command.group != Group::Recent
                        && command.group != Group::TopItem)
                        QVERIFY2(action(form, command.name)->isEnabled()
                                == enabled[size_t(command.needs)],
                            command.name);
            }
            QCOMPARE(form.fileList()->isEnabled(), state.open);
            QCOMPARE(form.acceptDrops(), state.open);
        }
        // A writable archive opened after a read-only one enables the changes.
        auto &&[prompter, form] = MainWindow({ qs(ro) }, Show::Shown);
        prompter.answerFile(qs(m_b));
        form.OpenArchive2Click();
        QVERIFY(action(form, "Add1")->isEnabled() && action(form, "AddButton")->isEnabled());
    }

    void topMenuShowsTheRecentArchives()
    {
        auto &&[prompter, form] = MainWindow({}, Show::Shown);
        for (const std::string &path : { m_deep, m_b, m_a }) {
            prompter.answerFile(qs(path));
            form.OpenArchive2Click();
        }
        auto *top = form.findChild<QMenu *>(QStringLiteral("TopMenu"));
        QCOMPARE(button(form, "OpenButton")->menu(), top);

        Q_EMIT top->aboutToShow(); // rebuilt as it drops down
        const QList<QAction *> items = top->actions();
        QCOMPARE(items.size(), 5);
        QCOMPARE(items[2]->text(), QStringLiteral("&3 ") + qs(m_deep));
        QVERIFY(items[2]->isVisible() && !items[3]->isVisible() && !items[4]->isVisible());
        // The File menu lists the same, each item under its number.
        QCOMPARE(action(form, "Recent3")->text(), QStringLiteral("&3 ") + qs(m_deep));

        // An item of the drop-down runs the same command as the File menu's.
        items[2]->trigger();
        QCOMPARE(form.session().CurrentArchive, m_deep);
        Q_EMIT top->aboutToShow();
        QCOMPARE(items[0]->text(), QStringLiteral("&1 ") + qs(m_deep));
    }

    // Each view and toolbar option, both ways: its setting, its check mark and
    // what it shows. Tool tips off: a filter swallows the buttons' tool-tip event.
    void viewToggles()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a) }, Show::Shown);
        auto *toolBar1 = form.findChild<QToolBar *>(QStringLiteral("ToolBar1"));
        auto *toolBar2 = form.findChild<QToolBar *>(QStringLiteral("ToolBar2"));
        auto *status = form.findChild<QWidget *>(QStringLiteral("StatusPanel"));
        QToolButton *newButton = button(form, "NewButton");
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), newButton->mapToGlobal(QPoint(5, 5)));
        QVERIFY(!newButton->eventFilter(newButton, &help)); // the button itself would show it
        auto tipsShown = [&] {
            for (QObject *filter : form.findChildren<QObject *>())
                if (filter != newButton && filter->eventFilter(newButton, &help))
                    return false;
            return true;
        };
        const std::pair<const char *, int Settings::*> toggles[] = {
            { "Toolbar1", &Settings::ViewToolbar }, { "StatusBar1", &Settings::ViewStatusLine },
            { "AsWebPage1", &Settings::AsWebPage }, { "ShowText1", &Settings::ShowToolbarText },
            { "FlatButtons1", &Settings::FlatButtons }, { "ShowToolTips1", &Settings::ToolbarTips }
        };
        for (size_t i = 0; i < std::size(toggles); ++i) {
            const auto [item, value] = toggles[i];
            auto shown = [&] {
                return std::array { toolBar2->isVisible(), status->isVisible(),
                    form.fileList()->hotTracking(),
                    newButton->toolButtonStyle() != Qt::ToolButtonIconOnly,
                    button(form, "CheckOutButton")->autoRaise(), tipsShown() }[i];
            };
            for (const bool before : { form.settings().*value == 1, form.settings().*value != 1 }) {
                QCOMPARE(action(form, item)->isChecked(), before);
                QVERIFY2(shown() == before, item);
                action(form, item)->trigger();
                QCOMPARE(form.settings().*value, before ? 0 : 1);
            }
            QVERIFY2(shown() == (form.settings().*value == 1), item);
        }
        action(form, "Toolbar1")->trigger();
        QVERIFY(toolBar1->isVisible()); // the menu bar stays
        QVERIFY(!toolBar2->isVisible());
    }

    void bestFitUsesTheWidestText()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_deep) }, Show::Shown);
        for (int c = 0; c < 6; ++c)
            form.fileList()->setColumnWidth(c, 10);
        action(form, "BestFit1")->trigger();
        // Measured through the hidden tree, which lets go of the rows again.
        QVERIFY(form.fileList()->viewStyle() != FileListView::Details);
        QVERIFY(!form.fileList()->detailsView()->model());
        const QFontMetrics fm(form.fileList()->detailsView()->font());
        QVERIFY(form.fileList()->columnWidth(0)
            >= fm.horizontalAdvance(QStringLiteral("very-long-name-for-the-best-fit-test.txt")));
        QVERIFY(form.fileList()->columnWidth(5) >= fm.horizontalAdvance(QStringLiteral("sub/")));
        // Nor is a caption cut where the numbers are narrower ("Packed" to "ked").
        const QHeaderView *header = form.fileList()->detailsView()->header();
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
        for (int c = 0; c < 6; ++c) {
            const QString caption =
                form.fileList()->model()->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(form.fileList()->columnWidth(c)
                    >= header->fontMetrics().horizontalAdvance(caption) + margins,
                qPrintable(caption));
        }
    }

    void listClicksFollowWebPageMode()
    {
        const struct
        {
            const char *name;
            bool webPage, doubleClick, opens;
        } rows[] = { { "web page, single click opens", true, false, true },
            { "web page, double click: only its first click opens", true, true, true },
            { "classic, single click does nothing", false, false, false },
            { "classic, double click opens", false, true, true } };
        for (const auto &row : rows) {
            RecordingShell shell;
            TestDir temp;
            auto &&[prompter, form] = MainWindow({ qs(m_a) }, Show::Exposed);
            form.settings().Temp = temp.str() + "/";
            action(form, "Details1")->trigger();
            if ((form.settings().AsWebPage == 1) != row.webPage)
                action(form, "AsWebPage1")->trigger();
            QTreeView *view = form.fileList()->detailsView();
            const QPoint at =
                view->visualRect(view->model()->index(rowOf(form, "two.txt"), 0)).center();
            // A double click arrives as a click followed by the double click itself.
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
            if (row.doubleClick)
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            QVERIFY2(shell.calls().size() == (row.opens ? 1u : 0u), row.name);
            if (row.opens)
                QCOMPARE(shell.calls().back().target, qs(temp.str() + "/two.txt"));
            QVERIFY(prompter.shown().empty());
        }
    }

    // Del opens the Delete dialog for the selection, Enter opens the entry
    // as a double click does; without a selection neither does anything. The
    // entry is extracted straight into the temporary folder, without its
    // folder names, and opened there.
    void listKeysDeleteAndOpen()
    {
        RecordingShell shell;
        TestDir temp;
        auto &&[prompter, form] = MainWindow({ qs(m_deep) }, Show::Shown);
        TDeleteForm deleteForm;
        form.dialogs().setDeleteForm(&deleteForm);
        form.settings().Temp = temp.str(); // without its '/'
        for (const char *style : { "Details1", "List1" }) {
            action(form, style)->trigger();
            QWidget *view = form.fileList()->currentView();
            form.fileList()->clearSelection();
            QTest::keyClick(view, Qt::Key_Delete);
            QTest::keyClick(view, Qt::Key_Return);
            QVERIFY(!deleteForm.isVisible() && shell.calls().empty());

            selectMembers(form, { "sub/inner.txt" });
            QTest::keyClick(view, Qt::Key_Return);
            QCOMPARE(shell.calls().size(), size_t(1));
            QCOMPARE(shell.calls()[0].target, qs(temp.str() + "/inner.txt"));
            QCOMPARE(shell.calls()[0].workingDir, qs(temp.str() + "/"));
            QTest::keyClick(view, Qt::Key_Delete);
            QVERIFY(deleteForm.isVisible() && deleteForm.RadioButton2->isChecked());
            deleteForm.close();
            shell.clear();
        }
        QCOMPARE(
            readFile(temp / "inner.txt"), readFile(m_dir / "Mixed Case.ZIP.src/sub/inner.txt"));
        QVERIFY(!std::filesystem::exists(temp / "sub"));
        QCOMPARE(form.settings().Temp, temp.str() + "/");
        QVERIFY(prompter.shown().empty());
    }

    // A CP866 archive: detected, shown as CP437 once chosen so through the
    // menu, back again, remembered with the recent archive; a member deleted
    // from the window leaves the other members' stored bytes as they were.
    void nameEncodingMenu()
    {
        const std::string hello = "\x8f\xe0\xa8\xa2\xa5\xe2.txt",
                          report = "\x8e\xe2\xe7\xf1\xe2.doc",
                          letter = "\x8f\xa8\xe1\xec\xac\xae.txt";
        const std::string zip = (m_dir / "cp866.zip").string();
        writeFile(
            zip, zipOf({ { hello, false, {} }, { report, false, {} }, { letter, false, {} } }));
        auto names = [](TMainForm &form) {
            std::set<std::string> out;
            for (size_t i = 0; i < form.FileRowCount(); ++i)
                out.insert(form.fileRows()[i].member());
            return out;
        };
        const std::set<std::string> cyrillic { "Привет.txt", "Отчёт.doc", "Письмо.txt" };
        {
            auto &&[prompter, form] = MainWindow({ qs(zip) }, Show::Shown);
            QAction *automatic = form.findChild<QAction *>(QStringLiteral("NameEncoding:"));
            QAction *dos = form.findChild<QAction *>(QStringLiteral("NameEncoding:CP437"));
            QAction *russian = form.findChild<QAction *>(QStringLiteral("NameEncoding:CP866"));
            QVERIFY(automatic && dos && russian);
            QCOMPARE(names(form), cyrillic);
            QVERIFY(automatic->isChecked());
            QCOMPARE(automatic->text(), QStringLiteral("&Automatic (CP866)"));

            dos->trigger();
            QVERIFY(dos->isChecked() && !automatic->isChecked());
            QCOMPARE(automatic->text(), QStringLiteral("&Automatic"));
            QCOMPARE(
                names(form), std::set<std::string>({ "Åα¿óÑΓ.txt", "ÄΓτ±Γ.doc", "Å¿ß∞¼«.txt" }));

            russian->trigger();
            QCOMPARE(names(form), cyrillic);
            form.SaveSettings();

            TDeleteForm deleteForm;
            form.dialogs().setDeleteForm(&deleteForm);
            selectMembers(form, { "Отчёт.doc" });
            QTest::keyClick(form.fileList()->currentView(), Qt::Key_Delete);
            QVERIFY(deleteForm.isVisible() && deleteForm.RadioButton2->isChecked());
            deleteForm.Button1->click();
            QCOMPARE(names(form), std::set<std::string>({ "Привет.txt", "Письмо.txt" }));
            QVERIFY(prompter.shown().empty());
        }
        // Untouched members keep their records byte for byte.
        const RunResult raw = python(R"(
import sys, zipfile
print([i.orig_filename.encode('cp437').hex() for i in zipfile.ZipFile(sys.argv[1]).infolist()])
)",
            { zip });
        QCOMPARE(raw.out, std::string("['8fe0a8a2a5e22e747874', '8fa8e1ecacae2e747874']\n"));
        {
            // A new window reads the choice back from the settings.
            auto &&[prompter, form] = MainWindow({ qs(zip) }, Show::Hidden);
            QVERIFY(form.findChild<QAction *>(QStringLiteral("NameEncoding:CP866"))->isChecked());
            QCOMPARE(form.settings().NameCodePages.at(zip), std::string("CP866"));
        }
    }

    // With grid lines a selected row keeps its text and highlight, and no
    // cell loses room: every cell looks as without them, bar its two edges.
    void gridLinesKeepTheSelectionVisible()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a) }, Show::Exposed);
        action(form, "Details1")->trigger();
        action(form, "DefaultColumns1")->trigger();
        selectMembers(form, { "two.txt" });
        QTreeView *view = form.fileList()->detailsView();
        auto shot = [&](bool grid) {
            form.fileList()->setGridLines(grid);
            return view->viewport()->grab().toImage();
        };
        const QImage plain = shot(false), grid = shot(true);
        const int row = rowOf(form, "two.txt");
        for (int c = 0; c < 6; ++c) {
            const QRect cell =
                view->visualRect(view->model()->index(row, c)).adjusted(0, 0, -1, -1);
            QVERIFY2(plain.copy(cell) == grid.copy(cell), qPrintable(QString::number(c)));
        }
        // What the comparison stands on: the row is highlighted and has text.
        const QRect name = view->visualRect(view->model()->index(row, 0));
        const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
        int lit = 0, other = 0;
        for (int y = name.top(); y < name.bottom(); ++y)
            for (int x = name.left() + 20; x < name.right(); ++x)
                (QColor(plain.pixel(x, y)) == highlight ? lit : other)++;
        QVERIFY(lit > other && other > 0);
        // At the default widths Modified and Ratio show their texts whole,
        // "100%" included.
        for (int c : { 1, 3 })
            QVERIFY(static_cast<QAbstractItemView *>(view)->sizeHintForColumn(c)
                <= view->columnWidth(c));
        QVERIFY(view->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 6
            <= view->columnWidth(3));
    }

    // Names come from archives and disks: no label renders them as markup
    // (the message boxes: messageBoxesShowPlainText).
    void namesAreNeverMarkup()
    {
        const std::string folder = (m_dir / "<i>dir").string();
        const std::string archive =
            zipFiles(folder + "/<b>arc<br>.zip", { { "<i>big<br>x.txt", "x" } });
        auto &&[prompter, form] = MainWindow({ qs(archive) }, Show::Shown);
        ArchiveFileMenu &menu = form.fileMenu();
        QStringList seen, markup; // a window for each label that shows a name
        auto plain = [&](QWidget *window, const QString &name) {
            for (const QLabel *label : window->findChildren<QLabel *>())
                if (label->text().contains(name)) {
                    seen << window->windowTitle();
                    if (label->textFormat() != Qt::PlainText)
                        markup << label->text();
                }
            window->close();
        };
        selectMembers(form, { "<i>big<br>x.txt" });
        QTimer::singleShot(0, &form, [&] {
            plain(&menu.filePropForm(), QStringLiteral("<i>big"));
        });
        action(form, "FileProperties1")->trigger();
        action(form, "Properties1")->trigger();
        plain(&menu.zipPropForm(), QStringLiteral("<"));
        action(form, "RenameArchive1")->trigger();
        plain(&menu.renameForm(), QStringLiteral("<b>arc"));
        // The folder chooser names the archive; its New... window the folder.
        TSelDirForm &chooser = menu.selDirForm();
        QTimer::singleShot(0, &form, [&] {
            chooser.Destination->setEditText(qs(folder));
            chooser.NFolderForm->showOnTop();
            plain(chooser.NFolderForm.get(), QStringLiteral("<i>dir"));
            plain(&chooser, QStringLiteral("<b>arc"));
        });
        action(form, "CopyArchive1")->trigger();
        QCOMPARE(seen,
            (QStringList { "File Properties", "Zip Properties", "Zip Properties", "Rename",
                "Create Folder", "Copy" }));
        QCOMPARE(markup, QStringList());
    }

    // The real message boxes show their text as it is and can default to No.
    void messageBoxesShowPlainText()
    {
        DialogPrompter real;
        for (const bool defaultNo : { false, true }) {
            bool checked = false;
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                QCOMPARE(box->textFormat(), Qt::PlainText);
                QCOMPARE(box->defaultButton() == box->button(QMessageBox::No), defaultNo);
                checked = true;
                box->defaultButton()->click();
            });
            const bool yes = real.question(QStringLiteral("Delete <b>x</b>?"), Prompter::Icon::None,
                defaultNo ? Prompter::Default::No : Prompter::Default::Yes);
            QVERIFY(checked && yes == !defaultNo);
        }
    }

    // A menu button whose menu was open never hears that the pointer left
    // it (an X server tells the window only where the pointer entered once
    // the menu is gone); once the menu has closed it looks like the others.
    void menuButtonsLoseTheirFrameWhenTheMenuCloses()
    {
        auto &&[prompter, form] = MainWindow({}, Show::Exposed);
        auto *button = form.findChild<QToolButton *>(QStringLiteral("ViewMenuButton"));
        QTimer::singleShot(0, &form, [&] {
            QCursor::setPos(form.fileList()->mapToGlobal(form.fileList()->rect().center()));
            button->setAttribute(Qt::WA_UnderMouse); // what the X server leaves
            button->menu()->close();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(!button->underMouse());
    }

    void helpItemsOpenTheInstalledPages()
    {
        RecordingShell shell;
        auto &&[prompter, form] = MainWindow();
        for (const char *name :
            { "Contents1", "BriefTutorial1", "FrequentlyAskedQuestions1", "HomePage1" })
            action(form, name)->trigger();
        const QString folder = qs(programFolder()), help = folder + "help/";
        QStringList opened;
        for (const RecordingShell::Call &call : shell.calls()) {
            opened << call.target + " in " + call.workingDir;
            // Installed beside the program by the build.
            QVERIFY2(QFileInfo::exists(call.target), qPrintable(call.target));
        }
        QCOMPARE(opened,
            (QStringList { help + "index.html in " + help, help + "tutor.html in " + help,
                help + "faq.html in " + help,
                folder + "Visit Ambermox's Home Page.url in " + folder }));
        QVERIFY(shell.calls()[0].show == Shell::Show::Maximized);
        QVERIFY(internetShortcutUrl(shell.calls()[3].target).startsWith(QLatin1String("https://")));

        // Without a program for the page the user is told, the page named.
        shell.failWith(QStringLiteral("no program"));
        action(form, "BriefTutorial1")->trigger();
        QCOMPARE(prompter.texts(),
            QStringList { "Cannot open \"" + help + "tutor.html\": no program." });
    }

    // A click on the list while an operation runs asks; No requests the
    // cancel, Yes lets it go on. What the cancel does is the dialogs' tests'.
    void aClickDuringAnOperationAsks()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a) }, Show::Exposed);
        QWidget *viewport = form.fileList()->currentView()->viewport();
        // Past the few members, so two clicks never open one as a double click.
        const QPoint empty = viewport->rect().bottomRight() - QPoint(5, 5);
        TZipEngine engine;
        {
            Operations::Running running(form.operations(), engine, 0); // as inside the operation
            for (const bool yes : { false, true }) {
                prompter.answerQuestion(yes);
                QTest::mouseClick(viewport, Qt::LeftButton, {}, empty);
                QCOMPARE(engine.CancelRequested, !yes);
            }
        }
        QCOMPARE(prompter.texts(), QStringList(2, "Archive Operation Interrupted. Continue?"));
        // Afterwards a click is an ordinary click again.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, empty);
        QCOMPARE(prompter.shown().size(), size_t(2));
    }

    // The log of the last operation: how operations fill it is the dialogs'
    // tests'; here its command follows it and shows it in a modal window.
    void viewLastOutputShowsTheLog()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a) }, Show::Shown);
        QAction *view = action(form, "ViewLastOutput2");
        QVERIFY(!view->isEnabled());
        form.operations().startLog();
        form.operations().appendLog("  adding: one.txt");
        QVERIFY(view->isEnabled());
        bool checked = false;
        QTimer::singleShot(0, &form, [&] {
            TMsgForm &msg = form.msgForm();
            QVERIFY(msg.isVisible() && !form.isEnabled());
            QCOMPARE(msg.RichEdit1->toPlainText(), QStringLiteral("  adding: one.txt"));
            checked = true;
            QTest::keyClick(&msg, Qt::Key_Escape);
        });
        view->trigger();
        QVERIFY(checked && !form.msgForm().isVisible() && form.isEnabled());
        action(form, "CloseArchive2")->trigger();
        QVERIFY(!view->isEnabled());
    }

    void statusLineShowsAnOperation()
    {
        auto &&[prompter, form] = MainWindow({ qs(m_a) }, Show::Exposed);
        auto *panel1 = form.findChild<QLabel *>(QStringLiteral("SPanel1"));
        auto *panel2 = form.findChild<QLabel *>(QStringLiteral("SPanel2"));
        auto *bar = form.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
        auto *ledOn = form.findChild<StatusLamp *>(QStringLiteral("LedOn"));
        auto *ledOff = form.findChild<StatusLamp *>(QStringLiteral("LedOff"));
        const QString left = panel1->text(), right = panel2->text();
        StatusProgress &progress = form.operations().progress();

        progress.begin(3 * 32768 + 100);
        QVERIFY(!ledOn->isLit() && ledOff->isLit());
        QVERIFY(bar->isVisible() && !panel2->isVisible());
        QCOMPARE(bar->geometry(), panel2->geometry());
        QCOMPARE(std::pair(bar->value(), bar->maximum()), std::pair(0, 3));
        // The texts of a step: the dialogs' tests; here the window's widgets.
        for (int i = 0; i < 5; ++i)
            progress.progress(ProgressType::ProgressStep, QString(), " ");
        QCOMPARE(bar->value(), 3);
        progress.progress(ProgressType::ProgressEnd, QString(), " ");
        QCOMPARE(panel1->text(), QString());
        progress.end();
        QCOMPARE(std::pair(panel1->text(), panel2->text()), std::pair(left, right));
        QVERIFY(panel2->isVisible() && !bar->isVisible());
        QVERIFY(ledOn->isLit() && !ledOff->isLit());
    }
};

QTEST_MAIN(MainCommandsTest)
#include "MainCommandsTest.moc"
