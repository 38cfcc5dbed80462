// Every window as a keyboard and screen-reader user meets it: the program's
// windows wired as the program wires them, each shown offscreen in turn.
// Tab walks its controls in the order the layout reads (top to bottom, left
// to right, a column beside another read after it), every control Tab
// reaches has a name a screen reader can speak, and the controls without
// text of their own (icon buttons, lamps, the picture, gauges) have a name
// and a description.

#include "AViewUnit.h"
#include "AboutUnit.h"
#include "AddUnit.h"
#include "AnimatedPicture.h"
#include "CFolderUnit1.h"
#include "CFolderUnit2.h"
#include "CheckOutUnit.h"
#include "CommandTable.h"
#include "ConfigurationUnit.h"
#include "DeleteUnit.h"
#include "DiscoveryCommands.h"
#include "DragUnit.h"
#include "ExeUnit.h"
#include "ExtractUnit.h"
#include "FavorOptUnit.h"
#include "FavoriteUnit.h"
#include "FilePropUnit.h"
#include "FindUnit.h"
#include "LnEUnit.h"
#include "MainWindow.h"
#include "Peers.h"
#include "PercentGauge.h"
#include "RenameUnit.h"
#include "SearchUnit.h"
#include "SelFolderUnit.h"
#include "StatusLamp.h"
#include "TestDir.h"
#include "TipUnit.h"
#include "ViewUnit.h"
#include "ZipPropUnit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace amxtest;

namespace {

// The windows as main() wires them.
struct Program
{
    MainWindow main;
    TAddForm add;
    TExtractForm extract;
    TNFolderForm2 newFolder { extract };
    TDeleteForm remove;
    TViewForm view;
    TAsciview textViewer;
    TFavoriteForm favorites;
    TFavorOptForm favoriteFolders;
    TSearchForm search;
    TFindForm find;
    TAboutForm about;
    TTipForm tip;
    TConfigurationForm configuration;
    TCheckOut checkOut;
    TEXEForm exe;
    TDragForm drag;
    TLnEForm extracting;

    explicit Program(const std::string &archive)
        : main({ qs(archive) }, Show::Shown)
    {
        TMainForm &form = main.form;
        form.dialogs().setAddForm(&add);
        form.dialogs().setExtractForm(&extract);
        form.dialogs().setDeleteForm(&remove);
        form.dialogs().setViewForm(&view, &textViewer);
        connectDiscovery(form, favorites, favoriteFolders, search, find);
        form.dialogs().setHelpForms(&configuration, &tip, &about);
        form.dialogs().setCheckOut(&checkOut);
        form.dialogs().setExeForm(&exe);
    }
};

// name; the window, shown (the main window shows from the start).
struct Window
{
    const char *name;
    QWidget *(*window)(Program &);
};

#define WINDOW(name, expr)                                                                         \
    {                                                                                              \
        name, [](Program &p) -> QWidget * {                                                        \
            return expr;                                                                           \
        }                                                                                          \
    }

const Window kWindows[] = {
    WINDOW("main window", &p.main.form),
    WINDOW("Add", &p.add),
    WINDOW("Extract", &p.extract),
    WINDOW("new folder (Extract)", &p.newFolder),
    WINDOW("Delete", &p.remove),
    WINDOW("View", &p.view),
    WINDOW("text viewer", (p.textViewer.view("readme.txt"), &p.textViewer)),
    WINDOW("output log", &p.main.form.msgForm()),
    WINDOW("check-out", &p.checkOut),
    WINDOW("self-extractor", &p.exe),
    WINDOW("extracting (file manager)", &p.extracting),
    WINDOW("dropped files", &p.drag),
    WINDOW("favourites", &p.favorites),
    WINDOW("favourites folders", &p.favoriteFolders),
    WINDOW("disk search", &p.search),
    WINDOW("Find", &p.find),
    WINDOW("folder chooser", &p.main.form.selDirForm()),
    WINDOW("new folder (chooser)", p.main.form.selDirForm().NFolderForm.get()),
    WINDOW("rename", &p.main.form.fileMenu().renameForm()),
    WINDOW("archive properties", &p.main.form.fileMenu().zipPropForm()),
    WINDOW("file properties", &p.main.form.fileMenu().filePropForm()),
    WINDOW("configuration", &p.configuration),
    WINDOW("tip", &p.tip),
    WINDOW("about", &p.about),
};

#undef WINDOW

QString spokenName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

QString describe(QWidget *w)
{
    return QStringLiteral("%1 \"%2\" at %3,%4")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
        .arg(w->mapTo(w->window(), QPoint(0, 0)).x())
        .arg(w->mapTo(w->window(), QPoint(0, 0)).y());
}

// What Tab reaches, in Tab's order, starting where a first Tab lands.
std::vector<QWidget *> focusChain(QWidget *window)
{
    std::vector<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isVisible()
            && w->isEnabled() && !w->focusProxy())
            chain.push_back(w);
    return chain;
}

// b comes before a in reading order: back up the same column, back left in
// the same row, or up and to the left. Up and to the right is the next
// column, down is the next row.
bool readsBefore(const QRect &b, const QRect &a)
{
    const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
    const bool sameColumn = b.left() < a.right() && a.left() < b.right();
    if (sameRow)
        return b.center().x() < a.center().x() && !sameColumn;
    if (b.bottom() <= a.top())
        return sameColumn || b.right() <= a.left();
    return false;
}

QRect onWindow(QWidget *w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Controls whose face shows no text a screen reader could read; a disabled
// filler button holds a place and is no control.
bool textless(QWidget *w)
{
    if (!w->isEnabled())
        return false;
    if (qobject_cast<StatusLamp *>(w) || qobject_cast<AnimatedPicture *>(w)
        || qobject_cast<QProgressBar *>(w))
        return true;
    auto *button = qobject_cast<QAbstractButton *>(w);
    return button && button->text().remove(QLatin1Char('&')).trimmed().isEmpty();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    std::unique_ptr<Program> m_program;

private Q_SLOTS:
    void initTestCase()
    {
        TMainForm::setStorePaths(
            (m_dir / "config/Ambermox.conf").string(), (m_dir / "favorites.dat").string());
        const std::string archive = zipFiles(m_dir / "a.zip",
            { { "one.txt", sampleBytes(2000, 1) }, { "sub/two.txt", sampleBytes(900, 2) } });
        m_program = std::make_unique<Program>(archive);
        const std::filesystem::path temp = m_dir / "temp";
        std::filesystem::create_directories(temp);
        writeFile(temp / "readme.txt", "Read me.\n");
        m_program->main.form.setTemp(temp.string() + "/");
        QVERIFY(QTest::qWaitForWindowExposed(&m_program->main.form));
        selectMembers(m_program->main.form, { "one.txt" });
    }

    void cleanupTestCase() { m_program.reset(); }

    void windows_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < std::size(kWindows); ++i)
            QTest::newRow(kWindows[i].name) << static_cast<int>(i);
    }

    void windows()
    {
        QFETCH(int, row);
        QWidget *window = kWindows[row].window(*m_program);
        QVERIFY(window);
        if (!window->isVisible())
            window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto hide = qScopeGuard([&] {
            if (window != &m_program->main.form)
                window->hide();
        });

        // Each page of a tabbed window in turn.
        auto *pages = window->findChild<QTabWidget *>();
        QStringList faults;
        for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
            if (pages)
                pages->setCurrentIndex(page);
            const std::vector<QWidget *> chain = focusChain(window);
            if (chain.empty())
                faults << QStringLiteral("Tab reaches nothing");
            for (size_t i = 0; i < chain.size(); ++i) {
                if (spokenName(chain[i]).isEmpty())
                    faults << QStringLiteral("no name: ") + describe(chain[i]);
                if (i > 0 && readsBefore(onWindow(chain[i]), onWindow(chain[i - 1])))
                    faults << QStringLiteral("Tab goes back from %1 to %2")
                                  .arg(describe(chain[i - 1]), describe(chain[i]));
            }
            for (QWidget *w : window->findChildren<QWidget *>())
                if (w->window() == window && w->isVisible() && textless(w)
                    && (spokenName(w).isEmpty() || w->accessibleDescription().isEmpty()))
                    faults << QStringLiteral("no name or description: ") + describe(w);
        }
        if (pages)
            pages->setCurrentIndex(0);
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The menu buttons open with Alt and their letter; in their menus each
    // entry has a letter of its own (the recent archives their number) or a
    // shortcut.
    void everyMenuEntryHasAKey()
    {
        TMainForm &form = m_program->main.form;
        auto letter = [](const QString &text) {
            const qsizetype at = QString(text)
                                     .replace(QStringLiteral("&&"), QStringLiteral("__"))
                                     .indexOf(QLatin1Char('&'));
            return at < 0 || at + 1 >= text.size() ? QChar() : text.at(at + 1).toLower();
        };
        QStringList faults;
        for (const MenuButton &item : menuButtons()) {
            auto *button = form.findChild<QToolButton *>(
                QString::fromLatin1(item.name) + QStringLiteral("Button"));
            if (!button || letter(button->text()).isNull())
                faults << QString::fromLatin1(item.name) + QStringLiteral(": no letter");
            std::vector<QMenu *> menus { button ? button->menu() : nullptr };
            for (size_t m = 0; m < menus.size(); ++m) {
                if (!menus[m])
                    continue;
                QHash<QChar, bool> taken;
                for (QAction *a : menus[m]->actions()) {
                    if (a->isSeparator() || a->text().isEmpty())
                        continue;
                    if (QMenu *sub = a->menu<QMenu *>())
                        menus.push_back(sub);
                    const QChar key = letter(a->text());
                    if (key.isNull() && a->shortcut().isEmpty())
                        faults << a->objectName() + QStringLiteral(": no letter, no shortcut");
                    else if (!key.isNull() && std::exchange(taken[key], true))
                        faults << a->objectName() + QStringLiteral(": letter taken: ") + key;
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // With the captions hidden the toolbar's buttons are bare pictures: they
    // speak the command's caption and tell its hint.
    void iconOnlyButtonsSpeakTheirCommand()
    {
        TMainForm &form = m_program->main.form;
        QAction *showText = action(form, "ShowText1");
        if (showText->isChecked())
            showText->trigger();
        auto *bar = form.findChild<QToolBar *>(QStringLiteral("ToolBar2"));
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        auto *add = bar->widgetForAction(action(form, "AddButton"));
        QCOMPARE(spokenName(add), QStringLiteral("Add"));
        QCOMPARE(add->accessibleDescription(), QStringLiteral("Add files to the archive"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
