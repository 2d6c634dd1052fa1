#pragma once

#include "section.h"

namespace velkor {

// A round tube of outer diameter D and wall thickness t, or a solid bar (t = D/2), in mm.
struct RoundSectionInput {
    double D;
    double t;
    bool solid;
};

// I, W, A, i of the tube or bar, or the first failed check's message.
SectionOutcome CalcRoundSection(const RoundSectionInput& input);

} // namespace velkor
