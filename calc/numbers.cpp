#include "numbers.h"

#include <algorithm>
#include <array>
#include <bit>
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

__extension__ typedef unsigned __int128 Wide;

// 5^k for every k a 128-bit integer holds.
constexpr int MaxPowerOfFive = 55;
constexpr auto PowersOfFive = [] {
    std::array<Wide, MaxPowerOfFive + 1> powers{};
    powers[0] = 1;
    for (int k = 1; k <= MaxPowerOfFive; ++k)
        powers[k] = powers[k - 1] * 5;
    return powers;
}();

constexpr auto PowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    powers[0] = 1;
    for (std::size_t k = 1; k < powers.size(); ++k)
        powers[k] = powers[k - 1] * 10;
    return powers;
}();

// The 15 digits of a normal magnitude in [1e-5, 1e15), correctly rounded (ties to even,
// as the library conversion does) in integer arithmetic: magnitude = m * 2^e exactly, so
// magnitude * 10^k = m * 5^k * 2^(e + k) with k chosen to leave 15 digits before the
// point. The numbers writing and cutting meet are in this range; the rest goes the long
// way through the library's conversion.
bool toDecimal15Exactly(double magnitude, std::uint64_t& significand, int& exponent)
{
    if (!(magnitude >= 1e-5 && magnitude < 1e15))
        return false;
    // a normal double: 52 stored bits of the mantissa below a hidden 1, a biased exponent
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biasedExponent = static_cast<int>(bits >> 52);
    const std::uint64_t m = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int e = biasedExponent - 1075;
    // floor(log2(magnitude)) * 78913 / 2^18 (just below log10(2)) is within one of
    // floor(log10(magnitude)); the loop below steps k until 15 digits stand before the point
    const int decimalExponent = ((biasedExponent - 1023) * 78913) >> 18;
    int k = 14 - decimalExponent; // 0 ... 20
    constexpr std::uint64_t Lowest = 100'000'000'000'000;   // 10^14
    constexpr std::uint64_t Beyond = 1'000'000'000'000'000; // 10^15
    for (;;) {
        const Wide scaled = static_cast<Wide>(m) * PowersOfFive[k];
        const int shift = e + k;
        std::uint64_t digits = 0;
        bool roundUp = false;
        if (shift >= 0) {
            digits = static_cast<std::uint64_t>(scaled << shift);
        } else {
            digits = static_cast<std::uint64_t>(scaled >> -shift);
            const Wide rest = scaled & ((Wide(1) << -shift) - 1);
            const Wide half = Wide(1) << (-shift - 1);
            roundUp = rest > half || (rest == half && (digits & 1) != 0);
        }
        if (digits >= Beyond && k > 0) {
            --k;
            continue;
        }
        if (digits < Lowest) {
            ++k;
            continue;
        }
        // rounding up 999999999999999 gives 10^15, which is 10^14 · 10^(1 - k) all the same
        significand = digits + roundUp;
        exponent = -k;
        return true;
    }
}

// Takes up to `Zeros` trailing zeros of the significand into the exponent, with a constant
// divisor the compiler turns into multiplications.
template <int Zeros, std::uint64_t Power = PowersOfTen[Zeros]> void dropZeros(Decimal15& decimal)
{
    if (decimal.significand % Power == 0) {
        decimal.significand /= Power;
        decimal.exponent += Zeros;
    }
}

// Takes the trailing zeros of a non-zero significand of at most 16 digits into the exponent.
void dropTrailingZeros(Decimal15& decimal)
{
    dropZeros<8>(decimal);
    dropZeros<4>(decimal);
    dropZeros<2>(decimal);
    dropZeros<1>(decimal);
}

Decimal15 toDecimal15(double value)
{
    Decimal15 decimal;
    decimal.negative = std::signbit(value);
    if (toDecimal15Exactly(std::fabs(value), decimal.significand, decimal.exponent)) {
        dropTrailingZeros(decimal);
        return decimal;
    }

    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
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
    dropTrailingZeros(decimal);
    return decimal;
}

double toDouble(std::uint64_t significand, int exponent)
{
    char text[48];
    char* end = std::to_chars(text, text + 24, significand).ptr; // at most 20 digits
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, exponent).ptr;
    double value = 0;
    std::from_chars(text, end, value);
    return value;
}

int bitLength(Wide value)
{
    const auto high = static_cast<std::uint64_t>(value >> 64);
    return high != 0 ? 128 - std::countl_zero(high)
                     : 64 - std::countl_zero(static_cast<std::uint64_t>(value));
}

// floor(fraction * precision / 10^digits) in exact integer arithmetic, or nothing when
// the precision is so fine that the fraction keeps all its digits. `precision` is a
// positive single-precision value, so it is an integer mantissa below 2^24 times 2^e.
std::optional<double> cutFraction(std::uint64_t fraction, int digits, double precision)
{
    if (digits > MaxPowerOfFive)
        return 0.0;
    int binaryExponent = 0;
    const double mantissa = std::frexp(precision, &binaryExponent);
    const auto integerMantissa = static_cast<std::uint64_t>(std::ldexp(mantissa, 24));
    binaryExponent -= 24;

    // fraction * precision / 10^digits = numerator * 2^shift / 5^digits
    const Wide numerator = static_cast<Wide>(fraction) * integerMantissa;
    const int shift = binaryExponent - digits;
    const Wide powerOfFive = PowersOfFive[digits];

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

    // written into a buffer and copied once: most captions fit into a short string
    char digits[24];
    const int count = static_cast<int>(
        std::to_chars(digits, digits + sizeof digits, decimal.significand).ptr - digits);
    const int scientificExponent = decimal.exponent + count - 1;
    char text[64]; // at most 22 characters: "-0,0000" and 15 digits, or "-1,…E-308"
    char* end = text;
    if (decimal.negative)
        *end++ = '-';

    if (scientificExponent >= 15 || scientificExponent < -5) {
        *end++ = digits[0];
        if (count > 1) {
            *end++ = decimalSeparator;
            end = std::copy(digits + 1, digits + count, end);
        }
        const int magnitude = std::abs(scientificExponent);
        *end++ = 'E';
        *end++ = scientificExponent < 0 ? '-' : '+';
        if (magnitude < 10)
            *end++ = '0';
        end = std::to_chars(end, text + sizeof text, magnitude).ptr;
    } else if (decimal.exponent >= 0) {
        end = std::copy(digits, digits + count, end);
        end = std::fill_n(end, decimal.exponent, '0');
    } else if (scientificExponent >= 0) {
        end = std::copy(digits, digits + scientificExponent + 1, end);
        *end++ = decimalSeparator;
        end = std::copy(digits + scientificExponent + 1, digits + count, end);
    } else {
        *end++ = '0';
        *end++ = decimalSeparator;
        end = std::fill_n(end, -scientificExponent - 1, '0');
        end = std::copy(digits, digits + count, end);
    }
    return std::string(text, end);
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
        const std::uint64_t scale = PowersOfTen[digits];
        integerPart = decimal.significand / scale;
        fraction = decimal.significand % scale;
    }
    const auto steps = cutFraction(fraction, digits, fineness);
    if (!steps)
        return sign * toDouble(decimal.significand, decimal.exponent);
    return sign * (static_cast<double>(integerPart) + *steps / fineness);
}

} // namespace velkor
