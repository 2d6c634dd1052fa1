#include "rectangular_tube_section.h"

#include "axis_figures.h"
#include "polygon_section.h"

namespace velkor {

SectionOutcome CalcRectangularTube(const RectangularTubeInput& input)
{
    const Rational& b = input.b;
    const Rational& h = input.equalWalls ? b : input.h;
    const Rational innerWidth = input.B - 2 * b;
    // "H= B" squares the opening, not the outline: with h ≠ b the outer height is not B
    const Rational innerHeight = input.squareOpening ? innerWidth : Rational(input.H - 2 * h);
    if (!(sgn(innerWidth) > 0 && sgn(b) > 0 && sgn(innerHeight) > 0 && sgn(h) > 0))
        return Refusal{std::string(WrongDataMessage)};

    return FiguresAboutBothAxes(
        ComputePolygonSection(Section(Rectangle(0, 0, innerWidth + 2 * b, innerHeight + 2 * h),
                                      Rectangle(b, h, innerWidth, innerHeight, true))));
}

} // namespace velkor
