#pragma once

// The exact numbers the core computes with: integers and fractions of any size (GMP), and
// decimals, the numbers people type and read.

#include <gmpxx.h>

#include <optional>

namespace velkor {

using Integer = mpz_class;
using Rational = mpq_class;

// significand · 10^exponent, exactly: a number as typed, or as written into a caption.
struct Decimal {
    Integer significand;
    long exponent = 0;

    bool operator==(const Decimal& other) const;
};

Rational ToRational(const Decimal& decimal);

// numerator/denominator in lowest terms, as every GMP fraction must be before it is used.
Rational Fraction(Integer numerator, const Integer& denominator);

// The decimal of a fraction whose denominator has no prime factors but 2 and 5 (every
// typed size, in any unit); nothing for one like 1/3.
std::optional<Decimal> ExactDecimal(const Rational& value);

// 10^k, for any whole k.
Rational PowerOfTen(long k);
Integer PowerOfTenInteger(unsigned long k);

// Whether |value| is 10^k for a whole k (1000, 1, 0.01), and which k.
bool IsPowerOfTen(const Rational& value, long& k);

// The largest number a double holds, about 1.8E+308: a dimension or figure beyond it is no
// real section, and no other program could take it.
const Rational& LargestOrdinaryNumber();
bool BeyondOrdinaryRange(const Rational& value);
// Whether a non-zero |value| is below the smallest normal double, about 2.2E-308: a size
// no section has, whose exact powers would only cost time.
bool BelowOrdinaryRange(const Rational& value);
// Neither: zero, or a magnitude an ordinary number has.
bool IsOrdinary(const Rational& value);

// The nearest double, for drawing only: never for a figure that is shown.
double Approximately(const Rational& value);

} // namespace velkor
