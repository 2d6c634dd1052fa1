#include "ibeam_section.h"

#include "axis_figures.h"
#include "polygon_section.h"

namespace velkor {

SectionOutcome CalcIBeam(const IBeamInput& in)
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
    const Rational halfB1 = in.B1 / 2, halfTw = in.tw / 2, halfB2 = in.B2 / 2;
    const Rational webBottom = in.tf1, webTop = in.H - in.tf2;
    const PolygonProperties p = ComputePolygonSection(
        Section(Box(-halfB1, 0, halfB1, webBottom), Box(-halfTw, webBottom, halfTw, webTop),
                Box(-halfB2, webTop, halfB2, in.H)));
    // The moduli are taken at the farthest fibre: the T-section's stem, the wider flange.
    SectionProperties properties = FiguresAboutBothAxes(p);
    properties.add(figure::Yc, p.below);
    return properties;
}

} // namespace velkor
