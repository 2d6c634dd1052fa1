#pragma once

namespace velkor {

// The centroidal axes about which a section's moment of inertia is largest (u) and
// smallest (v); the product of inertia about them vanishes.
struct PrincipalAxes {
    double Iu, Iv; // Iu >= Iv
    double alpha;  // degrees from the x axis to u, counter-clockwise, within (−90, 90]
};

// From the moments and the product of inertia about centroidal axes x (to the right) and
// y (up). Where every axis is principal (Ix = Iy, Ixy = 0) u is the x axis. Moments that
// differ, or a product that departs from zero, only by rounding count as equal or zero,
// so a symmetric section gets exactly 0° or 90° and an equal-leg angle exactly ±45°.
PrincipalAxes PrincipalAxesOf(double Ix, double Iy, double Ixy);

} // namespace velkor
