#include "rectangle_section.h"

#include "axis_figures.h"
#include "polygon_section.h"

namespace velkor {

SectionOutcome CalcRectangle(const RectangleInput& input)
{
    const double B = input.B;
    const double H = input.square ? B : input.H;
    if (!(B > 0 && H > 0))
        return Refusal{std::string(WrongDataMessage)};
    // S is the first moment of the half-section, B·H²/8 and H·B²/8
    return FiguresAboutBothAxes(ComputePolygonSection({Rectangle(0, 0, B, H)}));
}

} // namespace velkor
