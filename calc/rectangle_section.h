#pragma once

#include "polygon_section.h"
#include "section.h"

namespace velkor {

// A solid rectangle of width B and height H, in mm, or with `square` a square of side B.
struct RectangleInput {
    Rational B, H;
    bool square; // "H= B": H is not used
};

// Ix, Iy, Wx, Wy, ix, iy, A, Sx, Sy, or "Введены ошибочные данные" when a side is not
// positive.
SectionOutcome CalcRectangle(const RectangleInput& input, Scope scope = Scope::Shown);

// The outline of a rectangle the routine accepts, left and bottom edges at 0.
std::vector<Contour> RectangleOutline(const RectangleInput& input);

} // namespace velkor
