#include "utf8.h"

namespace velkor::cli {
namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The length of the valid sequence that starts `bytes`, or 0 with `invalid` set to the
// length of its maximal invalid part (at least 1).
std::size_t validSequence(std::string_view bytes, std::size_t& invalid)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(0);
    invalid = 1;
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;  // no overlong forms
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0; // a continuation byte, or a lead byte that never starts a valid sequence
    }
    for (std::size_t k = 1; k < length; ++k) {
        const bool inRange = k < bytes.size() && byte(k) >= (k == 1 ? low : 0x80) &&
                             byte(k) <= (k == 1 ? high : 0xBF);
        if (!inRange) {
            invalid = k;
            return 0;
        }
    }
    return length;
}

} // namespace

std::string ValidUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        std::size_t invalid = 0;
        const std::size_t valid = validSequence(bytes, invalid);
        if (valid > 0) {
            text += bytes.substr(0, valid);
            bytes.remove_prefix(valid);
        } else {
            text += Replacement;
            bytes.remove_prefix(invalid);
        }
    }
    return text;
}

bool IsValidUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        std::size_t invalid = 0;
        const std::size_t valid = validSequence(bytes, invalid);
        if (valid == 0)
            return false;
        bytes.remove_prefix(valid);
    }
    return true;
}

std::string_view WithoutByteOrderMark(std::string_view line)
{
    if (line.starts_with(ByteOrderMark))
        line.remove_prefix(ByteOrderMark.size());
    return line;
}

} // namespace velkor::cli
