#include "rectangular_tube_section.h"

#include "axis_figures.h"
#include "polygon_section.h"

namespace velkor {

SectionOutcome CalcRectangularTube(const RectangularTubeInput& input)
{
    const double b = input.b;
    const double h = input.equalWalls ? b : input.h;
    const double innerWidth = input.B - 2 * b;
    // "H= B" squares the opening, not the outline: with h ≠ b the outer height is not B
    const double innerHeight = input.squareOpening ? innerWidth : input.H - 2 * h;
    if (!(innerWidth > 0 && b > 0 && innerHeight > 0 && h > 0))
        return Refusal{std::string(WrongDataMessage)};

    return FiguresAboutBothAxes(
        ComputePolygonSection({Rectangle(0, 0, innerWidth + 2 * b, innerHeight + 2 * h),
                               Rectangle(b, h, innerWidth, innerHeight, true)}));
}

} // namespace velkor
