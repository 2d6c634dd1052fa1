#pragma once

#include "polygon_section.h"
#include "section.h"

namespace velkor {

// √(I/A), the radius of gyration of a moment of inertia I about an axis.
Real RadiusOfGyration(const Real& I, const Real& A);
Real RadiusOfGyration(const Rational& I, const Rational& A);

// The nine figures about the centroidal X and Y axes, named as the calculators' result
// labels expect them: Ix, Iy, Wx, Wy, ix, iy, A, Sx, Sy. W is taken at the farther extreme
// fibre, S is the first moment of the half-section on one side of the axis.
SectionProperties FiguresAboutBothAxes(const PolygonProperties& p);

} // namespace velkor
