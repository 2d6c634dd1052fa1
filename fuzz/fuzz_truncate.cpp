// TruncateToPrecision and FormatLocale on arbitrary doubles and precisions.
#include "numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    float precision = 0;
    if (size < sizeof value + sizeof precision)
        return 0;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&precision, data + sizeof value, sizeof precision);
    if (!std::isfinite(value) || !std::isfinite(precision) || precision == 0)
        return 0; // the routines refuse these before truncating

    const double cut = velkor::TruncateToPrecision(value, precision);
    if (!std::isfinite(cut))
        std::abort();
    // as the user sees them: never away from zero, never across it
    const double shownValue = velkor::Val(velkor::FormatLocale(value, '.'));
    const double shownCut = velkor::Val(velkor::FormatLocale(cut, '.'));
    if (std::fabs(shownCut) > std::fabs(shownValue) ||
        (shownCut != 0 && std::signbit(shownCut) != std::signbit(value)))
        std::abort();

    for (const char separator : {'.', ','}) {
        const std::string caption = velkor::FormatLocale(cut, separator);
        if (caption.empty() || caption.find("inf") != std::string::npos ||
            caption.find("nan") != std::string::npos)
            std::abort();
        const double back = velkor::Val(caption);
        if (std::fabs(back - cut) > std::fabs(cut) * 1e-14)
            std::abort(); // the caption reads back as the cut value to 15 digits
    }
    return 0;
}
