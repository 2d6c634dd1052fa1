#pragma once

// The parts a technical drawing is made of, sized from the painter's font so that a screen
// and a 1200-dpi page show the same picture: measures, labels on a white ground, arrows,
// and what a label placed late must keep clear of.

#include <QLineF>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace report {

struct Measures {
    qreal em;
    qreal step;     // between the lines of dimensions outside the section
    qreal arrow;    // length of an arrowhead
    qreal thin;     // lines of dimensions and axes
    qreal strong;   // the outline
    qreal overhang; // of the axes beyond the section
};

Measures measuresOf(const QPainter& painter);

// The size a label takes, with a little room on either side.
QSizeF labelSize(const QPainter& painter, const QString& label);

// A label in `box`, on a white ground, so that no line runs through the letters.
void drawLabel(QPainter& painter, const QRectF& box, const QString& label);

// A label centred at `centre`, turned to run along `angle` (degrees, clockwise on the
// painter) and kept readable.
struct Label {
    QString text;
    QPointF centre;
    QSizeF size;
    qreal angle = 0;

    QRectF bounds() const;
};

void drawLabel(QPainter& painter, const Label& label);

void drawArrowhead(QPainter& painter, QPointF tip, QPointF towards, const Measures& m);
// A dimension line between a and b with its arrowheads: inside where they fit, else
// outside, pointing in.
void drawMeasure(QPainter& painter, QPointF a, QPointF b, const Measures& m);
// A line from the section to the dimension line, leaving a small gap at the section.
void drawExtension(QPainter& painter, QPointF from, QPointF to, const Measures& m);

// What a label placed late must keep clear of: the material, the lines drawn and the
// labels placed before.
struct Obstacles {
    QPainterPath material;
    std::vector<QLineF> lines;
    std::vector<QRectF> labels;

    int hits(const QRectF& box) const;
    // The candidate with the fewest hits, the earlier one where several tie.
    QRectF clearest(const std::vector<QRectF>& candidates) const;
};

} // namespace report
