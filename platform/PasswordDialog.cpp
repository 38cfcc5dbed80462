#include "PasswordDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <string.h>

QString passwordQuestionText(const QString &member, bool wrongBefore)
{
    return wrongBefore ? PasswordDialog::tr("Wrong password for %1").arg(member)
                       : PasswordDialog::tr("Password for %1").arg(member);
}

void wipeBytes(QByteArray &bytes)
{
    // data() would copy a shared buffer first and leave the original as it was.
    if (!bytes.isEmpty() && !bytes.isDetached())
        bytes = QByteArray();
    else if (!bytes.isEmpty())
        explicit_bzero(bytes.data(), size_t(bytes.size()));
    bytes.clear();
}

PasswordDialog::PasswordDialog(const QString &member, bool wrongBefore, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(QStringLiteral("Ambermox"));
    auto *layout = new QVBoxLayout(this);
    questionLabel = new QLabel(passwordQuestionText(member, wrongBefore), this);
    questionLabel->setObjectName(QStringLiteral("questionLabel"));
    // A member's name is never markup.
    questionLabel->setTextFormat(Qt::PlainText);
    questionLabel->setWordWrap(true);
    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setAccessibleName(tr("Password"));
    questionLabel->setBuddy(passwordEdit);
    showPassword = new QCheckBox(tr("&Show password"), this);
    showPassword->setObjectName(QStringLiteral("showPassword"));
    forAllMembersBox = new QCheckBox(tr("&Use for all members"), this);
    forAllMembersBox->setObjectName(QStringLiteral("forAllMembers"));
    forAllMembersBox->setChecked(true);
    forAllMembersBox->setToolTip(
        tr("Try this password on the next encrypted members too, before asking again"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    layout->addWidget(questionLabel);
    layout->addWidget(passwordEdit);
    layout->addWidget(showPassword);
    layout->addWidget(forAllMembersBox);
    layout->addWidget(buttons);
    setMinimumWidth(360);

    connect(showPassword, &QCheckBox::toggled, passwordEdit, [this](bool on) {
        passwordEdit->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    passwordEdit->setFocus();
}

PasswordDialog::~PasswordDialog()
{
    passwordEdit->clear();
}

QByteArray PasswordDialog::takePassword()
{
    QByteArray bytes = passwordEdit->text().toUtf8();
    passwordEdit->clear();
    return bytes;
}

bool PasswordDialog::forAllMembers() const
{
    return forAllMembersBox->isChecked();
}
