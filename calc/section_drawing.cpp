#include "section_drawing.h"

#include "cross_section.h"
#include "flanged_section.h"
#include "hexagon_section.h"
#include "ibeam_section.h"
#include "rectangle_section.h"
#include "rectangular_tube_section.h"
#include "rhombus_section.h"
#include "round_section.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velkor {
namespace {

double approx(const Rational& value)
{
    return Approximately(value);
}

double areaOf(const std::vector<DrawnPoint>& points)
{
    double twice = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const DrawnPoint& a = points[k];
        const DrawnPoint& b = points[(k + 1) % points.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

// The polygons of the section routines, without the outlines of no area (a flange an
// angle does not have).
std::vector<DrawnContour> drawn(const std::vector<Contour>& section)
{
    std::vector<DrawnContour> contours;
    for (const Contour& contour : section) {
        DrawnContour d{{}, contour.hole};
        for (const Point& p : contour.points)
            d.points.push_back({approx(p.x), approx(p.y)});
        if (areaOf(d.points) != 0)
            contours.push_back(std::move(d));
    }
    return contours;
}

DimensionLine line(std::string_view name, const Rational& length, DrawnPoint from, DrawnPoint to,
                   DimensionPlace place, int level = 0)
{
    return {name, length, from, to, place, level};
}

// A wall's thickness, marked across it at the middle of its length `along` (from
// `from` in the direction of `unit`), free to move over most of that length.
DimensionLine acrossWall(std::string_view name, const Rational& thickness, DrawnPoint from,
                         DrawnPoint to, DrawnPoint unit, double along)
{
    const double half = along / 2;
    DimensionLine wall =
        line(name, thickness, {from.x + unit.x * half, from.y + unit.y * half},
             {to.x + unit.x * half, to.y + unit.y * half}, DimensionPlace::Through);
    wall.slide = {unit.x * half * 0.7, unit.y * half * 0.7};
    return wall;
}

constexpr DrawnPoint Up{0, 1}, Across{1, 0};

} // namespace

SectionShape RoundShape(const RoundSectionInput& input)
{
    const double r = approx(input.D) / 2;
    SectionShape shape;
    shape.circles.push_back({{0, 0}, r, false});
    shape.dimensions.push_back(line("D", input.D, {-r, 0}, {r, 0}, DimensionPlace::Below));
    if (!input.solid && input.t * 2 < input.D) {
        const double inner = r - approx(input.t), c = std::sqrt(0.5);
        shape.circles.push_back({{0, 0}, inner, true});
        shape.dimensions.push_back(
            line("t", input.t, {inner * c, inner * c}, {r * c, r * c}, DimensionPlace::Through));
    }
    return shape;
}

SectionShape RectangularTubeShape(const RectangularTubeInput& input)
{
    SectionShape shape{drawn(RectangularTubeOutline(input)), {}, {}};
    const Rational h = input.equalWalls ? input.b : input.h;
    // "H= B" squares the opening: the outer height is then not the H typed
    const Rational height = input.squareOpening ? Rational(input.B - 2 * input.b + 2 * h) : input.H;
    const double W = approx(input.B), Ht = approx(height);
    shape.dimensions = {
        line("B", input.B, {0, 0}, {W, 0}, DimensionPlace::Below),
        line("H", height, {0, 0}, {0, Ht}, DimensionPlace::Left),
        acrossWall("b", input.b, {0, 0}, {approx(input.b), 0}, Up, Ht),
        acrossWall("h", h, {0, Ht}, {0, Ht - approx(h)}, Across, W),
    };
    return shape;
}

SectionShape RectangleShape(const RectangleInput& input)
{
    const Rational& H = input.square ? input.B : input.H;
    const double W = approx(input.B), Ht = approx(H);
    return {drawn(RectangleOutline(input)),
            {},
            {line("B", input.B, {0, 0}, {W, 0}, DimensionPlace::Below),
             line("H", H, {0, 0}, {0, Ht}, DimensionPlace::Left)}};
}

SectionShape RhombusShape(const RhombusInput& input)
{
    // a square of side B standing on a corner
    const double s = approx(input.B) * std::sqrt(0.5);
    return {{{{{s, 0}, {0, s}, {-s, 0}, {0, -s}}, false}},
            {},
            {line("B", input.B, {s, 0}, {0, s}, DimensionPlace::Along)}};
}

SectionShape HexagonShape(const HexagonInput& input)
{
    const double R = input.acrossFlats ? approx(input.size) / std::sqrt(3.0) : approx(input.size);
    const double h = R * std::sqrt(3.0) / 2;
    SectionShape shape{
        {{{{R, 0}, {R / 2, h}, {-R / 2, h}, {-R, 0}, {-R / 2, -h}, {R / 2, -h}}, false}}, {}, {}};
    if (input.acrossFlats)
        shape.dimensions.push_back(
            line("H", input.size, {-R / 2, -h}, {-R / 2, h}, DimensionPlace::Left));
    else
        shape.dimensions.push_back(
            line("R", input.size, {0, 0}, {R / 2, h}, DimensionPlace::Through));
    return shape;
}

SectionShape CrossShape(const CrossInput& input)
{
    const double B = approx(input.B) / 2, b = approx(input.b) / 2, H = approx(input.H) / 2,
                 h = approx(input.h) / 2;
    return {drawn(CrossOutline(input)),
            {},
            {line("B", input.B, {-B, -h}, {B, -h}, DimensionPlace::Below),
             line("H", input.H, {-b, -H}, {-b, H}, DimensionPlace::Left),
             acrossWall("b", input.b, {-b, h}, {b, h}, Up, H - h),
             acrossWall("h", input.h, {b, -h}, {b, h}, Across, B - b)}};
}

SectionShape IBeamShape(const IBeamInput& input)
{
    const double H = approx(input.H), B1 = approx(input.B1) / 2, tf1 = approx(input.tf1),
                 tw = approx(input.tw) / 2, B2 = approx(input.B2) / 2, tf2 = approx(input.tf2);
    const bool upperFlange = B2 > 0 && tf2 > 0;
    SectionShape shape{drawn(IBeamOutline(input)), {}, {}};
    shape.dimensions = {
        line("H", input.H, {-B1, 0}, {upperFlange ? -B2 : -tw, H}, DimensionPlace::Left),
        line("B1", input.B1, {-B1, 0}, {B1, 0}, DimensionPlace::Below),
        line("tf1", input.tf1, {B1, 0}, {B1, tf1}, DimensionPlace::Right),
        acrossWall("tw", input.tw, {-tw, tf1}, {tw, tf1}, Up, H - tf1 - tf2),
    };
    if (upperFlange) {
        shape.dimensions.push_back(line("B2", input.B2, {-B2, H}, {B2, H}, DimensionPlace::Above));
        shape.dimensions.push_back(
            line("tf2", input.tf2, {B2, H - tf2}, {B2, H}, DimensionPlace::Right));
    }
    return shape;
}

namespace {

// The channel and the Z alike: the lower flange from 0 to B2, the web at its left end or
// its right end, the upper flange (none for an angle) from the web towards +x.
SectionShape flangedShape(const FlangedSectionInput& input, bool z)
{
    const double H = approx(input.H), s = approx(input.s), B1 = approx(input.B1),
                 t1 = approx(input.t1), B2 = approx(input.B2), t2 = approx(input.t2);
    const double webLeft = z ? B2 - s : 0;
    SectionShape shape{drawn(z ? ZSectionOutline(input) : ChannelOutline(input)), {}, {}};
    shape.dimensions = {
        line("H", input.H, {0, 0}, {webLeft, H}, DimensionPlace::Left, z ? 1 : 0),
        line("B2", input.B2, {0, 0}, {B2, 0}, DimensionPlace::Below),
        line("t2", input.t2, z ? DrawnPoint{0, 0} : DrawnPoint{B2, 0},
             z ? DrawnPoint{0, t2} : DrawnPoint{B2, t2},
             z ? DimensionPlace::Left : DimensionPlace::Right),
        acrossWall("s", input.s, {webLeft, t2}, {webLeft + s, t2}, Up,
                   H - t2 - (input.angle ? 0 : t1)),
    };
    if (!input.angle) {
        const double tip = webLeft + B1;
        shape.dimensions.push_back(
            line("B1", input.B1, {webLeft, H}, {tip, H}, DimensionPlace::Above));
        shape.dimensions.push_back(
            line("t1", input.t1, {tip, H - t1}, {tip, H}, DimensionPlace::Right));
    }
    return shape;
}

const Figure* find(const SectionProperties& figures, std::string_view symbol)
{
    const auto found = std::find_if(figures.figures.begin(), figures.figures.end(),
                                    [&](const Figure& f) { return f.kind->symbol == symbol; });
    return found == figures.figures.end() ? nullptr : &*found;
}

std::optional<double> approximately(const SectionProperties& figures, std::string_view symbol)
{
    if (const Figure* f = find(figures, symbol))
        return f->value.approximately();
    return std::nullopt;
}

void move(DrawnPoint& p, double dx, double dy)
{
    p.x += dx;
    p.y += dy;
}

} // namespace

SectionShape ChannelShape(const FlangedSectionInput& input)
{
    return flangedShape(input, false);
}

SectionShape ZSectionShape(const FlangedSectionInput& input)
{
    return flangedShape(input, true);
}

SectionDrawing PlaceDrawing(SectionShape shape, const SectionProperties& figures)
{
    constexpr double Far = std::numeric_limits<double>::max();
    double left = Far, bottom = Far, right = -Far, top = -Far;
    const auto extend = [&](double x0, double y0, double x1, double y1) {
        left = std::min(left, x0);
        bottom = std::min(bottom, y0);
        right = std::max(right, x1);
        top = std::max(top, y1);
    };
    for (const DrawnContour& c : shape.contours)
        if (!c.hole)
            for (const DrawnPoint& p : c.points)
                extend(p.x, p.y, p.x, p.y);
    for (const DrawnCircle& c : shape.circles)
        if (!c.hole)
            extend(c.centre.x - c.radius, c.centre.y - c.radius, c.centre.x + c.radius,
                   c.centre.y + c.radius);
    if (left > right)
        left = right = bottom = top = 0;

    const double dx = -left, dy = -bottom;
    for (DrawnContour& c : shape.contours)
        for (DrawnPoint& p : c.points)
            move(p, dx, dy);
    for (DrawnCircle& c : shape.circles)
        move(c.centre, dx, dy);
    for (DimensionLine& d : shape.dimensions) {
        move(d.from, dx, dy);
        move(d.to, dx, dy);
    }

    SectionDrawing drawing{std::move(shape), right - left, top - bottom, {}, {}, {}, {}, {}};
    drawing.centroid = {approximately(figures, "Xc").value_or(drawing.width / 2),
                        approximately(figures, "Yc").value_or(drawing.height / 2)};
    // what coincides with the centroidal axes is drawn once, as those
    const double apart = 1e-9 * std::max(drawing.width, drawing.height);
    const auto differs = [&](double a, double b) { return std::abs(a - b) > apart; };
    const Figure* product = find(figures, "Ixy");
    if (product && product->value.sign() != 0)
        drawing.principalAngle = approximately(figures, "alpha");
    const auto xs = approximately(figures, "xs"), ys = approximately(figures, "ys");
    if (xs && ys && (differs(*xs, drawing.centroid.x) || differs(*ys, drawing.centroid.y)))
        drawing.shearCentre = DrawnPoint{*xs, *ys};
    if (const auto xpl = approximately(figures, "xpl"); xpl && differs(*xpl, drawing.centroid.x))
        drawing.plasticAxisX = xpl;
    if (const auto ypl = approximately(figures, "ypl"); ypl && differs(*ypl, drawing.centroid.y))
        drawing.plasticAxisY = ypl;
    return drawing;
}

} // namespace velkor
