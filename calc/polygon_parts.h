#pragma once

// What a design check asks of a section bounded by straight lines beyond its moments of
// inertia: the parts beyond a line, the equal-area (plastic neutral) axes, the plastic
// moduli about them, and the length of the outline. Exact; meant for a report, not for
// the calculators' instant figures.

#include "polygon_section.h"

namespace velkor {

// The line y = c (parallel to X) or x = c (parallel to Y).
enum class Direction { AlongX, AlongY };

// The part of the section above y = c, or to the right of x = c: its area and its first
// moment about the line.
struct PartBeyond {
    Rational area;
    Rational moment;
};
PartBeyond PartBeyondLine(const std::vector<Contour>& section, Direction line, const Rational& c);

struct PlasticAxis {
    Rational position; // y of the axis along X, or x of the axis along Y
    Rational modulus;  // ∫|distance| dA about it
};

// The axis that halves the area, and the plastic modulus about it. `centroid` is the
// centroid's y (along X) or x (along Y).
PlasticAxis PlasticAxisOf(const std::vector<Contour>& section, Direction line, const Rational& area,
                          const Rational& centroid);

// The length of the material's outer outline: every edge of material, less the stretches
// two outlines share (a flange on a web); with `holes`, the holes' outline instead. Every
// edge must be horizontal or vertical.
Rational OutlineLength(const std::vector<Contour>& section, bool holes = false);

} // namespace velkor
