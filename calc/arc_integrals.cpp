#include "arc_integrals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace velkor {
namespace {

// ∫ cos^a θ · sin^b θ dθ = κ·θ + Σ g·cos^i θ·sin^j θ, from the reduction formulas
//   a ≥ 2:  I(a, b) = cos^(a−1)·sin^(b+1)/(a + b) + (a − 1)/(a + b)·I(a − 2, b)
//   b ≥ 2:  I(a, b) = −cos^(a+1)·sin^(b−1)/(a + b) + (b − 1)/(a + b)·I(a, b − 2)
// with I(0, 0) = θ, I(1, 0) = sin, I(0, 1) = −cos, I(1, 1) = sin²/2.
struct TrigTerm {
    int cosines, sines;
    Rational coefficient;
};
struct TrigIntegral {
    Rational kappa;
    std::vector<TrigTerm> terms;
};

constexpr int MaxDegree = 4;

TrigIntegral reduced(int a, int b)
{
    if (a == 0 && b == 0)
        return {1, {}};
    if (a == 1 && b == 0)
        return {0, {{0, 1, 1}}};
    if (a == 0 && b == 1)
        return {0, {{1, 0, -1}}};
    if (a == 1 && b == 1)
        return {0, {{0, 2, Rational(1, 2)}}};
    const int n = a + b;
    TrigIntegral result = a >= 2 ? reduced(a - 2, b) : reduced(a, b - 2);
    const Rational factor = Fraction(a >= 2 ? a - 1 : b - 1, n);
    result.kappa *= factor;
    for (TrigTerm& term : result.terms)
        term.coefficient *= factor;
    if (a >= 2)
        result.terms.push_back({a - 1, b + 1, Rational(1, n)});
    else
        result.terms.push_back({a + 1, b - 1, Rational(-1, n)});
    return result;
}

const TrigIntegral& trigIntegral(int a, int b)
{
    static const auto table = [] {
        std::array<std::array<TrigIntegral, MaxDegree + 1>, MaxDegree + 1> t;
        for (int i = 0; i <= MaxDegree; ++i)
            for (int j = 0; i + j <= MaxDegree; ++j)
                t[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = reduced(i, j);
        return t;
    }();
    return table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
}

// Powers 0…MaxDegree of the cosine and sine at one end of an arc.
template <typename Number> struct TrigPowers {
    std::array<Number, MaxDegree + 1> c, s;
    TrigPowers(const Number& cosine, const Number& sine)
    {
        c[0] = Number(1);
        s[0] = Number(1);
        for (std::size_t k = 1; k <= MaxDegree; ++k) {
            c[k] = c[k - 1] * cosine;
            s[k] = s[k - 1] * sine;
        }
    }
};

template <typename Number>
Number polynomialAt(const TrigIntegral& integral, const TrigPowers<Number>& p)
{
    Number sum(0);
    for (const TrigTerm& term : integral.terms)
        sum += Number(term.coefficient) * p.c[static_cast<std::size_t>(term.cosines)] *
               p.s[static_cast<std::size_t>(term.sines)];
    return sum;
}

// The definite integrals I(a, b) of one arc: `Sum` holds κ·Δθ (ExactValue or Ball),
// `Number` the polynomial's values (RootNumber or Ball).
template <typename Sum, typename Number> class ArcIntegrals {
public:
    ArcIntegrals(const Sum& sweep, const TrigPowers<Number>& start, const TrigPowers<Number>& end)
        : sweep(sweep)
        , start(start)
        , end(end)
    {
    }

    Sum operator()(int a, int b) const
    {
        const TrigIntegral& integral = trigIntegral(a, b);
        Sum value = Sum(polynomialAt(integral, end) - polynomialAt(integral, start));
        if (sgn(integral.kappa) != 0)
            value += times(sweep, Number(integral.kappa));
        return value;
    }

private:
    static Sum times(const Sum& s, const Number& n) { return s * n; }

    const Sum& sweep;
    const TrigPowers<Number>& start;
    const TrigPowers<Number>& end;
};

} // namespace

OutlineMoments MomentsOf(const ArcOutline& outline)
{
    OutlineMoments m;
    const Rational half(1, 2), third(1, 3), quarter(1, 4), twelfth(1, 12);
    for (const OutlineEdge& e : outline.edges()) {
        if (!e.arc) {
            // Green's theorem along a straight face: the terms in Δy and in Δx apart, as
            // most faces run along one axis
            const RootNumber &x0 = e.from.x, &y0 = e.from.y, &x1 = e.to.x, &y1 = e.to.y;
            const RootNumber dx = x1 - x0, dy = y1 - y0;
            if (!dy.isZero()) {
                const RootNumber xx = x0 * x0 + x0 * x1 + x1 * x1;
                m.area += dy * (x0 + x1) * half;
                m.firstX += dy * xx * Rational(1, 6);
                m.secondX += dy * ((x0 + x1) * (x0 * x0 + x1 * x1)) * twelfth;
                // ½·Δy·∫(x0 + tΔx)²(y0 + tΔy) dt
                const RootNumber x0x0 = x0 * x0, dxdx = dx * dx;
                m.product +=
                    dy * half *
                    (x0x0 * y0 + (x0x0 * dy + RootNumber(2) * x0 * y0 * dx) * half +
                     (RootNumber(2) * x0 * dx * dy + dxdx * y0) * third + dxdx * dy * quarter);
            }
            if (!dx.isZero()) {
                const RootNumber yy = y0 * y0 + y0 * y1 + y1 * y1;
                m.firstY -= dx * yy * Rational(1, 6);
                m.secondY -= dx * ((y0 + y1) * (y0 * y0 + y1 * y1)) * twelfth;
            }
            m.perimeter += e.length;
            continue;
        }
        const RootNumber &cx = e.centre.x, &cy = e.centre.y;
        const RootNumber rho(e.radius);
        const RootNumber rho2 = rho * rho, rho3 = rho2 * rho, rho4 = rho3 * rho;
        const ExactValue sweep = ExactValue::OfAngle(e.sweep);
        const TrigPowers<RootNumber> start(e.cosStart, e.sinStart), end(e.cosEnd, e.sinEnd);
        const ArcIntegrals<ExactValue, RootNumber> I(sweep, start, end);
        const ExactValue I10 = I(1, 0), I20 = I(2, 0), I30 = I(3, 0), I01 = I(0, 1), I02 = I(0, 2),
                         I03 = I(0, 3);
        const RootNumber cx2 = cx * cx, cy2 = cy * cy;
        m.area += I10 * (cx * rho) + I20 * rho2;
        m.firstX += (I10 * (cx2 * rho) + I20 * (RootNumber(2) * cx * rho2) + I30 * rho3) * half;
        m.firstY += (I01 * (cy2 * rho) + I02 * (RootNumber(2) * cy * rho2) + I03 * rho3) * half;
        m.secondX += (I10 * (cx2 * cx * rho) + I20 * (RootNumber(3) * cx2 * rho2) +
                      I30 * (RootNumber(3) * cx * rho3) + I(4, 0) * rho4) *
                     third;
        m.secondY += (I01 * (cy2 * cy * rho) + I02 * (RootNumber(3) * cy2 * rho2) +
                      I03 * (RootNumber(3) * cy * rho3) + I(0, 4) * rho4) *
                     third;
        m.product += (I10 * (cx2 * cy * rho) + I(1, 1) * (cx2 * rho2) +
                      I20 * (RootNumber(2) * cx * cy * rho2) +
                      I(2, 1) * (RootNumber(2) * cx * rho3) + I30 * (cy * rho3) + I(3, 1) * rho4) *
                     half;
        m.perimeter += sweep * RootNumber(sgn(e.sweep.turns) < 0 ? Rational(-e.radius) : e.radius);
    }
    return m;
}

namespace {

// One stretch of an arc over which the coordinate measured across the line only rises or
// only falls: between its ends and the angles where the arc faces along that coordinate.
struct Stretch {
    Ball from, to; // angles
    Ball cosFrom, sinFrom, cosTo, sinTo;
    Ball vFrom, vTo;   // the coordinate across the line at the ends
    double middle = 0; // the angle halfway, roughly
};

std::vector<Stretch> stretchesOf(const OutlineEdge& e, LineAlong line)
{
    const double a = e.start.approximately(), sweep = e.sweep.approximately();
    // the angles where y (along X) or x (along Y) is extreme: ±π/2 or 0, π, and their turns
    std::vector<Angle> cuts;
    const double low = std::min(a, a + sweep), high = std::max(a, a + sweep);
    const Rational offset = line == LineAlong::X ? Rational(1, 2) : Rational(0);
    for (long k = static_cast<long>(std::floor(low / std::numbers::pi)) - 1;
         k * std::numbers::pi <= high + std::numbers::pi; ++k) {
        const Angle cut{Rational(offset + k), 0, nullptr};
        const double t = cut.approximately();
        if (t > low + 1e-9 && t < high - 1e-9)
            cuts.push_back(cut);
    }
    if (sweep < 0)
        std::reverse(cuts.begin(), cuts.end());

    const Ball rho(e.radius);
    const Ball cx = e.centre.x.ball(), cy = e.centre.y.ball();
    const auto coordinate = [&](const Ball& cosine, const Ball& sine) {
        return line == LineAlong::X ? cy + rho * sine : cx + rho * cosine;
    };
    std::vector<Stretch> stretches;
    Ball angle = e.start.ball(), cosine = e.cosStart.ball(), sine = e.sinStart.ball();
    double previous = a;
    const auto close = [&](const Ball& to, const Ball& c, const Ball& s, double approximate) {
        stretches.push_back({angle, to, cosine, sine, c, s, coordinate(cosine, sine),
                             coordinate(c, s), (previous + approximate) / 2});
        angle = to;
        cosine = c;
        sine = s;
        previous = approximate;
    };
    for (const Angle& cut : cuts) {
        // the cut is a multiple of π/2: its cosine and sine are 0 or ±1
        const long quarter = std::lround(cut.approximately() / (std::numbers::pi / 2));
        const long q = ((quarter % 4) + 4) % 4;
        close(cut.ball(),
              Ball(q == 0   ? 1
                   : q == 2 ? -1
                            : 0),
              Ball(q == 1   ? 1
                   : q == 3 ? -1
                            : 0),
              cut.approximately());
    }
    close((e.start + e.sweep).ball(), e.cosEnd.ball(), e.sinEnd.ball(), a + sweep);
    return stretches;
}

// Which side of the line a coordinate lies: 1 beyond, −1 short of it, 0 undecided.
int sideOf(const Ball& u)
{
    return u.positive() ? 1 : u.negative() ? -1 : 0;
}

struct PartSums {
    Ball area, moment;
    void add(const BallPart& p)
    {
        area += p.area;
        moment += p.moment;
    }
};

BallPart unionOf(const BallPart& a, const BallPart& b)
{
    return {Ball::Union(a.area, b.area), Ball::Union(a.moment, b.moment)};
}

// A straight edge's part beyond the line: with u = v − c at its ends and Δw along the
// line, ∫u dw = Δw·(ua + ub)/2 and ∫u² dw = Δw·(ua² + ua·ub + ub²)/3 wholly beyond, and
// Δw·e²/(2(|ua| + |ub|)), Δw·e³/(3(|ua| + |ub|)) for a crossing one, e the end beyond.
BallPart faceBeyond(const Ball& ua, const Ball& ub, const Ball& dw, int sign)
{
    const auto whole = [&] {
        return BallPart{dw * (ua + ub) / Ball(2), dw * (ua * ua + ua * ub + ub * ub) / Ball(3)};
    };
    const auto crossing = [&](const Ball& beyond) {
        const Ball across = Abs(ua) + Abs(ub);
        return BallPart{dw * beyond * beyond / (Ball(2) * across),
                        dw * beyond * beyond * beyond / (Ball(3) * across)};
    };
    const int sa = sideOf(ua), sb = sideOf(ub);
    BallPart p;
    if (sa > 0 && sb > 0)
        p = whole();
    else if (sa < 0 && sb < 0)
        return {};
    else if (sa != 0 && sb != 0)
        p = crossing(sa > 0 ? ua : ub);
    else if (sa == 0 && sb == 0) {
        // both ends on the line, as far as can be told: between nothing and the edge's
        // whole extent at the largest |u|
        const Ball reach = Max(Abs(ua), Abs(ub));
        p = unionOf({}, {dw * reach, dw * reach * reach});
    } else {
        const int decided = sa != 0 ? sa : sb;
        const Ball& known = sa != 0 ? ua : ub;
        const Ball& open = sa != 0 ? ub : ua;
        // the end that cannot be placed is beyond or short of the line
        p = decided > 0 ? unionOf(whole(), crossing(known)) : unionOf({}, crossing(open));
    }
    // along X the area is −∫u dx and the moment −½∫u² dx; along Y +∫u dy and +½∫u² dy
    return {Ball(sign) * p.area, Ball(sign) * p.moment / Ball(2)};
}

// A stretch of an arc beyond the line, from the angle (t0, c0, s0) to (t1, c1, s1).
BallPart arcStretch(const OutlineEdge& e, LineAlong line, const Ball& c, const Ball& t0,
                    const Ball& c0, const Ball& s0, const Ball& t1, const Ball& c1, const Ball& s1)
{
    const Ball rho(e.radius);
    const TrigPowers<Ball> start(c0, s0), end(c1, s1);
    const Ball sweep = t1 - t0;
    const ArcIntegrals<Ball, Ball> I(sweep, start, end);
    if (line == LineAlong::X) {
        // −∫(y − c) dx and −½∫(y − c)² dx with y = cy + ρ·sin, dx = −ρ·sin dθ
        const Ball h = e.centre.y.ball() - c;
        const Ball I01 = I(0, 1), I02 = I(0, 2);
        return {rho * h * I01 + rho * rho * I02,
                rho * (h * h * I01 + Ball(2) * h * rho * I02 + rho * rho * I(0, 3)) / Ball(2)};
    }
    // ∫(x − c) dy and ½∫(x − c)² dy with x = cx + ρ·cos, dy = ρ·cos dθ
    const Ball h = e.centre.x.ball() - c;
    const Ball I10 = I(1, 0), I20 = I(2, 0);
    return {rho * h * I10 + rho * rho * I20,
            rho * (h * h * I10 + Ball(2) * h * rho * I20 + rho * rho * I(3, 0)) / Ball(2)};
}

BallPart arcBeyond(const OutlineEdge& e, LineAlong line, const Ball& c)
{
    PartSums sum;
    const Ball rho(e.radius);
    for (const Stretch& s : stretchesOf(e, line)) {
        const Ball ua = s.vFrom - c, ub = s.vTo - c;
        const int sa = sideOf(ua), sb = sideOf(ub);
        const auto whole = [&] {
            return arcStretch(e, line, c, s.from, s.cosFrom, s.sinFrom, s.to, s.cosTo, s.sinTo);
        };
        // the angle where the stretch crosses the line, and the part beyond from there
        const auto crossing = [&](bool endBeyond) {
            const Ball q =
                (c - (line == LineAlong::X ? e.centre.y.ball() : e.centre.x.ball())) / rho;
            const Ball other = Sqrt(Ball(1) - q * q);
            Ball t, cosine, sine;
            if (line == LineAlong::X) {
                // within [nπ − π/2, nπ + π/2]: t = nπ + (−1)ⁿ·asin q
                const long n = std::lround(s.middle / std::numbers::pi);
                const bool even = n % 2 == 0;
                t = Ball(n) * Ball::Pi() + (even ? Asin(q) : -Asin(q));
                sine = q;
                cosine = even ? other : -other;
            } else {
                // within [nπ, nπ + π]: t = nπ + acos q for even n, (n + 1)π − acos q for odd
                const long n = static_cast<long>(std::floor(s.middle / std::numbers::pi));
                const bool even = n % 2 == 0;
                t = even ? Ball(n) * Ball::Pi() + Acos(q) : Ball(n + 1) * Ball::Pi() - Acos(q);
                cosine = q;
                sine = even ? other : -other;
            }
            return endBeyond
                       ? arcStretch(e, line, c, t, cosine, sine, s.to, s.cosTo, s.sinTo)
                       : arcStretch(e, line, c, s.from, s.cosFrom, s.sinFrom, t, cosine, sine);
        };
        if (sa > 0 && sb > 0)
            sum.add(whole());
        else if (sa < 0 && sb < 0)
            continue;
        else if (sa != 0 && sb != 0)
            sum.add(crossing(sb > 0));
        else if (sa == 0 && sb == 0)
            return {Ball::Anything(), Ball::Anything()};
        else {
            const bool endBeyond = sa == 0 ? sb > 0 : sa < 0;
            const bool knownBeyond = (sa == 0 ? sb : sa) > 0;
            sum.add(unionOf(knownBeyond ? whole() : BallPart{}, crossing(endBeyond)));
        }
    }
    return {sum.area, sum.moment};
}

} // namespace

BallPart PartBeyond(const ArcOutline& outline, LineAlong line, const Ball& c)
{
    PartSums sum;
    for (const OutlineEdge& e : outline.edges()) {
        if (e.arc) {
            sum.add(arcBeyond(e, line, c));
            continue;
        }
        if (line == LineAlong::X)
            sum.add(faceBeyond(e.from.y.ball() - c, e.to.y.ball() - c,
                               e.to.x.ball() - e.from.x.ball(), -1));
        else
            sum.add(faceBeyond(e.from.x.ball() - c, e.to.x.ball() - c,
                               e.to.y.ball() - e.from.y.ball(), 1));
    }
    return {sum.area, sum.moment};
}

} // namespace velkor
