#include "NameEncodingMenu.h"

#include "Guard.h"
#include "NameCodec.h"
#include "Settings.h"
#include "ZipEngine.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

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
    add(QStringLiteral("UTF-8"), "UTF-8")->setProperty("untranslatedName", true);
    for (const std::string &page : amx::offeredCodePages())
        add(QString::fromStdString(page), page)->setProperty("untranslatedName", true);
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
