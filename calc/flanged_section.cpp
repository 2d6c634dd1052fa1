#include "flanged_section.h"

#include "axis_figures.h"
#include "design_figures.h"
#include "polygon_section.h"
#include "principal_axes.h"
#include "thin_walled.h"

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

// Torsion by thin plates (the flanges whole, the web between them), the moduli about the
// principal axes, and the shear centre: where the legs of an angle meet, with no warping,
// or from the sectorial coordinates of the plates' centrelines.
void addDesignFigures(SectionProperties& properties, const std::vector<Contour>& section,
                      const PolygonProperties& p, const Dimensions& d, Layout layout)
{
    AddPolygonDesignFigures(properties, section, p, true);
    properties.add(figure::It,
                   OpenTorsionConstant({{d.B1, d.t1}, {d.B2, d.t2}, {d.H - d.t1 - d.t2, d.s}}),
                   model::OpenThinWalled);
    const Rational web = layout == Layout::Channel ? Rational(d.s / 2) : Rational(d.B2 - d.s / 2);
    const Rational top = d.H - d.t1 / 2, bottom = d.t2 / 2;
    ShearCentre centre{{web, bottom}, 0};
    if (sgn(d.t1) > 0) {
        // from the upper flange's tip along the centrelines to the lower one's
        const Rational upperTip = layout == Layout::Channel ? d.B1 : Rational(d.B2 - d.s + d.B1);
        const Rational lowerTip = layout == Layout::Channel ? d.B2 : Rational(0);
        centre = ChainShearCentre({{{upperTip, top}, {web, top}, d.t1},
                                   {{web, top}, {web, bottom}, d.s},
                                   {{web, bottom}, {lowerTip, bottom}, d.t2}});
    }
    AddShearCentre(properties, p, centre.centre, model::Centreline);
    properties.add(figure::Iw, centre.warping, model::Centreline);
}

SectionOutcome compute(const FlangedSectionInput& input, Layout layout, Scope scope)
{
    const Dimensions d = resolve(input);
    if (const auto refusal = check(d))
        return *refusal;
    // Xc is the distance from the section's left edge; the static moments are those of the
    // part on one side of each axis, wherever the centroid falls
    const auto section = outline(d, layout);
    const PolygonProperties p = ComputePolygonSection(section);
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
    if (scope == Scope::All)
        addDesignFigures(properties, section, p, d, layout);
    return properties;
}

} // namespace

std::vector<Contour> ChannelOutline(const FlangedSectionInput& input)
{
    return outline(resolve(input), Layout::Channel);
}

std::vector<Contour> ZSectionOutline(const FlangedSectionInput& input)
{
    return outline(resolve(input), Layout::Z);
}

SectionOutcome CalcChannel(const FlangedSectionInput& input, Scope scope)
{
    return compute(input, Layout::Channel, scope);
}

SectionOutcome CalcZSection(const FlangedSectionInput& input, Scope scope)
{
    return compute(input, Layout::Z, scope);
}

} // namespace velkor
