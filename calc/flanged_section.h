#pragma once

#include "polygon_section.h"
#include "section.h"

namespace velkor {

// A web with an upper and a lower flange, in millimetres as typed, with the check boxes
// that take one dimension from another. Flange widths include the web thickness.
struct FlangedSectionInput {
    Rational H;                    // overall height
    Rational s;                    // web thickness
    Rational B1;                   // upper flange width
    Rational t1;                   // upper flange thickness
    Rational B2;                   // lower flange width
    Rational t2;                   // lower flange thickness
    bool angle = false;            // no upper flange: B1 is the web and t1 is 0
    bool equalWidths = false;      // B1 = B2
    bool equalThicknesses = false; // t1 = t2, even for the angle
    bool equalLegs = false;        // B2 = H
};

// Both flanges project from the same face of the web: a channel, or an angle. Xc is
// measured from the outer face of the web, Yc from the bottom; W1y is for the fibre at
// the web, W2y for the tip of the wider flange. Both routines also give the principal
// axes: Ixy about the centroidal axes (x to the right, y up, as the calculators draw the
// section), Iu ≥ Iv, iu, iv and alpha, the angle in degrees from X to u.
SectionOutcome CalcChannel(const FlangedSectionInput& input, Scope scope = Scope::Shown);

// The flanges project to opposite sides: the upper one to the right of the web, the lower
// one to the left, and an angle has its leg to the left. Xc is measured from the free end
// of the lower flange, the fibre of W1y; W2y is for the opposite extreme.
SectionOutcome CalcZSection(const FlangedSectionInput& input, Scope scope = Scope::Shown);

// The flanges and the web of a section the routines accept, the lower flange from x = 0
// to B2 at the bottom, y = 0; an upper flange without thickness is an outline without area.
std::vector<Contour> ChannelOutline(const FlangedSectionInput& input);
std::vector<Contour> ZSectionOutline(const FlangedSectionInput& input);

} // namespace velkor
