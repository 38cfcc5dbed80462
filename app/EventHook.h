#pragma once

#include <QObject>

#include <functional>

// Forwards the events of the watched objects to a function, so a window can
// watch its children without changing its own event filter.
class EventHook : public QObject
{
public:
    EventHook(QObject *parent, std::function<bool(QObject *, QEvent *)> handler)
        : QObject(parent)
        , m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override { return m_handler(watched, event); }

private:
    std::function<bool(QObject *, QEvent *)> m_handler;
};
