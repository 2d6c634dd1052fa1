#pragma once

class QPainter;
class QRectF;
class QWidget;

// Paints `form` as its printed page shows it, scaled to fit `page` with its aspect kept: the
// window's caption on top, then every visible control but the push buttons, as vector
// graphics. Texts stay text and the sketch keeps its lines. Of the screen's widget styling
// nothing reaches the paper: a box or list is its value in a thin frame, the unit group
// names only the chosen unit, a check box is a square, ticked or empty.
void paintPrintout(QPainter& painter, const QWidget& form, const QRectF& page);
