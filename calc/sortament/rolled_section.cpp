#include "sortament/rolled_section.h"

#include <stdexcept>

namespace velkor::sortament {
namespace {

using namespace figure;

// The dimensions an outline is built from, whatever the table calls them.
struct Sizes {
    Rational height, width, web, flange, root, toe;
};

Sizes sizesOf(const Profile& p)
{
    const bool european = !p.standard().prefix.empty();
    if (european) // root radius r, no toe radius
        return {p.dimension("h"),  p.dimension("b"), p.dimension("tw"),
                p.dimension("tf"), p.dimension("r"), 0};
    if (p.standard().kind == ProfileKind::Angle)
        return {p.standard().key == "gost8510" ? p.dimension("B") : p.dimension("b"),
                p.dimension("b"),
                p.dimension("t"),
                p.dimension("t"),
                p.dimension("R"),
                p.dimension("r")};
    return {p.dimension("h"), p.dimension("b"), p.dimension("s"),
            p.dimension("t"), p.dimension("R"), p.dimension("r")};
}

// The flange thickness at the web face and at the toe: t itself for parallel faces, and
// for sloped ones t at the middle of the outstand changed by the slope over half of it.
std::pair<Rational, Rational> flangeThicknesses(const Sizes& s, const Rational& outstand,
                                                const Rational& slope)
{
    const Rational change = slope * outstand / 2;
    return {s.flange + change, s.flange - change};
}

ArcOutline iBeam(const Sizes& s, const Rational& slope, const SlopeField* field)
{
    const Rational h = s.height / 2, b = s.width / 2, w = s.web / 2;
    const auto [face, toe] = flangeThicknesses(s, b - w, slope);
    const Rational& R = s.root;
    const Rational& r = s.toe;
    return ArcOutline::RoundedPolygon({{-b, -h},
                                       {b, -h},
                                       {b, toe - h},
                                       {w, face - h},
                                       {w, h - face},
                                       {b, h - toe},
                                       {b, h},
                                       {-b, h},
                                       {-b, h - toe},
                                       {-w, h - face},
                                       {-w, face - h},
                                       {-b, toe - h}},
                                      {0, 0, r, R, R, r, 0, 0, r, R, R, r}, field);
}

ArcOutline channel(const Sizes& s, const Rational& slope, const SlopeField* field)
{
    const Rational h = s.height / 2;
    const auto [face, toe] = flangeThicknesses(s, s.width - s.web, slope);
    return ArcOutline::RoundedPolygon({{0, -h},
                                       {s.width, -h},
                                       {s.width, toe - h},
                                       {s.web, face - h},
                                       {s.web, h - face},
                                       {s.width, h - toe},
                                       {s.width, h},
                                       {0, h}},
                                      {0, 0, s.toe, s.root, s.root, s.toe, 0, 0}, field);
}

ArcOutline angle(const Sizes& s)
{
    const Rational& t = s.web;
    return ArcOutline::RoundedPolygon(
        {{0, 0}, {s.width, 0}, {s.width, t}, {t, t}, {t, s.height}, {0, s.height}},
        {0, 0, s.toe, s.root, s.toe, 0});
}

const std::vector<const FigureKind*>& shownFigures()
{
    static const std::vector<const FigureKind*> figures = {
        &A, &Xc, &Yc, &Ix, &Iy, &Ixy, &Iu, &Iv, &alpha, &Wx, &Wy, &ix, &iy, &iu, &iv, &Sx, &Sy};
    return figures;
}

const std::vector<const FigureKind*>& designFigures()
{
    static const std::vector<const FigureKind*> figures = {
        &W1x, &W2x, &W1y, &W2y, &Wu, &Wv, &Wplx, &Wply, &xpl, &ypl, &Ip, &U, &surface};
    return figures;
}

std::string_view kindName(ProfileKind kind)
{
    switch (kind) {
    case ProfileKind::IBeam:
        return "Двутавр";
    case ProfileKind::Channel:
        return "Швеллер";
    case ProfileKind::Angle:
        break;
    }
    return "Уголок";
}

DimensionLine mark(std::string_view name, const Rational& length, DrawnPoint from, DrawnPoint to,
                   DimensionPlace place)
{
    return {name, length, from, to, place, 0, {}};
}

} // namespace

std::shared_ptr<const ArcOutline> ProfileOutline(const Profile& profile)
{
    const Standard& standard = profile.standard();
    const Sizes sizes = sizesOf(profile);
    const Rational slope = Fraction(standard.slopePercent, 100);
    const SlopeField* field = standard.slopePercent != 0 ? SlopeField::Of(slope) : nullptr;
    switch (standard.kind) {
    case ProfileKind::IBeam:
        return std::make_shared<const ArcOutline>(iBeam(sizes, slope, field));
    case ProfileKind::Channel:
        return std::make_shared<const ArcOutline>(channel(sizes, slope, field));
    case ProfileKind::Angle:
        break;
    }
    return std::make_shared<const ArcOutline>(angle(sizes));
}

ArcSectionFigures ProfileFigures(const Profile& profile)
{
    return ArcSectionFigures(ProfileOutline(profile));
}

std::vector<const FigureKind*> RolledFigureKinds(Scope scope)
{
    std::vector<const FigureKind*> kinds = shownFigures();
    if (scope == Scope::All)
        kinds.insert(kinds.end(), designFigures().begin(), designFigures().end());
    return kinds;
}

SectionOutcome ComputeProfile(const Profile& profile, Scope scope)
{
    return ProfileFigures(profile).properties(RolledFigureKinds(scope));
}

SectionShape ProfileDrawing(const Profile& profile)
{
    const auto outline = ProfileOutline(profile);
    SectionShape shape;
    DrawnContour contour;
    for (const auto& [x, y] : outline->polygon(ArcOutline::ArcsBy::Chords, 12))
        contour.points.push_back({x, y});
    shape.contours.push_back(std::move(contour));

    const Sizes s = sizesOf(profile);
    const double h = Approximately(s.height), b = Approximately(s.width), w = Approximately(s.web),
                 t = Approximately(s.flange);
    const bool european = !profile.standard().prefix.empty();
    const std::string_view web = european ? "tw" : "s", flange = european ? "tf" : "t";
    switch (profile.standard().kind) {
    case ProfileKind::IBeam: {
        // t where the standard measures it: at the middle of the outstand
        const double at = (b + w) / 4;
        shape.dimensions = {
            mark("h", s.height, {-b / 2, -h / 2}, {-b / 2, h / 2}, DimensionPlace::Left),
            mark("b", s.width, {-b / 2, -h / 2}, {b / 2, -h / 2}, DimensionPlace::Below),
            mark(web, s.web, {-w / 2, 0}, {w / 2, 0}, DimensionPlace::Through),
            mark(flange, s.flange, {at, h / 2}, {at, h / 2 - t}, DimensionPlace::Through)};
        break;
    }
    case ProfileKind::Channel: {
        const double at = (b + w) / 2;
        shape.dimensions = {
            mark("h", s.height, {0, -h / 2}, {0, h / 2}, DimensionPlace::Left),
            mark("b", s.width, {0, -h / 2}, {b, -h / 2}, DimensionPlace::Below),
            mark("s", s.web, {0, 0}, {w, 0}, DimensionPlace::Through),
            mark("t", s.flange, {at, h / 2}, {at, h / 2 - t}, DimensionPlace::Through)};
        break;
    }
    case ProfileKind::Angle:
        shape.dimensions = {mark("b", s.width, {0, 0}, {b, 0}, DimensionPlace::Below),
                            mark(profile.standard().key == "gost8510" ? "B" : "b", s.height, {0, 0},
                                 {0, h}, DimensionPlace::Left),
                            mark("t", s.web, {0, h * 0.7}, {w, h * 0.7}, DimensionPlace::Through)};
        break;
    }
    return shape;
}

std::string ProfileTitle(const Profile& profile)
{
    return std::string(kindName(profile.standard().kind)) + ' ' +
           std::string(profile.designation()) + ' ' + std::string(profile.standard().title);
}

const SectionEntry& RolledSection()
{
    static const SectionEntry entry{"rolled",
                                    {},
                                    {},
                                    std::nullopt,
                                    shownFigures(),
                                    "7850",
                                    [](const ResolvedDimensions&, Scope) -> SectionOutcome {
                                        throw std::logic_error(
                                            "a rolled profile is computed from its designation");
                                    },
                                    designFigures(),
                                    [](const ResolvedDimensions&) { return SectionShape{}; },
                                    "Прокатный профиль"};
    return entry;
}

} // namespace velkor::sortament
