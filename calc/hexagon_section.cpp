#include "hexagon_section.h"

#include "axis_figures.h"
#include "design_figures.h"
#include "polygon_parts.h"
#include "polygon_section.h"

namespace velkor {

Real HeightAcrossFlats(const Rational& radius)
{
    return Real::Surd(radius, 3);
}

Real RadiusFromHeight(const Rational& height)
{
    return Real::Surd(height / 3, 3);
}

Real HexagonRadius(const HexagonInput& input)
{
    return input.acrossFlats ? RadiusFromHeight(input.size) : Real(input.size);
}

SectionOutcome CalcHexagon(const HexagonInput& input, Scope scope)
{
    const Rational& size = input.size;
    if (!(sgn(size) > 0))
        return Refusal{std::string(WrongDataMessage)};

    // The hexagon with corners (±1, 0) and (±1/2, ±1), stretched by sx across and sy up:
    // sx = R, sy = √3·R/2, or from the height sx = H/√3, sy = H/2. A figure takes sx and sy
    // to the powers of x and y in its integral, so Wx is rational when R is typed and Wy
    // when H is.
    static const std::vector<Contour> unit{{{{1, 0},
                                             {Rational(1, 2), 1},
                                             {Rational(-1, 2), 1},
                                             {-1, 0},
                                             {Rational(-1, 2), -1},
                                             {Rational(1, 2), -1}}}};
    static const PolygonProperties p = ComputePolygonSection(unit);
    const Rational square = size * size;
    const Rational X = input.acrossFlats ? Rational(square / 3) : square;
    const Rational Y = input.acrossFlats ? Rational(square / 4) : Rational(3 * square / 4);
    const Real sx = Real::SquareRoot(X), sy = Real::SquareRoot(Y);
    const Real Ix = sx * sy * Rational(p.Ix * Y);
    const Real Iy = sx * sy * Rational(p.Iy * X);
    const Real A = sx * sy * p.area;
    // Wx reaches the flats, Wy the corners on the X axis
    const Real Wx = sx * Rational(p.Ix / p.above * Y), Wy = sy * Rational(p.Iy / p.right * X);
    SectionProperties properties{{}, A};
    properties.add(figure::Ix, Ix)
        .add(figure::Iy, Iy)
        .add(figure::Wx, Wx)
        .add(figure::Wy, Wy)
        .add(figure::ix, RadiusOfGyration(Ix, A))
        .add(figure::iy, RadiusOfGyration(Iy, A))
        .add(figure::A, A);
    if (scope == Scope::All) {
        // ∫|y| dA takes sx·sy², ∫|x| dA sx²·sy; the centre lies sx from the left corner
        // and sy above the bottom flat. No torsion constant: the hexagon has no exact one.
        static const PlasticAxis alongX = PlasticAxisOf(unit, Direction::AlongX, p.area, 0);
        static const PlasticAxis alongY = PlasticAxisOf(unit, Direction::AlongY, p.area, 0);
        const Real outline = sx * Rational(6);
        properties.add(figure::Wplx, sx * Rational(alongX.modulus * Y))
            .add(figure::Wply, sy * Rational(alongY.modulus * X))
            .add(figure::xpl, sx)
            .add(figure::ypl, sy)
            .add(figure::W1x, Wx)
            .add(figure::W2x, Wx)
            .add(figure::W1y, Wy)
            .add(figure::W2y, Wy)
            .add(figure::Ip, sx * sy * Rational(p.Ix * Y + p.Iy * X))
            .add(figure::U, outline)
            .add(figure::surface, SurfacePerMetre(outline), model::OuterSurface)
            .add(figure::xs, sx)
            .add(figure::ys, sy);
    }
    return properties;
}

} // namespace velkor
