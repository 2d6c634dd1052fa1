#include "sortament/printed_values.h"

#include "numbers.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace velkor::sortament {
namespace {

using namespace figure;

// What a printed column is compared with.
enum class Computed { Figure, Magnitude, Weight, Tangent, ShearArea, Informative };

struct ColumnMeaning {
    std::string_view column;
    const FigureKind* kind;
    Computed computed = Computed::Figure;
};

constexpr std::array<ColumnMeaning, 21> GostColumns = {{
    {"A", &A},
    {"mass", nullptr, Computed::Weight},
    {"Ix", &Ix},
    {"Wx", &Wx},
    {"ix", &ix},
    {"Sx", &Sx},
    {"Iy", &Iy},
    {"Wy", &Wy},
    {"iy", &iy},
    {"x0", &Xc},
    {"y0", &Yc},
    {"z0", &Xc},
    {"Ix0", &Iu},
    {"ix0", &iu},
    {"Iy0", &Iv},
    {"Wy0", &Wv},
    {"iy0", &iv},
    {"Ixy", &Ixy, Computed::Magnitude},
    {"tga", nullptr, Computed::Tangent},
    // GOST 8510 names the axis of the least moment u
    {"Iu", &Iv},
    {"Wu", &Wv},
}};
constexpr ColumnMeaning GostMinorRadius = {"iu", &iv};

// The European tables name the strong axis y and the weak one z.
constexpr std::array<ColumnMeaning, 14> EuropeanColumns = {{
    {"A", &A},
    {"mass", nullptr, Computed::Weight},
    {"P", &surface},
    {"Avz", nullptr, Computed::ShearArea},
    {"Iy", &Ix},
    {"iy", &ix},
    {"Wely", &Wx},
    {"Wply", &Wplx},
    {"Iz", &Iy},
    {"iz", &iy},
    {"Welz", &Wy},
    {"Wplz", &Wply},
    {"It", &It, Computed::Informative},
    {"Iw", &figure::Iw, Computed::Informative},
}};

const ColumnMeaning* meaningOf(const Profile& profile, std::string_view column)
{
    if (!profile.standard().prefix.empty()) {
        for (const ColumnMeaning& m : EuropeanColumns)
            if (m.column == column)
                return &m;
        return nullptr;
    }
    if (column == GostMinorRadius.column)
        return &GostMinorRadius;
    for (const ColumnMeaning& m : GostColumns)
        if (m.column == column)
            return &m;
    return nullptr;
}

// The value compared, in the units the tables print: cm, cm², cm³, cm⁴, kg/m, m²/m.
std::optional<FigureValue> computedValue(const ColumnMeaning& meaning, const Profile& profile,
                                         const ArcSectionFigures& figures)
{
    const auto inCentimetres = [](const FigureValue& v, int power) {
        return v / FigureValue(ExactValue(
                       RootNumber(Rational(PowerOfTenInteger(static_cast<unsigned long>(power))))));
    };
    const auto figureOf = [&](const FigureKind& kind) -> std::optional<FigureValue> {
        if (const FigureValue* v = figures.find(kind))
            return *v;
        return std::nullopt;
    };
    switch (meaning.computed) {
    case Computed::Informative:
        return std::nullopt;
    case Computed::Figure:
    case Computed::Magnitude: {
        const auto value = figureOf(*meaning.kind);
        if (!value)
            return std::nullopt;
        const FigureValue v = meaning.computed == Computed::Magnitude ? Abs(*value) : *value;
        return meaning.kind->power == Unitless ? v : inCentimetres(v, meaning.kind->power);
    }
    case Computed::Weight: // A·7850 kg/m³, A in m²
        return figures.area() * FigureValue(ExactValue(RootNumber(Fraction(7850, 1000000))));
    case Computed::Tangent:
        return TangentOfDegrees(Abs(*figureOf(alpha)));
    case Computed::ShearArea: {
        // A − 2·b·tf + (tw + 2r)·tf, the shear area of a rolled I along its web
        const Rational b = profile.dimension("b"), tf = profile.dimension("tf"),
                       tw = profile.dimension("tw"), r = profile.dimension("r");
        const Rational removed = 2 * b * tf - (tw + 2 * r) * tf;
        return inCentimetres(figures.area() - FigureValue(ExactValue(RootNumber(removed))), 2);
    }
    }
    return std::nullopt;
}

// The digits of a printed text as an integer in units of its compared place.
Integer printedUnitsOf(std::string_view text, long place)
{
    std::string digits;
    long decimals = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.') {
            point = true;
            continue;
        }
        digits += c;
        if (point)
            ++decimals;
    }
    Integer units(digits, 10);
    // an integer compared to tens or more: its trailing zeros dropped
    for (long k = -decimals; k < place; ++k)
        units /= 10;
    return units;
}

// units·10^place written out with its decimals: 8858 at −2 is "88.58".
std::string roundedText(const Integer& units, long place)
{
    if (place >= 0)
        return Integer(units * PowerOfTenInteger(static_cast<unsigned long>(place))).get_str();
    const auto decimals = static_cast<std::size_t>(-place);
    std::string digits = Integer(abs(units)).get_str();
    if (digits.size() <= decimals)
        digits.insert(0, decimals + 1 - digits.size(), '0');
    digits.insert(digits.size() - decimals, 1, '.');
    return (sgn(units) < 0 ? "-" : "") + digits;
}

// The power of the length unit a printed column is in: 0 for the mass, the surface, tgα.
int powerOf(const ColumnMeaning& meaning)
{
    switch (meaning.computed) {
    case Computed::Weight:
    case Computed::Tangent:
        return 0;
    case Computed::ShearArea:
        return Area;
    case Computed::Figure:
    case Computed::Magnitude:
    case Computed::Informative:
        break;
    }
    return meaning.kind->power;
}

} // namespace

long ComparedPlace(std::string_view printed)
{
    const std::size_t point = printed.find('.');
    if (point != std::string_view::npos)
        return -static_cast<long>(printed.size() - point - 1);
    std::size_t significant = printed.size();
    while (significant > 1 && printed[significant - 1] == '0')
        --significant;
    // at least three significant figures, and none beyond the units
    const std::size_t compared = std::max<std::size_t>(significant, 3);
    return compared >= printed.size() ? 0 : static_cast<long>(printed.size() - compared);
}

std::vector<PrintedComparison> CompareWithPrinted(const Profile& profile,
                                                  const ArcSectionFigures& figures)
{
    std::vector<PrintedComparison> comparisons;
    for (const PrintedValue& printed : profile.printed()) {
        const ColumnMeaning* meaning = meaningOf(profile, printed.column);
        PrintedComparison c;
        c.printed = &printed;
        c.place = ComparedPlace(printed.text);
        c.printedUnits = printedUnitsOf(printed.text, c.place);
        if (meaning != nullptr) {
            c.power = powerOf(*meaning);
            if (meaning->computed != Computed::Tangent && meaning->computed != Computed::ShearArea)
                c.kind = meaning->kind;
        }
        const auto value = meaning ? computedValue(*meaning, profile, figures) : std::nullopt;
        if (!value) {
            c.compared = false;
            comparisons.push_back(std::move(c));
            continue;
        }
        c.computedUnits = RoundedHalfUp(*value, c.place);
        const Integer apart = c.computedUnits - c.printedUnits;
        c.agreement = sgn(apart) == 0   ? Agreement::Exact
                      : abs(apart) == 1 ? Agreement::WithinOneUnit
                                        : Agreement::Differs;
        c.offBy = value->approximately() * std::pow(10.0, static_cast<double>(-c.place)) -
                  c.printedUnits.get_d();
        c.computedText = roundedText(c.computedUnits, c.place);
        comparisons.push_back(std::move(c));
    }
    return comparisons;
}

Decimal PrintedInUnit(const PrintedComparison& comparison, LengthUnit unit)
{
    const std::string_view text = comparison.printed->text;
    const std::size_t point = text.find('.');
    Decimal value;
    std::string digits(text.substr(0, point));
    if (point != std::string_view::npos) {
        digits += text.substr(point + 1);
        value.exponent = -static_cast<long>(text.size() - point - 1);
    }
    value.significand = Integer(digits, 10);
    // 1 cm is 10 mm and 0.01 m
    const long shift = unit == LengthUnit::Millimetre ? 1 : unit == LengthUnit::Metre ? -2 : 0;
    value.exponent += shift * comparison.power;
    return value;
}

} // namespace velkor::sortament
