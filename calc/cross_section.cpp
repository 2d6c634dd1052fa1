#include "cross_section.h"

#include "axis_figures.h"
#include "polygon_section.h"

namespace velkor {

SectionOutcome CalcCross(const CrossInput& input)
{
    const auto& [B, b, H, h] = input;
    if (!(sgn(B) > 0 && sgn(b) > 0 && sgn(H) > 0 && sgn(h) > 0))
        return Refusal{std::string(WrongDataMessage)};
    if (!(B > b && H > h))
        return Refusal{std::string(CrossProportionsMessage)};

    // one outline, so the square where the elements cross counts once
    const Rational x = B / 2, y = H / 2, u = b / 2, v = h / 2;
    const Rational nx = -x, ny = -y, nu = -u, nv = -v;
    return FiguresAboutBothAxes(ComputePolygonSection({{{{u, ny},
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
                                                         {nu, ny}}}}));
}

} // namespace velkor
