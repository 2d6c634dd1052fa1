// Val on arbitrary bytes: invalid UTF-8, Cyrillic, huge exponents, long radix numbers.
#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto number = velkor::LeadingNumber(text);
    const double value = velkor::Val(text);
    if (std::isnan(value))
        std::abort(); // a text never reads as "not a number"
    if (number ? *number != value : value != 0)
        std::abort(); // Val is LeadingNumber with 0 for no number
    if (std::isfinite(value)) {
        // whatever was read, written back and read again, is the same number
        const std::string written = velkor::FormatLocale(value, ',');
        const std::string again = velkor::FormatLocale(velkor::Val(written), ',');
        if (written != again)
            std::abort();
    }
    return 0;
}
