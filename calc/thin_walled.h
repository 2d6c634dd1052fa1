#pragma once

// Open thin-walled sections by the theory of their centrelines: each plate is a line of
// thickness t, so that dA = t·ds. Exact within that model.

#include "polygon_section.h"

#include <vector>

namespace velkor {

// A plate along its centreline, from one end to the other; horizontal or vertical.
struct Plate {
    Point from, to;
    Rational thickness;
};

struct ShearCentre {
    Point centre;
    Rational warping; // Iw, about the shear centre
};

// The shear centre and the warping constant of plates that follow each other end to end
// (a channel, a Z, an angle), from the sectorial coordinates of the centreline model.
ShearCentre ChainShearCentre(const std::vector<Plate>& chain);

// St Venant's torsion constant of thin plates, (1/3)·Σ b·t³ over (length b, thickness t).
Rational OpenTorsionConstant(const std::vector<std::pair<Rational, Rational>>& plates);

} // namespace velkor
