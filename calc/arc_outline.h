#pragma once

// A section bounded by one closed outline of straight faces and circular arcs, each arc
// tangent to the faces it joins: the root fillets and rounded toes of rolled profiles.
// Built from the polygon of its faces, sharp corners and rounded ones, so that every
// point of it is exact: rational where the faces run along the axes, in Q(√(1 + k²))
// where some slope at k.

#include "arc_numbers.h"
#include "polygon_section.h"

#include <vector>

namespace velkor {

struct RootPoint {
    RootNumber x, y;
    bool operator==(const RootPoint& other) const { return x == other.x && y == other.y; }
};

// One edge, in the outline's direction: a straight face from `from` to `to`, or an arc
// about `centre` that turns from the angle `start` (from the centre to `from`) through
// `sweep`, counter-clockwise where it is positive.
struct OutlineEdge {
    RootPoint from, to;
    bool arc = false;
    RootNumber length;      // of a straight face
    Point lineFrom, lineTo; // the sharp corners a straight face runs between: its line
    RootPoint centre;
    Rational radius;
    Angle start, sweep;
    RootNumber cosStart, sinStart, cosEnd, sinEnd; // of the angles at its ends
    // A fillet in a re-entrant corner: the material lies outside its circle.
    bool concave() const { return arc && sgn(sweep.turns) < 0; }
};

class ArcOutline {
public:
    // The outline of material through `corners`, counter-clockwise (the material on the
    // left), every corner sharp (radius 0) or rounded by the arc of its radius tangent to
    // both faces: inside the material at a convex corner, a fillet at a re-entrant one.
    // Faces run along the axes or slope at ±slope (rise per run, or run per rise) with
    // the slope's field given; a radius too large for its faces is refused
    // (std::invalid_argument).
    static ArcOutline RoundedPolygon(const std::vector<Point>& corners,
                                     const std::vector<Rational>& radii,
                                     const SlopeField* field = nullptr);

    const std::vector<OutlineEdge>& edges() const { return outline; }
    const SlopeField* field() const { return slope; }

    // The extremes of the material along the axes.
    RootNumber left() const { return extremes[0]; }
    RootNumber right() const { return extremes[1]; }
    RootNumber bottom() const { return extremes[2]; }
    RootNumber top() const { return extremes[3]; }

    // Whether the outline is its own mirror image in the line y = c (along X) or x = c,
    // or in the diagonal y = x.
    bool mirroredAcrossY(const RootNumber& c) const; // in the line y = c
    bool mirroredAcrossX(const RootNumber& c) const; // in the line x = c
    bool mirroredAcrossDiagonal() const;

    // The outline as straight edges only, for a drawing or a mesh: each arc by the chords
    // of `pieces` equal parts of it (inside a convex arc, outside a fillet), or by as many
    // tangent segments (outside a convex arc, inside a fillet). The corners are doubles.
    enum class ArcsBy { Chords, Tangents };
    std::vector<std::pair<double, double>> polygon(ArcsBy arcs, int pieces) const;

private:
    template <typename Map> bool mirrored(Map map) const;

    std::vector<OutlineEdge> outline;
    const SlopeField* slope = nullptr;
    RootNumber extremes[4];
};

// Polygons with rational corners, one inside the section and one covering it, for a
// computation on straight edges that bounds a figure from both sides (the torsion
// constant): each arc by `pieces` chords or tangent segments, chords inside a convex arc
// and tangents outside it, tangents along a fillet inside the material and chords across
// it outside. Each corner off the outline is checked exactly to lie on its side of the
// arc (and each tangent segment to keep clear of the circle); where a tangent point is
// irrational, the polygon leaves the face a little before it.
enum class PolygonBound { Inside, Covering };
std::vector<Point> BoundingPolygon(const ArcOutline& outline, PolygonBound bound, int pieces);

// Whether an arc's sweep passes strictly through the direction at `radians`.
bool SweepPassesThrough(const OutlineEdge& arc, double radians);

} // namespace velkor
