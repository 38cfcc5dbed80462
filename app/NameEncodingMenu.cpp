#include "NameEncodingMenu.h"

#include "Guard.h"
#include "NameCodec.h"
#include "Settings.h"
#include "ZipEngine.h"

#include <QAction>
#include <QActionGroup>
#include <QHash>
#include <QMenu>
#include <QSet>

namespace {

// Where each label gets its menu letter: a character of its own that no
// other item has (labels such as the ISO-8859 ones share most of theirs,
// so a letter is matched to each, moving others aside where needed).
std::vector<qsizetype> menuLetters(const QStringList &labels, QChar taken)
{
    std::vector<qsizetype> at(size_t(labels.size()), -1);
    QHash<QChar, qsizetype> owner; // letter -> label
    owner.insert(taken.toLower(), -1);
    std::function<bool(qsizetype, QSet<QChar> &)> place = [&](qsizetype i, QSet<QChar> &seen) {
        const QString &label = labels[i];
        for (qsizetype k = 0; k < label.size(); ++k) {
            const QChar c = label[k].toLower();
            if (!c.isLetterOrNumber() || seen.contains(c))
                continue;
            seen.insert(c);
            auto it = owner.find(c);
            if (it == owner.end() || (*it >= 0 && place(*it, seen))) {
                owner[c] = i;
                at[size_t(i)] = k;
                return true;
            }
        }
        return false;
    };
    for (qsizetype i = 0; i < labels.size(); ++i) {
        QSet<QChar> seen;
        place(i, seen);
    }
    return at;
}

} // namespace

NameEncodingMenu::NameEncodingMenu(QMenu &menu, Settings &settings, std::function<void()> reload)
    : m_settings(settings)
    , m_reload(std::move(reload))
{
    auto *group = new QActionGroup(&menu);
    auto add = [&](const QString &text, const std::string &choice) {
        QAction *item = menu.addAction(text);
        item->setObjectName(QStringLiteral("NameEncoding:") + QString::fromStdString(choice));
        item->setCheckable(true);
        group->addAction(item);
        m_items.emplace_back(item, choice);
        QObject::connect(item, &QAction::triggered, &menu, [this, choice] {
            guard([&] {
                this->choose(choice);
            });
        });
        return item;
    };
    m_automatic = add(tr("&Automatic"), {});
    menu.addSeparator();
    // Code page names are names, the same in every language.
    std::vector<std::string> pages { "UTF-8" };
    for (const std::string &page : amx::offeredCodePages())
        pages.push_back(page);
    QStringList labels;
    for (const std::string &page : pages)
        labels << QString::fromStdString(page);
    const QString automatic = m_automatic->text();
    const qsizetype amp = automatic.indexOf(QLatin1Char('&'));
    const QChar taken = amp >= 0 && amp + 1 < automatic.size() ? automatic[amp + 1] : QChar();
    const std::vector<qsizetype> letters = menuLetters(labels, taken);
    for (size_t i = 0; i < pages.size(); ++i) {
        QString text = labels[qsizetype(i)];
        if (letters[i] >= 0)
            text.insert(letters[i], QLatin1Char('&'));
        add(text, pages[i])->setProperty("untranslatedName", true);
    }
}

std::string NameEncodingMenu::chosen() const
{
    auto it = m_settings.NameCodePages.find(m_archive);
    return it == m_settings.NameCodePages.end() ? std::string() : it->second;
}

void NameEncodingMenu::applyTo(const std::string &archive)
{
    m_archive = archive;
    TZipEngine::chooseNameCodePage(archive, chosen());
}

void NameEncodingMenu::showListed(const std::string &codePage)
{
    const std::string choice = chosen();
    m_automatic->setText(choice.empty() && !codePage.empty()
            ? tr("&Automatic (%1)").arg(QString::fromStdString(codePage))
            : tr("&Automatic"));
    for (const auto &[item, page] : m_items)
        item->setChecked(page == choice);
}

void NameEncodingMenu::choose(const std::string &choice)
{
    if (m_archive.empty())
        return;
    if (choice.empty())
        m_settings.NameCodePages.erase(m_archive);
    else
        m_settings.NameCodePages[m_archive] = choice;
    TZipEngine::chooseNameCodePage(m_archive, choice);
    m_reload();
}
