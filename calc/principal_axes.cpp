#include "principal_axes.h"

#include <mpfr.h>

#include <cmath>
#include <numbers>

namespace velkor {
namespace {

// atan2(y, x)·90/π in degrees, half the angle of the point (x, y), where it is irrational.
class HalfAngle : public Enclosure {
public:
    HalfAngle(Rational y, Rational x)
        : y(std::move(y))
        , x(std::move(x))
    {
    }

    // Each of the five roundings (y, x, atan2, ·90, /π) is within half an ulp, and atan2
    // does not magnify a relative error of its arguments (|t/((1 + t²)·atan t)| <= 1): the
    // result is within a few units of 2^-bits of the angle, relatively; the bound used is
    // 2^(6 − bits).
    void bounds(long bits, Rational& low, Rational& high) const override
    {
        mpfr_t ry, rx, angle, pi;
        mpfr_inits2(bits, ry, rx, angle, pi, static_cast<mpfr_ptr>(nullptr));
        // the two over one denominator, as whole numbers: each rounded once
        mpfr_set_z(ry, Integer(y.get_num() * x.get_den()).get_mpz_t(), MPFR_RNDN);
        mpfr_set_z(rx, Integer(x.get_num() * y.get_den()).get_mpz_t(), MPFR_RNDN);
        mpfr_atan2(angle, ry, rx, MPFR_RNDN);
        mpfr_mul_ui(angle, angle, 90, MPFR_RNDN);
        mpfr_const_pi(pi, MPFR_RNDN);
        mpfr_div(angle, angle, pi, MPFR_RNDN);
        Rational middle;
        mpfr_get_q(middle.get_mpq_t(), angle);
        mpfr_clears(ry, rx, angle, pi, static_cast<mpfr_ptr>(nullptr));

        Rational error = abs(middle);
        mpq_div_2exp(error.get_mpq_t(), error.get_mpq_t(), static_cast<mp_bitcnt_t>(bits - 6));
        low = middle - error;
        high = middle + error;
    }

    double approximately() const override
    {
        return std::atan2(y.get_d(), x.get_d()) * (90 / std::numbers::pi);
    }

private:
    Rational y, x;
};

} // namespace

Real HalfAngleInDegrees(const Rational& y, const Rational& x)
{
    // atan2 is a rational number of degrees only at multiples of 45°
    const int sy = sgn(y), sx = sgn(x);
    if (sy == 0)
        return Real(sx < 0 ? 90 : 0);
    if (sx == 0)
        return Real(sy > 0 ? 45 : -45);
    if (abs(y) == abs(x))
        return Real(Rational(Rational(sx > 0 ? 45 : 135, 2) * sy));
    return Real::Enclosing(std::make_shared<HalfAngle>(y, x));
}

PrincipalAxes PrincipalAxesOf(const Rational& Ix, const Rational& Iy, const Rational& Ixy)
{
    const Rational mean = (Ix + Iy) / 2;
    const Rational halfDifference = (Ix - Iy) / 2;
    const Rational radicand = halfDifference * halfDifference + Ixy * Ixy;
    // The moment about the axis at θ is mean + halfDifference·cos 2θ − Ixy·sin 2θ: largest
    // where tan 2θ = −Ixy / halfDifference.
    return {Real::Quadratic(mean, 1, radicand), Real::Quadratic(mean, -1, radicand),
            HalfAngleInDegrees(-Ixy, halfDifference)};
}

} // namespace velkor
