#include "rhombus_section.h"

#include "polygon_section.h"

#include <algorithm>
#include <cmath>

namespace velkor {

SectionOutcome CalcRhombus(const RhombusInput& input)
{
    const double B = input.B;
    if (!(B > 0))
        return Refusal{std::string(WrongDataMessage)};

    const double halfDiagonal = B / std::sqrt(2.0);
    const auto p = ComputePolygonSection(
        {{{{0, -halfDiagonal}, {halfDiagonal, 0}, {0, halfDiagonal}, {-halfDiagonal, 0}}}});
    // S is the first moment of the half above the diagonal, the triangle beyond the axis
    return SectionProperties{{{"I", p.Ix, Inertia},
                              {"W", p.Ix / std::max(p.above, p.below), Modulus},
                              {"A", p.area, Area},
                              {"i", std::sqrt(p.Ix / p.area), Length},
                              {"S", p.Sx, Modulus}},
                             p.area};
}

} // namespace velkor
