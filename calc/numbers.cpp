#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace velkor {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int base)
{
    int value = -1;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::optional<double> radixInteger(std::string_view digits, int base)
{
    double value = 0;
    std::size_t used = 0;
    for (; used < digits.size(); ++used) {
        const int digit = digitValue(digits[used], base);
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    if (used == 0)
        return std::nullopt;
    return value;
}

// from_chars refuses magnitudes beyond the double range; decide which side was overflowed
// from the position of the first significant digit.
double outOfRange(std::string_view mantissa, std::string_view exponent)
{
    long long decimalExponent = 0;
    bool negativeExponent = false;
    for (char c : exponent) {
        if (c == '-')
            negativeExponent = true;
        else if (isDigit(c))
            decimalExponent = std::min(decimalExponent * 10 + (c - '0'), 1'000'000'000LL);
    }
    if (negativeExponent)
        decimalExponent = -decimalExponent;

    const auto point = std::min(mantissa.find('.'), mantissa.size());
    const auto firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string_view::npos)
        return 0.0;
    const long long magnitude = firstSignificant < point
                                    ? static_cast<long long>(point - firstSignificant)
                                    : -static_cast<long long>(firstSignificant - point - 1);
    return magnitude + decimalExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// |value| written to 15 significant digits: significand * 10^exponent, with no trailing
// zeros in the significand.
struct Decimal15 {
    bool negative = false;
    std::uint64_t significand = 0;
    int exponent = 0;
};

Decimal15 toDecimal15(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
    Decimal15 decimal;
    decimal.negative = std::signbit(value);
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (isDigit(*p))
            decimal.significand = decimal.significand * 10 + (*p - '0');
    int scientificExponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, scientificExponent);
    decimal.exponent = scientificExponent - 14;
    if (decimal.significand == 0) {
        decimal.exponent = 0;
        return decimal;
    }
    while (decimal.significand % 10 == 0) {
        decimal.significand /= 10;
        ++decimal.exponent;
    }
    return decimal;
}

double toDouble(std::uint64_t significand, int exponent)
{
    const std::string text = std::to_string(significand) + 'e' + std::to_string(exponent);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

__extension__ typedef unsigned __int128 Wide;

int bitLength(Wide value)
{
    int bits = 0;
    for (; value != 0; value >>= 1)
        ++bits;
    return bits;
}

// floor(fraction * precision / 10^digits) in exact integer arithmetic, or nothing when
// the precision is so fine that the fraction keeps all its digits. `precision` is a
// positive single-precision value, so it is an integer mantissa below 2^24 times 2^e.
std::optional<double> cutFraction(std::uint64_t fraction, int digits, double precision)
{
    constexpr int maxPowerOfFive = 55; // 5^55 still fits into 128 bits
    if (digits > maxPowerOfFive)
        return 0.0;
    int binaryExponent = 0;
    const double mantissa = std::frexp(precision, &binaryExponent);
    const auto integerMantissa = static_cast<std::uint64_t>(std::ldexp(mantissa, 24));
    binaryExponent -= 24;

    // fraction * precision / 10^digits = numerator * 2^shift / 5^digits
    const Wide numerator = static_cast<Wide>(fraction) * integerMantissa;
    const int shift = binaryExponent - digits;
    Wide powerOfFive = 1;
    for (int k = 0; k < digits; ++k)
        powerOfFive *= 5;

    Wide quotient = 0;
    if (shift >= 0) {
        if (bitLength(numerator) + shift > 127)
            return std::nullopt;
        quotient = (numerator << shift) / powerOfFive;
    } else {
        quotient = -shift >= 128 ? 0 : (numerator / powerOfFive) >> -shift;
    }
    return static_cast<double>(quotient);
}

} // namespace

std::optional<double> LeadingNumber(std::string_view text)
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

    std::string number;
    bool hasPoint = false;
    bool hasDigit = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            number += s[i];
            hasDigit = true;
        } else if ((s[i] == '.' || s[i] == ',') && !hasPoint) {
            number += '.';
            hasPoint = true;
        } else {
            break;
        }
    }
    if (!hasDigit)
        return std::nullopt;
    const std::size_t mantissaLength = number.size();

    if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent += s[j++];
        if (j > firstDigit)
            number += exponent;
    }

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const std::string_view all = number;
        value = outOfRange(all.substr(0, mantissaLength), all.substr(mantissaLength));
    }
    return negative ? -value : value;
}

double Val(std::string_view text) { return LeadingNumber(text).value_or(0.0); }

std::string FormatLocale(double value, char decimalSeparator)
{
    if (!std::isfinite(value))
        return {}; // callers refuse non-finite results before writing them
    const Decimal15 decimal = toDecimal15(value);
    if (decimal.significand == 0)
        return "0";

    const std::string digits = std::to_string(decimal.significand);
    const int count = static_cast<int>(digits.size());
    const int scientificExponent = decimal.exponent + count - 1;
    std::string text = decimal.negative ? "-" : "";

    if (scientificExponent >= 15 || scientificExponent < -5) {
        text += digits[0];
        if (count > 1)
            text += decimalSeparator + digits.substr(1);
        const int magnitude = std::abs(scientificExponent);
        text += scientificExponent < 0 ? "E-" : "E+";
        text += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    } else if (decimal.exponent >= 0) {
        text += digits + std::string(decimal.exponent, '0');
    } else if (scientificExponent >= 0) {
        text += digits.substr(0, scientificExponent + 1) + decimalSeparator +
                digits.substr(scientificExponent + 1);
    } else {
        text += std::string("0") + decimalSeparator + std::string(-scientificExponent - 1, '0') +
                digits;
    }
    return text;
}

double Fix(double value) { return std::trunc(value); }

float ToSingle(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    constexpr float infinity = std::numeric_limits<float>::infinity();
    if (value > largest)
        return infinity;
    if (value < -largest)
        return -infinity;
    return static_cast<float>(value);
}

double TruncateToPrecision(double value, float precision)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    const Decimal15 decimal = toDecimal15(value);
    const double sign = decimal.negative ? -1.0 : 1.0;
    if (decimal.exponent >= 0)
        return sign * toDouble(decimal.significand, decimal.exponent);

    // A negative precision cuts exactly like its magnitude: Fix(f * -P) / -P = Fix(f * P) / P.
    const double fineness = std::fabs(static_cast<double>(precision));
    const int digits = -decimal.exponent;
    std::uint64_t integerPart = 0;
    std::uint64_t fraction = decimal.significand;
    if (digits <= 19) {
        std::uint64_t scale = 1;
        for (int k = 0; k < digits; ++k)
            scale *= 10;
        integerPart = decimal.significand / scale;
        fraction = decimal.significand % scale;
    }
    const auto steps = cutFraction(fraction, digits, fineness);
    if (!steps)
        return sign * toDouble(decimal.significand, decimal.exponent);
    return sign * (static_cast<double>(integerPart) + *steps / fineness);
}

} // namespace velkor
