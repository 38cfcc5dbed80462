// Helpers of the main window's commands that need no window.
#pragma once

#include <array>

class QToolBar;
class QWidget;

// The details view's default column widths (Name, Modified, Size, Ratio,
// Packed, Path) for a list of the given outer width: Path takes the rest.
std::array<int, 6> defaultColumnWidths(int listWidth);

// The width of the first toolbar's spacer: what the menu buttons and the
// animated picture leave of the bar, so the picture sits at its right end.
int commandBarSpacerWidth(const QToolBar *bar, const QWidget *spacer);
