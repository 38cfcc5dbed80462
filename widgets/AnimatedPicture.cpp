#include "AnimatedPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A ZIP-style zipper pull turning around a small archive box.
QPixmap pickupFrame(int index)
{
    const int size = 22;
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 70, 20), 1.2));
    p.setBrush(QColor(230, 170, 60));
    p.drawRoundedRect(QRectF(4.5, 5.5, 13, 12), 2, 2);
    p.setPen(QPen(QColor(90, 60, 20), 1));
    for (int y = 7; y < 17; y += 2)
        p.drawLine(QPointF(10, y), QPointF(12, y));
    p.translate(11, 11);
    p.rotate(index * 45.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 30));
    p.drawEllipse(QPointF(0, -9), 2.2, 2.2);
    return pm;
}

} // namespace

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QLabel(parent)
{
    for (int i = 0; i < kFrames; ++i)
        m_pixmaps[static_cast<size_t>(i)] = pickupFrame(i);
    setFixedSize(26, 24);
    setAlignment(Qt::AlignCenter);
    showFrame(1);
}

void AnimatedPicture::showFrame(int frame)
{
    m_frame = frame;
    setPixmap(m_pixmaps[static_cast<size_t>((frame - 1) % kFrames)]);
}
