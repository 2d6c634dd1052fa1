// Every section routine on arbitrary dimensions: a message, or finite figures that make
// sense (A > 0, I >= 0, i >= 0); and the polygon engine adding up its parts.
#include "numbers.h"
#include "polygon_section.h"
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
    double number()
    {
        double value = 0;
        if (size >= sizeof value) {
            std::memcpy(&value, data, sizeof value);
            data += sizeof value;
            size -= sizeof value;
        }
        return value;
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
        const bool inertiaOrRadius = figure.symbol.front() == 'I' || figure.symbol.front() == 'i';
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
    const double D = bytes.number(), t = bytes.number();
    check(velkor::CalcRoundSection({D, t, bytes.flag()}), bytes);
    checkStack(bytes);
    return 0;
}
