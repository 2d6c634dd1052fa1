#include "flanged_section.h"

#include "polygon_section.h"
#include "principal_axes.h"

#include <cmath>
#include <optional>

namespace velkor {
namespace {

struct Dimensions {
    double H, s, B1, t1, B2, t2;
};

// The dimensions the section is built from, with the ties applied.
Dimensions resolve(const FlangedSectionInput& in)
{
    const double B2 = in.equalLegs ? in.H : in.B2;
    const double B1 = in.angle ? in.s : in.equalWidths ? B2 : in.B1;
    const double t1 = in.equalThicknesses ? in.t2 : in.angle ? 0.0 : in.t1;
    return {in.H, in.s, B1, t1, B2, in.t2};
}

std::optional<Refusal> check(const Dimensions& d)
{
    if (!(d.B2 > 0 && d.s > 0 && d.H > 0 && d.t2 > 0))
        return Refusal{std::string(WrongDataMessage)};
    // equality passes: the angle's upper "flange" is exactly the web
    if (d.s > d.B1)
        return Refusal{"s должно быть меньше B1"};
    if (d.s > d.B2)
        return Refusal{"s должно быть меньше B2"};
    if (!(d.H > d.t1 + d.t2))
        return Refusal{"H должно быть больше t1+t2"};
    // a flange of negative thickness slips past the tests above, but it is no section
    if (d.t1 < 0)
        return Refusal{std::string(WrongDataMessage)};
    return std::nullopt;
}

enum class Layout { Channel, Z };

// The lower flange runs from x = 0 to B2; the web stands on it at its left end for the
// channel and at its right end for the Z. Heights are measured from mid-height, so equal
// flanges stay exactly symmetric.
std::vector<Contour> outline(const Dimensions& d, Layout layout)
{
    const double webLeft = layout == Layout::Channel ? 0.0 : d.B2 - d.s;
    const double half = d.H / 2;
    std::vector<Contour> section{Box(0, -half, d.B2, -half + d.t2),
                                 Box(webLeft, -half + d.t2, webLeft + d.s, half - d.t1)};
    // a flange without thickness is no material, and its tip no extreme fibre
    if (d.t1 > 0)
        section.push_back(Box(webLeft, half - d.t1, webLeft + d.B1, half));
    return section;
}

SectionOutcome compute(const FlangedSectionInput& input, Layout layout)
{
    const Dimensions d = resolve(input);
    if (const auto refusal = check(d))
        return *refusal;
    // Xc is the distance from the section's left edge; the static moments are those of the
    // part on one side of each axis, wherever the centroid falls
    const PolygonProperties p = ComputePolygonSection(outline(d, layout));
    const PrincipalAxes principal = PrincipalAxesOf(p.Ix, p.Iy, p.Ixy);
    return SectionProperties{{{"A", p.area, Area},
                              {"Xc", p.left, Length},
                              {"Yc", p.below, Length},
                              {"Ix", p.Ix, Inertia},
                              {"Iy", p.Iy, Inertia},
                              {"W1x", p.Ix / p.above, Modulus},
                              {"W2x", p.Ix / p.below, Modulus},
                              {"W1y", p.Iy / p.left, Modulus},
                              {"W2y", p.Iy / p.right, Modulus},
                              {"ix", std::sqrt(p.Ix / p.area), Length},
                              {"iy", std::sqrt(p.Iy / p.area), Length},
                              {"Sx", p.Sx, Modulus},
                              {"Sy", p.Sy, Modulus},
                              {"Ixy", p.Ixy, Inertia},
                              {"Iu", principal.Iu, Inertia},
                              {"Iv", principal.Iv, Inertia},
                              {"iu", std::sqrt(principal.Iu / p.area), Length},
                              {"iv", std::sqrt(principal.Iv / p.area), Length},
                              {"alpha", principal.alpha, Degrees}},
                             p.area};
}

} // namespace

SectionOutcome CalcChannel(const FlangedSectionInput& input)
{
    return compute(input, Layout::Channel);
}

SectionOutcome CalcZSection(const FlangedSectionInput& input)
{
    return compute(input, Layout::Z);
}

} // namespace velkor
