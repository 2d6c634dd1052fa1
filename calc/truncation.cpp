#include "truncation.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace velkor {
namespace {

__extension__ typedef __int128 Wide;

Integer toInteger(Wide value)
{
    if (value >= std::numeric_limits<long>::min() && value <= std::numeric_limits<long>::max())
        return Integer(static_cast<long>(value));
    Integer result(static_cast<long>(value >> 64));
    result <<= 64;
    result += static_cast<unsigned long>(value & ~std::uint64_t(0));
    return result;
}

// Fix(a/d) and the steps of the cut (Fix((a − whole·d)·pn/(d·pd)), or of a/d whole) in
// 128-bit integers, where every number fits: the cut of an ordinary rational figure
// without a single allocation.
bool truncateSmall(const Integer& a, const Integer& den, const Integer& divisor, const Integer& pn,
                   const Integer& pd, bool split, Integer& whole, Integer& steps)
{
    for (const Integer* n : {&a, &den, &divisor, &pn, &pd})
        if (mpz_fits_slong_p(n->get_mpz_t()) == 0)
            return false;
    const Wide d = Wide(den.get_si()) * divisor.get_si();
    const Wide numerator = a.get_si();
    const Wide fix = numerator / d; // toward zero, as C++ divides
    Wide rest = split ? numerator - fix * d : numerator;
    Wide dd = 0;
    if (__builtin_mul_overflow(rest, Wide(pn.get_si()), &rest) ||
        __builtin_mul_overflow(d, Wide(pd.get_si()), &dd))
        return false;
    whole = toInteger(fix);
    steps = toInteger(rest / dd);
    return true;
}

// Integers reused by every cut, so that GMP allocates only when a number grows.
struct Scratch {
    Integer d, dd, rest, radicand, root, sum;
};

Scratch& scratch()
{
    thread_local Scratch integers;
    return integers;
}

// result = Fix((a + s·√t) / d), t not a square. With r = ⌊√t⌋ the numerator lies strictly
// between the integers n and n + 1 (n = a + r, or a − r − 1 for s < 0), and no multiple of
// d lies strictly between them: the floor is ⌊n/d⌋, the ceiling ⌈(n + 1)/d⌉.
void truncateQuadratic(Integer& result, const Integer& a, int s, const Integer& t, const Integer& d,
                       Scratch& k)
{
    if (s == 0) {
        mpz_tdiv_q(result.get_mpz_t(), a.get_mpz_t(), d.get_mpz_t());
        return;
    }
    mpz_sqrt(k.root.get_mpz_t(), t.get_mpz_t());
    if (s > 0) {
        k.sum = a;
        k.sum += k.root;
    } else {
        k.sum = a;
        k.sum -= k.root;
        k.sum -= 1;
    }
    if (sgn(k.sum) >= 0) {
        mpz_fdiv_q(result.get_mpz_t(), k.sum.get_mpz_t(), d.get_mpz_t());
    } else {
        k.sum += 1;
        mpz_cdiv_q(result.get_mpz_t(), k.sum.get_mpz_t(), d.get_mpz_t());
    }
}

// result = Fix((c + √(e + s·√g)) / d) of a number that is not negative:
// ⌊√w⌋ = ⌊√⌊w⌋⌋, and the numerator lies in [c + ⌊√w⌋, c + ⌊√w⌋ + 1).
void truncateNested(Integer& result, const Integer& c, const Integer& e, int s, const Integer& g,
                    const Integer& d, Scratch& k)
{
    k.sum = e;
    if (s != 0) {
        mpz_sqrt(k.root.get_mpz_t(), g.get_mpz_t());
        if (s > 0) {
            k.sum += k.root;
        } else {
            k.sum -= k.root;
            k.sum -= 1;
        }
    }
    if (sgn(k.sum) < 0)
        k.sum = 0;
    mpz_sqrt(k.root.get_mpz_t(), k.sum.get_mpz_t());
    k.root += c;
    mpz_fdiv_q(result.get_mpz_t(), k.root.get_mpz_t(), d.get_mpz_t());
}

// The largest e with 10^e <= |x| for a non-zero |x| = magnitude, from the guess `e`.
template <typename Magnitude> long settleExponent(long e, const Magnitude& magnitude)
{
    while (magnitude.compare(PowerOfTen(e)) < 0)
        --e;
    while (magnitude.compare(PowerOfTen(e + 1)) >= 0)
        ++e;
    return e;
}

struct RationalMagnitude {
    Rational value; // > 0
    int compare(const Rational& c) const { return cmp(value, c); }
};

long decimalExponent(const Rational& magnitude)
{
    const long guess = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 10)) -
                       static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 10));
    return settleExponent(guess, RationalMagnitude{magnitude});
}

long decimalExponent(const Real& magnitude)
{
    // a guess from the double, which may overflow or underflow: then from whole powers
    double approximate = magnitude.approximately();
    long shift = 0;
    while (approximate == 0) {
        shift += 300;
        approximate = (magnitude * PowerOfTen(shift)).approximately();
    }
    long guess = 0;
    if (std::isfinite(approximate))
        guess = static_cast<long>(std::floor(std::log10(approximate))) - shift;
    else
        guess = static_cast<long>(mpz_sizeinbase(magnitude.floor().get_mpz_t(), 10)) - 1;
    return settleExponent(guess, magnitude);
}

const Integer& largestOrdinaryInteger()
{
    static const Integer largest = LargestOrdinaryNumber().get_num(); // DBL_MAX is whole
    return largest;
}

} // namespace

Precision::Precision(const Rational& typed)
    : magnitude(abs(typed))
{
    isPowerOfTen = IsPowerOfTen(magnitude, powerOfTen);
    if (isPowerOfTen)
        placesScale = PowerOfTenInteger(static_cast<unsigned long>(std::labs(powerOfTen)));
}

Precision::Steps Precision::truncate(const Real& x, const Integer& divisor, bool splitWhole) const
{
    const Integer& pn = magnitude.get_num();
    const Integer& pd = magnitude.get_den();
    Scratch& k = scratch();
    Steps cut;
    cut.split = splitWhole;
    if (const auto* q = std::get_if<Real::QuadraticForm>(&x.representation())) {
        // x/divisor = (a + s·√t)/d; the fraction times P: (pn·(a − n·d) + s·√(t·pn²))/(d·pd)
        if (q->rootSign == 0 && truncateSmall(q->rational, q->denominator, divisor, pn, pd,
                                              splitWhole, cut.whole, cut.steps))
            return cut;
        k.d = q->denominator * divisor;
        truncateQuadratic(cut.whole, q->rational, q->rootSign, q->radicand, k.d, k);
        k.rest = q->rational;
        if (splitWhole)
            k.rest -= cut.whole * k.d;
        k.rest *= pn;
        k.dd = k.d * pd;
        if (q->rootSign != 0) {
            k.radicand = q->radicand * pn;
            k.radicand *= pn;
        }
        truncateQuadratic(cut.steps, k.rest, q->rootSign, k.radicand, k.dd, k);
        return cut;
    }
    if (const auto* n = std::get_if<Real::NestedForm>(&x.representation())) {
        // (c + √w)/d, not negative; the fraction times P: (pn·(c − n·d) + √(pn²·w))/(d·pd)
        const auto& w = n->inner;
        k.d = n->denominator * divisor;
        truncateNested(cut.whole, n->shift, w.rational, w.rootSign, w.radicand, k.d, k);
        k.rest = n->shift;
        if (splitWhole)
            k.rest -= cut.whole * k.d;
        k.rest *= pn;
        k.dd = k.d * pd;
        const Integer square = pn * pn;
        truncateNested(cut.steps, k.rest, w.rational * square, w.rootSign,
                       w.radicand * square * square, k.dd, k);
        return cut;
    }
    // An enclosed number: Fix never decreases, so where it agrees at both bounds it holds
    // for the number between them.
    const Real value = x / Rational(divisor);
    const auto fix = [](const Rational& q) {
        Integer result;
        mpz_tdiv_q(result.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
        return result;
    };
    Refine(std::get<Real::EnclosedForm>(value.representation()),
           [&](const Rational& low, const Rational& high) {
               cut.whole = fix(low);
               if (cut.whole != fix(high))
                   return false;
               const Rational whole = splitWhole ? Rational(cut.whole) : Rational(0);
               cut.steps = fix(Rational((low - whole) * magnitude));
               return cut.steps == fix(Rational((high - whole) * magnitude));
           });
    return cut;
}

std::optional<Decimal> Precision::written(const Steps& cut) const
{
    if (mpz_cmpabs(cut.whole.get_mpz_t(), largestOrdinaryInteger().get_mpz_t()) >= 0)
        return std::nullopt;
    const Integer whole = cut.split ? cut.whole : Integer(0);
    if (isPowerOfTen) {
        // whole + steps·10^-k: a decimal with k places, or a whole number for k <= 0
        if (powerOfTen <= 0)
            return Decimal{whole + cut.steps * placesScale, 0};
        return Decimal{whole * placesScale + cut.steps, -powerOfTen};
    }
    const Rational value = Rational(whole) + Rational(cut.steps) / magnitude;
    if (BeyondOrdinaryRange(value))
        return std::nullopt;
    if (sgn(value) == 0)
        return Decimal{};
    const long e = decimalExponent(Rational(abs(value)));
    Integer digits;
    const Rational scaled = abs(value) * PowerOfTen(14 - e);
    mpz_tdiv_q(digits.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    return Decimal{sgn(value) < 0 ? Integer(-digits) : digits, e - 14};
}

std::optional<Decimal> Precision::cut(const Real& x, const Integer& divisor) const
{
    return written(truncate(x, divisor, true));
}

std::optional<Decimal> Precision::cutWhole(const Real& x) const
{
    return written(truncate(x, 1, false));
}

Rational TruncateToPrecision(const Real& x, const Rational& precision)
{
    const Precision p(precision);
    const Real value = x;
    const auto fix = [](const Real& y) { return y.sign() >= 0 ? y.floor() : y.ceil(); };
    const Integer whole = fix(value);
    const Integer steps = fix((value - Rational(whole)) * p.fineness());
    return Rational(whole) + Rational(steps) / p.fineness();
}

Decimal RoundedToSignificantDigits(const Real& x, int digits)
{
    const int sign = x.sign();
    if (sign == 0)
        return {};
    const Real magnitude = sign < 0 ? x * Rational(-1) : x;
    long e = decimalExponent(magnitude) - (digits - 1);
    Integer rounded = (magnitude * PowerOfTen(-e) + Rational(1, 2)).floor();
    if (rounded == PowerOfTenInteger(static_cast<unsigned long>(digits))) {
        rounded /= 10;
        ++e;
    }
    return {sign < 0 ? Integer(-rounded) : rounded, e};
}

} // namespace velkor
