// Reading, writing and cutting numbers exactly, and turning figures into displayed values.
#include "numbers.h"
#include "section.h"
#include "shown_figures.h"
#include "truncation.h"

#include <QTest>

#include <clocale>

using namespace velkor;

namespace {

QString read(const QString& text)
{
    return written(Val(text.toStdString()));
}

QString cut(const char* value, const char* precision)
{
    return written(*Precision(typed(precision)).cut(typed(value)));
}

QString message(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Under a Russian C locale strtod("3.7") stops at the point; the core must not care.
        qInfo("C library decimal point: \"%s\"", std::localeconv()->decimal_point);
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // the exact value read, written back
        QTest::newRow("decimal point") << "14.2"
                                       << "14.2";
        QTest::newRow("one tenth is one tenth") << "0.1"
                                                << "0.1";
        QTest::newRow("decimal comma") << "0,5"
                                       << "0.5";
        QTest::newRow("comma with integer part") << "12,5"
                                                 << "12.5";
        QTest::newRow("first separator is the point") << "1,2.3"
                                                      << "1.2";
        QTest::newRow("second point stops") << "1.2.3"
                                            << "1.2";
        QTest::newRow("blank between digits") << "1 000"
                                              << "1000";
        QTest::newRow("blank, tab and line feed ignored") << " 2\t5\n"
                                                          << "25";
        QTest::newRow("leading point") << ".5"
                                       << "0.5";
        QTest::newRow("trailing letters") << "12abc"
                                          << "12";
        QTest::newRow("Cyrillic letters stop") << "5Д"
                                               << "5";
        QTest::newRow("exponent e") << "1e1"
                                    << "10";
        QTest::newRow("exponent D with sign") << "1.5D+2"
                                              << "150";
        QTest::newRow("negative exponent") << "25E-1"
                                           << "2.5";
        QTest::newRow("exponent without digits") << "3e"
                                                 << "3";
        QTest::newRow("exponent sign without digits") << "3e+"
                                                      << "3";
        QTest::newRow("minus") << "-3.5"
                               << "-3.5";
        QTest::newRow("plus") << "+2"
                              << "2";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("letters") << "abc"
                                 << "0";
        QTest::newRow("Cyrillic") << "Д5"
                                  << "0";
        QTest::newRow("sign alone") << "-"
                                    << "0";
        QTest::newRow("point alone") << "."
                                     << "0";
        QTest::newRow("hexadecimal") << "&H1F"
                                     << "31";
        QTest::newRow("hexadecimal lower case") << "&hff"
                                                << "255";
        QTest::newRow("octal") << "&O17"
                               << "15";
        QTest::newRow("octal stops at 8") << "&O178"
                                          << "15";
        QTest::newRow("hexadecimal without digits") << "&H"
                                                    << "0";
        QTest::newRow("unknown ampersand prefix") << "&X1"
                                                  << "0";
        QTest::newRow("long hexadecimal") << "&H10000000000000000"
                                          << "1.8446744073709551616E+19";
        // beyond a double's range, still exact: the routines refuse such figures
        QTest::newRow("beyond the double range") << "1e999"
                                                 << "1E+999";
        QTest::newRow("long mantissa") << "1" + QString(400, '0') << "1E+400";
        QTest::newRow("tiny, not zero") << "1e-999"
                                        << "1E-999";
        QTest::newRow("tiny fraction") << "0." + QString(400, '0') + "1"
                                       << "1E-401";
        QTest::newRow("every digit kept") << "4896419500.509087984"
                                          << "4896419500.509087984";
        QTest::newRow("huge exponent digits") << "1e99999999999999999999"
                                              << "1E+100000";
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(read(text), expected);
    }

    void leadingNumberTellsNoNumberFromZero()
    {
        QVERIFY(!LeadingNumber("abc"));
        QVERIFY(!LeadingNumber(""));
        QVERIFY(!LeadingNumber("-."));
        QCOMPARE(written(*LeadingNumber("0x")), QString("0"));
    }

    void formatLocale_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer") << "6" << '.' << "6";
        QTest::newRow("comma") << "3.7" << ',' << "3,7";
        QTest::newRow("trailing zeros dropped") << "2.500" << '.' << "2.5";
        QTest::newRow("negative") << "-1.25" << '.' << "-1.25";
        QTest::newRow("negative zero") << "-0.000" << '.' << "0";
        QTest::newRow("no grouping") << "1234567.891" << ',' << "1234567,891";
        QTest::newRow("more than 15 digits")
            << "4896419500.50908798" << '.' << "4896419500.50908798";
        QTest::newRow("largest plain") << "123456789012345" << '.' << "123456789012345";
        QTest::newRow("large in exponent form") << "1e15" << '.' << "1E+15";
        QTest::newRow("large with fraction digits") << "1.5e20" << ',' << "1,5E+20";
        QTest::newRow("every digit in exponent form")
            << "123456789012345678.5" << '.' << "1.234567890123456785E+17";
        QTest::newRow("smallest plain") << "0.00001" << '.' << "0.00001";
        QTest::newRow("small in exponent form") << "1.5e-7" << '.' << "1.5E-07";
        QTest::newRow("extreme") << "1e300" << '.' << "1E+300";
        QTest::newRow("result in millimetres") << "5055564.781" << '.' << "5055564.781";
    }
    void formatLocale()
    {
        QFETCH(QString, value);
        QFETCH(char, separator);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(FormatLocale(Val(value.toStdString()), separator)),
                 expected);
    }

    void writtenNumbersReadBack()
    {
        for (const char* text : {"3.7", "-0.5", "0.666666666666666666666", "1e-9", "6.02214076e23",
                                 "5055564.781", "1e15", "0.1"})
            for (const char separator : {'.', ','}) {
                const Decimal value = Val(text);
                QVERIFY2(Val(FormatLocale(value, separator)) == value, text);
            }
    }

    void truncateToPrecision_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exact decimals: no binary noise") << "2.3"
                                                         << "10"
                                                         << "2.3";
        QTest::newRow("two decimals") << "12.34567"
                                      << "100"
                                      << "12.34";
        QTest::newRow("never rounds up") << "0.999999"
                                         << "1000"
                                         << "0.999";
        QTest::newRow("sixteen nines are not one") << "0.9999999999999999"
                                                   << "1000"
                                                   << "0.999";
        QTest::newRow("toward zero") << "-1.2345"
                                     << "100"
                                     << "-1.23";
        QTest::newRow("integer") << "6"
                                 << "1000"
                                 << "6";
        QTest::newRow("large value keeps its decimals") << "5055564.781"
                                                        << "1000"
                                                        << "5055564.781";
        QTest::newRow("nine-digit integer part") << "123456789.36"
                                                 << "100"
                                                 << "123456789.36";
        // any other precision: the cut value's first 15 digits, cut
        QTest::newRow("sevenths") << "2.5"
                                  << "7"
                                  << "2.42857142857142";
        QTest::newRow("negative precision acts as positive") << "12.34567"
                                                             << "-100"
                                                             << "12.34";
        QTest::newRow("fraction below the step") << "0.0004"
                                                 << "1000"
                                                 << "0";
        QTest::newRow("negative fraction below the step") << "-0.0004"
                                                          << "1000"
                                                          << "0";
        QTest::newRow("tiny value, fine precision") << "1e-30"
                                                    << "1e20"
                                                    << "0";
        QTest::newRow("huge value") << "1.5e20"
                                    << "1000"
                                    << "1.5E+20";
        QTest::newRow("precision below one") << "2.3"
                                             << "0.5"
                                             << "2";
        QTest::newRow("a tenth as precision") << "123.45"
                                              << "0.1"
                                              << "123";
        QTest::newRow("precision finer than 15 digits, not a power of ten")
            << "0.1234567890123456789"
            << "3e38"
            << "0.123456789012345";
        QTest::newRow("ten decimals") << "3.14159265358979"
                                      << "1e10"
                                      << "3.1415926535";
        QTest::newRow("eleven decimals, not single precision's ten") << "3.14159265358979"
                                                                     << "1e11"
                                                                     << "3.14159265358";
        QTest::newRow("every digit at a power of ten") << "4896419500.509087984"
                                                       << "100000000"
                                                       << "4896419500.50908798";
    }
    void truncateToPrecision()
    {
        QFETCH(QString, value);
        QFETCH(QString, precision);
        QFETCH(QString, expected);
        QCOMPARE(cut(qPrintable(value), qPrintable(precision)), expected);
    }

    // a root is cut from its exact value: √2 = 1.41421356237309504880…
    void irrationalCut()
    {
        QCOMPARE(written(*Precision(typed("1e20")).cut(Real::SquareRoot(2))),
                 QString("1.4142135623730950488"));
        QCOMPARE(written(*Precision(typed("1000")).cut(Real::Quadratic(3, -1, 8))),
                 QString("0.171"));
        QCOMPARE(written(*Precision(typed("1000")).cut(Real::Quadratic(-3, 1, 8))),
                 QString("-0.171"));
    }

    void weightPerMetre_data()
    {
        QTest::addColumn<QString>("squareMillimetres");
        QTest::addColumn<QString>("specificWeight");
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QString>("expected");
        QTest::newRow("100 mm² in any unit") << "100"
                                             << "7850"
                                             << "1000"
                                             << "0.785";
        QTest::newRow("truncated, not rounded") << "2151.99"
                                                << "7850"
                                                << "1000"
                                                << "16.893";
        QTest::newRow("negative specific weight") << "100"
                                                  << "-7850"
                                                  << "100"
                                                  << "-0.78";
        QTest::newRow("no specific weight") << "100"
                                            << "0"
                                            << "1000"
                                            << "0";
        // Fix(w·P)/P, not split like the other figures: Fix(1.9·2.5)/2.5 = 1.6, not 1.8
        QTest::newRow("whole rule with a precision of 2.5") << "1.9"
                                                            << "1000000"
                                                            << "2.5"
                                                            << "1.6";
    }
    void weightPerMetre()
    {
        QFETCH(QString, squareMillimetres);
        QFETCH(QString, specificWeight);
        QFETCH(QString, precision);
        QFETCH(QString, expected);
        const auto weight =
            WeightPerMetre(typed(qPrintable(squareMillimetres)), typed(qPrintable(specificWeight)),
                           Precision(typed(qPrintable(precision))));
        QCOMPARE(written(*weight), expected);
    }

    void displayDividesByTheUnitPower()
    {
        SectionProperties properties{{}, typed("2151.99")};
        properties.add(figure::I, typed("5055564.781")).add(figure::i, typed("48.4699"));
        QCOMPARE(shownFigures(properties, LengthUnit::Centimetre, {"I", "i"}),
                 (QStringList{"505.556", "4.846", "16.893"}));
    }

    void displayRefuses_data()
    {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("specificWeight");
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QString>("message");
        const QString wrongData = message(WrongDataMessage);
        const QString wrongPrecision = message(WrongPrecisionMessage);
        QTest::newRow("precision zero") << "1"
                                        << "7850"
                                        << "0" << wrongPrecision;
        QTest::newRow("precision not a number") << "1"
                                                << "7850"
                                                << "abc" << wrongPrecision;
        QTest::newRow("precision beyond every number") << "1"
                                                       << "7850"
                                                       << "1e400" << wrongPrecision;
        QTest::newRow("precision below every number") << "1"
                                                      << "7850"
                                                      << "-1e-400" << wrongPrecision;
        QTest::newRow("figure beyond every number") << "1e400"
                                                    << "7850"
                                                    << "1000" << wrongData;
        QTest::newRow("weight beyond every number") << "1"
                                                    << "1e400"
                                                    << "1000" << wrongData;
    }
    void displayRefuses()
    {
        QFETCH(QString, figure);
        QFETCH(QString, specificWeight);
        QFETCH(QString, precision);
        QFETCH(QString, message);
        SectionProperties properties{{}, 100};
        properties.add(figure::A, typed(qPrintable(figure)));
        QCOMPARE(shownFigures(properties, LengthUnit::Millimetre, {"A"}, qPrintable(precision),
                              qPrintable(specificWeight)),
                 QStringList{message});
    }

    void displayPassesTheRoutinesRefusalOn()
    {
        QCOMPARE(
            shownFigures(Refusal{"D должно быть больше нуля"}, LengthUnit::Centimetre, {}, "0"),
            QStringList{"D должно быть больше нуля"});
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
