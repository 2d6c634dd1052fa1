#include "axis_figures.h"

#include <algorithm>

namespace velkor {

Real RadiusOfGyration(const Real& I, const Real& A)
{
    return Sqrt(I / A);
}

Real RadiusOfGyration(const Rational& I, const Rational& A)
{
    // √(I/A) = √(In·Ad / (Id·An)), without reducing the quotient first
    const int sign = sgn(A.get_num());
    return Real::SquareRoot(Integer(I.get_num() * A.get_den() * sign),
                            Integer(I.get_den() * A.get_num() * sign));
}

SectionProperties FiguresAboutBothAxes(const PolygonProperties& p)
{
    SectionProperties properties{{}, p.area};
    properties.figures.reserve(10);
    properties.add(figure::Ix, p.Ix)
        .add(figure::Iy, p.Iy)
        .add(figure::Wx, Rational(p.Ix / std::max(p.above, p.below)))
        .add(figure::Wy, Rational(p.Iy / std::max(p.left, p.right)))
        .add(figure::ix, RadiusOfGyration(p.Ix, p.area))
        .add(figure::iy, RadiusOfGyration(p.Iy, p.area))
        .add(figure::A, p.area)
        .add(figure::Sx, p.Sx)
        .add(figure::Sy, p.Sy);
    return properties;
}

} // namespace velkor
