#include "rhombus_section.h"

#include "axis_figures.h"
#include "polygon_section.h"

#include <algorithm>

namespace velkor {

SectionOutcome CalcRhombus(const RhombusInput& input)
{
    const Rational& B = input.B;
    if (!(sgn(B) > 0))
        return Refusal{std::string(WrongDataMessage)};

    // The square of half-diagonal 1, scaled by s = B/√2: each figure of length power k
    // takes s^k, rational for even k (s² = B²/2) and a multiple of √2 for odd k.
    static const PolygonProperties p =
        ComputePolygonSection({{{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}}});
    const Rational s2 = B * B / 2;
    const Real s3 = Real::Surd(s2, s2);
    const Rational I = p.Ix * s2 * s2;
    const Rational A = p.area * s2;
    // S is the first moment of the half above the diagonal, the triangle beyond the axis
    SectionProperties properties{{}, A};
    properties.add(figure::I, I)
        .add(figure::W, s3 * Rational(p.Ix / std::max(p.above, p.below)))
        .add(figure::i, RadiusOfGyration(I, A))
        .add(figure::A, A)
        .add(figure::S, s3 * p.Sx);
    return properties;
}

} // namespace velkor
