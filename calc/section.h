#pragma once

// What every section routine returns, and how its figures become the values shown to the
// user: divided by the unit's power, checked for finiteness, cut to the chosen precision,
// plus the weight of one running metre.

#include "units.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velkor {

inline constexpr std::string_view WrongDataMessage = "Введены ошибочные данные";
inline constexpr std::string_view WrongPrecisionMessage = "Неверно задана точность результатов";

// Powers of length in which the figures are expressed. An angle, in degrees, holds no
// length: no unit changes it.
enum Power { Degrees = 0, Length = 1, Area = 2, Modulus = 3, Inertia = 4 };

// One computed property in millimetre units, e.g. {"I", 5055564.78, Inertia}.
struct Figure {
    std::string_view symbol;
    double value;
    int power;
};

struct SectionProperties {
    std::vector<Figure> figures;
    double area; // mm², for the weight
};

// A check that failed, with the message for the user.
struct Refusal {
    std::string message;
};

using SectionOutcome = std::variant<SectionProperties, Refusal>;

// How the user wants the results: unit, specific weight in kg/m³, precision from the list.
struct DisplaySettings {
    LengthUnit unit;
    double specificWeight;
    float precision;
};

struct ShownFigure {
    std::string_view symbol;
    double value; // in the selected unit, truncated
};

struct Display {
    std::vector<ShownFigure> figures;
    double weight; // kg/m, truncated
};

// Weight of one running metre in kg/m from the untruncated area in the selected unit
// squared. The specific weight is absolute (kg/m³), so it is never scaled by the unit.
double WeightPerMetre(double areaInUnit, LengthUnit unit, double specificWeight, float precision);

// The figures in the selected unit, truncated, with the weight; or the refusal of the
// routine, of an unusable precision, or of a result that is not a finite number.
std::variant<Display, Refusal> ToDisplay(const SectionOutcome& outcome,
                                         const DisplaySettings& settings);

} // namespace velkor
