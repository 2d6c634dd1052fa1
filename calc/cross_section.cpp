#include "cross_section.h"

#include "axis_figures.h"
#include "design_figures.h"
#include "polygon_section.h"
#include "thin_walled.h"

namespace velkor {

std::vector<Contour> CrossOutline(const CrossInput& input)
{
    const auto& [B, b, H, h] = input;
    // one outline, so the square where the elements cross counts once
    const Rational x = B / 2, y = H / 2, u = b / 2, v = h / 2;
    const Rational nx = -x, ny = -y, nu = -u, nv = -v;
    return std::vector<Contour>{{{{u, ny},
                                  {u, nv},
                                  {x, nv},
                                  {x, v},
                                  {u, v},
                                  {u, y},
                                  {nu, y},
                                  {nu, v},
                                  {nx, v},
                                  {nx, nv},
                                  {nu, nv},
                                  {nu, ny}}}};
}

SectionOutcome CalcCross(const CrossInput& input, Scope scope)
{
    const auto& [B, b, H, h] = input;
    if (!(sgn(B) > 0 && sgn(b) > 0 && sgn(H) > 0 && sgn(h) > 0))
        return Refusal{std::string(WrongDataMessage)};
    if (!(B > b && H > h))
        return Refusal{std::string(CrossProportionsMessage)};

    const auto section = CrossOutline(input);
    const PolygonProperties p = ComputePolygonSection(section);
    SectionProperties properties = FiguresAboutBothAxes(p);
    if (scope == Scope::All) {
        AddPolygonDesignFigures(properties, section, p, false);
        // thin plates: the horizontal bar whole, the vertical one's two arms together; all
        // of them radiate from the centre, which is the shear centre and leaves no warping
        properties.add(figure::It, OpenTorsionConstant({{B, h}, {Rational(H - h), b}}),
                       model::OpenThinWalled);
        AddShearCentre(properties, p, p.centroid, model::Centreline);
        properties.add(figure::Iw, 0, model::Centreline);
    }
    return properties;
}

} // namespace velkor
