// A round two-state lamp of the status bar: lit in its colour, or dark.
#pragma once

#include <QColor>
#include <QWidget>

class StatusLamp : public QWidget
{
    Q_OBJECT
public:
    explicit StatusLamp(const QColor &litColor, QWidget *parent = nullptr);

    bool isLit() const { return m_lit; }
    void setLit(bool lit);
    QSize sizeHint() const override { return { 16, 16 }; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    bool m_lit = false;
};
