// Every message box, question and file dialog of the program goes through the
// prompter, so tests can answer them instead of a person.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QFont;
class QWidget;

class Prompter
{
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    // The button Enter presses in a question.
    enum class Default { Yes, No };

    virtual ~Prompter() = default;
    // Every text is shown as plain text: names in it are never markup.
    // A notice with an OK button, titled "Ambermox", without an owner window.
    virtual void notice(const QString &text, Icon icon = Icon::None) = 0;
    // A Yes/No question titled "Ambermox"; true for Yes. Questions whose Yes
    // cannot be undone make No the default.
    virtual bool question(
        const QString &text, Icon icon = Icon::None, Default byDefault = Default::Yes) = 0;
    // The framework's standard error box for an error raised out of a handler.
    virtual void error(const QString &text) = 0;
    // File dialogs; an empty result means cancelled. filter: "Zip files|*.zip|..."
    virtual QString openFile(const QString &title, const QString &dir, const QString &filter) = 0;
    virtual QString saveFile(const QString &title, const QString &dir, const QString &filter) = 0;
    // The font dialog, starting at font; true and font changed when confirmed.
    virtual bool chooseFont(QFont &font) = 0;
    // The password of an encrypted member; wrongBefore: the last answer for
    // it did not fit. False when cancelled. Otherwise password holds the
    // answer as UTF-8, for the caller to wipe (wipeBytes), and forAllMembers
    // whether it may be tried on the members after this one. Nobody to ask
    // answers false.
    virtual bool askPassword(
        const QString &member, bool wrongBefore, QByteArray &password, bool &forAllMembers);
    // A text to edit, shown as plain text and starting as text: one line, or
    // with multiLine a text of several lines. True with the edited text in
    // text when confirmed; false when cancelled. Nobody to ask answers false.
    virtual bool askText(
        const QString &title, const QString &label, QString &text, bool multiLine = false);

    // The program's prompter; the real one unless a test installed another.
    static Prompter &instance();
    static void install(Prompter *prompter);
};

// Converts "Text|*.a;*.b|Other|*.c" into Qt's "Text (*.a *.b);;Other (*.c)".
QString qtFilter(const QString &filter);

// The real dialogs.
class DialogPrompter : public Prompter
{
public:
    void notice(const QString &text, Icon icon) override;
    bool question(const QString &text, Icon icon, Default byDefault) override;
    void error(const QString &text) override;
    QString openFile(const QString &title, const QString &dir, const QString &filter) override;
    QString saveFile(const QString &title, const QString &dir, const QString &filter) override;
    bool chooseFont(QFont &font) override;
    bool askPassword(const QString &member, bool wrongBefore, QByteArray &password,
        bool &forAllMembers) override;
    bool askText(
        const QString &title, const QString &label, QString &text, bool multiLine) override;
};
