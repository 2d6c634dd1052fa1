// Cutting on arbitrary exact numbers and precisions ("VALUE PRECISION" as typed): the cut
// value lies between zero and the number, less than one step of 1/|P| below it; a square
// root is cut below its exact value and within a step of it; and the digits written are
// the cut value's.
#include "fuzz_bytes.h"
#include "numbers.h"
#include "truncation.h"

#include <cstdint>
#include <string_view>

namespace {

using velkor::Rational;

bool read(std::string_view text, Rational& value, Rational& precision)
{
    const auto blank = text.find(' ');
    if (blank == std::string_view::npos)
        return false;
    const auto first = velkor::LeadingNumber(text.substr(0, blank));
    const auto second = velkor::LeadingNumber(text.substr(blank + 1));
    // far beyond any figure (and refused before cutting): slow without telling more
    if (!first || !second || first->exponent < -400 || first->exponent > 400 ||
        second->exponent < -60 || second->exponent > 60)
        return false;
    value = velkor::ToRational(*first);
    precision = velkor::ToRational(*second);
    return sgn(precision) != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Rational value, precision;
    if (!read(std::string_view(reinterpret_cast<const char*>(data), size), value, precision))
        return 0;
    const Rational step = 1 / abs(precision);

    const Rational cut = velkor::TruncateToPrecision(value, precision);
    require(abs(cut) <= abs(value) && sgn(cut) * sgn(value) >= 0);
    require(abs(value - cut) < step);

    if (sgn(value) > 0) {
        const Rational root =
            velkor::TruncateToPrecision(velkor::Real::SquareRoot(value), precision);
        const Rational above = root + step;
        require(sgn(root) >= 0 && root * root <= value && above * above > value);
    }

    const auto shown = velkor::Precision(precision).cut(value);
    require(shown.has_value() != velkor::BeyondOrdinaryRange(value) ||
            abs(value) >= velkor::LargestOrdinaryNumber());
    if (!shown)
        return 0;
    // every digit when |P| is a power of ten, else at most the cut value's 15 digits
    const Rational written = velkor::ToRational(*shown);
    long k = 0;
    if (velkor::IsPowerOfTen(precision, k))
        require(written == cut);
    else
        require(abs(written) <= abs(cut) && sgn(written) * sgn(cut) >= 0);
    for (const char separator : {'.', ','})
        require(velkor::Val(velkor::FormatLocale(*shown, separator)) == *shown);
    return 0;
}
