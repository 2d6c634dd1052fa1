#include "ibeam_section.h"

#include "axis_figures.h"
#include "design_figures.h"
#include "polygon_section.h"
#include "thin_walled.h"

namespace velkor {

namespace {

// Torsion, shear centre and warping by thin plates: the flanges whole, the web between them.
// With both flanges the shear centre lies on the web, h·I2/(I1 + I2) above flange 1's
// centreline (I1, I2 the flanges' own moments about the web's axis, h between their
// centrelines), and Iw = I1·I2·h²/(I1 + I2); a T has it where its plates meet, and none.
void addDesignFigures(SectionProperties& properties, const std::vector<Contour>& section,
                      const PolygonProperties& p, const IBeamInput& in)
{
    AddPolygonDesignFigures(properties, section, p, false);
    const bool flange2 = sgn(in.B2) > 0 && sgn(in.tf2) > 0;
    const Rational web = in.H - in.tf1 - in.tf2;
    std::vector<std::pair<Rational, Rational>> plates{{in.B1, in.tf1}, {web, in.tw}};
    if (flange2)
        plates.emplace_back(in.B2, in.tf2);
    properties.add(figure::It, OpenTorsionConstant(plates), model::OpenThinWalled);
    Point centre{0, in.tf1 / 2};
    Rational warping = 0;
    if (flange2) {
        const Rational I1 = in.tf1 * in.B1 * in.B1 * in.B1 / 12;
        const Rational I2 = in.tf2 * in.B2 * in.B2 * in.B2 / 12;
        const Rational h = in.H - in.tf1 / 2 - in.tf2 / 2;
        centre.y += h * I2 / (I1 + I2);
        warping = I1 * I2 * h * h / (I1 + I2);
    }
    AddShearCentre(properties, p, centre, model::Centreline);
    properties.add(figure::Iw, warping, model::Centreline);
}

} // namespace

std::vector<Contour> IBeamOutline(const IBeamInput& in)
{
    const Rational halfB1 = in.B1 / 2, halfTw = in.tw / 2, halfB2 = in.B2 / 2;
    const Rational webBottom = in.tf1, webTop = in.H - in.tf2;
    return Section(Box(-halfB1, 0, halfB1, webBottom), Box(-halfTw, webBottom, halfTw, webTop),
                   Box(-halfB2, webTop, halfB2, in.H));
}

SectionOutcome CalcIBeam(const IBeamInput& in, Scope scope)
{
    if (!(sgn(in.B1) > 0 && sgn(in.tw) > 0 && sgn(in.H) > 0 && sgn(in.tf1) > 0))
        return Refusal{std::string(WrongDataMessage)};
    if (in.tf1 + in.tf2 >= in.H)
        return Refusal{"Сумма tf1+tf2 должна быть меньше H"};
    if (in.tw >= in.B1)
        return Refusal{"Толщина стенки tw должна быть меньше B1"};
    // A released flange 2 is otherwise taken as typed; a negative one is no section.
    if (sgn(in.B2) < 0 || sgn(in.tf2) < 0)
        return Refusal{std::string(WrongDataMessage)};

    // A flange 2 of no width is no material: the top fibre is then the web's end.
    const auto section = IBeamOutline(in);
    const PolygonProperties p = ComputePolygonSection(section);
    // The moduli are taken at the farthest fibre: the T-section's stem, the wider flange.
    SectionProperties properties = FiguresAboutBothAxes(p);
    properties.add(figure::Yc, p.below);
    if (scope == Scope::All)
        addDesignFigures(properties, section, p, in);
    return properties;
}

} // namespace velkor
