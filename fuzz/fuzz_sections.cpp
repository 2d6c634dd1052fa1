// Every section routine on arbitrary dimensions: a message, or finite figures that make
// sense (A > 0, I >= 0, i >= 0); and the polygon engine adding up its parts.
#include "cross_section.h"
#include "flanged_section.h"
#include "hexagon_section.h"
#include "ibeam_section.h"
#include "numbers.h"
#include "polygon_section.h"
#include "rectangle_section.h"
#include "rectangular_tube_section.h"
#include "rhombus_section.h"
#include "round_section.h"
#include "section.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : data(data)
        , size(size)
    {
    }
    // Any double a box can read: the reader never gives "not a number".
    double number()
    {
        double value = 0;
        if (size >= sizeof value) {
            std::memcpy(&value, data, sizeof value);
            data += sizeof value;
            size -= sizeof value;
        }
        return std::isnan(value) ? 0 : value;
    }
    bool flag() { return size > 0 && (--size, (*data++ & 1) != 0); }

private:
    const std::uint8_t* data;
    std::size_t size;
};

void check(const velkor::SectionOutcome& outcome, Bytes& bytes)
{
    const auto* properties = std::get_if<velkor::SectionProperties>(&outcome);
    const velkor::LengthUnit unit = bytes.flag() ? velkor::LengthUnit::Millimetre
                                                 : velkor::LengthUnit::Metre;
    const auto shown = velkor::ToDisplay(outcome, {unit, 7850, 1000});
    const auto* display = std::get_if<velkor::Display>(&shown);
    if (properties == nullptr || display == nullptr)
        return; // refused with a message
    if (!(properties->area > 0))
        std::abort();
    for (const velkor::Figure& figure : properties->figures) {
        if (!std::isfinite(figure.value))
            std::abort();
        // every moment of inertia and radius of gyration, but not the product of inertia
        const bool inertiaOrRadius =
            (figure.symbol.front() == 'I' || figure.symbol.front() == 'i') && figure.symbol != "Ixy";
        if (inertiaOrRadius && figure.value < 0)
            std::abort();
    }
    for (const velkor::ShownFigure& figure : display->figures)
        if (!std::isfinite(figure.value))
            std::abort();
}

// Rectangles stacked on top of each other: the engine's area is the sum of theirs.
void checkStack(Bytes& bytes)
{
    std::vector<velkor::Contour> section;
    double y = 0, area = 0;
    for (int k = 0; k < 3; ++k) {
        const double width = std::fabs(std::fmod(bytes.number(), 1e4)) + 1;
        const double height = std::fabs(std::fmod(bytes.number(), 1e4)) + 1;
        if (!std::isfinite(width) || !std::isfinite(height))
            return;
        section.push_back(velkor::Rectangle(-width / 2, y, width, height));
        y += height;
        area += width * height;
    }
    const auto p = velkor::ComputePolygonSection(section);
    if (std::fabs(p.area - area) > area * 1e-12 || p.Ix < 0 || p.Iy < 0 ||
        std::fabs(p.Sx) > p.area * (p.above + p.below))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    const double a = bytes.number(), b = bytes.number(), c = bytes.number(),
                 d = bytes.number(), e = bytes.number(), f = bytes.number();
    const bool p = bytes.flag(), q = bytes.flag(), r = bytes.flag(), s = bytes.flag();
    check(velkor::CalcRoundSection({a, b, p}), bytes);
    check(velkor::CalcRectangularTube({a, b, c, d, p, q}), bytes);
    check(velkor::CalcRectangle({a, b, p}), bytes);
    check(velkor::CalcRhombus({a}), bytes);
    check(velkor::CalcHexagon({a, p}), bytes);
    check(velkor::CalcCross({a, b, c, d}), bytes);
    check(velkor::CalcIBeam({a, b, c, d, e, f}), bytes);
    const velkor::FlangedSectionInput flanged{a, b, c, d, e, f, p, q, r, s};
    check(velkor::CalcChannel(flanged), bytes);
    check(velkor::CalcZSection(flanged), bytes);
    checkStack(bytes);
    return 0;
}
