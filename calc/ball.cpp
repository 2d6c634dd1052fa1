#include "ball.h"

#include <flint/fmpq.h>

namespace velkor {
namespace {

thread_local long workingBits = 64;

Rational rationalOf(const arf_t bound)
{
    fmpz_t mantissa, exponent;
    fmpz_init(mantissa);
    fmpz_init(exponent);
    arf_get_fmpz_2exp(mantissa, exponent, bound);
    Rational value;
    fmpz_get_mpz(value.get_num_mpz_t(), mantissa);
    const long e = fmpz_get_si(exponent);
    if (e >= 0)
        mpq_mul_2exp(value.get_mpq_t(), value.get_mpq_t(), static_cast<mp_bitcnt_t>(e));
    else
        mpq_div_2exp(value.get_mpq_t(), value.get_mpq_t(), static_cast<mp_bitcnt_t>(-e));
    fmpz_clear(mantissa);
    fmpz_clear(exponent);
    return value;
}

} // namespace

WorkingPrecision::WorkingPrecision(long bits)
    : previous(workingBits)
{
    workingBits = bits;
}

WorkingPrecision::~WorkingPrecision()
{
    workingBits = previous;
}

long WorkingPrecision::bits()
{
    return workingBits;
}

Ball::Ball()
{
    arb_init(value);
}

Ball::Ball(long integer)
{
    arb_init(value);
    arb_set_si(value, integer);
}

Ball::Ball(const Rational& rational)
{
    arb_init(value);
    fmpq_t q;
    fmpq_init(q);
    fmpq_set_mpq(q, rational.get_mpq_t());
    arb_set_fmpq(value, q, workingBits);
    fmpq_clear(q);
}

Ball::Ball(const Ball& other)
{
    arb_init(value);
    arb_set(value, other.value);
}

Ball::Ball(Ball&& other) noexcept
{
    arb_init(value);
    arb_swap(value, other.value);
}

Ball& Ball::operator=(const Ball& other)
{
    arb_set(value, other.value);
    return *this;
}

Ball& Ball::operator=(Ball&& other) noexcept
{
    arb_swap(value, other.value);
    return *this;
}

Ball::~Ball()
{
    arb_clear(value);
}

Ball Ball::Pi()
{
    Ball pi;
    arb_const_pi(pi.value, workingBits);
    return pi;
}

Ball Ball::Anything()
{
    Ball any;
    arb_indeterminate(any.value);
    return any;
}

Ball Ball::Union(const Ball& a, const Ball& b)
{
    Ball both;
    arb_union(both.value, a.value, b.value, workingBits);
    return both;
}

bool Ball::bounds(Rational& low, Rational& high) const
{
    if (!finite())
        return false;
    arf_t bound;
    arf_init(bound);
    arb_get_lbound_arf(bound, value, workingBits);
    low = rationalOf(bound);
    arb_get_ubound_arf(bound, value, workingBits);
    high = rationalOf(bound);
    arf_clear(bound);
    return true;
}

double Ball::midpoint() const
{
    return arf_get_d(arb_midref(value), ARF_RND_NEAR);
}

Rational Ball::exactMidpoint() const
{
    return rationalOf(arb_midref(value));
}

Ball Ball::operator-() const
{
    Ball negated;
    arb_neg(negated.value, value);
    return negated;
}

Ball& Ball::operator+=(const Ball& b)
{
    arb_add(value, value, b.value, workingBits);
    return *this;
}

Ball& Ball::operator-=(const Ball& b)
{
    arb_sub(value, value, b.value, workingBits);
    return *this;
}

Ball& Ball::operator*=(const Ball& b)
{
    arb_mul(value, value, b.value, workingBits);
    return *this;
}

Ball& Ball::operator/=(const Ball& b)
{
    arb_div(value, value, b.value, workingBits);
    return *this;
}

namespace {

// An Arb function of one or two balls at the working precision.
template <void (*function)(arb_ptr, arb_srcptr, slong)> Ball of(const Ball& x)
{
    Ball result;
    function(result.get(), x.get(), WorkingPrecision::bits());
    return result;
}

template <void (*function)(arb_ptr, arb_srcptr, arb_srcptr, slong)>
Ball of(const Ball& a, const Ball& b)
{
    Ball result;
    function(result.get(), a.get(), b.get(), WorkingPrecision::bits());
    return result;
}

} // namespace

Ball Sqrt(const Ball& x)
{
    return of<arb_sqrt>(x);
}

Ball Abs(const Ball& x)
{
    Ball magnitude;
    arb_abs(magnitude.get(), x.get());
    return magnitude;
}

Ball Max(const Ball& a, const Ball& b)
{
    return of<arb_max>(a, b);
}

Ball Min(const Ball& a, const Ball& b)
{
    return of<arb_min>(a, b);
}

Ball Atan(const Ball& x)
{
    return of<arb_atan>(x);
}

Ball Atan2(const Ball& y, const Ball& x)
{
    return of<arb_atan2>(y, x);
}

Ball Asin(const Ball& x)
{
    return of<arb_asin>(x);
}

Ball Acos(const Ball& x)
{
    return of<arb_acos>(x);
}

Ball Tan(const Ball& x)
{
    return of<arb_tan>(x);
}

Ball Power(const Ball& x, unsigned long n)
{
    Ball result;
    arb_pow_ui(result.get(), x.get(), n, WorkingPrecision::bits());
    return result;
}

} // namespace velkor
