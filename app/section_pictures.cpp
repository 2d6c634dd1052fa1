#include "section_pictures.h"

#include "catalogue.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <optional>

namespace {

constexpr int Side = 40;

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// The schematic outline of a section, in a square of Side.
std::optional<QPainterPath> schematic(std::string_view section)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (section == "round") {
        path.addEllipse(QRectF(4, 4, 32, 32));
        path.addEllipse(QRectF(10, 10, 20, 20));
    } else if (section == "tube") {
        path.addRect(QRectF(6, 4, 28, 32));
        path.addRect(QRectF(11, 9, 18, 22));
    } else if (section == "rect") {
        path.addRect(QRectF(8, 4, 24, 32));
    } else if (section == "rhombus") {
        path = polygon({{20, 3}, {37, 20}, {20, 37}, {3, 20}});
    } else if (section == "hexagon") {
        path = polygon({{11, 5}, {29, 5}, {37, 20}, {29, 35}, {11, 35}, {3, 20}});
    } else if (section == "cross") {
        path = polygon({{16, 3},
                        {24, 3},
                        {24, 16},
                        {37, 16},
                        {37, 24},
                        {24, 24},
                        {24, 37},
                        {16, 37},
                        {16, 24},
                        {3, 24},
                        {3, 16},
                        {16, 16}});
    } else if (section == "ibeam") {
        path = polygon({{6, 4},
                        {34, 4},
                        {34, 9},
                        {22, 9},
                        {22, 31},
                        {34, 31},
                        {34, 36},
                        {6, 36},
                        {6, 31},
                        {18, 31},
                        {18, 9},
                        {6, 9}});
    } else if (section == "channel") {
        path = polygon({{8, 4}, {32, 4}, {32, 9}, {13, 9}, {13, 31}, {32, 31}, {32, 36}, {8, 36}});
    } else if (section == "zsection") {
        path = polygon({{18, 4}, {36, 4}, {36, 9}, {23, 9}, {23, 36}, {4, 36}, {4, 31}, {18, 31}});
    } else {
        return std::nullopt;
    }
    return path;
}

// The section's true outline at the calculator's design dimensions, fitted into the square.
QPainterPath drawnOutline(const velkor::SectionEntry& section)
{
    const velkor::SectionInput design =
        velkor::DesignInput(section, false, velkor::LengthUnit::Centimetre);
    const velkor::SectionShape shape = section.shape(velkor::ResolvedDimensions(section, design));
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const velkor::DrawnContour& contour : shape.contours) {
        QPolygonF polygon;
        for (const velkor::DrawnPoint& p : contour.points)
            polygon << QPointF(p.x, -p.y); // y turns downwards
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    for (const velkor::DrawnCircle& circle : shape.circles)
        path.addEllipse(QPointF(circle.centre.x, -circle.centre.y), circle.radius, circle.radius);
    const QRectF bounds = path.boundingRect();
    const qreal scale = (Side - 8) / std::max({bounds.width(), bounds.height(), 1e-9});
    QTransform fit;
    fit.translate(Side / 2.0, Side / 2.0);
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

QPixmap picture(const QPainterPath& outline)
{
    QPixmap drawn(Side, Side);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::blue, 1.5));
    painter.setBrush(QBrush(Qt::blue, Qt::FDiagPattern));
    painter.drawPath(outline);
    return drawn;
}

} // namespace

QPixmap sectionPicture(const velkor::SectionEntry& section)
{
    const auto drawn = schematic(section.key);
    return picture(drawn ? *drawn : drawnOutline(section));
}

QPixmap logoPicture()
{
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 160));
    painter.drawRoundedRect(QRectF(2, 2, 44, 44), 6, 6);
    painter.setBrush(Qt::white);
    painter.scale(1.2, 1.2);
    painter.drawPath(*schematic("ibeam"));
    return picture;
}
