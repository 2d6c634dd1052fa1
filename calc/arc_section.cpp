#include "arc_section.h"

#include "arc_integrals.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>

namespace velkor {
namespace {

using namespace figure;

// The equal-area axis across one direction where no symmetry gives it, and the plastic
// modulus about it, at each precision asked for. The area beyond the line falls steadily
// as the line moves: a bracket [low, high] whose ends are proven on either side of the
// root closes in on it by regula falsi (the Illinois variant), and ∫|v − c| dA, smallest
// at the root with slope A − 2·(area beyond), lies within Wpl(low) − 2·f(low)·(high − low)
// and Wpl(low), f being the area beyond less half the whole.
class PlasticAxisSearch {
public:
    PlasticAxisSearch(std::shared_ptr<const ArcOutline> outline, LineAlong line, FigureValue area,
                      FigureValue centroid, double from, double to)
        : outline(std::move(outline))
        , line(line)
        , area(std::move(area))
        , centroid(std::move(centroid))
        , from(std::floor(from) - 1)
        , to(std::ceil(to) + 1)
    {
    }

    Ball position() const { return settled().position; }
    Ball modulus() const { return settled().modulus; }

private:
    struct Result {
        long bits = 0;
        Ball position, modulus;
    };

    const Result& settled() const
    {
        const std::lock_guard<std::mutex> lock(guard);
        if (last.bits != WorkingPrecision::bits())
            last = search();
        return last;
    }

    Result search() const
    {
        const long bits = WorkingPrecision::bits();
        const Ball half = area.ball() / Ball(2);
        const auto excess = [&](const Rational& c) {
            return PartBeyond(*outline, line, Ball(c)).area - half;
        };
        Rational low = from, high = to;
        Ball fLow = excess(low), fHigh = excess(high);
        Ball weightLow = fLow, weightHigh = fHigh; // halved where an end is kept twice
        Rational tolerance = high - low;
        mpq_div_2exp(tolerance.get_mpq_t(), tolerance.get_mpq_t(),
                     static_cast<mp_bitcnt_t>(std::max(bits - 8, 8L)));
        int kept = 0;
        const auto narrowAround = [&](const Rational& c) {
            // c is as near the root as the precision can tell: the nearest points either
            // side of it that it can place
            for (Rational reach = tolerance; reach < high - low; reach *= 4) {
                const Rational below = c - reach, above = c + reach;
                if (below <= low || above >= high)
                    return;
                const Ball fBelow = excess(below), fAbove = excess(above);
                if (fBelow.positive() && fAbove.negative()) {
                    low = below;
                    high = above;
                    fLow = fBelow;
                    return;
                }
            }
        };
        for (long step = 0; step < 64 + bits && high - low > tolerance; ++step) {
            Rational c;
            const Ball secant =
                (Ball(low) * weightHigh - Ball(high) * weightLow) / (weightHigh - weightLow);
            if (secant.finite())
                c = secant.exactMidpoint();
            if (!(low < c && c < high))
                c = (low + high) / 2;
            const Ball fc = excess(c);
            if (fc.positive()) {
                low = c;
                fLow = weightLow = fc;
                if (kept > 0)
                    weightHigh /= Ball(2);
                kept = 1;
            } else if (fc.negative()) {
                high = c;
                fHigh = weightHigh = fc;
                if (kept < 0)
                    weightLow /= Ball(2);
                kept = -1;
            } else {
                narrowAround(c);
                break;
            }
        }
        Result result;
        result.bits = bits;
        result.position = Ball::Union(Ball(low), Ball(high));
        const BallPart beyond = PartBeyond(*outline, line, Ball(low));
        const Ball atLow = Ball(2) * beyond.moment - area.ball() * (centroid.ball() - Ball(low));
        result.modulus = Ball::Union(atLow, atLow - Ball(2) * fLow * Ball(Rational(high - low)));
        return result;
    }

    std::shared_ptr<const ArcOutline> outline;
    LineAlong line;
    FigureValue area, centroid;
    Rational from, to; // outside the section on either side
    mutable std::mutex guard;
    mutable Result last;
};

// The farthest fibre from a principal axis through the centroid (gx, gy), at `degrees`
// from X: among the corners, and on each arc where it faces straight away from the axis.
Ball farthestFromAxis(const ArcOutline& outline, const Ball& gx, const Ball& gy,
                      const Ball& degrees, bool aboutU)
{
    const Ball theta = degrees * Ball::Pi() / Ball(180);
    Ball sine, cosine;
    arb_sin_cos(sine.get(), cosine.get(), theta.get(), WorkingPrecision::bits());
    // the unit normal of the axis: (−sin, cos) for u, (cos, sin) for v
    const Ball nx = aboutU ? -sine : cosine, ny = aboutU ? cosine : sine;
    const auto across = [&](const Ball& x, const Ball& y) { return nx * (x - gx) + ny * (y - gy); };
    Ball farthest;
    std::vector<Ball> perhaps; // extremes of arcs that may or may not face away
    const Ball normalAngle = Atan2(ny, nx), turn = Ball(2) * Ball::Pi();
    for (const OutlineEdge& e : outline.edges()) {
        farthest = Max(farthest, Abs(across(e.from.x.ball(), e.from.y.ball())));
        if (!e.arc)
            continue;
        const Ball rho(e.radius);
        const Ball centre = across(e.centre.x.ball(), e.centre.y.ball());
        const Ball a = e.start.ball(), b = (e.start + e.sweep).ball();
        const Ball low = sgn(e.sweep.turns) > 0 ? a : b, high = sgn(e.sweep.turns) > 0 ? b : a;
        for (int side = 0; side < 2; ++side) {
            const Ball direction = side == 0 ? normalAngle : normalAngle + Ball::Pi();
            const Ball extreme = Abs(side == 0 ? centre + rho : centre - rho);
            for (long k = -2; k <= 2; ++k) {
                const Ball t = direction + Ball(k) * turn;
                if (t > low && t < high)
                    farthest = Max(farthest, extreme);
                else if (!(t < low || t > high))
                    perhaps.push_back(extreme);
            }
        }
    }
    for (const Ball& extreme : perhaps)
        farthest = Ball::Union(farthest, Max(farthest, extreme));
    return farthest;
}

} // namespace

ArcSectionFigures::ArcSectionFigures(std::shared_ptr<const ArcOutline> outline)
    : shape(std::move(outline))
{
    const ArcOutline& o = *shape;
    const OutlineMoments m = MomentsOf(o);
    const bool diagonal = o.mirroredAcrossDiagonal();
    const FigureValue A(m.area);
    const FigureValue firstX(m.firstX), firstY(m.firstY);
    const FigureValue gy = firstY / A;
    const FigureValue gx = diagonal ? gy : firstX / A;
    const FigureValue Ix = FigureValue(m.secondY) - firstY * gy;
    const FigureValue Iy = diagonal ? Ix : FigureValue(m.secondX) - firstX * gx;
    const FigureValue Ixy = FigureValue(m.product) - firstX * gy;
    const FigureValue xmin(o.left()), xmax(o.right()), ymin(o.bottom()), ymax(o.top());
    const FigureValue left = gx - xmin, right = xmax - gx, below = gy - ymin, above = ymax - gy;

    FigureValue Iu = Max(Ix, Iy), Iv = Min(Ix, Iy), alpha = HalfAngleOf(FigureValue(0), Ix - Iy);
    const bool principalXY = Ixy.isExact() && Ixy.exact().isZero();
    if (!principalXY) {
        const FigureValue difference = Ix - Iy;
        alpha = HalfAngleOf(FigureValue(-2) * Ixy, difference);
        if (difference.isExact() && difference.exact().isZero()) {
            Iu = Ix + Abs(Ixy);
            Iv = Ix - Abs(Ixy);
        } else {
            const FigureValue half = difference / FigureValue(2), mean = (Ix + Iy) / FigureValue(2);
            const FigureValue radius = Sqrt(half * half + Ixy * Ixy);
            Iu = mean + radius;
            Iv = mean - radius;
        }
    }

    const auto beyond = [shape = shape](LineAlong line, const FigureValue& at) {
        return FigureValue::Computed([=] { return PartBeyond(*shape, line, at.ball()).moment; });
    };
    const FigureValue Sx = beyond(LineAlong::X, gy);
    const FigureValue Sy = diagonal ? Sx : beyond(LineAlong::Y, gx);

    add(figure::A, A);
    add(Xc, left);
    add(Yc, below);
    add(figure::Ix, Ix);
    add(figure::Iy, Iy);
    add(figure::Ixy, Ixy);
    add(figure::Iu, Iu);
    add(figure::Iv, Iv);
    add(figure::alpha, alpha);
    add(Wx, Ix / Max(above, below));
    add(Wy, Iy / Max(left, right));
    add(W1x, Ix / above);
    add(W2x, Ix / below);
    add(W1y, Iy / left);
    add(W2y, Iy / right);
    add(ix, Sqrt(Ix / A));
    add(iy, diagonal ? *find(ix) : Sqrt(Iy / A));
    add(iu, Sqrt(Iu / A));
    add(iv, Sqrt(Iv / A));
    add(figure::Sx, Sx);
    add(figure::Sy, Sy);

    // the plastic axes: the axis of symmetry where there is one, else found
    const auto plastic = [&](LineAlong line, const FigureValue& centroid, const FigureValue& edge,
                             const FigureValue& halfMoment, bool symmetric, double from,
                             double to) {
        if (symmetric)
            return std::pair{centroid - edge, FigureValue(2) * halfMoment};
        const auto search = std::make_shared<PlasticAxisSearch>(shape, line, A, centroid, from, to);
        return std::pair{FigureValue::Computed([=] { return search->position(); }) - edge,
                         FigureValue::Computed([=] { return search->modulus(); })};
    };
    const auto symmetricAcross = [&](const FigureValue& c, bool alongX) {
        if (!c.isExact() || !c.exact().isAlgebraic())
            return false;
        const RootNumber& at = c.exact().algebraicPart();
        return alongX ? o.mirroredAcrossY(at) : o.mirroredAcrossX(at);
    };
    const auto [ypl, Wplx] = plastic(LineAlong::X, gy, ymin, Sx, symmetricAcross(gy, true),
                                     o.bottom().approximately(), o.top().approximately());
    add(figure::Wplx, Wplx);
    if (diagonal) {
        add(figure::Wply, Wplx);
        add(xpl, ypl);
    } else {
        const auto [position, modulus] =
            plastic(LineAlong::Y, gx, xmin, Sy, symmetricAcross(gx, false),
                    o.left().approximately(), o.right().approximately());
        add(figure::Wply, modulus);
        add(xpl, position);
    }
    add(figure::ypl, ypl);

    if (!principalXY) {
        const auto modulus = [&](const FigureValue& I, bool aboutU) {
            return I / FigureValue::Computed([=, shape = shape] {
                       return farthestFromAxis(*shape, gx.ball(), gy.ball(), alpha.ball(), aboutU);
                   });
        };
        add(Wu, modulus(Iu, true));
        add(Wv, modulus(Iv, false));
    }
    add(Ip, Ix + Iy);
    const FigureValue perimeter(m.perimeter);
    add(U, perimeter);
    add(surface, perimeter / FigureValue(1000));
}

void ArcSectionFigures::add(const FigureKind& kind, FigureValue value)
{
    values.emplace_back(&kind, std::move(value));
}

const FigureValue* ArcSectionFigures::find(const FigureKind& kind) const
{
    for (const auto& [k, value] : values)
        if (k == &kind)
            return &value;
    return nullptr;
}

SectionProperties ArcSectionFigures::properties(const std::vector<const FigureKind*>& kinds) const
{
    SectionProperties result{{}, area().toReal()};
    result.figures.reserve(kinds.size());
    for (const FigureKind* kind : kinds)
        if (const FigureValue* value = find(*kind))
            result.add(*kind, value->toReal(),
                       kind == &surface ? model::OuterSurface : std::string_view{});
    return result;
}

} // namespace velkor
