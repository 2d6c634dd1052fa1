#include "rectangle_section.h"

#include "axis_figures.h"
#include "design_figures.h"
#include "polygon_section.h"
#include "torsion.h"

namespace velkor {

std::vector<Contour> RectangleOutline(const RectangleInput& input)
{
    return Section(Rectangle(0, 0, input.B, input.square ? input.B : input.H));
}

SectionOutcome CalcRectangle(const RectangleInput& input, Scope scope)
{
    const Rational& B = input.B;
    const Rational& H = input.square ? B : input.H;
    if (!(sgn(B) > 0 && sgn(H) > 0))
        return Refusal{std::string(WrongDataMessage)};
    // S is the first moment of the half-section, B·H²/8 and H·B²/8
    const auto section = RectangleOutline(input);
    const PolygonProperties p = ComputePolygonSection(section);
    SectionProperties properties = FiguresAboutBothAxes(p);
    if (scope == Scope::All) {
        AddPolygonDesignFigures(properties, section, p, false);
        properties.add(figure::It, SolidRectangleTorsion(B, H));
        AddShearCentre(properties, p, p.centroid);
    }
    return properties;
}

} // namespace velkor
