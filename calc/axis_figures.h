#pragma once

#include "polygon_section.h"
#include "section.h"

namespace velkor {

// The nine figures about the centroidal X and Y axes, named as the calculators' result
// labels expect them: Ix, Iy, Wx, Wy, ix, iy, A, Sx, Sy. W is taken at the farther extreme
// fibre, S is the first moment of the half-section on one side of the axis.
SectionProperties FiguresAboutBothAxes(const PolygonProperties& p);

} // namespace velkor
