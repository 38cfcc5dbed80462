#include "RenameUnit.h"

#include "Guard.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TRenameForm::TRenameForm(QWidget *mainWindow)
    : AmxDialog(Qt::Dialog)
{
    setWindowTitle(tr("Rename"));
    auto *controls = new QWidget(this);
    auto *grid = new QGridLayout(controls);
    Label3 = new QLabel(controls);
    Label4 = new QLabel(controls);
    Edit1 = new QLineEdit(controls);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(200);
    Label5 = new QLabel(controls);
    for (QLabel *name : { Label3, Label4, Label5 })
        name->setTextFormat(Qt::PlainText);
    auto *to = new QLabel(tr("&To:"), controls);
    to->setBuddy(Edit1);
    grid->addWidget(new QLabel(tr("From:"), controls), 0, 0);
    grid->addWidget(Label3, 0, 1);
    grid->addWidget(Label4, 0, 2);
    grid->addWidget(to, 1, 0);
    grid->addWidget(Edit1, 1, 1);
    grid->addWidget(Label5, 1, 2);
    layOutWithButtons(controls, tr("OK"), Button1, Button2);
    Button2->setText(tr("Cancel"));
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TRenameForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    setOwner(mainWindow);
}

void TRenameForm::setFileName(const std::string &fileName)
{
    const size_t dot = fileName.find('.');
    const QString base = QString::fromStdString(fileName.substr(0, dot));
    const QString extension =
        dot == std::string::npos ? QString() : QString::fromStdString(fileName.substr(dot));
    Label3->setText(base);
    Edit1->setText(base);
    Label4->setText(extension);
    Label5->setText(extension);
}

void TRenameForm::FormShow()
{
    Edit1->selectAll();
    Edit1->setFocus();
}

void TRenameForm::Button1Click()
{
    if (renameTo && renameTo(Edit1->text().toStdString()))
        close();
}
