#include "section_sketch.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <stdexcept>

SketchElement sketchLine(const QString& name, QLineF line, const QColor& colour)
{
    SketchElement e;
    e.name = name;
    e.line = line;
    e.colour = colour;
    return e;
}

namespace {

SketchElement outline(const QString& name, SketchElement::Kind kind)
{
    SketchElement e;
    e.name = name;
    e.kind = kind;
    e.colour = Qt::blue;
    e.penWidth = 3;
    return e;
}

} // namespace

SketchElement sketchCircle(const QString& name, QRectF bounds)
{
    SketchElement e = outline(name, SketchElement::Kind::Circle);
    e.bounds = bounds;
    return e;
}

SketchElement sketchRectangle(const QString& name, QRectF bounds)
{
    SketchElement e = outline(name, SketchElement::Kind::Rectangle);
    e.bounds = bounds;
    return e;
}

SketchElement sketchPolygon(const QString& name, QPolygonF polygon)
{
    SketchElement e = outline(name, SketchElement::Kind::Polygon);
    e.polygon = std::move(polygon);
    return e;
}

SketchElement sketchLetter(const QString& name, const QString& text, QRectF bounds,
                           const QString& toolTip, const QColor& colour)
{
    SketchElement e;
    e.name = name;
    e.kind = SketchElement::Kind::Letter;
    e.text = text;
    e.bounds = bounds;
    e.toolTip = toolTip;
    e.colour = colour;
    return e;
}

SectionSketch::SectionSketch(QSize size, std::vector<SketchElement> elements, QWidget* parent)
    : QWidget(parent)
    , fixedSize(size)
    , elements(std::move(elements))
{
    setFixedSize(size);
}

SketchElement& SectionSketch::element(const QString& name)
{
    return const_cast<SketchElement&>(std::as_const(*this).element(name));
}

const SketchElement& SectionSketch::element(const QString& name) const
{
    const auto found = std::find_if(elements.begin(), elements.end(),
                                    [&](const SketchElement& e) { return e.name == name; });
    if (found == elements.end())
        throw std::out_of_range("no sketch element " + name.toStdString());
    return *found;
}

void SectionSketch::setElementVisible(const QString& name, bool visible)
{
    element(name).visible = visible;
    update();
}

bool SectionSketch::isElementVisible(const QString& name) const
{
    return element(name).visible;
}

void SectionSketch::setElementFill(const QString& name, Qt::BrushStyle fill)
{
    element(name).fill = fill;
    update();
}

Qt::BrushStyle SectionSketch::elementFill(const QString& name) const
{
    return element(name).fill;
}

void SectionSketch::setElementToolTip(const QString& name, const QString& toolTip)
{
    element(name).toolTip = toolTip;
}

QString SectionSketch::elementToolTip(const QString& name) const
{
    return element(name).toolTip;
}

void SectionSketch::setElementLine(const QString& name, QLineF line)
{
    element(name).line = line;
    update();
}

void SectionSketch::setElementBounds(const QString& name, QRectF bounds)
{
    element(name).bounds = bounds;
    update();
}

void SectionSketch::showElements(const std::vector<SketchElement>& shown)
{
    for (const SketchElement& e : shown) {
        SketchElement& drawn = element(e.name);
        drawn.line = e.line;
        drawn.bounds = e.bounds;
        drawn.visible = e.visible;
        drawn.toolTip = e.toolTip;
    }
    update();
}

void SectionSketch::setElementPolygon(const QString& name, QPolygonF polygon)
{
    element(name).polygon = std::move(polygon);
    update();
}

QString SectionSketch::toolTipAt(QPointF point) const
{
    for (const SketchElement& e : elements)
        if (e.visible && e.kind == SketchElement::Kind::Letter && e.bounds.contains(point))
            return e.toolTip;
    return {};
}

namespace {

QPainterPath areaOf(const SketchElement& e)
{
    QPainterPath area;
    if (e.kind == SketchElement::Kind::Circle)
        area.addEllipse(e.bounds);
    else if (e.kind == SketchElement::Kind::Rectangle)
        area.addRect(e.bounds);
    else
        area.addPolygon(e.polygon);
    area.closeSubpath();
    return area;
}

// Hatching as lines 8 pixels apart, as the pattern brushes draw it on the screen. A pattern
// brush is laid out in device pixels, so on a printer its lines would shrink to a grey
// tint; lines scale with the drawing and stay lines on paper.
bool hatch(QPainter& painter, const SketchElement& e)
{
    const bool forward = e.fill == Qt::FDiagPattern || e.fill == Qt::DiagCrossPattern;
    const bool backward = e.fill == Qt::BDiagPattern || e.fill == Qt::DiagCrossPattern;
    const bool across = e.fill == Qt::HorPattern || e.fill == Qt::CrossPattern;
    const bool upright = e.fill == Qt::VerPattern || e.fill == Qt::CrossPattern;
    if (!forward && !backward && !across && !upright)
        return false;
    constexpr double Step = 8;
    const QPainterPath area = areaOf(e);
    const QRectF box = area.boundingRect();
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    painter.setPen(QPen(e.fillColour, 1));
    for (double x = box.left() - box.height(); x < box.right() + Step; x += Step) {
        if (forward) // "\" from the top edge down to the right
            painter.drawLine(QPointF(x, box.top()), QPointF(x + box.height(), box.bottom()));
        if (backward) // "/" from the bottom edge up to the right
            painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    }
    for (double y = box.top(); across && y < box.bottom(); y += Step)
        painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    for (double x = box.left(); upright && x < box.right(); x += Step)
        painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
    painter.restore();
    return true;
}

} // namespace

void SectionSketch::paint(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    for (const SketchElement& e : elements) {
        if (!e.visible)
            continue;
        const QPen pen(e.colour, e.penWidth, e.penStyle);
        painter.setPen(pen);
        switch (e.kind) {
        case SketchElement::Kind::Line:
            painter.drawLine(e.line);
            break;
        case SketchElement::Kind::Circle:
        case SketchElement::Kind::Rectangle:
        case SketchElement::Kind::Polygon:
            if (e.fill != Qt::NoBrush && !hatch(painter, e))
                painter.fillPath(areaOf(e), QBrush(e.fillColour, e.fill));
            painter.setPen(pen);
            painter.strokePath(areaOf(e), pen);
            break;
        case SketchElement::Kind::Letter:
            painter.drawText(e.bounds, Qt::AlignCenter, e.text);
            break;
        }
    }
}

void SectionSketch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter);
}

bool SectionSketch::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}
