#include "arc_outline.h"

#include <cmath>
#include <stdexcept>

namespace velkor {
namespace {

struct Approximate {
    double x, y;
};

Approximate approximately(const RootPoint& p)
{
    return {p.x.approximately(), p.y.approximately()};
}

bool isRational(const RootPoint& p)
{
    return p.x.isRational() && p.y.isRational();
}

Point rationalOf(const RootPoint& p)
{
    return {p.x.rationalPart(), p.y.rationalPart()};
}

// The rational point of a face's line nearest to p (every point a + t·(b − a) with a
// rational t is rational and on the line).
Point onLine(const OutlineEdge& face, Approximate p)
{
    const double ax = face.lineFrom.x.get_d(), ay = face.lineFrom.y.get_d();
    const double dx = face.lineTo.x.get_d() - ax, dy = face.lineTo.y.get_d() - ay;
    const Rational t(((p.x - ax) * dx + (p.y - ay) * dy) / (dx * dx + dy * dy));
    return {face.lineFrom.x + t * (face.lineTo.x - face.lineFrom.x),
            face.lineFrom.y + t * (face.lineTo.y - face.lineFrom.y)};
}

RootNumber squaredDistance(const Point& p, const RootPoint& c)
{
    const RootNumber dx = RootNumber(p.x) - c.x, dy = RootNumber(p.y) - c.y;
    return dx * dx + dy * dy;
}

// Whether the line through a and b keeps at least `radius` from c.
bool clearOfCircle(const Point& a, const Point& b, const RootPoint& c, const Rational& radius)
{
    const Rational ex = b.x - a.x, ey = b.y - a.y;
    const RootNumber cross = RootNumber(ex) * (c.y - a.y) - RootNumber(ey) * (c.x - a.x);
    return !(cross * cross < RootNumber(Rational(radius * radius * (ex * ex + ey * ey))));
}

// The point p moved along the face's direction by `by` (negative: back along it).
Approximate movedAlong(const OutlineEdge& face, Approximate p, double by)
{
    const double dx = face.lineTo.x.get_d() - face.lineFrom.x.get_d();
    const double dy = face.lineTo.y.get_d() - face.lineFrom.y.get_d();
    const double length = std::hypot(dx, dy);
    return {p.x + dx / length * by, p.y + dy / length * by};
}

// An end of an arc on its face, left a little before the tangent point where that is
// irrational: `away` is −1 to move back along the face before the arc, +1 along the one
// after it. The point must lie strictly beyond the tangent point the way it moved.
Point faceEnd(const OutlineEdge* face, const RootPoint& tangent, int away, const Rational& radius)
{
    if (isRational(tangent))
        return rationalOf(tangent);
    if (face == nullptr)
        throw std::logic_error("an irrational tangent point between two arcs");
    const double direction[2] = {face->lineTo.x.get_d() - face->lineFrom.x.get_d(),
                                 face->lineTo.y.get_d() - face->lineFrom.y.get_d()};
    for (double by = 1e-9 * radius.get_d(); by < radius.get_d(); by *= 16) {
        const Point p = onLine(*face, movedAlong(*face, approximately(tangent), away * by));
        const RootNumber along =
            (RootNumber(p.x) - tangent.x) * RootNumber(Rational(direction[0])) +
            (RootNumber(p.y) - tangent.y) * RootNumber(Rational(direction[1]));
        if (along.sign() == away)
            return p;
    }
    throw std::logic_error("no rational point beside a tangent point");
}

void addChords(std::vector<Point>& polygon, const OutlineEdge& arc, const OutlineEdge* before,
               const OutlineEdge* after, int pieces)
{
    const Approximate c = approximately(arc.centre);
    const double rho = arc.radius.get_d();
    const double start = arc.start.approximately(), sweep = arc.sweep.approximately();
    const RootNumber limit(Rational(arc.radius * arc.radius));
    polygon.push_back(faceEnd(before, arc.from, -1, arc.radius));
    for (int k = 1; k < pieces; ++k) {
        const double t = start + sweep * k / pieces;
        // on the arc's inner side, strictly inside its circle
        for (double shrink = 1e-12;; shrink *= 16) {
            const double r = rho * (1 - shrink);
            const Point p{Rational(c.x + r * std::cos(t)), Rational(c.y + r * std::sin(t))};
            if (squaredDistance(p, arc.centre) < limit) {
                polygon.push_back(p);
                break;
            }
            if (shrink > 1e-3)
                throw std::logic_error("no rational point inside an arc");
        }
    }
    polygon.push_back(faceEnd(after, arc.to, 1, arc.radius));
}

void addTangents(std::vector<Point>& polygon, const OutlineEdge& arc, const OutlineEdge* before,
                 const OutlineEdge* after, int pieces)
{
    const Approximate c = approximately(arc.centre);
    const double rho = arc.radius.get_d();
    const double start = arc.start.approximately(), sweep = arc.sweep.approximately();
    const double half = sweep / pieces / 2;
    for (double grow = 1e-12;; grow *= 16) {
        if (grow > 1e-3)
            throw std::logic_error("no rational tangents around an arc");
        // the corners where the tangents at the ends and at the parts' ends meet, a little
        // farther out; the first and last on the faces' lines
        std::vector<Point> corners;
        const double reach = rho / std::cos(half) * (1 + grow);
        for (int k = 0; k < pieces; ++k) {
            const double t = start + half * (2 * k + 1);
            const Approximate p{c.x + reach * std::cos(t), c.y + reach * std::sin(t)};
            if (k == 0 && before != nullptr)
                corners.push_back(onLine(*before, p));
            else if (k == pieces - 1 && after != nullptr)
                corners.push_back(onLine(*after, p));
            else
                corners.push_back({Rational(p.x), Rational(p.y)});
        }
        bool clear = true;
        for (std::size_t k = 0; clear && k + 1 < corners.size(); ++k)
            clear = clearOfCircle(corners[k], corners[k + 1], arc.centre, arc.radius);
        // a single part: its corner must keep off the circle beside the faces
        for (std::size_t k = 0; clear && k < corners.size(); ++k)
            clear = !(squaredDistance(corners[k], arc.centre) <
                      RootNumber(Rational(arc.radius * arc.radius)));
        if (clear) {
            polygon.insert(polygon.end(), corners.begin(), corners.end());
            return;
        }
    }
}

} // namespace

std::vector<Point> BoundingPolygon(const ArcOutline& outline, PolygonBound bound, int pieces)
{
    pieces = std::max(pieces, 1);
    const auto& edges = outline.edges();
    const std::size_t n = edges.size();
    std::vector<Point> polygon;
    for (std::size_t k = 0; k < n; ++k) {
        const OutlineEdge& e = edges[k];
        const OutlineEdge& previous = edges[(k + n - 1) % n];
        if (!e.arc) {
            if (!previous.arc) // a sharp corner
                polygon.push_back(rationalOf(e.from));
            continue;
        }
        const OutlineEdge* before = previous.arc ? nullptr : &previous;
        const OutlineEdge* after = edges[(k + 1) % n].arc ? nullptr : &edges[(k + 1) % n];
        // chords lie inside the circle: inside a convex arc's material, outside a fillet's
        const bool chords = (bound == PolygonBound::Inside) != e.concave();
        if (chords)
            addChords(polygon, e, before, after, pieces);
        else
            addTangents(polygon, e, before, after, pieces);
    }
    return polygon;
}

} // namespace velkor
