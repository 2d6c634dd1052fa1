#include "hexagon_section.h"

#include "axis_figures.h"
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

SectionOutcome CalcHexagon(const HexagonInput& input)
{
    const Rational& size = input.size;
    if (!(sgn(size) > 0))
        return Refusal{std::string(WrongDataMessage)};

    // The hexagon with corners (±1, 0) and (±1/2, ±1), stretched by sx across and sy up:
    // sx = R, sy = √3·R/2, or from the height sx = H/√3, sy = H/2. A figure takes sx and sy
    // to the powers of x and y in its integral, so Wx is rational when R is typed and Wy
    // when H is.
    static const PolygonProperties p = ComputePolygonSection({{{{1, 0},
                                                                {Rational(1, 2), 1},
                                                                {Rational(-1, 2), 1},
                                                                {-1, 0},
                                                                {Rational(-1, 2), -1},
                                                                {Rational(1, 2), -1}}}});
    const Rational square = size * size;
    const Rational X = input.acrossFlats ? Rational(square / 3) : square;
    const Rational Y = input.acrossFlats ? Rational(square / 4) : Rational(3 * square / 4);
    const Real sx = Real::SquareRoot(X), sy = Real::SquareRoot(Y);
    const Real Ix = sx * sy * Rational(p.Ix * Y);
    const Real Iy = sx * sy * Rational(p.Iy * X);
    const Real A = sx * sy * p.area;
    // Wx reaches the flats, Wy the corners on the X axis
    SectionProperties properties{{}, A};
    properties.add(figure::Ix, Ix)
        .add(figure::Iy, Iy)
        .add(figure::Wx, sx * Rational(p.Ix / p.above * Y))
        .add(figure::Wy, sy * Rational(p.Iy / p.right * X))
        .add(figure::ix, RadiusOfGyration(Ix, A))
        .add(figure::iy, RadiusOfGyration(Iy, A))
        .add(figure::A, A);
    return properties;
}

} // namespace velkor
