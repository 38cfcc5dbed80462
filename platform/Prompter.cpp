#include "Prompter.h"

#include "PasswordDialog.h"

#include <QFileDialog>
#include <QFont>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

DialogPrompter dialogPrompter;
Prompter *current = &dialogPrompter;

const QString kTitle = QStringLiteral("Ambermox");

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Prompter &Prompter::instance()
{
    return *current;
}

void Prompter::install(Prompter *prompter)
{
    current = prompter ? prompter : &dialogPrompter;
}

QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

void DialogPrompter::notice(const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), kTitle, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DialogPrompter::question(const QString &text, Icon icon, Default byDefault)
{
    QMessageBox box(boxIcon(icon), kTitle, text, QMessageBox::Yes | QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(byDefault == Default::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void DialogPrompter::error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString DialogPrompter::openFile(const QString &title, const QString &dir, const QString &filter)
{
    QFileDialog dialog(nullptr, title, dir, qtFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogPrompter::saveFile(const QString &title, const QString &dir, const QString &filter)
{
    QFileDialog dialog(nullptr, title, dir, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The caller says what happens to an existing file: a second question
    // from the dialog would only precede its own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool DialogPrompter::chooseFont(QFont &font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font);
    if (ok)
        font = chosen;
    return ok;
}

bool Prompter::askPassword(const QString &, bool, QByteArray &password, bool &forAllMembers)
{
    password.clear();
    forAllMembers = false;
    return false;
}

bool DialogPrompter::askPassword(
    const QString &member, bool wrongBefore, QByteArray &password, bool &forAllMembers)
{
    PasswordDialog dialog(member, wrongBefore);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    password = dialog.takePassword();
    forAllMembers = dialog.forAllMembers();
    return true;
}

bool Prompter::askText(const QString &, const QString &, QString &, bool)
{
    return false;
}

bool DialogPrompter::askText(
    const QString &title, const QString &label, QString &text, bool multiLine)
{
    // Both editors take and give plain text: nothing typed or stored is markup.
    bool ok = false;
    const QString edited = multiLine
        ? QInputDialog::getMultiLineText(nullptr, title, label, text, &ok)
        : QInputDialog::getText(nullptr, title, label, QLineEdit::Normal, text, &ok);
    if (ok)
        text = edited;
    return ok;
}
