// Every section of the catalogue on dimensions typed as a user types them (digits, or any
// text at all: "nan", "inf", "1e400", Cyrillic), ticks, shape, any unit, any typed
// precision and specific weight, the calculator's figures or all of them: a message, or
// figures that make sense (A > 0, moments of inertia and radii not negative, every figure
// asked for present), each written as a number that reads back as itself.
#include "catalogue.h"
#include "fuzz_bytes.h"
#include "numbers.h"

#include <algorithm>
#include <string>

namespace {

// Texts a user may well type that are no ordinary number.
constexpr std::string_view OddTexts[] = {"nan", "inf", "-inf", "1e400", "1e-400", "&HFFFF",
                                         "",    "-0",  "1,5",  "1e308", "Д",      "0.000001"};

// A box's text: a number of up to eight digits with a point and an exponent, one of the
// odd texts, or raw bytes.
std::string typedText(FuzzBytes& bytes)
{
    const std::uint8_t kind = bytes.byte();
    if (kind % 4 == 1)
        return std::string(OddTexts[kind / 4 % std::size(OddTexts)]);
    if (kind % 4 == 2)
        return std::string(bytes.text('\x1f').substr(0, 24));
    std::string digits;
    const int count = bytes.byte() % 9;
    for (int k = 0; k < count; ++k)
        digits += char('0' + bytes.byte() % 10);
    const std::uint8_t shape = bytes.byte();
    const std::size_t point = digits.size() - std::min<std::size_t>(shape % 9, digits.size());
    std::string text = (shape & 0x40) != 0 ? "-" : "";
    text += digits.substr(0, point) + ((shape & 0x20) != 0 ? "," : ".") + digits.substr(point);
    if ((shape & 0x80) != 0)
        text += "E" + std::to_string((shape >> 4) % 8 * 10 - 30);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    const auto& catalogue = velkor::Catalogue();
    const velkor::SectionEntry& entry = catalogue[bytes.byte() % catalogue.size()];
    const auto unit = static_cast<velkor::LengthUnit>(bytes.byte() % 3);
    const velkor::Scope scope = bytes.flag() ? velkor::Scope::All : velkor::Scope::Shown;
    velkor::SectionInput input;
    for (std::size_t k = 0; k < entry.dimensions.size(); ++k)
        input.dimensions.push_back(
            velkor::ToRational(velkor::InMillimetres(velkor::Val(typedText(bytes)), unit)));
    for (std::size_t k = 0; k < entry.ties.size(); ++k)
        input.ticks.push_back(bytes.flag());
    input.variant = bytes.flag();
    const velkor::Rational gamma = velkor::ToRational(velkor::Val(typedText(bytes)));
    const velkor::Rational precision = velkor::ToRational(velkor::Val(typedText(bytes)));

    const velkor::SectionOutcome outcome = velkor::Compute(entry, input, scope);
    const auto* properties = std::get_if<velkor::SectionProperties>(&outcome);
    if (properties == nullptr)
        return 0; // refused with a message
    require(properties->area.sign() > 0);
    require(properties->figures.size() >= entry.figures.size());
    for (std::size_t k = 0; k < properties->figures.size(); ++k) {
        const velkor::Figure& figure = properties->figures[k];
        require(k >= entry.figures.size() || figure.kind == entry.figures[k]);
        const std::string_view symbol = figure.kind->symbol;
        const bool inertiaOrRadius =
            (symbol.front() == 'I' || symbol.front() == 'i') && symbol != "Ixy";
        require(!inertiaOrRadius || figure.value.sign() >= 0);
    }
    const auto shown = velkor::ToDisplay(outcome, {unit, gamma, precision});
    if (const auto* display = std::get_if<velkor::Display>(&shown)) {
        for (const velkor::ShownFigure& figure : display->figures)
            require(velkor::Val(velkor::FormatLocale(figure.value, '.')) == figure.value);
        require(velkor::Val(velkor::FormatLocale(display->weight, ',')) == display->weight);
    }
    return 0;
}
