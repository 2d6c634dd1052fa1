#pragma once

// A figure of a section bounded by arcs: exact (an ExactValue) where it can be, otherwise
// computed in balls from exact ones, at whatever precision its cut asks for. Arithmetic
// keeps a result exact wherever its arguments allow (a symmetric section's zero product of
// inertia, the centroid on its axis of symmetry), and builds the computation otherwise.

#include "arc_numbers.h"
#include "ball.h"
#include "real.h"

#include <functional>
#include <memory>

namespace velkor {

class FigureValue {
public:
    FigureValue(ExactValue exact); // NOLINT: every exact number is a figure
    FigureValue(long value);       // NOLINT
    // A figure found by `compute`, a ball at the working precision that closes in on it
    // as the precision grows. It must be irrational (see Real::Enclosing).
    static FigureValue Computed(std::function<Ball()> compute);

    bool isExact() const;
    const ExactValue& exact() const; // of an exact figure only
    // Whether the two are one computation: their difference is exactly 0.
    bool sameAs(const FigureValue& other) const { return node == other.node; }

    Ball ball() const; // at the working precision
    double approximately() const;
    // −1, 0 or 1: refined until the ball leaves 0, which only an exact 0 does not, or
    // until a precision of 4096 bits, beyond which two figures are taken as equal.
    int sign() const;
    // The figure as the section's results hold it: rational or a surd where exact and
    // algebraic, else enclosed.
    Real toReal() const;

    FigureValue operator-() const;
    friend FigureValue operator+(const FigureValue& a, const FigureValue& b);
    friend FigureValue operator-(const FigureValue& a, const FigureValue& b);
    friend FigureValue operator*(const FigureValue& a, const FigureValue& b);
    friend FigureValue operator/(const FigureValue& a, const FigureValue& b);
    friend FigureValue Sqrt(const FigureValue& x);
    friend FigureValue Abs(const FigureValue& x);
    friend FigureValue Max(const FigureValue& a, const FigureValue& b);
    friend FigureValue Min(const FigureValue& a, const FigureValue& b);
    // atan2(y, x)·90/π: in degrees, half the angle of the point (x, y).
    friend FigureValue HalfAngleOf(const FigureValue& y, const FigureValue& x);
    // tan of an angle in degrees.
    friend FigureValue TangentOfDegrees(const FigureValue& degrees);

    struct Node;

private:
    explicit FigureValue(std::shared_ptr<const Node> node);
    std::shared_ptr<const Node> node;
};

// ⌊x·10^−e + ½⌋: x rounded half up to a multiple of 10^e, in units of 10^e.
Integer RoundedHalfUp(const FigureValue& x, long e);

} // namespace velkor
