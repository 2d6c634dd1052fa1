#pragma once

// What the unit switch writes into a length box.

#include "exact.h"

#include <optional>
#include <string_view>

namespace velkor {

// The length a box holds as `text` in a unit of `oldFactor` millimetres, in a unit of
// `newFactor` millimetres (factors 1, 10 or 1000): the decimal point moves, nothing is
// rounded. Nothing, so that the box keeps what the user typed, when the text does not begin
// with a number or when the number is not an ordinary one before or after (a size far
// beyond any section, which every calculation refuses, and whose exponent would no longer
// read back as written).
std::optional<Decimal> RescaledLength(std::string_view text, int oldFactor, int newFactor);

} // namespace velkor
