#pragma once

// Length units offered by every calculator and the powers in which results carry them.

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

// f^power in double precision: how many mm^power make one unit^power.
constexpr double UnitPower(LengthUnit unit, int power)
{
    double result = 1.0;
    for (int k = 0; k < power; ++k)
        result *= UnitFactorOf(unit);
    return result;
}

} // namespace velkor
