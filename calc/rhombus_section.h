#pragma once

#include "section.h"

namespace velkor {

// A solid square of side B in mm standing on a corner, its diagonals on the axes.
struct RhombusInput {
    Rational B;
};

// I, W, i, A and S, the same about both axes, or the refusal of a side that is not positive.
SectionOutcome CalcRhombus(const RhombusInput& input, Scope scope = Scope::Shown);

} // namespace velkor
