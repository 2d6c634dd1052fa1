#pragma once

// Balls of Arb: a midpoint and a radius that provably hold a real number, every operation
// rounded outward. The section engine encloses its irrational figures with them: each
// figure is computed again at a finer precision until its cut is decided.

#include "exact.h"

#include <arb.h>

namespace velkor {

// The working precision, in bits, of every ball operation on this thread while it lives.
class WorkingPrecision {
public:
    explicit WorkingPrecision(long bits);
    ~WorkingPrecision();
    WorkingPrecision(const WorkingPrecision&) = delete;
    WorkingPrecision& operator=(const WorkingPrecision&) = delete;
    static long bits();

private:
    long previous;
};

class Ball {
public:
    Ball();           // exactly 0
    Ball(long value); // NOLINT: exact
    explicit Ball(const Rational& value);
    Ball(const Ball& other);
    Ball(Ball&& other) noexcept;
    Ball& operator=(const Ball& other);
    Ball& operator=(Ball&& other) noexcept;
    ~Ball();

    static Ball Pi();
    // A ball that holds every real number: the answer where too coarse a precision cannot
    // decide which way a computation goes.
    static Ball Anything();
    // The smallest ball holding both.
    static Ball Union(const Ball& a, const Ball& b);

    arb_ptr get() { return value; }
    arb_srcptr get() const { return value; }

    bool finite() const { return arb_is_finite(value) != 0; }
    bool positive() const { return arb_is_positive(value) != 0; }
    bool negative() const { return arb_is_negative(value) != 0; }
    bool nonNegative() const { return arb_is_nonnegative(value) != 0; }
    bool nonPositive() const { return arb_is_nonpositive(value) != 0; }
    bool containsZero() const { return arb_contains_zero(value) != 0; }
    bool exactlyZero() const { return arb_is_zero(value) != 0; }

    // Rational bounds of the ball; false for one that is not finite.
    bool bounds(Rational& low, Rational& high) const;
    double midpoint() const;
    Rational exactMidpoint() const; // of a finite ball

    Ball operator-() const;
    Ball& operator+=(const Ball& b);
    Ball& operator-=(const Ball& b);
    Ball& operator*=(const Ball& b);
    Ball& operator/=(const Ball& b);
    friend Ball operator+(Ball a, const Ball& b) { return a += b; }
    friend Ball operator-(Ball a, const Ball& b) { return a -= b; }
    friend Ball operator*(Ball a, const Ball& b) { return a *= b; }
    friend Ball operator/(Ball a, const Ball& b) { return a /= b; }
    // Certainly less or greater: false when the balls overlap.
    friend bool operator<(const Ball& a, const Ball& b) { return arb_lt(a.value, b.value) != 0; }
    friend bool operator>(const Ball& a, const Ball& b) { return arb_gt(a.value, b.value) != 0; }

private:
    arb_t value;
};

Ball Sqrt(const Ball& x);
Ball Abs(const Ball& x);
Ball Max(const Ball& a, const Ball& b);
Ball Min(const Ball& a, const Ball& b);
Ball Atan(const Ball& x);
Ball Atan2(const Ball& y, const Ball& x); // the angle of the point (x, y), in (−π, π]
Ball Asin(const Ball& x);
Ball Acos(const Ball& x);
Ball Tan(const Ball& x);
Ball Power(const Ball& x, unsigned long n);

// The sign of a number that `compute` gives as a ball at the working precision: from 32
// bits on, twice as many each time, until the ball leaves 0; 0 when it has not by `limit`.
template <typename Compute> int RefinedSign(Compute compute, long limit)
{
    for (long bits = 32; bits <= limit; bits *= 2) {
        const WorkingPrecision precision(bits);
        const Ball value = compute();
        if (value.positive())
            return 1;
        if (value.negative())
            return -1;
    }
    return 0;
}

} // namespace velkor
