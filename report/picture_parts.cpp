#include "picture_parts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace report {
namespace {

// Whether a segment crosses or enters a rectangle.
bool crosses(const QLineF& line, const QRectF& box)
{
    if (box.contains(line.p1()) || box.contains(line.p2()))
        return true;
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    return std::any_of(std::begin(edges), std::end(edges), [&](const QLineF& edge) {
        return line.intersects(edge, nullptr) == QLineF::BoundedIntersection;
    });
}

} // namespace

Measures measuresOf(const QPainter& painter)
{
    const qreal em = QFontMetricsF(painter.font(), painter.device()).height();
    return {em,      1.9 * em, 0.55 * em, std::max<qreal>(em / 16, 0.5), std::max<qreal>(em / 8, 1),
            1.6 * em};
}

QSizeF labelSize(const QPainter& painter, const QString& label)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    return {metrics.horizontalAdvance(label) + metrics.averageCharWidth() / 2, metrics.height()};
}

void drawLabel(QPainter& painter, const QRectF& box, const QString& label)
{
    painter.fillRect(box.adjusted(-1, 0, 1, 0), QColor(255, 255, 255, 230));
    painter.drawText(box, Qt::AlignCenter, label);
}

QRectF Label::bounds() const
{
    const bool upright = std::abs(std::remainder(angle, 180.0)) > 45;
    const QSizeF turned = upright ? size.transposed() : size;
    QRectF box(QPointF(), turned);
    box.moveCenter(centre);
    return box;
}

void drawLabel(QPainter& painter, const Label& label)
{
    qreal angle = label.angle;
    while (angle > 90)
        angle -= 180;
    while (angle <= -90)
        angle += 180;
    painter.save();
    painter.translate(label.centre);
    painter.rotate(angle);
    drawLabel(painter,
              QRectF(QPointF(-label.size.width() / 2, -label.size.height() / 2), label.size),
              label.text);
    painter.restore();
}

void drawArrowhead(QPainter& painter, QPointF tip, QPointF towards, const Measures& m)
{
    const QLineF back(tip, towards);
    if (back.length() <= 0)
        return;
    const QPointF unit = (towards - tip) / back.length();
    const QPointF across(-unit.y(), unit.x());
    const QPointF base = tip + unit * m.arrow;
    const QPointF points[] = {tip, base + across * m.arrow * 0.28, base - across * m.arrow * 0.28};
    painter.drawPolygon(points, 3);
}

void drawMeasure(QPainter& painter, QPointF a, QPointF b, const Measures& m)
{
    const QLineF span(a, b);
    if (span.length() <= 0)
        return;
    const QPointF unit = (b - a) / span.length();
    if (span.length() >= 2.6 * m.arrow) {
        painter.drawLine(a, b);
        drawArrowhead(painter, a, b, m);
        drawArrowhead(painter, b, a, m);
        return;
    }
    const QPointF outA = a - unit * 1.6 * m.arrow, outB = b + unit * 1.6 * m.arrow;
    painter.drawLine(outA, outB);
    drawArrowhead(painter, a, outA, m);
    drawArrowhead(painter, b, outB, m);
}

void drawExtension(QPainter& painter, QPointF from, QPointF to, const Measures& m)
{
    const QLineF line(from, to);
    if (line.length() <= m.em * 0.3)
        return;
    const QPointF unit = (to - from) / line.length();
    painter.drawLine(from + unit * m.em * 0.2, to + unit * m.em * 0.3);
}

int Obstacles::hits(const QRectF& box) const
{
    const auto lineHits =
        std::count_if(lines.begin(), lines.end(), [&](const QLineF& l) { return crosses(l, box); });
    const auto labelHits = std::count_if(labels.begin(), labels.end(),
                                         [&](const QRectF& r) { return r.intersects(box); });
    return int(lineHits + 3 * labelHits) + (material.intersects(box) ? 2 : 0);
}

QRectF Obstacles::clearest(const std::vector<QRectF>& candidates) const
{
    QRectF best;
    int fewest = std::numeric_limits<int>::max();
    for (const QRectF& box : candidates)
        if (const int h = hits(box); h < fewest) {
            fewest = h;
            best = box;
        }
    return best;
}

} // namespace report
