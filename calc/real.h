#pragma once

// Exact real numbers for the figures of a section. Most figures are rational; the rest are
// built from rationals by square roots (radii of gyration, √2 and √3 of the rhombus and the
// hexagon, principal moments and their radii) or are the angle of the principal axes. Each
// is kept exactly, over integers, so that its integer part is found with one integer
// square root and a division:
//   (a + s·√t) / d              rationals, surds, principal moments;
//   (c + √(e + s·√g)) / d       radii of gyration about principal axes, fourth roots;
//   b + k·v                     a number v known by bounds with a proven error (the angle of
//                               the principal axes, the moduli about them, the torsion
//                               series of a solid rectangle), irrational wherever it is
//                               used this way: the bounds close in on it, and since it is
//                               never a rational bound, on any cut.
// with integers a, c, e, t, g ≥ 0, d > 0, s = ±1 and a rational k > 0.

#include "exact.h"

#include <memory>
#include <variant>

namespace velkor {

// A number computed, not held: bounds low <= value <= high from a computation at `bits`
// of precision, closer as the bits grow.
class Enclosure {
public:
    virtual ~Enclosure() = default;
    virtual void bounds(long bits, Rational& low, Rational& high) const = 0;
    virtual double approximately() const = 0;
};

namespace real_forms {
struct Quadratic {
    Integer rational; // a
    int rootSign = 0; // s; 0 when there is no root part
    Integer radicand; // t, not a square when there is a root part
    Integer denominator = 1;
};
struct Nested {
    Integer shift;   // c
    Quadratic inner; // (e + s·√g) / 1, not negative
    Integer denominator = 1;
};
struct Enclosed {
    std::shared_ptr<const Enclosure> value; // irrational
    Rational scale = 1, shift = 0;          // the number is shift + scale·value, scale > 0
};
} // namespace real_forms

class Real {
public:
    Real() = default;
    Real(const Rational& value); // NOLINT: every rational is a real
    Real(long value);            // NOLINT

    // √q for a rational q ≥ 0, and √(n/d) for integers n ≥ 0, d > 0.
    static Real SquareRoot(const Rational& q);
    static Real SquareRoot(const Integer& n, const Integer& d);
    // c·√k for rationals c and k ≥ 0.
    static Real Surd(const Rational& c, const Rational& k);
    // r + sign·√v, v ≥ 0.
    static Real Quadratic(const Rational& r, int sign, const Rational& v);
    // A number known by its bounds; it must be irrational.
    static Real Enclosing(std::shared_ptr<const Enclosure> value);

    bool isRational() const;
    Rational rationalValue() const; // for a rational number only

    Real operator+(const Rational& c) const;
    Real operator-(const Rational& c) const { return *this + Rational(-c); }
    Real operator*(const Rational& c) const; // c ≥ 0 unless the number is a + s·√t
    Real operator/(const Rational& c) const;
    // Products and quotients where one side is rational or a plain surd c·√k.
    friend Real operator*(const Real& a, const Real& b);
    friend Real operator/(const Real& a, const Real& b);

    int sign() const;
    // The sign of this − c: −1, 0 or 1.
    int compare(const Rational& c) const { return (*this - c).sign(); }
    // The largest integer not above, and the smallest not below.
    Integer floor() const;
    Integer ceil() const;

    double approximately() const; // for drawing and estimates, never for a shown figure

    using QuadraticForm = real_forms::Quadratic;
    using NestedForm = real_forms::Nested;
    using EnclosedForm = real_forms::Enclosed;
    using Form = std::variant<QuadraticForm, NestedForm, EnclosedForm>;
    // The representation, for the arithmetic that cuts a figure.
    const Form& representation() const { return form; }

private:
    explicit Real(QuadraticForm form);
    friend Real Sqrt(const Real& x);
    bool plainSurd(const QuadraticForm*& surd) const;

    Form form;
};

// √x for x ≥ 0 of the form (a + s·√t) / d.
Real Sqrt(const Real& x);

// ⌊a + s·√t⌋ for integers a, t ≥ 0 not a square (or s = 0).
Integer FloorOfSum(const Integer& a, int s, const Integer& t);

// Calls `settled(low, high)` with bounds of an enclosed number, from 32 bits of precision
// on, twice as many each time, until it accepts them: the number is never a rational
// bound, so they close in on whatever it asks. Past 2^16 bits (some 20 000 digits, far
// beyond any precision a figure is cut to) the last bounds are taken as they are.
template <typename Settled> void Refine(const real_forms::Enclosed& number, Settled settled)
{
    for (long bits = 32;; bits *= 2) {
        Rational low, high;
        number.value->bounds(bits, low, high);
        low = number.shift + number.scale * low;
        high = number.shift + number.scale * high;
        if (settled(low, high) || bits >= (1L << 16))
            return;
    }
}

} // namespace velkor
