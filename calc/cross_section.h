#pragma once

#include "polygon_section.h"
#include "section.h"

namespace velkor {

// Two rectangles crossing at their middles, in mm: a horizontal element of length B and
// thickness h, and a vertical one of length H and thickness b.
struct CrossInput {
    Rational B, b, H, h;
};

inline constexpr std::string_view CrossProportionsMessage = "H должно быть > h и \u0412 > b";

// Ix, Iy, Wx, Wy, ix, iy, A, Sx and Sy, or the first failed check's message: a size that
// is not positive, then an element no longer than the other is thick.
SectionOutcome CalcCross(const CrossInput& input, Scope scope = Scope::Shown);

// The outline of a cross the routine accepts, centred on the origin.
std::vector<Contour> CrossOutline(const CrossInput& input);

} // namespace velkor
