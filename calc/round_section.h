#pragma once

#include "section.h"

namespace velkor {

// A round tube of outer diameter D and wall thickness t, or a solid bar (t = D/2), in mm.
struct RoundSectionInput {
    Rational D;
    Rational t;
    bool solid;
};

// The ten-digit value of π the published tables of this calculator were made with, kept
// on purpose: 3.141592654 exactly.
const Rational& TablePi();

// I, W, A, i of the tube or bar, or the first failed check's message.
SectionOutcome CalcRoundSection(const RoundSectionInput& input, Scope scope = Scope::Shown);

} // namespace velkor
