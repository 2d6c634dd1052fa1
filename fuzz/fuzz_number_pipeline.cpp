// A number from the text a user types to the digits a result label shows, against a slow
// reference written here from the rules alone: the text read exactly (decimal with "." or
// ",", blanks ignored, E/D exponent, &H/&O integers), the figure (that number, or its
// square root, over a unit's power) cut to the precision typed, and the cut value written
// with every digit (a power of ten) or its first 15 significant digits (any other
// precision), then read back as the same number.
#include "fuzz_bytes.h"
#include "numbers.h"
#include "truncation.h"

#include <optional>
#include <string>

namespace {

using velkor::Integer;
using velkor::Rational;

Rational power10(long k)
{
    Integer power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(k < 0 ? -k : k));
    return k < 0 ? Rational(1 / Rational(power)) : Rational(power);
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// The reading rules, one character at a time, on exact fractions.
std::optional<Rational> referenceRead(std::string_view typed)
{
    std::string s;
    for (char c : typed)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == '&') {
        const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : (s[1] == 'O' || s[1] == 'o') ? 8 : 0;
        Integer n = 0;
        bool any = false;
        for (i = 2; base != 0 && i < s.size() && digitValue(s[i]) < base; ++i, any = true)
            n = n * base + digitValue(s[i]);
        return any ? std::optional<Rational>(Rational(n)) : std::nullopt;
    }
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+'))
        ++i;
    Integer n = 0;
    long fraction = 0;
    bool point = false, any = false;
    for (; i < s.size(); ++i) {
        if (digitValue(s[i]) < 10) {
            n = n * 10 + digitValue(s[i]);
            fraction += point ? 1 : 0;
            any = true;
        } else if ((s[i] == '.' || s[i] == ',') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any)
        return std::nullopt;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        const bool negativeExponent = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+'))
            ++i;
        for (; i < s.size() && digitValue(s[i]) < 10; ++i)
            exponent = std::min(exponent * 10 + digitValue(s[i]), velkor::ExponentLimit);
        exponent = negativeExponent ? -exponent : exponent;
    }
    const Rational value = Rational(n) * power10(exponent - fraction);
    return negative ? Rational(-value) : value;
}

Integer fix(const Rational& q)
{
    Integer result;
    mpz_tdiv_q(result.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    return result;
}

Integer floorOf(const Rational& q)
{
    Integer result;
    mpz_fdiv_q(result.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    return result;
}

Integer isqrt(const Integer& n)
{
    Integer root;
    mpz_sqrt(root.get_mpz_t(), n.get_mpz_t());
    return root;
}

// Fix(y) + Fix((y − Fix(y))·p)/p of y = x/divisor, or of y = √x/divisor (x ≥ 0).
Rational referenceCut(const Rational& x, bool root, const Integer& divisor, const Rational& p,
                      Integer& whole)
{
    const Integer& pn = p.get_num();
    const Integer& pd = p.get_den();
    if (!root) {
        const Rational y = x / divisor;
        whole = fix(y);
        return whole + Rational(fix((y - whole) * p)) / p;
    }
    // √Q with Q = x/divisor²: ⌊√Q⌋ = ⌊√⌊Q⌋⌋, and ⌊(√Q − w)·pn/pd⌋ = ⌊(⌊√Q·pn⌋ − w·pn)/pd⌋
    const Rational q = x / (divisor * divisor);
    whole = isqrt(floorOf(q));
    const Integer scaled = isqrt(floorOf(q * pn * pn));
    return whole + Rational(floorOf(Rational(scaled - whole * pn, pd))) / p;
}

// The largest e with 10^e <= v, for v > 0, by counting from the digits' guess.
long exponentOf(const Rational& v)
{
    long e = static_cast<long>(v.get_num().get_str().size()) -
             static_cast<long>(v.get_den().get_str().size());
    while (v >= power10(e + 1))
        ++e;
    while (v < power10(e))
        --e;
    return e;
}

// The exact decimal digits of a value whose denominator is 2^a·5^b, written by the
// program's rules: every digit, no trailing zeros, exponent form "d.dddE±XX" outside
// 1e-5 <= |v| < 1e15.
std::string referenceText(const Rational& value, char separator)
{
    if (value == 0)
        return "0";
    Rational magnitude = abs(value);
    long exponent = 0; // magnitude = digits · 10^exponent
    while (magnitude.get_den() != 1) {
        magnitude *= 10;
        --exponent;
    }
    std::string digits = magnitude.get_num().get_str();
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    const long scientific = exponent + static_cast<long>(digits.size()) - 1;
    std::string text = value < 0 ? "-" : "";
    if (scientific >= 15 || scientific < -5) {
        const std::string e = std::to_string(scientific < 0 ? -scientific : scientific);
        text += digits.substr(0, 1);
        if (digits.size() > 1)
            text += separator + digits.substr(1);
        return text + (scientific < 0 ? "E-" : "E+") + (e.size() < 2 ? "0" : "") + e;
    }
    if (exponent >= 0)
        return text + digits + std::string(static_cast<std::size_t>(exponent), '0');
    // a point inside the digits, or zeros after "0." before them
    const long integerDigits = scientific + 1;
    if (integerDigits > 0)
        return text + digits.substr(0, static_cast<std::size_t>(integerDigits)) + separator +
               digits.substr(static_cast<std::size_t>(integerDigits));
    return text + "0" + separator + std::string(static_cast<std::size_t>(-integerDigits), '0') +
           digits;
}

const Rational& largestDouble()
{
    static const Rational largest = [] {
        Rational q;
        mpq_set_d(q.get_mpq_t(), 1.7976931348623157e308);
        return q;
    }();
    return largest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes bytes(data, size);
    const std::uint8_t choice = bytes.byte();
    const bool root = (choice & 1) != 0;
    const char separator = (choice & 2) != 0 ? ',' : '.';
    const Integer divisor = fix(power10((choice >> 2) % 13)); // mm in a unit's power
    const std::string_view typed = bytes.text();
    const std::string_view typedPrecision = bytes.left();

    const auto number = velkor::LeadingNumber(typed);
    const auto expected = referenceRead(typed);
    require(number.has_value() == expected.has_value());
    const auto precisionNumber = velkor::LeadingNumber(typedPrecision);
    // beyond what any box holds in practice, and slow to take apart digit by digit
    if (!number || number->exponent < -400 || number->exponent > 400 || !precisionNumber ||
        precisionNumber->exponent < -40 || precisionNumber->exponent > 40)
        return 0;
    const Rational x = velkor::ToRational(*number);
    require(x == *expected);
    const Rational p = abs(velkor::ToRational(*precisionNumber));
    require(p == abs(*referenceRead(typedPrecision)));
    if (p == 0 || (root && x < 0))
        return 0;

    const velkor::Real figure = root ? velkor::Real::SquareRoot(x) : velkor::Real(x);
    const auto shown = velkor::Precision(p).cut(figure, divisor);
    Integer whole;
    const Rational cut = referenceCut(x, root, divisor, p, whole);
    require(shown.has_value() == (abs(Rational(whole)) < largestDouble()));
    if (!shown)
        return 0;
    Rational written = cut;
    long k = 0;
    if (!velkor::IsPowerOfTen(p, k) && cut != 0) {
        // the first 15 significant digits, cut
        const long e = exponentOf(abs(cut));
        written = Rational(fix(cut * power10(14 - e))) * power10(e - 14);
    }
    const std::string text = velkor::FormatLocale(*shown, separator);
    require(text == referenceText(written, separator));
    require(velkor::Val(text) == *shown);
    return 0;
}
