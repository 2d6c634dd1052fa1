#include "section_picture.h"

#include "card_text.h"
#include "picture_parts.h"
#include "report_colours.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace report {
namespace {

using velkor::DimensionLine;
using velkor::DimensionPlace;
using velkor::DrawnPoint;
using velkor::SectionCard;
using velkor::SectionDrawing;

// How the section's millimetres land on the painter: y turns downwards.
class Mapping {
public:
    Mapping(qreal scale, QPointF origin)
        : scale(scale)
        , origin(origin)
    {
    }
    QPointF operator()(const DrawnPoint& p) const
    {
        return {origin.x() + p.x * scale, origin.y() - p.y * scale};
    }
    qreal length(double millimetres) const { return millimetres * scale; }

private:
    qreal scale;
    QPointF origin;
};

// The world the picture must hold: the material, and a shear centre outside it.
struct Extent {
    double left, bottom, right, top;
};

Extent extentOf(const SectionDrawing& d)
{
    Extent e{0, 0, d.width, d.height};
    if (d.shearCentre) {
        e.left = std::min(e.left, d.shearCentre->x);
        e.right = std::max(e.right, d.shearCentre->x);
        e.bottom = std::min(e.bottom, d.shearCentre->y);
        e.top = std::max(e.top, d.shearCentre->y);
    }
    return e;
}

// How many lines of dimensions lie outside the section on each side.
struct Sides {
    int left = 0, above = 0, right = 0, below = 0;
};

Sides dimensionLines(const SectionDrawing& d)
{
    Sides sides;
    for (const DimensionLine& line : d.shape.dimensions) {
        const int lines = line.level + 1;
        switch (line.place) {
        case DimensionPlace::Left:
            sides.left = std::max(sides.left, lines);
            break;
        case DimensionPlace::Right:
            sides.right = std::max(sides.right, lines);
            break;
        case DimensionPlace::Below:
            sides.below = std::max(sides.below, lines);
            break;
        case DimensionPlace::Above:
            sides.above = std::max(sides.above, lines);
            break;
        case DimensionPlace::Along:
            sides.right = std::max(sides.right, lines);
            sides.above = std::max(sides.above, lines);
            break;
        case DimensionPlace::Through:
            break;
        }
    }
    return sides;
}

// How far the axes reach past the section on each side: beyond its dimension lines.
QMarginsF axisOverhang(const Sides& sides, const Measures& m)
{
    const auto side = [&](int lines) { return lines * m.step + m.em * (lines > 0 ? 1.3 : 0.8); };
    return {side(sides.left), side(sides.above), side(sides.right), side(sides.below)};
}

// Room for the axes and their letters, and on the right for a label beyond a wall.
QMarginsF marginsFor(const Sides& sides, const Measures& m)
{
    const QMarginsF axes = axisOverhang(sides, m);
    return axes + QMarginsF(1.4 * m.em, 1.2 * m.em, 1.4 * m.em + 4 * m.em, 1.2 * m.em);
}

// A dimension laid out on the painter: the lines from the section, the measure with its
// arrowheads, a leader to a label beyond it, and the label.
struct PlacedDimension {
    std::vector<QLineF> extensions;
    QPointF a, b;
    std::optional<QLineF> leader;
    Label label;
};

struct Frame {
    QRectF section; // what the picture holds, on the painter: outside lines go beyond it
    Mapping map;
};

// Where the label of a line across a wall goes: from the end of the line on, on the side
// it runs to.
Label labelPast(QPointF b, QPointF unit, qreal length, const Label& label, const Measures& m,
                QPointF& past)
{
    past = b + unit * (length >= 2.6 * m.arrow ? 0.4 * m.em : 2.2 * m.arrow);
    Label placed = label;
    const QSizeF& size = label.size;
    if (std::abs(unit.x()) >= std::abs(unit.y()) * 0.5)
        placed.centre = {past.x() + (unit.x() >= 0 ? 1 : -1) * size.width() / 2,
                         past.y() + unit.y() * size.height() / 2};
    else
        placed.centre = {past.x(), past.y() + (unit.y() >= 0 ? 1 : -1) * size.height() / 2};
    return placed;
}

// `slide` moves a line across a wall along the wall, `along` a label along its line (0.5:
// at the middle).
PlacedDimension place(const DimensionLine& line, const Label& label, const Frame& frame,
                      const Measures& m, double slide = 0, qreal along = 0.5)
{
    const DrawnPoint shift{line.slide.x * slide, line.slide.y * slide};
    const QPointF a = frame.map({line.from.x + shift.x, line.from.y + shift.y}),
                  b = frame.map({line.to.x + shift.x, line.to.y + shift.y});
    const qreal offset = (line.level + 1) * m.step;
    const QSizeF size = label.size;
    PlacedDimension placed{{}, a, b, std::nullopt, label};
    switch (line.place) {
    case DimensionPlace::Below:
    case DimensionPlace::Above: {
        const qreal y = line.place == DimensionPlace::Below ? frame.section.bottom() + offset
                                                            : frame.section.top() - offset;
        placed.extensions = {{a, {a.x(), y}}, {b, {b.x(), y}}};
        placed.a = {a.x(), y};
        placed.b = {b.x(), y};
        placed.label.centre = {a.x() + (b.x() - a.x()) * along, y - size.height() / 2 - m.thin};
        break;
    }
    case DimensionPlace::Left:
    case DimensionPlace::Right: {
        const qreal x = line.place == DimensionPlace::Left ? frame.section.left() - offset
                                                           : frame.section.right() + offset;
        placed.extensions = {{a, {x, a.y()}}, {b, {x, b.y()}}};
        placed.a = {x, a.y()};
        placed.b = {x, b.y()};
        placed.label.centre = {x - size.height() / 2 - m.thin, a.y() + (b.y() - a.y()) * along};
        placed.label.angle = -90;
        break;
    }
    case DimensionPlace::Along: {
        // to the right of the way from `from` to `to` in the section's frame, y up
        const QLineF edge(a, b);
        const QPointF unit = (b - a) / edge.length();
        const QPointF out(-unit.y(), unit.x());
        placed.a = a + out * offset;
        placed.b = b + out * offset;
        placed.extensions = {{a, placed.a}, {b, placed.b}};
        placed.label.centre =
            placed.a + (placed.b - placed.a) * along + out * (size.height() / 2 + m.thin);
        placed.label.angle = -edge.angle();
        break;
    }
    case DimensionPlace::Through: {
        const QLineF across(a, b);
        const QPointF unit = (b - a) / std::max<qreal>(across.length(), 1e-9);
        QPointF past;
        placed.label = labelPast(b, unit, across.length(), label, m, past);
        placed.leader = QLineF(b, past);
        break;
    }
    }
    return placed;
}

void draw(QPainter& painter, const PlacedDimension& d, const Measures& m)
{
    for (const QLineF& e : d.extensions)
        drawExtension(painter, e.p1(), e.p2(), m);
    drawMeasure(painter, d.a, d.b, m);
    if (d.leader)
        painter.drawLine(*d.leader);
    drawLabel(painter, d.label);
}

QPainterPath materialOf(const SectionDrawing& d, const Mapping& map)
{
    QPainterPath material, holes;
    for (const velkor::DrawnContour& contour : d.shape.contours) {
        QPolygonF polygon;
        for (const DrawnPoint& p : contour.points)
            polygon << map(p);
        QPainterPath path;
        path.addPolygon(polygon);
        path.closeSubpath();
        (contour.hole ? holes : material).addPath(path);
    }
    for (const velkor::DrawnCircle& circle : d.shape.circles) {
        const qreal r = map.length(circle.radius);
        (circle.hole ? holes : material).addEllipse(map(circle.centre), r, r);
    }
    // the plates of a welded section are one piece of material
    material = material.simplified();
    return holes.isEmpty() ? material : material.subtracted(holes);
}

void drawHatching(QPainter& painter, const QPainterPath& material, const Measures& m)
{
    painter.save();
    painter.setClipPath(material, Qt::IntersectClip);
    painter.setPen(QPen(HatchColour, m.thin));
    const QRectF box = material.boundingRect();
    const qreal spacing = 0.45 * m.em;
    for (qreal x = box.left() - box.height(); x < box.right(); x += spacing)
        painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    painter.restore();
}

// A line through the picture with a letter: an axis of the section.
struct Axis {
    QLineF line;
    QColor colour;
    QString name;
    Qt::PenStyle style = Qt::DashDotLine;
};

void drawAxisLine(QPainter& painter, const Axis& axis, const Measures& m)
{
    painter.setPen(QPen(axis.colour, m.thin * 1.5, axis.style));
    painter.drawLine(axis.line);
}

// Where an axis's letter may go, the usual place first: beyond the end of the line, beside
// it near that end, then the same at its start.
std::vector<QRectF> letterPlaces(const QLineF& line, QSizeF size, const Measures& m)
{
    std::vector<QRectF> places;
    for (const bool atEnd : {true, false}) {
        const QPointF end = atEnd ? line.p2() : line.p1();
        const QPointF unit =
            (atEnd ? line.p2() - line.p1() : line.p1() - line.p2()) / line.length();
        const QPointF side(-unit.y(), unit.x());
        const qreal beyond = std::abs(unit.x()) * size.width() / 2 +
                             std::abs(unit.y()) * size.height() / 2 + 0.2 * m.em;
        const qreal aside = std::abs(side.x()) * size.width() / 2 +
                            std::abs(side.y()) * size.height() / 2 + 0.2 * m.em;
        for (const QPointF centre : {end + unit * beyond, end - unit * 0.8 * m.em + side * aside,
                                     end - unit * 0.8 * m.em - side * aside}) {
            QRectF box(QPointF(), size);
            box.moveCenter(centre);
            places.push_back(box);
        }
    }
    return places;
}

void drawAxisLetter(QPainter& painter, const Axis& axis, const Measures& m, Obstacles& obstacles)
{
    if (axis.line.length() <= 0)
        return;
    const QRectF box =
        obstacles.clearest(letterPlaces(axis.line, labelSize(painter, axis.name), m));
    painter.setPen(axis.colour);
    drawLabel(painter, box, axis.name);
    obstacles.labels.push_back(box);
}

// How far from `p` along `unit` the rectangle reaches.
qreal reachOf(const QRectF& r, QPointF p, QPointF unit)
{
    qreal t = std::numeric_limits<qreal>::max();
    if (unit.x() > 1e-12)
        t = std::min(t, (r.right() - p.x()) / unit.x());
    if (unit.x() < -1e-12)
        t = std::min(t, (r.left() - p.x()) / unit.x());
    if (unit.y() > 1e-12)
        t = std::min(t, (r.bottom() - p.y()) / unit.y());
    if (unit.y() < -1e-12)
        t = std::min(t, (r.top() - p.y()) / unit.y());
    return std::max<qreal>(t, 0);
}

// A principal axis through `c` at `angle` degrees from X (counter-clockwise), to the
// edges of `r`.
QLineF principalAxis(QPointF c, double angle, const QRectF& r)
{
    const qreal radians = qDegreesToRadians(angle);
    const QPointF unit(std::cos(radians), -std::sin(radians));
    return {c - unit * reachOf(r, c, -unit), c + unit * reachOf(r, c, unit)};
}

// A marked point with its letter in the clearest of the four places around it.
void drawPoint(QPainter& painter, QPointF at, const QColor& colour, const QString& name,
               const Measures& m, Obstacles& obstacles)
{
    painter.setPen(QPen(colour, m.thin * 1.5));
    painter.setBrush(Qt::white);
    const qreal r = 0.3 * m.em;
    painter.drawEllipse(at, r, r);
    painter.drawLine(at - QPointF(r, 0), at + QPointF(r, 0));
    painter.drawLine(at - QPointF(0, r), at + QPointF(0, r));
    const QSizeF size = labelSize(painter, name);
    const qreal d = r * 1.2;
    const QRectF box = obstacles.clearest({
        QRectF(at + QPointF(d, -d - size.height()), size),
        QRectF(at + QPointF(-d - size.width(), -d - size.height()), size),
        QRectF(at + QPointF(d, d), size),
        QRectF(at + QPointF(-d - size.width(), d), size),
    });
    painter.setPen(colour);
    drawLabel(painter, box, name);
    obstacles.labels.push_back(box);
}

// The X and Y axes through the centroid, past the dimension lines; the principal axes u
// and v near the section; the plastic neutral axes across the material.
std::vector<Axis> axesOf(const SectionDrawing& d, const Mapping& map, const QRectF& world,
                         const Sides& sides, const Measures& m)
{
    const QPointF c = map(d.centroid);
    const QRectF reach = world.marginsAdded(axisOverhang(sides, m));
    std::vector<Axis> axes = {
        {{QPointF(reach.left(), c.y()), QPointF(reach.right(), c.y())}, AxisXColour, "X"},
        {{QPointF(c.x(), reach.bottom()), QPointF(c.x(), reach.top())}, AxisYColour, "Y"},
    };
    const QRectF near = world.adjusted(-0.8 * m.em, -0.8 * m.em, 0.8 * m.em, 0.8 * m.em);
    if (d.principalAngle) {
        axes.push_back({principalAxis(c, *d.principalAngle, near), PrincipalColour, "u"});
        axes.push_back({principalAxis(c, *d.principalAngle + 90, near), PrincipalColour, "v"});
    }
    const QRectF material(map({0, d.height}), map({d.width, 0}));
    const QRectF across = material.adjusted(-0.5 * m.em, -0.5 * m.em, 0.5 * m.em, 0.5 * m.em);
    if (d.plasticAxisX) {
        const qreal x = map({*d.plasticAxisX, 0}).x();
        axes.push_back({{QPointF(x, across.bottom()), QPointF(x, across.top())},
                        PlasticColour,
                        "pl",
                        Qt::DashLine});
    }
    if (d.plasticAxisY) {
        const qreal y = map({0, *d.plasticAxisY}).y();
        axes.push_back({{QPointF(across.left(), y), QPointF(across.right(), y)},
                        PlasticColour,
                        "pl",
                        Qt::DashLine});
    }
    return axes;
}

} // namespace

void PaintSectionPicture(QPainter& painter, const QRectF& area, const SectionCard& card)
{
    const SectionDrawing& d = card.drawing;
    const Measures m = measuresOf(painter);
    const Extent e = extentOf(d);
    const Sides sides = dimensionLines(d);
    const QRectF room = area.marginsRemoved(marginsFor(sides, m));
    const double worldWidth = std::max(e.right - e.left, 1e-300),
                 worldHeight = std::max(e.top - e.bottom, 1e-300);
    if (room.width() <= 0 || room.height() <= 0)
        return;
    const qreal scale = std::min(room.width() / worldWidth, room.height() / worldHeight);
    const QPointF centre = room.center();
    const Mapping map(scale, {centre.x() - (e.left + worldWidth / 2) * scale,
                              centre.y() + (e.bottom + worldHeight / 2) * scale});
    const QRectF world(map({e.left, e.top}), map({e.right, e.bottom}));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    Obstacles obstacles;
    obstacles.material = materialOf(d, map);
    painter.fillPath(obstacles.material, MaterialColour);
    drawHatching(painter, obstacles.material, m);
    painter.setPen(QPen(Qt::black, m.strong));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(obstacles.material);

    // the axes first, so that the labels of the dimensions outside the section keep clear
    // of them, and the letters of the axes of those labels
    const std::vector<Axis> axes = axesOf(d, map, world, sides, m);
    for (const Axis& axis : axes)
        obstacles.lines.push_back(axis.line);
    const Frame frame{world, map};
    const auto labelOf = [&](std::size_t k) {
        const QString label = text(card.dimensionLabels[k]);
        return Label{label, {}, labelSize(painter, label)};
    };
    // the clearest of `positions` of a dimension, the first where several tie
    const auto clearestOf = [&](const auto& positions) {
        std::optional<PlacedDimension> best;
        int fewest = std::numeric_limits<int>::max();
        for (const PlacedDimension& placed : positions)
            if (const int hits = obstacles.hits(placed.label.bounds()); hits < fewest) {
                fewest = hits;
                best = placed;
            }
        obstacles.labels.push_back(best->label.bounds());
        obstacles.lines.push_back({best->a, best->b});
        return *best;
    };
    std::vector<PlacedDimension> outside;
    std::vector<std::size_t> walls;
    for (std::size_t k = 0; k < d.shape.dimensions.size(); ++k) {
        const DimensionLine& line = d.shape.dimensions[k];
        if (line.place == DimensionPlace::Through) {
            walls.push_back(k);
            continue;
        }
        std::vector<PlacedDimension> positions;
        for (const qreal along : {0.5, 0.3, 0.7, 0.2, 0.8})
            positions.push_back(place(line, labelOf(k), frame, m, 0, along));
        outside.push_back(clearestOf(positions));
    }

    for (const Axis& axis : axes)
        drawAxisLine(painter, axis, m);
    drawPoint(painter, map(d.centroid), Qt::black, QStringLiteral("C"), m, obstacles);
    if (d.shearCentre)
        drawPoint(painter, map(*d.shearCentre), ShearCentreColour, QStringLiteral("S"), m,
                  obstacles);
    for (const Axis& axis : axes)
        drawAxisLetter(painter, axis, m, obstacles);

    painter.setPen(QPen(Qt::black, m.thin));
    painter.setBrush(Qt::black);
    for (const PlacedDimension& placed : outside)
        draw(painter, placed, m);
    // a line across a wall moves along it to where its label is clearest
    for (const std::size_t k : walls) {
        std::vector<PlacedDimension> positions;
        for (const double slide : {0.0, 0.5, -0.5, 1.0, -1.0, 0.25, -0.25, 0.75, -0.75})
            positions.push_back(place(d.shape.dimensions[k], labelOf(k), frame, m, slide));
        draw(painter, clearestOf(positions), m);
    }
    painter.restore();
}

QString PictureDescription(const SectionCard& card)
{
    const SectionDrawing& d = card.drawing;
    QStringList parts = {QStringLiteral("%1 в масштабе").arg(text(card.title))};
    QStringList labels;
    for (const std::string& label : card.dimensionLabels)
        labels << text(label);
    parts << QStringLiteral("размеры: %1").arg(labels.join(QStringLiteral(", ")));
    parts << QStringLiteral("оси X и Y через центр тяжести C");
    if (d.principalAngle)
        parts << QStringLiteral("главные оси u и v под углом %1° к оси X")
                     .arg(QLocale().toString(*d.principalAngle, 'f', 1));
    if (d.plasticAxisX || d.plasticAxisY)
        parts << QStringLiteral("пластические нейтральные оси pl");
    if (d.shearCentre)
        parts << QStringLiteral("центр изгиба S");
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace report
