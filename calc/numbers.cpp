#include "numbers.h"

#include <algorithm>
#include <cstdlib>

namespace velkor {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isDigitOf(char c, int base)
{
    if (base == 8)
        return c >= '0' && c <= '7';
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::optional<Decimal> radixInteger(std::string_view text, int base)
{
    const auto end =
        std::find_if_not(text.begin(), text.end(), [base](char c) { return isDigitOf(c, base); });
    if (end == text.begin())
        return std::nullopt;
    Decimal value;
    value.significand.set_str(std::string(text.begin(), end), base);
    return value;
}

} // namespace

std::optional<Decimal> LeadingNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    const std::string_view s = compact;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return radixInteger(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return radixInteger(s.substr(2), 8);
        return std::nullopt;
    }

    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;

    std::string digits;
    long fractionDigits = 0;
    bool hasPoint = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            digits += s[i];
            fractionDigits += hasPoint ? 1 : 0;
        } else if ((s[i] == '.' || s[i] == ',') && !hasPoint) {
            hasPoint = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return std::nullopt;

    long exponent = 0;
    if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        for (; j < s.size() && isDigit(s[j]); ++j)
            exponent = std::min(exponent * 10 + (s[j] - '0'), ExponentLimit);
        if (negativeExponent)
            exponent = -exponent;
    }

    Decimal value;
    value.significand.set_str(digits, 10);
    if (negative)
        value.significand = -value.significand;
    value.exponent = exponent - fractionDigits;
    return value;
}

Decimal Val(std::string_view text)
{
    return LeadingNumber(text).value_or(Decimal{});
}

std::string FormatLocale(const Decimal& value, char decimalSeparator)
{
    if (value.significand == 0)
        return "0";
    // the digits of |significand|, without its trailing zeros (taken into the exponent)
    char small[64];
    std::string large;
    const std::size_t room = mpz_sizeinbase(value.significand.get_mpz_t(), 10) + 2;
    char* buffer = small;
    if (room > sizeof small) {
        large.resize(room);
        buffer = large.data();
    }
    mpz_get_str(buffer, 10, value.significand.get_mpz_t());
    std::string_view digits(buffer);
    const bool negative = digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    const std::size_t significant = digits.find_last_not_of('0') + 1;
    const long exponent = value.exponent + static_cast<long>(digits.size() - significant);
    digits = digits.substr(0, significant);
    const long count = static_cast<long>(digits.size());
    const long scientificExponent = exponent + count - 1;

    std::string text;
    text.reserve(digits.size() + 16);
    if (negative)
        text += '-';
    if (scientificExponent >= 15 || scientificExponent < -5) {
        text += digits[0];
        if (count > 1) {
            text += decimalSeparator;
            text += digits.substr(1);
        }
        const std::string magnitude = std::to_string(std::labs(scientificExponent));
        text += scientificExponent < 0 ? "E-" : "E+";
        if (magnitude.size() < 2)
            text += '0';
        text += magnitude;
    } else if (exponent >= 0) {
        text += digits;
        text.append(static_cast<std::size_t>(exponent), '0');
    } else if (scientificExponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(scientificExponent + 1);
        text += digits.substr(0, integerDigits);
        text += decimalSeparator;
        text += digits.substr(integerDigits);
    } else {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-scientificExponent - 1), '0');
        text += digits;
    }
    return text;
}

} // namespace velkor
