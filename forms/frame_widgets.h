#pragma once

// The small widgets the calculator frame is built of, and how they are written.

#include "section_form.h"

#include <QLabel>

#include <array>

class QFrame;
class QGridLayout;

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* captionLabel(const QString& name, const QString& text);
// A framed, selectable value in the colour of its axis, empty until a calculation.
QLabel* resultLabel(const QString& name, ResultColour colour);
// The blue rules above and below the results.
QFrame* blueRule();

// "мм", "см2", "м4", "°"; `latinC` writes the centimetre with a Latin "c".
QString unitText(velkor::LengthUnit unit, int power, bool latinC = false);

// Puts a caption, a box or value and a unit label (if any) into `cell` of `grid`. Each
// column of cells takes four grid columns, the fourth one a gap before the next.
void placeInCell(QGridLayout* grid, GridCell cell, const std::array<QWidget*, 3>& widgets);
