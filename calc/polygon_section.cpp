#include "polygon_section.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace velkor {
namespace {

// Corners within ±2^24 (in common-denominator units) and few edges keep every sum below
// 2^110, so the usual sections are integrated in 128-bit integers; anything larger in GMP's.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UnsignedWide;
constexpr unsigned long FastCoordinateLimit = 1UL << 24;
constexpr std::size_t FastEdgeLimit = 1024;

int signOf(const Integer& value)
{
    return sgn(value);
}
int signOf(Wide value)
{
    return (value > 0) - (value < 0);
}

Integer toInteger(const Integer& value)
{
    return value;
}
Integer toInteger(Wide value)
{
    if (value >= std::numeric_limits<long>::min() && value <= std::numeric_limits<long>::max())
        return Integer(static_cast<long>(value));
    const bool negative = value < 0;
    const auto magnitude = static_cast<UnsignedWide>(negative ? -value : value);
    Integer result(static_cast<unsigned long>(magnitude >> 64));
    result <<= 64;
    result += static_cast<unsigned long>(magnitude & ~std::uint64_t(0));
    return negative ? Integer(-result) : result;
}

template <typename Int> struct IntegerPoint {
    Int x, y;
};

template <typename Int> struct Outline {
    std::vector<IntegerPoint<Int>> points;
    int sign = 1; // +1 material, −1 hole, times −1 for a clockwise outline
};

// Twice, six, twelve and twenty-four times the integrals of 1, x, y, x², y² and xy over a
// polygon with integer corners, counter-clockwise.
template <typename Int> struct Integrals {
    Int area2{0}, x6{0}, y6{0}, xx12{0}, yy12{0}, xy24{0};
};

template <typename Int> Integrals<Int> integrate(const std::vector<IntegerPoint<Int>>& points)
{
    Integrals<Int> sum;
    const std::size_t n = points.size();
    for (std::size_t k = 0; k < n; ++k) {
        const Int &x0 = points[k].x, &y0 = points[k].y;
        const Int &x1 = points[(k + 1) % n].x, &y1 = points[(k + 1) % n].y;
        const Int cross = x0 * y1 - x1 * y0;
        sum.area2 += cross;
        sum.x6 += (x0 + x1) * cross;
        sum.y6 += (y0 + y1) * cross;
        sum.xx12 += (x0 * x0 + x0 * x1 + x1 * x1) * cross;
        sum.yy12 += (y0 * y0 + y0 * y1 + y1 * y1) * cross;
        sum.xy24 += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * cross;
    }
    return sum;
}

// Over the edges wholly on the side v ≥ c = n/m of a line (m > 0), in the direction of
// the other coordinate w: Σ Δw, Σ Δw·(va + vb) and Σ Δw·(va² + va·vb + vb²); and the parts
// beyond the line of the edges that cross it. With them, 3·m²·∫(v − c)² dw over those
// parts is m²·q2 − 3·m·n·q1 + 3·n²·q0 + crossing.
template <typename Int> struct BeyondLine {
    Int q0{0}, q1{0}, q2{0};
    Rational crossing; // already in the scale of m²·q2
};

template <typename Int>
BeyondLine<Int> beyondLine(const std::vector<Outline<Int>>& outlines, Int IntegerPoint<Int>::*v,
                           Int IntegerPoint<Int>::*w, const Int& n, const Int& m)
{
    BeyondLine<Int> sums;
    for (const Outline<Int>& outline : outlines) {
        const std::size_t count = outline.points.size();
        for (std::size_t k = 0; k < count; ++k) {
            const IntegerPoint<Int>& p = outline.points[k];
            const IntegerPoint<Int>& q = outline.points[(k + 1) % count];
            const Int dw = (q.*w - p.*w) * outline.sign;
            if (signOf(dw) == 0)
                continue;
            const int sa = signOf(Int(m * (p.*v) - n)), sb = signOf(Int(m * (q.*v) - n));
            if (sa >= 0 && sb >= 0) {
                sums.q0 += dw;
                sums.q1 += dw * (p.*v + q.*v);
                sums.q2 += dw * (p.*v * p.*v + p.*v * q.*v + q.*v * q.*v);
            } else if (sa > 0 || sb > 0) {
                // Green's theorem: the part from the crossing to the end beyond the line
                // gives Δw·a³/(|a| + |b|) with a, b = m·v − n at the ends
                const Integer a = toInteger(m) * toInteger(p.*v) - toInteger(n);
                const Integer b = toInteger(m) * toInteger(q.*v) - toInteger(n);
                const Integer& beyond = sa > 0 ? a : b;
                sums.crossing +=
                    Fraction(toInteger(dw) * beyond * beyond * beyond, Integer(abs(a) + abs(b)));
            }
        }
    }
    return sums;
}

// 3·m²·∫(v − c)² dw over the parts of the outline beyond the line v = n/m.
template <typename Int>
Rational squaredDistanceIntegral(const BeyondLine<Int>& s, const Int& n, const Int& m)
{
    const Integer bigN = toInteger(n), bigM = toInteger(m);
    return Rational(bigM * bigM * toInteger(s.q2) - 3 * bigM * bigN * toInteger(s.q1) +
                    3 * bigN * bigN * toInteger(s.q0)) +
           s.crossing;
}

// The properties of outlines with integer corners in units of 1/denominator.
template <typename Int>
PolygonProperties integrateOutlines(const std::vector<std::vector<IntegerPoint<Int>>>& corners,
                                    const std::vector<bool>& holes, const Integer& denominator)
{
    std::vector<Outline<Int>> outlines;
    Integrals<Int> total;
    bool anyMaterial = false;
    Int top{0}, bottom{0}, left{0}, right{0};
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const Integrals<Int> integrals = integrate(corners[k]);
        if (signOf(integrals.area2) == 0)
            continue; // no material, no extreme fibre
        Outline<Int> outline{corners[k], signOf(integrals.area2) * (holes[k] ? -1 : 1)};
        const Int sign(outline.sign);
        total.area2 += sign * integrals.area2;
        total.x6 += sign * integrals.x6;
        total.y6 += sign * integrals.y6;
        total.xx12 += sign * integrals.xx12;
        total.yy12 += sign * integrals.yy12;
        total.xy24 += sign * integrals.xy24;
        if (!holes[k])
            for (const IntegerPoint<Int>& point : outline.points) {
                top = anyMaterial ? std::max(top, point.y) : point.y;
                bottom = anyMaterial ? std::min(bottom, point.y) : point.y;
                right = anyMaterial ? std::max(right, point.x) : point.x;
                left = anyMaterial ? std::min(left, point.x) : point.x;
                anyMaterial = true;
            }
        outlines.push_back(std::move(outline));
    }

    PolygonProperties p{};
    if (!anyMaterial || signOf(total.area2) <= 0)
        return p;
    const Integer a2 = toInteger(total.area2), x6 = toInteger(total.x6), y6 = toInteger(total.y6);
    const Integer& d = denominator;
    const Integer d2 = d * d, d4 = d2 * d2;
    // the centroid is n/m in the common-denominator units, with m = 3·(2·area)
    const Int m = Int(3) * total.area2;
    const Integer bigM = toInteger(m), md = bigM * d;
    p.area = Fraction(a2, 2 * d2);
    p.centroid = {Fraction(x6, md), Fraction(y6, md)};
    p.Ix = Fraction(3 * a2 * toInteger(total.yy12) - 2 * y6 * y6, 36 * a2 * d4);
    p.Iy = Fraction(3 * a2 * toInteger(total.xx12) - 2 * x6 * x6, 36 * a2 * d4);
    p.Ixy = Fraction(3 * a2 * toInteger(total.xy24) - 4 * x6 * y6, 72 * a2 * d4);
    p.above = Fraction(toInteger(top) * bigM - y6, md);
    p.below = Fraction(y6 - toInteger(bottom) * bigM, md);
    p.left = Fraction(x6 - toInteger(left) * bigM, md);
    p.right = Fraction(toInteger(right) * bigM - x6, md);

    // Green's theorem: ∫∫(y − yc) dA over the part above = −½ ∮ (y − yc)² dx, and to the
    // right ∫∫(x − xc) dA = ½ ∮ (x − xc)² dy; the line itself adds nothing.
    const Rational scale(6 * bigM * bigM * d2 * d);
    const auto above =
        beyondLine(outlines, &IntegerPoint<Int>::y, &IntegerPoint<Int>::x, total.y6, m);
    const auto rightOf =
        beyondLine(outlines, &IntegerPoint<Int>::x, &IntegerPoint<Int>::y, total.x6, m);
    p.Sx = -squaredDistanceIntegral(above, total.y6, m) / scale;
    p.Sy = squaredDistanceIntegral(rightOf, total.x6, m) / scale;
    return p;
}

} // namespace

PolygonProperties ComputePolygonSection(const std::vector<Contour>& section)
{
    // every corner over one common denominator
    Integer denominator = 1;
    std::size_t edges = 0;
    const auto include = [&denominator](const Integer& other) {
        if (mpz_divisible_p(denominator.get_mpz_t(), other.get_mpz_t()) == 0)
            mpz_lcm(denominator.get_mpz_t(), denominator.get_mpz_t(), other.get_mpz_t());
    };
    for (const Contour& contour : section) {
        edges += contour.points.size();
        for (const Point& point : contour.points) {
            include(point.x.get_den());
            include(point.y.get_den());
        }
    }
    std::vector<bool> holes;
    std::vector<std::vector<IntegerPoint<Integer>>> corners;
    bool fast = edges < FastEdgeLimit;
    Integer scaled;
    const auto toCommon = [&](const Rational& value) -> const Integer& {
        if (value.get_den() == denominator)
            return value.get_num();
        mpz_divexact(scaled.get_mpz_t(), denominator.get_mpz_t(), value.get_den_mpz_t());
        scaled *= value.get_num();
        return scaled;
    };
    std::vector<std::vector<IntegerPoint<Wide>>> small;
    for (const Contour& contour : section) {
        holes.push_back(contour.hole);
        auto& outline = corners.emplace_back();
        auto& smallOutline = small.emplace_back();
        for (const Point& point : contour.points) {
            IntegerPoint<Integer> corner{toCommon(point.x), 0};
            corner.y = toCommon(point.y);
            fast = fast && mpz_cmpabs_ui(corner.x.get_mpz_t(), FastCoordinateLimit) < 0 &&
                   mpz_cmpabs_ui(corner.y.get_mpz_t(), FastCoordinateLimit) < 0;
            if (fast)
                smallOutline.push_back({Wide(corner.x.get_si()), Wide(corner.y.get_si())});
            outline.push_back(std::move(corner));
        }
    }
    return fast ? integrateOutlines(small, holes, denominator)
                : integrateOutlines(corners, holes, denominator);
}

Contour Rectangle(const Rational& x, const Rational& y, const Rational& width,
                  const Rational& height, bool hole)
{
    Contour contour = Box(x, y, x + width, y + height);
    contour.hole = hole;
    return contour;
}

Contour Box(const Rational& left, const Rational& bottom, const Rational& right,
            const Rational& top)
{
    Contour contour;
    contour.points.reserve(4);
    contour.points.push_back({left, bottom});
    contour.points.push_back({right, bottom});
    contour.points.push_back({right, top});
    contour.points.push_back({left, top});
    return contour;
}

} // namespace velkor
