#include "sections.h"

#include "cross_section.h"
#include "flanged_section.h"
#include "hexagon_section.h"
#include "ibeam_section.h"
#include "rectangle_section.h"
#include "rectangular_tube_section.h"
#include "rhombus_section.h"
#include "round_section.h"

#include <algorithm>
#include <cmath>

namespace velkor::cli {

Dimensions::Dimensions(const Request& request, const std::vector<DimensionEntry>& entries)
    : request(request)
    , entries(entries)
{
}

bool Dimensions::given(std::string_view name) const
{
    return request.dimensions.count(std::string(name)) != 0;
}

double Dimensions::operator[](std::string_view name) const
{
    const double factor = UnitFactorOf(request.unit);
    if (const auto found = request.dimensions.find(std::string(name)); found != request.dimensions.end())
        return found->second * factor;
    // a dimension left out takes the calculator's design text, read in the request's unit
    // as the calculator reads it when the unit is switched before calculating
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                   [&](const DimensionEntry& d) { return d.name == name; });
    const auto value = StrictNumber(std::string(entry->defaultText));
    return value ? *value * factor : std::nan("");
}

bool Dimensions::flag(std::string_view name) const
{
    return request.flags.count(std::string(name)) != 0;
}

namespace {

const std::vector<ResultEntry> AboutBothAxes = {
    {"Ix", Inertia}, {"Iy", Inertia}, {"Wx", Modulus}, {"Wy", Modulus}, {"ix", Length},
    {"iy", Length},  {"A", Area},     {"Sx", Modulus}, {"Sy", Modulus}};

const std::vector<ResultEntry> FlangedResults = {
    {"A", Area},      {"Xc", Length},   {"Yc", Length},   {"Ix", Inertia},   {"Iy", Inertia},
    {"W1x", Modulus}, {"W2x", Modulus}, {"W1y", Modulus}, {"W2y", Modulus},  {"ix", Length},
    {"iy", Length},   {"Sx", Modulus},  {"Sy", Modulus},  {"Ixy", Inertia},  {"Iu", Inertia},
    {"Iv", Inertia},  {"iu", Length},   {"iv", Length},   {"alpha", Degrees}};

std::vector<ResultEntry> with(std::vector<ResultEntry> results, ResultEntry extra)
{
    results.push_back(extra);
    return results;
}

// A dimension left out that has a tie takes its source's value.
double tied(const Dimensions& d, std::string_view name, std::string_view source)
{
    return d.given(name) ? d[name] : d[source];
}

// Channel and Z: B1 and t1 follow B2 and t2 when left out; in the angle, B2 left out makes
// the legs equal (B2 = H) and t2 left out the thicknesses (t2 = s).
FlangedSectionInput flanged(const Dimensions& d)
{
    const bool angle = d.flag("--angle");
    const double t2 = angle && !d.given("t2") ? d["s"] : d["t2"];
    FlangedSectionInput input{d["H"], d["s"], 0, 0, d["B2"], t2};
    input.angle = angle;
    input.equalLegs = angle && !d.given("B2");
    input.equalWidths = !d.given("B1");
    input.equalThicknesses = !d.given("t1");
    input.B1 = input.equalWidths ? input.B2 : d["B1"];
    input.t1 = input.equalThicknesses ? t2 : d["t1"];
    return input;
}

} // namespace

const std::vector<SectionCommand>& SectionCommands()
{
    static const std::vector<SectionCommand> commands = {
        {"tube",
         {{"B", "6"}, {"b", "0.5"}, {"H", "11"}, {"h", ""}},
         {"--square"},
         {},
         7850,
         AboutBothAxes,
         [](const Dimensions& d) {
             return CalcRectangularTube(
                 {d["B"], d["b"], d["H"], tied(d, "h", "b"), false, d.flag("--square")});
         }},
        {"round",
         {{"D", "14.2"}, {"t", "0.5"}},
         {"--solid"},
         {},
         7850,
         {{"I", Inertia}, {"W", Modulus}, {"i", Length}, {"A", Area}},
         [](const Dimensions& d) {
             const bool solid = d.flag("--solid");
             return CalcRoundSection({d["D"], solid ? 0.0 : d["t"], solid});
         }},
        {"rect",
         {{"B", "5"}, {"H", ""}},
         {},
         {},
         600,
         AboutBothAxes,
         [](const Dimensions& d) { return CalcRectangle({d["B"], tied(d, "H", "B"), false}); }},
        {"rhombus",
         {{"B", "5"}},
         {},
         {},
         7850,
         {{"I", Inertia}, {"W", Modulus}, {"i", Length}, {"A", Area}, {"S", Modulus}},
         [](const Dimensions& d) { return CalcRhombus({d["B"]}); }},
        {"hexagon",
         {{"R", "1"}, {"H", ""}},
         {},
         {"R", "H"},
         7850,
         {AboutBothAxes.begin(), AboutBothAxes.begin() + 7},
         [](const Dimensions& d) {
             const bool acrossFlats = d.given("H");
             return CalcHexagon({acrossFlats ? d["H"] : d["R"], acrossFlats});
         }},
        {"cross",
         {{"B", "10"}, {"b", "1"}, {"H", ""}, {"h", ""}},
         {},
         {},
         7850,
         AboutBothAxes,
         [](const Dimensions& d) {
             return CalcCross({d["B"], d["b"], tied(d, "H", "B"), tied(d, "h", "b")});
         }},
        {"ibeam",
         {{"H", "19.3"}, {"B1", "15"}, {"tf1", "0.9"}, {"tw", "0.6"}, {"B2", ""}, {"tf2", ""}},
         {"--tee"},
         {},
         7850,
         with(AboutBothAxes, {"Yc", Length}),
         [](const Dimensions& d) {
             // the T-section has no flange 2
             const bool tee = d.flag("--tee");
             return CalcIBeam({d["H"], d["B1"], d["tf1"], d["tw"],
                               tee ? 0.0 : tied(d, "B2", "B1"), tee ? 0.0 : tied(d, "tf2", "tf1")});
         }},
        {"channel",
         {{"H", "20"}, {"s", "0.52"}, {"B1", ""}, {"t1", ""}, {"B2", "9"}, {"t2", "1"}},
         {"--angle"},
         {},
         7850,
         FlangedResults,
         [](const Dimensions& d) { return CalcChannel(flanged(d)); }},
        {"zsection",
         {{"H", "20"}, {"s", "0.52"}, {"B1", ""}, {"t1", ""}, {"B2", "9"}, {"t2", "0.9"}},
         {"--angle"},
         {},
         7850,
         FlangedResults,
         [](const Dimensions& d) { return CalcZSection(flanged(d)); }},
    };
    return commands;
}

const SectionCommand* FindSection(std::string_view name)
{
    const auto& commands = SectionCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const SectionCommand& c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

const std::vector<std::string_view>& AllResultSymbols()
{
    static const std::vector<std::string_view> symbols = {
        "A", "Xc", "Yc", "I", "Ix", "Iy", "W", "Wx", "Wy", "W1x", "W2x", "W1y", "W2y", "i", "ix",
        "iy", "S", "Sx", "Sy", "weight",
        // added later: at the end, so that existing columns keep their places
        "Ixy", "Iu", "Iv", "iu", "iv", "alpha"};
    return symbols;
}

} // namespace velkor::cli
