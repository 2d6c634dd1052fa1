#pragma once

// What every section routine returns, and how its figures become the values shown to the
// user: divided by the unit's power, checked to lie in the ordinary range of numbers, cut
// to the chosen precision, plus the weight of one running metre. Exact throughout: the
// digits shown are the digits of the exact figure.

#include "exact.h"
#include "figures.h"
#include "real.h"
#include "units.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velkor {

inline constexpr std::string_view WrongDataMessage = "Введены ошибочные данные";
inline constexpr std::string_view WrongPrecisionMessage = "Неверно задана точность результатов";

// One computed property in millimetre units, e.g. {&figure::I, 5055564.7815…}, and for a
// figure from an approximate model the model's name.
struct Figure {
    const FigureKind* kind;
    Real value;
    std::string_view model = {};
};

// The figures a calculator shows, or all a design check needs besides.
enum class Scope { Shown, All };

struct SectionProperties {
    std::vector<Figure> figures;
    Real area; // mm², for the weight

    SectionProperties& add(const FigureKind& kind, Real value, std::string_view model = {})
    {
        figures.push_back({&kind, std::move(value), model});
        return *this;
    }
};

// A check that failed, with the message for the user.
struct Refusal {
    std::string message;
};

using SectionOutcome = std::variant<SectionProperties, Refusal>;

// How the user wants the results: unit, specific weight in kg/m³, precision from the list,
// each exactly as typed.
struct DisplaySettings {
    LengthUnit unit;
    Rational specificWeight;
    Rational precision;
};

struct ShownFigure {
    const FigureKind* kind;
    Decimal value; // in the selected unit, cut, with the digits it is written with
    std::string_view model = {};
};

struct Display {
    std::vector<ShownFigure> figures;
    Decimal weight; // kg/m, cut
};

class Precision;

// Weight of one running metre in kg/m, Fix(w·P)/P of w = A·γ with A in m²: the same in
// every unit, since the specific weight is absolute. Nothing when it is beyond the
// ordinary range of numbers.
std::optional<Decimal> WeightPerMetre(const Real& areaInSquareMillimetres,
                                      const Rational& specificWeight, const Precision& precision);

// The figures in the selected unit, cut, with the weight; or the refusal of the routine,
// of an unusable precision (0, or outside the ordinary range), or of a figure beyond the
// ordinary range of numbers.
std::variant<Display, Refusal> ToDisplay(const SectionOutcome& outcome,
                                         const DisplaySettings& settings);

} // namespace velkor
