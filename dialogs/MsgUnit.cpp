#include "MsgUnit.h"

#include "platform/Guard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

QPoint centredOver(const QRect &owner, const QSize &own, const QSize &screen)
{
    int left = owner.left() + owner.width() / 2 - own.width() / 2;
    int top = owner.top() + owner.height() / 2 - own.height() / 2;
    left = std::max(left, 0);
    top = std::max(top, 0);
    if (left + own.width() > screen.width())
        left = screen.width() - own.width();
    if (top + own.height() > screen.height())
        top = screen.height() - own.height();
    return { left, top };
}

TMsgForm::TMsgForm(QWidget *mainWindow)
    : QDialog(nullptr,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("MsgForm"));
    setWindowTitle(QStringLiteral("View Last Output"));
    resize(500, 320);
    setSizeGripEnabled(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
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
    OKButton = new QPushButton(QStringLiteral("OK"), BottomPanel);
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
    if (m_mainWindow)
        m_mainWindow->setEnabled(false);
    OKButton->setFocus();
    if (!m_mainWindow)
        return;
    QSize screen(INT_MAX / 2, INT_MAX / 2);
    if (QScreen *s = m_mainWindow->screen())
        screen = s->geometry().size();
    move(centredOver(m_mainWindow->geometry(), size(), screen));
}

void TMsgForm::FormResize()
{
    OKButton->move(BottomPanel->width() / 2 - OKButton->width() / 2, OKButton->y());
}

void TMsgForm::OKButtonClick()
{
    close();
}

void TMsgForm::FormClose()
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
}

void TMsgForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    guard([this] {
        FormShow();
    });
}

void TMsgForm::hideEvent(QHideEvent *event)
{
    // Every way out (OK, Esc, the frame's close button) hides the window.
    guard([this] {
        FormClose();
    });
    QDialog::hideEvent(event);
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

void TMsgForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        guard([this] {
            OKButtonClick();
        });
        return;
    }
    QDialog::keyPressEvent(event);
}
