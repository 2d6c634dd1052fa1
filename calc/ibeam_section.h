#pragma once

#include "polygon_section.h"
#include "section.h"

namespace velkor {

// A welded I-section in mm: flange 1 (B1 × tf1) at the bottom, flange 2 (B2 × tf2) on
// top, a web of thickness tw between them, H overall. B2 = tf2 = 0 is the T-section.
struct IBeamInput {
    Rational H;
    Rational B1;
    Rational tf1;
    Rational tw;
    Rational B2;
    Rational tf2;
};

// A, Yc (centroid above the outer face of flange 1), Ix, Iy, Wx, Wy, ix, iy, Sx, Sy, or the
// first failed check's message.
SectionOutcome CalcIBeam(const IBeamInput& input, Scope scope = Scope::Shown);

// Flange 1, the web and flange 2 of a section the routine accepts, centred on x = 0 with
// the bottom at y = 0; a flange of no width or thickness is an outline without area.
std::vector<Contour> IBeamOutline(const IBeamInput& input);

} // namespace velkor
