#pragma once

// Length units offered by every calculator and the powers in which results carry them.

#include "exact.h"

namespace velkor {

enum class LengthUnit { Millimetre, Centimetre, Metre };

// Millimetres in one unit.
constexpr int UnitFactorOf(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Millimetre:
        return 1;
    case LengthUnit::Centimetre:
        return 10;
    case LengthUnit::Metre:
        return 1000;
    }
    return 1000;
}

// A length typed in `unit`, in millimetres: the decimal point moves, nothing is rounded.
inline Decimal InMillimetres(Decimal length, LengthUnit unit)
{
    length.exponent += unit == LengthUnit::Millimetre ? 0 : unit == LengthUnit::Centimetre ? 1 : 3;
    return length;
}

// f^power: how many mm^power make one unit^power.
inline Rational UnitPower(LengthUnit unit, int power)
{
    Integer result;
    mpz_ui_pow_ui(result.get_mpz_t(), static_cast<unsigned long>(UnitFactorOf(unit)),
                  static_cast<unsigned long>(power));
    return Rational(result);
}

} // namespace velkor
