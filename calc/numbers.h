#pragma once

// Reading and writing the numbers the user sees, exactly. Everything here is
// locale-independent: the decimal separator used for writing is passed in by the caller.

#include "exact.h"

#include <optional>
#include <string>
#include <string_view>

namespace velkor {

// The number at the start of `text`, exactly as typed, or nothing when the text does not
// begin with one. Blanks, tabs and line feeds anywhere are ignored; "." or "," (whichever
// comes first) is the decimal point; an exponent may follow after E/e/D/d; "&H" and "&O"
// introduce a hexadecimal or octal integer. Reading stops at the first character that
// cannot continue the number, so "12abc" gives 12. "0.1" is one tenth, not the double
// nearest to it. Exponents beyond ±ExponentLimit are taken as ±ExponentLimit: such a
// number is far outside anything a section has, and is refused wherever it is used.
std::optional<Decimal> LeadingNumber(std::string_view text);
inline constexpr long ExponentLimit = 100000;

// LeadingNumber, with 0 for a text that does not begin with a number.
Decimal Val(std::string_view text);

// Every digit of `value`, without trailing zeros or grouping, with `decimalSeparator` as
// the decimal point; exponent notation ("1.5E+20", "1.5E-07") outside 1e-5 <= |value| < 1e15.
std::string FormatLocale(const Decimal& value, char decimalSeparator);

} // namespace velkor
