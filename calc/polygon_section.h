#pragma once

// Exact properties of any section bounded by straight lines: a set of polygons, each an
// outline of material or a hole cut out of it. Every section except the round one is
// built as polygons and computed here.

#include <vector>

namespace velkor {

struct Point {
    double x;
    double y;
};

// One closed polygon in millimetres, x to the right and y up; either orientation.
struct Contour {
    std::vector<Point> points;
    bool hole = false;
};

struct PolygonProperties {
    double area;
    Point centroid;
    double Ix, Iy, Ixy; // about the centroidal axes parallel to x and y
    // distances from the centroidal axes to the extreme fibres on each side
    double above, below, left, right;
    // first moment of the part on one side of the centroidal axis parallel to x (Sx) and
    // to y (Sy); the parts on the two sides have equal moments
    double Sx, Sy;
};

// Green's-theorem integrals taken about the centroid itself, so that no parallel-axis
// subtraction of large numbers loses digits far from the origin.
PolygonProperties ComputePolygonSection(const std::vector<Contour>& section);

// A rectangle as a contour: left, bottom, width, height.
Contour Rectangle(double x, double y, double width, double height, bool hole = false);

// A rectangle between its edges. Sections that are symmetric in their dimensions should
// be built about their middle (edges at ±H/2, ±(H/2 − t)): rounding is symmetric about
// zero, whereas H − t and t round differently and would tilt the centroid off H/2.
Contour Box(double left, double bottom, double right, double top);

} // namespace velkor
