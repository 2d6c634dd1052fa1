#include "polygon_section.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <type_traits>

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

// 128-bit arithmetic that notes an overflow rather than wrapping around: the figures of
// an ordinary section fit, and are then found without GMP.
struct Checked {
    Checked(Wide value = 0) // NOLINT: a number is a checked number
        : value(value)
    {
    }

    Wide value;
    bool overflow = false;

    friend Checked operator+(Checked a, Checked b)
    {
        Checked r;
        r.overflow = a.overflow || b.overflow || __builtin_add_overflow(a.value, b.value, &r.value);
        return r;
    }
    friend Checked operator-(Checked a, Checked b)
    {
        Checked r;
        r.overflow = a.overflow || b.overflow || __builtin_sub_overflow(a.value, b.value, &r.value);
        return r;
    }
    friend Checked operator*(Checked a, Checked b)
    {
        Checked r;
        r.overflow = a.overflow || b.overflow || __builtin_mul_overflow(a.value, b.value, &r.value);
        return r;
    }
};

Checked checked(Wide value)
{
    return Checked(value);
}

UnsignedWide greatestCommonDivisor(UnsignedWide a, UnsignedWide b)
{
    while (b != 0) {
        const UnsignedWide rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

// A fraction of checked integers in lowest terms, or nothing after an overflow.
std::optional<Rational> fraction(Checked numerator, Checked denominator)
{
    if (numerator.overflow || denominator.overflow)
        return std::nullopt;
    Wide n = numerator.value, d = denominator.value;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const auto divisor = static_cast<Wide>(greatestCommonDivisor(
        static_cast<UnsignedWide>(n < 0 ? -n : n), static_cast<UnsignedWide>(d)));
    Rational value;
    value.get_num() = toInteger(n / divisor);
    value.get_den() = toInteger(d / divisor);
    return value; // in lowest terms already, with a positive denominator
}

std::optional<Rational> fraction(const Integer& numerator, const Integer& denominator)
{
    return Fraction(numerator, denominator);
}

// What the figures are made of, in the common-denominator units: the integrals, the
// extreme corners of material, and the parts beyond the centroidal axes.
template <typename N> struct Totals {
    N area2, x6, y6, xx12, yy12, xy24;
    N top, bottom, left, right;
    N aboveQ0, aboveQ1, aboveQ2, rightQ0, rightQ1, rightQ2;
    N denominator;
};

// The figures from the totals, each fraction in lowest terms; nothing when a number
// outgrows N. With m = 3·(2·area), the centroid is (x6/m, y6/m); Green's theorem gives the
// first moment of the part above it as −½ ∮ (y − yc)² dx, 3·m²·∮ being
// m²·q2 − 3·m·y6·q1 + 3·y6²·q0, and that of the part to its right as ½ ∮ (x − xc)² dy.
template <typename N> std::optional<PolygonProperties> figuresOf(const Totals<N>& t)
{
    const N three = N(3), two = N(2), four = N(4);
    const N& a2 = t.area2;
    const N m = three * a2, d = t.denominator;
    const N md = m * d, d2 = d * d, d4 = d2 * d2;
    const N moments = N(36) * a2 * d4;
    const N scale = N(6) * m * m * d2 * d;
    const auto beyond = [&](const N& n, const N& q0, const N& q1, const N& q2) -> N {
        return m * m * q2 - three * m * n * q1 + three * n * n * q0;
    };
    const std::optional<Rational> parts[] = {
        fraction(a2, two * d2),
        fraction(t.x6, md),
        fraction(t.y6, md),
        fraction(three * a2 * t.yy12 - two * t.y6 * t.y6, moments),
        fraction(three * a2 * t.xx12 - two * t.x6 * t.x6, moments),
        fraction(three * a2 * t.xy24 - four * t.x6 * t.y6, two * moments),
        fraction(t.top * m - t.y6, md),
        fraction(t.y6 - t.bottom * m, md),
        fraction(t.x6 - t.left * m, md),
        fraction(t.right * m - t.x6, md),
        fraction(N(0) - beyond(t.y6, t.aboveQ0, t.aboveQ1, t.aboveQ2), scale),
        fraction(beyond(t.x6, t.rightQ0, t.rightQ1, t.rightQ2), scale),
    };
    for (const auto& part : parts)
        if (!part)
            return std::nullopt;
    return PolygonProperties{*parts[0], {*parts[1], *parts[2]},
                             *parts[3], *parts[4],
                             *parts[5], *parts[6],
                             *parts[7], *parts[8],
                             *parts[9], *parts[10],
                             *parts[11]};
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
    if (!anyMaterial || signOf(total.area2) <= 0)
        return {};

    const Int m = Int(3) * total.area2;
    const auto above =
        beyondLine(outlines, &IntegerPoint<Int>::y, &IntegerPoint<Int>::x, total.y6, m);
    const auto rightOf =
        beyondLine(outlines, &IntegerPoint<Int>::x, &IntegerPoint<Int>::y, total.x6, m);
    // the parts of slanted edges that cross an axis are rare fractions: GMP's
    if constexpr (std::is_same_v<Int, Wide>)
        if (sgn(above.crossing) == 0 && sgn(rightOf.crossing) == 0 &&
            mpz_fits_slong_p(denominator.get_mpz_t()) != 0) {
            const Totals<Checked> small{checked(total.area2),
                                        checked(total.x6),
                                        checked(total.y6),
                                        checked(total.xx12),
                                        checked(total.yy12),
                                        checked(total.xy24),
                                        checked(top),
                                        checked(bottom),
                                        checked(left),
                                        checked(right),
                                        checked(above.q0),
                                        checked(above.q1),
                                        checked(above.q2),
                                        checked(rightOf.q0),
                                        checked(rightOf.q1),
                                        checked(rightOf.q2),
                                        checked(denominator.get_si())};
            if (auto figures = figuresOf(small))
                return *figures;
        }
    const Totals<Integer> exact{toInteger(total.area2),
                                toInteger(total.x6),
                                toInteger(total.y6),
                                toInteger(total.xx12),
                                toInteger(total.yy12),
                                toInteger(total.xy24),
                                toInteger(top),
                                toInteger(bottom),
                                toInteger(left),
                                toInteger(right),
                                toInteger(above.q0),
                                toInteger(above.q1),
                                toInteger(above.q2),
                                toInteger(rightOf.q0),
                                toInteger(rightOf.q1),
                                toInteger(rightOf.q2),
                                denominator};
    PolygonProperties p = *figuresOf(exact);
    // the crossing parts, in the scale of m²·q2, divided like the rest
    const Integer bigM = toInteger(m);
    const Rational scale(6 * bigM * bigM * denominator * denominator * denominator);
    p.Sx -= above.crossing / scale;
    p.Sy += rightOf.crossing / scale;
    return p;
}

} // namespace

PolygonProperties ComputePolygonSection(const std::vector<Contour>& section)
{
    // every corner over one common denominator
    Integer denominator = 1;
    std::size_t edges = 0;
    for (const Contour& contour : section) {
        edges += contour.points.size();
        for (const Point& point : contour.points)
            for (const Rational* coordinate : {&point.x, &point.y})
                if (coordinate->get_den() != 1 &&
                    mpz_divisible_p(denominator.get_mpz_t(), coordinate->get_den_mpz_t()) == 0)
                    mpz_lcm(denominator.get_mpz_t(), denominator.get_mpz_t(),
                            coordinate->get_den_mpz_t());
    }
    std::vector<bool> holes;
    for (const Contour& contour : section)
        holes.push_back(contour.hole);

    // Small corners go straight into 128-bit integers, the rest through GMP's.
    const bool smallDenominator = mpz_cmp_ui(denominator.get_mpz_t(), FastCoordinateLimit) < 0;
    const long d = smallDenominator ? denominator.get_si() : 0;
    const auto small = [&](const Rational& value, Wide& scaled) {
        if (!smallDenominator || mpz_cmpabs_ui(value.get_num_mpz_t(), FastCoordinateLimit) >= 0)
            return false;
        scaled = Wide(value.get_num().get_si()) * (d / value.get_den().get_si());
        return scaled < Wide(FastCoordinateLimit) && scaled > -Wide(FastCoordinateLimit);
    };
    if (edges < FastEdgeLimit) {
        std::vector<std::vector<IntegerPoint<Wide>>> corners;
        bool fits = true;
        for (const Contour& contour : section) {
            auto& outline = corners.emplace_back();
            outline.reserve(contour.points.size());
            for (const Point& point : contour.points) {
                IntegerPoint<Wide> corner;
                fits = fits && small(point.x, corner.x) && small(point.y, corner.y);
                outline.push_back(corner);
            }
        }
        if (fits)
            return integrateOutlines(corners, holes, denominator);
    }
    std::vector<std::vector<IntegerPoint<Integer>>> corners;
    for (const Contour& contour : section) {
        auto& outline = corners.emplace_back();
        for (const Point& point : contour.points)
            outline.push_back({point.x.get_num() * (denominator / point.x.get_den()),
                               point.y.get_num() * (denominator / point.y.get_den())});
    }
    return integrateOutlines(corners, holes, denominator);
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
