#include "sections.h"

#include "round_section.h"

#include <algorithm>
#include <cmath>

namespace velkor::cli {

Dimensions::Dimensions(const Request& request, const std::vector<DimensionSpec>& specs)
    : request(request)
    , specs(specs)
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
    const auto spec = std::find_if(specs.begin(), specs.end(),
                                   [&](const DimensionSpec& d) { return d.name == name; });
    const auto value = StrictNumber(std::string(spec->defaultText));
    return value ? *value * factor : std::nan("");
}

bool Dimensions::flag(std::string_view name) const
{
    return request.flags.count(std::string(name)) != 0;
}

const std::vector<SectionCommand>& SectionCommands()
{
    static const std::vector<SectionCommand> commands = {
        {"round",
         {{"D", "14.2"}, {"t", "0.5"}},
         {"--solid"},
         7850,
         {{"I", Inertia}, {"W", Modulus}, {"i", Length}, {"A", Area}},
         [](const Dimensions& d) {
             const bool solid = d.flag("--solid");
             return CalcRoundSection({d["D"], solid ? 0.0 : d["t"], solid});
         }},
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
        "A", "Xc", "Yc", "I", "Ix", "Iy", "W", "Wx", "Wy", "W1x", "W2x", "W1y", "W2y",
        "i", "ix", "iy", "S", "Sx", "Sy", "weight"};
    return symbols;
}

} // namespace velkor::cli
