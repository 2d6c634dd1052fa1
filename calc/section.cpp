#include "section.h"

#include "numbers.h"

#include <cmath>

namespace velkor {

double WeightPerMetre(double areaInUnit, LengthUnit unit, double specificWeight, float precision)
{
    double squareMetresPerUnit = 1.0;
    switch (unit) {
    case LengthUnit::Millimetre:
        squareMetresPerUnit = 0.000001;
        break;
    case LengthUnit::Centimetre:
        squareMetresPerUnit = 0.0001;
        break;
    case LengthUnit::Metre:
        break;
    }
    return TruncateToPrecision((areaInUnit * squareMetresPerUnit) * specificWeight, precision);
}

std::variant<Display, Refusal> ToDisplay(const SectionOutcome& outcome,
                                         const DisplaySettings& settings)
{
    if (const auto* refusal = std::get_if<Refusal>(&outcome))
        return *refusal;
    if (settings.precision == 0 || !std::isfinite(settings.precision))
        return Refusal{std::string(WrongPrecisionMessage)};

    const auto& properties = std::get<SectionProperties>(outcome);
    const auto wrongData = Refusal{std::string(WrongDataMessage)};
    Display display;
    display.figures.reserve(properties.figures.size());
    for (const Figure& figure : properties.figures) {
        const double value = figure.value / UnitPower(settings.unit, figure.power);
        if (!std::isfinite(value))
            return wrongData;
        display.figures.push_back(
            {figure.symbol, TruncateToPrecision(value, settings.precision)});
    }
    const double area = properties.area / UnitPower(settings.unit, Area);
    const double weight =
        WeightPerMetre(area, settings.unit, settings.specificWeight, settings.precision);
    if (!std::isfinite(weight))
        return wrongData;
    display.weight = weight;
    return display;
}

} // namespace velkor
