#include "hexagon_section.h"

#include "polygon_section.h"

#include <algorithm>
#include <cmath>

namespace velkor {

double HeightAcrossFlats(double radius)
{
    return radius * std::sqrt(3.0);
}

double RadiusFromHeight(double height)
{
    return height / std::sqrt(3.0);
}

double HexagonRadius(const HexagonInput& input)
{
    return input.acrossFlats ? RadiusFromHeight(input.size) : input.size;
}

SectionOutcome CalcHexagon(const HexagonInput& input)
{
    const double R = HexagonRadius(input);
    if (!(R > 0))
        return Refusal{std::string(WrongDataMessage)};

    const double halfHeight = HeightAcrossFlats(R) / 2;
    const auto p = ComputePolygonSection({{{{R, 0},
                                            {R / 2, halfHeight},
                                            {-R / 2, halfHeight},
                                            {-R, 0},
                                            {-R / 2, -halfHeight},
                                            {R / 2, -halfHeight}}}});
    // Wx reaches the flats, Wy the corners on the X axis
    return SectionProperties{{{"Ix", p.Ix, Inertia},
                              {"Iy", p.Iy, Inertia},
                              {"Wx", p.Ix / std::max(p.above, p.below), Modulus},
                              {"Wy", p.Iy / std::max(p.left, p.right), Modulus},
                              {"A", p.area, Area},
                              {"ix", std::sqrt(p.Ix / p.area), Length},
                              {"iy", std::sqrt(p.Iy / p.area), Length}},
                             p.area};
}

} // namespace velkor
