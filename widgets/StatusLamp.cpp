#include "StatusLamp.h"

#include <QPainter>
#include <QRadialGradient>

StatusLamp::StatusLamp(const QColor &litColor, QWidget *parent)
    : QWidget(parent)
    , m_color(litColor)
{
    setFixedSize(16, 16);
}

void StatusLamp::setLit(bool lit)
{
    if (m_lit == lit)
        return;
    m_lit = lit;
    update();
}

void StatusLamp::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    const QColor base = m_lit ? m_color : m_color.darker(350);
    QRadialGradient g(r.center() - QPointF(2, 2), r.width() * 0.7);
    g.setColorAt(0, m_lit ? base.lighter(170) : base.lighter(130));
    g.setColorAt(1, base);
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(r);
}
