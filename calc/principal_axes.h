#pragma once

#include "real.h"

namespace velkor {

// The centroidal axes about which a section's moment of inertia is largest (u) and
// smallest (v); the product of inertia about them vanishes.
struct PrincipalAxes {
    Real Iu, Iv; // (Ix + Iy)/2 ± √(((Ix − Iy)/2)² + Ixy²), Iu >= Iv
    Real alpha;  // degrees from the x axis to u, counter-clockwise, within (−90, 90]
};

// From the moments and the product of inertia about centroidal axes x (to the right) and
// y (up). Where every axis is principal (Ix = Iy, Ixy = 0) u is the x axis. Exact: a
// symmetric section gets 0° or 90°, an equal-leg angle ±45°, and every angle that is a
// rational number of degrees (0, ±22.5, ±45, ±67.5, 90) is that number.
PrincipalAxes PrincipalAxesOf(const Rational& Ix, const Rational& Iy, const Rational& Ixy);

// atan2(y, x)·90/π: half the angle of the point (x, y), in degrees, within (−90, 90];
// rational exactly at the multiples of 22.5° it can be, and enclosed everywhere else.
Real HalfAngleInDegrees(const Rational& y, const Rational& x);

} // namespace velkor
