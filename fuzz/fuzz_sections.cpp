// Every section of the catalogue on arbitrary dimensions, ticks, shape, unit, precision
// and specific weight: a message, or figures that make sense (A > 0, moments of inertia
// and radii not negative), each written as a number that reads back as itself.
#include "catalogue.h"
#include "numbers.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : data(data)
        , size(size)
    {
    }
    std::uint8_t byte()
    {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    bool flag() { return (byte() & 1) != 0; }
    // A number as a user may type it: up to eight digits, a point, an exponent, a sign.
    velkor::Rational number()
    {
        std::int64_t digits = 0;
        const int count = byte() % 9;
        for (int k = 0; k < count; ++k)
            digits = digits * 10 + byte() % 10;
        const int shape = byte();
        velkor::Decimal decimal{digits,
                                -(shape % 9) + ((shape & 0x80) ? (shape >> 4) % 8 * 10 : 0)};
        if ((shape & 0x40) != 0)
            decimal.significand = -decimal.significand;
        return velkor::ToRational(decimal);
    }

private:
    const std::uint8_t* data;
    std::size_t size;
};

void require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes bytes(data, size);
    const auto& catalogue = velkor::Catalogue();
    const velkor::SectionEntry& entry = catalogue[bytes.byte() % catalogue.size()];
    velkor::SectionInput input;
    for (std::size_t k = 0; k < entry.dimensions.size(); ++k)
        input.dimensions.push_back(bytes.number());
    for (std::size_t k = 0; k < entry.ties.size(); ++k)
        input.ticks.push_back(bytes.flag());
    input.variant = bytes.flag();
    const auto unit = static_cast<velkor::LengthUnit>(bytes.byte() % 3);
    const velkor::Rational gamma = bytes.number(), precision = bytes.number();

    const velkor::SectionOutcome outcome = velkor::Compute(entry, input);
    const auto* properties = std::get_if<velkor::SectionProperties>(&outcome);
    if (properties == nullptr)
        return 0; // refused with a message
    require(properties->area.sign() > 0);
    require(properties->figures.size() == entry.figures.size());
    for (std::size_t k = 0; k < entry.figures.size(); ++k) {
        const velkor::Figure& figure = properties->figures[k];
        require(figure.kind == entry.figures[k]);
        const std::string_view symbol = figure.kind->symbol;
        const bool inertiaOrRadius =
            (symbol.front() == 'I' || symbol.front() == 'i') && symbol != "Ixy";
        require(!inertiaOrRadius || figure.value.sign() >= 0);
    }
    const auto shown = velkor::ToDisplay(outcome, {unit, gamma, precision});
    if (const auto* display = std::get_if<velkor::Display>(&shown))
        for (const velkor::ShownFigure& figure : display->figures)
            require(velkor::Val(velkor::FormatLocale(figure.value, '.')) == figure.value);
    return 0;
}
