// The unit switch on whatever a length box holds: a box without a number, or with one
// beyond the ordinary range before or after, keeps its text; any other gets the same
// length in the new unit, exactly, written so that it reads back as itself, and switching
// back gives the number that was typed.
#include "fuzz_bytes.h"
#include "numbers.h"
#include "unit_switch.h"

namespace {

constexpr int Factors[] = {1, 10, 1000}; // millimetres in mm, cm, m

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    const std::uint8_t choice = bytes.byte();
    const int from = Factors[choice % 3], to = Factors[choice / 3 % 3];
    const char separator = (choice & 0x80) != 0 ? ',' : '.';
    const std::string_view text = bytes.left();

    const auto typed = velkor::LeadingNumber(text);
    const auto rescaled = velkor::RescaledLength(text, from, to);
    if (!rescaled) {
        require(!typed || !velkor::IsOrdinary(velkor::ToRational(*typed)) ||
                !velkor::IsOrdinary(velkor::ToRational(*typed) * from / to));
        return 0;
    }
    require(typed.has_value());
    const velkor::Rational length = velkor::ToRational(*typed);
    require(velkor::ToRational(*rescaled) * to == length * from);
    require(velkor::IsOrdinary(velkor::ToRational(*rescaled)));
    const std::string written = velkor::FormatLocale(*rescaled, separator);
    require(velkor::Val(written) == *rescaled);
    const auto back = velkor::RescaledLength(written, to, from);
    require(back && velkor::ToRational(*back) == length);
    return 0;
}
