#include "rhombus_section.h"

#include "axis_figures.h"
#include "design_figures.h"
#include "polygon_parts.h"
#include "polygon_section.h"
#include "torsion.h"

#include <algorithm>

namespace velkor {

SectionOutcome CalcRhombus(const RhombusInput& input, Scope scope)
{
    const Rational& B = input.B;
    if (!(sgn(B) > 0))
        return Refusal{std::string(WrongDataMessage)};

    // The square of half-diagonal 1, scaled by s = B/√2: each figure of length power k
    // takes s^k, rational for even k (s² = B²/2) and a multiple of √2 for odd k.
    static const std::vector<Contour> unit{{{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}}};
    static const PolygonProperties p = ComputePolygonSection(unit);
    const Rational s2 = B * B / 2;
    const Real s3 = Real::Surd(s2, s2);
    const Rational I = p.Ix * s2 * s2;
    const Rational A = p.area * s2;
    // S is the first moment of the half above the diagonal, the triangle beyond the axis
    const Real W = s3 * Rational(p.Ix / std::max(p.above, p.below));
    SectionProperties properties{{}, A};
    properties.add(figure::I, I)
        .add(figure::W, W)
        .add(figure::i, RadiusOfGyration(I, A))
        .add(figure::A, A)
        .add(figure::S, s3 * p.Sx);
    if (scope == Scope::All) {
        // the same about both diagonals; the corners lie s from the centre
        static const PlasticAxis plastic = PlasticAxisOf(unit, Direction::AlongX, p.area, 0);
        const Real s = Real::SquareRoot(s2), Wpl = s3 * plastic.modulus;
        properties.add(figure::Wplx, Wpl)
            .add(figure::Wply, Wpl)
            .add(figure::xpl, s)
            .add(figure::ypl, s);
        for (const FigureKind* fibre : {&figure::W1x, &figure::W2x, &figure::W1y, &figure::W2y})
            properties.add(*fibre, W);
        properties.add(figure::Ip, Rational(2 * I))
            .add(figure::U, Rational(4 * B))
            .add(figure::surface, SurfacePerMetre(Rational(4 * B)), model::OuterSurface)
            .add(figure::It, SolidRectangleTorsion(B, B))
            .add(figure::xs, s)
            .add(figure::ys, s);
    }
    return properties;
}

} // namespace velkor
