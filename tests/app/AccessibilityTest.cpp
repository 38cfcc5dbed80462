// Every window as a keyboard and screen-reader user meets it: the program's
// windows wired as the program wires them, each shown offscreen in turn.
// Tab walks its controls in the order the layout reads (top to bottom, left
// to right, a column beside another read after it), every control Tab
// reaches has a name a screen reader can speak, and the controls without
// text of their own (icon buttons, lamps, the picture, gauges) have a name
// and a description.

#include "AnimatedPicture.h"
#include "CommandTable.h"
#include "PercentGauge.h"
#include "ProgramWindows.h"
#include "StatusLamp.h"

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
    void initTestCase() { m_program = std::make_unique<Program>(m_dir); }

    void cleanupTestCase() { m_program.reset(); }

    void windows_data() { addWindowRows(); }

    void windows()
    {
        QFETCH(int, row);
        const ShownWindow opened(*m_program, row);
        QWidget *window = opened.exposed();
        QVERIFY(window);

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
