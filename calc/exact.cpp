#include "exact.h"

#include <algorithm>
#include <array>
#include <cfloat>

namespace velkor {

bool Decimal::operator==(const Decimal& other) const
{
    return ToRational(*this) == ToRational(other);
}

Rational ToRational(const Decimal& decimal)
{
    if (decimal.exponent >= 0)
        return Rational(decimal.significand *
                        PowerOfTenInteger(static_cast<unsigned long>(decimal.exponent)));
    return Fraction(decimal.significand,
                    PowerOfTenInteger(static_cast<unsigned long>(-decimal.exponent)));
}

Rational Fraction(Integer numerator, const Integer& denominator)
{
    Rational value(std::move(numerator), denominator);
    value.canonicalize();
    return value;
}

std::optional<Decimal> ExactDecimal(const Rational& value)
{
    Integer rest = value.get_den();
    const auto twos = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), Integer(2).get_mpz_t());
    const auto fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), Integer(5).get_mpz_t());
    if (rest != 1)
        return std::nullopt;
    const unsigned long digits = std::max(twos, fives);
    // n/d = n·(10^k/d) / 10^k, and d divides 10^k
    const Integer significand = value.get_num() * (PowerOfTenInteger(digits) / value.get_den());
    return Decimal{significand, -static_cast<long>(digits)};
}

Integer PowerOfTenInteger(unsigned long k)
{
    // the powers that typed numbers, units and precisions need, made once
    static const auto small = [] {
        std::array<Integer, 40> powers;
        powers[0] = 1;
        for (std::size_t n = 1; n < powers.size(); ++n)
            powers[n] = powers[n - 1] * 10;
        return powers;
    }();
    if (k < small.size())
        return small[k];
    Integer power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, k);
    return power;
}

Rational PowerOfTen(long k)
{
    const Integer power = PowerOfTenInteger(static_cast<unsigned long>(k < 0 ? -k : k));
    return k < 0 ? Rational(Integer(1), power) : Rational(power);
}

namespace {

// k when `value` is 10^k, else -1.
long decimalExponentOf(const Integer& value)
{
    if (value <= 0)
        return -1;
    Integer rest = value;
    long k = 0;
    while (mpz_divisible_ui_p(rest.get_mpz_t(), 10) != 0) {
        rest /= 10;
        ++k;
    }
    return rest == 1 ? k : -1;
}

} // namespace

bool IsPowerOfTen(const Rational& value, long& k)
{
    const Integer numerator = abs(value.get_num());
    const Integer& denominator = value.get_den();
    if (denominator == 1) {
        k = decimalExponentOf(numerator);
        return k >= 0;
    }
    if (numerator != 1)
        return false;
    k = -decimalExponentOf(denominator);
    return k < 0;
}

namespace {

// The binary magnitude of |value|: its integer part has about this many bits.
long bitMagnitude(const Rational& value)
{
    return static_cast<long>(mpz_sizeinbase(value.get_num_mpz_t(), 2)) -
           static_cast<long>(mpz_sizeinbase(value.get_den_mpz_t(), 2));
}

} // namespace

const Rational& LargestOrdinaryNumber()
{
    static const Rational largest = [] {
        Rational max;
        mpq_set_d(max.get_mpq_t(), DBL_MAX); // exact: a double is a binary fraction
        return max;
    }();
    return largest;
}

bool BeyondOrdinaryRange(const Rational& value)
{
    return abs(value) > LargestOrdinaryNumber();
}

bool BelowOrdinaryRange(const Rational& value)
{
    static const Rational smallest = [] {
        Rational min;
        mpq_set_d(min.get_mpq_t(), DBL_MIN);
        return min;
    }();
    if (sgn(value) == 0)
        return false;
    // DBL_MIN is 2^-1022
    const long bits = bitMagnitude(value);
    if (bits > -1020)
        return false;
    if (bits < -1024)
        return true;
    return abs(value) < smallest;
}

bool IsOrdinary(const Rational& value)
{
    return !BeyondOrdinaryRange(value) && !BelowOrdinaryRange(value);
}

double Approximately(const Rational& value)
{
    return value.get_d();
}

} // namespace velkor

#ifdef VELKOR_MIMALLOC
// GMP allocates a block for nearly every intermediate integer and frees it at once;
// mimalloc's size-class heaps make that cheap, where the general allocator spends a third
// of a calculation. Installed before any static initializer can create a GMP number.
#include <mimalloc.h>

namespace {

void* allocate(std::size_t size)
{
    return mi_malloc(size);
}
void* reallocate(void* block, std::size_t, std::size_t size)
{
    return mi_realloc(block, size);
}
void release(void* block, std::size_t)
{
    mi_free(block);
}

__attribute__((constructor(101))) void allocateArithmeticWithMimalloc()
{
    mp_set_memory_functions(allocate, reallocate, release);
}

} // namespace
#endif
