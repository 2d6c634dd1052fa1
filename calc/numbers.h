#pragma once

// Reading and writing the numbers the user sees. Everything here is locale-independent:
// the decimal separator used for writing is passed in by the caller.

#include <optional>
#include <string>
#include <string_view>

namespace velkor {

// The number at the start of `text`, or nothing when the text does not begin with one.
// Blanks, tabs and line feeds anywhere are ignored; "." or "," (whichever comes first) is
// the decimal point; an exponent may follow after E/e/D/d; "&H" and "&O" introduce a
// hexadecimal or octal integer. Reading stops at the first character that cannot continue
// the number, so "12abc" gives 12.
std::optional<double> LeadingNumber(std::string_view text);

// LeadingNumber, with 0 for a text that does not begin with a number.
double Val(std::string_view text);

// `value` rounded to 15 significant digits, without trailing zeros or grouping, with
// `decimalSeparator` as the decimal point; exponent notation ("1.5E+20") outside
// 1e-5 <= |value| < 1e15.
std::string FormatLocale(double value, char decimalSeparator);

// Truncation toward zero: Fix(2.7) = 2, Fix(-2.7) = -2.
double Fix(double value);

// Cuts the fractional part of `value` down to a multiple of 1/|precision|, toward zero.
// The value is first written to 15 significant digits and cut in exact arithmetic, so
// binary representation error never removes a digit: (2.3, 10) gives 2.3.
// `precision` must be finite and non-zero.
double TruncateToPrecision(double value, float precision);

// The precision list's number as the single-precision value the truncation works with;
// magnitudes beyond the float range become infinite instead of undefined.
float ToSingle(double value);

} // namespace velkor
