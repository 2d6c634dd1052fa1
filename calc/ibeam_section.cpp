#include "ibeam_section.h"

#include "axis_figures.h"
#include "polygon_section.h"

namespace velkor {

SectionOutcome CalcIBeam(const IBeamInput& in)
{
    if (!(in.B1 > 0 && in.tw > 0 && in.H > 0 && in.tf1 > 0))
        return Refusal{std::string(WrongDataMessage)};
    if (in.tf1 + in.tf2 >= in.H)
        return Refusal{"Сумма tf1+tf2 должна быть меньше H"};
    if (in.tw >= in.B1)
        return Refusal{"Толщина стенки tw должна быть меньше B1"};
    // A released flange 2 is otherwise taken as typed; a negative one is no section.
    if (in.B2 < 0 || in.tf2 < 0)
        return Refusal{std::string(WrongDataMessage)};

    // Built about mid-height, so equal flanges stay exactly symmetric. Flange 2 stays in
    // even when empty, so that the top fibre is always at H.
    const double half = in.H / 2;
    const PolygonProperties p = ComputePolygonSection({
        Box(-in.B1 / 2, -half, in.B1 / 2, -half + in.tf1),
        Box(-in.tw / 2, -half + in.tf1, in.tw / 2, half - in.tf2),
        Box(-in.B2 / 2, half - in.tf2, in.B2 / 2, half),
    });
    // The moduli are taken at the farthest fibre: the T-section's stem, the wider flange.
    SectionProperties properties = FiguresAboutBothAxes(p);
    properties.figures.push_back({"Yc", p.below, Length});
    return properties;
}

} // namespace velkor
