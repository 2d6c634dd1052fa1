#include "flanged_sketches.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Elements = std::vector<SketchElement>;

const QColor AxisX = Qt::red;
const QColor AxisY = Qt::darkGreen;
const QColor Principal = Qt::darkMagenta;

void edge(Elements& elements, const char* name, QPointF from, QPointF to)
{
    SketchElement e = sketchLine(QString::fromLatin1(name), {from, to}, Qt::blue);
    e.penWidth = 3;
    elements.push_back(e);
}

void thin(Elements& elements, const char* name, QPointF from, QPointF to)
{
    elements.push_back(sketchLine(QString::fromLatin1(name), {from, to}));
}

// The slanted tick that marks where a dimension ends.
void tick(Elements& elements, const char* name, QPointF at)
{
    thin(elements, name, at + QPointF(-4, 4), at + QPointF(4, -4));
}

void letter(Elements& elements, const char* name, const QString& text, QRectF box,
            const QString& toolTip, const QColor& colour = Qt::black)
{
    elements.push_back(sketchLetter(QString::fromLatin1(name), text, box, toolTip, colour));
}

// The X axis to the right and the Y axis upwards, crossing at `centre`, with arrowheads
// and their letters.
void addAxes(Elements& elements, QPointF centre, double left, double right, double bottom)
{
    const double x = centre.x(), y = centre.y(), top = 8;
    elements.push_back(sketchLine("Line1", {left, y, right, y}, AxisX));
    elements.push_back(sketchLine("Line37(0)", {right, y, right - 8, y - 4}, AxisX));
    elements.push_back(sketchLine("Line38(0)", {right, y, right - 8, y + 4}, AxisX));
    letter(elements, "Label5", QStringLiteral("X"), {right - 8, y - 20, 14, 14},
           QStringLiteral("Ось координат Х"), AxisX);
    elements.push_back(sketchLine("Line2", {x, bottom, x, top}, AxisY));
    elements.push_back(sketchLine("Line38(1)", {x, top, x - 4, top + 8}, AxisY));
    elements.push_back(sketchLine("Line38(2)", {x, top, x + 4, top + 8}, AxisY));
    letter(elements, "Label6(0)", QStringLiteral("Y"), {x + 4, 2, 14, 14},
           QStringLiteral("Ось координат Y"), AxisY);
}

// The principal axes u and v as thin dash-dot lines through the centroid, u at `alpha`
// degrees counter-clockwise from X (on screen y runs down); hidden while no angle is shown.
// Added after everything else: an axis stops short of the first letter in its way, on
// either side of the centroid alike, and the letters u and v keep clear of the others.
void addPrincipalAxes(Elements& elements, QPointF centre, std::optional<double> alpha)
{
    std::vector<QRectF> taken;
    for (const SketchElement& e : elements)
        if (e.visible && e.kind == SketchElement::Kind::Letter)
            taken.push_back(e.bounds.adjusted(-2, -2, 2, 2));
    const auto clearOfLetters = [&](const QRectF& box) {
        return std::none_of(taken.begin(), taken.end(),
                            [&](const QRectF& t) { return t.intersects(box); });
    };
    // how far the axis runs from the centre before it would touch a letter, on both sides
    const auto reach = [&](QPointF direction, double longest) {
        for (double t = 0; t < longest; ++t)
            if (!clearOfLetters(QRectF(centre + t * direction, QSizeF(0.1, 0.1))) ||
                !clearOfLetters(QRectF(centre - t * direction, QSizeF(0.1, 0.1))))
                return std::max(0.0, t - 3);
        return longest;
    };

    const double radians = alpha.value_or(0) * std::numbers::pi / 180;
    const QPointF u{std::cos(radians), -std::sin(radians)};
    const QPointF v{u.y(), -u.x()}; // u turned a right angle counter-clockwise
    // Each letter beside an end of its axis, clear of the other letters: at the positive
    // end on the side of the other axis if there is room, else on its other side or at
    // the other end; the axis is shortened until one of these is free.
    const auto axis = [&](const char* line, const char* letterName, const QString& text,
                          QPointF direction, QPointF aside, double longest,
                          const QString& toolTip) {
        const auto letterBox = [&](double half, double end, double side) {
            const QPointF at = centre + end * (half + 6) * direction + side * 8 * aside;
            return QRectF(at.x() - 6, at.y() - 7, 12, 14);
        };
        const auto freeBox = [&](double half) -> std::optional<QRectF> {
            for (const auto& [end, side] : {std::pair(1, 1), {1, -1}, {-1, 1}, {-1, -1}})
                if (clearOfLetters(letterBox(half, end, side)))
                    return letterBox(half, end, side);
            return std::nullopt;
        };
        double half = reach(direction, longest);
        std::optional<QRectF> found = freeBox(half);
        while (!found && half > 22)
            found = freeBox(half -= 2);
        const QRectF box = found.value_or(letterBox(half, 1, 1));
        SketchElement e =
            sketchLine(QString::fromLatin1(line),
                       {centre - half * direction, centre + half * direction}, Principal);
        e.penStyle = Qt::DashDotLine;
        e.visible = alpha.has_value();
        elements.push_back(e);
        letter(elements, letterName, text, box, toolTip, Principal);
        elements.back().visible = alpha.has_value();
        taken.push_back(box);
    };
    axis("AxisU", "LetterU", QStringLiteral("u"), u, v, 84, QStringLiteral("Главная ось u"));
    axis("AxisV", "LetterV", QStringLiteral("v"), v, -u, 76, QStringLiteral("Главная ось v"));
}

// A vertical dimension at `x` from `top` to `bottom`, with its ticks.
void vertical(Elements& elements, const char* line, const char* topTick, const char* bottomTick,
              double x, double top, double bottom)
{
    thin(elements, line, {x, top - 6}, {x, bottom + 6});
    tick(elements, topTick, {x, top});
    tick(elements, bottomTick, {x, bottom});
}

// A horizontal dimension at `y` from `left` to `right`, with its ticks.
void horizontal(Elements& elements, const char* line, const char* leftTick, const char* rightTick,
                double y, double left, double right)
{
    thin(elements, line, {left - 6, y}, {right + 6, y});
    tick(elements, leftTick, {left, y});
    tick(elements, rightTick, {right, y});
}

void hide(Elements& elements, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        for (SketchElement& e : elements)
            if (e.name == QLatin1String(name))
                e.visible = false;
}

// The upper flange and its dimensions, which the angle does not have.
void hideUpperFlange(Elements& elements)
{
    hide(elements, {"Line15", "Line27", "Line10", "Line14", "Line32", "Line33", "Line34", "Line35",
                    "Line36", "Line39", "Line40", "Line53", "Label7", "Label12"});
}

} // namespace

std::vector<SketchElement> ChannelSketch(const FlangedSketchState& state)
{
    const QString flangeWidth = QStringLiteral("Ширина полки");
    const QString flangeThickness = QStringLiteral("Толщина полки");
    // equal legs draw the vertical leg shorter and the horizontal one longer; equal
    // thicknesses a thicker web and a thinner lower flange
    const double x0 = 62, bottom = 172;
    const double top = state.equalLegs ? 62 : 40;
    const double web = state.equalLegThickness ? 11 : 7;
    const double t2 = state.equalLegThickness ? 11 : 15;
    const double t1 = 12;
    const double B2 = state.equalLegs ? 110 : 92;
    const double B1 = state.equalWidths ? B2 : B2 + 22;
    const QPointF centre{x0 + 26, 106};

    Elements e;
    // the outline, clockwise from the top left corner
    const double inner = state.angle ? top : top + t1;
    edge(e, "Line23", {x0, top}, {x0 + (state.angle ? web : B1), top});
    edge(e, "Line15", {x0 + B1, top}, {x0 + B1, top + t1});
    edge(e, "Line27", {x0 + B1, top + t1}, {x0 + web, top + t1});
    edge(e, "Line6", {x0 + web, inner}, {x0 + web, bottom - t2});
    edge(e, "Line5", {x0 + web, bottom - t2}, {x0 + B2, bottom - t2});
    edge(e, "Line11", {x0 + B2, bottom - t2}, {x0 + B2, bottom});
    edge(e, "Line24", {x0 + B2, bottom}, {x0, bottom});
    edge(e, "Line26", {x0, bottom}, {x0, top});
    addAxes(e, centre, 36, 222, bottom + 24);

    // H at the left
    thin(e, "Line3", {x0 - 4, top}, {28, top});
    thin(e, "Line7", {x0 - 4, bottom}, {28, bottom});
    vertical(e, "Line4", "Line20", "Line17", 34, top, bottom);
    letter(e, "Label10", QStringLiteral("H"), {14, (top + bottom) / 2 - 8, 14, 16},
           state.angle ? flangeWidth : QStringLiteral("Высота стенки швеллера"));
    // s across the web
    horizontal(e, "Line18", "Line25", "Line19", 128, x0, x0 + web);
    letter(e, "Label11", QStringLiteral("s"), {x0 - 22, 112, 12, 14},
           state.angle ? flangeThickness : QStringLiteral("Толщина стенки швеллера"));
    // B1 and t1 above and beside the upper flange
    thin(e, "Line14", {x0, 36}, {x0, 16});
    thin(e, "Line10", {x0 + B1, 36}, {x0 + B1, 16});
    horizontal(e, "Line40", "Line39", "Line35", 22, x0, x0 + B1);
    letter(e, "Label12", QStringLiteral("B1"), {x0 + 56, 2, 24, 14}, flangeWidth);
    thin(e, "Line34", {180, top}, {206, top});
    thin(e, "Line36", {180, top + t1}, {206, top + t1});
    vertical(e, "Line53", "Line32", "Line33", 200, top, top + t1);
    letter(e, "Label7", QStringLiteral("t1"), {204, top + t1 + 2, 18, 14},
           QStringLiteral("Толщина полки "));
    // t2 beside the lower flange, Yc at the right
    thin(e, "Line28", {176, bottom - t2}, {192, bottom - t2});
    thin(e, "Line29", {176, bottom}, {192, bottom});
    vertical(e, "Line52", "Line31", "Line30", 186, bottom - t2, bottom);
    letter(e, "Label9", QStringLiteral("t2"), {190, bottom - t2 - 26, 18, 14}, flangeThickness);
    thin(e, "Line45", {196, bottom}, {220, bottom});
    vertical(e, "Line44", "Line46", "Line47", 214, centre.y(), bottom);
    letter(e, "Label51", QStringLiteral("Yc"), {218, (centre.y() + bottom) / 2 - 7, 20, 14},
           QStringLiteral("Расстояние до центра тяжести в направлении оси Y"));
    // Xc and B2 below
    horizontal(e, "Line41", "Line42", "Line43", bottom + 14, x0, centre.x());
    letter(e, "Label50", QStringLiteral("Xc"), {centre.x() + 6, bottom + 1, 20, 12},
           QStringLiteral("Расстояние до центра тяжести в направлении оси Х"));
    thin(e, "Line9", {x0, bottom + 4}, {x0, bottom + 34});
    thin(e, "Line12", {x0 + B2, bottom + 4}, {x0 + B2, bottom + 34});
    horizontal(e, "Line50", "Line13", "Line16", bottom + 30, x0, x0 + B2);
    letter(e, "Label8", QStringLiteral("B2"), {x0 + 50, bottom + 31, 24, 14}, flangeWidth);

    if (state.angle)
        hideUpperFlange(e);
    addPrincipalAxes(e, centre, state.principalAngle);
    return e;
}

std::vector<SketchElement> ZSectionSketch(const FlangedSketchState& state)
{
    const QString width = QStringLiteral("Ширина двутавра");
    const QString thickness = QStringLiteral("Толщина полки двутавра");
    // equal legs draw the web lower; equal thicknesses a lower flange as thin as the web;
    // unequal flange widths a shorter upper flange
    const double webLeft = 126, web = 8, webRight = webLeft + web, bottom = 172;
    const double top = state.equalLegs ? 70 : 40;
    const double t2 = state.equalLegThickness ? web : 15;
    const double t1 = 12;
    const double B2 = 80;
    const double B1 = state.equalWidths ? B2 : 60;
    const double end = webRight - B2; // free end of the lower flange
    const double tip = webLeft + B1;  // free end of the upper flange
    const QPointF centre{webLeft + web / 2, 106};

    Elements e;
    // the outline, clockwise from the top left corner
    edge(e, "Line23", {webLeft, top}, {state.angle ? webRight : tip, top});
    edge(e, "Line15", {tip, top}, {tip, top + t1});
    edge(e, "Line27", {tip, top + t1}, {webRight, top + t1});
    edge(e, "Line26", {webRight, state.angle ? top : top + t1}, {webRight, bottom});
    edge(e, "Line24", {webRight, bottom}, {end, bottom});
    edge(e, "Line11", {end, bottom}, {end, bottom - t2});
    edge(e, "Line5", {end, bottom - t2}, {webLeft, bottom - t2});
    edge(e, "Line6", {webLeft, bottom - t2}, {webLeft, top});
    addAxes(e, centre, 30, 246, bottom + 24);

    // H and t2 at the left
    thin(e, "Line3", {webLeft - 4, top}, {16, top});
    thin(e, "Line7", {end - 4, bottom}, {16, bottom});
    vertical(e, "Line4", "Line20", "Line17", 22, top, bottom);
    letter(e, "Label10", QStringLiteral("H"), {4, (top + bottom) / 2 - 8, 14, 16},
           QStringLiteral("Высота двутавра"));
    thin(e, "Line28", {end - 4, bottom - t2}, {32, bottom - t2});
    vertical(e, "Line50", "Line31", "Line30", 38, bottom - t2, bottom);
    thin(e, "Line29", {38, bottom - t2 - 20}, {44, bottom - t2 - 26});
    letter(e, "Label9", QStringLiteral("t2"), {44, bottom - t2 - 38, 18, 14}, thickness);
    // s across the web
    horizontal(e, "Line18", "Line25", "Line19", 128, webLeft, webRight);
    letter(e, "Label11", QStringLiteral("s"), {webRight + 16, 130, 12, 14},
           QStringLiteral("Толщина стенки двутавра"));
    // B1 above the upper flange, t1 beside its free end
    thin(e, "Line14", {webLeft, 36}, {webLeft, 16});
    thin(e, "Line10", {tip, 36}, {tip, 16});
    horizontal(e, "Line40", "Line39", "Line35", 22, webLeft, tip);
    letter(e, "Label12", QStringLiteral("B1"), {webLeft + B1 / 2 - 12, 2, 24, 14}, width);
    thin(e, "Line34", {tip + 4, top}, {tip + 18, top});
    thin(e, "Line36", {tip + 4, top + t1}, {tip + 18, top + t1});
    vertical(e, "Line53", "Line32", "Line33", tip + 12, top, top + t1);
    letter(e, "Label7", QStringLiteral("t1"), {tip + 16, top + t1 + 4, 18, 14}, thickness);
    // Yc at the right
    thin(e, "Line45", {webRight + 4, bottom}, {238, bottom});
    vertical(e, "Line44", "Line46", "Line47", 232, centre.y(), bottom);
    letter(e, "Label51", QStringLiteral("Yc"), {236, (centre.y() + bottom) / 2 - 7, 20, 14}, {});
    // Xc from the free end of the lower flange, and B2, below
    horizontal(e, "Line41", "Line42", "Line43", bottom + 14, end, centre.x());
    letter(e, "Label50", QStringLiteral("Xc"), {end + 20, bottom + 1, 20, 12}, {});
    thin(e, "Line9", {end, bottom + 4}, {end, bottom + 34});
    thin(e, "Line12", {webRight, bottom + 4}, {webRight, bottom + 34});
    horizontal(e, "Line8", "Line13", "Line16", bottom + 30, end, webRight);
    letter(e, "Label8", QStringLiteral("B2"), {end + 28, bottom + 31, 24, 14}, width);

    if (state.angle)
        hideUpperFlange(e);
    addPrincipalAxes(e, centre, state.principalAngle);
    return e;
}
