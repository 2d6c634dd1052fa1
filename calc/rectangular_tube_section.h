#pragma once

#include "polygon_section.h"
#include "section.h"

namespace velkor {

// A closed box of outer width B and outer height H, in mm: two vertical walls of thickness
// b, two horizontal walls of thickness h.
struct RectangularTubeInput {
    Rational B, b, H, h;
    bool equalWalls;    // "h= b": h is taken equal to b
    bool squareOpening; // "H= B": the opening is as high as it is wide; H is not used
};

// Ix, Iy, Wx, Wy, ix, iy, A, Sx, Sy, or "Введены ошибочные данные" when the opening or a
// wall has no positive size.
SectionOutcome CalcRectangularTube(const RectangularTubeInput& input, Scope scope = Scope::Shown);

// The outline and the opening of a tube the routine accepts, left and bottom edges at 0.
std::vector<Contour> RectangularTubeOutline(const RectangularTubeInput& input);

} // namespace velkor
