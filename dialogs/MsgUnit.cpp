#include "MsgUnit.h"

#include "Guard.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TMsgForm::TMsgForm(QWidget *mainWindow)
    : AmxDialog(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setOwner(mainWindow);
    setObjectName(QStringLiteral("MsgForm"));
    setWindowTitle(tr("View Last Output"));
    resize(500, 320);
    setSizeGripEnabled(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Output"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(RichEdit1, 1);

    // The button is placed by hand so that FormResize keeps it centred.
    BottomPanel = new QWidget(this);
    BottomPanel->setObjectName(QStringLiteral("Panel1"));
    BottomPanel->setFixedHeight(41);
    layout->addWidget(BottomPanel);
    OKButton = new QPushButton(tr("OK"), BottomPanel);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setGeometry(0, 8, 75, 25);
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TMsgForm::OKButtonClick));
}

void TMsgForm::clearLines()
{
    RichEdit1->clear();
}

void TMsgForm::appendLine(const QString &line)
{
    RichEdit1->appendPlainText(line);
}

QStringList TMsgForm::lines() const
{
    const QString text = RichEdit1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TMsgForm::FormShow()
{
    OKButton->setFocus();
}

void TMsgForm::FormResize()
{
    OKButton->move(BottomPanel->width() / 2 - OKButton->width() / 2, OKButton->y());
}

void TMsgForm::OKButtonClick()
{
    close();
}

void TMsgForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // The layout sizes the panel only now; place the button after it.
    BottomPanel->resize(width(), BottomPanel->height());
    guard([this] {
        FormResize();
    });
}
