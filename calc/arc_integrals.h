#pragma once

// Integrals over a section bounded by an ArcOutline, by Green's theorem along its edges:
// exactly for the whole section, and in balls for the part beyond a line whose place is
// itself known by a ball (a centroidal axis, a trial plastic axis).

#include "arc_outline.h"
#include "ball.h"

namespace velkor {

// ∫dA, ∫x dA, ∫y dA, ∫x² dA, ∫y² dA, ∫xy dA about the outline's origin, and the length of
// the outline.
struct OutlineMoments {
    ExactValue area, firstX, firstY, secondX, secondY, product, perimeter;
};

OutlineMoments MomentsOf(const ArcOutline& outline);

// The line y = c (along X) or x = c (along Y).
enum class LineAlong { X, Y };

// The part above y = c, or to the right of x = c: its area and its first moment about the
// line. Where the precision cannot tell on which side of the line a corner lies, the
// balls hold either answer; where it cannot tell for a whole arc, they hold anything.
struct BallPart {
    Ball area, moment;
};
BallPart PartBeyond(const ArcOutline& outline, LineAlong line, const Ball& c);

} // namespace velkor
