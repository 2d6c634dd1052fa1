#include "polygon_parts.h"

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>

namespace velkor {
namespace {

// Twice the signed area of a contour: positive for a counter-clockwise one.
Rational doubleArea(const std::vector<Point>& points)
{
    Rational sum;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Point& a = points[k];
        const Point& b = points[(k + 1) % points.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

// +1 for material traced counter-clockwise, −1 for a hole, the opposite when clockwise;
// 0 for an outline without area, which is no material.
int weightOf(const Contour& contour)
{
    const int orientation = sgn(doubleArea(contour.points));
    return contour.hole ? -orientation : orientation;
}

bool isRationalSquare(const Rational& q, Rational& root)
{
    if (sgn(q) < 0 || mpz_perfect_square_p(q.get_num_mpz_t()) == 0 ||
        mpz_perfect_square_p(q.get_den_mpz_t()) == 0)
        return false;
    root = Fraction(sqrt(q.get_num()), sqrt(q.get_den()));
    return true;
}

} // namespace

// Green's theorem over the part beyond the line, whose boundary is the outlines' parts
// beyond it and a stretch of the line itself, along which v − c is 0: with u = v − c,
// area = s·∮u dw and moment = (s/2)·∮u² dw, s = −1 for v = y, w = x and s = +1 for v = x,
// w = y. An edge wholly beyond gives Δw·(ua + ub)/2 and Δw·(ua² + ua·ub + ub²)/3; one that
// crosses gives Δw·e²/(2(|ua| + |ub|)) and Δw·e³/(3(|ua| + |ub|)), e the end beyond.
PartBeyond PartBeyondLine(const std::vector<Contour>& section, Direction line, const Rational& c)
{
    const bool alongX = line == Direction::AlongX;
    PartBeyond part;
    for (const Contour& contour : section) {
        const int weight = weightOf(contour);
        if (weight == 0)
            continue;
        const std::size_t n = contour.points.size();
        for (std::size_t k = 0; k < n; ++k) {
            const Point& p = contour.points[k];
            const Point& q = contour.points[(k + 1) % n];
            const Rational ua = (alongX ? p.y : p.x) - c, ub = (alongX ? q.y : q.x) - c;
            const Rational dw = alongX ? Rational(q.x - p.x) : Rational(q.y - p.y);
            if (sgn(dw) == 0)
                continue;
            Rational first, second;
            if (sgn(ua) >= 0 && sgn(ub) >= 0) {
                first = dw * (ua + ub) / 2;
                second = dw * (ua * ua + ua * ub + ub * ub) / 3;
            } else if (sgn(ua) > 0 || sgn(ub) > 0) {
                const Rational& beyond = sgn(ua) > 0 ? ua : ub;
                const Rational across = abs(ua) + abs(ub);
                first = dw * beyond * beyond / (2 * across);
                second = dw * beyond * beyond * beyond / (3 * across);
            }
            part.area += weight * first;
            part.moment += weight * second;
        }
    }
    if (alongX) {
        part.area = -part.area;
        part.moment = -part.moment;
    }
    part.moment /= 2;
    return part;
}

// The area beyond the line falls from the whole to nothing as the line moves across; it
// is linear where every edge crossed runs across the line, and quadratic in a strip of
// slanted edges. The axis lies at a corner's level, or where the strip's polynomial meets
// half the area: three exact values of it give its coefficients.
PlasticAxis PlasticAxisOf(const std::vector<Contour>& section, Direction line, const Rational& area,
                          const Rational& centroid)
{
    std::set<Rational> levels;
    for (const Contour& contour : section)
        for (const Point& point : contour.points)
            levels.insert(line == Direction::AlongX ? point.y : point.x);
    const Rational half = area / 2;
    const auto excess = [&](const Rational& c) {
        return Rational(PartBeyondLine(section, line, c).area - half);
    };

    std::optional<Rational> axis;
    Rational previous = *levels.begin(), previousExcess = excess(previous);
    for (const Rational& level : levels) {
        const Rational here = excess(level);
        if (sgn(here) == 0) {
            axis = level;
            break;
        }
        if (sgn(previousExcess) > 0 && sgn(here) < 0) {
            // f(u) = f0 + β·u + γ·u² on u = c − previous ∈ (0, h)
            const Rational h = level - previous;
            const Rational middle = excess(previous + h / 2);
            const Rational gamma = 2 * (here - 2 * middle + previousExcess) / (h * h);
            const Rational beta = (here - previousExcess) / h - gamma * h;
            if (sgn(gamma) == 0) {
                axis = previous - previousExcess / beta;
            } else {
                Rational root;
                if (!isRationalSquare(beta * beta - 4 * gamma * previousExcess, root))
                    throw std::logic_error("an equal-area axis through a slanted strip");
                for (const Rational& u : {Rational((-beta + root) / (2 * gamma)),
                                          Rational((-beta - root) / (2 * gamma))})
                    if (sgn(u) > 0 && u < h)
                        axis = previous + u;
            }
            break;
        }
        previous = level;
        previousExcess = here;
    }
    if (!axis)
        throw std::logic_error("no line halves the area");
    // ∫|v − c| dA = 2·(moment beyond) − A·(centroid − c), the part short of the line
    // having the moment of the part beyond less A·(centroid − c)
    const PartBeyond beyond = PartBeyondLine(section, line, *axis);
    return {*axis, Rational(2 * beyond.moment - area * (centroid - *axis))};
}

Rational OutlineLength(const std::vector<Contour>& section, bool holes)
{
    struct Edge {
        std::size_t contour;
        bool horizontal;
        Rational at, from, to; // the line it lies on, and its extent along it
    };
    std::vector<Edge> edges;
    for (std::size_t k = 0; k < section.size(); ++k) {
        const Contour& contour = section[k];
        if (contour.hole != holes || weightOf(contour) == 0)
            continue;
        const std::size_t n = contour.points.size();
        for (std::size_t e = 0; e < n; ++e) {
            const Point& p = contour.points[e];
            const Point& q = contour.points[(e + 1) % n];
            if (p.y == q.y)
                edges.push_back({k, true, p.y, std::min(p.x, q.x), std::max(p.x, q.x)});
            else if (p.x == q.x)
                edges.push_back({k, false, p.x, std::min(p.y, q.y), std::max(p.y, q.y)});
            else
                throw std::logic_error("the outline of a slanted edge");
        }
    }
    Rational length;
    for (const Edge& edge : edges)
        length += edge.to - edge.from;
    // a stretch where two outlines touch is inside the material, on both of them
    for (std::size_t a = 0; a < edges.size(); ++a)
        for (std::size_t b = a + 1; b < edges.size(); ++b) {
            const Edge &e = edges[a], &f = edges[b];
            if (e.contour == f.contour || e.horizontal != f.horizontal || e.at != f.at)
                continue;
            const Rational shared = std::min(e.to, f.to) - std::max(e.from, f.from);
            if (sgn(shared) > 0)
                length -= 2 * shared;
        }
    return length;
}

} // namespace velkor
