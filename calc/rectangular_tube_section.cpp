#include "rectangular_tube_section.h"

#include "axis_figures.h"
#include "design_figures.h"
#include "polygon_section.h"
#include "torsion.h"

namespace velkor {

namespace {

struct Opening {
    Rational b, h, width, height; // the walls and the opening they leave
};

Opening openingOf(const RectangularTubeInput& input)
{
    const Rational& b = input.b;
    const Rational& h = input.equalWalls ? b : input.h;
    const Rational width = input.B - 2 * b;
    // "H= B" squares the opening, not the outline: with h ≠ b the outer height is not B
    const Rational height = input.squareOpening ? width : Rational(input.H - 2 * h);
    return {b, h, width, height};
}

} // namespace

std::vector<Contour> RectangularTubeOutline(const RectangularTubeInput& input)
{
    const Opening o = openingOf(input);
    return Section(Rectangle(0, 0, o.width + 2 * o.b, o.height + 2 * o.h),
                   Rectangle(o.b, o.h, o.width, o.height, true));
}

SectionOutcome CalcRectangularTube(const RectangularTubeInput& input, Scope scope)
{
    const Opening o = openingOf(input);
    const Rational &b = o.b, &h = o.h;
    if (!(sgn(o.width) > 0 && sgn(b) > 0 && sgn(o.height) > 0 && sgn(h) > 0))
        return Refusal{std::string(WrongDataMessage)};

    const Rational width = o.width + 2 * b, height = o.height + 2 * h;
    const auto section = RectangularTubeOutline(input);
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
