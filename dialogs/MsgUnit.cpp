#include "MsgUnit.h"

#include "Guard.h"

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
    RichEdit1 = new OutputLogView(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Output"));
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
    // A text of several lines shows as those lines.
    LogLines lines;
    for (const QString &part : line.split(QLatin1Char('\n')))
        lines.append(part.toStdString());
    appendLines(std::move(lines));
}

void TMsgForm::appendLines(LogLines &&lines)
{
    RichEdit1->append(std::move(lines));
}

QStringList TMsgForm::lines() const
{
    const LogLines &lines = RichEdit1->log().lines();
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i)
        out.push_back(QString::fromUtf8(lines.at(i).data(), qsizetype(lines.at(i).size())));
    return out;
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
