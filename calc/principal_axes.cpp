#include "principal_axes.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace velkor {

PrincipalAxes PrincipalAxesOf(double Ix, double Iy, double Ixy)
{
    const double mean = (Ix + Iy) / 2;
    const double halfDifference = (Ix - Iy) / 2;
    const double radius = std::hypot(halfDifference, Ixy);

    // The moment about the axis at θ is mean + halfDifference·cos 2θ − Ixy·sin 2θ: largest
    // where tan 2θ = −Ixy / halfDifference. Rounding noise on an exact zero would swing
    // the angle of a symmetric section by up to 90°, so it is taken for the zero it is, a
    // positive zero: atan2 then gives 180° rather than −180° (α = 90°, within the range),
    // and 0° where both vanish (u is X where every axis is principal).
    const double noise = 64 * std::numeric_limits<double>::epsilon() * std::fabs(Ix + Iy);
    const double cosine = std::fabs(halfDifference) <= noise ? 0.0 : halfDifference;
    const double sine = std::fabs(Ixy) <= noise ? 0.0 : -Ixy;
    const double alpha = std::atan2(sine, cosine) * (90 / std::numbers::pi);
    return {mean + radius, mean - radius, alpha};
}

} // namespace velkor
