#include "PercentGauge.h"

#include <QPainter>

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
