#include "polygon_section.h"

#include <algorithm>
#include <limits>

namespace velkor {
namespace {

// Integrals of 1, x, y, x², y², xy over a polygon, positive for material.
struct Integrals {
    double area = 0, x = 0, y = 0, xx = 0, yy = 0, xy = 0;

    void add(const Integrals& other, double sign)
    {
        area += sign * other.area;
        x += sign * other.x;
        y += sign * other.y;
        xx += sign * other.xx;
        yy += sign * other.yy;
        xy += sign * other.xy;
    }
};

Integrals integrate(const std::vector<Point>& points, Point origin)
{
    Integrals sum;
    const std::size_t n = points.size();
    for (std::size_t k = 0; k < n; ++k) {
        const double x0 = points[k].x - origin.x, y0 = points[k].y - origin.y;
        const double x1 = points[(k + 1) % n].x - origin.x, y1 = points[(k + 1) % n].y - origin.y;
        const double cross = x0 * y1 - x1 * y0;
        sum.area += cross;
        sum.x += (x0 + x1) * cross;
        sum.y += (y0 + y1) * cross;
        sum.xx += (x0 * x0 + x0 * x1 + x1 * x1) * cross;
        sum.yy += (y0 * y0 + y0 * y1 + y1 * y1) * cross;
        sum.xy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * cross;
    }
    sum.area /= 2;
    sum.x /= 6;
    sum.y /= 6;
    sum.xx /= 12;
    sum.yy /= 12;
    sum.xy /= 24;
    if (sum.area < 0) { // clockwise: the same region, integrals of the opposite sign
        Integrals positive;
        positive.add(sum, -1);
        return positive;
    }
    return sum;
}

Integrals integrate(const std::vector<Contour>& section, Point origin)
{
    Integrals total;
    for (const Contour& contour : section)
        total.add(integrate(contour.points, origin), contour.hole ? -1 : 1);
    return total;
}

// The part of a polygon on the side of the line coordinate(p) = 0 where it is positive
// (Sutherland–Hodgman against one line; any simple polygon, convex or not).
template <typename Coordinate>
std::vector<Point> clip(const std::vector<Point>& points, Coordinate coordinate)
{
    std::vector<Point> kept;
    const std::size_t n = points.size();
    kept.reserve(2 * n); // each vertex keeps itself and adds at most one crossing
    for (std::size_t k = 0; k < n; ++k) {
        const Point a = points[k], b = points[(k + 1) % n];
        const double ca = coordinate(a), cb = coordinate(b);
        if (ca >= 0)
            kept.push_back(a);
        if ((ca > 0 && cb < 0) || (ca < 0 && cb > 0)) {
            const double t = ca / (ca - cb);
            kept.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
        }
    }
    return kept;
}

} // namespace

PolygonProperties ComputePolygonSection(const std::vector<Contour>& section)
{
    double top = -std::numeric_limits<double>::infinity(), bottom = -top, left = -top,
           right = top;
    for (const Contour& contour : section) {
        if (contour.hole)
            continue;
        for (const Point& point : contour.points) {
            top = std::max(top, point.y);
            bottom = std::min(bottom, point.y);
            left = std::min(left, point.x);
            right = std::max(right, point.x);
        }
    }

    // A first pass about the middle of the outline finds the centroid; the second
    // integrates about it, so no parallel-axis term subtracts large numbers.
    const Point middle{(left + right) / 2, (bottom + top) / 2};
    const Integrals rough = integrate(section, middle);
    const Point first{middle.x + rough.x / rough.area, middle.y + rough.y / rough.area};
    const Integrals exact = integrate(section, first);
    const double dx = exact.x / exact.area, dy = exact.y / exact.area;
    const Point centroid{first.x + dx, first.y + dy};

    PolygonProperties p{};
    p.area = exact.area;
    p.centroid = centroid;
    p.Ix = exact.yy - exact.area * dy * dy;
    p.Iy = exact.xx - exact.area * dx * dx;
    p.Ixy = exact.xy - exact.area * dx * dy;
    p.above = top - centroid.y;
    p.below = centroid.y - bottom;
    p.left = centroid.x - left;
    p.right = right - centroid.x;

    for (const Contour& contour : section) {
        const double sign = contour.hole ? -1 : 1;
        const auto upper = clip(contour.points, [&](Point q) { return q.y - p.centroid.y; });
        const auto rightPart = clip(contour.points, [&](Point q) { return q.x - p.centroid.x; });
        if (upper.size() >= 3)
            p.Sx += sign * integrate(upper, centroid).y;
        if (rightPart.size() >= 3)
            p.Sy += sign * integrate(rightPart, centroid).x;
    }
    return p;
}

Contour Rectangle(double x, double y, double width, double height, bool hole)
{
    return {{{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}}, hole};
}

Contour Box(double left, double bottom, double right, double top)
{
    return {{{left, bottom}, {right, bottom}, {right, top}, {left, top}}};
}

} // namespace velkor
