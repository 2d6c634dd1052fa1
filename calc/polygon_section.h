#pragma once

// Exact properties of any section bounded by straight lines: a set of polygons, each an
// outline of material or a hole cut out of it, with rational corners. Every section except
// the round one is built as polygons and computed here, in integers: the corners are
// brought to a common denominator, so nothing is rounded anywhere.

#include "exact.h"

#include <utility>
#include <vector>

namespace velkor {

struct Point {
    Rational x;
    Rational y;
};

// One closed polygon, x to the right and y up; either orientation. An outline without
// area (a flange of no width or no thickness) is no material and no extreme fibre.
struct Contour {
    std::vector<Point> points;
    bool hole = false;
};

struct PolygonProperties {
    Rational area;
    Point centroid;
    Rational Ix, Iy, Ixy; // about the centroidal axes parallel to x and y
    // distances from the centroidal axes to the extreme fibres of material on each side
    Rational above, below, left, right;
    // first moment of the part on one side of the centroidal axis parallel to x (Sx) and
    // to y (Sy); the parts on the two sides have equal moments
    Rational Sx, Sy;
};

PolygonProperties ComputePolygonSection(const std::vector<Contour>& section);

// The contours of a section, moved into one list.
template <typename... Contours> std::vector<Contour> Section(Contours&&... contours)
{
    std::vector<Contour> section;
    section.reserve(sizeof...(contours));
    (section.push_back(std::forward<Contours>(contours)), ...);
    return section;
}

// A rectangle as a contour: left, bottom, width, height.
Contour Rectangle(const Rational& x, const Rational& y, const Rational& width,
                  const Rational& height, bool hole = false);

// A rectangle between its edges.
Contour Box(const Rational& left, const Rational& bottom, const Rational& right,
            const Rational& top);

} // namespace velkor
