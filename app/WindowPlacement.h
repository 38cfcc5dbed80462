// Where the main window goes: pure rules over rectangles, so the screens
// of the machine do not matter to them.
#pragma once

#include <QRect>

#include <array>

// The first start: the designed size, centred in the screen's free area.
QPoint centredIn(const QRect &area, const QSize &size);

// The stored frame made usable: at least minimum, at most the area, and
// back inside the area when it lies off-screen (another monitor, a larger
// desktop) so it can be seen and grabbed. No area: only the minimum holds.
QRect placedIn(QRect wanted, const QSize &minimum, const QRect *area);

// The details view's default column widths (Name, Modified, Size, Ratio,
// Packed, Path) for a list of the given outer width: Path takes the rest.
// The designed pixels were drawn for a smaller font than most desktops
// use: Modified and Ratio get at least the room their widest texts take
// in the list's font (a date with its time, "100%"), when it is given.
std::array<int, 6> defaultColumnWidths(int listWidth, int modifiedRoom = 0, int ratioRoom = 0);

// The point whose screen a stored frame belongs to: just inside its title bar.
inline QPoint grabPoint(const QRect &frame)
{
    return frame.topLeft() + QPoint(40, 10);
}
