#include "unit_switch.h"

#include "numbers.h"

namespace velkor {

std::optional<Decimal> RescaledLength(std::string_view text, int oldFactor, int newFactor)
{
    auto value = LeadingNumber(text);
    if (!value || !IsOrdinary(ToRational(*value)))
        return std::nullopt;
    // ×10, ×100, ×1000 or the inverse move the decimal point: exactly a decimal again
    int ratio = oldFactor > newFactor ? oldFactor / newFactor : newFactor / oldFactor;
    for (; ratio > 1; ratio /= 10)
        value->exponent += oldFactor > newFactor ? 1 : -1;
    if (!IsOrdinary(ToRational(*value)))
        return std::nullopt;
    return value;
}

} // namespace velkor
