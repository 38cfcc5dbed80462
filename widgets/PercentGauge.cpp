#include "PercentGauge.h"

#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

PercentGauge::PercentGauge(const QColor &barColor, QWidget *parent)
    : QProgressBar(parent)
    , m_bar(barColor)
{
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

void PercentGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(inside, Qt::white);
    if (maximum() == minimum()) {
        if (!m_busyTimer.isActive())
            m_busyTimer.start(100, this);
        const int block = std::max(1, inside.width() / 4);
        const int travel = std::max(1, inside.width() - block);
        const int swing = (m_busyStep * travel / 10) % (2 * travel);
        painter.fillRect(QRect(inside.left() + (swing < travel ? swing : 2 * travel - swing),
                             inside.top(), block, inside.height()),
            m_bar);
        painter.setPen(Qt::gray);
        painter.drawRect(frame);
        return;
    }
    m_busyTimer.stop();
    const qint64 span = qint64(maximum()) - minimum();
    const qint64 done = std::clamp<qint64>(qint64(value()) - minimum(), 0, span);
    QRect filled = inside;
    filled.setWidth(span > 0 ? int(inside.width() * done / span) : 0);
    painter.fillRect(filled, m_bar);
    painter.setPen(Qt::gray);
    painter.drawRect(frame);

    const QString shown = text();
    painter.setClipRect(inside);
    painter.setClipRect(filled, Qt::IntersectClip);
    painter.setPen(Qt::white);
    painter.drawText(inside, Qt::AlignCenter, shown);
    painter.setClipRect(inside);
    painter.setClipRegion(QRegion(inside).subtracted(filled), Qt::IntersectClip);
    painter.setPen(m_bar);
    painter.drawText(inside, Qt::AlignCenter, shown);
}

void PercentGauge::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_busyTimer.timerId()) {
        QProgressBar::timerEvent(event);
        return;
    }
    ++m_busyStep;
    update();
}
