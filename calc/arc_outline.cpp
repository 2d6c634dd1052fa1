#include "arc_outline.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace velkor {
namespace {

bool isRationalSquare(const Rational& q)
{
    return sgn(q) >= 0 && mpz_perfect_square_p(q.get_num_mpz_t()) != 0 &&
           mpz_perfect_square_p(q.get_den_mpz_t()) != 0;
}

Rational rationalRoot(const Rational& square)
{
    return Fraction(sqrt(square.get_num()), sqrt(square.get_den()));
}

// The length of (dx, dy): rational along the axes, a multiple of √d along a slope.
RootNumber lengthOf(const Rational& dx, const Rational& dy, const SlopeField* field)
{
    const Rational square = dx * dx + dy * dy;
    if (isRationalSquare(square))
        return rationalRoot(square);
    if (field == nullptr || !isRationalSquare(Rational(square / field->radicand)))
        throw std::invalid_argument("a face neither along the axes nor along the slope");
    return RootNumber(0, rationalRoot(Rational(square / field->radicand)), field);
}

struct Face {
    RootPoint direction; // of unit length
    RootNumber length;
};

Face faceBetween(const Point& a, const Point& b, const SlopeField* field)
{
    const Rational dx = b.x - a.x, dy = b.y - a.y;
    const RootNumber length = lengthOf(dx, dy, field);
    if (length.sign() == 0)
        throw std::invalid_argument("two corners in one place");
    return {{RootNumber(dx) / length, RootNumber(dy) / length}, length};
}

RootPoint at(const Point& p)
{
    return {p.x, p.y};
}

RootPoint along(const RootPoint& p, const RootPoint& direction, const RootNumber& distance)
{
    return {p.x + direction.x * distance, p.y + direction.y * distance};
}

// The corner's rounding: where it leaves the incoming face and meets the outgoing one.
struct Rounding {
    RootPoint in, out; // the tangent points, or the corner itself
    OutlineEdge arc;
    bool rounded = false;
};

Rounding roundCorner(const Point& corner, const Face& incoming, const Face& outgoing,
                     const Rational& radius, const SlopeField* field)
{
    const RootPoint p = at(corner);
    if (sgn(radius) == 0)
        return {p, p, {}, false};
    if (sgn(radius) < 0)
        throw std::invalid_argument("a negative radius");
    const RootPoint& u = incoming.direction;
    const RootPoint& v = outgoing.direction;
    const RootNumber cosine = u.x * v.x + u.y * v.y;
    const RootNumber sine = u.x * v.y - u.y * v.x; // > 0 turning left
    const int turn = sine.sign();
    if (turn == 0)
        throw std::invalid_argument("a rounded corner between faces in line");
    // the tangent points lie radius·tan(φ/2) from the corner, tan(φ/2) = (1 − cos φ)/|sin φ|
    const RootNumber reach =
        RootNumber(radius) * (RootNumber(1) - cosine) / (turn > 0 ? sine : RootNumber(-sine));
    Rounding r;
    r.rounded = true;
    r.in = along(p, u, -reach);
    r.out = along(p, v, reach);
    // the centre: to the left of the faces at a convex corner, to the right at a fillet
    const RootPoint normal = turn > 0 ? RootPoint{-u.y, u.x} : RootPoint{u.y, -u.x};
    OutlineEdge& arc = r.arc;
    arc.arc = true;
    arc.from = r.in;
    arc.to = r.out;
    arc.radius = radius;
    arc.centre = along(r.in, normal, radius);
    const RootNumber rho(radius);
    arc.cosStart = (r.in.x - arc.centre.x) / rho;
    arc.sinStart = (r.in.y - arc.centre.y) / rho;
    arc.cosEnd = (r.out.x - arc.centre.x) / rho;
    arc.sinEnd = (r.out.y - arc.centre.y) / rho;
    arc.start = DirectionAngle(arc.cosStart, arc.sinStart, field);
    Angle sweep = DirectionAngle(arc.cosEnd, arc.sinEnd, field) - arc.start;
    // the arc turns as the faces do, by less than a half turn
    const double radians = sweep.approximately();
    if (turn > 0 && radians <= 0)
        sweep.turns += 2;
    else if (turn < 0 && radians >= 0)
        sweep.turns -= 2;
    arc.sweep = sweep;
    return r;
}

// Whether b lies ahead of a along the unit direction, or on it.
bool notBehind(const RootPoint& a, const RootPoint& b, const RootPoint& direction)
{
    return ((b.x - a.x) * direction.x + (b.y - a.y) * direction.y).sign() >= 0;
}

} // namespace

ArcOutline ArcOutline::RoundedPolygon(const std::vector<Point>& corners,
                                      const std::vector<Rational>& radii, const SlopeField* field)
{
    const std::size_t n = corners.size();
    if (n < 3 || radii.size() != n)
        throw std::invalid_argument("an outline needs three corners and a radius for each");
    std::vector<Face> faces;
    faces.reserve(n);
    for (std::size_t k = 0; k < n; ++k)
        faces.push_back(faceBetween(corners[k], corners[(k + 1) % n], field));
    std::vector<Rounding> roundings;
    roundings.reserve(n);
    for (std::size_t k = 0; k < n; ++k)
        roundings.push_back(
            roundCorner(corners[k], faces[(k + n - 1) % n], faces[k], radii[k], field));

    ArcOutline outline;
    outline.slope = field;
    for (std::size_t k = 0; k < n; ++k) {
        const Rounding& here = roundings[k];
        if (here.rounded)
            outline.outline.push_back(here.arc);
        // the face from this corner's rounding to the next one's
        const RootPoint& from = here.out;
        const RootPoint& to = roundings[(k + 1) % n].in;
        if (!notBehind(from, to, faces[k].direction))
            throw std::invalid_argument("radii too large for their face");
        if (from == to)
            continue;
        OutlineEdge face;
        face.from = from;
        face.to = to;
        face.lineFrom = corners[k];
        face.lineTo = corners[(k + 1) % n];
        face.length = faces[k].direction.x.sign() != 0
                          ? RootNumber((to.x - from.x) / faces[k].direction.x)
                          : RootNumber((to.y - from.y) / faces[k].direction.y);
        outline.outline.push_back(face);
    }

    // the extremes: at corners, or inside an arc where it faces along an axis
    RootNumber& left = outline.extremes[0];
    RootNumber& right = outline.extremes[1];
    RootNumber& bottom = outline.extremes[2];
    RootNumber& top = outline.extremes[3];
    left = right = outline.outline.front().from.x;
    bottom = top = outline.outline.front().from.y;
    const auto extend = [&](const RootNumber& x, const RootNumber& y) {
        if (x < left)
            left = x;
        if (right < x)
            right = x;
        if (y < bottom)
            bottom = y;
        if (top < y)
            top = y;
    };
    for (const OutlineEdge& edge : outline.outline) {
        extend(edge.from.x, edge.from.y);
        if (!edge.arc)
            continue;
        const RootNumber rho(edge.radius);
        const RootPoint& c = edge.centre;
        for (int quarter = 0; quarter < 4; ++quarter)
            if (SweepPassesThrough(edge, quarter * std::numbers::pi / 2))
                extend(quarter == 0   ? c.x + rho
                       : quarter == 2 ? c.x - rho
                                      : c.x,
                       quarter == 1   ? c.y + rho
                       : quarter == 3 ? c.y - rho
                                      : c.y);
    }
    return outline;
}

bool SweepPassesThrough(const OutlineEdge& arc, double radians)
{
    // the ends differ from a multiple of π/2 by 0 or by at least min(τ, π/4 − τ): doubles
    // decide, with a margin far beyond their rounding
    constexpr double margin = 1e-9;
    const double a = arc.start.approximately();
    const double b = a + arc.sweep.approximately();
    const double low = std::min(a, b), high = std::max(a, b);
    const double turn = 2 * std::numbers::pi;
    double t = radians + turn * std::ceil((low - radians) / turn);
    if (t - low < margin)
        t += turn;
    return t < high - margin;
}

template <typename Map> bool ArcOutline::mirrored(Map map) const
{
    // every edge has its image among the edges, traced the other way
    for (const OutlineEdge& edge : outline) {
        const RootPoint from = map(edge.to), to = map(edge.from);
        bool found = false;
        for (const OutlineEdge& other : outline)
            if (other.arc == edge.arc && other.from == from && other.to == to &&
                (!edge.arc || (other.radius == edge.radius && other.centre == map(edge.centre)))) {
                found = true;
                break;
            }
        if (!found)
            return false;
    }
    return true;
}

bool ArcOutline::mirroredAcrossY(const RootNumber& c) const
{
    const RootNumber twice = c + c;
    return mirrored([&](const RootPoint& p) { return RootPoint{p.x, twice - p.y}; });
}

bool ArcOutline::mirroredAcrossX(const RootNumber& c) const
{
    const RootNumber twice = c + c;
    return mirrored([&](const RootPoint& p) { return RootPoint{twice - p.x, p.y}; });
}

bool ArcOutline::mirroredAcrossDiagonal() const
{
    return mirrored([](const RootPoint& p) { return RootPoint{p.y, p.x}; });
}

std::vector<std::pair<double, double>> ArcOutline::polygon(ArcsBy arcs, int pieces) const
{
    std::vector<std::pair<double, double>> points;
    for (const OutlineEdge& edge : outline) {
        if (!edge.arc) {
            points.emplace_back(edge.from.x.approximately(), edge.from.y.approximately());
            continue;
        }
        const double cx = edge.centre.x.approximately(), cy = edge.centre.y.approximately();
        const double rho = edge.radius.get_d();
        const double a = edge.start.approximately(), sweep = edge.sweep.approximately();
        const int n = std::max(pieces, 1);
        if (arcs == ArcsBy::Chords) {
            for (int k = 0; k < n; ++k) {
                const double t = a + sweep * k / n;
                points.emplace_back(cx + rho * std::cos(t), cy + rho * std::sin(t));
            }
            continue;
        }
        // the tangents at the ends and at the middle of each part, corner to corner
        const double step = sweep / n;
        const double reach = rho / std::cos(step / 2);
        points.emplace_back(edge.from.x.approximately(), edge.from.y.approximately());
        for (int k = 0; k < n; ++k) {
            const double t = a + step * (k + 0.5);
            points.emplace_back(cx + reach * std::cos(t), cy + reach * std::sin(t));
        }
        points.emplace_back(edge.to.x.approximately(), edge.to.y.approximately());
    }
    return points;
}

} // namespace velkor
