#include "principal_axes.h"

namespace velkor {

PrincipalAxes PrincipalAxesOf(const Rational& Ix, const Rational& Iy, const Rational& Ixy)
{
    const Rational mean = (Ix + Iy) / 2;
    const Rational halfDifference = (Ix - Iy) / 2;
    const Rational radicand = halfDifference * halfDifference + Ixy * Ixy;
    // The moment about the axis at θ is mean + halfDifference·cos 2θ − Ixy·sin 2θ: largest
    // where tan 2θ = −Ixy / halfDifference.
    return {Real::Quadratic(mean, 1, radicand), Real::Quadratic(mean, -1, radicand),
            Real::HalfAngleInDegrees(-Ixy, halfDifference)};
}

} // namespace velkor
