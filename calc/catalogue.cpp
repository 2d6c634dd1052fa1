#include "catalogue.h"

#include "cross_section.h"
#include "flanged_section.h"
#include "hexagon_section.h"
#include "ibeam_section.h"
#include "numbers.h"
#include "rectangle_section.h"
#include "rectangular_tube_section.h"
#include "rhombus_section.h"
#include "round_section.h"

#include <algorithm>
#include <stdexcept>

namespace velkor {
namespace {

using namespace figure;

const std::vector<const FigureKind*> AboutBothAxes = {&Ix, &Iy, &Wx, &Wy, &ix, &iy, &A, &Sx, &Sy};

// What a design check needs besides, in the order velkor-cli lists them: every section has
// the plastic axes and moduli, the polar moment, the outline and the shear centre; the
// closed tubes their inner outline; the open sections warping; the channel and the Z show
// their fibre moduli already and have principal ones.
std::vector<const FigureKind*> designFigures(std::initializer_list<const FigureKind*> fibres,
                                             std::initializer_list<const FigureKind*> outline,
                                             bool torsion, bool warping)
{
    std::vector<const FigureKind*> figures = {&Wplx, &Wply, &xpl, &ypl};
    figures.insert(figures.end(), fibres);
    figures.push_back(&Ip);
    figures.insert(figures.end(), outline);
    figures.push_back(&surface);
    if (torsion)
        figures.push_back(&It);
    figures.insert(figures.end(), {&xs, &ys});
    if (warping)
        figures.push_back(&Iw);
    return figures;
}

const auto Fibres = {&W1x, &W2x, &W1y, &W2y};

const std::vector<const FigureKind*> FlangedFigures = {&A,   &Xc,  &Yc, &Ix, &Iy,   &W1x, &W2x,
                                                       &W1y, &W2y, &ix, &iy, &Sx,   &Sy,  &Ixy,
                                                       &Iu,  &Iv,  &iu, &iv, &alpha};

// The routines' inputs from the catalogue's dimensions.
RoundSectionInput round(const ResolvedDimensions& d)
{
    return {d["D"], d["t"], d.variant()};
}

RectangularTubeInput tube(const ResolvedDimensions& d)
{
    // "H= B" squares the opening, which the routine takes from the tick itself
    return {d["B"], d["b"], d["H"], d["h"], false, d.tied("H")};
}

RectangleInput rectangle(const ResolvedDimensions& d)
{
    return {d["B"], d["H"], false};
}

HexagonInput hexagon(const ResolvedDimensions& d)
{
    return {d.variant() ? d["H"] : d["R"], d.variant()};
}

CrossInput cross(const ResolvedDimensions& d)
{
    return {d["B"], d["b"], d["H"], d["h"]};
}

IBeamInput ibeam(const ResolvedDimensions& d)
{
    return {d["H"], d["B1"], d["tf1"], d["tw"], d["B2"], d["tf2"]};
}

FlangedSectionInput flanged(const ResolvedDimensions& d)
{
    FlangedSectionInput input{d["H"], d["s"], d["B1"], d["t1"], d["B2"], d["t2"]};
    input.angle = d.variant(); // the angle's upper "flange" is the web, without thickness
    return input;
}

// The channel and the Z: in the channel the upper flange follows the lower one, in the
// angle the lower leg's thickness follows the web's, and the legs may be made equal.
std::vector<TieSpec> flangedTies()
{
    return {{"B2", "H", false, "--equal-legs", Applies::InVariant},
            {"t2", "s", true, "", Applies::InVariant},
            {"B1", "B2", true, "", Applies::InBase},
            {"t1", "t2", true, "", Applies::InBase}};
}

std::vector<SectionEntry> entries()
{
    return {
        {"round",
         {{"D", "14.2"}, {"t", "0.5"}},
         {},
         VariantSpec{"--solid", "", {}, {"t"}},
         {&I, &W, &i, &A},
         "7850",
         [](const ResolvedDimensions& d, Scope scope) { return CalcRoundSection(round(d), scope); },
         designFigures(Fibres, {&U, &Ui}, true, false),
         [](const ResolvedDimensions& d) { return RoundShape(round(d)); },
         "Круглая труба",
         "Круглое сечение"},
        {"tube",
         {{"B", "6"}, {"b", "0.5"}, {"H", "11"}, {"h", "0.5"}},
         {{"h", "b", true, ""}, {"H", "B", false, "--square"}},
         std::nullopt,
         AboutBothAxes,
         "7850",
         [](const ResolvedDimensions& d, Scope scope) {
             return CalcRectangularTube(tube(d), scope);
         },
         designFigures(Fibres, {&U, &Ui}, true, false),
         [](const ResolvedDimensions& d) { return RectangularTubeShape(tube(d)); },
         "Коробчатое сечение"},
        {"rect",
         {{"B", "5"}, {"H", ""}},
         {{"H", "B", true, ""}},
         std::nullopt,
         AboutBothAxes,
         "600",
         [](const ResolvedDimensions& d, Scope scope) {
             return CalcRectangle(rectangle(d), scope);
         },
         designFigures(Fibres, {&U}, true, false),
         [](const ResolvedDimensions& d) { return RectangleShape(rectangle(d)); },
         "Прямоугольное сечение"},
        {"rhombus",
         {{"B", "5"}},
         {},
         std::nullopt,
         {&I, &W, &i, &A, &S},
         "7850",
         [](const ResolvedDimensions& d, Scope scope) { return CalcRhombus({d["B"]}, scope); },
         designFigures(Fibres, {&U}, true, false),
         [](const ResolvedDimensions& d) { return RhombusShape({d["B"]}); },
         "Ромб"},
        {"hexagon",
         {{"R", "1"}, {"H", "1.73205"}},
         {},
         VariantSpec{"", "H", {"H"}, {"R"}},
         {&Ix, &Iy, &Wx, &Wy, &ix, &iy, &A},
         "7850",
         [](const ResolvedDimensions& d, Scope scope) { return CalcHexagon(hexagon(d), scope); },
         designFigures(Fibres, {&U}, false, false),
         [](const ResolvedDimensions& d) { return HexagonShape(hexagon(d)); },
         "Шестигранное сечение"},
        {"cross",
         {{"B", "10"}, {"b", "1"}, {"H", "20"}, {"h", "1"}},
         {{"H", "B", true, ""}, {"h", "b", true, ""}},
         std::nullopt,
         AboutBothAxes,
         "7850",
         [](const ResolvedDimensions& d, Scope scope) { return CalcCross(cross(d), scope); },
         designFigures(Fibres, {&U}, true, true),
         [](const ResolvedDimensions& d) { return CrossShape(cross(d)); },
         "Крестообразное сечение"},
        {"ibeam",
         {{"H", "19.3"}, {"B1", "15"}, {"tf1", "0.9"}, {"tw", "0.6"}, {"B2", "15"}, {"tf2", "0.9"}},
         {{"B2", "B1", true, "", Applies::InBase}, {"tf2", "tf1", true, "", Applies::InBase}},
         VariantSpec{"--tee", "", {}, {"B2", "tf2"}},
         {&Ix, &Iy, &Wx, &Wy, &ix, &iy, &A, &Sx, &Sy, &Yc},
         "7850",
         [](const ResolvedDimensions& d, Scope scope) { return CalcIBeam(ibeam(d), scope); },
         designFigures(Fibres, {&U}, true, true),
         [](const ResolvedDimensions& d) { return IBeamShape(ibeam(d)); },
         "Двутавровое сечение",
         "Тавровое сечение"},
        {"channel",
         {{"H", "20"}, {"s", "0.52"}, {"B1", "9"}, {"t1", "1"}, {"B2", "9"}, {"t2", "1"}},
         flangedTies(),
         VariantSpec{"--angle", "", {}, {"B1", "t1"}},
         FlangedFigures,
         "7850",
         [](const ResolvedDimensions& d, Scope scope) { return CalcChannel(flanged(d), scope); },
         designFigures({&Wu, &Wv}, {&U}, true, true),
         [](const ResolvedDimensions& d) { return ChannelShape(flanged(d)); },
         "С-образное сечение",
         "Уголковое сечение"},
        {"zsection",
         {{"H", "20"}, {"s", "0.52"}, {"B1", "9"}, {"t1", "0.9"}, {"B2", "9"}, {"t2", "0.9"}},
         flangedTies(),
         VariantSpec{"--angle", "", {}, {"B1", "t1"}},
         FlangedFigures,
         "7850",
         [](const ResolvedDimensions& d, Scope scope) { return CalcZSection(flanged(d), scope); },
         designFigures({&Wu, &Wv}, {&U}, true, true),
         [](const ResolvedDimensions& d) { return ZSectionShape(flanged(d)); },
         "Z-образное сечение",
         "Уголковое сечение"},
    };
}

} // namespace

std::size_t SectionEntry::dimensionIndex(std::string_view name) const
{
    const auto found = std::find_if(dimensions.begin(), dimensions.end(),
                                    [&](const DimensionSpec& d) { return d.name == name; });
    return static_cast<std::size_t>(found - dimensions.begin());
}

std::size_t SectionEntry::tieIndex(std::string_view tied) const
{
    const auto found =
        std::find_if(ties.begin(), ties.end(), [&](const TieSpec& t) { return t.tied == tied; });
    return static_cast<std::size_t>(found - ties.begin());
}

bool SectionEntry::uses(std::string_view dimension, bool inVariant) const
{
    if (!variant)
        return true;
    const auto& unused = inVariant ? variant->unusedInVariant : variant->unusedInBase;
    return std::find(unused.begin(), unused.end(), dimension) == unused.end();
}

bool SectionEntry::tieApplies(const TieSpec& tie, bool inVariant) const
{
    return tie.applies == Applies::Always || (tie.applies == Applies::InVariant) == inVariant;
}

ResolvedDimensions::ResolvedDimensions(const SectionEntry& entry, SectionInput input)
    : entry(entry)
    , input(std::move(input))
{
    auto& values = this->input.dimensions;
    if (values.size() != entry.dimensions.size() || this->input.ticks.size() != entry.ties.size())
        throw std::invalid_argument("inputs that do not match the section");
    for (std::size_t k = 0; k < entry.ties.size(); ++k) {
        const TieSpec& tie = entry.ties[k];
        if (this->input.ticks[k] && entry.tieApplies(tie, this->input.variant))
            values[entry.dimensionIndex(tie.tied)] = values[entry.dimensionIndex(tie.source)];
        else
            this->input.ticks[k] = false;
    }
    for (std::size_t k = 0; k < values.size(); ++k)
        if (!entry.uses(entry.dimensions[k].name, this->input.variant))
            values[k] = 0;
}

const Rational& ResolvedDimensions::operator[](std::string_view name) const
{
    return input.dimensions.at(entry.dimensionIndex(name));
}

bool ResolvedDimensions::tied(std::string_view tied) const
{
    const std::size_t k = entry.tieIndex(tied);
    return k < input.ticks.size() && input.ticks[k];
}

const std::vector<SectionEntry>& Catalogue()
{
    static const std::vector<SectionEntry> sections = entries();
    return sections;
}

const SectionEntry* FindSection(std::string_view key)
{
    const auto& catalogue = Catalogue();
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [&](const SectionEntry& e) { return e.key == key; });
    return found == catalogue.end() ? nullptr : &*found;
}

SectionInput DesignInput(const SectionEntry& entry, bool variant, LengthUnit unit)
{
    SectionInput input;
    input.variant = variant && entry.variant.has_value();
    for (const DimensionSpec& dimension : entry.dimensions)
        input.dimensions.push_back(ToRational(InMillimetres(Val(dimension.defaultText), unit)));
    for (const TieSpec& tie : entry.ties)
        input.ticks.push_back(tie.tickedByDefault && entry.tieApplies(tie, input.variant));
    return input;
}

SectionOutcome Compute(const SectionEntry& entry, SectionInput input, Scope scope)
{
    // Sizes outside the range of ordinary numbers only give figures outside it too, after
    // exact arithmetic on numbers of thousands of digits: refused at once.
    const ResolvedDimensions dimensions(entry, std::move(input));
    for (const Rational& dimension : dimensions.values())
        if (!IsOrdinary(dimension))
            return Refusal{std::string(WrongDataMessage)};
    return entry.compute(dimensions, scope);
}

} // namespace velkor
