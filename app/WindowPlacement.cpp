#include "WindowPlacement.h"

#include <algorithm>

QPoint centredIn(const QRect &area, const QSize &size)
{
    return { area.x() + area.width() / 2 - size.width() / 2,
        area.y() + area.height() / 2 - size.height() / 2 };
}

QRect placedIn(QRect wanted, const QSize &minimum, const QRect *area)
{
    wanted.setSize(wanted.size().expandedTo(minimum));
    if (!area)
        return wanted;
    wanted.setSize(wanted.size().boundedTo(area->size()));
    if (!area->contains(grabPoint(wanted)))
        wanted.moveCenter(area->center());
    if (wanted.right() > area->right())
        wanted.moveRight(area->right());
    if (wanted.bottom() > area->bottom())
        wanted.moveBottom(area->bottom());
    if (wanted.left() < area->left())
        wanted.moveLeft(area->left());
    if (wanted.top() < area->top())
        wanted.moveTop(area->top());
    return wanted;
}

std::array<int, 6> defaultColumnWidths(int listWidth, int modifiedRoom, int ratioRoom)
{
    const int modified = std::max(110, modifiedRoom), ratio = std::max(40, ratioRoom);
    return { 100, modified, 65, ratio, 65, listWidth - 400 - (modified - 110) - (ratio - 40) };
}
