// Every text a user sees in a window goes through the translation: with a
// translation that marks each text as ⟦text⟧ installed the way the program
// installs its own, each window is opened and whatever it shows unmarked is
// named.

#include "FileListView.h"
#include "ProgramWindows.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

using namespace amxtest;

namespace {

const QChar kOpen(0x27e6);

// Texts that are data, not the program's words: paths and addresses (a
// recent archive's menu entry), sizes, dates and numbers.
bool isData(const QString &text)
{
    static const QRegularExpression paths(QStringLiteral("\\S*/\\S*"));
    static const QRegularExpression words(QStringLiteral("[^\\W\\d_]{2,}"));
    return !QString(text).remove(paths).contains(words);
}

// Qt's own controls, translated by Qt's translation: a tab bar's scroll buttons.
bool isQts(const QObject *owner)
{
    return owner->objectName() == QLatin1String("ScrollLeftButton")
        || owner->objectName() == QLatin1String("ScrollRightButton");
}

// Every text the window shows, with where it is.
QStringList shownTexts(QWidget *window)
{
    QStringList texts;
    const auto add = [&](const QString &text, const QObject *owner, const char *what) {
        // Names such as code pages, marked as the same in every language.
        if (!text.trimmed().isEmpty() && !isQts(owner)
            && !owner->property("untranslatedName").toBool())
            texts << QStringLiteral("%1 %2 \"%3\": %4")
                         .arg(QString::fromLatin1(owner->metaObject()->className()),
                             owner->objectName(), QString::fromLatin1(what), text);
    };
    add(window->windowTitle(), window, "title");
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window)
            continue;
        add(w->toolTip(), w, "tool tip");
        add(w->accessibleName(), w, "accessible name");
        add(w->accessibleDescription(), w, "accessible description");
        if (auto *label = qobject_cast<QLabel *>(w))
            add(label->text(), w, "text");
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(button->text(), w, "text");
        if (auto *box = qobject_cast<QGroupBox *>(w))
            add(box->title(), w, "title");
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            add(edit->placeholderText(), w, "placeholder");
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i), w, "tab");
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i), w, "item");
        if (auto *header = qobject_cast<QHeaderView *>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                add(header->model()->headerData(i, header->orientation()).toString(), w, "column");
        if (auto *menu = qobject_cast<QMenu *>(w))
            add(menu->title(), w, "title");
    }
    for (QAction *a : window->findChildren<QAction *>()) {
        add(a->text(), a, "text");
        add(a->toolTip(), a, "tool tip");
    }
    return texts;
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private:
    TestDir m_dir;
    std::unique_ptr<Program> m_program;

private Q_SLOTS:
    // Installed as the program installs its own: by the user's locale,
    // from a folder of ambermox_<lang>.qm files.
    void initTestCase()
    {
        const std::filesystem::path folder = m_dir / "translations";
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(AMX_MARK_QM, folder / "ambermox_de.qm");
        QCOMPARE(installTranslations(QLocale::c(), qs(folder.string())), 0);
        QVERIFY(installTranslations(QLocale(QLocale::German, QLocale::Austria), qs(folder.string()))
            >= 1);

        m_program = std::make_unique<Program>(m_dir);
    }

    void cleanupTestCase() { m_program.reset(); }

    void windows_data() { addWindowRows(); }

    void windows()
    {
        QFETCH(int, row);
        const ShownWindow opened(*m_program, row);
        QWidget *window = opened.exposed();
        QVERIFY(window);
        QStringList unmarked;
        for (const QString &text : shownTexts(window)) {
            const QString shown = text.section(QStringLiteral("\": "), 1);
            if (!shown.contains(kOpen) && !isData(shown))
                unmarked << text;
        }
        unmarked.removeDuplicates();
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
    }

    // Translated captions are longer than the English ones (the marks make
    // every one longer): the list's columns, the toolbar's buttons and the
    // first window grow to show them whole.
    void captionsFitTheirPlaces()
    {
        TMainForm &form = m_program->main.form;
        action(form, "Details1")->trigger();
        const QTreeView *view = form.fileList()->detailsView();
        const QHeaderView *header = view->header();
        const int margins =
            2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int c = 0; c < 5; ++c) {
            const QString caption = view->model()->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(header->fontMetrics().horizontalAdvance(caption) + margins
                    <= header->sectionSize(c),
                qPrintable(caption));
        }
        for (auto *button : form.findChildren<QToolButton *>()) {
            if (button->toolButtonStyle() != Qt::ToolButtonTextUnderIcon
                || button->text().isEmpty())
                continue;
            int room = button->fontMetrics().horizontalAdvance(button->text());
            if (button->popupMode() == QToolButton::MenuButtonPopup)
                room +=
                    button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, button);
            QVERIFY2(room <= button->width(), qPrintable(button->text()));
            // The first window is wide enough that none is folded away.
            QVERIFY2(button->isVisible(), qPrintable(button->text()));
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
