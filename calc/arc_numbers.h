#pragma once

// The exact numbers of an outline of straight faces and circular arcs. Where some faces
// slope at k (rise per unit run), the corners of its arcs lie in Q(√d), d = 1 + k², and
// the arcs turn through multiples of π/2 plus or minus τ = atan k; its area and moments
// are then exactly c0 + c1·π + c2·τ with c0, c1, c2 in Q(√d). Faces parallel to the axes
// alone make d = 1: rationals and multiples of π.

#include "ball.h"
#include "exact.h"

#include <flint/fmpq.h>

namespace velkor {

// The slope k of an outline's sloped faces, once for every number that refers to it.
struct SlopeField {
    Rational slope;    // k > 0
    Rational radicand; // d = 1 + k²
    fmpq_t d;          // the same, for the arithmetic

    SlopeField() { fmpq_init(d); }
    ~SlopeField() { fmpq_clear(d); }
    SlopeField(const SlopeField&) = delete;
    SlopeField& operator=(const SlopeField&) = delete;

    // The one field of this slope: numbers of the same slope share it.
    static const SlopeField* Of(const Rational& slope);
};

// a + b·√d, exactly; rational when b is 0 (the field is then of no concern). Held in
// FLINT's fractions, which keep small numbers without allocating: an outline's integrals
// take thousands of these operations.
class RootNumber {
public:
    RootNumber();
    RootNumber(const Rational& a); // NOLINT: every rational is one
    RootNumber(long a);            // NOLINT
    RootNumber(const Rational& a, const Rational& b, const SlopeField* field);
    RootNumber(const RootNumber& other);
    RootNumber(RootNumber&& other) noexcept;
    RootNumber& operator=(const RootNumber& other);
    RootNumber& operator=(RootNumber&& other) noexcept;
    ~RootNumber();

    Rational rationalPart() const;
    Rational rootPart() const;
    const SlopeField* field() const { return in; }
    bool isRational() const { return fmpq_is_zero(b) != 0; }
    bool isZero() const { return fmpq_is_zero(a) != 0 && fmpq_is_zero(b) != 0; }
    int sign() const;
    bool operator==(const RootNumber& other) const;
    bool operator<(const RootNumber& other) const { return (*this - other).sign() < 0; }

    RootNumber operator-() const;
    RootNumber& operator+=(const RootNumber& other);
    RootNumber& operator-=(const RootNumber& other);
    RootNumber& operator*=(const RootNumber& other);
    RootNumber& operator/=(const RootNumber& other);
    friend RootNumber operator+(RootNumber x, const RootNumber& y) { return x += y; }
    friend RootNumber operator-(RootNumber x, const RootNumber& y) { return x -= y; }
    friend RootNumber operator*(RootNumber x, const RootNumber& y) { return x *= y; }
    friend RootNumber operator/(RootNumber x, const RootNumber& y) { return x /= y; }

    Ball ball() const; // at the working precision
    double approximately() const;

private:
    const SlopeField* common(const RootNumber& other) const;

    fmpq_t a, b;
    const SlopeField* in = nullptr;
};

// √d of the field as a number of it.
RootNumber RootOf(const SlopeField* field);

// p·π + n·τ: the direction of an outline's edge or the turn of an arc, exactly.
struct Angle {
    Rational turns;  // p, in half turns (π)
    long slopes = 0; // n, in τ = atan k
    const SlopeField* field = nullptr;

    Angle operator+(const Angle& other) const;
    Angle operator-(const Angle& other) const;
    Angle operator-() const { return {-turns, -slopes, field}; }
    bool operator==(const Angle& other) const
    {
        return turns == other.turns && slopes == other.slopes;
    }
    // The angle in radians. Two different angles of an outline differ by at least the
    // smaller of τ and π/4 − τ, so a double orders them safely.
    double approximately() const;
    Ball ball() const;
};

// The angle of a direction (x, y) along an axis, or along or across the sloped faces.
Angle DirectionAngle(const RootNumber& x, const RootNumber& y, const SlopeField* field);

// c0 + c1·π + c2·τ. Where c1 or c2 is not 0 the number is transcendental (a non-zero
// linear form in logarithms of algebraic numbers, by Baker's theorem: −1 and (1 + ik)/
// (1 − ik) are independent for a rational k ≠ 0, ±1), and so never rational.
class ExactValue {
public:
    ExactValue() = default;
    ExactValue(RootNumber algebraic); // NOLINT
    ExactValue(long value);           // NOLINT
    static ExactValue OfAngle(const Angle& angle);

    const RootNumber& algebraicPart() const { return c0; }
    bool isAlgebraic() const { return c1.isZero() && c2.isZero(); }
    bool isZero() const { return isAlgebraic() && c0.isZero(); }
    bool operator==(const ExactValue& other) const;
    // Exact: decided by balls where the number is transcendental, since it is not 0 then.
    int sign() const;

    ExactValue operator-() const;
    ExactValue& operator+=(const ExactValue& other);
    ExactValue& operator-=(const ExactValue& other);
    ExactValue& operator*=(const RootNumber& factor);
    friend ExactValue operator+(ExactValue x, const ExactValue& y) { return x += y; }
    friend ExactValue operator-(ExactValue x, const ExactValue& y) { return x -= y; }
    friend ExactValue operator*(ExactValue x, const RootNumber& y) { return x *= y; }
    friend ExactValue operator*(const RootNumber& y, ExactValue x) { return x *= y; }
    ExactValue operator/(const RootNumber& divisor) const;

    Ball ball() const;
    double approximately() const;

private:
    RootNumber c0, c1, c2;
    const SlopeField* field = nullptr; // of τ
};

} // namespace velkor
