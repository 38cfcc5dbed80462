// The question for an encrypted member's password: a small dialog with the
// text hidden unless asked to show it.
#pragma once

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

// "Password for NAME", or after an answer that did not fit "Wrong password for NAME".
QString passwordQuestionText(const QString &member, bool wrongBefore);

// Overwrites the bytes before they are freed: a password must not linger in
// memory that is handed out again.
void wipeBytes(QByteArray &bytes);

class PasswordDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(PasswordDialog)
public:
    PasswordDialog(const QString &member, bool wrongBefore, QWidget *parent = nullptr);
    ~PasswordDialog() override;

    // The typed password as UTF-8; the field is emptied. The caller wipes it.
    QByteArray takePassword();
    bool forAllMembers() const;

    QLabel *questionLabel;
    QLineEdit *passwordEdit;
    QCheckBox *showPassword;
    QCheckBox *forAllMembersBox;
};
