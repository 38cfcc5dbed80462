// A percentage gauge: a bar in one colour over white, the percentage in the
// middle, drawn in white where it lies on the bar and in the bar's colour
// where it lies on the white, so that it reads on both.
#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QProgressBar>

class PercentGauge : public QProgressBar
{
    Q_OBJECT
public:
    explicit PercentGauge(const QColor &barColor, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QColor m_bar;
    // Without a range the gauge is busy: a block runs to and fro.
    QBasicTimer m_busyTimer;
    int m_busyStep = 0;
};
