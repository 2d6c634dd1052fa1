// Val on arbitrary bytes: invalid UTF-8, Cyrillic, huge exponents, long radix numbers.
#include "numbers.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto number = velkor::LeadingNumber(text);
    const velkor::Decimal value = velkor::Val(text);
    if (number ? !(*number == value) : !(value == velkor::Decimal{}))
        std::abort(); // Val is LeadingNumber with 0 for no number
    // whatever was read, written and read again, is exactly the same number, as long as
    // the written exponent is one that reading takes as it stands
    for (const char separator : {'.', ','}) {
        const std::string written = velkor::FormatLocale(value, separator);
        if (const auto e = written.find('E');
            e != std::string::npos &&
            std::labs(std::stol(written.substr(e + 1))) > velkor::ExponentLimit)
            continue;
        if (!(velkor::Val(written) == value))
            std::abort();
    }
    return 0;
}
