#include "flanged_sketches.h"

#include "sketch_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Elements = std::vector<SketchElement>;

// The X axis to the right and the Y axis upwards, crossing at `centre`, with arrowheads
// and their letters.
void addAxes(Elements& elements, QPointF centre, double left, double right, double bottom)
{
    const double x = centre.x(), y = centre.y();
    addAxis(elements, {"Line1", "Line37(0)", "Line38(0)", "Label5"}, {left, y, right, y},
            QStringLiteral("X"), {right - 8, y - 20, 14, 14}, AxisXColour,
            QStringLiteral("Ось координат Х"));
    addAxis(elements, {"Line2", "Line38(1)", "Line38(2)", "Label6(0)"}, {x, bottom, x, 8},
            QStringLiteral("Y"), {x + 4, 2, 14, 14}, AxisYColour,
            QStringLiteral("Ось координат Y"));
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
                       {centre - half * direction, centre + half * direction}, PrincipalColour);
        e.penStyle = Qt::DashDotLine;
        e.visible = alpha.has_value();
        elements.push_back(e);
        elements.push_back(
            sketchLetter(QString::fromLatin1(letterName), text, box, toolTip, PrincipalColour));
        elements.back().visible = alpha.has_value();
        taken.push_back(box);
    };
    axis("AxisU", "LetterU", QStringLiteral("u"), u, v, 84, QStringLiteral("Главная ось u"));
    axis("AxisV", "LetterV", QStringLiteral("v"), v, -u, 76, QStringLiteral("Главная ось v"));
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
    addEdge(e, "Line23", {x0, top}, {x0 + (state.angle ? web : B1), top});
    addEdge(e, "Line15", {x0 + B1, top}, {x0 + B1, top + t1});
    addEdge(e, "Line27", {x0 + B1, top + t1}, {x0 + web, top + t1});
    addEdge(e, "Line6", {x0 + web, inner}, {x0 + web, bottom - t2});
    addEdge(e, "Line5", {x0 + web, bottom - t2}, {x0 + B2, bottom - t2});
    addEdge(e, "Line11", {x0 + B2, bottom - t2}, {x0 + B2, bottom});
    addEdge(e, "Line24", {x0 + B2, bottom}, {x0, bottom});
    addEdge(e, "Line26", {x0, bottom}, {x0, top});
    addAxes(e, centre, 36, 222, bottom + 24);

    // H at the left
    addDimension(e, {"Line4", "Line20", "Line17", "Line3", "Line7"}, {34, top, 34, bottom},
                 {x0 - 4, top}, {x0 - 4, bottom});
    e.push_back(sketchLetter("Label10", QStringLiteral("H"), {14, (top + bottom) / 2 - 8, 14, 16},
                             state.angle ? flangeWidth : QStringLiteral("Высота стенки швеллера")));
    // s across the web
    addDimension(e, {"Line18", "Line25", "Line19", {}, {}}, {x0, 128, x0 + web, 128});
    e.push_back(
        sketchLetter("Label11", QStringLiteral("s"), {x0 - 22, 112, 12, 14},
                     state.angle ? flangeThickness : QStringLiteral("Толщина стенки швеллера")));
    // B1 and t1 above and beside the upper flange
    addDimension(e, {"Line40", "Line39", "Line35", "Line14", "Line10"}, {x0, 22, x0 + B1, 22},
                 {x0, 36}, {x0 + B1, 36});
    e.push_back(sketchLetter("Label12", QStringLiteral("B1"), {x0 + 56, 2, 24, 14}, flangeWidth));
    addDimension(e, {"Line53", "Line32", "Line33", "Line34", "Line36"}, {200, top, 200, top + t1},
                 {180, top}, {180, top + t1});
    e.push_back(sketchLetter("Label7", QStringLiteral("t1"), {204, top + t1 + 2, 18, 14},
                             QStringLiteral("Толщина полки ")));
    // t2 beside the lower flange, Yc at the right
    addDimension(e, {"Line52", "Line31", "Line30", "Line28", "Line29"},
                 {186, bottom - t2, 186, bottom}, {176, bottom - t2}, {176, bottom});
    e.push_back(sketchLetter("Label9", QStringLiteral("t2"), {190, bottom - t2 - 26, 18, 14},
                             flangeThickness));
    addDimension(e, {"Line44", "Line46", "Line47", {}, "Line45"}, {214, centre.y(), 214, bottom},
                 {}, {196, bottom});
    e.push_back(sketchLetter("Label51", QStringLiteral("Yc"),
                             {218, (centre.y() + bottom) / 2 - 7, 20, 14},
                             QStringLiteral("Расстояние до центра тяжести в направлении оси Y")));
    // Xc and B2 below
    addDimension(e, {"Line41", "Line42", "Line43", {}, {}},
                 {x0, bottom + 14, centre.x(), bottom + 14});
    e.push_back(sketchLetter("Label50", QStringLiteral("Xc"), {centre.x() + 6, bottom + 1, 20, 12},
                             QStringLiteral("Расстояние до центра тяжести в направлении оси Х")));
    addDimension(e, {"Line50", "Line13", "Line16", "Line9", "Line12"},
                 {x0, bottom + 30, x0 + B2, bottom + 30}, {x0, bottom + 4}, {x0 + B2, bottom + 4});
    e.push_back(
        sketchLetter("Label8", QStringLiteral("B2"), {x0 + 50, bottom + 31, 24, 14}, flangeWidth));

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
    addEdge(e, "Line23", {webLeft, top}, {state.angle ? webRight : tip, top});
    addEdge(e, "Line15", {tip, top}, {tip, top + t1});
    addEdge(e, "Line27", {tip, top + t1}, {webRight, top + t1});
    addEdge(e, "Line26", {webRight, state.angle ? top : top + t1}, {webRight, bottom});
    addEdge(e, "Line24", {webRight, bottom}, {end, bottom});
    addEdge(e, "Line11", {end, bottom}, {end, bottom - t2});
    addEdge(e, "Line5", {end, bottom - t2}, {webLeft, bottom - t2});
    addEdge(e, "Line6", {webLeft, bottom - t2}, {webLeft, top});
    addAxes(e, centre, 30, 246, bottom + 24);

    // H and t2 at the left, t2's letter on a leader above it
    addDimension(e, {"Line4", "Line20", "Line17", "Line3", "Line7"}, {22, top, 22, bottom},
                 {webLeft - 4, top}, {end - 4, bottom});
    e.push_back(sketchLetter("Label10", QStringLiteral("H"), {4, (top + bottom) / 2 - 8, 14, 16},
                             QStringLiteral("Высота двутавра")));
    addDimension(e, {"Line50", "Line31", "Line30", "Line28", {}}, {38, bottom - t2, 38, bottom},
                 {end - 4, bottom - t2});
    addLine(e, "Line29", {38, bottom - t2 - 20}, {44, bottom - t2 - 26});
    e.push_back(
        sketchLetter("Label9", QStringLiteral("t2"), {44, bottom - t2 - 38, 18, 14}, thickness));
    // s across the web
    addDimension(e, {"Line18", "Line25", "Line19", {}, {}}, {webLeft, 128, webRight, 128});
    e.push_back(sketchLetter("Label11", QStringLiteral("s"), {webRight + 16, 130, 12, 14},
                             QStringLiteral("Толщина стенки двутавра")));
    // B1 above the upper flange, t1 beside its free end
    addDimension(e, {"Line40", "Line39", "Line35", "Line14", "Line10"}, {webLeft, 22, tip, 22},
                 {webLeft, 36}, {tip, 36});
    e.push_back(
        sketchLetter("Label12", QStringLiteral("B1"), {webLeft + B1 / 2 - 12, 2, 24, 14}, width));
    addDimension(e, {"Line53", "Line32", "Line33", "Line34", "Line36"},
                 {tip + 12, top, tip + 12, top + t1}, {tip + 4, top}, {tip + 4, top + t1});
    e.push_back(
        sketchLetter("Label7", QStringLiteral("t1"), {tip + 16, top + t1 + 4, 18, 14}, thickness));
    // Yc at the right
    addDimension(e, {"Line44", "Line46", "Line47", {}, "Line45"}, {232, centre.y(), 232, bottom},
                 {}, {webRight + 4, bottom});
    e.push_back(sketchLetter("Label51", QStringLiteral("Yc"),
                             {236, (centre.y() + bottom) / 2 - 7, 20, 14}, {}));
    // Xc from the free end of the lower flange, and B2, below
    addDimension(e, {"Line41", "Line42", "Line43", {}, {}},
                 {end, bottom + 14, centre.x(), bottom + 14});
    e.push_back(sketchLetter("Label50", QStringLiteral("Xc"), {end + 20, bottom + 1, 20, 12}, {}));
    addDimension(e, {"Line8", "Line13", "Line16", "Line9", "Line12"},
                 {end, bottom + 30, webRight, bottom + 30}, {end, bottom + 4},
                 {webRight, bottom + 4});
    e.push_back(
        sketchLetter("Label8", QStringLiteral("B2"), {end + 28, bottom + 31, 24, 14}, width));

    if (state.angle)
        hideUpperFlange(e);
    addPrincipalAxes(e, centre, state.principalAngle);
    return e;
}
