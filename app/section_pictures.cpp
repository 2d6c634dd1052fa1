#include "section_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int Side = 40;

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath outline(SectionPicture section)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    switch (section) {
    case SectionPicture::Round:
        path.addEllipse(QRectF(4, 4, 32, 32));
        path.addEllipse(QRectF(10, 10, 20, 20));
        break;
    case SectionPicture::BoxTube:
        path.addRect(QRectF(6, 4, 28, 32));
        path.addRect(QRectF(11, 9, 18, 22));
        break;
    case SectionPicture::Rectangle:
        path.addRect(QRectF(8, 4, 24, 32));
        break;
    case SectionPicture::Rhombus:
        path = polygon({{20, 3}, {37, 20}, {20, 37}, {3, 20}});
        break;
    case SectionPicture::Hexagon:
        path = polygon({{11, 5}, {29, 5}, {37, 20}, {29, 35}, {11, 35}, {3, 20}});
        break;
    case SectionPicture::Cross:
        path = polygon({{16, 3}, {24, 3}, {24, 16}, {37, 16}, {37, 24}, {24, 24}, {24, 37},
                        {16, 37}, {16, 24}, {3, 24}, {3, 16}, {16, 16}});
        break;
    case SectionPicture::IBeam:
        path = polygon({{6, 4}, {34, 4}, {34, 9}, {22, 9}, {22, 31}, {34, 31}, {34, 36}, {6, 36},
                        {6, 31}, {18, 31}, {18, 9}, {6, 9}});
        break;
    case SectionPicture::Channel:
        path = polygon({{8, 4}, {32, 4}, {32, 9}, {13, 9}, {13, 31}, {32, 31}, {32, 36}, {8, 36}});
        break;
    case SectionPicture::ZSection:
        path = polygon({{18, 4}, {36, 4}, {36, 9}, {23, 9}, {23, 36}, {4, 36}, {4, 31}, {18, 31}});
        break;
    }
    return path;
}

} // namespace

QPixmap sectionPicture(SectionPicture section)
{
    QPixmap picture(Side, Side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::blue, 1.5));
    painter.setBrush(QBrush(Qt::blue, Qt::FDiagPattern));
    painter.drawPath(outline(section));
    return picture;
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
    painter.drawPath(outline(SectionPicture::IBeam));
    return picture;
}
