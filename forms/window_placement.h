#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a new window opens: beside the window it belongs to (a calculator beside the main
// menu, a section card beside its calculator), wholly on that window's screen.

// The top left corner for a window whose frame measures `size`, beside `anchor` (the
// frame of the window it belongs to) within `screen` (the screen's available area): to the
// right of the anchor, or below it where there is no room on the right, then on its left,
// then above it. Each of `cascade` windows already open moves it a step further along
// that side, away from the anchor, as far as the screen has room, and then from the start
// again. Where no side has room, it goes to the right of the anchor, pushed back onto the
// screen; a window larger than the screen keeps its top left corner on it.
QPoint placeBeside(const QRect& anchor, QSize size, const QRect& screen, int cascade);

// Moves `window`, not shown yet, to its place beside `anchor` on the anchor's screen.
void moveBeside(QWidget& window, const QWidget& anchor, int cascade);
