#include "AmxDialog.h"

#include "Guard.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

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

AmxDialog::AmxDialog(Qt::WindowFlags flags, QWidget *parent)
    : QDialog(parent, flags)
{
}

namespace {

// A label's words as a screen reader should say them: without the mnemonic
// marks and the closing colon.
QString spokenCaption(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

// Screen readers find a label's words for an edit beside it, but not for a
// list, a tree or a control in a box of its own: each labelled control
// takes its label's words as its name, again on each show, since some
// labels change with what the window is asked. A label left empty leaves
// the name the control was given.
void nameAfterLabels(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        if (QWidget *buddy = label->buddy(); buddy && !spokenCaption(label->text()).isEmpty())
            buddy->setAccessibleName(spokenCaption(label->text()));
}

} // namespace

void AmxDialog::setOwner(QWidget *owner, Placement placement)
{
    m_owner = owner;
    m_placement = placement;
}

void AmxDialog::showOnTop()
{
    show();
    raise();
    activateWindow();
}

void AmxDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    guard([this] {
        if (m_owner) {
            m_owner->setEnabled(false);
            if (m_placement == Placement::CentredOverOwner) {
                QSize screen(INT_MAX / 2, INT_MAX / 2);
                if (QScreen *s = m_owner->screen())
                    screen = s->geometry().size();
                move(centredOver(m_owner->geometry(), size(), screen));
            }
        }
        FormShow();
        nameAfterLabels(this);
    });
}

void AmxDialog::hideEvent(QHideEvent *event)
{
    // Every way out (the buttons, Esc, the frame's close button) hides the
    // window, so the owner comes back whichever was used.
    guard([this] {
        FormClose();
    });
    if (m_owner)
        m_owner->setEnabled(true);
    QDialog::hideEvent(event);
}

void AmxDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        guard([this] {
            escapePressed();
        });
        return;
    }
    QDialog::keyPressEvent(event);
}

void AmxDialog::layOutWithButtons(
    QWidget *controls, const QString &okText, QPushButton *&ok, QPushButton *&cancel)
{
    ok = new QPushButton(okText, this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    cancel->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(controls, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AmxDialog::layOutWithPages(QWidget *pages, QPushButton *&ok, QPushButton *&cancel)
{
    // Every tab's caption shows whole: a longer one (another language) widens the window.
    if (auto *tabs = qobject_cast<QTabWidget *>(pages))
        tabs->setUsesScrollButtons(false);
    ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addLayout(buttons);
}
