#include "thin_walled.h"

#include <stdexcept>

namespace velkor {
namespace {

// ∫ f·g dA along a plate for f and g linear in s, from their values at the two ends.
Rational productIntegral(const Rational& weight, const Rational& f0, const Rational& f1,
                         const Rational& g0, const Rational& g1)
{
    return weight * (2 * f0 * g0 + f0 * g1 + f1 * g0 + 2 * f1 * g1) / 6;
}

Rational lengthOf(const Plate& plate)
{
    if (plate.from.x != plate.to.x && plate.from.y != plate.to.y)
        throw std::logic_error("a slanted plate");
    return abs(plate.to.x - plate.from.x) + abs(plate.to.y - plate.from.y);
}

} // namespace

// With ω the sectorial coordinate about a pole B (dω = (x − xB)·dy − (y − yB)·dx, 0 at
// the chain's first end), moving the pole to S changes it by −(xS − xB)·(y − y0) +
// (yS − yB)·(x − x0); the shear centre is the pole whose ω has no product with the
// centroidal x and y:
//   Iωy − ax·Ixy + ay·Iy = 0,  Iωx − ax·Ix + ay·Ixy = 0,  a = S − B.
// Iw is then ∫ω² dA about S, less the square of its mean over the area.
ShearCentre ChainShearCentre(const std::vector<Plate>& chain)
{
    Rational area, sx, sy;
    std::vector<Rational> weights; // t·L of each plate
    for (const Plate& plate : chain) {
        weights.push_back(plate.thickness * lengthOf(plate));
        area += weights.back();
        sx += weights.back() * (plate.from.x + plate.to.x) / 2;
        sy += weights.back() * (plate.from.y + plate.to.y) / 2;
    }
    const Point centroid{sx / area, sy / area};

    // moments of the centreline model and the sectorial products, pole at the centroid
    Rational Ix, Iy, Ixy, Iwx, Iwy, omega;
    std::vector<std::pair<Rational, Rational>> sectorial; // ω at the two ends of each plate
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const Plate& plate = chain[k];
        const Rational x0 = plate.from.x - centroid.x, y0 = plate.from.y - centroid.y;
        const Rational x1 = plate.to.x - centroid.x, y1 = plate.to.y - centroid.y;
        const Rational start = omega;
        omega += x0 * (y1 - y0) - y0 * (x1 - x0);
        sectorial.emplace_back(start, omega);
        const Rational& w = weights[k];
        Ix += productIntegral(w, y0, y1, y0, y1);
        Iy += productIntegral(w, x0, x1, x0, x1);
        Ixy += productIntegral(w, x0, x1, y0, y1);
        Iwx += productIntegral(w, start, omega, y0, y1);
        Iwy += productIntegral(w, start, omega, x0, x1);
    }
    const Rational determinant = Ix * Iy - Ixy * Ixy;
    const Rational ax = (Iy * Iwx - Ixy * Iwy) / determinant;
    const Rational ay = (Ixy * Iwx - Ix * Iwy) / determinant;

    // ω about the shear centre, and its mean and square over the area
    const Point& first = chain.front().from;
    Rational mean, square;
    for (std::size_t k = 0; k < chain.size(); ++k) {
        const Plate& plate = chain[k];
        const auto about = [&](const Rational& w, const Point& at) {
            return Rational(w - ax * (at.y - first.y) + ay * (at.x - first.x));
        };
        const Rational w0 = about(sectorial[k].first, plate.from);
        const Rational w1 = about(sectorial[k].second, plate.to);
        mean += weights[k] * (w0 + w1) / 2;
        square += productIntegral(weights[k], w0, w1, w0, w1);
    }
    return {{centroid.x + ax, centroid.y + ay}, Rational(square - mean * mean / area)};
}

Rational OpenTorsionConstant(const std::vector<std::pair<Rational, Rational>>& plates)
{
    Rational sum;
    for (const auto& [length, thickness] : plates)
        sum += length * thickness * thickness * thickness;
    return sum / 3;
}

} // namespace velkor
