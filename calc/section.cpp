#include "section.h"

#include "truncation.h"

#include <array>

namespace velkor {
namespace {

// kg/m of a section of this area in mm² and specific weight in kg/m³
Real weightOf(const Real& areaInSquareMillimetres, const Rational& specificWeight)
{
    static const Rational squareMetresPerSquareMillimetre = PowerOfTen(-6);
    return areaInSquareMillimetres * Rational(squareMetresPerSquareMillimetre * specificWeight);
}

} // namespace

std::optional<Decimal> WeightPerMetre(const Real& areaInSquareMillimetres,
                                      const Rational& specificWeight, const Precision& precision)
{
    return precision.cutWhole(weightOf(areaInSquareMillimetres, specificWeight));
}

std::variant<Display, Refusal> ToDisplay(const SectionOutcome& outcome,
                                         const DisplaySettings& settings)
{
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        return *refusal;
    // a precision below the ordinary range would cut in steps larger than any number, slowly
    if (sgn(settings.precision) == 0 || !IsOrdinary(settings.precision))
        return Refusal{std::string(WrongPrecisionMessage)};

    const Precision precision(settings.precision);
    const auto& properties = std::get<SectionProperties>(outcome);
    const auto wrongData = Refusal{std::string(WrongDataMessage)};
    std::array<Integer, Warping + 1> unitPowers;
    for (int power = Unitless; power <= Warping; ++power)
        unitPowers[static_cast<std::size_t>(power)] = UnitPower(settings.unit, power).get_num();

    Display display;
    display.figures.reserve(properties.figures.size());
    for (const Figure& figure : properties.figures) {
        auto shown =
            precision.cut(figure.value, unitPowers[static_cast<std::size_t>(figure.kind->power)]);
        if (!shown)
            return wrongData;
        display.figures.push_back({figure.kind, std::move(*shown), figure.model});
    }
    auto weight = WeightPerMetre(properties.area, settings.specificWeight, precision);
    if (!weight)
        return wrongData;
    display.weight = std::move(*weight);
    return display;
}

} // namespace velkor
