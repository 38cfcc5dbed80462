#include "ScriptedPrompter.h"

#include "PasswordDialog.h"

#include <QFont>

#include <cstdio>
#include <stdexcept>

ScriptedPrompter::ScriptedPrompter()
    : m_previous(&Prompter::instance())
{
    Prompter::install(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    Prompter::install(m_previous);
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const auto &s : m_shown)
        out << s.text;
    return out;
}

QString ScriptedPrompter::next(const QString &kind, const QString &text)
{
    m_shown.push_back({ kind, text });
    if (m_answers.empty()) {
        std::fprintf(stderr, "unanswered %s: %s\n", qPrintable(kind), qPrintable(text));
        throw std::logic_error("a prompt was shown that the test did not answer");
    }
    QString answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedPrompter::notice(const QString &text, Icon)
{
    m_shown.push_back({ QStringLiteral("notice"), text });
}

bool ScriptedPrompter::question(const QString &text, Icon, Default byDefault)
{
    const bool yes = !next(QStringLiteral("question"), text).isEmpty();
    m_shown.back().defaultNo = byDefault == Default::No;
    return yes;
}

void ScriptedPrompter::error(const QString &text)
{
    m_shown.push_back({ QStringLiteral("error"), text });
}

QString ScriptedPrompter::openFile(const QString &title, const QString &, const QString &)
{
    return next(QStringLiteral("open"), title);
}

QString ScriptedPrompter::saveFile(const QString &title, const QString &, const QString &)
{
    return next(QStringLiteral("save"), title);
}

bool ScriptedPrompter::chooseFont(QFont &font)
{
    const QString answer = next(QStringLiteral("font"), font.toString());
    if (answer.isEmpty())
        return false;
    QFont chosen;
    if (!chosen.fromString(answer))
        return false;
    font = chosen;
    return true;
}

bool ScriptedPrompter::askPassword(
    const QString &member, bool wrongBefore, QByteArray &password, bool &forAllMembers)
{
    const QString text = passwordQuestionText(member, wrongBefore);
    m_shown.push_back({ QStringLiteral("password"), text });
    if (m_passwords.empty()) {
        std::fprintf(stderr, "unanswered password: %s\n", qPrintable(text));
        throw std::logic_error("a password question was shown that the test did not answer");
    }
    const PasswordAnswer answer = m_passwords.front();
    m_passwords.pop_front();
    password = answer.password.toUtf8();
    forAllMembers = answer.forAllMembers;
    return answer.given;
}

bool ScriptedPrompter::askText(const QString &, const QString &, QString &text, bool)
{
    m_shown.push_back({ QStringLiteral("text"), text });
    if (m_texts.empty()) {
        std::fprintf(stderr, "unanswered text: %s\n", qPrintable(text));
        throw std::logic_error("a text question was shown that the test did not answer");
    }
    const TextAnswer answer = m_texts.front();
    m_texts.pop_front();
    if (answer.given)
        text = answer.text;
    return answer.given;
}
