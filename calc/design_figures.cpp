#include "design_figures.h"

#include "polygon_parts.h"

#include <mpfr.h>

#include <cmath>

namespace velkor {
namespace {

// The modulus about a principal axis: I / the largest distance of a corner from it. The
// axis u makes the angle θ = atan2(−2·Ixy, Ix − Iy)/2 with X; a corner (dx, dy) from the
// centroid lies −dx·sin θ + dy·cos θ from u and dx·cos θ + dy·sin θ from v.
class PrincipalModulus : public Enclosure {
public:
    PrincipalModulus(std::vector<Point> corners, const PolygonProperties& p, bool aboutU)
        : corners(std::move(corners))
        , Ix(p.Ix)
        , Iy(p.Iy)
        , Ixy(p.Ixy)
        , aboutU(aboutU)
    {
    }

    // The moment and the angle are within a few units of 2^-bits relatively; a distance
    // within (|dx| + |dy|)·2^(5 − bits), so the largest one D within E = that of the
    // widest corner, and I/D within I/D·(2^(4 − bits) + E/D). The bound is four times it.
    void bounds(long bits, Rational& low, Rational& high) const override
    {
        mpfr_t theta, sine, cosine, distance, farthest, moment, radius, spread, widest;
        mpfr_inits2(bits, theta, sine, cosine, distance, farthest, moment, radius, spread, widest,
                    static_cast<mpfr_ptr>(nullptr));
        const Rational half = (Ix - Iy) / 2, mean = (Ix + Iy) / 2;
        mpfr_set_q(theta, Rational(-Ixy).get_mpq_t(), MPFR_RNDN);
        mpfr_set_q(distance, half.get_mpq_t(), MPFR_RNDN);
        mpfr_atan2(theta, theta, distance, MPFR_RNDN);
        mpfr_div_2ui(theta, theta, 1, MPFR_RNDN);
        mpfr_sin_cos(sine, cosine, theta, MPFR_RNDN);
        // I about the axis: mean ± √(half² + Ixy²)
        mpfr_set_q(radius, Rational(half * half + Ixy * Ixy).get_mpq_t(), MPFR_RNDN);
        mpfr_sqrt(radius, radius, MPFR_RNDN);
        mpfr_set_q(moment, mean.get_mpq_t(), MPFR_RNDN);
        if (aboutU)
            mpfr_add(moment, moment, radius, MPFR_RNDN);
        else
            mpfr_sub(moment, moment, radius, MPFR_RNDN);

        mpfr_set_ui(farthest, 0, MPFR_RNDN);
        mpfr_set_ui(widest, 0, MPFR_RNDN);
        for (const Point& corner : corners) {
            mpfr_t dx, dy;
            mpfr_inits2(bits, dx, dy, static_cast<mpfr_ptr>(nullptr));
            mpfr_set_q(dx, corner.x.get_mpq_t(), MPFR_RNDN);
            mpfr_set_q(dy, corner.y.get_mpq_t(), MPFR_RNDN);
            // distance from u: −dx·sin + dy·cos; from v: dx·cos + dy·sin
            mpfr_mul(spread, dy, aboutU ? cosine : sine, MPFR_RNDN);
            mpfr_mul(distance, dx, aboutU ? sine : cosine, MPFR_RNDN);
            if (aboutU)
                mpfr_sub(distance, spread, distance, MPFR_RNDN);
            else
                mpfr_add(distance, spread, distance, MPFR_RNDN);
            mpfr_abs(distance, distance, MPFR_RNDN);
            mpfr_max(farthest, farthest, distance, MPFR_RNDN);
            mpfr_abs(dx, dx, MPFR_RNDN);
            mpfr_abs(dy, dy, MPFR_RNDN);
            mpfr_add(dx, dx, dy, MPFR_RNDN);
            mpfr_max(widest, widest, dx, MPFR_RNDN);
            mpfr_clears(dx, dy, static_cast<mpfr_ptr>(nullptr));
        }
        Rational I, D, E;
        mpfr_get_q(I.get_mpq_t(), moment);
        mpfr_get_q(D.get_mpq_t(), farthest);
        mpfr_get_q(E.get_mpq_t(), widest);
        mpfr_clears(theta, sine, cosine, distance, farthest, moment, radius, spread, widest,
                    static_cast<mpfr_ptr>(nullptr));
        mpq_div_2exp(E.get_mpq_t(), E.get_mpq_t(), static_cast<mp_bitcnt_t>(bits - 5));

        Rational relative(1);
        mpq_div_2exp(relative.get_mpq_t(), relative.get_mpq_t(),
                     static_cast<mp_bitcnt_t>(bits - 4));
        if (D <= E) { // too coarse to say: bounds that settle nothing
            low = -LargestOrdinaryNumber();
            high = LargestOrdinaryNumber();
            return;
        }
        const Rational middle = I / D;
        const Rational error = 4 * abs(middle) * (relative + E / D);
        low = middle - error;
        high = middle + error;
    }

    double approximately() const override
    {
        const double half = Rational((Ix - Iy) / 2).get_d();
        const double theta = std::atan2(-Ixy.get_d(), half) / 2;
        const double radius = std::hypot(half, Ixy.get_d());
        const double I = Rational((Ix + Iy) / 2).get_d() + (aboutU ? radius : -radius);
        double farthest = 0;
        for (const Point& corner : corners) {
            const double dx = corner.x.get_d(), dy = corner.y.get_d();
            farthest =
                std::max(farthest, std::fabs(aboutU ? -dx * std::sin(theta) + dy * std::cos(theta)
                                                    : dx * std::cos(theta) + dy * std::sin(theta)));
        }
        return I / farthest;
    }

private:
    std::vector<Point> corners; // of material, from the centroid
    Rational Ix, Iy, Ixy;
    bool aboutU;
};

// The corners of material, from the centroid: the farthest fibres lie among them.
void addPrincipalModuli(SectionProperties& properties, const std::vector<Contour>& section,
                        const PolygonProperties& p)
{
    std::vector<Point> corners;
    for (const Contour& contour : section)
        if (!contour.hole)
            for (const Point& corner : contour.points)
                corners.push_back({corner.x - p.centroid.x, corner.y - p.centroid.y});
    properties
        .add(figure::Wu, Real::Enclosing(std::make_shared<PrincipalModulus>(corners, p, true)))
        .add(figure::Wv, Real::Enclosing(std::make_shared<PrincipalModulus>(corners, p, false)));
}

} // namespace

Real SurfacePerMetre(const Real& outlineMillimetres)
{
    return outlineMillimetres / Rational(1000); // an outline in metres times one metre
}

void AddPolygonDesignFigures(SectionProperties& properties, const std::vector<Contour>& section,
                             const PolygonProperties& p, bool fibreModuliShown, bool innerOutline)
{
    const Rational leftEdge = p.centroid.x - p.left, bottomEdge = p.centroid.y - p.below;
    const PlasticAxis alongX = PlasticAxisOf(section, Direction::AlongX, p.area, p.centroid.y);
    const PlasticAxis alongY = PlasticAxisOf(section, Direction::AlongY, p.area, p.centroid.x);
    properties.add(figure::Wplx, alongX.modulus)
        .add(figure::Wply, alongY.modulus)
        .add(figure::xpl, Rational(alongY.position - leftEdge))
        .add(figure::ypl, Rational(alongX.position - bottomEdge));
    if (!fibreModuliShown)
        properties.add(figure::W1x, Rational(p.Ix / p.above))
            .add(figure::W2x, Rational(p.Ix / p.below))
            .add(figure::W1y, Rational(p.Iy / p.left))
            .add(figure::W2y, Rational(p.Iy / p.right));
    else if (sgn(p.Ixy) != 0)
        addPrincipalModuli(properties, section, p);
    const Rational outline = OutlineLength(section);
    properties.add(figure::Ip, Rational(p.Ix + p.Iy)).add(figure::U, outline);
    if (innerOutline)
        properties.add(figure::Ui, OutlineLength(section, true));
    properties.add(figure::surface, SurfacePerMetre(outline), model::OuterSurface);
}

void AddShearCentre(SectionProperties& properties, const PolygonProperties& p, const Point& centre,
                    std::string_view model)
{
    properties.add(figure::xs, Rational(centre.x - (p.centroid.x - p.left)), model)
        .add(figure::ys, Rational(centre.y - (p.centroid.y - p.below)), model);
}

} // namespace velkor
