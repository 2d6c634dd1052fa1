#pragma once

#include <string>
#include <string_view>

namespace velkor::cli {

// `bytes` as valid UTF-8: every byte sequence that is not (a stray continuation byte, a
// truncated or overlong sequence, a surrogate, a code point above U+10FFFF) becomes one
// U+FFFD REPLACEMENT CHARACTER per maximal invalid part, as the Unicode standard
// recommends; valid text comes back unchanged.
std::string ValidUtf8(std::string_view bytes);

// Whether `bytes` is valid UTF-8 as it stands.
bool IsValidUtf8(std::string_view bytes);

// `line` without a leading byte order mark.
std::string_view WithoutByteOrderMark(std::string_view line);

} // namespace velkor::cli
