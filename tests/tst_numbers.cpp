// Reading, writing and cutting numbers, and turning figures into displayed values.
#include "numbers.h"
#include "section.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace velkor;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

QString written(double value) { return QString::fromStdString(FormatLocale(value, '.')); }

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
        QTest::addColumn<double>("expected");
        QTest::newRow("decimal point") << "14.2" << 14.2;
        QTest::newRow("decimal comma") << "0,5" << 0.5;
        QTest::newRow("comma with integer part") << "12,5" << 12.5;
        QTest::newRow("first separator is the point") << "1,2.3" << 1.2;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("blank between digits") << "1 000" << 1000.0;
        QTest::newRow("blank, tab and line feed ignored") << " 2\t5\n" << 25.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("Cyrillic letters stop") << "5Д" << 5.0;
        QTest::newRow("exponent e") << "1e1" << 10.0;
        QTest::newRow("exponent D with sign") << "1.5D+2" << 150.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("exponent sign without digits") << "3e+" << 3.0;
        QTest::newRow("minus") << "-3.5" << -3.5;
        QTest::newRow("plus") << "+2" << 2.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("Cyrillic") << "Д5" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("hexadecimal lower case") << "&hff" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("hexadecimal without digits") << "&H" << 0.0;
        QTest::newRow("unknown ampersand prefix") << "&X1" << 0.0;
        QTest::newRow("overflow") << "1e999" << Infinity;
        QTest::newRow("negative overflow") << "-1e999" << -Infinity;
        QTest::newRow("long mantissa overflows") << "1" + QString(400, '0') << Infinity;
        QTest::newRow("underflow") << "1e-999" << 0.0;
        QTest::newRow("tiny fraction underflows") << "0." + QString(400, '0') + "1" << 0.0;
        QTest::newRow("huge exponent digits") << "1e99999999999999999999" << Infinity;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Val(text.toStdString()), expected);
    }

    void leadingNumberTellsNoNumberFromZero()
    {
        QVERIFY(!LeadingNumber("abc"));
        QVERIFY(!LeadingNumber(""));
        QVERIFY(!LeadingNumber("-."));
        QCOMPARE(LeadingNumber("0x"), std::optional<double>(0.0));
    }

    void formatLocale_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer") << 6.0 << '.' << "6";
        QTest::newRow("comma") << 3.7 << ',' << "3,7";
        QTest::newRow("binary noise rounded away") << 0.1 + 0.2 << '.' << "0.3";
        QTest::newRow("negative") << -1.25 << '.' << "-1.25";
        QTest::newRow("negative zero") << -0.0 << '.' << "0";
        QTest::newRow("no grouping") << 1234567.891 << ',' << "1234567,891";
        QTest::newRow("15 significant digits") << 2.0 / 3 << '.' << "0.666666666666667";
        QTest::newRow("largest plain") << 123456789012345.0 << '.' << "123456789012345";
        QTest::newRow("large in exponent form") << 1e15 << '.' << "1E+15";
        QTest::newRow("large with fraction digits") << 1.5e20 << ',' << "1,5E+20";
        QTest::newRow("smallest plain") << 0.00001 << '.' << "0.00001";
        QTest::newRow("small in exponent form") << 1.5e-7 << '.' << "1.5E-07";
        QTest::newRow("extreme") << 1e300 << '.' << "1E+300";
        QTest::newRow("result in millimetres") << 5055564.781 << '.' << "5055564.781";
    }
    void formatLocale()
    {
        QFETCH(double, value);
        QFETCH(char, separator);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(FormatLocale(value, separator)), expected);
    }

    void writtenNumbersReadBack()
    {
        const double values[] = {3.7, -0.5, 2.0 / 3, 1e-9, 6.02214076e23, 5055564.781, 1e15, 0.1};
        for (const char separator : {'.', ','}) {
            for (double value : values) {
                const std::string text = FormatLocale(value, separator);
                const double back = Val(text);
                QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 1e-14, text.c_str());
                QCOMPARE(FormatLocale(back, separator), text);
            }
        }
    }

    void truncateToPrecision_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<float>("precision");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no binary noise") << 2.3 << 10.0f << "2.3";
        QTest::newRow("two decimals") << 12.34567 << 100.0f << "12.34";
        QTest::newRow("never rounds up") << 0.999999 << 1000.0f << "0.999";
        QTest::newRow("toward zero") << -1.2345 << 100.0f << "-1.23";
        QTest::newRow("integer") << 6.0 << 1000.0f << "6";
        QTest::newRow("large value keeps its decimals") << 5055564.781 << 1000.0f << "5055564.781";
        QTest::newRow("nine-digit integer part") << 123456789.36 << 100.0f << "123456789.36";
        QTest::newRow("sevenths") << 2.5 << 7.0f << written(2 + 3.0 / 7);
        QTest::newRow("negative precision acts as positive") << 12.34567 << -100.0f << "12.34";
        QTest::newRow("fraction below the step") << 0.0004 << 1000.0f << "0";
        QTest::newRow("negative fraction below the step") << -0.0004 << 1000.0f << "0";
        QTest::newRow("tiny value, fine precision") << 1e-30 << 1e20f << "0";
        QTest::newRow("huge value") << 1.5e20 << 1000.0f << "1.5E+20";
        QTest::newRow("cut as written to 15 digits") << 0.9999999999999999 << 1000.0f << "1";
        QTest::newRow("precision below one") << 2.3 << 0.5f << "2";
        QTest::newRow("precision finer than the digits") << 0.123456789012345 << 3e38f
                                                        << "0.123456789012345";
        QTest::newRow("ten decimals") << 3.14159265358979 << 1e10f << "3.1415926535";
    }
    void truncateToPrecision()
    {
        QFETCH(double, value);
        QFETCH(float, precision);
        QFETCH(QString, expected);
        QCOMPARE(written(TruncateToPrecision(value, precision)), expected);
    }

    void fixTruncatesTowardZero()
    {
        QCOMPARE(Fix(2.7), 2.0);
        QCOMPARE(Fix(-2.7), -2.0);
    }

    void toSingleSaturates()
    {
        QCOMPARE(ToSingle(1000.0), 1000.0f);
        QVERIFY(std::isinf(ToSingle(1e300)));
        QVERIFY(ToSingle(-1e300) < 0);
    }

    void weightPerMetre_data()
    {
        QTest::addColumn<double>("area");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("specificWeight");
        QTest::addColumn<float>("precision");
        QTest::addColumn<QString>("expected");
        const int mm = int(LengthUnit::Millimetre), cm = int(LengthUnit::Centimetre),
                  m = int(LengthUnit::Metre);
        QTest::newRow("100 mm² in mm") << 100.0 << mm << 7850.0 << 1000.0f << "0.785";
        QTest::newRow("1 cm² in cm") << 1.0 << cm << 7850.0 << 1000.0f << "0.785";
        QTest::newRow("0.0001 m² in m") << 0.0001 << m << 7850.0 << 1000.0f << "0.785";
        QTest::newRow("truncated, not rounded") << 21.5199 << cm << 7850.0 << 1000.0f << "16.893";
        QTest::newRow("negative specific weight") << 1.0 << cm << -7850.0 << 100.0f << "-0.78";
        QTest::newRow("no specific weight") << 1.0 << cm << 0.0 << 1000.0f << "0";
    }
    void weightPerMetre()
    {
        QFETCH(double, area);
        QFETCH(int, unit);
        QFETCH(double, specificWeight);
        QFETCH(float, precision);
        QFETCH(QString, expected);
        QCOMPARE(written(WeightPerMetre(area, LengthUnit(unit), specificWeight, precision)),
                 expected);
    }

    void displayDividesByTheUnitPower()
    {
        const SectionOutcome outcome =
            SectionProperties{{{"I", 5055564.781, Inertia}, {"i", 48.4699, Length}}, 2151.99};
        const auto shown = ToDisplay(outcome, {LengthUnit::Centimetre, 7850, 1000});
        const auto& display = std::get<Display>(shown);
        QCOMPARE(display.figures.size(), std::size_t(2));
        QCOMPARE(written(display.figures[0].value), QString("505.556"));
        QCOMPARE(written(display.figures[1].value), QString("4.846"));
        QCOMPARE(written(display.weight), QString("16.893"));
    }

    void displayRefuses_data()
    {
        QTest::addColumn<double>("figure");
        QTest::addColumn<double>("specificWeight");
        QTest::addColumn<float>("precision");
        QTest::addColumn<QString>("message");
        const QString wrongData = QString::fromUtf8(WrongDataMessage.data());
        const QString wrongPrecision = QString::fromUtf8(WrongPrecisionMessage.data());
        QTest::newRow("precision zero") << 1.0 << 7850.0 << 0.0f << wrongPrecision;
        QTest::newRow("precision infinite") << 1.0 << 7850.0 << std::numeric_limits<float>::infinity()
                                            << wrongPrecision;
        QTest::newRow("precision not a number") << 1.0 << 7850.0 << std::nanf("") << wrongPrecision;
        QTest::newRow("infinite figure") << Infinity << 7850.0 << 1000.0f << wrongData;
        QTest::newRow("figure not a number") << std::nan("") << 7850.0 << 1000.0f << wrongData;
        QTest::newRow("infinite weight") << 1.0 << Infinity << 1000.0f << wrongData;
    }
    void displayRefuses()
    {
        QFETCH(double, figure);
        QFETCH(double, specificWeight);
        QFETCH(float, precision);
        QFETCH(QString, message);
        const SectionOutcome outcome = SectionProperties{{{"A", figure, Area}}, 100};
        const auto shown = ToDisplay(outcome, {LengthUnit::Millimetre, specificWeight, precision});
        QVERIFY(std::holds_alternative<Refusal>(shown));
        QCOMPARE(QString::fromStdString(std::get<Refusal>(shown).message), message);
    }

    void displayPassesTheRoutinesRefusalOn()
    {
        const auto shown = ToDisplay(Refusal{"D должно быть больше нуля"},
                                     {LengthUnit::Centimetre, 7850, 0});
        QCOMPARE(std::get<Refusal>(shown).message, std::string("D должно быть больше нуля"));
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
