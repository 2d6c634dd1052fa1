// The 15 significant digits a number is written with (and cut from) are those of the exact
// binary value, correctly rounded with ties to even — checked against the C++ library's
// own conversion where rounding is hardest: exact ties at the 16th digit, the last doubles
// before and after a power of ten, and arbitrary bit patterns.
#include "numbers.h"

#include <QTest>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

using namespace velkor;

namespace {

// The double nearest to `value` written with 15 significant digits by the library.
double libraryDigits(double value)
{
    char text[64];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
    double back = 0;
    std::from_chars(text, end, back);
    return back;
}

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Empty when FormatLocale writes the library's digits; distinct 15-digit numbers are
// distinct doubles, so comparing the doubles read back compares the digits.
QString wrongDigits(double value)
{
    if (!std::isfinite(value) || value == 0)
        return {};
    const std::string written = FormatLocale(value, '.');
    if (sameDouble(Val(written), libraryDigits(value)))
        return {};
    return QStringLiteral("%1 written as %2")
        .arg(value, 0, 'g', 17)
        .arg(QString::fromStdString(written));
}

} // namespace

#define EXPECT_LIBRARY_DIGITS(value)                                                               \
    do {                                                                                           \
        const QString wrong = wrongDigits(value);                                                  \
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));                                              \
    } while (false)

class NumberDigitsTest : public QObject {
    Q_OBJECT

private slots:
    void tiesAtTheSixteenthDigitGoToEven()
    {
        // up to 16 - j digits before the point and j binary places after it: the 16th digit
        // is often a 5 with nothing after it
        constexpr std::uint64_t Limit = 1'000'000'000'000'000; // 10^15
        std::mt19937_64 random(1);
        for (int k = 0; k < 100000; ++k) {
            const int fractionBits = 1 + int(random() % 4);
            const double integer = double(random() % (Limit >> (3 * fractionBits)));
            const double fraction = double(random() % (1u << fractionBits)) / (1u << fractionBits);
            EXPECT_LIBRARY_DIGITS(integer + fraction);
            EXPECT_LIBRARY_DIGITS(-(integer + fraction));
        }
        for (const double tie : {999999999999999.5, 999999999999998.5, 100000000000000.5,
                                 99999999999999.75, 12345678901234.25, 0.5, 2.5})
            EXPECT_LIBRARY_DIGITS(tie);
    }

    void doublesAroundPowersOfTen()
    {
        for (int decade = -8; decade <= 17; ++decade) {
            const double power = std::pow(10.0, decade);
            double below = power, above = power;
            for (int step = 0; step < 200; ++step) {
                EXPECT_LIBRARY_DIGITS(below);
                EXPECT_LIBRARY_DIGITS(above);
                below = std::nextafter(below, 0.0);
                above = std::nextafter(above, INFINITY);
            }
        }
        EXPECT_LIBRARY_DIGITS(std::nextafter(1e15, 0.0)); // rounds up to 1E+15
        EXPECT_LIBRARY_DIGITS(std::nextafter(1e-5, 0.0)); // rounds up to 0.00001
    }

    void decimalsWithMoreDigitsThanShown()
    {
        std::mt19937_64 random(2);
        for (int k = 0; k < 100000; ++k) {
            char text[40];
            const int digits = 1 + int(random() % 18);
            std::uint64_t mantissa = random();
            for (int d = digits; d < 20; ++d)
                mantissa /= 10;
            const int exponent = int(random() % 30) - 22;
            std::snprintf(text, sizeof text, "%llue%d", static_cast<unsigned long long>(mantissa),
                          exponent);
            const double value = std::strtod(text, nullptr);
            EXPECT_LIBRARY_DIGITS(value);
            EXPECT_LIBRARY_DIGITS(std::nextafter(value, 0.0));
            EXPECT_LIBRARY_DIGITS(std::nextafter(value, INFINITY));
        }
    }

    void arbitraryBitPatterns()
    {
        std::mt19937_64 random(3);
        for (int k = 0; k < 100000; ++k) {
            const std::uint64_t bits = random();
            double value = 0;
            std::memcpy(&value, &bits, sizeof value);
            EXPECT_LIBRARY_DIGITS(value);
        }
    }
};

QTEST_GUILESS_MAIN(NumberDigitsTest)
#include "tst_number_digits.moc"
