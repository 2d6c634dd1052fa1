#include "rectangular_tube_section.h"

#include "axis_figures.h"
#include "design_figures.h"
#include "polygon_section.h"
#include "torsion.h"

namespace velkor {

SectionOutcome CalcRectangularTube(const RectangularTubeInput& input, Scope scope)
{
    const Rational& b = input.b;
    const Rational& h = input.equalWalls ? b : input.h;
    const Rational innerWidth = input.B - 2 * b;
    // "H= B" squares the opening, not the outline: with h ≠ b the outer height is not B
    const Rational innerHeight = input.squareOpening ? innerWidth : Rational(input.H - 2 * h);
    if (!(sgn(innerWidth) > 0 && sgn(b) > 0 && sgn(innerHeight) > 0 && sgn(h) > 0))
        return Refusal{std::string(WrongDataMessage)};

    const Rational width = innerWidth + 2 * b, height = innerHeight + 2 * h;
    const auto section =
        Section(Rectangle(0, 0, width, height), Rectangle(b, h, innerWidth, innerHeight, true));
    const PolygonProperties p = ComputePolygonSection(section);
    SectionProperties properties = FiguresAboutBothAxes(p);
    if (scope == Scope::All) {
        AddPolygonDesignFigures(properties, section, p, false, true);
        properties.add(figure::It, BredtTubeTorsion(width, b, height, h), model::Bredt);
        AddShearCentre(properties, p, p.centroid);
    }
    return properties;
}

} // namespace velkor
