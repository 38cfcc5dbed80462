#pragma once

#include "Prompter.h"

#include <QStringList>

#include <deque>

// Answers from a script and records what was asked. A prompt without a
// scripted answer fails the test loudly instead of waiting.
class ScriptedPrompter : public Prompter
{
public:
    struct Shown
    {
        QString kind; // "notice", "question", "error", "open", "save", "password"
        QString text;
        bool defaultNo = false; // a question whose default button is No
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    void answerQuestion(bool yes) { m_answers.push_back(yes ? QStringLiteral("yes") : QString()); }
    void answerFile(const QString &path) { m_answers.push_back(path); }
    // A font chosen in the font dialog; an empty description cancels it.
    void answerFont(const QString &description) { m_answers.push_back(description); }
    // The next password questions, in order: a password (for the members
    // after this one too, or for this one only), or Cancel.
    void answerPassword(const QString &password, bool forAllMembers = true)
    {
        m_passwords.push_back({ true, password, forAllMembers });
    }
    void cancelPassword() { m_passwords.push_back({ false, {}, false }); }
    // The next text questions, in order: the text confirmed, or Cancel.
    void answerText(const QString &text) { m_texts.push_back({ true, text }); }
    void cancelText() { m_texts.push_back({ false, {} }); }

    const std::deque<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }
    bool allAnswersUsed() const
    {
        return m_answers.empty() && m_passwords.empty() && m_texts.empty();
    }

    void notice(const QString &text, Icon icon) override;
    bool question(const QString &text, Icon icon, Default byDefault) override;
    void error(const QString &text) override;
    QString openFile(const QString &title, const QString &dir, const QString &filter) override;
    QString saveFile(const QString &title, const QString &dir, const QString &filter) override;
    bool chooseFont(QFont &font) override;
    bool askPassword(const QString &member, bool wrongBefore, QByteArray &password,
        bool &forAllMembers) override;
    // Recorded as kind "text" with the text the editor showed.
    bool askText(
        const QString &title, const QString &label, QString &text, bool multiLine) override;

private:
    struct TextAnswer
    {
        bool given = false;
        QString text;
    };
    std::deque<TextAnswer> m_texts;
    struct PasswordAnswer
    {
        bool given = false;
        QString password;
        bool forAllMembers = true;
    };
    std::deque<PasswordAnswer> m_passwords;
    QString next(const QString &kind, const QString &text);
    std::deque<QString> m_answers;
    std::deque<Shown> m_shown;
    Prompter *m_previous;
};
