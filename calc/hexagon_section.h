#pragma once

#include "section.h"

namespace velkor {

// A solid regular hexagon with flat top and bottom, sized by the radius R of its
// circumscribed circle (which equals its side) or by its height H across the flats, in mm.
struct HexagonInput {
    Rational size;
    bool acrossFlats; // size is H rather than R
};

// The two sizes of the same hexagon: H = √3·R.
Real HeightAcrossFlats(const Rational& radius);
Real RadiusFromHeight(const Rational& height);

// The radius the input describes, whichever size was given.
Real HexagonRadius(const HexagonInput& input);

// Ix, Iy, Wx, Wy, ix, iy and A, or the refusal of a size that is not positive.
SectionOutcome CalcHexagon(const HexagonInput& input, Scope scope = Scope::Shown);

} // namespace velkor
