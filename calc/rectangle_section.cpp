#include "rectangle_section.h"

#include "axis_figures.h"
#include "polygon_section.h"

namespace velkor {

SectionOutcome CalcRectangle(const RectangleInput& input)
{
    const Rational& B = input.B;
    const Rational& H = input.square ? B : input.H;
    if (!(sgn(B) > 0 && sgn(H) > 0))
        return Refusal{std::string(WrongDataMessage)};
    // S is the first moment of the half-section, B·H²/8 and H·B²/8
    return FiguresAboutBothAxes(ComputePolygonSection(Section(Rectangle(0, 0, B, H))));
}

} // namespace velkor
