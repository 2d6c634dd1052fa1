#pragma once

#include "section_sketch.h"

#include <vector>

// What the I-section's sketch shows: the T-section, or the I with flange 2 narrower or
// flange 1 thicker where their ties are released.
struct IBeamSketchState {
    bool tee = false;
    bool narrowFlange2 = false;
    bool thickFlange1 = false;
};

// Flange 2 on top, the web, flange 1 at the bottom; H and tf2 dimensioned on the left, B2
// above, B1 below, tf1 on the left, tw across the web, Yc on the right.
std::vector<SketchElement> IBeamSketch(const IBeamSketchState& state);
inline constexpr QSize IBeamSketchSize{250, 214};
