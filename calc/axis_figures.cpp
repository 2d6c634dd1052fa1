#include "axis_figures.h"

#include <algorithm>
#include <cmath>

namespace velkor {

SectionProperties FiguresAboutBothAxes(const PolygonProperties& p)
{
    return SectionProperties{{{"Ix", p.Ix, Inertia},
                              {"Iy", p.Iy, Inertia},
                              {"Wx", p.Ix / std::max(p.above, p.below), Modulus},
                              {"Wy", p.Iy / std::max(p.left, p.right), Modulus},
                              {"ix", std::sqrt(p.Ix / p.area), Length},
                              {"iy", std::sqrt(p.Iy / p.area), Length},
                              {"A", p.area, Area},
                              {"Sx", p.Sx, Modulus},
                              {"Sy", p.Sy, Modulus}},
                             p.area};
}

} // namespace velkor
