#include "torsion.h"

#include <mpfr.h>

#include <algorithm>
#include <cmath>

namespace velkor {
namespace {

// The series for a solid rectangle, long side a, short side b. With
// tanh(x) = 1 − 2/(e^(2x) + 1) the sum over odd n is (31/32)·ζ(5) less a series that
// falls by e^(−2π·a/b) <= e^(−2π) from term to term, so a few terms reach any precision.
// 1 − (192/π⁵)·(b/a)·Σ stays above 0.37: the relative error of the result is a few
// units of 2^-bits; the bound used is 2^(10 − bits), plus the series' tail.
class RectangleTorsion : public Enclosure {
public:
    RectangleTorsion(Rational a, Rational b)
        : a(std::move(a))
        , b(std::move(b))
    {
    }

    void bounds(long bits, Rational& low, Rational& high) const override
    {
        mpfr_t pi, ratio, sum, term, exponential, factor, result;
        mpfr_inits2(bits + 16, pi, ratio, sum, term, exponential, factor, result,
                    static_cast<mpfr_ptr>(nullptr));
        mpfr_const_pi(pi, MPFR_RNDN);
        mpfr_set_q(ratio, Rational(a / b).get_mpq_t(), MPFR_RNDN); // a/b >= 1
        mpfr_zeta_ui(sum, 5, MPFR_RNDN);
        mpfr_mul_ui(sum, sum, 31, MPFR_RNDN);
        mpfr_div_ui(sum, sum, 32, MPFR_RNDN);
        // subtract 2/(n⁵·(e^(nπa/b) + 1)) while it matters at this precision
        for (unsigned long n = 1;; n += 2) {
            mpfr_mul(exponential, pi, ratio, MPFR_RNDN);
            mpfr_mul_ui(exponential, exponential, n, MPFR_RNDN);
            mpfr_exp(exponential, exponential, MPFR_RNDN);
            mpfr_add_ui(exponential, exponential, 1, MPFR_RNDN);
            mpfr_ui_div(term, 2, exponential, MPFR_RNDN);
            for (int k = 0; k < 5; ++k)
                mpfr_div_ui(term, term, n, MPFR_RNDN);
            mpfr_sub(sum, sum, term, MPFR_RNDN);
            // the rest is below this term's 1/500th; stop when that is far below 2^-bits
            if (mpfr_zero_p(term) || mpfr_get_exp(term) < -(bits + 12))
                break;
        }
        // (192/π⁵)·(b/a)
        mpfr_pow_ui(factor, pi, 5, MPFR_RNDN);
        mpfr_ui_div(factor, 192, factor, MPFR_RNDN);
        mpfr_div(factor, factor, ratio, MPFR_RNDN);
        mpfr_mul(result, factor, sum, MPFR_RNDN);
        mpfr_ui_sub(result, 1, result, MPFR_RNDN);
        Rational shape;
        mpfr_get_q(shape.get_mpq_t(), result);
        mpfr_clears(pi, ratio, sum, term, exponential, factor, result,
                    static_cast<mpfr_ptr>(nullptr));

        const Rational middle = shape * a * b * b * b / 3;
        Rational error = abs(middle);
        mpq_div_2exp(error.get_mpq_t(), error.get_mpq_t(), static_cast<mp_bitcnt_t>(bits - 10));
        low = middle - error;
        high = middle + error;
    }

    double approximately() const override
    {
        const double ratio = Rational(a / b).get_d(), pi = 3.14159265358979323846;
        double sum = 0;
        for (int n = 1; n < 40; n += 2)
            sum += std::tanh(n * pi * ratio / 2) / std::pow(n, 5);
        return (1 - 192 / std::pow(pi, 5) / ratio * sum) * Rational(a * b * b * b / 3).get_d();
    }

private:
    Rational a, b;
};

} // namespace

Real SolidRectangleTorsion(const Rational& width, const Rational& height)
{
    const Rational& longSide = std::max(width, height);
    const Rational& shortSide = std::min(width, height);
    return Real::Enclosing(std::make_shared<RectangleTorsion>(longSide, shortSide));
}

Rational BredtTubeTorsion(const Rational& B, const Rational& b, const Rational& H,
                          const Rational& h)
{
    const Rational enclosed = (B - b) * (H - h);
    const Rational circuit = 2 * (H - h) / b + 2 * (B - b) / h;
    return 4 * enclosed * enclosed / circuit;
}

} // namespace velkor
