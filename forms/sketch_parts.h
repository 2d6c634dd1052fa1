#pragma once

// The pieces static section drawings are made of: thick outline edges, coordinate axes with
// arrowheads and letters, dimension lines with oblique ticks and extension lines.

#include "report_colours.h"
#include "section_sketch.h"

#include <QStringList>

#include <vector>

using SketchElements = std::vector<SketchElement>;

// One edge of an outline: thick and blue.
void addEdge(SketchElements& elements, const QString& name, QPointF from, QPointF to);
// The closed outline through `corners` as thick blue edges: edge k, named edgeNames[k], runs
// from corner k to the next one.
void addOutline(SketchElements& elements, const QStringList& edgeNames, const QPolygonF& corners);
// A thin black line, such as an extension line or a leader.
void addLine(SketchElements& elements, const QString& name, QPointF from, QPointF to);

struct AxisNames {
    QString line, head1, head2, letter;
};

// An axis from line.p1() to line.p2() with an open arrowhead at p2, and its letter; all in
// the axis colour.
void addAxis(SketchElements& elements, const AxisNames& names, QLineF line, const QString& letter,
             QRectF letterBox, const QColor& colour, const QString& toolTip = {});

struct DimensionNames {
    QString line, tick1, tick2;
    QString extension1, extension2; // empty: the end lies on the outline itself
};

// A dimension line with an oblique tick at each end; the extension lines run from the
// measured points `from1` and `from2` a little past the ends of the dimension line.
void addDimension(SketchElements& elements, const DimensionNames& names, QLineF line,
                  QPointF from1 = {}, QPointF from2 = {});

// Colours of the axes, as of the results about them and of the section card's drawing.
using report::AxisXColour;
using report::AxisYColour;
using report::PrincipalColour;
