#include "flanged_section.h"

#include "axis_figures.h"
#include "polygon_section.h"
#include "principal_axes.h"

#include <optional>

namespace velkor {
namespace {

// The dimensions the section is built from, with the ties applied.
struct Dimensions {
    const Rational &H, &s, &B1, &t1, &B2, &t2;
};

Dimensions resolve(const FlangedSectionInput& in)
{
    static const Rational none = 0;
    const Rational& B2 = in.equalLegs ? in.H : in.B2;
    const Rational& B1 = in.angle ? in.s : in.equalWidths ? B2 : in.B1;
    const Rational& t1 = in.equalThicknesses ? in.t2 : in.angle ? none : in.t1;
    return {in.H, in.s, B1, t1, B2, in.t2};
}

std::optional<Refusal> check(const Dimensions& d)
{
    if (!(sgn(d.B2) > 0 && sgn(d.s) > 0 && sgn(d.H) > 0 && sgn(d.t2) > 0))
        return Refusal{std::string(WrongDataMessage)};
    // equality passes: the angle's upper "flange" is exactly the web
    if (d.s > d.B1)
        return Refusal{"s должно быть меньше B1"};
    if (d.s > d.B2)
        return Refusal{"s должно быть меньше B2"};
    if (!(d.H > d.t1 + d.t2))
        return Refusal{"H должно быть больше t1+t2"};
    // a flange of negative thickness slips past the tests above, but it is no section
    if (sgn(d.t1) < 0)
        return Refusal{std::string(WrongDataMessage)};
    return std::nullopt;
}

enum class Layout { Channel, Z };

// The lower flange runs from x = 0 to B2; the web stands on it at its left end for the
// channel and at its right end for the Z. A flange without thickness is no material, and
// its tip no extreme fibre.
std::vector<Contour> outline(const Dimensions& d, Layout layout)
{
    const Rational webLeft = layout == Layout::Channel ? Rational(0) : Rational(d.B2 - d.s);
    const Rational webRight = webLeft + d.s;
    const Rational webTop = d.H - d.t1;
    return Section(Box(0, 0, d.B2, d.t2), Box(webLeft, d.t2, webRight, webTop),
                   Box(webLeft, webTop, webLeft + d.B1, d.H));
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
    SectionProperties properties{{}, p.area};
    properties.figures.reserve(19);
    properties.add(figure::A, p.area)
        .add(figure::Xc, p.left)
        .add(figure::Yc, p.below)
        .add(figure::Ix, p.Ix)
        .add(figure::Iy, p.Iy)
        .add(figure::W1x, Rational(p.Ix / p.above))
        .add(figure::W2x, Rational(p.Ix / p.below))
        .add(figure::W1y, Rational(p.Iy / p.left))
        .add(figure::W2y, Rational(p.Iy / p.right))
        .add(figure::ix, RadiusOfGyration(p.Ix, p.area))
        .add(figure::iy, RadiusOfGyration(p.Iy, p.area))
        .add(figure::Sx, p.Sx)
        .add(figure::Sy, p.Sy)
        .add(figure::Ixy, p.Ixy)
        .add(figure::Iu, principal.Iu)
        .add(figure::Iv, principal.Iv)
        .add(figure::iu, RadiusOfGyration(principal.Iu, p.area))
        .add(figure::iv, RadiusOfGyration(principal.Iv, p.area))
        .add(figure::alpha, principal.alpha);
    return properties;
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
