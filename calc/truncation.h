#pragma once

// Cutting a figure to the chosen precision, never rounding, and the digits it is then
// written with.

#include "exact.h"
#include "real.h"

#include <optional>

namespace velkor {

// The precision P the user chose, nonzero, exactly as typed; a negative one cuts like its
// magnitude.
class Precision {
public:
    explicit Precision(const Rational& typed);

    // TruncateToPrecision of x / divisor (the figure in millimetres divided by the unit's
    // power): Fix(x) + Fix((x − Fix(x))·P)/P, written with every digit when |P| is a power
    // of ten (a cut at 1e8 keeps all eight decimals, whatever the size of the integer part),
    // for any other precision with its first 15 significant digits, cut. Nothing when the
    // figure is beyond the ordinary range of numbers.
    std::optional<Decimal> cut(const Real& x, const Integer& divisor = 1) const;
    // The weight's rule, Fix(x·P)/P, which does not split off the integer part.
    std::optional<Decimal> cutWhole(const Real& x) const;

    const Rational& fineness() const { return magnitude; } // |P|

private:
    struct Steps {
        Integer whole; // Fix(x)
        Integer steps; // Fix((x − Fix(x))·|P|), or Fix(x·|P|) when not split
        bool split;    // the cut value is whole + steps/|P|, or else steps/|P|
    };
    Steps truncate(const Real& x, const Integer& divisor, bool splitWhole) const;
    std::optional<Decimal> written(const Steps& cut) const;

    Rational magnitude;
    long powerOfTen = 0;
    bool isPowerOfTen = false;
    Integer placesScale; // 10^|k| when |P| = 10^k
};

// Fix(x) + Fix((x − Fix(x))·P)/P with P = |precision|, exactly: the integer part of x and
// its fraction cut toward zero to a multiple of 1/P. `precision` must not be 0.
Rational TruncateToPrecision(const Real& x, const Rational& precision);

// x rounded to `digits` significant digits, halves away from zero: a size shown in a box
// that follows from another one.
Decimal RoundedToSignificantDigits(const Real& x, int digits);

} // namespace velkor
