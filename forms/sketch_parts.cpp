#include "sketch_parts.h"

namespace {

constexpr double ArrowLength = 8;
constexpr double TickHalf = 4;
constexpr double Overshoot = 4;

// `point` moved `distance` along the unit direction of `line`, rotated by `degrees`.
QPointF along(QPointF point, QLineF line, double distance, double degrees = 0)
{
    QLineF step = line.unitVector();
    step.setAngle(step.angle() + degrees);
    return point + (step.p2() - step.p1()) * distance;
}

} // namespace

void addEdge(SketchElements& elements, const QString& name, QPointF from, QPointF to)
{
    SketchElement edge = sketchLine(name, {from, to}, Qt::blue);
    edge.penWidth = 3;
    elements.push_back(edge);
}

void addOutline(SketchElements& elements, const QStringList& edgeNames, const QPolygonF& corners)
{
    for (qsizetype k = 0; k < edgeNames.size(); ++k)
        addEdge(elements, edgeNames[k], corners[k], corners[(k + 1) % corners.size()]);
}

void addLine(SketchElements& elements, const QString& name, QPointF from, QPointF to)
{
    elements.push_back(sketchLine(name, {from, to}));
}

void addAxis(SketchElements& elements, const AxisNames& names, QLineF line, const QString& letter,
             QRectF letterBox, const QColor& colour, const QString& toolTip)
{
    const QLineF back(line.p2(), line.p1());
    elements.push_back(sketchLine(names.line, line, colour));
    elements.push_back(
        sketchLine(names.head1, {line.p2(), along(line.p2(), back, ArrowLength, 25)}, colour));
    elements.push_back(
        sketchLine(names.head2, {line.p2(), along(line.p2(), back, ArrowLength, -25)}, colour));
    elements.push_back(sketchLetter(names.letter, letter, letterBox, toolTip, colour));
}

void addDimension(SketchElements& elements, const DimensionNames& names, QLineF line, QPointF from1,
                  QPointF from2)
{
    const auto tick = [&line](QPointF end) {
        // a short stroke at 45° across the dimension line
        return QLineF(along(end, line, TickHalf, 135), along(end, line, TickHalf, -45));
    };
    elements.push_back(sketchLine(names.line, line));
    elements.push_back(sketchLine(names.tick1, tick(line.p1())));
    elements.push_back(sketchLine(names.tick2, tick(line.p2())));
    const auto extension = [&elements](const QString& name, QPointF from, QPointF end) {
        if (!name.isEmpty())
            elements.push_back(sketchLine(name, {from, along(end, {from, end}, Overshoot)}));
    };
    extension(names.extension1, from1, line.p1());
    extension(names.extension2, from2, line.p2());
}
