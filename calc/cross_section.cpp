#include "cross_section.h"

#include "axis_figures.h"
#include "polygon_section.h"


namespace velkor {

SectionOutcome CalcCross(const CrossInput& input)
{
    const auto [B, b, H, h] = input;
    if (!(B > 0 && b > 0 && H > 0 && h > 0))
        return Refusal{std::string(WrongDataMessage)};
    if (!(B > b && H > h))
        return Refusal{std::string(CrossProportionsMessage)};

    // one outline, so the square where the elements cross counts once
    const double x = B / 2, y = H / 2, u = b / 2, v = h / 2;
    const auto p = ComputePolygonSection({{{{u, -y},
                                            {u, -v},
                                            {x, -v},
                                            {x, v},
                                            {u, v},
                                            {u, y},
                                            {-u, y},
                                            {-u, v},
                                            {-x, v},
                                            {-x, -v},
                                            {-u, -v},
                                            {-u, -y}}}});
    return FiguresAboutBothAxes(p);
}

} // namespace velkor
